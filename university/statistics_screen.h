// The university statistics screen: three bar charts by branch of knowledge (enrolment, success
// rate, employment) drawn on a paint box, with their documents and the ministry's figures page.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "core/module_screen.h"
#include "university/university_charts.h"

namespace velmora {

class ChartBox;

class TFormEstGra : public ModuleScreen {
  Q_OBJECT

 public:
  TFormEstGra();
  ~TFormEstGra() override;

  void ButtonMatriculaClick() { ShowChart(UniversityChart::Enrolment); }
  void ButtonDificClick() { ShowChart(UniversityChart::Success); }
  void ButtonTrabajoClick() { ShowChart(UniversityChart::Employment); }
  void ShowChart(UniversityChart chart);
  void ButtonRetroEstaClick();

  QPushButton *ButtonRetroEsta = nullptr, *ButtonMatricula = nullptr, *ButtonDific = nullptr, *ButtonTrabajo = nullptr;
  QLabel *LabelWeb = nullptr, *LabelEst1 = nullptr, *LabelEst2 = nullptr, *LabelPDF = nullptr;
  QWidget* PanelEst1 = nullptr;
  ChartBox* chart1 = nullptr;
  QPushButton *ButtonMas1 = nullptr, *ButtonMas2 = nullptr, *ButtonMas3 = nullptr, *ButtonMas21 = nullptr,
              *ButtonMas22 = nullptr, *ButtonMas31 = nullptr;
  std::optional<UniversityChart> CurrentChart;  // nothing is drawn before a chart is chosen
  QWidget* ReturnScreen = nullptr;               // the degrees screen, set when it is created

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

TFormEstGra* UniversityStatistics();

}  // namespace velmora
