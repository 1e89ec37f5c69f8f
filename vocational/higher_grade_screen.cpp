#include "vocational/higher_grade_screen.h"

#include <QFont>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/navigation.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/shell.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "vocational/fp_statistics_screen.h"
#include "vocational/vocational_charts.h"

namespace velmora {
namespace {

constexpr int kFamiliesHeight = 202;
constexpr int kGroupsHeight = 301;

QString QText(int line) { return ToQString(TextLine(line)); }

QPushButton* Button(QWidget* parent, const QString& caption, QRect geometry, int points = 10) {
  QPushButton* button = ScreenButton(parent, caption, geometry);
  button->setFont(ScreenFont("Arial", points));
  return button;
}

// A push button's caption colour (its palette's button text).
void SetCaptionColour(QPushButton* button, QColor colour) {
  QPalette colours = button->palette();
  colours.setColor(QPalette::ButtonText, colour);
  button->setPalette(colours);
}

QWidget* Panel(QWidget* parent, QRect geometry) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(geometry);
  panel->setAutoFillBackground(true);
  SetColours(panel, ToQColor(ColourPeach), ToQColor(ColourMaroon));
  panel->hide();
  return panel;
}

// Icons of ListPreFam from the main menu's icon list.
constexpr std::array<int, 9> kGroupIcons = {1, 2, 5, 12, 0, 9, 19, 16, 21};
constexpr std::array<int, 26> kFamilyIcons = {1, 31, 39, 2, 32, 4, 3, 36, 28, 33, 34, 0, 18,
                                              37, 19, 12, 38, 8, 35, 21, 16, 40, 14, 41, 42, 9};

}  // namespace

TForm8::TForm8() : VocationalScreen(Grade::GS) {
  familiesHeight_ = kFamiliesHeight;
  singlePlaceListsAtOnce_ = false;
  BuildControls();
  SetDoorOpener(kDoorHigherGrade, [this]() -> QWidget* {
    LabelFP1->show();
    PanelFP->show();
    PanelFP->raise();
    return this;
  });
  if (TEstadisticas* statistics = VocationalStatistics()) statistics->ReturnScreen = this;
}

TForm8::~TForm8() = default;

void TForm8::BuildControls() {
  LabelFP1 = BigScreenLabel(this, QText(513), 38, 18);
  labelCentro = BigScreenLabel(this, ToQString(std::string(TrimBlanks(CentreName)) + " - " + std::string(kSchoolYear)), 80, 15);
  PanelSel = PanelSelec;
  ListTitFP = ListTit;
  botTodaFP = AllFpButton;
  Labeltitulo->setFont(ScreenFont("Arial", 10, true));
  ListPreFam->setIconSize(QSize(30, 30));

  PanelFP = Panel(this, QRect(362, 250, 300, 170));
  MenuFP1 = Button(PanelFP, QText(316), QRect(20, 20, 260, 36));
  MenuFP2 = Button(PanelFP, QText(317), QRect(20, 68, 260, 36));
  menuFP3 = Button(PanelFP, QText(82), QRect(20, 116, 260, 36));
  connect(MenuFP1, &QPushButton::clicked, this, &TForm8::MenuFP1Click);
  connect(MenuFP2, &QPushButton::clicked, this, &TForm8::MenuFP2Click);
  connect(menuFP3, &QPushButton::clicked, this, &TForm8::menuFP3Click);

  PanelFpTit = Panel(this, QRect(560, 240, 300, 280));
  const std::array<QString, 7> captions = {QText(317), QText(277), QText(319), QText(298) + " " + QText(46),
                                           QText(321), QText(322), QText(227)};
  std::array<QPushButton**, 7> actions = {&MenuFpTit1, &MenuFpTit2, &MenuFpTit3, &MenuFpTit4, &MenuFpTit5, &MenuFpTit6, &MenuFPTitEst};
  for (std::size_t i = 0; i < actions.size(); ++i)
    *actions[i] = Button(PanelFpTit, captions[i], QRect(10, 10 + 38 * static_cast<int>(i), 280, 32));
  connect(MenuFpTit1, &QPushButton::clicked, this, &TForm8::MenuFpTit1Click);
  connect(MenuFpTit2, &QPushButton::clicked, this, &TForm8::MenuFpTit2Click);
  connect(MenuFpTit3, &QPushButton::clicked, this, &TForm8::MenuFpTit3Click);
  connect(MenuFpTit4, &QPushButton::clicked, this, &TForm8::MenuFpTit4Click);
  connect(MenuFpTit5, &QPushButton::clicked, this, &TForm8::MenuFpTit5Click);
  connect(MenuFpTit6, &QPushButton::clicked, this, &TForm8::MenuFpTit6Click);
  connect(MenuFPTitEst, &QPushButton::clicked, this, &TForm8::MenuFPTitEstClick);

  PanelEstadistica = Panel(this, QRect(540, 530, 450, 160));
  ButtonEstad1 = Button(PanelEstadistica, QText(228), QRect(10, 8, 430, 32), 9);
  ButtonEstad2 = Button(PanelEstadistica, QText(231), QRect(10, 45, 430, 32), 9);
  ButtonEstad3 = Button(PanelEstadistica, QText(232), QRect(10, 82, 430, 32), 9);
  ButtonEstadTrabajo = Button(PanelEstadistica, QText(397), QRect(10, 119, 430, 32), 9);
  connect(ButtonEstad1, &QPushButton::clicked, this, &TForm8::ButtonEstad1Click);
  connect(ButtonEstad2, &QPushButton::clicked, this, &TForm8::ButtonEstad2Click);
  connect(ButtonEstad3, &QPushButton::clicked, this, &TForm8::ButtonEstad3Click);
  connect(ButtonEstadTrabajo, &QPushButton::clicked, this, &TForm8::ButtonEstadTrabajoClick);

  BotInternetC = Button(this, "Internet", QRect(870, 150, 120, 30));
  BotInternetC->hide();
  connect(BotInternetC, &QPushButton::clicked, this, &TForm8::BotInternetCMouseUp);
}

std::array<QPushButton*, 7> TForm8::TitleActions() const {
  return {MenuFpTit1, MenuFpTit2, MenuFpTit3, MenuFpTit4, MenuFpTit5, MenuFpTit6, MenuFPTitEst};
}

// ---- The menu ---------------------------------------------------------------------------------

void TForm8::MenuFP1Click() {
  FamilyLevel = false;
  DoubleClickActive = false;
  PanelFP->hide();
  PanelSel->show();
  PanelSelTit->setText(QText(595));
  PrintSelection = false;
  PrintCommunities.clear();
  Mode = SearchMode::ByTitle;
  FillGroups();
  ListPreFam->show();
  ListPreFam->raise();
  listSelFP->clear();
  listSelFP->setCursor(Qt::PointingHandCursor);
  BotRetrocederFP->show();
}

void TForm8::MenuFP2Click() {
  Mode = SearchMode::ByPlace;
  ListPreFam->hide();
  listSelFP->hide();
  PanelSelTit->clear();
  PanelSel->show();
  PanelCarSel->clear();
  PanelCarSel->show();
  PanelFP->hide();
  PanelFpTit->hide();
  PanelEstadistica->hide();
  stars_.reset();
  StopStars();
  PanelEstrellas->show();
  DegreeMapBlocked = true;
  BotRetrocederFP->show();
  ClearGrid();
  reja->show();
  reja->viewport()->setCursor(Qt::PointingHandCursor);
  DoubleClickActive = true;
  Places.AllFpView = false;
}

void TForm8::menuFP3Click() {
  LabelFP1->hide();
  PanelFP->hide();
  GoBack();
}

// ---- By title ---------------------------------------------------------------------------------

void TForm8::ListPreFamMouseDown(int item) {
  PanelFP->hide();
  VocationalScreen::ListPreFamMouseDown(item);
}

void TForm8::FamilyListFilled() {
  const PictureList& icons = ImageListIconos();
  int last = 1;
  const auto icon = [&](int index) { return index >= 0 && index < icons.count() ? QIcon(icons.frame(index)) : QIcon(); };
  for (int row = 0; row < ListPreFam->count(); ++row) {
    int index = 1;
    if (!FamilyLevel) {
      index = row < static_cast<int>(kGroupIcons.size()) ? kGroupIcons[static_cast<std::size_t>(row)] : 1;
    } else if (row == 0) {
      index = 43;
    } else if (row <= 3 && row < static_cast<int>(FamilyItems.size())) {
      const int family = FamilyItems[static_cast<std::size_t>(row)].family;
      // A family past the table keeps the icon looked up last.
      if (family >= 1 && family <= static_cast<int>(kFamilyIcons.size())) last = kFamilyIcons[static_cast<std::size_t>(family - 1)];
      index = last;
    } else {
      index = 9;
    }
    ListPreFam->item(row)->setIcon(icon(index));
  }
}

void TForm8::ListTitClick(int row) {
  SelectTitle(row);
  listSelFP->clear();
  listSelFP->show();
  BotRetrocederFP->show();
  PanelSelTit->clear();
  if (LastTitleAction != nullptr) {
    QFont font = LastTitleAction->font();
    font.setItalic(false);
    LastTitleAction->setFont(font);
    SetCaptionColour(LastTitleAction, Qt::black);
    LastTitleAction = nullptr;
  }
  PanelFpTit->show();
  PanelFpTit->raise();
}

void TForm8::MarkTitleAction(QPushButton* button) {
  PanelEstadistica->hide();
  for (QPushButton* action : TitleActions()) {
    QFont font = action->font();
    font.setItalic(action == button);
    action->setFont(font);
    SetCaptionColour(action, action == button ? QColor(0x80, 0x00, 0x80) : QColor(Qt::black));
  }
  LastTitleAction = button;
}

void TForm8::MenuFpTit1Click() {
  MarkTitleAction(MenuFpTit1);
  ShowStars();
  DegreeMapBlocked = true;
  PanelFpTit->hide();
  PanelFP->hide();
  BotRetrocederFP->show();
}

void TForm8::MenuFpTit2Click() {
  MarkTitleAction(MenuFpTit2);
  ShowInfo(HigherRequirementLines(Places.SelectedTitle), false, std::string(TextLine(277)));
}

void TForm8::MenuFpTit3Click() {
  MarkTitleAction(MenuFpTit3);
  // The description heading is on peach; block headings count from item 7 on.
  ShowInfo(HigherStudyLines(Places.SelectedTitle), true, std::string(TextLine(312)), 7, true);
}

void TForm8::MenuFpTit4Click() {
  MarkTitleAction(MenuFpTit4);
  ShowInfo(UniversityAccessLines(), false, std::string(TextLine(717)));
}

void TForm8::MenuFpTit5Click() {
  MarkTitleAction(MenuFpTit5);
  PrintTitle();
}

void TForm8::MenuFpTit6Click() {
  MarkTitleAction(MenuFpTit6);
  ClearGrid();
  reja->hide();
  listSelFP->hide();
  PanelFpTit->hide();
  PanelFP->hide();
  PanelCarSel->clear();
  BotRetrocederFP->show();
  // A title reached from a place's grid came without its family lists: the groups, from the top.
  if (ListPreFam->count() == 0 || (FamilyLevel && ListTit->count() == 0)) {
    Mode = SearchMode::ByTitle;
    FillGroups();
    ListPreFam->show();
    ListTit->hide();
    Labeltitulo->hide();
    PanelSelTit->setText(QText(595));
    return;
  }
  ListPreFam->show();
  ListTit->show();
  Labeltitulo->show();
  PanelSelTit->setText(QText(578));
}

void TForm8::MenuFPTitEstClick() {
  MarkTitleAction(MenuFPTitEst);
  PanelEstadistica->show();
  PanelEstadistica->raise();
}

// ---- Statistics -------------------------------------------------------------------------------

void TForm8::ShowStatistics() {
  TEstadisticas* statistics = VocationalStatistics();
  if (statistics == nullptr) return;
  statistics->ReturnScreen = this;
  statistics->show();
  statistics->raise();
  statistics->activateWindow();
  hide();
}

void TForm8::ButtonEstad1Click() {
  if (TEstadisticas* statistics = VocationalStatistics()) statistics->labelEstad1Click();
  ShowStatistics();
}

void TForm8::ButtonEstad2Click() {
  EmploymentFlag = false;
  SelectedStatFamily = StatisticsFamilyOf(Places.SelectedTitle);
  if (TEstadisticas* statistics = VocationalStatistics()) statistics->labelEstad3Click();
  ShowStatistics();
}

void TForm8::ButtonEstadTrabajoClick() {
  EmploymentFlag = true;
  if (TEstadisticas* statistics = VocationalStatistics()) statistics->labelEstad3Click();
  ShowStatistics();
}

void TForm8::ButtonEstad3Click() {
  SelectedStatFamily = StatisticsFamilyOf(Places.SelectedTitle);
  if (TEstadisticas* statistics = VocationalStatistics()) statistics->labelEstad4Click();
  ShowStatistics();
}

// ---- By place ---------------------------------------------------------------------------------

void TForm8::CommunityChosen() {
  BotInternetC->show();
  BotInternetC->raise();
  botTodaFP->show();
  botTodaFP->setText(QText(Places.AllFpView ? 392 : 391));
}

std::string TForm8::CommunityWebAddress(int community) {
  const auto& texts = Tabs().Binary.CommunityTexts;
  const std::string text = community >= 1 && community < static_cast<int>(texts.size())
                               ? texts[static_cast<std::size_t>(community)].str()
                               : std::string();
  return "http://" + text;
}

void TForm8::BotInternetCMouseUp() { OpenWithShell(CommunityWebAddress(Places.SelectedCommunity)); }

void TForm8::HidePlaceButtons() {
  VocationalScreen::HidePlaceButtons();
  BotInternetC->hide();
  PanelSelTit->clear();
}

// ---- Printing ---------------------------------------------------------------------------------

void TForm8::ShowPrintSelection() {
  VocationalScreen::ShowPrintSelection();
  PanelFpTit->hide();
  PanelFP->hide();
}

void TForm8::BotAceptarClick() {
  PanelImp->hide();
  ListImp->clear();
  HideDetail();
  HideMap();
  PanelFpTit->show();
  PrintTitle();
}

// ---- Back -------------------------------------------------------------------------------------

void TForm8::HideMap() {
  StopStars();
  PanelEstrellas->hide();
  HideMapLabel();
}

void TForm8::BotRetrocederFPClick() {
  PrintMode = false;
  PanelSelTit->clear();
  BotImprimir->hide();
  if (LeaveTownsStep()) return;
  if (Places.PlaceCount == 1) Places.TownMode = false;
  if (Mode == SearchMode::ByTitle) {
    reja->hide();
    ClearGrid();
    PanelEstadistica->hide();
    PanelImp->hide();
    PrintSelection = false;
    if (!PanelEstrellas->isHidden()) {
      HideMap();
      HideDetail();
      listSelFP->setFixedHeight(ListSelFPHeight);
      listSelFP->show();
      PanelFpTit->show();
      PanelFpTit->raise();
      return;
    }
    ListPreFam->setFixedHeight(kGroupsHeight);
    for (QWidget* widget : std::initializer_list<QWidget*>{ListPreFam, listSelFP, ListTit, Labeltitulo, PanelFpTit,
                                                           BotRetrocederFP, PanelSel, PanelCarSel})
      widget->hide();
    PanelCarSel->clear();
    TimerParpadeo.stop();
    Mode = SearchMode::None;
    PanelFP->show();
    PanelFP->raise();
    return;
  }
  if (Mode == SearchMode::ByPlace && !PanelEstrellas->isHidden()) {
    DoubleClickActive = false;
    reja->viewport()->setCursor(Qt::ArrowCursor);
    HideDetail();
    HideMap();
    for (QWidget* widget : std::initializer_list<QWidget*>{PanelSel, PanelCarSel, reja, ListSelLugFP, BotInternetC, botTodaFP,
                                                           BotRetrocederFP})
      widget->hide();
    PanelCarSel->clear();
    ClearGrid();
    Places.AllFpView = false;
    Mode = SearchMode::None;
    PanelFP->show();
    PanelFP->raise();
    return;
  }
  if (Mode == SearchMode::ByPlace) {
    reja->hide();
    PanelEstrellas->show();
    HideDetail();
    ListSelLugFP->hide();
    ClearGrid();
    PanelCarSel->clear();
    BotInternetC->hide();
    botTodaFP->hide();
    Places.AllFpView = false;
  }
}

}  // namespace velmora
