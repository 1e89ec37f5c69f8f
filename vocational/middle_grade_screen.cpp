#include "vocational/middle_grade_screen.h"

#include <QPainter>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/display_helpers.h"
#include "core/navigation.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/shadow_label.h"
#include "core/shared_bitmaps.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"

namespace velmora {

// The helicopter, the pilot frames and the speech boxes, drawn over the screen.
class FlightLayer : public QWidget {
 public:
  explicit FlightLayer(TForm3* screen) : QWidget(screen), screen_(screen) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(screen->rect());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const TForm3& s = *screen_;
    if (s.heli.isActive() && s.FlightStep <= 2) {
      const QImage& heli = *Bitmaps().BmpHeli;
      const QPushButton* button = s.FlightStep == 1 ? s.botTit2 : s.botLug2;
      if (!heli.isNull() && button->isVisible())
        painter.drawImage(button->x() + button->width() - heli.width() / 2, button->y() - heli.height(), heli);
    }
    if (s.PilotFrame >= 0 && MenuImageList1().count() > s.PilotFrame)
      painter.drawPixmap(s.PilotAt + QPoint(10 * s.PilotFrame, 0), MenuImageList1().frame(s.PilotFrame));
    for (const TForm3::SpeechBox& box : s.SpeechBoxes) {
      const int x = box.anchor.x(), y = box.anchor.y();
      const QRect area(QPoint(x - 34, y - 54), QPoint(x + 84, y - 1));
      painter.fillRect(area, QColor(0xFF, 0xFF, 0x00));
      painter.setPen(Qt::black);
      painter.setFont(ScreenFont("Arial", 11 + FontSizeAdjust, true));
      const int first = box.step == 1 ? 154 : 157;
      for (int i = 0; i < 3; ++i)
        painter.drawText(QRect(x - 26, y - 51 + 15 * i, 110, 16), Qt::AlignLeft | Qt::AlignTop, ToQString(TextLine(first + i)));
    }
  }

 private:
  TForm3* screen_;
};

// ---- The screen ------------------------------------------------------------------------------

namespace {

std::string Text(int line) { return std::string(TextLine(line)); }

QPushButton* Button(QWidget* parent, int line, QRect geometry) { return ScreenButton(parent, ToQString(TextLine(line)), geometry); }

}  // namespace

TForm3::TForm3() : VocationalScreen(Grade::GM) {
  BuildControls();
  BuildQuestionnaireControls();
  heli.setInterval(1);
  piloto.setInterval(200);
  connect(&heli, &QTimer::timeout, this, &TForm3::heliTimer);
  connect(&piloto, &QTimer::timeout, this, &TForm3::pilotoTimer);
  SetDoorOpener(kDoorMiddleGrade, [this]() -> QWidget* {
    if (QuestionnaireFlag) {  // left through the window's close box
      QuestionnaireFlag = false;
      HideQuestionnaire();
    }
    if (FPMFirstVisit) {
      heli.start();
    } else {
      heli.stop();
    }
    return this;
  });
}

TForm3::~TForm3() = default;

void TForm3::BuildControls() {
  LabelFP1 = BigScreenLabel(this, ToQString(TextLine(512)), 38, 18);
  LabelFPGM = BigScreenLabel(this, ToQString(TrimBothBlanks(CentreName)), 74, 12);
  LabelAno = BigScreenLabel(this, ToQString(Text(175) + "  2015/16"), 98, 12);

  botTit2 = Button(this, 190, QRect(240, 130, 250, 40));
  botLug2 = Button(this, 276, QRect(240, 250, 250, 40));
  botSalir = Button(this, 54, QRect(240, 370, 250, 40));
  connect(botTit2, &QPushButton::clicked, this, &TForm3::botTit2Click);
  connect(botLug2, &QPushButton::clicked, this, &TForm3::botLug2Click);
  connect(botSalir, &QPushButton::clicked, this, &TForm3::botSalirClick);

  BotRequisitos = Button(this, 29, QRect(40, 700, 150, 30));
  BotPuesto = Button(this, 191, QRect(200, 700, 150, 30));
  botAsig = Button(this, 30, QRect(360, 700, 150, 30));
  BotTelefono = AllFpButton;
  for (QPushButton* button : {BotRequisitos, BotPuesto, botAsig}) button->hide();
  connect(BotRequisitos, &QPushButton::clicked, this, &TForm3::BotRequisitosClick);
  connect(BotPuesto, &QPushButton::clicked, this, &TForm3::BotPuestoClick);
  connect(botAsig, &QPushButton::clicked, this, &TForm3::botAsigClick);

  flight_ = new FlightLayer(this);
  flight_->raise();
}

void TForm3::showEvent(QShowEvent* event) {
  ModuleScreen::showEvent(event);
  FormActivate();
}

void TForm3::FormActivate() {
  Background->show();
  PilotFrame = -1;
  SpeechBoxes.clear();
  piloto.stop();
  if (QuestionnaireFlag) {
    StartQuestionnaire();
    return;
  }
  const bool animated = FPMFirstVisit;
  for (QPushButton* button : {botTit2, botLug2, botSalir}) button->setVisible(!animated && Mode == SearchMode::None);
  if (animated) {
    FPMFirstVisit = false;
    Mode = SearchMode::None;
  } else {
    botTit2->move(240, 130);
    botLug2->move(240, 250);
    botSalir->move(240, 370);
  }
  FlightTick = 0;
  FlightStep = 1;
  FlightOffset = 0;
  flight_->raise();
  flight_->update();
}

void TForm3::heliTimer() {
  ++FlightTick;
  const int x = 15 * FlightTick;
  int y = 150 + 6 * FlightOffset;
  QPushButton* button = FlightStep == 1 ? botTit2 : FlightStep == 2 ? botLug2 : nullptr;
  if (button == nullptr) {
    heli.stop();
    flight_->update();
    return;
  }
  if (FlightTick == 1) PlayEngineSound(true);
  if (FlightStep == 2) PilotFrame = -1;
  button->move(x - 300, y);
  button->show();
  if (FlightTick >= 36) {
    button->move(button->x(), y - 20);
    if (FlightStep == 2) {
      botSalir->move(botLug2->x(), botLug2->y() + 120);
      botSalir->show();
    }
    y += 10;
    heli.stop();
    PilotAt = QPoint(x, y);
    PilotTick = 0;
    piloto.start();
    FlightOffset += 20;
    FlightTick = 0;
    ++FlightStep;
  }
  FlightX = x;
  FlightY = y;
  flight_->update();
}

void TForm3::pilotoTimer() {
  PilotFrame = PilotTick;
  if (++PilotTick > 7) {
    piloto.stop();
    heli.start();
    SpeechBoxes.push_back({FlightStep - 1, PilotAt + QPoint(0, 12)});
  }
  flight_->update();
}

void TForm3::HideSpeechBox() {
  if (!SpeechBoxes.empty()) {
    SpeechBoxes.clear();
    PilotFrame = -1;
  }
  flight_->update();
}

void TForm3::botTit2Click() {
  for (QPushButton* button : {botTit2, botLug2, botSalir}) button->hide();
  PanelSelec->show();
  PanelSelTit->setText(ToQString(TextLine(595)));
  HideSpeechBox();
  heli.stop();
  piloto.stop();
  Mode = SearchMode::ByTitle;
  PrintSelection = false;
  PrintCommunities.clear();
  DoubleClickActive = false;
  PrintMode = false;
  reja->hide();
  listSelFP->clear();
  BotRetrocederFP->show();
  FillGroups();
  ListPreFam->show();
  ListPreFam->raise();
}

void TForm3::ListTitClick(int row) {
  HideSpeechBox();
  SelectTitle(row);
  listSelFP->show();
  PanelSelec->show();
  PanelSelTit->clear();
  // A title from the questionnaire has the questionnaire's own back and print buttons.
  if (!QuestionnaireFlag)
    for (QPushButton* button : {BotPuesto, BotRequisitos, botAsig, BotImprimir, BotRetrocederFP}) button->show();
  ShowStars();
}

void TForm3::BotRequisitosClick() { ShowInfo(RequirementLines(), false, {}); }
void TForm3::BotPuestoClick() { ShowInfo(JobLines(Places.SelectedTitle), false, Text(199)); }
void TForm3::botAsigClick() { ShowInfo(StudyLines(Places.SelectedTitle), true, Text(312)); }

void TForm3::botLug2Click() {
  Mode = SearchMode::ByPlace;
  HideSpeechBox();
  PanelSelec->show();
  PanelEstrellas->show();
  PanelCarSel->clear();
  PanelCarSel->show();
  PanelSelTit->setText(ToQString(Text(190) + " - " + Text(390)));
  for (QPushButton* button : {botTit2, botLug2, botSalir}) button->hide();
  ClearGrid();
  reja->show();
  reja->viewport()->setCursor(Qt::PointingHandCursor);
  BotRetrocederFP->show();
  heli.stop();
  piloto.stop();
  DoubleClickActive = true;
  Places.AllFpView = false;
  Places.SelectedTitle = 0;
  stars_.reset();
  StopStars();
}
// ---- Back and leaving ------------------------------------------------------------------------

void TForm3::BotRetrocederFPClick() {
  Background->show();
  if (LeaveTownsStep()) return;
  if (Places.PlaceCount == 1) Places.TownMode = false;
  if (Mode == SearchMode::ByPlace && !PanelEstrellas->isHidden()) {
    for (QPushButton* button : {botTit2, botLug2, botSalir}) button->show();
    BotImprimir->hide();
    BotTelefono->hide();
    StopStars();
    PanelEstrellas->hide();
    HideDetail();
    HideMapLabel();
    ListSelLugFP->hide();
    reja->hide();
    PanelSelec->hide();
    listSelFP->hide();
    BotRetrocederFP->hide();
    PanelCarSel->hide();
    reja->viewport()->setCursor(Qt::ArrowCursor);
    DoubleClickActive = false;
    Mode = SearchMode::None;
    return;
  }
  if (Mode == SearchMode::ByPlace) {
    ListSelLugFP->hide();
    BotImprimir->hide();
    BotTelefono->hide();
    PanelEstrellas->show();
    HideDetail();
    ClearGrid();
    reja->hide();
    for (QLabel* caption : {PanelSelTit, PanelCarSel}) caption->clear();
    PanelSelec->hide();
    listSelFP->hide();
    PanelCarSel->hide();
    Places.AllFpView = false;
    return;
  }
  if (Mode == SearchMode::ByTitle && !PanelEstrellas->isHidden()) {
    reja->hide();
    HideInfoButtons();
    HideDetail();
    StopStars();
    TimerParpadeo.stop();
    PanelEstrellas->hide();
    HideMapLabel();
    listSelFP->hide();
    PanelImp->hide();
    PrintSelection = false;
    PanelCarSel->hide();
    ListPreFam->show();
    ListTit->show();
    Labeltitulo->show();
    PanelSelTit->setText(ToQString(TextLine(578)));
    return;
  }
  HideSpeechBox();
  ListPreFam->setFixedHeight(301);
  ListPreFam->hide();
  ListTit->hide();
  HideInfoButtons();
  HideDetail();
  PanelEstrellas->hide();
  HideMapLabel();
  for (QPushButton* button : {botTit2, botLug2, botSalir}) button->show();
  PanelSelec->hide();
  listSelFP->hide();
  reja->hide();
  Labeltitulo->hide();
  BotRetrocederFP->hide();
  PanelCarSel->hide();
  Mode = SearchMode::None;
}

void TForm3::HideInfoButtons() {
  for (QPushButton* button : {BotPuesto, BotRequisitos, botAsig, BotImprimir, BotTelefono}) button->hide();
}

void TForm3::botSalirClick() {
  for (QPushButton* button : {botTit2, botLug2, botSalir}) button->hide();
  heli.stop();
  piloto.stop();
  HideDetail();
  PanelEstrellas->hide();
  HideMapLabel();
  PanelSelec->hide();
  listSelFP->hide();
  reja->hide();
  ListTit->hide();
  Labeltitulo->hide();
  PanelCarSel->hide();
  for (QPushButton* button : {BotRetrocederFP, BotImprimir, BotTelefono}) button->hide();
  Mode = SearchMode::None;
  GoBack();
}

}  // namespace velmora
