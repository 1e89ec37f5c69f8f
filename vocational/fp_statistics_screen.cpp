#include "vocational/fp_statistics_screen.h"

#include <QCloseEvent>
#include <QPainter>
#include <algorithm>
#include <QWheelEvent>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/screen_registry.h"
#include "core/shell.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "vocational/place_model.h"

namespace velmora {
namespace {

TEstadisticas* statisticsScreen = nullptr;

// The national qualifications institute, whose observatory studies the professions and qualifications.
constexpr const char* kObservatory = "https://incual.educacion.gob.es/";
constexpr int kVisibleRows = 15;
constexpr int kBarHeight = 20;
constexpr int kGap = 10;
constexpr int kLeader = 15;
constexpr QColor kNavy(0, 0, 0x80);
constexpr QColor kRed(0xFF, 0, 0);
constexpr QColor kGreen(0, 0x80, 0);
constexpr QColor kYellow(0xFF, 0xFF, 0);

QString QText(int line) { return ToQString(TextLine(line)); }

// A bar from the name column, its leader line, its yellow label box and the label.
void DrawBar(QPainter& p, int right, int top, int length, QColor colour, int box, const QString& label, int inset) {
  // A bar that has just started growing is shorter than the gap before it: it starts empty
  // instead of being drawn backwards.
  const int end = right + std::max(length, kGap);
  p.setPen(Qt::black);
  p.setBrush(colour);
  p.drawRect(QRect(QPoint(right + kGap, top), QPoint(end, top + kBarHeight)));
  p.drawLine(end, top + kBarHeight / 2, end + kLeader, top + kBarHeight / 2);
  p.setBrush(kYellow);
  p.drawRect(QRect(QPoint(end + kLeader, top), QPoint(end + kLeader + box, top + kBarHeight)));
  p.setPen(Qt::black);
  p.drawText(end + kLeader + inset, top + 2 + p.fontMetrics().ascent(), label);
}

}  // namespace

// A paint box showing the 15 rows from its scroll bar's position.
class StatChart : public QWidget {
 public:
  StatChart(QWidget* parent, TEstadisticas* screen, bool comparison)
      : QWidget(parent), screen_(screen), comparison_(comparison) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(ColourPeach));
    TEstadisticas& s = *screen_;
    const bool mine = comparison_ ? s.Current == TEstadisticas::Chart::Comparison
                                  : s.Current != TEstadisticas::Chart::Comparison && s.Current != TEstadisticas::Chart::None;
    if (!mine) return;
    p.setFont(ScreenFont("Arial", 10, true));
    const QFontMetrics metrics = p.fontMetrics();
    const int first = (comparison_ ? s.ScrollBar2 : s.ScrollBar1)->value();
    const int count = comparison_ ? static_cast<int>(s.Comparison.size()) : static_cast<int>(s.Rows.size());
    for (int k = 1; k <= kVisibleRows && first + k - 1 <= count; ++k) {
      const int index = first + k - 2;
      const bool growing = first + k - 1 == s.SelectedRow && s.Growth >= 0;
      if (comparison_) {
        const ComparisonRow& row = s.Comparison[static_cast<std::size_t>(index)];
        const int y = 50 * k - 20;
        const QString name = ToQString(row.name);
        const int x0 = s.NameRight - metrics.horizontalAdvance(name);
        p.setPen(kNavy);
        p.drawText(x0, y + 2 + metrics.ascent(), name);
        ImageListIconos().draw(p, x0 - 33, y - 10, row.picture);
        DrawBar(p, s.NameRight, y - 10, growing ? std::min(s.Growth, row.studentLength) : row.studentLength, kGreen, 50,
                ToQString(row.studentLabel), 3);
        DrawBar(p, s.NameRight, y + 10, growing ? std::min(s.Growth, row.jobLength) : row.jobLength, kRed, 50,
                ToQString(row.jobLabel), 3);
        continue;
      }
      const StatRow& row = s.Rows[static_cast<std::size_t>(index)];
      const int y = 30 * k;
      const QString name = ToQString(row.name);
      const int x0 = s.NameRight - metrics.horizontalAdvance(name);
      p.setPen(row.heading ? kRed : kNavy);
      p.drawText(x0, y + 2 + metrics.ascent(), name);
      if (row.picture >= 0) ImageListIconos().draw(p, x0 - 33, y - 10, row.picture);
      const bool jobs = s.Current == TEstadisticas::Chart::Jobs;
      DrawBar(p, s.NameRight, y, growing ? std::min(s.Growth, row.length) : row.length, kGreen, jobs ? 70 : 50,
              ToQString(row.label), s.Current == TEstadisticas::Chart::Titles ? 6 : 3);
    }
  }

 private:
  TEstadisticas* screen_;
  bool comparison_;
};

TEstadisticas* VocationalStatistics() { return InstanceOrBuilt(statisticsScreen, "TEstadisticas"); }

TEstadisticas::TEstadisticas() {
  SetColours(this, ToQColor(ColourCream), Qt::black);
  ButtonRetroEsta = ScreenButton(this, QText(82), QRect(96, 36, 150, 30));
  connect(ButtonRetroEsta, &QPushButton::clicked, this, &TEstadisticas::ButtonRetroEstaClick);
  LabelInfo2 = new QLabel(QText(43), this);
  LabelInfo2->setGeometry(840, 738, 140, 22);  // below the charts, clear of the captions
  LabelInfo2->setFont(ScreenFont("Arial", 11));
  LabelInfo2->setCursor(Qt::PointingHandCursor);
  SetTextColour(LabelInfo2, QColor(0, 0, 0xFF));
  LabelInfo2->installEventFilter(this);
  LabelEst1 = new QLabel(this);
  LabelEst1->setGeometry(270, 30, 700, 22);
  LabelEst1->setFont(ScreenFont("Arial", 11, true));
  LabelEst2 = new QLabel(this);
  LabelEst2->setGeometry(270, 50, 700, 20);
  LabelEst2->setFont(ScreenFont("Arial", 11));

  PanelEst1 = new QWidget(this);
  PanelEst1->setGeometry(96, 72, 860, 650);
  SetColours(PanelEst1, ToQColor(ColourPeach), Qt::black);
  chart1 = new StatChart(PanelEst1, this, false);
  chart1->setGeometry(0, 0, 830, 620);
  ScrollBar1 = new QScrollBar(Qt::Vertical, PanelEst1);
  ScrollBar1->setGeometry(834, 0, 20, 620);
  LabelExplica3 = new QLabel(QText(233), PanelEst1);
  LabelExplica3->setGeometry(10, 624, 800, 20);
  LabelExplica3->setFont(ScreenFont("Arial", 9));

  PanelEst2 = new QWidget(this);
  PanelEst2->setGeometry(72, 72, 900, 680);
  SetColours(PanelEst2, ToQColor(ColourPeach), Qt::black);
  Chart2 = new StatChart(PanelEst2, this, true);
  Chart2->setGeometry(0, 0, 870, 600);
  ScrollBar2 = new QScrollBar(Qt::Vertical, PanelEst2);
  ScrollBar2->setGeometry(874, 0, 20, 600);
  LabelVerde = new QLabel(QText(400), PanelEst2);
  LabelVerde->setGeometry(30, 606, 300, 20);
  SetColours(LabelVerde, kGreen, Qt::white);
  LabelRojo = new QLabel(QText(401), PanelEst2);
  LabelRojo->setGeometry(340, 606, 300, 20);
  SetColours(LabelRojo, kRed, Qt::white);
  LabelExplica1 = new QLabel(QText(234) + " " + QText(235), PanelEst2);
  LabelExplica1->setGeometry(30, 630, 840, 18);
  LabelExplica2 = new QLabel(QText(236) + " " + QText(237), PanelEst2);
  LabelExplica2->setGeometry(30, 650, 840, 18);
  for (QLabel* label : {LabelExplica1, LabelExplica2}) label->setFont(ScreenFont("Arial", 9));
  PanelEst2->hide();
  LabelInfo2->raise();
  for (QScrollBar* bar : {ScrollBar1, ScrollBar2}) {
    bar->setMinimum(1);
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      chart1->update();
      Chart2->update();
    });
  }
  for (StatChart* chart : {chart1, Chart2}) chart->installEventFilter(this);
  Timer1.setInterval(200);
  Timer2.setInterval(100);
  connect(&Timer1, &QTimer::timeout, this, &TEstadisticas::Timer1Timer);
  connect(&Timer2, &QTimer::timeout, this, &TEstadisticas::Timer2Timer);
  statisticsScreen = this;
}

TEstadisticas::~TEstadisticas() {
  if (statisticsScreen == this) statisticsScreen = nullptr;
}

// Read at the first chart: this screen is created before the degrees screen reads the offer file
// the title chart counts.
void TEstadisticas::LoadStats() {
  if (statsLoaded_) return;
  stats_ = LoadVocationalStats();
  statsLoaded_ = true;
}

void TEstadisticas::Start(Chart chart, int rowCount, int selected) {
  Current = chart;
  SelectedRow = std::clamp(selected, 1, std::max(rowCount, 1));
  Growth = chart == Chart::Jobs ? -1 : 0;
  const bool comparison = chart == Chart::Comparison;
  PanelEst1->setVisible(!comparison);
  PanelEst2->setVisible(comparison);
  QScrollBar* bar = comparison ? ScrollBar2 : ScrollBar1;
  bar->setMaximum(std::max(1, rowCount - (comparison ? 9 : 14)));
  bar->setValue(std::max(1, SelectedRow - (comparison ? 5 : 8)));
  Timer1.stop();
  Timer2.stop();
  (comparison ? Timer2 : Timer1).start();
  chart1->update();
  Chart2->update();
}

void TEstadisticas::labelEstad1Click() {
  LoadStats();
  EmploymentFlag = false;
  Rows = TitleRows(stats_);
  NameRight = 450;
  LabelEst1->setText(QText(228));
  const int title = Places.SelectedTitle;
  const std::string name = title >= 1 && title <= static_cast<int>(stats_.titles.size()) ? stats_.titles[static_cast<std::size_t>(title - 1)] : std::string();
  LabelEst2->setText(QText(325) + ": " + ToQString(name));
  Start(Chart::Titles, static_cast<int>(Rows.size()), title);
}

void TEstadisticas::labelEstad3Click() {
  LoadStats();
  NameRight = 350;
  if (EmploymentFlag) {
    Rows = JobRows(stats_);
    LabelEst1->setText(QText(398) + ": " + ToQString(stats_.source));
    LabelEst2->setText(QText(399));
    return Start(Chart::Jobs, static_cast<int>(Rows.size()), 1);
  }
  Rows = ShareRows(stats_);
  LabelEst1->setText(QText(231));
  const int family = std::clamp(SelectedStatFamily, 1, kStatFamilies);
  LabelEst2->setText(QText(583) + ": " + ToQString(Rows[static_cast<std::size_t>(family - 1)].name));
  Start(Chart::Shares, static_cast<int>(Rows.size()), family);
}

void TEstadisticas::labelEstad4Click() {
  LoadStats();
  EmploymentFlag = false;
  Comparison = ComparisonRows(stats_);
  NameRight = 400;
  LabelEst1->setText(QText(232));
  LabelEst2->clear();
  Start(Chart::Comparison, static_cast<int>(Comparison.size()), std::clamp(SelectedStatFamily, 1, kStatFamilies));
}

void TEstadisticas::Timer1Timer() {
  if (Current == Chart::Jobs || Rows.empty() || Growth < 0) {
    Timer1.stop();
    chart1->update();
    return;
  }
  Grow(Timer1, chart1, Rows[static_cast<std::size_t>(SelectedRow - 1)].length);
}

void TEstadisticas::Timer2Timer() {
  if (Comparison.empty() || Growth < 0) return Timer2.stop();
  const ComparisonRow& row = Comparison[static_cast<std::size_t>(SelectedRow - 1)];
  Grow(Timer2, Chart2, std::max(row.studentLength, row.jobLength));
}

// One tick of the selected bar: it grows until it has passed its full length by 20 pixels,
// then stays full and the timer stops.
void TEstadisticas::Grow(QTimer& timer, QWidget* chart, int fullLength) {
  Growth += GrowthStep(fullLength);
  if (Growth > fullLength + 20) {
    Growth = -1;
    timer.stop();
  }
  chart->update();
}

void TEstadisticas::ButtonRetroEstaClick() {
  Timer1.stop();
  Timer2.stop();
  hide();
  if (ReturnScreen != nullptr) ReturnScreen->show();
}

void TEstadisticas::closeEvent(QCloseEvent* event) {
  event->ignore();
  ButtonRetroEstaClick();
}

bool TEstadisticas::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LabelInfo2) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
      QFont font = LabelInfo2->font();
      font.setUnderline(event->type() == QEvent::Enter);
      LabelInfo2->setFont(font);
    } else if (event->type() == QEvent::MouseButtonRelease) {
      OpenWithShell(kObservatory);
    }
  }
  if ((watched == chart1 || watched == Chart2) && event->type() == QEvent::Wheel) {
    Scroll(watched == Chart2 ? ScrollBar2 : ScrollBar1, static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
  }
  return ModuleScreen::eventFilter(watched, event);
}

void TEstadisticas::wheelEvent(QWheelEvent* event) {
  Scroll(PanelEst2->isHidden() ? ScrollBar1 : ScrollBar2, event->angleDelta().y());
  event->accept();
}

// A trackpad sends small steps: they add up until they make a row.
void TEstadisticas::Scroll(QScrollBar* bar, int angleDelta) {
  constexpr int kStepPerRow = 120;
  wheelRest_ += angleDelta;
  const int rows = wheelRest_ / kStepPerRow;
  wheelRest_ -= rows * kStepPerRow;
  bar->setValue(bar->value() - rows);
}

}  // namespace velmora
