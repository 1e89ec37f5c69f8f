#include "guidance/catalogue_screen.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include "core/common.h"
#include "core/navigation.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "vocational/family_icon_list.h"

namespace velmora {
namespace {

const std::vector<int> kFamilyIcons = {31, 2, 1, 32, 9, 3, 28, 33, 34, 0, 18, 37, 36,
                                       19, 7, 12, 35, 38, 39, 21, 16, 40, 14, 41, 8, 42};
constexpr QRect kFamilies(48, 109, 329, 596);
constexpr int kFamilyRowHeight = 30;
constexpr QSize kPanel(425, 257);
constexpr int kHintStart = 300, kHintStop = 100;

// Label and list of each kind: the caption's place, then the list's.
struct ListPlace {
  QPoint caption;
  QRect list;
};
constexpr std::array<ListPlace, kCatalogueLists> kPlaces = {{
    {{442, 78}, {440, 96, 401, 97}},
    {{560, 198}, {560, 216, 377, 89}},
    {{409, 310}, {408, 328, 409, 89}},
    {{530, 424}, {528, 440, 417, 81}},
    {{448, 531}, {450, 552, 415, 81}},
}};
constexpr std::array<CatalogueKind, kCatalogueLists> kKinds = {CatalogueKind::Degree, CatalogueKind::HigherTitle,
                                                              CatalogueKind::MiddleTitle, CatalogueKind::BasicTitle,
                                                              CatalogueKind::Certificate};

QLabel* GreenCaption(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setFont(ScreenFont("Arial", 11));
  label->setAutoFillBackground(true);
  SetColours(label, ToQColor(ColourLeafGreen), ToQColor(ColourMaroon));
  label->adjustSize();
  return label;
}

}  // namespace

TFormCat::TFormCat() {
  BuildControls();
  TimerAyu.setInterval(50);
  connect(&TimerAyu, &QTimer::timeout, this, &TFormCat::TimerAyuTimer);
  SetDoorOpener(kDoorCatalogue, [this]() -> QWidget* { return this; });
}

void TFormCat::BuildControls() {
  SetColours(this, ToQColor(ColourCream), Qt::black);
  Background->installEventFilter(this);

  LabelAyu0 = new QLabel(ToQString(std::string(TextLine(578)) + " " + std::string(TextLine(442))), this);
  LabelAyu0->setFont(ScreenFont("Arial", 11, true));
  SetTextColour(LabelAyu0, ToQColor(ColourNavy));
  LabelAyu0->adjustSize();
  LabelAyu0->move(kHintStart, 59);

  LabelFami = GreenCaption(this, ToQString(TextLine(575)));
  LabelFami->setGeometry(48, 85, 329, 25);
  ListFam = ScreenList(this, kFamilies, 11);
  ListFam->setItemDelegate(new FamilyIconDelegate(ListFam, kFamilyIcons, kFamilyRowHeight));
  ListFam->setCursor(Qt::PointingHandCursor);
  for (int line = 1; line <= kProfessionalFamilies; ++line) ListFam->addItem(ToQString(FamilyNameAt(line)));
  ListFam->show();
  connect(ListFam, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListFamClick(ListFam->row(item)); });

  const std::array<std::string, kCatalogueLists> captions = CatalogueCaptions();
  for (int k = 0; k < kCatalogueLists; ++k) {
    const auto at = static_cast<std::size_t>(k);
    Labels[at] = GreenCaption(this, ToQString(captions[at]));
    Labels[at]->move(kPlaces[at].caption);
    ListCat[at] = ScreenList(this, kPlaces[at].list, 9);
    ListCat[at]->setCursor(Qt::PointingHandCursor);
    ListCat[at]->show();
    connect(ListCat[at], &QListWidget::itemClicked, this, [this, k](QListWidgetItem* item) {
      ListCatClick(k, ListCat[static_cast<std::size_t>(k)]->row(item));
    });
  }
  ListCat[4]->setFrameShape(QFrame::NoFrame);

  panelsel = ScreenPanel(this, QRect(QPoint(kFamilies.right() + 1 + 10, 0), kPanel), ToQColor(ColourCream));
  ListSel = ScreenList(panelsel, QRect(1, 1, 423, 232), 10);
  ListSel->setSelectionMode(QAbstractItemView::NoSelection);
  ListSel->setWordWrap(true);
  ListSel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ListSel->show();
  botcerrar = ScreenButton(panelsel, ToQString(TextLine(13)), QRect(328, 232, 49, 25));
  connect(botcerrar, &QPushButton::clicked, this, &TFormCat::botcerrarClick);
  panelsel->hide();

  // The design's captions, in the program's language.
  BotRetroceder = ScreenButton(this, ToQString(TextLine(82)), QRect(539, 656, 102, 33));
  BotImprimir = ScreenButton(this, ToQString(TextLine(36)), QRect(656, 656, 106, 33));
  for (QPushButton* button : {BotRetroceder, BotImprimir}) button->setFont(ScreenFont("Arial", 11));
  connect(BotRetroceder, &QPushButton::clicked, this, &TFormCat::BotRetrocederMouseUp);
  connect(BotImprimir, &QPushButton::clicked, this, &TFormCat::BotImprimirMouseUp);
}

void TFormCat::showEvent(QShowEvent* event) {
  ModuleScreen::showEvent(event);
  FormActivate();
}

// Every visit the hint slides in again; the chosen family and its lists stay.
void TFormCat::FormActivate() {
  LabelAyu0->move(kHintStart, LabelAyu0->y());
  TimerAyu.start();
}

void TFormCat::TimerAyuTimer() {
  if (LabelAyu0->x() <= kHintStop) {
    TimerAyu.stop();
    return;
  }
  LabelAyu0->move(LabelAyu0->x() - 4, LabelAyu0->y());
}

void TFormCat::ListFamClick(int row) {
  if (row < 0 || row >= kProfessionalFamilies) return;
  FamilyLine = row + 1;
  FamilyKey = FamilyKeyAt(FamilyLine);
  panelsel->hide();
  Lists = CatalogueOfFamily(FamilyKey);
  for (std::size_t k = 0; k < Lists.size(); ++k) {
    ListCat[k]->clear();
    for (const CatalogueItem& item : Lists[k]) ListCat[k]->addItem(ToQString(item.text));
  }
}

void TFormCat::ListCatClick(int list, int row) {
  const auto k = static_cast<std::size_t>(list);
  if (list < 0 || list >= kCatalogueLists || row < 0 || row >= static_cast<int>(Lists[k].size())) return;
  panelsel->hide();
  ListSel->clear();
  for (const CatalogueLine& line : CatalogueInformation(kKinds[k], Lists[k][static_cast<std::size_t>(row)].number, FamilyKey)) {
    auto* item = new QListWidgetItem(ToQString(TrimBlanks(line.text)), ListSel);
    item->setForeground(line.heading ? ToQColor(ColourLabelNormal) : QColor(Qt::black));
    if (line.heading) item->setFont(ScreenFont("Arial", 10, true));
  }
  // Below the first three lists, above the two lower ones.
  const QRect at = ListCat[k]->geometry();
  const int top = list < 3 ? at.bottom() + 1 : at.top() - kPanel.height() - 2;
  panelsel->move(panelsel->x(), top);
  panelsel->show();
  panelsel->raise();
  ListSel->scrollToTop();
}

void TFormCat::botcerrarClick() { panelsel->hide(); }
void TFormCat::degradeMapa2Click() { panelsel->hide(); }

void TFormCat::BotImprimirMouseUp() {
  const int count = BuildCatalogueReport(FamilyNameAt(FamilyLine), Lists);
  PrintReportWithDialog(Tabs().PrintLines, count, false, 12);
}

void TFormCat::BotRetrocederMouseUp() { LeaveModule(this); }

// The close box leaves the catalogue for the corridor without a question.
void TFormCat::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseToCorridor(this, [] {});
}

bool TFormCat::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Background && event->type() == QEvent::MouseButtonPress) degradeMapa2Click();
  return ModuleScreen::eventFilter(watched, event);
}

}  // namespace velmora
