#include "guidance/questionnaires_screen.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/line_loaders.h"
#include "core/navigation.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/result_file.h"
#include "core/screen_controls.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "core/yes_no_dialog.h"
#include "guidance/help_panel.h"
#include "guidance/study_groups.h"
#include "vocational/middle_grade_screen.h"

namespace velmora {
namespace {

constexpr int kFirstRankedLine = 17, kLastRankedLine = 22;
constexpr int kModalityLine = 10, kSecondRankingLine = 25;

QString Caption(int line) { return ToQString(TextLine(line)); }

void HideAll(std::initializer_list<QWidget*> widgets) {
  for (QWidget* widget : widgets) widget->hide();
}

// The answer grid: Enter answers the current row as a click does, without its stars; the
// second click of a quick pair is a click too, as a student clicking on means it.
class AnswerGrid : public QTableWidget {
 public:
  AnswerGrid(TForm2* screen, QWidget* parent) : QTableWidget(0, 3, parent), screen_(screen) {}

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      if (currentRow() >= 0) screen_->GcuestioKeyPress(currentRow() + 1);
      return;
    }
    QTableWidget::keyPressEvent(event);
  }

 private:
  TForm2* screen_;
};

// The results list: maroon sub-lines, the group pictures and, at the top, a frame round the mark.
class ResultsList : public QListWidget {
 public:
  ResultsList(TForm2* screen, QWidget* parent) : QListWidget(parent), screen_(screen) {
    setMouseTracking(true);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    const QModelIndex index = indexAt(event->pos());
    screen_->ListresCuesMouseMove(index.isValid() ? index.row() + 1 : 0);
    QListWidget::mouseMoveEvent(event);
  }
  void leaveEvent(QEvent* event) override {
    screen_->ListresCuesMouseMove(0);
    QListWidget::leaveEvent(event);
  }
  void paintEvent(QPaintEvent* event) override {
    QListWidget::paintEvent(event);
    if (verticalScrollBar()->value() != 0 || count() == 0) return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(ColourMaroon), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(QPoint(0, 20), QPoint(viewport()->width() - 22, 140)), 15, 15);
  }

 private:
  TForm2* screen_;
};

class ResultsDelegate : public QStyledItemDelegate {
 public:
  explicit ResultsDelegate(TForm2* screen) : QStyledItemDelegate(screen), screen_(screen) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override { return {option.rect.width(), 20}; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect r = option.rect;
    painter->fillRect(r, ToQColor(ColourCream));
    const QString text = index.data().toString();
    painter->setFont(option.font);
    painter->setPen(text.startsWith(QStringLiteral("  ")) ? ToQColor(ColourMaroon) : QColor(Qt::black));
    painter->drawText(r.adjusted(24, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    const Questionnaire& q = screen_->State();
    if (q.ShortTestMode) return;
    const int line = index.row() + 1;
    const QuestionnaireResult& result = q.Result;
    int picture = -1, left = 0, right = 20;
    if (line == kModalityLine) {
      picture = StudyGroupPicture(result.FirstModality), left = 50, right = 75;
    } else if (line >= kFirstRankedLine && line <= kLastRankedLine) {
      picture = StudyGroupPicture(result.GroupOrder[static_cast<std::size_t>(line - kFirstRankedLine + 1)]);
    } else if (line == kSecondRankingLine) {
      picture = StudyGroupPicture(result.SecondModality != 0 ? result.SecondModality : result.FirstModality);
    }
    if (picture >= 0) ImageListIconos().draw(*painter, QRect(r.left() + left, r.top(), right - left, r.height()), picture);
  }

 private:
  TForm2* screen_;
};

}  // namespace

// ---- Creation --------------------------------------------------------------------------------

void TForm2::LoadFiles() {
  SharedTables& t = Tabs();
  LoadLineTable(LanguageFolder + "cuestion", t.TabCuestion, t.CountCuestion, 50);
  LoadLineTable(LanguageFolder + "materias", t.TabMaterias, t.CountMaterias, 60);
  LoadLineTable(LanguageFolder + "fps", t.TabFps, t.CountFps, 50);
  // Read again at the width the results use; record 0 keeps the heading the degree lists print.
  const FixedString<60> heading = t.TabItinerar[0];
  LoadLineTable(LanguageFolder + "itinerar", t.TabItinerar, t.CountItinerar, 54);
  if (!heading.empty()) t.TabItinerar[0] = heading;
}

TForm2::TForm2() {
  state_.QuestionCount = std::min(Tabs().CountCuestion, kMaxQuestions);
  groups_ = ReadQuestionGroups(state_.QuestionCount);
  BuildControls();
  SetDoorOpener(kDoorQuestionnaires, [this]() -> QWidget* {
    botCuestio->show();
    BotItinerarios->hide();
    BotLOMCE->hide();
    ArrangeMenu();
    return this;
  });
  SetDoorOpener(kDoorItineraries, [this]() -> QWidget* {
    botCuestio->hide();
    BotItinerarios->show();
    BotLOMCE->show();
    ArrangeMenu();
    return this;
  });
}

void TForm2::BuildControls() {
  SetColours(this, ToQColor(ColourCream), Qt::black);
  const std::string_view centre = TrimBothBlanks(CentreName);
  const int size = centre.size() > 45 ? 16 : centre.size() > 35 ? 18 : centre.size() > 25 ? 20 : 22;
  LabelNom = BigScreenLabel(this, ToQString(centre), 44, size);
  LabelAno = new QLabel(ToQString(std::string(TextLine(175))) + QStringLiteral("\n2015/16"), this);
  LabelAno->setFont(ScreenFont("Arial", 33, true));
  LabelAno->setAlignment(Qt::AlignRight);
  SetTextColour(LabelAno, ToQColor(ColourNavy));
  LabelAno->setGeometry(620, 590, 370, 120);

  PanelMenu = ScreenPanel(this, QRect(40, 420, 270, 280), ToQColor(ColourPeach));
  botCuestio = ScreenButton(PanelMenu, Caption(52), QRect(15, 20, 240, 44));
  BotItinerarios = ScreenButton(PanelMenu, ToQString(std::string(TextLine(21)) + " " + std::string(TextLine(436))),
                                QRect(15, 82, 240, 44));
  BotLOMCE = ScreenButton(PanelMenu, ToQString(std::string(TextLine(437)) + " " + std::string(TextLine(438))),
                          QRect(15, 144, 240, 44));
  BitAcabarLogse = ScreenButton(PanelMenu, Caption(82), QRect(15, 216, 240, 44));
  botCuestio->installEventFilter(this);
  BotItinerarios->installEventFilter(this);
  BitAcabarLogse->installEventFilter(this);
  botCuestio->setMouseTracking(true);

  PanelMenu2 = ScreenPanel(this, QRect(PanelMenu->geometry().right() - 20, 430, 440, 200), ToQColor(ColourPeach));
  BotCuestio1 = ScreenButton(PanelMenu2, Caption(76), QRect(15, 15, 410, 50));
  BotCuestio3 = ScreenButton(PanelMenu2, Caption(91), QRect(15, 75, 410, 50));
  BotCuestio2 = ScreenButton(PanelMenu2, Caption(77), QRect(15, 135, 410, 50));
  BotCuestio1->setToolTip(Caption(3));
  BotCuestio2->setToolTip(Caption(4));
  BotCuestio3->setToolTip(Caption(75));
  PanelMenu2->hide();
  connect(botCuestio, &QPushButton::clicked, this, &TForm2::botCuestioMouseMove);
  connect(BotCuestio1, &QPushButton::clicked, this, &TForm2::BotCuestio1Click);
  connect(BotCuestio2, &QPushButton::clicked, this, &TForm2::BotCuestio2Click);
  connect(BotCuestio3, &QPushButton::clicked, this, &TForm2::BotCuestio3Click);
  connect(BitAcabarLogse, &QPushButton::clicked, this, &TForm2::BitAcabarLogseClick);

  // The help character's strip; the itineraries diagram narrows it to the help panel alone.
  PanelItiner = ScreenPanel(this, QRect(10, 40, 296, 372), ToQColor(ColourPeach));
  payuda = new HelpPanel(PanelItiner);
  payuda->setGeometry(4, 4, 288, 364);
  PanelItiner->hide();

  PanelCuestio = ScreenPanel(this, QRect(316, 40, 698, 720), ToQColor(ColourPeach));
  auto* grid = new AnswerGrid(this, PanelCuestio);
  Gcuestio = grid;
  // The statements are 48 characters; on a desktop whose font runs wider than the layout's,
  // the column grows so none is cut.
  int statementWidth = 335;
  const QFontMetrics metrics(ScreenFont("Arial", 11));
  for (int n = 1; n <= state_.QuestionCount; ++n)
    statementWidth = std::max(statementWidth, metrics.horizontalAdvance(ToQString(TrimBlanks(Field(Tabs().TabCuestion[static_cast<std::size_t>(n)].view(), 3, 48)))) + 12);
  statementWidth = std::min(statementWidth, 420);
  Gcuestio->setGeometry((PanelCuestio->width() - statementWidth - 155) / 2, 12, statementWidth + 155, 636);
  Gcuestio->setColumnWidth(0, statementWidth);
  Gcuestio->setColumnWidth(1, 95);
  Gcuestio->setColumnWidth(2, 35);
  Gcuestio->verticalHeader()->hide();
  Gcuestio->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Gcuestio->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Gcuestio->horizontalHeader()->setFont(ScreenFont("Arial", 10, true));
  Gcuestio->setHorizontalHeaderLabels({Caption(52), Caption(37), QStringLiteral("Not")});
  Gcuestio->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Gcuestio->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Gcuestio->setSelectionBehavior(QAbstractItemView::SelectRows);
  Gcuestio->setSelectionMode(QAbstractItemView::SingleSelection);
  Gcuestio->setFont(ScreenFont("Arial", 11));
  Gcuestio->setCursor(Qt::PointingHandCursor);
  SetColours(Gcuestio, ToQColor(ColourCream), Qt::black);
  connect(Gcuestio, &QTableWidget::cellPressed, this, [this](int row, int) { GcuestioMouseDown(row + 1); });

  auto* results = new ResultsList(this, PanelCuestio);
  ListresCues = results;
  ListresCues->setGeometry(12, 12, 674, 636);
  ListresCues->setItemDelegate(new ResultsDelegate(this));
  ListresCues->setFont(ScreenFont("Courier New", 11));
  ListresCues->setUniformItemSizes(true);
  ListresCues->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListresCues->setSelectionMode(QAbstractItemView::NoSelection);
  SetColours(ListresCues, ToQColor(ColourCream), Qt::black);
  ListresCues->hide();
  connect(ListresCues, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListresCuesClick(ListresCues->row(item) + 1); });

  BotResCues = ScreenButton(PanelCuestio, Caption(45), QRect(12, 664, 170, 40));
  AcabarCues = ScreenButton(PanelCuestio, Caption(222), QRect(194, 664, 130, 40));
  // "Continuar" is the word the short test's result tells the student to press.
  BotContinuar = ScreenButton(PanelCuestio, QStringLiteral("Continuar"),
                              QRect(AcabarCues->geometry().right() + 11, AcabarCues->y() - 4, 150, 44));
  ImpResul = ScreenButton(PanelCuestio, Caption(273), QRect(336, 664, 170, 40));
  grabar = ScreenButton(PanelCuestio, Caption(20), QRect(516, 664, 170, 40));
  HideAll({BotContinuar, ImpResul, grabar});
  connect(BotResCues, &QPushButton::clicked, this, &TForm2::BotResCuesClick);
  connect(AcabarCues, &QPushButton::clicked, this, &TForm2::acabarCuesClick);
  connect(BotContinuar, &QPushButton::clicked, this, &TForm2::BotContinuarClick);
  connect(ImpResul, &QPushButton::clicked, this, &TForm2::ImpResulClick);
  connect(grabar, &QPushButton::clicked, this, &TForm2::grabarClick);
  PanelCuestio->hide();

  PanelCar = ScreenPanel(this, QRect(360, 96, 610, 560), ToQColor(ColourPeach));
  ListCar = ScreenList(PanelCar, QRect(10, 10, 590, 480), 11);
  SetColours(ListCar, ToQColor(ColourIvory), Qt::black);
  ListCar->show();
  BotImpTit = ScreenButton(PanelCar, Caption(36), QRect(10, 504, 200, 40));
  BotCerrar = ScreenButton(PanelCar, Caption(13), QRect(400, 504, 200, 40));
  connect(BotImpTit, &QPushButton::clicked, this, &TForm2::BotImpTitMouseUp);
  connect(BotCerrar, &QPushButton::clicked, this, &TForm2::BotCerrarMouseUp);
  connect(ListCar, &QListWidget::itemClicked, this, &TForm2::BotCerrarMouseUp);
  PanelCar->hide();

  LabelAviso = HintBubble(this, Caption(283));

  BuildDiagramControls();
  // The diagram lies on the floor, under every control.
  DiagramCanvas->lower();
  Background->lower();
}

// The menu's buttons that are shown, one under another, and the panel just tall enough.
void TForm2::ArrangeMenu() {
  int y = 20;
  for (QPushButton* button : {botCuestio, BotItinerarios, BotLOMCE, BitAcabarLogse}) {
    if (button->isHidden()) continue;
    button->move(15, y);
    y += 62;
  }
  PanelMenu->resize(PanelMenu->width(), y);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && (watched == PanelMenu || watched == payuda)) FormClick();
  if (event->type() == QEvent::Enter) {
    if (watched == botCuestio && botCuestio->isEnabled()) botCuestioMouseMove();
    if (watched == BotItinerarios || watched == BitAcabarLogse) HideQuestionnaireChoice();
  }
  return ModuleScreen::eventFilter(watched, event);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  if (Diagram.DiagramActive || Diagram.DiagramStepping) return FormKeyDown(event->key());
  if (event->key() == Qt::Key_Escape && !PanelCar->isHidden()) return BotCerrarMouseUp();
  ModuleScreen::keyPressEvent(event);
}

// ---- Home view -------------------------------------------------------------------------------

void TForm2::botCuestioMouseMove() {
  PanelMenu2->show();
  PanelMenu2->raise();
}

void TForm2::HideQuestionnaireChoice() { PanelMenu2->hide(); }

void TForm2::ShowHelp(int message) { payuda->ShowMessage(HelpMessageLines(message)); }

void TForm2::BotCuestio1Click() { StartQuestionnaireView(false); }
void TForm2::BotCuestio3Click() { StartQuestionnaireView(true); }

void TForm2::StartQuestionnaireView(bool shortTest) {
  StartQuestionnaire(state_, shortTest);
  botCuestio->setEnabled(false);
  HideAll({BotItinerarios, BotLOMCE, PanelMenu2, BitAcabarLogse});
  ArrangeMenu();
  PanelItiner->show();
  PanelCuestio->show();
  PanelCuestio->raise();
  OpenQuestionnaire();
}

void TForm2::BotCuestio2Click() {
  StudentLabel.clear();
  ShowMiddleGradeScreen(true);
}

void TForm2::ShowMiddleGradeScreen(bool hideThis) {
  QWidget* screen = PrepareDoor(kDoorMiddleGrade);
  if (screen == nullptr) return;
  if (auto* middleGrade = qobject_cast<TForm3*>(screen)) middleGrade->BeginQuestionnaire();
  if (hideThis) {
    hide();
  } else {
    // Its back button uncovers this screen, which stays behind it.
    FromContextInfo = true;
  }
  screen->show();
  screen->raise();
  screen->activateWindow();
}

// ---- Opening and closing ---------------------------------------------------------------------

void TForm2::OpenQuestionnaire() {
  ListresCues->hide();
  PanelCuestio->show();
  Gcuestio->show();
  BotResCues->show();
  BotResCues->setText(Caption(45));
  grabar->setText(Caption(20));
  AcabarCues->setText(Caption(222));
  AcabarCues->show();
  BotContinuar->hide();
  state_.ResultsShown = false;
  if (NeedsRestartQuestion(state_)) AnswerRestartQuestion(state_, Form4 != nullptr && Form4->AskQuestion(TextLine(329)));
  ShowHelp(state_.ShortTestPassed ? 30 : 31);

  Gcuestio->setRowCount(state_.ShownQuestions);
  const GridFill fill = FillQuestions(state_);
  if (fill.refilled && !InAssistant) Gcuestio->setFocus();
  for (int n = fill.first; n <= fill.last; ++n) {
    const int row = n - 1;
    Gcuestio->setItem(row, 0, new QTableWidgetItem(ToQString(TrimBlanks(state_.QuestionText[static_cast<std::size_t>(n)].view()))));
    Gcuestio->setItem(row, 1, new QTableWidgetItem());
    Gcuestio->setItem(row, 2, new QTableWidgetItem());
  }
  // The first new question becomes the current row, on top once the grid has laid out its rows.
  if (fill.topRow > 1 && Gcuestio->rowCount() >= fill.topRow) {
    Gcuestio->setCurrentCell(fill.topRow - 1, 0);
    QTimer::singleShot(0, Gcuestio, [grid = Gcuestio, row = fill.topRow - 1] {
      if (QTableWidgetItem* item = grid->item(row, 0)) grid->scrollToItem(item, QAbstractItemView::PositionAtTop);
    });
  }
}

void TForm2::CloseQuestionnaire() {
  botCuestio->show();
  botCuestio->setEnabled(true);
  BitAcabarLogse->show();
  BotContinuar->hide();
  PanelCar->hide();
  PanelMenu2->show();
  PanelMenu->show();
  HideAll({PanelCuestio, PanelItiner, ListresCues, BotResCues, AcabarCues, ImpResul, grabar, LabelAviso});
  ArrangeMenu();
  velmora::CloseQuestionnaire(state_);
  if (InAssistant && state_.ShortTestPassed) GoBack();
}

void TForm2::acabarCuesClick() {
  CloseQuestionnaire();
  if (InAssistant && !isHidden()) GoBack();
}

void TForm2::BotContinuarClick() {
  BotContinuar->hide();
  if (ContinueAfterShortTest(state_)) return OpenQuestionnaire();
  CloseQuestionnaire();
  ShowMiddleGradeScreen(false);
}

void TForm2::BitAcabarLogseClick() {
  TilArr->show();
  if (Diagram.DiagramActive || Diagram.DiagramStepping) EndDiagram();
  PanelMenu2->hide();
  GoBack();
}

// ---- Answering -------------------------------------------------------------------------------

void TForm2::AnswerRow(int row, bool withStars) {
  if (row < 1 || row > state_.ShownQuestions || row > Gcuestio->rowCount()) return;
  const int answer = AnswerQuestion(state_, row);
  const auto labels = AnswerLabelsOf(state_.QuestionKind[static_cast<std::size_t>(row)]);
  if (labels) answerLabels_ = *labels;
  if (answerLabels_.count == 0) return;
  const std::size_t a = static_cast<std::size_t>(std::clamp(answer, 1, answerLabels_.count) - 1);
  if (QTableWidgetItem* cell = Gcuestio->item(row - 1, 1)) cell->setText(Caption(answerLabels_.lines[a]));
  if (withStars)
    if (QTableWidgetItem* cell = Gcuestio->item(row - 1, 2)) cell->setText(ToQString(answerLabels_.stars[a]));
}

void TForm2::GcuestioMouseDown(int row) { AnswerRow(row, true); }
void TForm2::GcuestioKeyPress(int row) { AnswerRow(row, false); }

// ---- Results ---------------------------------------------------------------------------------

void TForm2::BotResCuesClick() {
  if (state_.ResultsShown) {
    PanelCar->hide();
    Gcuestio->show();
    ListresCues->hide();
    LabelAviso->hide();
    BotResCues->setText(Caption(45));
    grabar->hide();
    ImpResul->hide();
    state_.ResultsShown = false;
    return;
  }
  if (!state_.ShortTestMode) ShowHelp(32);
  state_.ResultsShown = true;
  PanelCar->hide();
  PanelMenu->hide();
  Gcuestio->hide();
  ListresCues->show();
  BotResCues->setText(Caption(328));
  ImpResul->setText(Caption(273));
  ShowResults();
}

void TForm2::ShowResults() {
  ListresCues->clear();
  if (state_.ShortTestMode) {
    const ShortTestOutcome outcome = ScoreShortTest(state_, groups_);
    BotContinuar->show();
    BotContinuar->raise();
    ListresCues->setFont(ScreenFont("Courier New", 13 + FontSizeAdjust));
    for (const std::string& line : outcome.lines) ListresCues->addItem(ToQString(line));
    return;
  }
  grabar->show();
  ImpResul->show();
  ScoreFullTest(state_, groups_);
  ListresCues->setFont(ScreenFont("Courier New", 11 + FontSizeAdjust));
  for (const std::string& line : state_.Result.ResultLines) ListresCues->addItem(ToQString(line));
}

void TForm2::ListresCuesMouseMove(int line) {
  const bool overGroup = !state_.ShortTestMode && line >= kFirstRankedLine && line <= kLastRankedLine;
  if (!overGroup) return LabelAviso->hide();
  const QPoint mouse = mapFromGlobal(QCursor::pos());
  LabelAviso->move(mouse.x(), mouse.y() + 17);
  LabelAviso->show();
  LabelAviso->raise();
}

void TForm2::ListresCuesClick(int line) {
  if (state_.ShortTestMode || line < kFirstRankedLine || line > kLastRankedLine) return;
  const int group = state_.Result.GroupOrder[static_cast<std::size_t>(line - kFirstRankedLine + 1)];
  groupLines_ = GroupInformationLines(group);
  ListCar->clear();
  for (const std::string& text : groupLines_) ListCar->addItem(ToQString(text));
  LabelAviso->hide();
  PanelCar->show();
  PanelCar->raise();
}

void TForm2::BotCerrarMouseUp() { PanelCar->hide(); }

void TForm2::BotImpTitMouseUp() {
  if (groupLines_.empty()) return;
  StartPrintLines(groupLines_.front());
  AddPrintLine(std::string(13, ' ') + std::string(TextLine(190)));
  for (std::size_t n = 1; n < groupLines_.size(); ++n) AddPrintLine(groupLines_[n]);
  PrintReportWithDialog(Tabs().PrintLines, Tabs().PrintCount, true, 10);
}

bool TForm2::AskStudentLabel() {
  if (!StudentLabel.empty()) return true;
  if (Form4 == nullptr) return false;
  const std::optional<std::string> name = Form4->AskName(TextLine(339));
  if (!name) return false;
  StudentLabel = StudentLabelFor(*name, state_.CourseYear);
  return true;
}

void TForm2::ImpResulClick() {
  if (!state_.QuestionnaireActive || state_.Result.ResultLines.empty() || !AskStudentLabel()) return;
  const int count = BuildResultReport(state_, StudentLabel.view());
  PrintReportWithDialog(Tabs().PrintLines, count, true, 12);
}

void TForm2::grabarClick() {
  if (!state_.QuestionnaireActive || state_.Result.ResultLines.empty() || !AskStudentLabel()) return;
  const std::optional<std::string> path = AskResultFilePath(StudentLabel.view());
  if (!path) return;
  const int count = BuildResultReport(state_, StudentLabel.view());
  PanelCar->hide();
  if (SaveResultFile(*path, PrintLinesFrom(0, count))) ShowHelp(20);
}

}  // namespace velmora
