#include "guidance/professions_screen.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <functional>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/navigation.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "core/yes_no_dialog.h"

namespace velmora {
namespace {

constexpr QRect kSpeechPanel(232, 210, 560, 250);
constexpr int kLongItemHeight = 30;
constexpr int kResultItemHeight = 22;
constexpr QColor kHeadingGreen(0x00, 0x80, 0x00);

QString Caption(int line) { return ToQString(TextLine(line)); }

// A list that reports the row under the mouse as it moves and where a button is released.
class HoverList : public QListWidget {
 public:
  HoverList(QWidget* parent, std::function<void(int)> moved, std::function<void(int)> released)
      : QListWidget(parent), moved_(std::move(moved)), released_(std::move(released)) {
    setMouseTracking(true);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    moved_(row(itemAt(event->position().toPoint())));
    QListWidget::mouseMoveEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QListWidget::mouseReleaseEvent(event);
    released_(row(itemAt(event->position().toPoint())));
  }

 private:
  std::function<void(int)> moved_, released_;
};

// The long statements: each picture at the item's left, the text 30 pixels in and 5 down; the
// kept ones highlighted.
class LongStatementDelegate : public QStyledItemDelegate {
 public:
  explicit LongStatementDelegate(Tprofe* screen) : QStyledItemDelegate(screen), screen_(screen) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const QRect r = option.rect;
    const std::vector<bool>& kept = screen_->Questionnaire.LongSelected();
    const bool selected = index.row() < static_cast<int>(kept.size()) && kept[static_cast<std::size_t>(index.row())];
    painter->fillRect(r, selected ? option.palette.highlight().color() : ToQColor(ColourCream));
    ImageListIconos().draw(*painter, r.left(), r.top(), LongStatementPicture(index.row()), true);
    painter->setFont(option.font);
    painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
    painter->drawText(r.adjusted(30, 5, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kLongItemHeight};
  }

 private:
  Tprofe* screen_;
};

QLabel* PanelLabel(QWidget* parent, QRect geometry, const QString& text, int points, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(ScreenFont("Arial", points, bold));
  label->setWordWrap(true);
  return label;
}

void FillTexts(QListWidget* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(ToQString(item));
}

void FitRows(QListWidget* list, int rows) { list->setFixedHeight(rows * kResultItemHeight + 2); }

}  // namespace

void Tprofe::LoadFiles() { LoadProfessionStatements(); }

Tprofe::Tprofe() : Questionnaire(ProfessionStatementFile(), ProfessionLinkTable()), studies_(BuildProfessionStudies()) {
  BuildControls();
  TimerFrase.setInterval(1);
  TimerAyu.setInterval(50);
  TimerAyu0.setInterval(50);
  connect(&TimerFrase, &QTimer::timeout, this, &Tprofe::TimerFraseTimer);
  connect(&TimerAyu, &QTimer::timeout, this, &Tprofe::TimerAyuTimer);
  connect(&TimerAyu0, &QTimer::timeout, this, &Tprofe::TimerAyu0Timer);
  SetDoorOpener(kDoorProfessions, [this]() -> QWidget* {
    BotCuestioClick();
    return this;
  });
}

Tprofe::~Tprofe() = default;

void Tprofe::BuildControls() {
  SetColours(this, ToQColor(ColourCream), Qt::black);
  Background->setMouseTracking(true);
  Background->installEventFilter(this);
  BigScreenLabel(this, ToQString(std::string(TrimBothBlanks(CentreName)) + " - 2015/16"), 44, 15);

  ListCues = ScreenList(this, QRect(30, 90, 964, 15 * kLongItemHeight + 4), 10);
  ListCues->setItemDelegate(new LongStatementDelegate(this));
  ListCues->setSelectionMode(QAbstractItemView::NoSelection);
  connect(ListCues, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListCuesClick(ListCues->row(item)); });

  PanelFrase = ScreenPanel(this, kSpeechPanel, Qt::white);
  frameRect_ = kSpeechPanel;
  LabelFrase0 = PanelLabel(PanelFrase, QRect(16, 12, 528, 28), {}, 13, true);
  SetTextColour(LabelFrase0, ToQColor(ColourMaroon));
  imageIcono = new QLabel(PanelFrase);
  imageIcono->setGeometry(16, 56, 30, 30);
  LabelFrase = PanelLabel(PanelFrase, QRect(60, 48, 484, 130), {}, 12, false);
  LabelFrase->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  BotSi = ScreenButton(PanelFrase, Caption(141), QRect(300, 196, 110, 36));
  BotNo = ScreenButton(PanelFrase, Caption(140), QRect(426, 196, 110, 36));
  PanelFrase->hide();
  connect(BotSi, &QPushButton::clicked, this, &Tprofe::botSiClick);
  connect(BotNo, &QPushButton::clicked, this, &Tprofe::BotNoClick);

  BotFraRet = ArrowButton(this, QRect(30, 700, 100, 46), false);
  BotFraSig = ArrowButton(this, QRect(140, 700, 100, 46), true);
  connect(BotFraRet, &QPushButton::clicked, this, &Tprofe::BotFraRetClick);
  connect(BotFraSig, &QPushButton::clicked, this, &Tprofe::BotFraSigClick);

  PanelSelTit0 = ScreenPanel(this, QRect(30, 90, 964, 44), ToQColor(ColourPeach));
  LabelTit0 = PanelLabel(PanelSelTit0, QRect(80, 8, 800, 28), {}, 13, true);
  LabelTit0->setWordWrap(false);
  PanelSelTit0->hide();
  ListSel = ScreenList(this, QRect(30, 140, 964, 540), 12);
  ListSel->setSelectionMode(QAbstractItemView::MultiSelection);
  ListSel->setSpacing(3);
  ListSel->setCursor(Qt::PointingHandCursor);
  connect(ListSel, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListSelClick(ListSel->row(item)); });

  BuildResultPanel();
  BotImp = ScreenButton(this, Caption(36), QRect(700, 706, 140, 34));
  BotAcabar = ScreenButton(this, Caption(54), QRect(854, 706, 140, 34));
  BotImp->hide();
  connect(BotImp, &QPushButton::clicked, this, &Tprofe::BotImpClick);
  connect(BotAcabar, &QPushButton::clicked, this, &Tprofe::BotAcabarClick);
}

void Tprofe::BuildResultPanel() {
  PanelResul = ScreenPanel(this, QRect(20, 86, 984, 606), ToQColor(ColourCream));
  PanelResul->setMouseTracking(true);
  PanelResul->installEventFilter(this);
  LabelTitulo = PanelLabel(PanelResul, QRect(20, 10, 560, 30), Caption(648), 14, true);
  SetTextColour(LabelTitulo, ToQColor(ColourMaroon));
  LabelActi = PanelLabel(PanelResul, QRect(0, 50, 560, 40), Caption(642) + " " + Caption(643), 11, true);
  ListResulAct = new HoverList(PanelResul, [this](int row) { ListResulActMouseMove(row); },
                               [this](int row) { ListResulActMouseUp(row); });
  ListResulAct->setGeometry(20, 94, 560, 3 * kResultItemHeight + 2);
  LabelTit1 = PanelLabel(PanelResul, QRect(0, 176, 560, 40), Caption(644), 11, true);
  ListResulProf = new HoverList(PanelResul, [this](int row) { ListResulProfMouseMove(row); },
                                [this](int row) { ListResulProfMouseUp(row); });
  ListResulProf->setGeometry(20, 220, 560, 2 * kResultItemHeight + 2);
  for (QListWidget* list : {ListResulAct, ListResulProf}) {
    list->setFont(ScreenFont("Arial", 11));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setCursor(Qt::PointingHandCursor);
    SetColours(list, Qt::white, Qt::black);
  }
  LabelTitExpli = PanelLabel(PanelResul, QRect(20, 540, 560, 44), Caption(646) + "\n" + Caption(647), 9, false);
  Labeltit2 = PanelLabel(PanelResul, QRect(600, 10, 370, 24), Caption(645), 11, true);
  SetTextColour(Labeltit2, ToQColor(ColourMaroon));
  LabelTit3 = PanelLabel(PanelResul, QRect(600, 36, 370, 44), {}, 11, true);
  ListTit = new QListWidget(PanelResul);
  ListTit->setGeometry(600, 84, 370, 506);
  ListTit->setFont(ScreenFont("Arial", 10));
  ListTit->setSelectionMode(QAbstractItemView::NoSelection);
  ListTit->viewport()->installEventFilter(this);
  ListTit->hide();
  ListResProf = ScreenList(this, QRect(620, 170, 370, 506), 10);
  ListResProf->setSelectionMode(QAbstractItemView::NoSelection);
  PanelResul->hide();
}

// ---- Step 1: the long statements ---------------------------------------------------------------

void Tprofe::BotCuestioClick() {
  ListCues->show();
  ListCues->setCursor(Qt::ForbiddenCursor);
  BotFraSig->show();
  BotFraSig->setEnabled(false);
  BotFraRet->show();
  FillTexts(ListCues, [&] {
    std::vector<std::string> texts;
    for (const LongStatement& statement : ProfessionStatementFile().longStatements) texts.push_back(statement.text);
    return texts;
  }());
  for (QWidget* control : std::initializer_list<QWidget*>{PanelResul, BotImp, ListSel, PanelSelTit0, ListResProf, ListTit})
    control->hide();
  StudentLabel.clear();
  ShowSpeech(Questionnaire.Begin());
}

void Tprofe::botSiClick() { ShowSpeech(Questionnaire.Answer(true)); }
void Tprofe::BotNoClick() { ShowSpeech(Questionnaire.Answer(false)); }

void Tprofe::ShowSpeech(const Speech& speech) {
  ListCues->viewport()->update();
  BotNo->show();
  if (speech.kind == SpeechKind::Hidden) {
    TimerFrase.stop();
    PanelFrase->hide();
    return;
  }
  // The panel opens from a thin strip across its middle.
  PanelFrase->setGeometry(frameRect_.x(), frameRect_.y() + frameRect_.height() / 2, frameRect_.width(), 10);
  PanelFrase->show();
  PanelFrase->raise();
  TimerFrase.start();
  imageIcono->setVisible(speech.kind == SpeechKind::Statement);
  switch (speech.kind) {
    case SpeechKind::Introduction:
      LabelFrase0->setText(Caption(631));
      LabelFrase->setText(Caption(632) + "\n" + Caption(635) + "\n" + Caption(633));
      BotNo->hide();
      break;
    case SpeechKind::Statement:
      LabelFrase0->setText(Caption(626));
      LabelFrase->setText(ToQString(ProfessionStatementFile().longStatements[static_cast<std::size_t>(speech.statement)].text));
      imageIcono->setPixmap(ImageListIconos().frame(LongStatementPicture(speech.statement)));
      ListCues->scrollToItem(ListCues->item(speech.statement));
      break;
    case SpeechKind::End:
      LabelFrase0->setText(Caption(639));
      LabelFrase->setText(speech.selectedCount < 4 ? Caption(637) + " " + Caption(636)
                                                    : Caption(634) + " " + Caption(635) + " " + Caption(636));
      BotNo->hide();
      ListCues->setCursor(Qt::PointingHandCursor);
      BotFraSig->setEnabled(true);
      break;
    case SpeechKind::Hidden:
      break;
  }
}

void Tprofe::TimerFraseTimer() {
  QRect r = PanelFrase->geometry();
  if (r.height() < frameRect_.height()) r.setHeight(std::min(frameRect_.height(), r.height() + 10));
  if (r.y() > frameRect_.y()) r.moveTop(std::max(frameRect_.y(), r.y() - 5));
  PanelFrase->setGeometry(r);
  if (r == frameRect_) TimerFrase.stop();
}

void Tprofe::ListCuesClick(int row) {
  Questionnaire.ToggleLongStatement(row);
  ListCues->viewport()->update();
}

// ---- Steps 2 and 3: the pages and the final review ---------------------------------------------

void Tprofe::BotFraSigClick() {
  switch (Questionnaire.Next(!ListSel->isHidden() ? SelectedRows(ListSel) : std::vector<int>{})) {
    case NextAction::EndAgain:
      ShowSpeech(Questionnaire.CurrentSpeech());
      return;
    case NextAction::ShowPage:
      TimerFrase.stop();
      PanelFrase->hide();
      if (Questionnaire.CurrentPage() == 1) SlideTitle(629);
      ShowListed(true);
      return;
    case NextAction::ShowReview:
      SlideTitle(630);
      ShowListed(false);
      return;
    case NextAction::ShowResult:
      hoveredProfession_ = hoveredActivity_ = -1;
      ShowResult();
      return;
  }
}

void Tprofe::BotFraRetClick() {
  switch (Questionnaire.Back(!ListSel->isHidden() ? SelectedRows(ListSel) : std::vector<int>{}, !PanelResul->isHidden())) {
    case BackAction::HideResult:
      for (QWidget* control : std::initializer_list<QWidget*>{PanelResul, BotImp, ListResProf, ListTit}) control->hide();
      BotFraSig->show();
      return;
    case BackAction::ShowPage:
      BotFraSig->show();
      SlideTitle(629);
      ShowListed(true);
      return;
    case BackAction::ShowLongStatements:
      BotFraSig->show();
      ListSel->hide();
      PanelSelTit0->hide();
      ListCues->show();
      ListCues->viewport()->update();
      return;
  }
}

void Tprofe::ShowListed(bool reselect) {
  const ProfessionStatements& file = ProfessionStatementFile();
  ListSel->clear();
  for (const int statement : Questionnaire.ListedStatements())
    if (statement >= 1 && statement <= static_cast<int>(file.shortStatements.size()))
      ListSel->addItem(ToQString(file.shortStatements[static_cast<std::size_t>(statement - 1)].text));
    else
      ListSel->addItem(QString());
  if (reselect)
    for (const int row : Questionnaire.StoredPicks())
      if (row < ListSel->count()) ListSel->item(row)->setSelected(true);
  ListSel->show();
  ListCues->hide();
}

void Tprofe::ListSelClick(int row) {
  const std::vector<int> keep = Questionnaire.Pick(row, SelectedRows(ListSel));
  for (int i = 0; i < ListSel->count(); ++i) ListSel->item(i)->setSelected(std::ranges::find(keep, i) != keep.end());
}

void Tprofe::SlideTitle(int line) {
  LabelTit0->setText(Caption(line));
  LabelTit0->adjustSize();
  LabelTit0->move(PanelSelTit0->width() - 80, LabelTit0->y());
  PanelSelTit0->show();
  TimerAyu0.start();
}

void Tprofe::TimerAyu0Timer() {
  LabelTit0->move(LabelTit0->x() - 4, LabelTit0->y());
  if (LabelTit0->x() <= 80) TimerAyu0.stop();
}

// ---- The result ----------------------------------------------------------------------------------

void Tprofe::ShowResult() {
  const ProfessionsResult& result = Questionnaire.Result();
  PanelResul->show();
  PanelResul->raise();
  BotImp->show();
  LabelActi->move(PanelResul->width() / 2, LabelActi->y());
  LabelTit1->move(PanelResul->width() / 3, LabelTit1->y());
  ayuTicks_ = 0;
  TimerAyu.start();
  const std::vector<std::string> activities = ActivityItems(result);
  FillTexts(ListResulAct, activities);
  FitRows(ListResulAct, 3);
  ListTit->clear();
  ListResProf->clear();
  LabelTit3->clear();
  const std::vector<std::string> professions = ProfessionItems(result);
  FillTexts(ListResulProf, professions);
  FitRows(ListResulProf, std::min(static_cast<int>(professions.size()), 13));
  if (activities.size() > 1) ListResulAct->setCurrentRow(1);
  if (professions.size() > 1) ListResulProf->setCurrentRow(1);
}

void Tprofe::TimerAyuTimer() {
  ++ayuTicks_;
  if (LabelTit1->x() > 20) LabelTit1->move(LabelTit1->x() - 4, LabelTit1->y());
  if (ayuTicks_ <= 70) return;
  LabelActi->move(LabelActi->x() - 4, LabelActi->y());
  if (LabelActi->x() <= 20) TimerAyu.stop();
}

void Tprofe::ListResulProfMouseMove(int row) {
  if (HoverLocked || row < 1 || row == hoveredProfession_) return;
  hoveredProfession_ = row;
  ListResulProf->setCurrentRow(row);
  LabelTit3->setText(ListResulProf->item(row)->text());
  ListTit->clear();
  const int profession = Questionnaire.Result().professions[static_cast<std::size_t>(row - 1)];
  for (const StudyLine& line : StudyLinesOf(*studies_, profession)) {
    auto* item = new QListWidgetItem(ToQString(line.text), ListTit);
    item->setForeground(line.heading ? kHeadingGreen : QColor(Qt::black));
    if (line.heading) item->setFont(ScreenFont("Arial", 10, true));
  }
  ListResProf->hide();
  ListTit->show();
}

void Tprofe::ListResulActMouseMove(int row) {
  if (HoverLocked || row < 1 || row == hoveredActivity_) return;
  hoveredActivity_ = row;
  ListResulAct->setCurrentRow(row);
  FillTexts(ListResProf, ActivityProfessionItems(Questionnaire.Result(), row));
  ListTit->hide();
  ListResProf->show();
  ListResProf->raise();
}

void Tprofe::ListResulProfMouseUp(int row) {
  HoverLocked = !HoverLocked;
  if (row >= 0) ListResulProf->setCurrentRow(row);
}

void Tprofe::ListResulActMouseUp(int row) {
  HoverLocked = !HoverLocked;
  if (row >= 0) ListResulAct->setCurrentRow(row);
}

void Tprofe::PanelResulMouseMove() { HoverLocked = false; }

void Tprofe::degradeMapa2MouseMove() {
  ListTit->hide();
  ListResProf->hide();
  hoveredProfession_ = hoveredActivity_ = -1;
}

bool Tprofe::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && watched == PanelResul) PanelResulMouseMove();
  if (event->type() == QEvent::MouseMove && watched == Background) degradeMapa2MouseMove();
  if (event->type() == QEvent::MouseButtonPress && watched == ListTit->viewport()) ListTitMouseDown();
  return ModuleScreen::eventFilter(watched, event);
}

// ---- Printing and leaving ------------------------------------------------------------------------

void Tprofe::BotImpClick() {
  if (Form4 == nullptr) return;
  const std::optional<std::string> name = Form4->AskName(TextLine(339), StudentLabel.view());
  if (!name) return;
  StudentLabel = *name;
  const int count = BuildProfessionsReport(Questionnaire.Result(), *studies_, StudentLabel.view());
  PrintReportWithDialog(Tabs().PrintLines, count, false, 12);
}

bool Tprofe::AskToLeave(bool withHint) {
  if (Form4 == nullptr) return true;
  return withHint ? Form4->AskTwoLines(TextLine(649), TextLine(650)) : Form4->AskQuestion(TextLine(649));
}

void Tprofe::Leave() {
  TimerFrase.stop();
  TimerAyu.stop();
  TimerAyu0.stop();
  for (QWidget* control : std::initializer_list<QWidget*>{PanelResul, BotImp, ListSel, PanelSelTit0, ListCues, ListResProf, PanelFrase})
    control->hide();
  LeaveModule(this);
}

void Tprofe::BotAcabarClick() {
  if (InAssistant || AskToLeave(false)) Leave();
}

void Tprofe::ListTitMouseDown() {
  if (AskToLeave(true)) Leave();
}

void Tprofe::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (AskToLeave(false)) Leave();
}

}  // namespace velmora
