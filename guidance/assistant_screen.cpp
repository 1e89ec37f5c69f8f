#include "guidance/assistant_screen.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/common.h"
#include "core/display_helpers.h"
#include "core/navigation.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/shared_bitmaps.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "guidance/questionnaires_screen.h"
#include "university/degrees_screen.h"
#include "vocational/higher_grade_screen.h"
#include "vocational/middle_grade_screen.h"

namespace velmora {
namespace {

const QColor kPanelColour(241, 217, 192);
const QColor kBoxColour(255, 255, 157);
constexpr QSize kPathPanel(800, 560);
constexpr QRect kInner(20, 60, 440, 470);
constexpr QSize kLabel(161, 57);
constexpr std::array<int, kArrowSteps> kRowTops = {350, 210, 70};  // step 1 at the bottom
constexpr int kLabelLeft = 100;
constexpr int kButtonLeft = 590;

QString Caption(int line) { return ToQString(TextLine(line)); }
QString Caption(std::initializer_list<int> lines) {
  QStringList parts;
  for (const int line : lines) parts << Caption(line);
  return parts.join(QLatin1Char('\n'));
}

QFrame* ColouredFrame(QWidget* parent, QRect geometry, QColor colour) { return ScreenPanel(parent, geometry, colour); }

QLabel* YellowLabel(QWidget* parent, QRect geometry, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(ScreenFont("Arial", 11));
  label->setWordWrap(true);
  label->setAutoFillBackground(true);
  SetColours(label, kBoxColour, Qt::black);
  return label;
}

// A picture of the frame tile, repeated over the area.
QLabel* TiledPicture(QWidget* parent, QRect geometry) {
  auto* picture = new QLabel(parent);
  picture->setGeometry(geometry);
  const QImage& tile = *Bitmaps().BmpPart;
  if (!tile.isNull()) {
    QPixmap tiled(geometry.size());
    QPainter painter(&tiled);
    painter.drawTiledPixmap(tiled.rect(), QPixmap::fromImage(tile));
    picture->setPixmap(tiled);
  }
  picture->lower();
  return picture;
}

QLabel* Helicopter(QWidget* parent) {
  auto* heli = new QLabel(parent);
  if (const QImage& image = *Bitmaps().BmpHeli; !image.isNull()) heli->setPixmap(QPixmap::fromImage(image));
  heli->adjustSize();
  heli->hide();
  return heli;
}

struct ButtonPlace {
  AssistantButton button;
  QString caption;
  int mode;
  int slot;  // position among its mode's buttons
};

}  // namespace

TForm5::TForm5() {
  SetColours(this, ToQColor(ColourCream), Qt::black);
  Texts = AssistantTexts();
  BuildStart();
  BuildPath(Eso, true);
  BuildPath(Bachi, false);
  BuildButtons();
  BoxHomeLeft = kLabelLeft;
  TimerComienzo.setInterval(50);
  TimerMueTexBotBACHI.setInterval(70);
  for (QTimer* timer : {&TimerMueTexFleESO, &TimerMueTexFleBACHI, &TimerVuela, &TimerVuela2}) timer->setInterval(100);
  Eso.scroll = &TimerMueTexFleESO;
  Eso.fly = &TimerVuela;
  Bachi.scroll = &TimerMueTexFleBACHI;
  Bachi.fly = &TimerVuela2;
  connect(&TimerComienzo, &QTimer::timeout, this, &TForm5::TimerComienzoTimer);
  connect(&TimerMueTexBotBACHI, &QTimer::timeout, this, &TForm5::TimerMueTexBotBACHITimer);
  connect(&TimerMueTexFleESO, &QTimer::timeout, this, [this] { ScrollTimer(Eso); });
  connect(&TimerMueTexFleBACHI, &QTimer::timeout, this, [this] { ScrollTimer(Bachi); });
  connect(&TimerVuela, &QTimer::timeout, this, [this] { FlightTimer(Eso); });
  connect(&TimerVuela2, &QTimer::timeout, this, [this] { FlightTimer(Bachi); });
  Navigation().assistant = this;
  SetDoorOpener(kDoorAssistant, [this]() -> QWidget* { return this; });
}

void TForm5::BuildStart() {
  constexpr QSize kStart(560, 360);
  PInicio = ColouredFrame(this, QRect(QPoint((kScreenWidth - kStart.width()) / 2, (kScreenHeight - kStart.height()) / 2), kStart),
                          kPanelColour);
  TiledPicture(PInicio, QRect(10, 10, 180, 340));
  Panel9 = ColouredFrame(PInicio, QRect(210, 20, 330, 210), kBoxColour);
  Textoinicio = new QLabel(Panel9);
  Textoinicio->setFont(ScreenFont("Arial", 11));
  Textoinicio->setWordWrap(true);
  Textoinicio->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Panel2 = YellowLabel(PInicio, QRect(210, 260, 150, 60), QStringLiteral("ESO"));
  Panel3 = YellowLabel(PInicio, QRect(390, 260, 150, 60), QStringLiteral("BACHILL."));
  for (QLabel* choice : {Panel2, Panel3}) {
    choice->setFont(ScreenFont("Arial", 16, true));
    choice->setAlignment(Qt::AlignCenter);
    choice->setCursor(Qt::PointingHandCursor);
    choice->installEventFilter(this);
  }
  PInicio->hide();

  BotRetroAsis = ScreenButton(this, Caption(82), QRect(40, 712, 160, 36));
  BotEso = ScreenButton(this, Caption(12), QRect(700, 712, 130, 36));
  BotBachi = ScreenButton(this, Caption(33), QRect(850, 712, 130, 36));
  connect(BotRetroAsis, &QPushButton::clicked, this, &TForm5::BotRetroAsisClick);
  connect(BotEso, &QPushButton::clicked, this, &TForm5::L41Click);
  connect(BotBachi, &QPushButton::clicked, this, &TForm5::Lb1Click);
}

void TForm5::BuildPath(Path& path, bool eso) {
  const int top = (kScreenHeight - kPathPanel.height()) / 2 - 30;
  path.panel = ColouredFrame(this, QRect(QPoint((kScreenWidth - kPathPanel.width()) / 2, top), kPathPanel), kPanelColour);
  path.title = new QLabel(Caption(eso ? 601 : 602), path.panel);
  path.title->setGeometry(20, 10, 760, 40);
  path.title->setFont(ScreenFont("Arial", 16, true));
  path.title->setAlignment(Qt::AlignCenter);
  path.title->setCursor(Qt::PointingHandCursor);
  SetTextColour(path.title, ToQColor(ColourMaroon));
  path.title->installEventFilter(this);
  path.inner = new QWidget(path.panel);
  path.inner->setGeometry(kInner);
  TiledPicture(path.inner, QRect(QPoint(), kInner.size()))->installEventFilter(this);
  path.hint = YellowLabel(path.inner, QRect(10, 10, 420, 26), Caption(493));
  path.texts = eso ? std::array<int, kArrowSteps>{1, 2, 3} : std::array<int, kArrowSteps>{10, 11, 12};
  path.modes = eso ? std::array<int, kArrowSteps>{4, 3, 2} : std::array<int, kArrowSteps>{8, 7, 6};
  for (int step = 0; step < kArrowSteps; ++step) {
    const auto at = static_cast<std::size_t>(step);
    path.arrows[at] = ArrowButton(path.inner, QRect(20, kRowTops[at] + 8, 70, 40), true);
    path.arrows[at]->setFlat(true);
    path.arrows[at]->hide();
    connect(path.arrows[at], &QPushButton::clicked, this, [this, &path, step] { ArrowClick(path, step + 1); });
    path.labels[at] = YellowLabel(path.inner, QRect(QPoint(kLabelLeft, kRowTops[at]), kLabel), {});
    path.labels[at]->hide();
  }
  path.box = ColouredFrame(path.inner, QRect(QPoint(kLabelLeft, kRowTops[0]), kLabel), kBoxColour);
  path.boxText = new QLabel(path.box);
  path.boxText->setFont(ScreenFont("Arial", 11));
  path.boxText->setWordWrap(true);
  path.boxText->setGeometry(4, kTextBoxHeight, kLabel.width() - 8, kLabel.height());
  path.box->hide();
  path.heli = Helicopter(path.panel);
  path.panel->hide();
}

void TForm5::BuildButtons() {
  using B = AssistantButton;
  const std::vector<ButtonPlace> places = {
      {B::BasicGrade, Caption(172), 2, 0},       {B::LeaveStudies, Caption(587) + " " + Caption(588), 2, 1},
      {B::Diversification, Caption(555), 2, 2},  {B::MiddleGrade, Caption(113), 3, 0},
      {B::Itineraries, Caption(21), 3, 1},       {B::Catalogue, Caption(103), 3, 2},
      {B::Questionnaires, Caption(600), 4, 0},   {B::Professions, Caption(623), 4, 1},
      {B::HigherToDegrees, QStringLiteral("de FP_GS a ") + Caption(46), 6, 0},
      {B::MiddleToHigher, QStringLiteral("de FP_GM a FP_GS"), 6, 1},
      {B::HigherGrade, Caption(47), 7, 0},       {B::Degrees, Caption(46), 7, 1},
      {B::CatalogueB, Caption(103), 7, 2},       {B::ItinerariesB, Caption(21), 7, 3},
      {B::Advice, Caption(52), 8, 0},            {B::ProfessionsB, Caption(623), 8, 1},
  };
  for (const ButtonPlace& place : places) {
    Path& path = place.mode <= 4 ? Eso : Bachi;
    const int row = place.mode <= 4 ? 4 - place.mode : 8 - place.mode;  // the arrow's step - 1
    const int top = kInner.top() + kRowTops[static_cast<std::size_t>(row)] - 20 + 38 * place.slot;
    QPushButton* button = ScreenButton(path.panel, place.caption, QRect(kButtonLeft, top, 200, 34));
    button->hide();
    connect(button, &QPushButton::clicked, this, [this, which = place.button] { ButtonClick(which); });
    Buttons[place.button] = button;
  }
  // Hints of the buttons and the arrows.
  Buttons[B::MiddleGrade]->setToolTip(ToQString(Texts[6]));
  Buttons[B::Itineraries]->setToolTip(ToQString(Texts[8]));
  Buttons[B::ItinerariesB]->setToolTip(ToQString(Texts[8]));
  Buttons[B::Questionnaires]->setToolTip(ToQString(Texts[9]));
  Buttons[B::Advice]->setToolTip(Caption(557));
  Buttons[B::HigherGrade]->setToolTip(Caption({472, 473, 474, 475}));
  Buttons[B::Degrees]->setToolTip(Caption({476, 477, 478, 479}));
  Buttons[B::HigherToDegrees]->setToolTip(Caption(320));
  for (const B professions : {B::Professions, B::ProfessionsB}) Buttons[professions]->setToolTip(Caption(641));
  for (const B catalogue : {B::Catalogue, B::CatalogueB}) Buttons[catalogue]->setToolTip(Caption(224));
  Eso.arrows[2]->setToolTip(Caption(587) + " " + Caption(588) + "\n" + Caption(172) + "\n" + Caption(555));
  Eso.arrows[1]->setToolTip(Caption({21, 113, 103}));
  Eso.arrows[0]->setToolTip(Caption({466, 467, 468, 469, 470, 471}));
  Bachi.arrows[2]->setToolTip(ToQString(Texts[12]));
  Bachi.arrows[1]->setToolTip(Caption({46, 47, 21, 103}));
  Bachi.arrows[0]->setToolTip(Caption(52));

  PanelDiversifi = ColouredFrame(Eso.panel, QRect(480, 0, 310, 170), kBoxColour);
  ListBox1 = ScreenList(PanelDiversifi, QRect(2, 2, 306, 136));
  ListBox1->show();
  BotCerrar = ScreenButton(PanelDiversifi, Caption(13), QRect(230, 140, 76, 26));
  PanelFP2 = ColouredFrame(Bachi.panel, QRect(360, 0, 390, 190), kBoxColour);
  ListFP2 = ScreenList(PanelFP2, QRect(2, 2, 386, 156));
  ListFP2->show();
  BotCerrar2 = ScreenButton(PanelFP2, Caption(13), QRect(310, 160, 76, 26));
  for (QPushButton* close : {BotCerrar, BotCerrar2}) connect(close, &QPushButton::clicked, this, &TForm5::BotCerrarClick);
  PanelDiversifi->hide();
  PanelFP2->hide();
}

// ---- Activation, the introduction and the paths ------------------------------------------------

void TForm5::showEvent(QShowEvent* event) {
  ModuleScreen::showEvent(event);
  FormActivate();
}

void TForm5::FormActivate() {
  Texts = AssistantTexts();
  for (Path* path : {&Eso, &Bachi})
    for (int step = 0; step < kArrowSteps; ++step)
      path->labels[static_cast<std::size_t>(step)]->setText(ToQString(Texts[static_cast<std::size_t>(path->texts[static_cast<std::size_t>(step)])]));
  PanelFP2->hide();
  PanelDiversifi->hide();
  if (!FirstActivation) return;  // later visits keep the last panel
  PInicio->show();
  PInicio->raise();
  Textoinicio->setText(ToQString(Texts[kIntroductionText]));
  Textoinicio->setGeometry(4, kTextBoxHeight, Panel9->width() - 8, Textoinicio->heightForWidth(Panel9->width() - 8));
  AssistantMode = 9;
  AssistantStep = 6;
  TimerMueTexBotBACHI.start();
}

void TForm5::TimerMueTexBotBACHITimer() {
  if (AssistantStep != 6) {
    TimerMueTexBotBACHI.stop();
    AssistantStep = 0;
    return;
  }
  Textoinicio->move(Textoinicio->x(), ScrollIntroduction(Textoinicio->y(), Textoinicio->height()));
}

void TForm5::L41Click() { ChoosePath(Eso, Bachi); }
void TForm5::Lb1Click() { ChoosePath(Bachi, Eso); }

void TForm5::ChoosePath(Path& chosen, Path& other) {
  StopAssistantTimers();
  PInicio->hide();
  other.panel->hide();
  chosen.panel->show();
  chosen.panel->raise();
  FirstActivation = false;
  for (QPushButton* arrow : chosen.arrows) arrow->hide();
  for (QLabel* label : chosen.labels) label->hide();
  chosen.starting = true;
  starting_ = &chosen;
  chosen.boxText->hide();
  chosen.box->move(chosen.inner->width() - chosen.box->width() - 10, kRowTops[0]);
  chosen.box->show();
  TimerComienzo.start();
}

void TForm5::TimerComienzoTimer() {
  if (starting_ == nullptr) return TimerComienzo.stop();
  Path& path = *starting_;
  path.inner->show();
  path.box->move(path.box->x() - 2 * kScrollStep, path.box->y());
  if (path.box->x() >= BoxHomeLeft) return;
  TimerComienzo.stop();
  path.boxText->show();
  path.starting = false;
  starting_ = nullptr;
  path.arrowTexts.Start();
  AssistantStep = 1;
  path.boxText->setText(ToQString(Texts[static_cast<std::size_t>(path.texts[0])]));
  path.scroll->start();
}

void TForm5::ScrollTimer(Path& path) {
  const int before = path.arrowTexts.Step();
  if (!path.arrowTexts.Tick()) {
    path.scroll->stop();
    AssistantStep = 0;
    path.box->hide();
    return;
  }
  const auto at = static_cast<std::size_t>(before - 1);
  path.arrows[at]->setVisible(path.arrowTexts.ArrowVisible() || path.arrowTexts.Step() != before);
  AssistantStep = path.arrowTexts.Step();
  path.boxText->move(path.boxText->x(), path.arrowTexts.TextTop());
  if (AssistantStep != before && AssistantStep <= kArrowSteps)
    path.boxText->setText(ToQString(Texts[static_cast<std::size_t>(path.texts[static_cast<std::size_t>(AssistantStep - 1)])]));
  // The box stands on the current step's label, which stays once its text is through.
  path.labels[at]->show();
  if (AssistantStep >= 1 && AssistantStep <= kArrowSteps) {
    const auto now = static_cast<std::size_t>(AssistantStep - 1);
    path.labels[now]->show();
    path.box->move(path.labels[now]->pos());
    path.box->raise();
  }
}

// ---- The arrows and the helicopter ---------------------------------------------------------------

void TForm5::ArrowClick(Path& path, int step) {
  StopAssistantTimers();
  path.box->hide();
  const int mode = path.modes[static_cast<std::size_t>(step - 1)];
  AssistantMode = mode;
  for (const auto& [button, widget] : Buttons) widget->hide();
  const QRect inner = path.inner->geometry();
  const int rowTop = inner.top() + kRowTops[static_cast<std::size_t>(step - 1)];
  // Two of the flights climb down as they go.
  const bool descending = mode == 4 || mode == 7 || mode == 8;
  path.flight = {mode, inner.left() + inner.width(), mode == 6 ? rowTop + 10 : rowTop, 4, descending ? 2 : 0, 0};
  path.heli->move(path.flight.x, path.flight.y);
  path.heli->show();
  path.heli->raise();
  for (QPushButton* arrow : path.arrows) arrow->show();
  for (QLabel* label : path.labels) label->show();
  PlayEngineSound(true);
  path.fly->start();
}

void TForm5::FlightTimer(Path& path) {
  const bool landed = path.flight.Tick();
  path.heli->move(path.flight.x, path.flight.y);
  if (!landed) return;
  path.fly->stop();
  PlayEngineSound(false);
  for (const AssistantButton button : ButtonsOfMode(path.flight.mode)) {
    Buttons[button]->show();
    Buttons[button]->raise();
  }
  path.flight.ticks = 0;
}

void TForm5::StopAssistantTimers() {
  for (QTimer* timer : {&TimerComienzo, &TimerMueTexFleESO, &TimerMueTexFleBACHI, &TimerMueTexBotBACHI, &TimerVuela, &TimerVuela2})
    timer->stop();
}

// ---- The buttons ---------------------------------------------------------------------------------

void TForm5::OpenScreen(int door, const std::function<void(QWidget*)>& prepare) {
  StopAssistantTimers();
  PlayEngineSound(false);
  QWidget* screen = PrepareDoor(door);
  if (screen == nullptr) return;  // that screen does not exist yet
  InAssistant = true;  // its back button returns here
  hide();
  screen->show();
  screen->raise();
  screen->activateWindow();
  if (prepare) prepare(screen);
}

void TForm5::ShowList(QFrame* panel, QListWidget* list, const std::vector<std::string>& lines, QPoint at, int height) {
  list->clear();
  for (const std::string& line : lines) list->addItem(ToQString(line));
  panel->setGeometry(QRect(at, QSize(panel->width(), height)));
  list->setFixedHeight(height - 34);
  panel->findChild<QPushButton*>()->move(panel->width() - 80, height - 30);
  panel->show();
  panel->raise();
}

void TForm5::ButtonClick(AssistantButton button) {
  using B = AssistantButton;
  switch (button) {
    case B::BasicGrade: return OpenScreen(kDoorBasicGrade);
    case B::LeaveStudies: return OpenScreen(kDoorCertificates);
    case B::MiddleGrade:
      FPMFirstVisit = true;  // the choice buttons fly in, and its questionnaire is left
      return OpenScreen(kDoorMiddleGrade);
    case B::Itineraries:
    case B::ItinerariesB:
      return OpenScreen(kDoorItineraries, [](QWidget* screen) {
        if (auto* itineraries = qobject_cast<TForm2*>(screen)) itineraries->BotItinerariosClick();
      });
    case B::Catalogue:
    case B::CatalogueB: return OpenScreen(kDoorCatalogue);
    case B::Questionnaires: return OpenScreen(kDoorQuestionnaires);
    case B::Professions:
    case B::ProfessionsB: return OpenScreen(kDoorProfessions);
    case B::Degrees:
      return OpenScreen(kDoorDegrees, [](QWidget* screen) {
        if (auto* degrees = qobject_cast<TForm1*>(screen)) degrees->botinformacionClick();
      });
    case B::HigherGrade:
      return OpenScreen(kDoorHigherGrade, [](QWidget* screen) {
        if (auto* higher = qobject_cast<TForm8*>(screen)) higher->PanelFP->show();
      });
    case B::Advice: return OpenScreen(kDoorAdvice);
    case B::Diversification: return ShowList(PanelDiversifi, ListBox1, DiversificationLines(), {480, 0}, 170);
    case B::HigherToDegrees: return ShowList(PanelFP2, ListFP2, HigherToDegreeLines(), {360, 0}, 190);
    case B::MiddleToHigher: return ShowList(PanelFP2, ListFP2, MiddleToHigherLines(), {400, 0}, 190);
  }
}

void TForm5::BotCerrarClick() {
  PanelDiversifi->hide();
  PanelFP2->hide();
}

void TForm5::BotRetroAsisClick() {
  InAssistant = false;
  StopAssistantTimers();
  PlayEngineSound(false);
  LeaveModule(this);
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    // The path's title, its picture and the start panel's two boxes choose a path.
    if (watched == Panel2 || watched == Eso.title || watched->parent() == Eso.inner) L41Click();
    if (watched == Panel3 || watched == Bachi.title || watched->parent() == Bachi.inner) Lb1Click();
  }
  return ModuleScreen::eventFilter(watched, event);
}

}  // namespace velmora
