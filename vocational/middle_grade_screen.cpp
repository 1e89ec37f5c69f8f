#include "vocational/middle_grade_screen.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/screen_controls.h"
#include "core/shadow_label.h"
#include "core/display_helpers.h"
#include "core/navigation.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/shared_bitmaps.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "vocational/map_widgets.h"

namespace velmora {

// ---- Titles ----------------------------------------------------------------------------------

namespace {

std::string Text(int line) { return std::string(TextLine(line)); }

std::string_view Record(const LineTable& table, int line) {
  return table[static_cast<std::size_t>(std::clamp(line, 0, kLineTableLines))].view();
}

// Windows-1252 capitals, accented letters included.
std::string Upper1252(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
      c = static_cast<char>(u - 0x20);
    else if (u == 0x9A || u == 0x9C || u == 0x9E)
      c = static_cast<char>(u - 0x10);
    else if (u == 0xFF)
      c = static_cast<char>(0x9F);
  }
  return upper;
}

}  // namespace

std::vector<FamilyGroup> ReadFamilyGroups() {
  std::vector<FamilyGroup> groups;
  for (int line = 30; line < 30 + kFamilyGroups; ++line) {
    const std::string_view record = Record(Tabs().TabFamilias, line);
    FamilyGroup group;
    for (int i = 0; i < 3; ++i)
      group.families[static_cast<std::size_t>(i)] = ParseInt(Field(record, 1 + 2 * i, 2)).value_or(0);
    group.name = TrimBothBlanks(record.size() > 6 ? record.substr(6) : std::string_view());
    groups.push_back(std::move(group));
  }
  return groups;
}

int FirstFurtherFamily() {
  for (int family = 1; family <= Tabs().CountFp2Marked; ++family)
    if (Record(Tabs().TabFp2Marked, family).starts_with('|')) return family;
  return 0;
}

std::string FamilyName(int family) { return std::string(TrimBlanks(Record(Tabs().TabFp2Marked, family))); }

int FamilyHeaderLine(int family) {
  if (family < 1 || family > Tabs().CountFp2Marked) return 0;
  return Tabs().Fp2MarkedLines[static_cast<std::size_t>(family - 1)];
}

std::vector<FamilyItem> FamiliesOfGroup(const std::vector<FamilyGroup>& groups, int group) {
  std::vector<FamilyItem> items{{Text(82), 0}};
  if (group < 1 || group > static_cast<int>(groups.size())) return items;
  for (const int family : groups[static_cast<std::size_t>(group - 1)].families)
    if (family > 0) items.push_back({FamilyName(family), family});
  if (group == kGroupWithFurtherFamilies)
    if (const int first = FirstFurtherFamily(); first > 0)
      for (int family = first; family <= Tabs().CountFp2Marked; ++family) items.push_back({FamilyName(family).substr(1), family});
  return items;
}

std::vector<std::string> TitlesOfFamily(int family) {
  std::vector<std::string> titles;
  const int header = FamilyHeaderLine(family);
  if (header == 0) return titles;
  const int last = family < Tabs().CountFp2Marked ? FamilyHeaderLine(family + 1) - 1 : Tabs().CountFp2;
  for (int line = header + 1; line <= last; ++line) titles.emplace_back(Record(Tabs().TabFp2, line));
  return titles;
}

int TitleNumberOf(int family, int position) { return FamilyHeaderLine(family) + position; }

std::string TitleName(int title) { return std::string(TrimBlanks(Record(Tabs().TabFp2, title))); }

// ---- Information on a title -----------------------------------------------------------------

std::vector<std::string> RequirementLines() {
  std::vector<std::string> lines;
  for (int line = 1; line <= Tabs().CountInforma; ++line) {
    const std::string_view record = Record(Tabs().TabInforma, line);
    if (Field(record, 1, 2) == "17") lines.emplace_back(Field(record, 3, 58));
  }
  return lines;
}

namespace {
std::string BlockLine(int title, int line) {
  if (title < 1 || title >= static_cast<int>(Tabs().TabAsignagm.size())) return {};
  return std::string(Tabs().TabAsignagm[static_cast<std::size_t>(title)][static_cast<std::size_t>(line)].view());
}
}  // namespace

std::vector<std::string> JobLines(int title) {
  std::vector<std::string> lines;
  for (int line = 1; line <= 5; ++line) lines.push_back(BlockLine(title, line));
  return lines;
}

std::vector<std::string> StudyLines(int title) {
  std::vector<std::string> lines{BlockLine(title, 6)};
  if (!IsBlankLine(BlockLine(title, 7))) lines.emplace_back();
  for (int line = 7; line <= 25; ++line) lines.push_back(BlockLine(title, line));
  return lines;
}

std::vector<InfoRowLook> InfoListLooks(const std::vector<std::string>& items, bool watching) {
  std::vector<InfoRowLook> looks(items.size());
  if (!watching) return looks;
  bool afterHeader = false;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].starts_with('-')) {
      looks[i].header = true;
      afterHeader = true;
    } else if (afterHeader && !items[i].empty() && items[i][0] != ' ') {
      looks[i].bullet = true;
    }
  }
  return looks;
}

// ---- Printed reports ------------------------------------------------------------------------


bool BuildTitleReport(int title, const std::string& titleName, const std::vector<int>& communities) {
  StartPrintLines(titleName + " (" + Text(113) + ")");
  SharedTables& t = Tabs();
  AddPrintLine("** " + Text(29) + " **");
  BoldLines[1] = t.PrintCount;
  for (const std::string& line : RequirementLines()) AddPrintLine(line);
  AddPrintLine("");
  AddPrintLine("** " + Text(199) + " **");
  BoldLines[2] = t.PrintCount;
  for (const std::string& line : JobLines(title)) AddPrintLine(line);
  AddPrintLine("");
  AddPrintLine("** " + Text(312) + " **");
  BoldLines[3] = t.PrintCount;
  for (int line = 6; line <= 25; ++line) AddPrintLine(BlockLine(title, line));
  for (int removed = 0; removed < 11 && IsBlankLine(t.PrintLines[static_cast<std::size_t>(t.PrintCount)].view());
       ++removed)
    t.PrintLines[static_cast<std::size_t>(t.PrintCount--)] = std::string();
  AddPrintLine(std::string(35, '_'));
  AddPrintLine("");
  AddPrintLine("-" + Upper1252(TextLine(317)));
  AddPrintLine("");

  std::vector<int> chosen = communities;
  if (chosen.empty())
    for (int c = 1; c <= kCommunities; ++c) chosen.push_back(c);
  for (const int community : chosen) {
    const std::vector<GridRow> rows = CentresOfferingTitle(Grade::GM, title, PlacesOfCommunity(community));
    if (rows.empty()) continue;
    const std::string name(TrimBlanks(Field(Record(t.TabComunida, community), 3, 30)));
    AddPrintLine("***  " + Upper1252(name) + "  ***");
    AddPrintLine("");
    for (const GridRow& row : rows) AddPrintLine(row.text + row.phone);
  }
  if (communities.empty() && t.PrintCount > kPrintSelectionThreshold) {
    StartPrintLines("");
    return false;
  }
  int bold = 0;
  for (int row = 1; row <= t.PrintCount && bold + 4 < static_cast<int>(BoldLines.size()); ++row)
    if (t.PrintLines[static_cast<std::size_t>(row)].view().starts_with("***")) BoldLines[static_cast<std::size_t>(4 + bold++)] = row;
  BoldLines[0] = bold + 3;
  return true;
}

void BuildPlaceReport(const std::string& placeName, const ResolvedPlace& place) {
  StartPrintLines(Text(289) + ": " + std::string(TrimBlanks(placeName)) + " - " + Text(113));
  const PlaceListing listing = CentresOfPlace(Grade::GM, place, {.printing = true});
  std::vector<GridRow> rows;
  // A centre row is its header mark and columns 2-45 of the centre line; keeping all 45
  // characters keeps the blank column 45 between the centre's name and its telephone.
  for (const GridRow& row : listing.rows) rows.push_back({std::string(Field(row.text, 1, 45)) + row.phone, {}, 0});
  AppendPrintRows(rows);
  BoldLines[0] = 0;
}

// ---- Drawing ---------------------------------------------------------------------------------

namespace {

constexpr int kHeaderRole = Qt::UserRole + 1;
constexpr int kBulletRole = Qt::UserRole + 2;
constexpr int kBulletImage = 3;

QColor Colour(TColor colour) { return ToQColor(colour); }

void DrawBullet(QPainter* painter, const QRect& cell, int down) {
  const PictureList& bullets = DegreesImageList1();
  if (bullets.count() > kBulletImage) painter->drawPixmap(cell.left(), cell.top() + down, bullets.frame(kBulletImage));
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

}  // namespace

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
      const QImage& heli = Bitmaps().BmpHeli;
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

QPushButton* Button(QWidget* parent, int line, QRect geometry) {
  return ScreenButton(parent, ToQString(TextLine(line)), geometry);
}


void FillList(QListWidget* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(ToQString(item));
}

constexpr int kListLeft = 40;
constexpr int kListTop = 240;
constexpr int kListWidth = 470;
constexpr int kGroupsHeight = 301;
constexpr int kFamiliesHeight = 169;
constexpr QPoint kMapPanel(560, 150);
constexpr QPoint kDetailAt(560, 400);

}  // namespace

TForm3::TForm3() {
  BuildControls();
  Groups = ReadFamilyGroups();
  heli.setInterval(1);
  piloto.setInterval(200);
  TimerEstrellas.setInterval(200);
  TimerParpadeo.setInterval(200);
  connect(&heli, &QTimer::timeout, this, &TForm3::heliTimer);
  connect(&piloto, &QTimer::timeout, this, &TForm3::pilotoTimer);
  connect(&TimerEstrellas, &QTimer::timeout, this, &TForm3::TimerEstrellasTimer);
  connect(&TimerParpadeo, &QTimer::timeout, this, &TForm3::TimerParpadeoTimer);
  SetDoorOpener(5, [this]() -> QWidget* {
    if (FPMFirstVisit) {
      QuestionnaireFlag = false;
      heli.start();
    } else {
      heli.stop();
    }
    return this;
  });
}

TForm3::~TForm3() = default;

void TForm3::BuildControls() {
  SetColours(this, Colour(ColourCream), Qt::black);
  Background->setMouseTracking(true);
  Background->installEventFilter(this);

  const auto bigLabel = [this](const QString& text, int top, int points) {
    auto* label = new ShadowLabel(text, this);
    label->setFont(ScreenFont("Arial", points, true));
    SetColours(label, Colour(ColourLabelHot), Colour(ColourNavy));
    const int width = QFontMetrics(label->font()).horizontalAdvance(text) + 24;
    label->setGeometry(512 - width / 2, top, width, QFontMetrics(label->font()).height() + 6);
    return label;
  };
  LabelFP1 = bigLabel(ToQString(TextLine(512)), 38, 18);
  LabelFPGM = bigLabel(ToQString(TrimBothBlanks(CentreName)), 74, 12);
  LabelAno = bigLabel(ToQString(Text(175) + "  2015/16"), 98, 12);

  botTit2 = Button(this, 190, QRect(240, 130, 250, 40));
  botLug2 = Button(this, 276, QRect(240, 250, 250, 40));
  botSalir = Button(this, 54, QRect(240, 370, 250, 40));
  connect(botTit2, &QPushButton::clicked, this, &TForm3::botTit2Click);
  connect(botLug2, &QPushButton::clicked, this, &TForm3::botLug2Click);
  connect(botSalir, &QPushButton::clicked, this, &TForm3::botSalirClick);

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
  ListTit = ScreenList(this, QRect(kListLeft, kListTop + kFamiliesHeight + 35, kListWidth, 250));
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
  mapImage_ = Bitmaps().BmpMap;
  mapa->setPixmap(QPixmap::fromImage(mapImage_));
  mapac->setPixmap(QPixmap::fromImage(Bitmaps().BmpMapC));
  mapam->setPixmap(QPixmap::fromImage(Bitmaps().BmpMapM));
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
  connect(BotCerrar, &QPushButton::clicked, this, &TForm3::BotCerrarClick);

  BotRequisitos = Button(this, 29, QRect(40, 700, 150, 30));
  BotPuesto = Button(this, 191, QRect(200, 700, 150, 30));
  botAsig = Button(this, 30, QRect(360, 700, 150, 30));
  BotImprimir = Button(this, 36, QRect(560, 700, 130, 30));
  BotTelefono = Button(this, 391, QRect(700, 700, 150, 30));
  BotRetrocederFP = Button(this, 82, QRect(860, 700, 130, 30));
  for (QPushButton* button : {BotRequisitos, BotPuesto, botAsig, BotImprimir, BotTelefono, BotRetrocederFP}) button->hide();
  connect(BotRequisitos, &QPushButton::clicked, this, &TForm3::BotRequisitosClick);
  connect(BotPuesto, &QPushButton::clicked, this, &TForm3::BotPuestoClick);
  connect(botAsig, &QPushButton::clicked, this, &TForm3::botAsigClick);
  connect(BotImprimir, &QPushButton::clicked, this, &TForm3::BotImprimirClick);
  connect(BotTelefono, &QPushButton::clicked, this, &TForm3::BotTelefonoClick);
  connect(BotRetrocederFP, &QPushButton::clicked, this, &TForm3::BotRetrocederFPClick);

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
  connect(BotAceptar, &QPushButton::clicked, this, &TForm3::BotAceptarClick);
  PanelImp->hide();

  flight_ = new FlightLayer(this);
  flight_->raise();
}

void TForm3::showEvent(QShowEvent* event) {
  ModuleScreen::showEvent(event);
  FormActivate();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
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

// ---- Activation and the flight ---------------------------------------------------------------

void TForm3::FormActivate() {
  Background->show();
  PilotFrame = -1;
  SpeechBoxes.clear();
  piloto.stop();
  if (QuestionnaireFlag) return;  // the questionnaire has its own screen state
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

void TForm3::HideMapLabel() { PanelMapa->hide(); }

// ---- By title --------------------------------------------------------------------------------

void TForm3::FillGroups() {
  FamilyLevel = false;
  ListPreFam->clear();
  for (const FamilyGroup& group : Groups) ListPreFam->addItem(ToQString(group.name));
  ListPreFam->setFixedHeight(kGroupsHeight);
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

void TForm3::ListPreFamMouseDown(int item) {
  if (item < 0) return;
  if (!FamilyLevel) {
    if (item >= kFamilyGroups) return;
    ListPreFam->setFixedHeight(kFamiliesHeight);
    ChosenGroup = item + 1;
    FamilyItems = FamiliesOfGroup(Groups, ChosenGroup);
    ListPreFam->clear();
    for (const FamilyItem& family : FamilyItems) ListPreFam->addItem(ToQString(family.text));
    if (ChosenGroup == kGroupWithFurtherFamilies) ListPreFam->setFixedHeight(kGroupsHeight);
    FamilyLevel = true;
    PanelSelTit->setText(ToQString(TextLine(578)));
    return;
  }
  if (item == 0) return BotRetroFamiClick();
  if (item >= static_cast<int>(FamilyItems.size())) return;
  ListPreFam->setFixedHeight(kFamiliesHeight);
  ListPreFam->setCurrentRow(item);
  ChosenFamily = FamilyItems[static_cast<std::size_t>(item)].family;
  ChosenFamilyName = TrimBothBlanks(FamilyItems[static_cast<std::size_t>(item)].text);
  FillList(ListTit, TitlesOfFamily(ChosenFamily));
  ListTit->show();
  Labeltitulo->setText(ToQString(ChosenFamilyName + " - " + Text(307) + "..."));
  Labeltitulo->adjustSize();
  Labeltitulo->move(ListTit->x(), ListTit->y() - 25);
  Labeltitulo->show();
}

void TForm3::BotRetroFamiClick() {
  FillGroups();
  ListTit->hide();
  Labeltitulo->hide();
  PanelSelTit->setText(ToQString(TextLine(595)));
}

void TForm3::ListTitClick(int row) {
  HideSpeechBox();
  ListPreFam->hide();
  ListTit->hide();
  Labeltitulo->hide();
  reja->hide();
  listSelFP->show();
  PanelSelec->show();
  PanelSelTit->clear();
  PanelCarSel->show();
  Places.SelectedTitle = TitleNumberOf(ChosenFamily, row + 1);
  if (HandedTitle > 0) {
    Places.SelectedTitle = HandedTitle;
    HandedTitle = 0;
  }
  for (QPushButton* button : {BotPuesto, BotRequisitos, botAsig, BotImprimir, BotRetrocederFP}) button->show();
  TitleCaption = TitleName(Places.SelectedTitle);
  BlinkTick = 0;
  PanelCarSel->setText(ToQString(TitleCaption));
  TimerParpadeo.start();
  stars_ = std::make_unique<StarBlinker>(CommunitiesOfferingTitle(Grade::GM, Places.SelectedTitle));
  RepaintMap();
  PanelEstrellas->show();
  TimerEstrellas.start();
}

void TForm3::TimerParpadeoTimer() {
  ++BlinkTick;
  PanelCarSel->setText(BlinkTick % 2 == 1 ? ToQString(TitleCaption) : QString());
  if (BlinkTick >= 9) TimerParpadeo.stop();
}

void TForm3::RepaintMap() {
  mapImage_ = Bitmaps().BmpMap;
  mapa->setPixmap(QPixmap::fromImage(mapImage_));
}

void TForm3::TimerEstrellasTimer() {
  if (stars_) DrawStarTick(*stars_, mapImage_, mapa);
}

void TForm3::ShowInfo(const std::vector<std::string>& lines, bool watching, const std::string& caption) {
  reja->hide();
  listSelFP->setCursor(Qt::ArrowCursor);
  listSelFP->clear();
  listSelFP->setFont(ScreenFont("Arial", 10));
  Watching = watching;
  const std::vector<InfoRowLook> looks = InfoListLooks(lines, watching);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto* item = new QListWidgetItem(ToQString(lines[i]), listSelFP);
    item->setData(kHeaderRole, looks[i].header);
    item->setData(kBulletRole, looks[i].bullet);
  }
  PanelSelTit->setText(ToQString(caption));
  listSelFP->show();
}

void TForm3::BotRequisitosClick() { ShowInfo(RequirementLines(), false, {}); }
void TForm3::BotPuestoClick() { ShowInfo(JobLines(Places.SelectedTitle), false, Text(199)); }
void TForm3::botAsigClick() { ShowInfo(StudyLines(Places.SelectedTitle), true, Text(312)); }

// ---- Maps ------------------------------------------------------------------------------------


void TForm3::mapaMouseMove(int x, int y) {
  const HoverLabel hover = HoverMap(MapKind::Communities, x, y);
  PlaceMapLabel(PanelMapa, {hover.shown, x, y, hover.width, hover.text, true}, mapa);
}
void TForm3::mapacMouseMove(int x, int y) {
  const HoverLabel hover = HoverMap(MapKind::Comarcas, x, y);
  PlaceMapLabel(PanelMapa, {hover.shown, x, y, hover.width, hover.text, hover.handCursor}, mapac);
}
void TForm3::mapamMouseMove(int x, int y) {
  const HoverLabel hover = HoverMap(MapKind::Zones, x, y);
  PlaceMapLabel(PanelMapa, {hover.shown, x, y, hover.width, hover.text, hover.handCursor}, mapam);
}

void TForm3::HideDetail() {
  mapac->hide();
  mapam->hide();
  listBarcelona->hide();
  BotCerrar->hide();
}

void TForm3::mapaClick() {
  const int region = MapRegion;
  if (region < 1 || region > kCommunities) return;
  if (PrintSelection) {
    const QString name = ToQString(TrimBlanks(Field(Record(Tabs().TabComunida, region), 3, 53)));
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
    ChooseCommunity(region);
    Places.SelectedComarca = region;
    const CommunityPlaces places = PlacesOfCommunity(region);
    ShowGrid(TitleListGrid(CentresOfferingTitle(Grade::GM, Places.SelectedTitle, places)), 0);
    return;
  }
  if (Mode != SearchMode::ByPlace) return;
  const CommunityChoice choice = ChooseCommunity(region);
  Places.SelectedComarca = region;
  HideDetail();
  ClearGrid();
  ListSelLugFP->clear();
  ListSelLugFP->hide();
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
  if (choice.singlePlace) {
    ListSelLugFP->setCurrentRow(0);
    ListSelLugFPClick(0);
  }
}

void TForm3::mapacClick() {
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

void TForm3::mapamClick() {
  if (Mode != SearchMode::ByPlace) return;
  HideMapLabel();
  if (ClickZone(MapRegion).action == DetailAction::ListCentres) ListCurrentPlace();
}

void TForm3::listBarcelonaClick(int index) {
  if (ClickBarcelonaEntry(index).action == DetailAction::ListCentres) ListCurrentPlace();
}

void TForm3::BotCerrarClick() {
  listBarcelona->hide();
  BotCerrar->hide();
}

// ---- By place --------------------------------------------------------------------------------

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
  TimerEstrellas.stop();
  RepaintMap();
}

void TForm3::ShowPlaceListing(const PlaceListing& listing) {
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

void TForm3::ListCurrentPlace() {
  const int position = ListSelLugFP->currentRow() + 1;
  const std::optional<ResolvedPlace> place = ResolvePlace(position);
  if (!place) return;
  PanelSelec->show();
  BotRetrocederFP->show();
  BotImprimir->show();
  BotTelefono->show();
  PanelSelTit->setText(ToQString(TextLine(Places.AllFpView ? 391 : 390)));
  BotTelefono->setText(ToQString(TextLine(Places.AllFpView ? 390 : 391)));
  ShowPlaceListing(CentresOfPlace(Grade::GM, *place));
}

void TForm3::ListSelLugFPClick(int row) {
  if (Places.TownMode) ChooseTown(row + 1);
  ListCurrentPlace();
}

void TForm3::BotTelefonoClick() {
  ClearGrid();
  const PlaceListing listing = ToggleAllFpView(Grade::GM, ListSelLugFP->currentRow() + 1);
  PanelSelTit->setText(ToQString(TextLine(Places.AllFpView ? 391 : 390)));
  BotTelefono->setText(ToQString(TextLine(Places.AllFpView ? 390 : 391)));
  ShowPlaceListing(listing);
}

void TForm3::ClearGrid() {
  GridRows.clear();
  reja->setRowCount(0);
}

void TForm3::ShowGrid(const std::vector<GridRow>& rows, int topRow) {
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

void TForm3::rejaDblClick(int row) {
  if (!DoubleClickActive || row < 0 || row >= static_cast<int>(GridRows.size())) return;
  const int title = GridRows[static_cast<std::size_t>(row)].title;
  if (title == 0) return;
  Places.TownMode = false;
  ListSelLugFP->hide();
  BotImprimir->hide();
  BotTelefono->hide();
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

// ---- Printing --------------------------------------------------------------------------------

void TForm3::BotImprimirClick() {
  if (Mode == SearchMode::ByTitle) {
    if (Places.SelectedTitle == 0) return;
    PrintMode = true;
    const std::vector<int> chosen = PrintSelection ? PrintCommunities : std::vector<int>{};
    if (!BuildTitleReport(Places.SelectedTitle, TitleCaption, chosen)) {
      PanelImp->show();
      PanelImp->raise();
      PanelEstrellas->show();
      ListImp->clear();
      PrintCommunities.clear();
      PrintSelection = true;
      PrintMode = false;
      return;
    }
    reja->hide();
    listSelFP->clear();
    listSelFP->setFont(ScreenFont("Courier New", 10));
    listSelFP->setCursor(Qt::ArrowCursor);
    for (int row = 1; row <= Tabs().PrintCount; ++row)
      listSelFP->addItem(ToQString(Tabs().PrintLines[static_cast<std::size_t>(row)].view()));
    listSelFP->setFixedHeight(ListSelFPHeight);
    listSelFP->show();
    PrintSelection = false;
    PrintCommunities.clear();
  } else if (Mode == SearchMode::ByPlace) {
    // On a detailed map (shown only for its own community) the chosen comarca or zone is the
    // place, and resolving it checks that one was chosen; the list has no selection.
    const bool detailedMap = !mapac->isHidden() || !mapam->isHidden();
    if (!detailedMap && ListSelLugFP->currentRow() < 0) return;
    const std::optional<ResolvedPlace> place = ResolvePlace(ListSelLugFP->currentRow() + 1);
    if (!place) return;
    std::string name = FromQString(PanelCarSel->text());
    if (Places.SelectedCommunity == kCommunityCatalonia)
      name = Tabs().Binary.Comarcas.name[static_cast<std::size_t>(std::clamp(Places.SelectedComarca, 0, 60))].str();
    PrintMode = true;
    BuildPlaceReport(name, *place);
  } else {
    return;
  }
  PrintMode = false;
  PrintReportColumnsWithDialog(Tabs().PrintLines, Tabs().PrintCount, true);
}

void TForm3::BotAceptarClick() {
  PanelImp->hide();
  ListImp->clear();
  BotImprimirClick();
}

void TForm3::ListImpClick(int row) {
  if (row < 0 || row >= static_cast<int>(PrintCommunities.size())) return;
  PrintCommunities.erase(PrintCommunities.begin() + row);
  delete ListImp->takeItem(row);
}

// ---- Back and leaving ------------------------------------------------------------------------

void TForm3::BotRetrocederFPClick() {
  Background->show();
  if (Places.TownMode && Places.PlaceCount > 1) {
    ClearGrid();
    FillList(ListSelLugFP, LeaveTownMode());
    ListSelLugFP->setCurrentRow(-1);
    return;
  }
  if (Places.PlaceCount == 1) Places.TownMode = false;
  const auto hideInfoButtons = [this] {
    for (QPushButton* button : {BotPuesto, BotRequisitos, botAsig, BotImprimir, BotTelefono}) button->hide();
  };
  if (Mode == SearchMode::ByPlace && !PanelEstrellas->isHidden()) {
    for (QPushButton* button : {botTit2, botLug2, botSalir}) button->show();
    BotImprimir->hide();
    BotTelefono->hide();
    RepaintMap();
    TimerEstrellas.stop();
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
    hideInfoButtons();
    HideDetail();
    RepaintMap();
    TimerEstrellas.stop();
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
  ListPreFam->setFixedHeight(kGroupsHeight);
  ListPreFam->hide();
  ListTit->hide();
  hideInfoButtons();
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
