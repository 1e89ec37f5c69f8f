// The certificates of professionalism screen: nine families, their areas under the mouse, the
// certificates of an area and one certificate's access levels, hours and description. The lists
// come from vocational/certificates; the screen only puts them into its widgets.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <vector>

#include "core/module_screen.h"
#include "vocational/certificates.h"

namespace velmora {

// The public employment service's page on certificates of professionalism.
inline constexpr const char* kCertificatesPage =
    "https://www.sepe.es/contenidos/personas/formacion/certificados_de_profesionalidad/"
    "certificados_profesionalidad.html";

class TCertifica : public ModuleScreen {
  Q_OBJECT

 public:
  TCertifica();

  void FormActivate();
  void FormCloseQuery();
  void ListSelFpMouseMove(int row);
  void ListSelFpMouseUp(int row);
  void ListTitFPMouseMove(int row);
  void ListTitFPMouseUp(int row);
  void ListFPExpliMouseUp(int row);
  void BotImprimirClick();
  void BotInternetMouseUp();
  void BotRetrocederFPClick();
  void TimerAyudaTimer();
  void TimerAyuTimer();

  QWidget *PanelSelTit0 = nullptr, *PanelSelTit1 = nullptr, *PanelSelTit2 = nullptr;
  QLabel *LabelTit1 = nullptr, *LabelTit2 = nullptr, *LabelTit3 = nullptr;
  QListWidget *ListSelFp = nullptr, *ListTitFP = nullptr, *ListFPExpli = nullptr;
  QWidget* PanelResul = nullptr;
  QLabel *LabelTitulo = nullptr, *LabelReq = nullptr, *LabelRequisitos = nullptr;
  QLabel *LabelHor = nullptr, *LabelHoras = nullptr, *LabelDes = nullptr;
  QWidget* PanelAyuda = nullptr;
  QLabel* chica = nullptr;
  std::array<QLabel*, 8> LabelAyu{};  // 1..7
  QPushButton *BotImprimir = nullptr, *BotInternet = nullptr, *BotRetrocederFP = nullptr;
  QTimer TimerAyuda, TimerAyu;

  // View state.
  int HotFamily = -1;  // row under the mouse
  int ChosenFamily = 0;  // 1..9
  std::vector<CertificateItem> Headings;
  int ShownHeading = 0;  // entry number of the area on show, 0 = none
  std::vector<CertificateItem> AreaCertificates;
  int ChosenCertificate = 0;  // entry number
  bool Frozen = false;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
};

}  // namespace velmora
