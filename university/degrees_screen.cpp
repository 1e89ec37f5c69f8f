#include "university/degrees_screen.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/display_helpers.h"
#include "core/hint_window.h"
#include "core/navigation.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/shadow_label.h"
#include "core/shared_bitmaps.h"
#include "core/shell.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "navigation/star_map.h"
#include "university/admission_screen.h"
#include "university/statistics_screen.h"
#include "university/degree_files.h"
#include "university/degree_tables.h"
#include "university/double_degrees.h"
#include "university/where_to_study.h"
#include "places/map_widgets.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

constexpr int kBulletImage = 3;
constexpr int kDiagramTextWidth = 940;
// The white panels that hide the parts of the degree diagram until their step.
constexpr std::array<QRect, kCoverPanels> kDiagramCovers = {QRect(245, 195, 230, 95), QRect(245, 95, 730, 40),
                                                            QRect(245, 325, 230, 60), QRect(245, 55, 730, 40),
                                                            QRect(505, 195, 230, 95), QRect(470, 290, 300, 70),
                                                            QRect(765, 195, 210, 190)};
// The public register of official university titles, where every master is listed.
constexpr const char* kTitlesRegister = "https://www.educacion.gob.es/ruct/home";
constexpr int kUniversityImage = 5;
constexpr int kRowDegreeRole = Qt::UserRole + 1;
constexpr std::array<int, 6> kBranchImages = {0, 5, 1, 4, 2, 3};
constexpr QColor kMaroon(0x80, 0, 0);
constexpr QColor kTreeBlue(0, 0, 0xFF);
constexpr QColor kTreeNavy(0, 0, 0x80);
constexpr QColor kTreeHot(0xFF, 0, 0);

std::string Text(int line) { return std::string(TextLine(line)); }
QString QText(int line) { return ToQString(TextLine(line)); }
QColor Colour(TColor colour) { return ToQColor(colour); }

std::string DegreeTitle(int degree) {
  const int at = std::clamp(degree, 0, DegreeCount());
  return std::string(TrimBothBlanks(Tabs().TabCarreran[static_cast<std::size_t>(at)].view()));
}

QWidget* Panel(QWidget* parent, QRect geometry, QColor colour) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(geometry);
  SetColours(panel, colour, Qt::black);
  panel->hide();
  return panel;
}

QLabel* TitleBar(QWidget* parent, QRect geometry) {
  return ScreenCaption(parent, geometry, Colour(ColourPeach), Colour(ColourMaroon));
}

void DrawImage(QPainter* painter, const PictureList& pictures, QPoint at, int index) {
  if (index >= 0 && index < pictures.count()) painter->drawPixmap(at, pictures.frame(index));
}

void FillCell(QPainter* painter, const QStyleOptionViewItem& option, QColor back) {
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(option.rect, selected ? option.palette.highlight().color() : back);
  painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
}

// listgrados: coral group headings, bulleted degrees, the "+" of local names in coral.
class DegreeGridDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const QRect cell = option.rect;
    const QString text = index.data().toString();
    QFont font = option.font;
    if (index.column() == 1) {
      painter->fillRect(cell, Colour(ColourCream));
      font.setBold(true);
      painter->setFont(font);
      painter->setPen(Colour(ColourCoral));
      painter->drawText(cell, Qt::AlignLeft | Qt::AlignTop, text);
    } else if (index.data(kRowDegreeRole).toInt() == 0) {
      painter->fillRect(cell, Colour(ColourCoral));
      font.setBold(true);
      painter->setFont(font);
      painter->setPen(Qt::white);
      painter->drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    } else {
      FillCell(painter, option, Colour(ColourCream));
      DrawImage(painter, DegreesImageList1(), cell.topLeft() + QPoint(2, 1), kBulletImage);
      painter->setFont(font);
      painter->drawText(cell.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    }
    painter->restore();
  }
};

// GridNotas and ListComunidad: "-" rows as headings, "<" rows with a picture.
class MarkedRowDelegate : public QStyledItemDelegate {
 public:
  // headingFill: ListComunidad fills its headings in coral; GridNotas writes them in maroon bold.
  MarkedRowDelegate(QObject* parent, bool headingFill, std::function<int()> image)
      : QStyledItemDelegate(parent), headingFill_(headingFill), image_(std::move(image)) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const QRect cell = option.rect;
    const QString text = index.data().toString();
    QFont font = option.font;
    if (text.startsWith('-')) {
      if (headingFill_) {
        painter->fillRect(cell, Colour(ColourCoral));
        painter->setPen(Qt::white);
      } else {
        painter->fillRect(cell, Colour(ColourCream));
        painter->setPen(kMaroon);
        font.setBold(true);
      }
      painter->setFont(font);
      painter->drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    } else {
      FillCell(painter, option, Colour(ColourCream));
      painter->setFont(font);
      const int image = image_();
      const bool marked = headingFill_ ? image >= 0 : text.startsWith('<');
      if (marked) {
        DrawImage(painter, DegreesImageList1(), cell.topLeft() + QPoint(2, 1), image);
        painter->drawText(cell.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, headingFill_ ? text : text.mid(1));
      } else {
        painter->drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
      }
    }
    painter->restore();
  }

 private:
  bool headingFill_;
  std::function<int()> image_;
};

// Listramas: the branch picture and its name on a tall row.
class BranchDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    FillCell(painter, option, Colour(ColourCream));
    const QRect cell = option.rect;
    const auto row = static_cast<std::size_t>(std::clamp(index.row(), 0, 5));
    DrawImage(painter, ImageListRamas(), cell.topLeft() + QPoint(10, 1), kBranchImages[row]);
    painter->setFont(option.font);
    painter->drawText(cell.adjusted(65, 10, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 40};
  }
};

// Tree: nodes with children in blue, except those of the second level, the others navy, red under
// the mouse.
class TreeDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const bool secondLevel = index.parent().isValid() && !index.parent().parent().isValid();
    const bool branch = index.model()->hasChildren(index);
    QColor colour = branch && !secondLevel ? kTreeBlue : kTreeNavy;
    if (option->state & QStyle::State_MouseOver) colour = kTreeHot;
    if (option->state & QStyle::State_HasFocus) colour = Qt::white;
    option->palette.setColor(QPalette::Text, colour);
    option->palette.setColor(QPalette::HighlightedText, Qt::white);
  }
};

void SetCell(QTableWidget* grid, int row, int column, const std::string& text, int degree = 0) {
  auto* item = new QTableWidgetItem(ToQString(text));
  item->setData(kRowDegreeRole, degree);
  grid->setItem(row, column, item);
}

}  // namespace

// ---- Creation ---------------------------------------------------------------------------------

void TForm1::LoadFiles() {
  LoadDegreeFiles();
  if (!StartAborted) LoadVocationalFiles();
}

TForm1::TForm1() {
  BuildControls();
  SetTexts();
  Timergrado.setInterval(10);
  Timerfrase.setInterval(10);
  connect(&Timergrado, &QTimer::timeout, this, &TForm1::TimergradoTimer);
  connect(&Timerfrase, &QTimer::timeout, this, &TForm1::TimerfraseTimer);
  SetDoorOpener(kDoorDegrees, [this]() -> QWidget* {
    botinformacionClick();
    return this;
  });
  if (TForm7* stars = StarMap()) stars->OnCommunityChosen = [this](int community) { StarMapCommunityChosen(community); };
  if (TForm6* admission = AdmissionScreen()) admission->ReturnScreen = this;
  if (TFormEstGra* statistics = UniversityStatistics()) statistics->ReturnScreen = this;
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
  SetColours(this, Colour(ColourCream), Qt::black);
  Background->setMouseTracking(true);
  Background->installEventFilter(this);
  BuildMenu();
  BuildTreePanel();
  BuildResultPanel();

  PanelEstrellas = Panel(this, QRect(72, 78, kMapWidth + 20, kMapHeight + 20), Colour(ColourPeach));
  mapa = new QLabel(PanelEstrellas);
  mapa->setGeometry(10, 10, kMapWidth, kMapHeight);
  mapa->setPixmap(QPixmap::fromImage(*Bitmaps().BmpMap));
  mapa->setMouseTracking(true);
  mapa->installEventFilter(this);
  ListComunidad = ScreenList(this, QRect(60, 56, 320, 297));
  ListComunidad->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListComunidad->setItemDelegate(new MarkedRowDelegate(ListComunidad, true, [this] {
    return DegreesMode ? kUniversityImage : DoublesMode ? kBulletImage : -1;
  }));
  connect(ListComunidad, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListComunidadClick(ListComunidad->row(item)); });
  PanelMapa = MakeMapLabel(this);
  BotRetroceder = ScreenButton(this, QText(82), QRect(72, 360, 150, 32));
  BotImprimir = ScreenButton(this, QText(36), QRect(232, 360, 150, 32));
  BotRetroceder->hide();
  BotImprimir->hide();
  connect(BotRetroceder, &QPushButton::clicked, this, &TForm1::BotRetrocederClick);
  connect(BotImprimir, &QPushButton::clicked, this, &TForm1::BotImprimirClick);

  labelCentro = BigScreenLabel(this, ToQString(std::string(TrimBlanks(CentreName)) + " - " + std::string(kSchoolYear)), 712, 15);
  BuildDiagram();
}

void TForm1::BuildMenu() {
  PanelMenu = Panel(this, QRect(90, 32, 265, 366), Colour(ColourPeach));
  const auto item = [this](int slot) {
    auto* button = ScreenButton(PanelMenu, {}, QRect(12, 26 + 50 * slot, 240, 33));
    button->setMouseTracking(true);
    button->installEventFilter(this);
    return button;
  };
  menunuevo1 = item(0);
  menuCarUni3 = item(1);
  BotDobles = item(2);
  Botinfo = item(3);
  Menui4 = item(4);
  menui6 = item(5);
  menui5 = item(6);
  connect(menunuevo1, &QPushButton::clicked, this, &TForm1::menunuevo1Click);
  connect(menuCarUni3, &QPushButton::clicked, this, &TForm1::menuCarUni3Click);
  connect(menui5, &QPushButton::clicked, this, &TForm1::menui5Click);
  connect(BotDobles, &QPushButton::clicked, this, &TForm1::BotDoblesClick);
  connect(menui6, &QPushButton::clicked, this, &TForm1::menui6Click);

  const QRect menu = PanelMenu->geometry();
  PanelMenu2 = Panel(this, QRect(menu.right() + 1, menu.top() + Botinfo->y() - 30, 257, 206), QColor(0xA6, 0xCA, 0xF0));
  PanelMenu2->installEventFilter(this);
  const auto subItem = [](QWidget* panel, int slot) { return ScreenButton(panel, {}, QRect(8, 8 + 39 * slot, 240, 33)); };
  BotMaster = subItem(PanelMenu2, 0);
  botinfo1 = subItem(PanelMenu2, 1);
  ButEstadisticas = subItem(PanelMenu2, 2);
  botinfo2 = subItem(PanelMenu2, 3);
  botinfo3 = subItem(PanelMenu2, 4);
  connect(botinfo1, &QPushButton::clicked, this, &TForm1::botinfo1Click);
  connect(ButEstadisticas, &QPushButton::clicked, this, [this] {
    if (TFormEstGra* statistics = UniversityStatistics()) {
      hide();
      statistics->show();
    }
  });
  connect(botinfo2, &QPushButton::clicked, this, [] {
    if (TForm6* admission = AdmissionScreen()) admission->ShowInformation(0);
  });
  connect(botinfo3, &QPushButton::clicked, this, [] {
    if (TForm6* admission = AdmissionScreen()) admission->ShowInformation(2);
  });
  connect(BotMaster, &QPushButton::clicked, this, &TForm1::BotMasterClick);
  PanelMenu4 = Panel(this, QRect(menu.right() + 1, menu.top() + Menui4->y() - 30, 257, 130), Colour(ColourPeach));
  BotArtesPlas = subItem(PanelMenu4, 0);
  BotMusica = subItem(PanelMenu4, 1);
  BotDanza = subItem(PanelMenu4, 2);
  BotDramatico = subItem(PanelMenu4, 3);
  for (QPushButton* button : {BotArtesPlas, BotMusica, BotDanza, BotDramatico}) button->setFixedHeight(28);
  connect(BotArtesPlas, &QPushButton::clicked, this, &TForm1::BotArtesPlasClick);
  connect(BotMusica, &QPushButton::clicked, this, &TForm1::BotMusicaClick);
  connect(BotDanza, &QPushButton::clicked, this, &TForm1::BotDanzaClick);
  connect(BotDramatico, &QPushButton::clicked, this, &TForm1::BotDramaticoClick);
  for (int i = 1; i < 4; ++i) PanelMenu4->findChildren<QPushButton*>()[i]->move(8, 8 + 30 * i);
}

void TForm1::BuildTreePanel() {
  PanelTree = Panel(this, QRect(45, 30, 410, 617), Colour(ColourPeach));
  Labelgrados = new QLabel(PanelTree);
  Labelgrados->setGeometry(8, 6, 394, 20);
  Labelgrados->setFont(ScreenFont("Arial", 10, true));
  Labelgrados->setAlignment(Qt::AlignCenter);
  SetColours(Labelgrados, Colour(ColourPeach), Colour(ColourMaroon));
  ComboAgru = new QComboBox(PanelTree);
  ComboAgru->setGeometry(8, 30, 394, 26);
  ComboAgru->setFont(ScreenFont("Arial", 10));
  ComboAgru->setCursor(Qt::PointingHandCursor);
  connect(ComboAgru, &QComboBox::activated, this, &TForm1::ComboAgruChange);
  const QRect listArea(8, 62, 394, 505);
  Listramas = ScreenList(PanelTree, listArea);
  Listramas->setItemDelegate(new BranchDelegate(Listramas));
  Listramas->setCursor(Qt::PointingHandCursor);
  connect(Listramas, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListramasClick(Listramas->row(item)); });
  // 375 + 12 would not leave room for the scroll bar inside the panel.
  listgrados = ScreenGrid(PanelTree, listArea, 362, 12, 19);
  listgrados->setItemDelegate(new DegreeGridDelegate(listgrados));
  listgrados->setMouseTracking(true);
  listgrados->viewport()->setMouseTracking(true);
  listgrados->viewport()->installEventFilter(this);
  Tree = new QTreeWidget(PanelTree);
  Tree->setGeometry(listArea);
  Tree->setHeaderHidden(true);
  Tree->setFont(ScreenFont("Arial", 9));
  Tree->setIconSize(QSize(16, 16));
  Tree->setMouseTracking(true);
  Tree->setItemDelegate(new TreeDelegate(Tree));
  SetColours(Tree, Colour(ColourCream), Qt::black);
  Tree->hide();
  // One double click is one choice: Qt reports its second click too, and would also toggle the
  // heading itself.
  Tree->setExpandsOnDoubleClick(false);
  connect(Tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
    const bool endsDoubleClick = treeDoubleClick_.isValid() && treeDoubleClick_.elapsed() < QApplication::doubleClickInterval();
    treeDoubleClick_.invalidate();
    if (!endsDoubleClick) TreeClick(node);
  });
  connect(Tree, &QTreeWidget::itemDoubleClicked, this, [this] { treeDoubleClick_.start(); });
  ButtonRetroN = ScreenButton(PanelTree, {}, QRect(130, 576, 150, 32));
  connect(ButtonRetroN, &QPushButton::clicked, this, &TForm1::ButtonRetroNClick);
}

void TForm1::BuildResultPanel() {
  PanelCarSel = TitleBar(this, QRect(467, 27, 492, 28));
  PanelSelTit = TitleBar(this, QRect(467, 58, 492, 26));
  PanelSel = Panel(this, QRect(467, 86, 492, 505), Colour(ColourPeach));
  panelTops_ = {PanelSel->y(), PanelSelTit->y(), PanelCarSel->y()};
  const QRect results(8, 8, 476, 372);
  ListSel = ScreenList(PanelSel, results);
  listSel2 = ScreenList(PanelSel, results);
  RichSalidas = new QTextBrowser(PanelSel);
  RichSalidas->setGeometry(results);
  RichSalidas->hide();
  GridNotas = ScreenGrid(PanelSel, results, 360, 60, 19);
  GridNotas->setItemDelegate(new MarkedRowDelegate(GridNotas, false, [] { return kBulletImage; }));
  connect(GridNotas, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { GridNotasDblClick(row); });
  const auto degreeButton = [this](int slot) {
    return ScreenButton(PanelSel, {}, QRect(8 + 161 * (slot % 3), 388 + 38 * (slot / 3), 154, 32));
  };
  BotUni = degreeButton(0);
  BotReq = degreeButton(1);
  BotSal = degreeButton(2);
  BotDoblesCar = degreeButton(3);
  BotCorte = degreeButton(4);
  BotPonde = degreeButton(5);
  BotImprimirN = degreeButton(6);
  BotIntUni = degreeButton(7);
  BotArtesTit = degreeButton(0);
  BotArtesEsp = degreeButton(1);
  BotArtesLug = degreeButton(2);
  for (QPushButton* button : DegreeButtons()) button->hide();
  for (QPushButton* button : {BotIntUni, BotArtesTit, BotArtesEsp, BotArtesLug}) button->hide();
  connect(BotUni, &QPushButton::clicked, this, &TForm1::BotUniClick);
  connect(BotReq, &QPushButton::clicked, this, &TForm1::BotReqClick);
  connect(BotSal, &QPushButton::clicked, this, &TForm1::BotSalClick);
  connect(BotDoblesCar, &QPushButton::released, this, &TForm1::BotDoblesCarMouseUp);
  connect(BotImprimirN, &QPushButton::clicked, this, &TForm1::BotImprimirNClick);
  connect(BotCorte, &QPushButton::clicked, this, [this] { OpenAdmission(&TForm6::ShowCutOffs); });
  connect(BotPonde, &QPushButton::clicked, this, [this] { OpenAdmission(&TForm6::ShowWeightings); });
  connect(BotIntUni, &QPushButton::released, this, &TForm1::BotIntUniMouseUp);
  connect(BotArtesTit, &QPushButton::clicked, this, &TForm1::BotArtesTitClick);
  connect(BotArtesEsp, &QPushButton::clicked, this, &TForm1::BotArtesEspClick);
  connect(BotArtesLug, &QPushButton::clicked, this, &TForm1::BotArtesLugClick);
  connect(ListSel, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { ListSelDblClick(ListSel->row(item)); });
  LabelMaster = new QLabel(PanelSel);
  LabelMaster->setGeometry(8, 8, 476, 20);
  LabelMaster->hide();
  LabelMaster2 = new QLabel(ToQString(kTitlesRegister), PanelSel);
  LabelMaster2->setGeometry(8, 30, 476, 20);
  LabelMaster2->setCursor(Qt::PointingHandCursor);
  SetTextColour(LabelMaster2, QColor(0, 0, 0xFF));
  LabelMaster2->installEventFilter(this);
  LabelMaster2->hide();
}

void TForm1::BuildDiagram() {
  PanelGradosT = Panel(this, rect(), Qt::white);
  ImageGrados = new QLabel(PanelGradosT);
  ImageGrados->setGeometry(rect());
  const std::array<QRect, 13> boxes = {
      QRect(250, 100, 720, 30), QRect(250, 200, 220, 50), QRect(250, 255, 105, 30), QRect(365, 255, 105, 30),
      QRect(250, 60, 720, 30),  QRect(770, 200, 200, 50), QRect(30, 300, 150, 60),  QRect(510, 255, 220, 30),
      QRect(510, 200, 220, 50), QRect(30, 470, 150, 60),  QRect(770, 330, 200, 50), QRect(250, 330, 105, 50),
      QRect(365, 330, 105, 50)};
  for (std::size_t i = 0; i < LabelG.size(); ++i) {
    QLabel* label = new QLabel(PanelGradosT);
    label->setGeometry(boxes[i]);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(ScreenFont("Arial", i == 1 || i == 5 || i == 6 || i == 8 || i == 9 || i == 10 ? 12 : 10, true));
    SetColours(label, i == 0 || i == 4 ? Colour(ColourNavy) : Colour(ColourPeach),
               i == 0 || i == 4 ? Qt::white : Colour(ColourMaroon));
    label->setFrameShape(QFrame::Box);
    LabelG[i] = label;
  }
  LabelGT = new QLabel(PanelGradosT);
  LabelGT->setGeometry(200, 150, 22, 420);
  LabelGT->setAlignment(Qt::AlignCenter);
  LabelGT->setWordWrap(true);
  LabelGT->setFont(ScreenFont("Arial", 11, true));
  SetColours(LabelGT, Colour(ColourCoral), Qt::white);
  LabelGTexto = new QLabel(PanelGradosT);
  LabelGTexto->setGeometry(40, 610, 0, 30);
  LabelGTexto->setFont(ScreenFont("Arial", 11, true));
  SetColours(LabelGTexto, Colour(ColourIvory), Colour(ColourNavy));
  for (std::size_t i = 0; i < kDiagramCovers.size(); ++i) {
    PanelMueve[i] = new QWidget(PanelGradosT);
    PanelMueve[i]->setGeometry(kDiagramCovers[i]);
    SetColours(PanelMueve[i], Qt::white, Qt::black);
  }
  BotAvanza = ScreenButton(PanelGradosT, QStringLiteral("→"), QRect(740, 690, 110, 36));
  BotAcabarG = ScreenButton(PanelGradosT, {}, QRect(860, 690, 120, 36));
  connect(BotAvanza, &QPushButton::clicked, this, &TForm1::BotAvanzaClick);
  connect(BotAcabarG, &QPushButton::clicked, this, &TForm1::BotAcabarGClick);
}

void TForm1::SetTexts() {
  const std::array<std::pair<QPushButton*, int>, 28> captions = {{
      {menui5, 82},        {ButtonRetroN, 82},    {BotRetroceder, 82},  {BotImprimir, 36},  {BotImprimirN, 36},
      {menuCarUni3, 503},  {BotDobles, 242},      {BotDoblesCar, 242},  {BotUni, 276},      {BotReq, 277},
      {BotSal, 311},       {ButEstadisticas, 227}, {Menui4, 524},       {BotArtesPlas, 525}, {BotMusica, 526},
      {BotDanza, 527},     {BotDramatico, 528},   {BotArtesTit, 533},   {BotArtesEsp, 534}, {BotArtesLug, 535},
      {menui6, 300},       {menunuevo1, 523},     {botinfo1, 553},      {BotMaster, 551},   {Botinfo, 79},
      {BotPonde, 719},     {BotCorte, 296},       {BotIntUni, 173},
  }};
  for (const auto& [button, line] : captions) button->setText(QText(line));
  botinfo2->setText(ToQString(Text(111) + "  " + Text(178)));
  botinfo3->setText(ToQString(Text(346) + "  " + Text(347)));
  BotIntUni->setToolTip(QText(174));
  LabelMaster->setText(ToQString(Text(535) + " ?"));
  LabelMaster2->setToolTip(QText(174));
  BotAcabarG->setText(QText(222));
  const std::array<int, 13> labels = {502, 522, 0, 0, 552, 550, 466, 0, 551, 485, 550, 0, 0};
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (labels[i] != 0) LabelG[i]->setText(QText(labels[i]));
  LabelG[2]->setText(ToQString(Text(670) + " " + Text(664)));
  LabelG[3]->setText(ToQString(Text(667) + " " + Text(665)));
  LabelG[7]->setText(ToQString(Text(666) + " " + Text(665)));
  LabelG[11]->setText(ToQString(Text(668) + " " + Text(664)));
  LabelG[12]->setText(ToQString(Text(669) + " " + Text(665)));
  std::string vertical;
  for (const char c : TextLine(671)) vertical += std::string(1, c) + " ";
  LabelGT->setText(ToQString(vertical));
}

// The masters button belongs to the information sub-menu and stays there.
std::array<QPushButton*, 7> TForm1::DegreeButtons() const {
  return {BotUni, BotReq, BotSal, BotDoblesCar, BotPonde, BotCorte, BotImprimirN};
}

// ---- Menu -------------------------------------------------------------------------------------

void TForm1::botinformacionClick() { PanelMenu->show(); }

void TForm1::menunuevo1Click() {
  PanelSel->move(PanelSel->x(), panelTops_[0] + 80);
  PanelSelTit->move(PanelSelTit->x(), panelTops_[1] + 80);
  PanelCarSel->move(PanelCarSel->x(), panelTops_[2] + 80);
  RichSalidas->move(RichSalidas->x(), LabelMaster->y());
  DegreesMode = AllDegreesMode = true;
  PanelMenu->hide();
  PanelMenu2->hide();
  PanelMenu4->hide();
  PanelSel->show();
  PanelSelTit->show();
  PanelTree->show();
  Labelgrados->setText(QText(375));
  Listramas->show();
  listgrados->hide();
  Tree->hide();
  ComboAgru->clear();
  for (const int line : {375, 374, 377, 376, 372}) ComboAgru->addItem(QText(line));
  ComboAgru->setCurrentIndex(-1);
  ComboAgru->setPlaceholderText(QText(373));
  Listramas->clear();
  for (int branch = 1; branch <= kBranches; ++branch) Listramas->addItem(ToQString(TrimBothBlanks(BranchName(branch))));
  Listramas->addItem(QText(523));
  BranchListFlag = true;
  GroupViewFlag = false;
}

// The map of Spain, ready for clicks whatever screen used it before.
void TForm1::ShowDegreeMap() {
  DegreeMapBlocked = false;
  PanelEstrellas->show();
}

void TForm1::menuCarUni3Click() {
  JumpPending = false;
  DegreesMode = true;
  AllDegreesMode = OtherStudiesMode = PlasticArtsMode = DoublesMode = false;
  PanelMenu->hide();
  PanelMenu2->hide();
  PanelMenu4->hide();
  ShowDegreeMap();
  PanelSel->show();
  PanelSelTit->show();
  PanelSelTit->clear();
  BotRetroceder->show();
}

void TForm1::menui5Click() {
  PanelMenu->hide();
  PanelMenu2->hide();
  PanelMenu4->hide();
  GoBack();
}

// ---- Views -----------------------------------------------------------------------------------

void TForm1::ComboAgruChange(int view) {
  if (view <= 0) return menunuevo1Click();
  static constexpr std::array<DegreeView, 5> kViews = {DegreeView::Branches, DegreeView::Groups, DegreeView::Activities,
                                                       DegreeView::Itineraries, DegreeView::Alphabetical};
  static constexpr std::array<int, 5> kLines = {375, 374, 377, 376, 372};
  Labelgrados->setText(QText(kLines[static_cast<std::size_t>(view)]));
  ShowTree(kViews[static_cast<std::size_t>(view)]);
}

void TForm1::ShowTree(DegreeView view) {
  listgrados->hide();
  Listramas->hide();
  Tree->show();
  GroupViewFlag = view == DegreeView::Groups;
  BranchListFlag = false;
  Tree->clear();
  RowDegree.clear();
  const PictureList& images = DegreesImageList1();
  QTreeWidgetItem* top = nullptr;
  for (const TreeItem& item : DegreeTree(view)) {
    QTreeWidgetItem* node = item.level == 0 || top == nullptr ? new QTreeWidgetItem(Tree) : new QTreeWidgetItem(top);
    if (item.level == 0) top = node;
    node->setText(0, ToQString(item.text));
    node->setIcon(0, images.frame(item.image));
    node->setData(0, kRowDegreeRole, item.degree);
    RowDegree.push_back(item.degree);
  }
}

void TForm1::ListramasClick(int item) {
  if (item < 0 || item > kAllBranchesItem) return;
  listgrados->show();
  Listramas->hide();
  Tree->hide();
  const std::vector<DegreeRow> rows = BranchDegreeRows(item);
  listgrados->clearContents();
  listgrados->setRowCount(static_cast<int>(rows.size()));
  RowDegree.assign(rows.size(), 0);
  HeadingRow.assign(rows.size(), false);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r);
    SetCell(listgrados, row, 0, rows[r].text, rows[r].degree);
    SetCell(listgrados, row, 1, rows[r].mark, rows[r].degree);
    RowDegree[r] = rows[r].degree;
    HeadingRow[r] = rows[r].heading;
  }
  listgrados->scrollToTop();
  BranchListFlag = false;
  listgrados->setFocus();
}

void TForm1::listgradosMouseUp(int row) {
  if (row < 0 || row >= static_cast<int>(RowDegree.size())) return;
  JumpPending = false;
  SelectDegree(RowDegree[static_cast<std::size_t>(row)]);
}

void TForm1::TreeClick(QTreeWidgetItem* node) {
  if (node == nullptr) return;
  JumpPending = false;
  const bool nested = node->parent() != nullptr;
  const PictureList& images = DegreesImageList1();
  if (GroupViewFlag ? nested || node->childCount() == 0 : nested) node->setIcon(0, images.frame(kImageChosenDegree));
  else if (!GroupViewFlag) node->setIcon(0, images.frame(kImageOpenGroup));
  // A heading opens and closes with one click, which is what a student tries first.
  if (node->childCount() > 0) node->setExpanded(!node->isExpanded());
  const int degree = node->data(0, kRowDegreeRole).toInt();
  if (degree == 0) {
    ListSel->clear();
    RichSalidas->clear();
    HideStarMap();
    PanelSelTit->clear();
    return;
  }
  SelectDegree(degree);
}

void TForm1::SelectDegree(int degree) {
  SelectedDegree = degree;
  ShowDegreeButtons(true);
  PanelSelTit->setText(ToQString(DegreeTitle(degree)));
  BotUniClick();
}

void TForm1::ShowDegreeButtons(bool shown) {
  for (QPushButton* button : DegreeButtons()) button->setVisible(shown);
}

// ---- Where to study ----------------------------------------------------------------------------

void TForm1::BotUniClick() {
  DoublesMode = false;
  if (JumpPending) SelectedDegree = JumpDegree;
  PanelSelTit->setText(ToQString(DegreeTitle(SelectedDegree)));
  RichSalidas->hide();
  if (SelectedDegree == 0) {
    ListSel->clear();
    GridNotas->hide();
    HideStarMap();
    return;
  }
  const DegreeGrid grid = BuildDegreeGrid(SelectedDegree);
  GridNotas->show();
  if (TForm7* stars = StarMap()) stars->ShowStars(CommunityHasOffer, *this);
  if (!InAssistant) GridNotas->setFocus();
  GridRowDegree.assign(grid.lines.size(), 0);
  FillGrid(grid.lines);
}

void TForm1::FillGrid(const std::vector<GridLine>& lines) {
  GridNotas->clearContents();
  GridNotas->setRowCount(static_cast<int>(lines.size()));
  for (std::size_t r = 0; r < lines.size(); ++r) {
    SetCell(GridNotas, static_cast<int>(r), 0, lines[r].name);
    SetCell(GridNotas, static_cast<int>(r), 1, lines[r].mark);
  }
  GridNotas->scrollToTop();
  GridNotas->clearSelection();
}

void TForm1::OpenAdmission(void (TForm6::*panel)()) {
  TForm6* admission = AdmissionScreen();
  if (admission == nullptr) return;
  hide();  // the cut-off and weighting panels take the degrees screen's place
  (admission->*panel)();
}

void TForm1::HideStarMap() {
  if (TForm7* stars = StarMap()) stars->HideStars();
}

void TForm1::StarMapCommunityChosen(int community) {
  if (DoublesMode) {
    ListSel->hide();
    GridNotas->show();
    return FillGrid(DoublesInCommunity(SelectedDegree, community));
  }
  const int row = CommunityFirstRow[static_cast<std::size_t>(std::clamp(community, 0, kRegions))];
  if (row > 0 && row < GridNotas->rowCount()) GridNotas->scrollToItem(GridNotas->item(row, 0), QAbstractItemView::PositionAtTop);
}

void TForm1::mapaMouseMove(int x, int y) {
  if (x < 1 || x > kMapWidth || y < 1 || y > kMapHeight) return;
  const HoverLabel hover = HoverMap(MapKind::Communities, x, y);
  const bool region = MapRegion >= 1 && MapRegion <= kRegions;
  PlaceMapLabel(PanelMapa, {hover.shown, x, y, hover.width, hover.text, region}, mapa);
}

void TForm1::mapaClick() {
  if (MapRegion < 1 || MapRegion > kRegions || DegreeMapBlocked) return;
  const int community = UniversityCommunityOfRegion(MapRegion);
  Places.SelectedCommunity = community;
  PanelMapa->hide();
  if (PlasticArtsMode) {
    PanelSelTit->setText(ToQString(TrimBlanks(Field(Tabs().TabComunida[static_cast<std::size_t>(community)].view(), 3, 53))));
    return ShowListSel(PlasticCentresOfCommunity(community), true);
  }
  const std::vector<CommunityUniversity> universities =
      DoublesMode && !DegreesMode ? DoubleUniversitiesOfCommunity(community) : UniversitiesOfCommunity(community);
  if (universities.empty() && !DegreesMode) return;
  ListRowUniversity.fill(0);
  CommunityListHeading = TrimBlanks(Field(Tabs().TabComunida[static_cast<std::size_t>(community)].view(), 3, 53));
  PanelEstrellas->hide();
  ListComunidad->clear();
  ListComunidad->show();
  if (universities.empty()) {
    ListComunidad->addItem(QText(292));
    return;
  }
  for (std::size_t r = 0; r < universities.size(); ++r) {
    ListRowUniversity[r + 1] = universities[r].university;
    ListComunidad->addItem(ToQString(universities[r].name));
  }
}

void TForm1::ListComunidadClick(int item) {
  if (item < 0 || item >= ListComunidad->count()) return;
  if (!DegreesMode) {
    if (SpecialityList) {
      PanelSelTit->setText(ListComunidad->item(item)->text());
      return ShowListSel(CentresOfSpeciality(item), true);
    }
    if (OtherStudiesMode) return OtherStudyClick(item);
    if (DoublesMode && AllDegreesMode) return DoublesListClick(item);
    return;
  }
  if (item >= kMaxCommunityUniversities) return;
  if (AllDegreesMode) {
    ShowDegreeButtons(true);
    PanelSelTit->setText(ListComunidad->item(item)->text());
    return BotUniClick();
  }
  const int university = ListRowUniversity[static_cast<std::size_t>(item + 1)];
  if (university == 0) return;  // the "no university here" line leads nowhere
  const std::vector<GridLine> rows = UniversityDegreeRows(university);
  UniversityRows = rows;
  GridRowDegree.assign(rows.size(), 0);
  for (std::size_t r = 0; r < rows.size(); ++r) GridRowDegree[r] = rows[r].degree;
  SelectedUniversity = university;
  BotIntUni->show();
  PanelSelTit->setText(ListComunidad->item(item)->text().trimmed());
  PanelSelTit->show();
  ListSel->hide();
  GridNotas->show();
  FillGrid(rows);
  BotImprimir->show();
}

void TForm1::GridNotasDblClick(int row) {
  if (!DegreesMode || AllDegreesMode || row < 0 || row >= static_cast<int>(GridRowDegree.size())) return;
  const int degree = GridRowDegree[static_cast<std::size_t>(row)];
  if (degree == 0) return;
  JumpDegree = degree;
  JumpPending = true;
  AllDegreesMode = true;
  BotRetrocederClick();
  menunuevo1Click();
  for (QPushButton* button : {BotUni, BotReq, BotSal, BotDoblesCar, BotPonde, BotCorte, BotImprimirN}) button->show();
  PanelSelTit->setText(ToQString(DegreeTitle(degree)));
  BotUniClick();
}

void TForm1::BotIntUniMouseUp() {
  if (!IsUniversity(SelectedUniversity)) return;
  OpenWithShell("http://www." + Tabs().TabLugarText[static_cast<std::size_t>(SelectedUniversity)].str());
}

// ---- Back ------------------------------------------------------------------------------------

void TForm1::ButtonRetroNClick() {
  if (!BranchListFlag || !Tree->isHidden()) return menunuevo1Click();
  JumpPending = false;
  PanelTree->hide();
  HideStarMap();
  BotRetrocederClick();
}

void TForm1::BotRetrocederClick() {
  PanelMenu2->hide();
  PanelMenu4->hide();
  const auto hideResults = [this] {
    for (QWidget* control : std::initializer_list<QWidget*>{PanelSel, PanelSelTit, ListSel, GridNotas, BotIntUni, BotImprimir})
      control->hide();
    ListSel->clear();
  };
  if (MastersView) {
    MastersView = false;
    RichSalidas->setGeometry(ListSel->geometry());
    for (QWidget* control : std::initializer_list<QWidget*>{LabelMaster, LabelMaster2, PanelSel, PanelSelTit, RichSalidas,
                                                            BotRetroceder, BotImprimir})
      control->hide();
    PanelMenu->show();
    return;
  }
  PrintCollecting = false;
  PanelSel->move(PanelSel->x(), panelTops_[0]);
  PanelSelTit->move(PanelSelTit->x(), panelTops_[1]);
  PanelCarSel->move(PanelCarSel->x(), panelTops_[2]);
  if (ArtsMode || MusicMode || DanceMode || DramaMode || PlasticArtsMode) {
    ArtsMode = MusicMode = DanceMode = DramaMode = PlasticArtsMode = SpecialityList = false;
    for (QWidget* control : std::initializer_list<QWidget*>{BotImprimirN, BotRetroceder, ListComunidad, BotArtesTit,
                                                            BotArtesEsp, BotArtesLug, PanelCarSel, PanelSel, PanelSelTit, ListSel})
      control->hide();
    ListSel->clear();
  }
  if (DegreesMode) {
    if (!ListComunidad->isHidden() && !AllDegreesMode) {
      ListComunidad->hide();
      ShowDegreeMap();
      return;
    }
    ShowDegreeButtons(false);
    for (QWidget* control : std::initializer_list<QWidget*>{BotIntUni, BotImprimir, ListSel, listSel2, RichSalidas, GridNotas,
                                                            PanelSel, PanelSelTit, PanelCarSel, BotRetroceder, ListComunidad,
                                                            PanelEstrellas, PanelTree})
      control->hide();
    ListSel->clear();
    HideStarMap();
    DegreesMode = false;
    PanelMenu->show();
    return;
  }
  if (DoublesMode && !ListComunidad->isHidden() && !AllDegreesMode) {
    ListComunidad->hide();
    ShowDegreeMap();
    return;
  }
  hideResults();
  if (DoublesMode) {
    DoublesMode = false;
    PanelEstrellas->hide();
    ListComunidad->hide();
    listSel2->hide();
  } else if (OtherStudiesMode) {
    OtherStudiesMode = false;
    ListComunidad->hide();
  } else {
    if (!PanelEstrellas->isHidden()) {
      PanelEstrellas->hide();
      BotRetroceder->hide();
    }
    if (!ListComunidad->isHidden()) {
      ListComunidad->hide();
      ShowDegreeMap();
    }
  }
  PanelMenu->show();
  BotRetroceder->hide();
}

// ---- The explanation diagram -----------------------------------------------------------------

// The diagram's background is painted the first time it is shown: most visits never open it.
void TForm1::PaintDiagramBackground() {
  if (!ImageGrados->pixmap().isNull()) return;
  QImage gradient(size(), QImage::Format_RGB32);
  {
    QPainter painter(&gradient);
    VerticalGradient(painter, gradient.rect(), RGB(0xFF, 0xFF, 0xFF), ColourGreen);
    // The roads of the diagram: Bachillerato to the degree, then master and doctorate.
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
    for (const auto& [from, to] : std::array<std::pair<QPoint, QPoint>, 6>{{{{180, 330}, {250, 225}},
                                                                            {{180, 330}, {250, 355}},
                                                                            {{105, 360}, {105, 470}},
                                                                            {{470, 225}, {510, 225}},
                                                                            {{730, 225}, {770, 225}},
                                                                            {{470, 355}, {770, 355}}}})
      painter.drawLine(from, to);
  }
  ImageGrados->setPixmap(QPixmap::fromImage(gradient));
}

void TForm1::botinfo1Click() {
  PaintDiagramBackground();
  PanelGradosT->setGeometry(rect());
  PanelGradosT->show();
  PanelGradosT->raise();
  PanelMenu2->hide();
  BotAvanza->setEnabled(true);
  // Every showing starts with the whole diagram covered again.
  std::array<DegreeDiagram::Cover, kCoverPanels> covers;
  for (std::size_t i = 0; i < covers.size(); ++i) {
    covers[i] = {kDiagramCovers[i].left(), kDiagramCovers[i].width()};
    PanelMueve[i]->setGeometry(kDiagramCovers[i]);
    PanelMueve[i]->show();
  }
  diagram_ = std::make_unique<DegreeDiagram>(covers);
  LabelGTexto->setText(ToQString(DiagramText(0)));
  LabelGTexto->resize(0, LabelGTexto->height());
  Timergrado.start();
}

void TForm1::TimergradoTimer() {
  if (!diagram_) return Timergrado.stop();
  const DegreeDiagram::Tick tick = diagram_->Step();
  for (int panel = 1; panel <= kCoverPanels; ++panel) {
    QWidget* cover = PanelMueve[static_cast<std::size_t>(panel - 1)];
    const DegreeDiagram::Cover& now = diagram_->cover(panel);
    cover->setGeometry(now.left, cover->y(), now.width, cover->height());
    cover->setVisible(now.width > 0);
  }
  if (tick.finished) {
    Timergrado.stop();
    BotAvanza->setEnabled(false);
  }
  if (!tick.text) return;
  Timergrado.stop();
  LabelGTexto->setText(ToQString(*tick.text));
  LabelGTexto->resize(0, LabelGTexto->height());
  Timerfrase.start();
}

void TForm1::TimerfraseTimer() {
  LabelGTexto->resize(LabelGTexto->width() + 2, LabelGTexto->height());
  if (LabelGTexto->width() > 600) {
    LabelGTexto->resize(kDiagramTextWidth, LabelGTexto->height());
    Timerfrase.stop();
  }
}

void TForm1::BotAvanzaClick() {
  if (!diagram_) return;
  // A student who reads fast moves on: the line still appearing is shown whole first.
  if (Timerfrase.isActive()) LabelGTexto->resize(kDiagramTextWidth, LabelGTexto->height());
  Timerfrase.stop();
  diagram_->Advance();
  Timergrado.start();
}

void TForm1::BotAcabarGClick() {
  Timergrado.stop();
  Timerfrase.stop();
  PanelGradosT->hide();
  BotAvanza->setEnabled(true);
}

// ---- Mouse -----------------------------------------------------------------------------------

void TForm1::UpdateGradosHint(const QPoint& at) {
  const int row = listgrados->rowAt(at.y());
  if (row == hintRow_) return;
  hintRow_ = row;
  HintManager::Instance().HideHint();
  const int degree = row >= 0 && row < static_cast<int>(RowDegree.size()) ? RowDegree[static_cast<std::size_t>(row)] : 0;
  QString hint = ToQString(LocalNamesHint(degree));
  while (hint.endsWith('\n') || hint.endsWith('\r')) hint.chop(1);
  listgrados->setToolTip(hint);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Enter) {
    if (watched == Botinfo || watched == PanelMenu2) {
      PanelMenu2->show();
      PanelMenu4->hide();
    } else if (watched == Menui4) {
      PanelMenu4->show();
      PanelMenu2->hide();
    } else if (watched == menuCarUni3 || watched == BotDobles || watched == menui6) {
      PanelMenu2->hide();
      PanelMenu4->hide();
    }
  }
  if (watched == mapa && type == QEvent::Leave) PanelMapa->hide();
  if (watched == LabelMaster2 && type == QEvent::MouseButtonRelease) OpenWithShell(kTitlesRegister);
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
    return ModuleScreen::eventFilter(watched, event);
  const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (watched == Background && type == QEvent::MouseMove) {
    PanelMapa->hide();
    PanelMenu2->hide();
    PanelMenu4->hide();
  } else if (watched == mapa) {
    if (type == QEvent::MouseMove) mapaMouseMove(at.x() + 1, at.y() + 1);
    else if (type == QEvent::MouseButtonPress) mapaClick();
  } else if (watched == listgrados->viewport()) {
    if (type == QEvent::MouseMove) UpdateGradosHint(at);
    else if (type == QEvent::MouseButtonRelease) {
      const int row = listgrados->rowAt(at.y());
      if (row >= 0) listgradosMouseUp(row);
    }
  }
  return false;
}

void TForm1::hideEvent(QHideEvent* event) {
  HideStarMap();
  ModuleScreen::hideEvent(event);
}

}  // namespace velmora
