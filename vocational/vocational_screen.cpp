#include "vocational/vocational_screen.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/shared_bitmaps.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "places/map_widgets.h"
#include "vocational/grade_traits.h"

namespace velmora {
namespace {

constexpr int kHeaderRole = Qt::UserRole + 1;
constexpr int kBulletRole = Qt::UserRole + 2;
constexpr int kBulletImage = 3;

constexpr int kListLeft = 40;
constexpr int kListTop = 240;
constexpr int kListWidth = 470;
constexpr int kGroupsHeight = 301;
constexpr QPoint kMapPanel(560, 150);
constexpr QPoint kDetailAt(560, 400);

QColor Colour(TColor colour) { return ToQColor(colour); }

std::string Text(int line) { return std::string(TextLine(line)); }

void DrawBullet(QPainter* painter, const QRect& cell, int down) {
  const PictureList& bullets = DegreesImageList1();
  if (bullets.count() > kBulletImage) painter->drawPixmap(cell.left(), cell.top() + down, bullets.frame(kBulletImage));
}

void FillList(QListWidget* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(ToQString(item));
}

// listSelFP: peach headers and bulleted items while the marker watches.
class InfoDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const bool header = index.data(kHeaderRole).toBool();
    painter->fillRect(option.rect, header ? Colour(ColourPeach) : selected ? option.palette.highlight().color()
                                                                          : Colour(ColourCream));
    if (index.data(kBulletRole).toBool()) DrawBullet(painter, option.rect, 1);
    painter->setFont(option.font);
    painter->setPen(selected && !header ? option.palette.highlightedText().color() : QColor(Qt::black));
    painter->drawText(option.rect.adjusted(20, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
    painter->restore();
  }
};

// reja, column 0: maroon centre headers, bulleted title rows.
class GridDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QString text = index.data().toString();
    const CellKind kind = GridCellKind(FromQString(text));
    if (index.column() != 0 || kind == CellKind::GridOwn) return QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    const QRect cell = option.rect;
    if (kind == CellKind::Header) {
      painter->fillRect(cell, QColor(0x80, 0, 0));
      painter->setPen(Qt::white);
    } else {
      const bool selected = option.state & QStyle::State_Selected;
      painter->fillRect(cell, selected ? option.palette.highlight().color() : Colour(ColourCream));
      painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
      if (kind == CellKind::Bullet) DrawBullet(painter, cell, 3);
    }
    painter->setFont(option.font);
    const int left = kind == CellKind::Header ? 2 : 20;
    painter->drawText(cell.adjusted(left, 2, 0, 0), Qt::AlignTop | Qt::AlignLeft, text);
    painter->restore();
  }
};

QPushButton* Button(QWidget* parent, int line, QRect geometry) { return ScreenButton(parent, ToQString(TextLine(line)), geometry); }

}  // namespace

VocationalScreen::VocationalScreen(Grade grade) : ScreenGrade(grade) {
  SetColours(this, Colour(ColourCream), Qt::black);
  Background->setMouseTracking(true);
  Background->installEventFilter(this);
  if (TraitsOf(grade).familyGroups) Groups = ReadFamilyGroups(grade);

  PanelSelec = new QWidget(this);
  PanelSelec->setGeometry(kListLeft, 150, kListWidth, 40);
  SetColours(PanelSelec, Colour(ColourPeach), Colour(ColourMaroon));
  PanelSelTit = new QLabel(PanelSelec);
  PanelSelTit->setGeometry(4, 2, kListWidth - 8, 36);
  PanelSelTit->setFont(ScreenFont("Arial", 10, true));
  PanelSelTit->setAlignment(Qt::AlignCenter);
  PanelSelTit->setWordWrap(true);
  SetColours(PanelSelTit, Colour(ColourPeach), Colour(ColourMaroon));
  PanelSelec->hide();
  PanelCarSel = ScreenCaption(this, QRect(kListLeft, 195, kListWidth, 38), Colour(ColourPeach), Colour(ColourMaroon));

  ListPreFam = ScreenList(this, QRect(kListLeft, kListTop, kListWidth, kGroupsHeight));
  ListTit = ScreenList(this, QRect(kListLeft, kListTop + 169 + 35, kListWidth, 250));
  Labeltitulo = new QLabel(this);
  Labeltitulo->setFont(ScreenFont("Arial", 12, true));
  SetColours(Labeltitulo, Colour(ColourCream), Colour(ColourNavy));
  Labeltitulo->hide();
  listSelFP = ScreenList(this, QRect(kListLeft, kListTop, kListWidth, 440));
  listSelFP->setItemDelegate(new InfoDelegate(listSelFP));
  ListSelFPHeight = listSelFP->height();
  connect(ListPreFam, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) { ListPreFamMouseDown(ListPreFam->row(item)); });
  connect(ListTit, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListTitClick(ListTit->row(item)); });

  reja = new QTableWidget(0, 2, this);
  reja->setGeometry(kListLeft, kListTop, kListWidth, 440);
  reja->horizontalHeader()->hide();
  reja->verticalHeader()->hide();
  reja->verticalHeader()->setDefaultSectionSize(18);
  reja->setColumnWidth(0, 370);
  reja->setColumnWidth(1, 80);
  reja->setShowGrid(false);
  reja->setEditTriggers(QAbstractItemView::NoEditTriggers);
  reja->setSelectionBehavior(QAbstractItemView::SelectRows);
  reja->setFont(ScreenFont("Arial", 10));
  reja->setItemDelegateForColumn(0, new GridDelegate(reja));
  SetColours(reja, Colour(ColourCream), Qt::black);
  reja->setMouseTracking(true);
  reja->viewport()->setMouseTracking(true);
  reja->viewport()->installEventFilter(this);
  reja->hide();
  connect(reja, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { rejaDblClick(row); });

  PanelEstrellas = new QWidget(this);
  PanelEstrellas->setGeometry(QRect(kMapPanel, QSize(301, 216)));
  SetColours(PanelEstrellas, Colour(ColourPeach), Qt::black);
  mapa = new QLabel(PanelEstrellas);
  mapa->setGeometry(10, 10, 281, 196);
  PanelEstrellas->hide();
  mapac = new QLabel(this);
  mapac->setGeometry(QRect(kDetailAt, QSize(281, 220)));
  mapam = new QLabel(this);
  mapam->setGeometry(QRect(kDetailAt, QSize(281, 220)));
  mapImage_ = *Bitmaps().BmpMap;
  mapa->setPixmap(QPixmap::fromImage(mapImage_));
  mapac->setPixmap(QPixmap::fromImage(*Bitmaps().BmpMapC));
  mapam->setPixmap(QPixmap::fromImage(*Bitmaps().BmpMapM));
  for (QLabel* map : {mapa, mapac, mapam}) {
    map->setMouseTracking(true);
    map->installEventFilter(this);
  }
  mapac->hide();
  mapam->hide();
  PanelMapa = MakeMapLabel(this);

  ListSelLugFP = ScreenList(this, QRect(kDetailAt, QSize(430, 260)));
  connect(ListSelLugFP, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListSelLugFPClick(ListSelLugFP->row(item)); });
  // Over the sea beside the comarca map, wide enough for the longest sub-area and inside the frame.
  listBarcelona = ScreenList(this, QRect(kDetailAt + QPoint(245, 0), QSize(190, 190)));
  for (int entry = kComarcas + 1; entry <= std::min(Tabs().Binary.Comarcas.count, 60); ++entry)
    listBarcelona->addItem(ToQString(Tabs().Binary.Comarcas.name[static_cast<std::size_t>(entry)].view()));
  connect(listBarcelona, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { listBarcelonaClick(listBarcelona->row(item)); });
  BotCerrar = Button(this, 13, QRect(kDetailAt + QPoint(245, 195), QSize(190, 26)));
  BotCerrar->hide();
  connect(BotCerrar, &QPushButton::clicked, this, &VocationalScreen::BotCerrarClick);

  BotImprimir = Button(this, 36, QRect(560, 700, 130, 30));
  AllFpButton = Button(this, 391, QRect(700, 700, 150, 30));
  BotRetrocederFP = Button(this, 82, QRect(860, 700, 130, 30));
  for (QPushButton* button : {BotImprimir, AllFpButton, BotRetrocederFP}) button->hide();
  connect(BotImprimir, &QPushButton::clicked, this, [this] { BotImprimirClick(); });
  connect(AllFpButton, &QPushButton::clicked, this, &VocationalScreen::AllFpButtonClick);
  connect(BotRetrocederFP, &QPushButton::clicked, this, [this] { BotRetrocederFPClick(); });

  PanelImp = new QWidget(this);
  PanelImp->setGeometry(QRect(kDetailAt, QSize(430, 280)));
  SetColours(PanelImp, Colour(ColourPeach), Colour(ColourMaroon));
  LabelSelCom1 = new QLabel(ToQString(Text(558) + " " + Text(559)), PanelImp);
  LabelSelCom1->setGeometry(8, 4, 414, 20);
  LabelSelCom2 = new QLabel(ToQString(Text(560) + " " + Text(561)), PanelImp);
  LabelSelCom2->setGeometry(8, 24, 414, 20);
  for (QLabel* label : {LabelSelCom1, LabelSelCom2}) label->setFont(ScreenFont("Arial", 9));
  ListImp = ScreenList(PanelImp, QRect(8, 48, 300, 224));
  ListImp->show();
  connect(ListImp, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListImpClick(ListImp->row(item)); });
  BotAceptar = Button(PanelImp, 19, QRect(316, 240, 106, 30));
  connect(BotAceptar, &QPushButton::clicked, this, [this] { BotAceptarClick(); });
  PanelImp->hide();

  TimerEstrellas.setInterval(200);
  TimerParpadeo.setInterval(200);
  connect(&TimerEstrellas, &QTimer::timeout, this, &VocationalScreen::TimerEstrellasTimer);
  connect(&TimerParpadeo, &QTimer::timeout, this, &VocationalScreen::TimerParpadeoTimer);
}

VocationalScreen::~VocationalScreen() = default;

bool VocationalScreen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Leave && (watched == mapa || watched == mapac || watched == mapam)) HideMapLabel();
  const bool move = event->type() == QEvent::MouseMove;
  const bool press = event->type() == QEvent::MouseButtonPress;
  if (!move && !press) return ModuleScreen::eventFilter(watched, event);
  if (watched == Background || watched == reja->viewport()) {
    if (move) HideMapLabel();
    return false;
  }
  const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (watched == mapa) move ? mapaMouseMove(at.x() + 1, at.y() + 1) : mapaClick();
  else if (watched == mapac) move ? mapacMouseMove(at.x() + 1, at.y() + 1) : mapacClick();
  else if (watched == mapam) move ? mapamMouseMove(at.x() + 1, at.y() + 1) : mapamClick();
  return false;
}

int VocationalScreen::OwnViewLine() const { return TraitsOf(ScreenGrade).ownViewLine; }

void VocationalScreen::HideMapLabel() { PanelMapa->hide(); }

// ---- Families and titles ---------------------------------------------------------------------

void VocationalScreen::FillGroups() {
  FamilyLevel = false;
  ListPreFam->clear();
  for (const FamilyGroup& group : Groups) ListPreFam->addItem(ToQString(group.name));
  ListPreFam->setFixedHeight(kGroupsHeight);
  FamilyListFilled();
}

void VocationalScreen::ListPreFamMouseDown(int item) {
  if (item < 0) return;
  if (!FamilyLevel) {
    if (item >= kFamilyGroups) return;
    ListPreFam->setFixedHeight(familiesHeight_);
    ChosenGroup = item + 1;
    FamilyItems = FamiliesOfGroup(ScreenGrade, Groups, ChosenGroup);
    ListPreFam->clear();
    for (const FamilyItem& family : FamilyItems) ListPreFam->addItem(ToQString(family.text));
    if (ChosenGroup == kGroupWithFurtherFamilies) ListPreFam->setFixedHeight(kGroupsHeight);
    FamilyLevel = true;
    PanelSelTit->setText(ToQString(TextLine(578)));
    FamilyListFilled();
    return;
  }
  if (item == 0) return BotRetroFamiClick();
  if (item >= static_cast<int>(FamilyItems.size())) return;
  ListPreFam->setFixedHeight(familiesHeight_);
  ListPreFam->setCurrentRow(item);
  ChosenFamily = FamilyItems[static_cast<std::size_t>(item)].family;
  ChosenFamilyName = TrimBothBlanks(FamilyItems[static_cast<std::size_t>(item)].text);
  FillList(ListTit, TitlesOfFamily(ScreenGrade, ChosenFamily));
  ListTit->move(ListTit->x(), ListPreFam->y() + familiesHeight_ + 35);
  ListTit->show();
  Labeltitulo->setText(ToQString(ChosenFamilyName + " - " + Text(307) + "..."));
  Labeltitulo->adjustSize();
  Labeltitulo->move(ListTit->x(), ListTit->y() - 25);
  Labeltitulo->show();
}

void VocationalScreen::BotRetroFamiClick() {
  FillGroups();
  ListTit->hide();
  Labeltitulo->hide();
  PanelSelTit->setText(ToQString(TextLine(595)));
}

void VocationalScreen::SelectTitle(int row) {
  ListPreFam->hide();
  ListTit->hide();
  Labeltitulo->hide();
  reja->hide();
  Places.SelectedTitle = TitleNumberOf(ScreenGrade, ChosenFamily, row + 1);
  if (HandedTitle > 0) {
    Places.SelectedTitle = HandedTitle;
    HandedTitle = 0;
  }
  TitleCaption = TitleName(ScreenGrade, Places.SelectedTitle);
  BlinkTick = 0;
  PanelCarSel->setText(ToQString(TitleCaption));
  PanelCarSel->show();
  TimerParpadeo.start();
}

void VocationalScreen::TimerParpadeoTimer() {
  ++BlinkTick;
  PanelCarSel->setText(BlinkTick % 2 == 1 ? ToQString(TitleCaption) : QString());
  if (BlinkTick >= 9) TimerParpadeo.stop();
}

void VocationalScreen::ShowInfo(const std::vector<std::string>& lines, bool watching, const std::string& caption,
                                int headersFrom, bool firstOnPeach) {
  reja->hide();
  listSelFP->setCursor(Qt::ArrowCursor);
  listSelFP->clear();
  listSelFP->setFont(ScreenFont("Arial", 10));
  Watching = watching;
  const std::vector<InfoRowLook> looks = InfoListLooks(lines, watching, headersFrom, firstOnPeach);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto* item = new QListWidgetItem(ToQString(lines[i]), listSelFP);
    item->setData(kHeaderRole, looks[i].header);
    item->setData(kBulletRole, looks[i].bullet);
  }
  PanelSelTit->setText(ToQString(caption));
  listSelFP->show();
}

// ---- Maps ------------------------------------------------------------------------------------

void VocationalScreen::RepaintMap() {
  mapImage_ = *Bitmaps().BmpMap;
  mapa->setPixmap(QPixmap::fromImage(mapImage_));
}

void VocationalScreen::ShowStars() {
  stars_ = std::make_unique<StarBlinker>(CommunitiesOfferingTitle(ScreenGrade, Places.SelectedTitle));
  RepaintMap();
  PanelEstrellas->show();
  TimerEstrellas.start();
}

void VocationalScreen::StopStars() {
  RepaintMap();
  TimerEstrellas.stop();
}

void VocationalScreen::TimerEstrellasTimer() {
  if (stars_) DrawStarTick(*stars_, mapImage_, mapa);
}

void VocationalScreen::mapaMouseMove(int x, int y) {
  const HoverLabel hover = HoverMap(MapKind::Communities, x, y);
  PlaceMapLabel(PanelMapa, {hover.shown, x, y, hover.width, hover.text, true}, mapa);
}
void VocationalScreen::mapacMouseMove(int x, int y) {
  const HoverLabel hover = HoverMap(MapKind::Comarcas, x, y);
  PlaceMapLabel(PanelMapa, {hover.shown, x, y, hover.width, hover.text, hover.handCursor}, mapac);
}
void VocationalScreen::mapamMouseMove(int x, int y) {
  const HoverLabel hover = HoverMap(MapKind::Zones, x, y);
  PlaceMapLabel(PanelMapa, {hover.shown, x, y, hover.width, hover.text, hover.handCursor}, mapam);
}

void VocationalScreen::HideDetail() {
  mapac->hide();
  mapam->hide();
  listBarcelona->hide();
  BotCerrar->hide();
}

void VocationalScreen::mapaClick() {
  const int region = MapRegion;
  if (region < 1 || region > kCommunities) return;
  if (PrintSelection) {
    const QString name = ToQString(TrimBlanks(Field(Tabs().TabComunida[static_cast<std::size_t>(region)].view(), 3, 53)));
    if (std::find(PrintCommunities.begin(), PrintCommunities.end(), region) == PrintCommunities.end() &&
        static_cast<int>(PrintCommunities.size()) < kMaxPrintCommunities) {
      PrintCommunities.push_back(region);
      ListImp->addItem(name);
    }
    return;
  }
  HideMapLabel();
  if (Mode == SearchMode::ByTitle) {
    if (Places.SelectedTitle == 0) return;
    PanelSelec->show();
    PanelSelTit->setText(ToQString(TextLine(323)));
    ChooseCommunity(region, ScreenGrade);
    Places.SelectedComarca = region;
    listSelFP->hide();
    ShowGrid(TitleListGrid(CentresOfferingTitle(ScreenGrade, Places.SelectedTitle, PlacesOfCommunity(region))), 0);
    return;
  }
  if (Mode != SearchMode::ByPlace) return;
  const CommunityChoice choice = ChooseCommunity(region, ScreenGrade);
  Places.SelectedComarca = region;
  HideDetail();
  ClearGrid();
  ListSelLugFP->clear();
  ListSelLugFP->hide();
  CommunityChosen();
  if (choice.detail == DetailMap::Comarcas) {
    mapac->show();
    return;
  }
  if (choice.detail == DetailMap::Zones) {
    mapam->show();
    return;
  }
  FillList(ListSelLugFP, choice.placeList);
  ListSelLugFP->show();
  if (choice.singlePlace && singlePlaceListsAtOnce_) {
    ListSelLugFP->setCurrentRow(0);
    ListSelLugFPClick(0);
  }
}

void VocationalScreen::mapacClick() {
  if (Mode != SearchMode::ByPlace) return;
  const DetailChoice choice = ClickComarca(MapRegion);
  if (choice.action == DetailAction::Nothing) return;
  HideMapLabel();
  if (choice.action == DetailAction::OpenBarcelonaList) {
    listBarcelona->show();
    listBarcelona->raise();
    BotCerrar->show();
    BotCerrar->raise();
    return;
  }
  ListCurrentPlace();
}

void VocationalScreen::mapamClick() {
  if (Mode != SearchMode::ByPlace) return;
  HideMapLabel();
  if (ClickZone(MapRegion).action == DetailAction::ListCentres) ListCurrentPlace();
}

void VocationalScreen::listBarcelonaClick(int index) {
  if (ClickBarcelonaEntry(index).action == DetailAction::ListCentres) ListCurrentPlace();
}

void VocationalScreen::BotCerrarClick() {
  listBarcelona->hide();
  BotCerrar->hide();
}

// ---- Places and the grid -----------------------------------------------------------------------

void VocationalScreen::ShowPlaceListing(const PlaceListing& listing) {
  if (!listing.placeCaption.empty()) PanelCarSel->setText(ToQString(listing.placeCaption));
  if (listing.step == ListingStep::Towns) {
    FillList(ListSelLugFP, listing.towns);
    ListSelLugFP->show();
    ClearGrid();
    reja->show();
  } else if (listing.step == ListingStep::Grid) {
    PanelSelTit->setText(ToQString(listing.titleCaption));
    ShowGrid(listing.rows, listing.topRow);
  }
}

void VocationalScreen::ListCurrentPlace() {
  const std::optional<ResolvedPlace> place = ResolvePlace(ListSelLugFP->currentRow() + 1, ScreenGrade);
  if (!place) return;
  PanelSelec->show();
  BotRetrocederFP->show();
  BotImprimir->show();
  AllFpButton->setVisible(TraitsOf(ScreenGrade).allFpView);
  const bool allFp = AllFpViewOn(ScreenGrade);
  PanelSelTit->setText(ToQString(TextLine(allFp ? 391 : OwnViewLine())));
  AllFpButton->setText(ToQString(TextLine(allFp ? OwnViewLine() : 391)));
  ShowPlaceListing(CentresOfPlace(ScreenGrade, *place));
}

void VocationalScreen::ListSelLugFPClick(int row) {
  if (Places.TownMode) ChooseTown(row + 1);
  ListCurrentPlace();
}

void VocationalScreen::AllFpButtonClick() {
  ClearGrid();
  const PlaceListing listing = ToggleAllFpView(ScreenGrade, ListSelLugFP->currentRow() + 1);
  PanelSelTit->setText(ToQString(TextLine(Places.AllFpView ? 391 : OwnViewLine())));
  AllFpButton->setText(ToQString(TextLine(Places.AllFpView ? OwnViewLine() : 391)));
  ShowPlaceListing(listing);
}

void VocationalScreen::ClearGrid() {
  GridRows.clear();
  reja->setRowCount(0);
}

void VocationalScreen::ShowGrid(const std::vector<GridRow>& rows, int topRow) {
  GridRows = rows;
  reja->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const GridRow& row = rows[static_cast<std::size_t>(i)];
    reja->setItem(i, 0, new QTableWidgetItem(ToQString(row.text)));
    reja->setItem(i, 1, new QTableWidgetItem(ToQString(row.phone)));
  }
  reja->show();
  reja->raise();
  reja->scrollToTop();
  if (topRow > 0 && topRow < reja->rowCount()) {
    // Again once the new rows are laid out: a fresh grid does not know its height yet.
    reja->scrollToItem(reja->item(topRow, 0), QAbstractItemView::PositionAtTop);
    QTimer::singleShot(0, reja, [this, topRow] {
      if (topRow < reja->rowCount()) reja->scrollToItem(reja->item(topRow, 0), QAbstractItemView::PositionAtTop);
    });
  }
}

void VocationalScreen::HidePlaceButtons() {
  BotImprimir->hide();
  AllFpButton->hide();
}

void VocationalScreen::rejaDblClick(int row) {
  if (!DoubleClickActive || row < 0 || row >= static_cast<int>(GridRows.size())) return;
  const int title = GridRows[static_cast<std::size_t>(row)].title;
  if (title == 0) return;
  Places.TownMode = false;
  ListSelLugFP->hide();
  HidePlaceButtons();
  ClearGrid();
  PanelSelec->show();
  listSelFP->show();
  PanelSelTit->show();
  PanelCarSel->show();
  Mode = SearchMode::ByTitle;
  HideDetail();
  PanelEstrellas->hide();
  HideMapLabel();
  BotRetrocederFP->hide();
  reja->viewport()->setCursor(Qt::ArrowCursor);
  DoubleClickActive = false;
  HandedTitle = title;
  ListTitClick(-1);
}

bool VocationalScreen::LeaveTownsStep() {
  if (!Places.TownMode) return false;
  if (Places.ChosenTown > 0) {  // one level up: the towns of the same place
    ClearGrid();
    ShowPlaceListing(BackToTowns(ScreenGrade));
    ListSelLugFP->setCurrentRow(-1);
    return true;
  }
  if (Places.PlaceCount <= 1) return false;
  ClearGrid();
  FillList(ListSelLugFP, LeaveTownMode());
  ListSelLugFP->setCurrentRow(-1);
  return true;
}

// ---- Printing --------------------------------------------------------------------------------

void VocationalScreen::ShowPrintSelection() {
  PanelImp->show();
  PanelImp->raise();
  PanelEstrellas->show();
}

void VocationalScreen::PrintTitle() {
  if (Places.SelectedTitle == 0) return;
  PrintMode = true;
  const std::vector<int> chosen = PrintSelection ? PrintCommunities : std::vector<int>{};
  if (!BuildTitleReport(ScreenGrade, Places.SelectedTitle, TitleCaption, chosen)) {
    ShowPrintSelection();
    ListImp->clear();
    PrintCommunities.clear();
    PrintSelection = true;
    PrintMode = false;
    return;
  }
  reja->hide();
  listSelFP->clear();
  listSelFP->setFont(ScreenFont("Courier New", 10 + (TraitsOf(ScreenGrade).enlargedTitleList ? FontSizeAdjust : 0)));
  listSelFP->setCursor(Qt::ArrowCursor);
  for (int row = 1; row <= Tabs().PrintCount; ++row)
    listSelFP->addItem(ToQString(Tabs().PrintLines[static_cast<std::size_t>(row)].view()));
  listSelFP->setFixedHeight(ListSelFPHeight);
  listSelFP->show();
  PrintSelection = false;
  PrintCommunities.clear();
  PrintMode = false;
  PrintReportColumnsWithDialog(Tabs().PrintLines, Tabs().PrintCount, true);
}

void VocationalScreen::PrintPlace() {
  // On a detailed map (shown only for its own community) the chosen comarca or zone is the
  // place, and resolving it checks that one was chosen; the list has no selection.
  const bool detailedMap = !mapac->isHidden() || !mapam->isHidden();
  if (!detailedMap && ListSelLugFP->currentRow() < 0 && !Places.TownMode) return;
  const std::optional<ResolvedPlace> place = ResolvePlace(ListSelLugFP->currentRow() + 1, ScreenGrade);
  if (!place) return;
  std::string name = FromQString(PanelCarSel->text());
  if (Places.SelectedCommunity == kCommunityCatalonia && UsesDetailedPlaces(kCommunityCatalonia, ScreenGrade))
    name = Tabs().Binary.Comarcas.name[static_cast<std::size_t>(std::clamp(Places.SelectedComarca, 0, 60))].str();
  PrintMode = true;
  BuildPlaceReport(ScreenGrade, name, *place);
  PrintMode = false;
  if (TraitsOf(ScreenGrade).placeReportInColumns)
    PrintReportColumnsWithDialog(Tabs().PrintLines, Tabs().PrintCount, true);
  else
    PrintReportWithDialog(Tabs().PrintLines, Tabs().PrintCount, true, 10);
}

void VocationalScreen::BotImprimirClick() {
  if (Mode == SearchMode::ByTitle) PrintTitle();
  else if (Mode == SearchMode::ByPlace) PrintPlace();
}

void VocationalScreen::BotAceptarClick() {
  PanelImp->hide();
  ListImp->clear();
  PrintTitle();
}

void VocationalScreen::ListImpClick(int row) {
  if (row < 0 || row >= static_cast<int>(PrintCommunities.size())) return;
  PrintCommunities.erase(PrintCommunities.begin() + row);
  delete ListImp->takeItem(row);
}

}  // namespace velmora
