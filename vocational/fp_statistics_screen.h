// The vocational-training statistics screen: scrollable bar charts of the centres of each
// higher-grade title, the families' shares of students and of jobs, and their comparison, with
// the selected row's bar growing into place. The higher-grade screen opens it.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <vector>

#include "core/module_screen.h"
#include "vocational/vocational_charts.h"

namespace velmora {

class StatChart;

class TEstadisticas : public ModuleScreen {
  Q_OBJECT

 public:
  TEstadisticas();
  ~TEstadisticas() override;

  void labelEstad1Click();  // centres of each title
  void labelEstad3Click();  // shares of students, or jobs with EmploymentFlag
  void labelEstad4Click();  // comparison
  void Timer1Timer();
  void Timer2Timer();
  void ButtonRetroEstaClick();

  enum class Chart { None, Titles, Shares, Jobs, Comparison };
  Chart Current = Chart::None;
  std::vector<StatRow> Rows;
  std::vector<ComparisonRow> Comparison;
  int SelectedRow = 1;  // 1-based
  int Growth = 0;       // the selected bar's drawn length while it grows; -1 when full
  int NameRight = 450;

  QWidget *PanelEst1 = nullptr, *PanelEst2 = nullptr;
  StatChart *chart1 = nullptr, *Chart2 = nullptr;
  QScrollBar *ScrollBar1 = nullptr, *ScrollBar2 = nullptr;
  QLabel *LabelEst1 = nullptr, *LabelEst2 = nullptr, *LabelExplica1 = nullptr, *LabelExplica2 = nullptr,
         *LabelExplica3 = nullptr, *LabelInfo2 = nullptr, *LabelVerde = nullptr, *LabelRojo = nullptr;
  QPushButton* ButtonRetroEsta = nullptr;
  QTimer Timer1, Timer2;
  QWidget* ReturnScreen = nullptr;  // the higher-grade screen, once it exists

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The wheel anywhere on the screen scrolls the chart shown.
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Scroll(QScrollBar* bar, int angleDelta);
  int wheelRest_ = 0;  // eighths of a degree not yet a whole row
  void Start(Chart chart, int rowCount, int selected);
  void LoadStats();
  void Grow(QTimer& timer, QWidget* chart, int fullLength);
  VocationalStats stats_;
  bool statsLoaded_ = false;
};

TEstadisticas* VocationalStatistics();

}  // namespace velmora
