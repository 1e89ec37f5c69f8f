// The middle-grade questionnaire on TForm3: the areas, the statements, the suggested titles and
// the title view with its centres, the report and leaving.
#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/module_screen.h"
#include "core/navigation.h"
#include "core/printing/reports.h"
#include "core/screen_registry.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/shared_bitmaps.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "core/yes_no_dialog.h"
#include "vocational/middle_grade_screen.h"

namespace velmora {
namespace {

constexpr QRect kAreaList(40, 250, 820, 420);
constexpr QRect kTitleHint(560, 122, 430, 26);
constexpr int kHintRise = 50;       // the hint stands this far above the area list
constexpr int kHintStop = 300;      // the hint slides until its left passes this
constexpr int kTitleBullet = 3;     // bullet picture of the degrees screen's list
constexpr std::array<int, kGmAreaItems> kAreaIcons = {0, 1, 2, 3, 4, 5, 16, 21, 8, 9, 10};

// ListGM: each area with its icon and its tick; in the third step each title after a bullet.
class AreaDelegate : public QStyledItemDelegate {
 public:
  explicit AreaDelegate(TForm3* screen) : QStyledItemDelegate(screen), screen_(screen) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const QRect r = option.rect;
    const bool titles = screen_->Questionnaire.Step() == GmStep::Titles;
    const bool ticked = !titles && index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    painter->fillRect(r, ticked ? QColor(0xFF, 0xE0, 0xB0) : ToQColor(ColourCream));
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    if (titles) {
      DegreesImageList1().draw(*painter, r.left() + 2, r.top() + (r.height() - 16) / 2, kTitleBullet, true);
      painter->drawText(r.adjusted(20, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
    } else {
      const int item = std::clamp(index.row(), 0, kGmAreaItems - 1);
      ImageListIconos().draw(*painter, r.left() + 2, r.top() + 1, kAreaIcons[static_cast<std::size_t>(item)], true);
      QStyleOptionButton box;
      box.rect = QRect(r.right() - 24, r.top() + (r.height() - 16) / 2, 16, 16);
      box.state = QStyle::State_Enabled | (ticked ? QStyle::State_On : QStyle::State_Off);
      QApplication::style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter);
      painter->drawText(r.adjusted(35, 2, -30, 0), Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
    }
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 34};
  }

 private:
  TForm3* screen_;
};

std::vector<int> CheckedRows(const QListWidget* list) {
  std::vector<int> rows;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->checkState() == Qt::Checked) rows.push_back(i);
  return rows;
}

}  // namespace

void TForm3::LoadFiles() { LoadGmQuestions(); }

void TForm3::BuildQuestionnaireControls() {
  ListGM = ScreenList(this, kAreaList, 11);
  ListGM->setItemDelegate(new AreaDelegate(this));
  ListGM->setSelectionMode(QAbstractItemView::NoSelection);
  ListGM->setCursor(Qt::PointingHandCursor);
  ListGM2 = ScreenList(this, kAreaList, 11);
  ListGM2->setSelectionMode(QAbstractItemView::MultiSelection);
  ListGM2->setWordWrap(true);
  ListGM2->setSpacing(2);
  ListGM2->setCursor(Qt::PointingHandCursor);
  ListPeque = ScreenList(this, QRect(560, 426, 430, 230));
  ListPeque->setCursor(Qt::PointingHandCursor);
  LabelPeque = new QLabel(ToQString(TextLine(190)), this);
  LabelPeque->setFont(ScreenFont("Arial", 11, true));
  LabelPeque->setGeometry(580, 396, 400, 24);
  LabelPeque->hide();

  LabAyuGM = new QLabel(this);
  LabAyuGM->setFont(ScreenFont("Arial", 12, true));
  LabAyuGM->setWordWrap(true);
  SetTextColour(LabAyuGM, ToQColor(ColourMaroon));
  LabAyuGM->hide();
  HeliPeque = new QLabel(this);
  if (const QImage& heli = *Bitmaps().BmpHeli; !heli.isNull())
    HeliPeque->setPixmap(QPixmap::fromImage(heli.scaled(heli.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  HeliPeque->adjustSize();
  HeliPeque->hide();

  BitFleGMiz = ArrowButton(this, QRect(40, 690, 100, 46), false);
  BitFleGMde = ArrowButton(this, QRect(150, 690, 100, 46), true);
  BotImprimirCuesGM = ScreenButton(this, ToQString(TextLine(36)), QRect(560, 700, 150, 32));
  BotSalirCues = ScreenButton(this, ToQString(TextLine(54)), QRect(720, 700, 150, 32));
  for (QWidget* control : std::initializer_list<QWidget*>{BitFleGMiz, BitFleGMde, BotImprimirCuesGM, BotSalirCues}) control->hide();

  connect(BitFleGMde, &QPushButton::clicked, this, &TForm3::BitFleGMdeClick);
  connect(BitFleGMiz, &QPushButton::clicked, this, &TForm3::BitFleGMizClick);
  connect(BotImprimirCuesGM, &QPushButton::clicked, this, &TForm3::BotImprimirCuesGMClick);
  connect(BotSalirCues, &QPushButton::clicked, this, &TForm3::BotSalirCuesClick);
  connect(ListGM, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (Questionnaire.Step() != GmStep::Titles) {
      item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
      return;
    }
    ListGMClick(ListGM->row(item));
  });
  connect(ListPeque, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListPequeClick(ListPeque->row(item)); });
  TimerAyu.setInterval(100);
  TimerReduce.setInterval(100);
  connect(&TimerAyu, &QTimer::timeout, this, &TForm3::TimerAyuTimer);
  connect(&TimerReduce, &QTimer::timeout, this, &TForm3::TimerReduceTimer);
}

void TForm3::BeginQuestionnaire() {
  QuestionnaireFlag = true;
  heli.stop();
  piloto.stop();
}

void TForm3::StartQuestionnaire() {
  for (QPushButton* button : {botTit2, botLug2, botSalir}) button->hide();
  Questionnaire.Start();
  BotSalirCues->show();
  BitFleGMde->show();
  BitFleGMiz->hide();
  ListGM2->hide();
  FillAreas();
  ListGM->show();
  ListGM->raise();
  SlideHint(std::string(TextLine(163)));
}

void TForm3::FillAreas() {
  ListGM->clear();
  ListGM->setGeometry(kAreaList);
  for (const std::string& area : GmQuestionFile().areas) {
    auto* item = new QListWidgetItem(ToQString(area), ListGM);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

// The hint and the small helicopter fly in from the right.
void TForm3::SlideHint(const std::string& text) {
  LabAyuGM->setText(ToQString(text));
  const int left = width() - 30;
  LabAyuGM->setGeometry(left, ListGM->y() - kHintRise, 10, 40);
  HeliPeque->move(left, LabAyuGM->y() - 5 - HeliPeque->height() / 2);
  TimerAyu.start();
}

void TForm3::TimerAyuTimer() {
  const int left = LabAyuGM->x() - 40;
  LabAyuGM->setGeometry(left, LabAyuGM->y(), std::max(10, (width() - 80) - left), LabAyuGM->height());
  HeliPeque->move(left - 85, HeliPeque->y());
  LabAyuGM->show();
  HeliPeque->show();
  LabAyuGM->raise();
  HeliPeque->raise();
  if (left < kHintStop) TimerAyu.stop();
}

// ---- Forward and back ------------------------------------------------------------------------

void TForm3::BitFleGMdeClick() {
  ClearGrid();
  const GmStep step = Questionnaire.Step();
  const GmForward next = Questionnaire.Forward(step == GmStep::Areas ? CheckedRows(ListGM) : SelectedRows(ListGM2));
  switch (next) {
    case GmForward::Beep:
      QApplication::beep();
      return;
    case GmForward::LeaveForPlaces:
      for (QWidget* control : std::initializer_list<QWidget*>{BitFleGMde, ListGM, BotSalirCues, LabAyuGM, HeliPeque})
        control->hide();
      TimerAyu.stop();
      QuestionnaireFlag = false;
      botLug2Click();
      return;
    case GmForward::ShowStatements:
      BitFleGMiz->show();
      ListGM->hide();
      ListGM2->clear();
      for (const GmRow& row : Questionnaire.StatementRows()) ListGM2->addItem(ToQString(row.text));
      ListGM2->show();
      ListGM2->raise();
      SlideHint(std::string(TextLine(164)) + " " + std::string(TextLine(165)));
      return;
    case GmForward::ShowTitles:
      ListGM2->hide();
      ListGM->clear();
      ListGM->setGeometry(kAreaList);
      for (const GmRow& row : Questionnaire.TitleRows()) ListGM->addItem(ToQString(row.text));
      ListGM->show();
      BitFleGMde->hide();
      SlideHint(std::string(TextLine(189)));
      return;
  }
}

void TForm3::BitFleGMizClick() {
  BotImprimirCuesGM->hide();
  switch (Questionnaire.Back()) {
    case GmBack::LeaveTitleView:
      HideSpeechBox();
      TimerReduce.stop();
      ReduceStep = 0;
      ListGM->setGeometry(kAreaList);
      ListGM->show();
      for (QWidget* control : std::initializer_list<QWidget*>{PanelSelTit, PanelCarSel, PanelSelec, listSelFP, mapac, mapam,
                                                               listBarcelona, BotCerrar, PanelEstrellas, ListPeque, LabelPeque,
                                                               reja})
        control->hide();
      StopStars();
      TimerParpadeo.stop();
      HideMapLabel();
      Mode = SearchMode::None;
      SlideHint(std::string(TextLine(189)));
      return;
    case GmBack::ToStatements:
      BitFleGMde->show();
      ListGM->hide();
      FillAreas();
      for (const int item : Questionnaire.ChosenAreaItems()) ListGM->item(item)->setCheckState(Qt::Checked);
      ListGM2->show();
      ListGM2->raise();
      SlideHint(std::string(TextLine(164)) + " " + std::string(TextLine(165)));
      return;
    case GmBack::ToAreas:
      BitFleGMde->show();
      BitFleGMiz->hide();
      FillAreas();
      for (const int item : Questionnaire.ChosenAreaItems()) ListGM->item(item)->setCheckState(Qt::Checked);
      ListGM->show();
      ListGM->raise();
      ListGM2->hide();
      SlideHint(std::string(TextLine(163)));
      return;
    case GmBack::Nothing:
      return;
  }
}

// ---- The title view --------------------------------------------------------------------------

void TForm3::ListGMClick(int row) {
  TimerAyu.stop();
  if (Questionnaire.Step() != GmStep::Titles || Questionnaire.TitleViewOn()) return;
  const int title = Questionnaire.TitleOfRow(row);
  if (title == 0) return;
  Questionnaire.OpenTitleView();
  BotImprimirCuesGM->show();
  HeliPeque->hide();
  OpenSuggestedTitle(title);
  // The list shrinks towards the small list under the map, which then takes its place.
  ReduceStep = 0;
  TimerReduce.start();
}

void TForm3::ListPequeClick(int row) {
  if (!Questionnaire.TitleViewOn()) return;
  const int title = Questionnaire.TitleOfRow(row);
  if (title == 0) return;
  BotImprimirCuesGM->hide();
  ClearGrid();
  listSelFP->clear();
  OpenSuggestedTitle(title);
}

void TForm3::OpenSuggestedTitle(int title) {
  Mode = SearchMode::ByTitle;
  // Above the map, clear of the title's own caption.
  LabAyuGM->setGeometry(kTitleHint);
  LabAyuGM->setText(ToQString(TitleName(Grade::GM, title)));
  LabAyuGM->show();
  HandedTitle = title;
  ListTitClick(-1);
  PanelSelTit->clear();
  listSelFP->clear();
}

void TForm3::TimerReduceTimer() {
  ReduceStep += 2;
  const QRect r = ListGM->geometry();
  ListGM->setGeometry(r.x(), r.y() + ReduceStep, std::max(0, r.width() - (ReduceStep + ReduceStep / 2)),
                      std::max(0, r.height() - ReduceStep));
  if (ListGM->y() <= ListPeque->y()) return;
  TimerReduce.stop();
  ReduceStep = 0;
  ListGM->hide();
  ListPeque->clear();
  for (const GmRow& row : Questionnaire.TitleRows()) ListPeque->addItem(ToQString(row.text));
  ListPeque->show();
  LabelPeque->show();
  ListGM->setGeometry(kAreaList);
}

void TForm3::mapaClick() {
  VocationalScreen::mapaClick();
  if (!QuestionnaireFlag || !Questionnaire.TitleViewOn() || PrintSelection || Mode != SearchMode::ByTitle) return;
  if (MapRegion < 1 || MapRegion > kCommunities || Places.SelectedTitle == 0) return;
  BotImprimirCuesGM->show();
  Questionnaire.AddCentresBlock(TitleName(Grade::GM, Places.SelectedTitle), GridRows);
}

// ---- Printing and leaving --------------------------------------------------------------------

void TForm3::BotImprimirCuesGMClick() {
  if (Form4 == nullptr) return;
  const std::optional<std::string> name = Form4->AskName(TextLine(339));
  if (!name) return;
  StudentLabel = *name;
  const int count = Questionnaire.FillPrintTable(StudentLabel.view());
  PrintReportWithDialog(Tabs().PrintLines3, count, true, 10);
}

void TForm3::HideQuestionnaire() {
  TimerAyu.stop();
  TimerReduce.stop();
  ReduceStep = 0;
  StopStars();
  TimerParpadeo.stop();
  HideDetail();
  HideMapLabel();
  for (QWidget* control : std::initializer_list<QWidget*>{BitFleGMde, BitFleGMiz, HeliPeque, PanelEstrellas, PanelCarSel,
                                                           PanelSelTit, PanelSelec, listSelFP, reja, ListGM2, ListGM,
                                                           BotSalirCues, LabAyuGM, ListPeque, LabelPeque, BotImprimirCuesGM})
    control->hide();
  Mode = SearchMode::None;
}

void TForm3::BotSalirCuesClick() {
  QuestionnaireFlag = false;
  StudentLabel.clear();
  Background->show();
  HideQuestionnaire();
  Questionnaire.Start();
  if (FromContextInfo) {
    FromContextInfo = false;
    hide();
    return;
  }
  if (InAssistant) {
    LeaveModule(this);
    return;
  }
  hide();
  if (QWidget* questionnaires = ScreenNamed("TForm2")) questionnaires->show();
}

}  // namespace velmora
