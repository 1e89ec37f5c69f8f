#include "guidance/advice_screen.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTimer>
#include <functional>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/line_loaders.h"
#include "core/navigation.h"
#include "core/platform/platform.h"
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

namespace velmora {
namespace {

constexpr QRgb kChosenColour = 0x800080;

QString Caption(int line) { return ToQString(TextLine(line)); }

void SetButtonTextColour(QPushButton* button, QColor colour) {
  QPalette colours = button->palette();
  colours.setColor(QPalette::ButtonText, colour);
  button->setPalette(colours);
}

// A checklist: a click toggles a statement; Enter toggles the current one.
class ChecklistList : public QListWidget {
 public:
  ChecklistList(QWidget* parent, std::function<void(int)> enter) : QListWidget(parent), enter_(std::move(enter)) {
    setSelectionMode(QAbstractItemView::MultiSelection);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) return enter_(currentRow());
    QListWidget::keyPressEvent(event);
  }

 private:
  std::function<void(int)> enter_;
};

// The result grid: each group's picture at the left of its name.
class ResultDelegate : public QStyledItemDelegate {
 public:
  explicit ResultDelegate(TFormCon* screen) : QStyledItemDelegate(screen), screen_(screen) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect r = option.rect;
    painter->fillRect(r, ToQColor(ColourCream));
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    const bool name = index.column() == 0;
    painter->drawText(r.adjusted(name ? 35 : 5, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    if (!name) return;
    const int group = screen_->Results.order[static_cast<std::size_t>(std::clamp(index.row() + 1, 1, kAdviceGroups))];
    ImageListIconos().draw(*painter, r.left(), r.top(), StudyGroupPicture(group));
  }

 private:
  TFormCon* screen_;
};

class HoverGrid : public QTableWidget {
 public:
  HoverGrid(TFormCon* screen, QWidget* parent) : QTableWidget(kAdviceGroups, 2, parent), screen_(screen) {
    setMouseTracking(true);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    screen_->ListResulMouseMove(event->position().toPoint().y());
    QTableWidget::mouseMoveEvent(event);
  }
  void leaveEvent(QEvent* event) override {
    screen_->ListResulMouseMove(-1);
    QTableWidget::leaveEvent(event);
  }

 private:
  TFormCon* screen_;
};

}  // namespace

// ---- Creation --------------------------------------------------------------------------------

void TFormCon::LoadFiles() {
  SharedTables& t = Tabs();
  LoadLineTable(LanguageFolder + "cualidad", t.TabCualidad, t.CountCualidad, WidthFP);
  LoadLineTable(LanguageFolder + "interes", t.TabInteres, t.CountInteres, WidthFP);
}

TFormCon::TFormCon() {
  const SharedTables& t = Tabs();
  qualityGroups_ = ReadChecklistGroups(Checklist::Qualities, t.CountCualidad);
  interestGroups_ = ReadChecklistGroups(Checklist::Interests, t.CountInteres);
  BuildControls();
  SetDoorOpener(kDoorAdvice, [this]() -> QWidget* { return this; });
}

void TFormCon::BuildControls() {
  SetColours(this, ToQColor(ColourCream), Qt::black);
  labelCentro = BigScreenLabel(this, ToQString(std::string(TrimBothBlanks(CentreName)) + " - 2015/16"), 44, 15);

  PanelMenuCon = ScreenPanel(this, QRect(30, 96, 300, 290), ToQColor(ColourPeach));
  Menucua = ScreenButton(PanelMenuCon, Caption(301), QRect(15, 20, 270, 50));
  MenuGus = ScreenButton(PanelMenuCon, Caption(302), QRect(15, 85, 270, 50));
  MenuMedia = ScreenButton(PanelMenuCon, Caption(303), QRect(15, 150, 270, 50));
  MenuRetroCon = ScreenButton(PanelMenuCon, Caption(82), QRect(15, 225, 270, 50));
  connect(Menucua, &QPushButton::clicked, this, &TFormCon::MenucuaClick);
  connect(MenuGus, &QPushButton::clicked, this, &TFormCon::MenuGusClick);
  connect(MenuMedia, &QPushButton::clicked, this, &TFormCon::MenuMediaClick);
  connect(MenuRetroCon, &QPushButton::clicked, this, &TFormCon::MenuRetroConClick);

  payuda = new HelpPanel(this);
  payuda->setGeometry(30, 396, 300, 364);
  payuda->hide();

  PanelListCon = ScreenPanel(this, QRect(345, 96, 660, 660), ToQColor(ColourCream));
  SetTextColour(PanelListCon, ToQColor(ColourMaroon));
  PanelResCon = ScreenCaption(PanelListCon, QRect(10, 10, 640, 40), ToQColor(ColourLeafGreen), Qt::white, 12);
  PanelResCon->setAutoFillBackground(true);

  const auto checklist = [this](std::function<void(int)> enter) {
    auto* list = new ChecklistList(PanelListCon, std::move(enter));
    list->setGeometry(10, 10, 640, 580);
    list->setFont(ScreenFont("Arial", 11));
    SetColours(list, ToQColor(ColourCream), ToQColor(ColourMaroon));
    list->setCursor(Qt::PointingHandCursor);
    list->hide();
    return list;
  };
  ListCua = checklist([this](int row) { ListCuaKeyPress(row); });
  Listint = checklist([this](int row) { ListintKeyPress(row); });
  connect(ListCua, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListCuaClick(ListCua->row(item)); });

  auto* grid = new HoverGrid(this, PanelListCon);
  ListResul = grid;
  ListResul->setGeometry((660 - 424) / 2, 58, 424, kAdviceGroups * 34 + 4);
  ListResul->horizontalHeader()->hide();
  ListResul->verticalHeader()->hide();
  ListResul->verticalHeader()->setDefaultSectionSize(34);
  ListResul->setColumnWidth(0, 360);
  ListResul->setColumnWidth(1, 60);
  ListResul->setShowGrid(false);
  ListResul->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListResul->setSelectionMode(QAbstractItemView::NoSelection);
  ListResul->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListResul->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListResul->setFont(ScreenFont("Arial", 11));
  ListResul->setItemDelegate(new ResultDelegate(this));
  ListResul->setCursor(Qt::PointingHandCursor);
  SetColours(ListResul, ToQColor(ColourCream), Qt::black);
  ListResul->hide();
  connect(ListResul, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ListResulClick(row); });

  VerResul = ScreenButton(PanelListCon, Caption(287), QRect(10, 604, 150, 42));
  revisa = ScreenButton(PanelListCon, Caption(328), QRect(10, 604, 150, 42));
  acabarCua = ScreenButton(PanelListCon, Caption(511), QRect(170, 604, 150, 42));
  ImpResul = ScreenButton(PanelListCon, QStringLiteral("Imprime"), QRect(330, 604, 150, 42));
  grabar = ScreenButton(PanelListCon, Caption(330), QRect(490, 604, 160, 42));
  for (QPushButton* button : {VerResul, revisa, acabarCua, ImpResul, grabar}) button->hide();
  connect(VerResul, &QPushButton::clicked, this, &TFormCon::VerResulClick);
  connect(revisa, &QPushButton::clicked, this, &TFormCon::revisaClick);
  connect(acabarCua, &QPushButton::clicked, this, &TFormCon::acabarCuaClick);
  connect(ImpResul, &QPushButton::clicked, this, &TFormCon::ImpResulClick);
  connect(grabar, &QPushButton::clicked, this, &TFormCon::grabarClick);
  PanelListCon->hide();

  PanelResul = ScreenPanel(this, QRect(380, 150, 600, 540), ToQColor(ColourPeach));
  ListCarreras = ScreenList(PanelResul, QRect(10, 10, 580, 460), 11);
  SetColours(ListCarreras, ToQColor(ColourIvory), Qt::black);
  ListCarreras->show();
  BotCerrar = ScreenButton(PanelResul, Caption(13), QRect(390, 484, 200, 42));
  connect(BotCerrar, &QPushButton::clicked, this, &TFormCon::BotCerrarClick);
  PanelResul->hide();

  LabelAviso = HintBubble(this, Caption(283));
}

void TFormCon::showEvent(QShowEvent* event) {
  ModuleScreen::showEvent(event);
  // Only when a door or the assistant shows it, not when the desktop restores the window; the
  // question waits until the screen is drawn, so it is not asked over the corridor.
  if (!event->spontaneous()) QTimer::singleShot(0, this, &TFormCon::FormShow);
}

void TFormCon::ShowHelp(int message) { payuda->ShowMessage(AdviceHelpLines(message)); }

// ---- The menu --------------------------------------------------------------------------------

void TFormCon::FormShow() {
  AdviceStudent.clear();
  if (!QualitiesOpened && !InterestsOpened) return;
  if (Form4 == nullptr || !Form4->AskQuestion(TextLine(329))) return;
  for (QPushButton* button : {Menucua, MenuGus, MenuMedia}) {
    button->setFont(ScreenFont("Arial", 10));
    SetButtonTextColour(button, Qt::black);
  }
  if (InAssistant) {
    ListCua->hide();
    Listint->hide();
  }
  QualitiesOpened = InterestsOpened = false;
}

void TFormCon::ShowMenuButtons(QPushButton* only) {
  // The shown buttons stand one under another from the top, the way back a little apart.
  int y = 20;
  for (QPushButton* button : {Menucua, MenuGus, MenuMedia, MenuRetroCon}) {
    button->setVisible(only == nullptr || button == only);
    if (button->isHidden()) continue;
    button->move(15, button == MenuRetroCon ? y + 10 : y);
    y += 65;
  }
  if (only == nullptr) return;
  QFont chosen = ScreenFont("Arial", 10);
  chosen.setItalic(true);
  only->setFont(chosen);
  SetButtonTextColour(only, QColor::fromRgb(kChosenColour));
}

void TFormCon::MenucuaClick() { OpenChecklist(Checklist::Qualities); }
void TFormCon::MenuGusClick() { OpenChecklist(Checklist::Interests); }

void TFormCon::OpenChecklist(Checklist checklist) {
  const bool qualities = checklist == Checklist::Qualities;
  ShowMenuButtons(qualities ? Menucua : MenuGus);
  ShowHelp(qualities ? 4 : 5);
  QualitiesActive = qualities;
  PanelListCon->show();
  VerResul->show();
  acabarCua->show();  // the way back to the menu without asking for a result
  for (QWidget* w : std::initializer_list<QWidget*>{revisa, ListResul, PanelResCon, ImpResul, grabar, PanelResul}) w->hide();
  (qualities ? Listint : ListCua)->hide();
  QListWidget* list = CurrentList();
  bool& opened = qualities ? QualitiesOpened : InterestsOpened;
  if (!opened) {
    const SharedTables& t = Tabs();
    const auto& table = qualities ? t.TabCualidad : t.TabInteres;
    const int count = qualities ? t.CountCualidad : t.CountInteres;
    list->clear();
    for (int n = 1; n <= count; ++n) list->addItem(ToQString(TrimBlanks(table[static_cast<std::size_t>(n)].view())));
    opened = true;
  }
  list->show();
  list->setFocus();
}

void TFormCon::MenuRetroConClick() {
  payuda->hide();
  GoBack();
}

// ---- Ticking ---------------------------------------------------------------------------------

void TFormCon::ListCuaClick(int row) {
  if (row < 0 || row >= ListCua->count() || !ListCua->item(row)->isSelected()) return;
  for (const int below : GradedStepsBelow(Checklist::Qualities, row))
    if (below < ListCua->count()) ListCua->item(below)->setSelected(true);
}

void TFormCon::ToggleRow(QListWidget* list, int row) {
  if (row < 0 || row >= list->count()) return;
  QListWidgetItem* item = list->item(row);
  item->setSelected(!item->isSelected());
}

void TFormCon::ListCuaKeyPress(int row) {
  ToggleRow(ListCua, row);
  ListCuaClick(row);
}

void TFormCon::ListintKeyPress(int row) { ToggleRow(Listint, row); }

// ---- Results ---------------------------------------------------------------------------------

void TFormCon::ShowRanking(const AdviceRanking& ranking, const QString& caption) {
  Results.order = ranking.order;
  PanelResCon->setText(caption);
  PanelResCon->show();
  ListCua->hide();
  Listint->hide();
  for (int row = 0; row < kAdviceGroups; ++row) {
    const std::string& line = ranking.lines[static_cast<std::size_t>(row)];
    ListResul->setItem(row, 0, new QTableWidgetItem(ToQString(TrimBlanks(Field(line, 1, 55)))));
    ListResul->setItem(row, 1, new QTableWidgetItem(ToQString(Field(line, 56, 4))));
  }
  ListResul->show();
}

void TFormCon::VerResulClick() {
  VerResul->hide();
  revisa->show();
  acabarCua->show();
  ShowHelp(6);
  QListWidget* list = CurrentList();
  std::vector<bool>& selected = QualitiesActive ? QualitySelected : InterestSelected;
  selected.assign(static_cast<std::size_t>(list->count()) + 1, false);
  for (int row = 0; row < list->count(); ++row) selected[static_cast<std::size_t>(row) + 1] = list->item(row)->isSelected();
  AdviceMarks& marks = QualitiesActive ? QualityMarks : InterestMarks;
  marks = ChecklistMarks(selected, QualitiesActive ? qualityGroups_ : interestGroups_);
  const AdviceRanking ranking = RankAdviceGroups(marks);
  (QualitiesActive ? Results.qualityLines : Results.interestLines) = ranking.lines;
  ShowRanking(ranking, ToQString(std::string(TextLine(286)) + "    " + std::string(TextLine(QualitiesActive ? 279 : 280))));
}

void TFormCon::revisaClick() {
  revisa->hide();
  VerResul->show();
  ListResul->hide();
  PanelResCon->hide();
  PanelResul->hide();
  CurrentList()->show();
  CurrentList()->setFocus();
}

void TFormCon::acabarCuaClick() {
  ShowMenuButtons(nullptr);
  for (QWidget* w : std::initializer_list<QWidget*>{PanelListCon, PanelResul, LabelAviso}) w->hide();
  for (QPushButton* button : {VerResul, revisa, acabarCua, ImpResul, grabar}) button->hide();
}

void TFormCon::MenuMediaClick() {
  if (!QualitiesOpened || !InterestsOpened) return ShowHelp(18);
  ShowMenuButtons(MenuMedia);
  PanelListCon->show();
  for (QWidget* w : std::initializer_list<QWidget*>{VerResul, revisa, PanelResul}) w->hide();
  for (QPushButton* button : {acabarCua, ImpResul, grabar}) button->show();
  grabar->setText(Caption(330));
  const AdviceRanking ranking = RankAdviceGroups(AverageMarks(QualityMarks, InterestMarks));
  Results.combinedLines = ranking.lines;
  ShowHelp(8);
  ShowRanking(ranking, Caption(288));
}

// ---- A group's studies -----------------------------------------------------------------------

void TFormCon::ListResulClick(int row) {
  if (row < 0 || row >= kAdviceGroups) return;
  ListCarreras->clear();
  for (const std::string& line : GroupStudiesLines(Results.order[static_cast<std::size_t>(row) + 1]))
    ListCarreras->addItem(ToQString(line));
  LabelAviso->hide();
  VerResul->hide();
  PanelResul->show();
  PanelResul->raise();
}

void TFormCon::ListResulMouseMove(int y) {
  if (y < 0 || !PanelResul->isHidden()) return LabelAviso->hide();
  const QPoint pointer = mapFromGlobal(QCursor::pos());
  LabelAviso->move(pointer.x(), ListResul->mapTo(this, QPoint(0, 0)).y() + y + 80);
  LabelAviso->show();
  LabelAviso->raise();
}

void TFormCon::BotCerrarClick() { PanelResul->hide(); }

// ---- The report ------------------------------------------------------------------------------

bool TFormCon::AskStudent() {
  if (Form4 == nullptr) return false;
  const std::optional<std::string> name = Form4->AskName(TextLine(339), AdviceStudent);
  if (!name) return false;
  AdviceStudent = *name;
  return true;
}

void TFormCon::ImpResulClick() {
  if (!AskStudent()) return;
  const int last = BuildAdviceReport(Results, AdviceStudent);
  if (!PrintReportWithDialog(Tabs().PrintLines, last, true, 12)) return;
  if (CurrentPlatform().AskYesNo(std::string(TextLine(274)) + " ??")) {
    const int studies = AppendStudiesReport(Results, 0);
    PrintReportColumnsWithDialog(Tabs().PrintLines, studies, false);
  }
  ShowHelp(17);
}

void TFormCon::grabarClick() {
  if (!AskStudent()) return;
  BuildAdviceReport(Results, AdviceStudent);
  const int last = AppendStudiesReport(Results, kAdviceReportLast);
  const std::optional<std::string> path = AskResultFilePath(AdviceStudent);
  if (!path) return;
  // The results stay on screen: hiding them left an empty panel under its caption. The title
  // line is not saved.
  if (SaveResultFile(*path, PrintLinesFrom(1, last))) ShowHelp(19);
}

}  // namespace velmora
