// The admission-information screen: pages on the admission exam, the university, grants and
// residences; the degrees with high cut-off marks and where; the weighting documents. Each of
// its three panels returns to the degrees screen.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <vector>

#include "core/module_screen.h"
#include "university/admission_info.h"

namespace velmora {

class TForm6 : public ModuleScreen {
  Q_OBJECT

 public:
  TForm6();
  ~TForm6() override;

  // Shows the information panel with item 0..3 of its list chosen.
  void ShowInformation(int item);
  void ComboInfoChange(int item);
  void TimermueveTimer();
  void ButtonRetroNMouseUp();
  void ShowCutOffs();
  void ButtoncorteClick(int thresholdTenths);
  void LClick(int row);
  void BotCerrar3Click();
  void ShowWeightings();
  void ListUnisDblClick(int row);
  void Botcerrar4Click();

  QWidget *Panelinfo = nullptr, *Panelinfotop = nullptr, *PanelCorte = nullptr, *PanelPonderacion = nullptr,
          *PanelPonderacion2 = nullptr;
  QLabel *Labelinfo = nullptr, *Imagecorte = nullptr, *ImagePonderacion = nullptr;
  QLabel *LabelCorteSelecti = nullptr, *LabelCorte1 = nullptr, *LabelCorte2 = nullptr, *LabelTotal = nullptr,
         *LabelMasde = nullptr, *LabelCorte3 = nullptr, *LabelPondera1 = nullptr, *LabelUnis = nullptr;
  QPushButton *ButtonRetroN = nullptr, *Buttoncorte6 = nullptr, *Buttoncorte7 = nullptr, *ButtonCorte8 = nullptr,
              *BotCerrar3 = nullptr, *Botcerrar4 = nullptr;
  QComboBox* ComboInfo = nullptr;
  QTextBrowser* WebBrowser1 = nullptr;
  QTableWidget *L = nullptr, *listcalc = nullptr;
  QListWidget* ListUnis = nullptr;
  QTimer Timermueve;

  std::vector<HighMarkRow> CutOffRows;
  QWidget* ReturnScreen = nullptr;  // the degrees screen, set when it is created

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BackToDegrees();
};

// The one admission screen, once created (the degrees screen opens it).
TForm6* AdmissionScreen();

}  // namespace velmora
