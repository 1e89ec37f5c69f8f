#include "vocational/basic_grade_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/line_loaders.h"
#include "core/navigation.h"
#include "core/platform/platform.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "vocational/family_icon_list.h"

namespace velmora {
namespace {

constexpr int kFamilyRowHeight = 32;
constexpr int kTitleRowHeight = 15;
constexpr int kPreviewRows = 6;
constexpr QRect kFamilies(40, 200, 400, kBasicFamilies * kFamilyRowHeight + 4);
constexpr int kTitlesLeft = 460;
constexpr int kTitlesWidth = 520;
constexpr int kBulletImage = 3;

const std::vector<int> kFamilyIcons = {1, 2, 37, 33, 8, 4, 0, 42, 10};

QString QText(int line) { return ToQString(TextLine(line)); }

void DrawBullet(QPainter* painter, const QRect& cell) {
  const PictureList& bullets = DegreesImageList1();
  if (bullets.count() > kBulletImage) painter->drawPixmap(cell.left(), cell.top(), bullets.frame(kBulletImage));
}

// ListTitFP: headings (three leading blanks) on maroon, titles bulleted, 15 pixels a row.
class TitleDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const QString text = index.data().toString();
    const bool heading = text.startsWith(QStringLiteral("   "));
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, heading ? QColor(0x80, 0, 0) : selected ? option.palette.highlight().color() : ToQColor(ColourCream));
    painter->setFont(option.font);
    if (heading) {
      painter->setPen(ToQColor(ColourCream));
      painter->drawText(option.rect, Qt::AlignVCenter | Qt::AlignLeft, text);
    } else {
      DrawBullet(painter, option.rect);
      painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
      painter->drawText(option.rect.adjusted(20, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    }
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kTitleRowHeight};
  }
};

// Listsel: items beginning with a blank in blue, "-" items bulleted without their mark.
class InfoDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    QString text = index.data().toString();
    painter->fillRect(option.rect, ToQColor(ColourCream));
    painter->setFont(option.font);
    painter->setPen(text.startsWith(' ') ? ToQColor(ColourBlue) : QColor(Qt::black));
    if (text.startsWith('-')) {
      DrawBullet(painter, option.rect);
      text = text.mid(1).trimmed();
    }
    painter->drawText(option.rect.adjusted(18, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    painter->restore();
  }
};

void FillList(QListWidget* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(ToQString(item));
}

QLabel* NavyLabel(QWidget* parent, const QString& text, int top, int points) {
  auto* label = new QLabel(text, parent);
  label->setFont(ScreenFont("Arial", points, true));
  SetTextColour(label, ToQColor(ColourNavy));
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(40, top, kScreenWidth - 80, QFontMetrics(label->font()).height() + 4);
  return label;
}

}  // namespace

void TFIniPro::LoadFiles() {
  SharedTables& t = Tabs();
  LoadBlocks26(LanguageFolder + "asignaba", t.TabAsignaba, t.CountFpba);
}

TFIniPro::TFIniPro() : VocationalScreen(Grade::Basic) {
  SharedTables& t = Tabs();
  // This screen's own lu2: column 45 blank in Madrid's block, the shared table untouched.
  basicLu2_ = std::make_unique<LineTable>();
  LoadLineTable("lu2", *basicLu2_, t.CountLu2, WidthStd);
  PrepareBasicCentreFile2(*basicLu2_, t.CountLu2);
  SetBasicCentreFile2(basicLu2_.get(), t.CountLu2);
  Families = BasicFamilies();
  BuildControls();
  SetDoorOpener(kDoorBasicGrade, [this]() -> QWidget* {
    Mode = SearchMode::ByTitle;
    FamilyClicked = false;
    HelpStep = 0;
    ShowFamilies();
    return this;
  });
}

TFIniPro::~TFIniPro() { SetBasicCentreFile2(nullptr, 0); }

void TFIniPro::BuildControls() {
  SetColours(this, ToQColor(ColourPeach), Qt::black);
  LabelFPIp1 = NavyLabel(this, ToQString(BasicScreenTitle()), 40, 22);
  LabelAno = NavyLabel(this, ToQString(std::string(TextLine(175)) + "  " + std::string(kSchoolYear)), 80, 22);
  LabelAno->setFont(ScreenFont("Arial", 22));

  panelsel = PanelSelec;
  Listsel = listSelFP;
  Listsel->setItemDelegate(new InfoDelegate(Listsel));
  ListTitFP = ListTit;
  ListTitFP->setItemDelegate(new TitleDelegate(ListTitFP));
  ListTitFP->setMouseTracking(true);
  ListTitFP->viewport()->installEventFilter(this);
  ListTitFP->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Labeltitulo->setText(QText(487));
  Labeltitulo->adjustSize();
  reja->setFont(ScreenFont("Arial", 9));

  PanelSelTit0 = ScreenCaption(this, QRect(kFamilies.left(), kFamilies.top() - 45, kFamilies.width(), 38),
                               ToQColor(ColourLeafGreen), ToQColor(ColourMaroon));
  PanelSelTit0->setText(QText(577));
  PanelSelTit0->show();

  ListSelFp = ScreenList(this, kFamilies);
  ListSelFp->setItemDelegate(new FamilyIconDelegate(ListSelFp, kFamilyIcons, kFamilyRowHeight));
  for (const BasicFamily& family : Families) ListSelFp->addItem(ToQString(family.name));
  ListSelFp->setMouseTracking(true);
  ListSelFp->viewport()->installEventFilter(this);

  ListFPExpli = ScreenList(this, QRect(kTitlesLeft, 0, kTitlesWidth, kPreviewRows * 18 + 4), 9);
  ListFPExpli->setItemDelegate(new InfoDelegate(ListFPExpli));

  BotRequisitos = ScreenButton(this, QText(277), QRect(40, 700, 150, 30));
  BotTra = ScreenButton(this, QText(278), QRect(200, 700, 150, 30));
  BotAsig = ScreenButton(this, QText(30), QRect(360, 700, 150, 30));
  BotLug = ScreenButton(this, QText(584), QRect(40, kFamilies.bottom() + 20, 250, 34));
  for (QPushButton* button : {BotRequisitos, BotTra, BotAsig, BotLug}) button->hide();
  connect(BotRequisitos, &QPushButton::clicked, this, &TFIniPro::BotRequisitosClick);
  connect(BotTra, &QPushButton::clicked, this, &TFIniPro::BotTraClick);
  connect(BotAsig, &QPushButton::clicked, this, &TFIniPro::botAsigClick);
  connect(BotLug, &QPushButton::clicked, this, &TFIniPro::BotLugClick);
}

bool TFIniPro::eventFilter(QObject* watched, QEvent* event) {
  const bool move = event->type() == QEvent::MouseMove;
  const bool release = event->type() == QEvent::MouseButtonRelease;
  if ((move || release) && (watched == ListSelFp->viewport() || watched == ListTitFP->viewport())) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (watched == ListSelFp->viewport()) {
      const int row = ListSelFp->indexAt(at).row();
      if (row >= 0) move ? ListSelFpMouseMove(row) : ListSelFpMouseUp(row);
    } else if (move) {
      ListTitFPMouseMove(ListTitFP->indexAt(at).row());
    }
    return false;
  }
  return VocationalScreen::eventFilter(watched, event);
}

void TFIniPro::ShowFamilies() {
  for (QWidget* widget : std::initializer_list<QWidget*>{ListSelFp, PanelSelTit0, BotLug, BotRetrocederFP}) widget->show();
  if (!FamilyClicked) ListSelFp->setCurrentRow(-1);
}

// ---- Families and titles ------------------------------------------------------------------------

void TFIniPro::ListSelFpMouseMove(int row) {
  if (!FamilyClicked && row != ListSelFp->currentRow()) ListSelFp->setCurrentRow(row);
}

void TFIniPro::ListSelFpMouseUp(int row) {
  if (row < 0 || row >= static_cast<int>(Families.size())) return;
  ListSelFp->setCurrentRow(row);
  FamilyClicked = true;
  const BasicFamily& family = Families[static_cast<std::size_t>(row)];
  if (family.SearchesByPlace()) return BotLugClick();
  TitleEntries = BasicTitlesOfFamily(family.key);
  ListTitFP->clear();
  for (const BasicTitleEntry& entry : TitleEntries)
    ListTitFP->addItem(ToQString(entry.IsHeading() ? entry.name.substr(1) : entry.name));
  // Level with the clicked family, and inside the screen with the preview under it.
  const int height = static_cast<int>(TitleEntries.size()) * kTitleRowHeight + 4;
  const int rowTop = ListSelFp->y() + ListSelFp->visualItemRect(ListSelFp->item(row)).top();
  const int top = std::max(150, std::min(rowTop, 690 - height - ListFPExpli->height()));
  ListTitFP->setGeometry(kTitlesLeft, top, kTitlesWidth, height);
  ListTitFP->show();
  Labeltitulo->move(kTitlesLeft, top - 25);
  Labeltitulo->show();
  ListFPExpli->clear();
  ListFPExpli->move(kTitlesLeft, top + height + 1);
  ListFPExpli->hide();
  PreviewRow = -1;
}

void TFIniPro::ListTitFPMouseMove(int row) {
  if (row < 0 || row >= static_cast<int>(TitleEntries.size()) || row == PreviewRow) return;
  PreviewRow = row;
  ListTitFP->setCurrentRow(row);
  const BasicTitleEntry& entry = TitleEntries[static_cast<std::size_t>(row)];
  if (entry.IsHeading()) return;
  FillList(ListFPExpli, BasicPreviewLines(entry.title));
  ListFPExpli->show();
  ListFPExpli->raise();
}

void TFIniPro::ListTitFPMouseUp(int row) {
  if (HandedTitle == 0) {
    if (row < 0 || row >= static_cast<int>(TitleEntries.size())) return;
    const BasicTitleEntry& entry = TitleEntries[static_cast<std::size_t>(row)];
    if (entry.IsHeading()) return;
    HandedTitle = entry.title;
  }
  // The title always comes as a number: the list is not a run of one family's lines.
  SelectTitle(0);
  CommunityClicked = false;
  for (QWidget* widget : std::initializer_list<QWidget*>{BotLug, ListTitFP, ListFPExpli, Labeltitulo, PanelSelTit0, ListSelFp})
    widget->hide();
  panelsel->show();
  Listsel->clear();
  Listsel->show();
  PanelSelTit->clear();
  for (QPushButton* button : {BotRequisitos, BotAsig, BotTra, BotImprimir, BotRetrocederFP}) button->show();
  Mode = SearchMode::ByTitle;
  ShowStars();
}

// ---- What a title tells -------------------------------------------------------------------------

void TFIniPro::ShowLines(const std::vector<std::string>& lines, int captionLine) {
  reja->hide();
  Listsel->setFont(ScreenFont("Arial", 10));
  FillList(Listsel, lines);
  Listsel->show();
  PanelSelTit->setText(QText(captionLine));
}

void TFIniPro::BotRequisitosClick() { ShowLines(BasicRequirementLines(), 29); }
void TFIniPro::BotTraClick() { ShowLines(BasicJobLines(Places.SelectedTitle), 312); }
void TFIniPro::botAsigClick() { ShowLines(BasicStudyLines(Places.SelectedTitle), 312); }

// ---- The map ------------------------------------------------------------------------------------

void TFIniPro::mapaClick() {
  const bool byTitle = Mode == SearchMode::ByTitle && MapRegion >= 1 && MapRegion <= kCommunities;
  VocationalScreen::mapaClick();
  if (!byTitle) return;
  CommunityClicked = true;
  if (GridRows.size() == 1 && GridRows[0].title == 0 && GridRows[0].text == TextLine(292)) QApplication::beep();
}

void TFIniPro::CommunityChosen() {
  // The place list, the detailed maps and the grid take the map's place.
  PanelEstrellas->hide();
  HideMapLabel();
}

void TFIniPro::BotLugClick() {
  Mode = SearchMode::ByPlace;
  stars_.reset();
  StopStars();
  PanelEstrellas->show();
  PanelSelec->show();
  PanelSelTit->setText(QText(190));
  for (QWidget* widget : std::initializer_list<QWidget*>{ListSelFp, PanelSelTit0, ListTitFP, Labeltitulo, ListFPExpli, BotLug})
    widget->hide();
  ClearGrid();
  reja->show();
  BotRetrocederFP->show();
  PanelCarSel->clear();
  PanelCarSel->show();
}

// ---- Printing -----------------------------------------------------------------------------------

void TFIniPro::BotImprimirClick() {
  if (Mode == SearchMode::ByPlace) return PrintPlace();
  if (!CommunityClicked) return CurrentPlatform().ShowMessage(TextLine(585));
  PrintMode = true;
  BuildBasicTitleReport(Places.SelectedTitle, TitleCaption, Places.SelectedCommunity, GridRows);
  reja->hide();
  Listsel->clear();
  Listsel->setFont(ScreenFont("Courier New", 9));
  for (int row = 1; row <= Tabs().PrintCount; ++row) Listsel->addItem(ToQString(Tabs().PrintLines[static_cast<std::size_t>(row)].view()));
  Listsel->show();
  PrintReportWithDialog(Tabs().PrintLines, Tabs().PrintCount, true, 10);
  PrintMode = false;
}

// ---- Back and leaving ---------------------------------------------------------------------------

void TFIniPro::BotRetrocederFPClick() {
  if (LeaveTownsStep()) return;
  Places.TownMode = false;
  const auto hideListing = [this] {
    ClearGrid();
    for (QWidget* widget : std::initializer_list<QWidget*>{reja, PanelSelTit, PanelCarSel, BotImprimir, ListSelFp, PanelSelTit0,
                                                           ListFPExpli, ListSelLugFP, panelsel, Listsel})
      widget->hide();
    HideDetail();
  };
  if (Mode == SearchMode::ByPlace) {
    hideListing();
    if (!PanelEstrellas->isHidden()) {
      PanelEstrellas->hide();
      HideMapLabel();
      BotRetrocederFP->hide();
      Mode = SearchMode::ByTitle;
      FamilyClicked = false;
      return GoBack();
    }
    PanelEstrellas->show();
    return;
  }
  const bool familiesShown = !ListSelFp->isHidden();
  hideListing();
  PanelSelTit->clear();
  PanelCarSel->clear();
  for (QWidget* widget : std::initializer_list<QWidget*>{BotAsig, BotTra, BotLug, BotRequisitos, ListTitFP, Labeltitulo, PanelEstrellas})
    widget->hide();
  StopStars();
  TimerParpadeo.stop();
  HideMapLabel();
  if (!familiesShown) {
    Places.SelectedTitle = 0;
    FamilyClicked = false;
    ShowFamilies();
    return;
  }
  for (QWidget* widget : std::initializer_list<QWidget*>{ListSelFp, PanelSelTit0, BotRetrocederFP}) widget->hide();
  GoBack();
}

void TFIniPro::FormCloseQuery() {
  CloseToCorridor(this, [this] { BotRetrocederFPClick(); });
}

void TFIniPro::closeEvent(QCloseEvent* event) {
  event->ignore();  // closing only leaves the screen; the program goes on
  FormCloseQuery();
}

}  // namespace velmora
