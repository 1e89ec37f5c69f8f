#include "vocational/certificates_screen.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <string>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/display_helpers.h"
#include "core/navigation.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/shell.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "vocational/family_icon_list.h"

namespace velmora {
namespace {

constexpr int kLeft = 40;
constexpr int kListWidth = 440;
constexpr int kRight = 520;
constexpr int kRightWidth = 464;
constexpr int kCaptionTop = 60;
constexpr int kCaptionHeight = 30;
constexpr int kListTop = kCaptionTop + kCaptionHeight + 5;
constexpr int kFamilyRowHeight = 34;
constexpr int kRowHeight = 18;
constexpr int kListsBottom = 690;  // above the buttons
constexpr QRect kLowerPanel(kLeft, 430, kListWidth, 260);

// Icons of the nine families (main menu pictures), by row.
const std::vector<int> kFamilyIcons = {1, 2, 9, 8, 19, 5, 0, 12, 18};

constexpr int kHelpFirstLine = 561;
constexpr int kHelpLines = 7;
constexpr int kHelpTalkingSteps = 8;
constexpr int kHelpLastStep = 15;

QColor Colour(TColor colour) { return ToQColor(colour); }

void Fill(QListWidget* list, const std::vector<CertificateItem>& items) {
  list->clear();
  for (const CertificateItem& item : items) {
    auto* row = new QListWidgetItem(ToQString(item.name), list);
    row->setSizeHint(QSize(0, kRowHeight));
  }
  list->setFixedHeight(kRowHeight * static_cast<int>(items.size()) + 4);
}

QLabel* PanelLabel(QWidget* parent, QRect geometry, bool wrap = false) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setFont(ScreenFont("Arial", 10));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(wrap);
  return label;
}

QWidget* Panel(QWidget* parent, QRect geometry, TColor colour) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(geometry);
  SetColours(panel, Colour(colour), Qt::black);
  panel->hide();
  return panel;
}

// A list heading on its green panel, moved out of sight until the slide brings it in.
QLabel* Heading(QWidget* panel, int line) {
  QLabel* label = PanelLabel(panel, QRect(0, 0, 0, kCaptionHeight));
  label->setText(ToQString(TextLine(line)));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetColours(label, Qt::transparent, Colour(ColourMaroon));
  label->setFixedWidth(QFontMetrics(label->font()).horizontalAdvance(label->text()) + 10);
  return label;
}

// Moves a heading 4 pixels left while its panel is shown and it is right of its stop.
void Slide(QLabel* label, const QWidget* panel, int stop) {
  if (!panel->isHidden() && label->x() > stop) label->move(label->x() - 4, label->y());
}

}  // namespace

TCertifica::TCertifica() {
  BuildControls();
  for (int family = 1; family <= kCertificateFamilies; ++family)
    ListSelFp->addItem(ToQString(Certificates().families[static_cast<std::size_t>(family)].name));
  TimerAyuda.setInterval(300);
  TimerAyu.setInterval(50);
  connect(&TimerAyuda, &QTimer::timeout, this, &TCertifica::TimerAyudaTimer);
  connect(&TimerAyu, &QTimer::timeout, this, &TCertifica::TimerAyuTimer);
  SetDoorOpener(kDoorCertificates, [this]() -> QWidget* {
    HelpStep = 0;
    return this;
  });
}

void TCertifica::BuildControls() {
  PanelSelTit0 = Panel(this, QRect(kLeft, kCaptionTop, kListWidth, kCaptionHeight), ColourLeafGreen);
  PanelSelTit1 = Panel(this, QRect(kLeft, kCaptionTop, kListWidth, kCaptionHeight), ColourLeafGreen);
  PanelSelTit2 = Panel(this, QRect(kRight, kCaptionTop, kRightWidth, kCaptionHeight), ColourLeafGreen);
  LabelTit1 = Heading(PanelSelTit0, 577);
  LabelTit2 = Heading(PanelSelTit1, 578);
  LabelTit3 = Heading(PanelSelTit2, 579);
  PanelSelTit0->show();

  ListSelFp = ScreenList(this, QRect(kLeft, kListTop, kListWidth, kCertificateFamilies * kFamilyRowHeight + 4));
  ListSelFp->setItemDelegate(new FamilyIconDelegate(ListSelFp, kFamilyIcons, kFamilyRowHeight));
  ListSelFp->show();
  ListTitFP = ScreenList(this, QRect(kLeft, kListTop, kListWidth, 4));
  ListFPExpli = ScreenList(this, QRect(kRight, kListTop, kRightWidth, 4));
  for (QListWidget* list : {ListSelFp, ListTitFP, ListFPExpli}) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setMouseTracking(true);
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(this);
    list->viewport()->setCursor(Qt::PointingHandCursor);
  }

  PanelAyuda = Panel(this, kLowerPanel.adjusted(0, 40, 0, -60), ColourPeach);
  chica = new QLabel(PanelAyuda);
  chica->setGeometry(6, 8, 47, 142);
  chica->setScaledContents(true);
  for (int k = 1; k <= kHelpLines; ++k)
    LabelAyu[static_cast<std::size_t>(k)] = PanelLabel(PanelAyuda, QRect(62, 8 + 20 * (k - 1), kListWidth - 70, 20));
  PanelAyuda->show();

  PanelResul = Panel(this, kLowerPanel, ColourPeach);
  const int inner = kLowerPanel.width() - 16;
  LabelTitulo = PanelLabel(PanelResul, QRect(8, 6, inner, 38), true);
  SetColours(LabelTitulo, Qt::transparent, Colour(ColourMaroon));
  LabelReq = PanelLabel(PanelResul, QRect(8, 48, inner, 20));
  LabelReq->setText(ToQString(TextLine(581)));
  LabelRequisitos = PanelLabel(PanelResul, QRect(24, 68, inner - 16, 60), true);
  LabelHor = PanelLabel(PanelResul, QRect(8, 132, 150, 20));
  LabelHor->setText(ToQString(TextLine(582)));
  LabelHoras = PanelLabel(PanelResul, QRect(160, 132, 80, 20));
  LabelDes = PanelLabel(PanelResul, QRect(8, 158, inner, 96), true);

  BotImprimir = ScreenButton(this, ToQString(TextLine(36)), QRect(560, 700, 130, 30));
  BotInternet = ScreenButton(this, QStringLiteral("Internet"), QRect(700, 700, 130, 30));
  BotRetrocederFP = ScreenButton(this, ToQString(TextLine(82)), QRect(860, 700, 130, 30));
  BotImprimir->hide();
  BotInternet->hide();
  connect(BotImprimir, &QPushButton::clicked, this, &TCertifica::BotImprimirClick);
  connect(BotInternet, &QPushButton::released, this, &TCertifica::BotInternetMouseUp);
  connect(BotRetrocederFP, &QPushButton::clicked, this, &TCertifica::BotRetrocederFPClick);
}

void TCertifica::showEvent(QShowEvent* event) {
  ModuleScreen::showEvent(event);
  FormActivate();
}

void TCertifica::closeEvent(QCloseEvent* event) {
  event->ignore();  // closing only leaves the screen; the program goes on
  FormCloseQuery();
}

bool TCertifica::eventFilter(QObject* watched, QEvent* event) {
  const bool move = event->type() == QEvent::MouseMove;
  const bool release = event->type() == QEvent::MouseButtonRelease;
  if (!move && !release) return ModuleScreen::eventFilter(watched, event);
  const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (watched == ListSelFp->viewport()) {
    const int row = ListSelFp->indexAt(at).row();
    move ? ListSelFpMouseMove(row) : ListSelFpMouseUp(row);
  } else if (watched == ListTitFP->viewport()) {
    const int row = ListTitFP->indexAt(at).row();
    move ? ListTitFPMouseMove(row) : ListTitFPMouseUp(row);
  } else if (watched == ListFPExpli->viewport() && release) {
    ListFPExpliMouseUp(ListFPExpli->indexAt(at).row());
  }
  return release;  // the handlers choose the selection themselves
}

// ---- Activation and the help panel ----------------------------------------------------------

void TCertifica::FormActivate() {
  PanelSelTit0->show();
  LabelTit1->move(PanelSelTit0->width(), 0);
  LabelTit2->move(PanelSelTit1->width(), 0);
  LabelTit3->move(PanelSelTit2->width() + 250, 0);
  for (int k = 1; k <= kHelpLines; ++k) LabelAyu[static_cast<std::size_t>(k)]->clear();
  TimerAyuda.start();
}

void TCertifica::TimerAyudaTimer() {
  const int step = ++HelpStep;
  if (step <= kHelpLines) LabelAyu[static_cast<std::size_t>(step)]->setText(ToQString(TextLine(kHelpFirstLine + step)));
  if (step <= kHelpTalkingSteps) {
    PlayKeySound(true);
    chica->setPixmap(MenuImageList1().frame(step - 1));
  }
  if (step < kHelpLastStep) return;
  TimerAyuda.stop();
  HelpStep = 0;
  TimerAyu.start();
}

void TCertifica::TimerAyuTimer() {
  Slide(LabelTit1, PanelSelTit0, 30);
  Slide(LabelTit2, PanelSelTit1, 50);
  Slide(LabelTit3, PanelSelTit2, 80);
  if (!PanelSelTit2->isHidden() && LabelTit3->x() <= 80) TimerAyu.stop();
}

// ---- Families and areas ---------------------------------------------------------------------

void TCertifica::ListSelFpMouseMove(int row) {
  if (Frozen || row < 0) return;
  HotFamily = row;
  ListSelFp->setCurrentRow(row);
}

void TCertifica::ListSelFpMouseUp(int row) {
  if (row < 0 || row >= kCertificateFamilies) return;
  ListSelFp->setCurrentRow(row);
  ChosenFamily = row + 1;
  Frozen = false;
  ShownHeading = 0;
  Headings = AreaHeadings(ChosenFamily);
  Fill(ListTitFP, Headings);
  ListSelFp->hide();
  PanelSelTit0->hide();
  PanelSelTit1->show();
  ListTitFP->show();
  AreaCertificates.clear();
  ListFPExpli->clear();
}

void TCertifica::ListTitFPMouseMove(int row) {
  if (Frozen || row < 0 || row >= static_cast<int>(Headings.size())) return;
  const int heading = Headings[static_cast<std::size_t>(row)].entry;
  if (heading == ShownHeading) return;
  ShownHeading = heading;
  ListTitFP->setCurrentRow(row);
  AreaCertificates = CertificatesOfArea(heading);
  Fill(ListFPExpli, AreaCertificates);
  // Level with the row under the mouse, pulled up when the list would reach the buttons.
  const int rowTop = ListTitFP->y() + ListTitFP->frameWidth() + ListTitFP->visualItemRect(ListTitFP->item(row)).top();
  const int top = std::max(kListTop, std::min(rowTop, kListsBottom - ListFPExpli->height()));
  ListFPExpli->move(kRight, top);
  PanelSelTit2->move(kRight, top - PanelSelTit2->height() + 1);
  PanelSelTit2->show();
  ListFPExpli->show();
  ListFPExpli->raise();
}

void TCertifica::ListTitFPMouseUp(int row) {
  if (row < 0 || row >= static_cast<int>(Headings.size())) return;
  Frozen = !Frozen;
  BotImprimir->show();
  BotInternet->show();
  ListTitFP->setCurrentRow(row);
}

void TCertifica::ListFPExpliMouseUp(int row) {
  if (row < 0 || row >= static_cast<int>(AreaCertificates.size())) return;
  Frozen = false;
  ListFPExpli->setCurrentRow(row);
  const CertificateItem& certificate = AreaCertificates[static_cast<std::size_t>(row)];
  ChosenCertificate = certificate.entry;
  const CertificateDetails details = DetailsOf(ChosenCertificate);
  std::string requirements;
  for (const std::string& level : details.requirements) requirements += level + "\n";
  BotImprimir->show();
  BotInternet->show();
  LabelTitulo->setText(ToQString(certificate.name));
  LabelRequisitos->setText(ToQString(requirements).trimmed());
  LabelHoras->setText(ToQString(details.hours));
  LabelDes->setText(ToQString(details.description));
  PanelResul->show();
  PanelResul->raise();
}

// ---- Printing, the web page and back --------------------------------------------------------

void TCertifica::BotImprimirClick() {
  if (AreaCertificates.empty()) return;
  BuildAreaReport(AreaCertificates);
  PrintReportWithDialog(Tabs().PrintLines, Tabs().PrintCount, false, 12);
}

void TCertifica::BotInternetMouseUp() { OpenWithShell(kCertificatesPage); }

void TCertifica::BotRetrocederFPClick() {
  for (QWidget* control : std::initializer_list<QWidget*>{PanelSelTit1, PanelSelTit2, ListTitFP, ListFPExpli,
                                                           BotImprimir, BotInternet})
    control->hide();
  if (ListSelFp->isHidden()) {
    ListSelFp->show();
    PanelSelTit0->show();
    return;
  }
  PanelResul->hide();
  GoBack();
}

void TCertifica::FormCloseQuery() {
  CloseToCorridor(this, [this] { BotRetrocederFPClick(); });
}

}  // namespace velmora
