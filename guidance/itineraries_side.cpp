// The itineraries side of the questionnaires screen: the diagram drawn step by step, its node
// buttons, the lists they open, the print sheets, and the ways out to the other screens.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/common.h"
#include "core/navigation.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/screen_registry.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "guidance/help_panel.h"
#include "guidance/itineraries_drawing.h"
#include "guidance/questionnaires_screen.h"

namespace velmora {
namespace {

constexpr int kNodeSize = 22;

// The diagram under every control: it draws the steps shown so far, and a click on it advances.
class DiagramLayer : public QWidget {
 public:
  explicit DiagramLayer(TForm2* screen) : QWidget(screen), screen_(screen) {
    setGeometry(screen->rect());
    setFocusPolicy(Qt::StrongFocus);  // any key on the diagram advances it
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const int last = LastPaintedStep(screen_->Diagram);
    if (last < 0) return;
    QPainter painter(this);
    DrawDiagram(painter, last);
  }
  void mousePressEvent(QMouseEvent*) override {
    setFocus();
    screen_->FormClick();
  }
  void keyPressEvent(QKeyEvent* event) override { screen_->FormKeyDown(event->key()); }

 private:
  TForm2* screen_;
};

// A node: a small round button with a white arrow, the way into what can be studied there.
QIcon NodeGlyph() {
  QPixmap glyph(kNodeSize, kNodeSize);
  glyph.fill(Qt::transparent);
  QPainter painter(&glyph);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x80, 0x00, 0x00), 1.5));
  painter.setBrush(QColor(0xF0, 0xA0, 0x30));
  painter.drawEllipse(QRectF(1.5, 1.5, kNodeSize - 3, kNodeSize - 3));
  painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(QPointF(7, 11), QPointF(15, 11));
  painter.drawLine(QPointF(11.5, 7.5), QPointF(15, 11));
  painter.drawLine(QPointF(11.5, 14.5), QPointF(15, 11));
  return QIcon(glyph);
}

}  // namespace

void TForm2::BuildDiagramControls() {
  DiagramCanvas = new DiagramLayer(this);
  const QIcon glyph = NodeGlyph();
  for (int button = 1; button <= kNodeButtons; ++button) {
    auto* node = new QToolButton(this);
    const GridPoint at = DiagramNodes()[static_cast<std::size_t>(button - 1)];
    node->setGeometry(GridX(at.column), GridY(at.row), kNodeSize, kNodeSize);
    node->setIcon(glyph);
    node->setIconSize(QSize(kNodeSize, kNodeSize));
    node->setAutoRaise(true);
    node->setCursor(Qt::PointingHandCursor);
    node->hide();
    connect(node, &QToolButton::clicked, this, [this, button] { b48Click(button); });
    NodeButtons[static_cast<std::size_t>(button)] = node;
  }
  List_Sel = ScreenList(this, QRect(0, 0, 300, 150), 10 + FontSizeAdjust);
  // Lines wider than the pop-up wrap instead of hiding their end.
  List_Sel->setWordWrap(true);
  List_Sel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  List_Sel->setTextElideMode(Qt::ElideNone);
  BotCerrarV = ScreenButton(this, ToQString(TextLine(13)), QRect(0, 0, 62, 20));
  botContextual = ScreenButton(this, ToQString(TextLine(43)), QRect(0, 0, 247, 24));
  SetColours(botContextual, QColor(0xFF, 0xFF, 0x00), ToQColor(ColourNavy));
  botContextual->setAutoFillBackground(true);
  botContextual->setStyleSheet(QStringLiteral("QPushButton{background:#ffff00;color:#000080;border:1px solid #808000;}"
                                              "QPushButton:hover{color:#800000;}"));
  for (QWidget* w : std::initializer_list<QWidget*>{BotCerrarV, botContextual}) w->hide();
  connect(BotCerrarV, &QPushButton::clicked, this, &TForm2::BotCerrarVMouseUp);
  connect(botContextual, &QPushButton::clicked, this, &TForm2::botContextualMouseUp);
  TimerParpadeo.setInterval(200);
  connect(&TimerParpadeo, &QTimer::timeout, this, &TForm2::TimerParpadeoTimer);
  connect(BotItinerarios, &QPushButton::clicked, this, &TForm2::BotItinerariosClick);
  connect(BotLOMCE, &QPushButton::clicked, this, &TForm2::BotLOMCEClick);
  PanelMenu->installEventFilter(this);
  payuda->installEventFilter(this);
}

// ---- Entering and stepping --------------------------------------------------------------------

void TForm2::OpenItineraries() {
  for (QPushButton* button : {botCuestio, BotItinerarios, BotLOMCE, BitAcabarLogse}) button->show();
  ArrangeMenu();
  BotItinerariosClick();
}

void TForm2::BotItinerariosClick() {
  FromContextInfo = false;
  PanelMenu2->hide();
  botCuestio->hide();
  BotItinerarios->setEnabled(false);
  state_.QuestionnaireActive = false;
  Diagram.DiagramStepping = true;
  NodeClicks = 0;
  TilArr->hide();
  LabelNom->hide();
  LabelAno->hide();
  PanelItiner->setGeometry(PanelItiner->x(), PanelItiner->y(), payuda->geometry().right() + 4, PanelItiner->height());
  PanelItiner->show();
  ArrangeMenu();
  for (int button = 1; button <= kNodeButtons; ++button) NodeButtons[static_cast<std::size_t>(button)]->setToolTip(ToQString(NodeHint(button)));
  DiagramCanvas->setFocus();
  FormClick();
}

void TForm2::FormClick() {
  if (OpenAction != 0) CloseNodeList();
  if (!Diagram.DiagramStepping) return;
  const Advance advance = AdvanceDiagram(Diagram);
  if (advance.help != 0) payuda->ShowMessage(DiagramHelpLines(advance.help));
  DiagramCanvas->update();
  if (!advance.showNodes) return;
  for (int button = 1; button <= kNodeButtons; ++button) {
    QToolButton* node = NodeButtons[static_cast<std::size_t>(button)];
    node->show();
    node->raise();
  }
  botCuestio->hide();
  BotItinerarios->show();
  ArrangeMenu();
}

void TForm2::FormKeyDown(int key) {
  if (key == Qt::Key_Escape) {
    PanelCar->hide();
    if (OpenAction != 0) CloseNodeList();
    return;
  }
  if (Diagram.DiagramStepping) FormClick();
}

// ---- Nodes and their lists --------------------------------------------------------------------

void TForm2::b48Click(int button) {
  if (!Diagram.DiagramActive || button < 1 || button > kNodeButtons) return;
  if (OpenAction != 0) return CloseNodeList();
  ++NodeClicks;
  const NodeAction action = NodeActionOf(button);
  switch (action.kind) {
    case NodeActionKind::PrintSheets: return PrintSheet(action.sheet);
    case NodeActionKind::SectionList:
      return ShowNodeList(ActionNumber(button), ListKind::Section, SectionList(action.code));
    case NodeActionKind::SubjectList:
      return ShowNodeList(ActionNumber(button), ListKind::Subject, SubjectList(action.code, SubjectListTitle(button)));
  }
}

void TForm2::ShowNodeList(int actionNumber, ListKind kind, const std::vector<std::string>& items) {
  const ListPopup place = ListPopupPlace(actionNumber, kind, static_cast<int>(items.size()), width(), height());
  List_Sel->clear();
  for (const std::string& text : items) {
    auto* item = new QListWidgetItem(ToQString(text), List_Sel);
    if (text.starts_with(' ')) item->setForeground(ToQColor(ColourMaroon));
  }
  List_Sel->setFont(ScreenFont("Arial", 10 + FontSizeAdjust));
  List_Sel->setGeometry(place.left, place.top, place.width, place.height);
  List_Sel->show();
  List_Sel->raise();
  OpenAction = actionNumber;
  Diagram.ListOpen = true;
  const QRect list = List_Sel->geometry();
  const bool more = kind == ListKind::Section && !InAssistant && OffersMoreInformation(actionNumber);
  if (more) {
    botContextual->setGeometry(list.left(), list.bottom() + 1, list.width() - 53, 24);
    botContextual->show();
    botContextual->raise();
    BotCerrarV->setGeometry(botContextual->geometry().right() + 3, botContextual->y(), 50, 24);
    BlinkTicks_ = 0;
    TimerParpadeo.start();
  } else {
    botContextual->hide();
    BotCerrarV->setGeometry(list.right() - 66, list.bottom() - 23, 62, 20);
  }
  BotCerrarV->show();
  BotCerrarV->raise();
}

void TForm2::CloseNodeList() {
  for (QWidget* w : std::initializer_list<QWidget*>{List_Sel, BotCerrarV, botContextual}) w->hide();
  TimerParpadeo.stop();
  botContextual->setText(ToQString(TextLine(43)));
  OpenAction = 0;
  Diagram.ListOpen = false;
}

void TForm2::BotCerrarVMouseUp() { CloseNodeList(); }

void TForm2::TimerParpadeoTimer() {
  ++BlinkTicks_;
  botContextual->setText(BlinkTicks_ % 2 == 1 && BlinkTicks_ < 8 ? QString() : ToQString(TextLine(43)));
  if (BlinkTicks_ >= 8) TimerParpadeo.stop();
}

void TForm2::botContextualMouseUp() {
  const int action = OpenAction;
  const MoreInformationTarget target = MoreInformationOf(action);
  CloseNodeList();
  if (target.kind == MoreInformation::BranchList) {
    const std::string title(TextLine(target.title));
    return ShowNodeList(action, ListKind::Branch, BranchList(target.branch, title, false));
  }
  const int door = target.kind == MoreInformation::Certificates ? kDoorCertificates
                   : target.kind == MoreInformation::BasicGrade ? kDoorBasicGrade
                   : target.kind == MoreInformation::MiddleGrade ? kDoorMiddleGrade
                                                                 : 0;
  QWidget* screen = door != 0 ? PrepareDoor(door) : nullptr;
  if (screen == nullptr) return;
  FromContextInfo = true;  // its back button uncovers this screen again
  screen->show();
  screen->raise();
  screen->activateWindow();
}

void TForm2::PrintSheet(int sheet) {
  const int last = BuildPrintSheet(sheet);
  if (last > 0) PrintReportColumnsWithDialog(Tabs().PrintLines, last, false);
}

// ---- Leaving ------------------------------------------------------------------------------------

void TForm2::EndDiagram() {
  ResetDiagram(Diagram);
  CloseNodeList();
  BotItinerarios->setEnabled(true);
  for (int button = 1; button <= kNodeButtons; ++button) NodeButtons[static_cast<std::size_t>(button)]->hide();
  PanelItiner->hide();
  payuda->TimerAyuda.stop();
  LabelNom->show();
  LabelAno->show();
  for (QPushButton* button : {botCuestio, BotItinerarios, BotLOMCE, BitAcabarLogse}) button->show();
  ArrangeMenu();
  DiagramCanvas->update();
}

void TForm2::BotLOMCEClick() {
  QWidget* lomce = ScreenNamed("TFlomce");
  if (lomce == nullptr) return;
  hide();
  lomce->show();
  lomce->raise();
  lomce->activateWindow();
}

}  // namespace velmora
