// The higher-grade vocational training screen: a small menu, titles by family group with a menu of
// seven actions for the chosen title, the statistics of the titles and families, and the centres
// of each place with a link to the community's own web page.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "vocational/vocational_screen.h"

namespace velmora {

class TForm8 : public VocationalScreen {
  Q_OBJECT

 public:
  TForm8();
  ~TForm8() override;

  void MenuFP1Click();
  void MenuFP2Click();
  void menuFP3Click();
  void ListPreFamMouseDown(int item) override;
  void ListTitClick(int row) override;
  void ListTitFPClick(int row) { ListTitClick(row); }
  void MenuFpTit1Click();
  void MenuFpTit2Click();
  void MenuFpTit3Click();
  void MenuFpTit4Click();
  void MenuFpTit5Click();
  void MenuFpTit6Click();
  void MenuFPTitEstClick();
  void ButtonEstad1Click();
  void ButtonEstad2Click();
  void ButtonEstad3Click();
  void ButtonEstadTrabajoClick();
  void botTodaFPMouseUp() { AllFpButtonClick(); }
  void BotInternetCMouseUp();
  void BotAceptarClick() override;
  void BotRetrocederFPClick() override;

  // The community's web page as the web button opens it.
  static std::string CommunityWebAddress(int community);

  QLabel *LabelFP1 = nullptr, *labelCentro = nullptr;
  QWidget* PanelFP = nullptr;
  QPushButton *MenuFP1 = nullptr, *MenuFP2 = nullptr, *menuFP3 = nullptr;
  QWidget* PanelSel = nullptr;         // the selection caption's panel
  QListWidget* ListTitFP = nullptr;    // the titles of a family
  QPushButton* botTodaFP = nullptr;    // the all-FP toggle
  QPushButton* BotInternetC = nullptr;  // the community's web page
  QWidget* PanelFpTit = nullptr;
  QPushButton *MenuFpTit1 = nullptr, *MenuFpTit2 = nullptr, *MenuFpTit3 = nullptr, *MenuFpTit4 = nullptr,
              *MenuFpTit5 = nullptr, *MenuFpTit6 = nullptr, *MenuFPTitEst = nullptr;
  QWidget* PanelEstadistica = nullptr;
  QPushButton *ButtonEstad1 = nullptr, *ButtonEstad2 = nullptr, *ButtonEstad3 = nullptr,
              *ButtonEstadTrabajo = nullptr;
  QPushButton* LastTitleAction = nullptr;  // shown in purple italics

 protected:
  void FamilyListFilled() override;
  void CommunityChosen() override;
  void HidePlaceButtons() override;
  void ShowPrintSelection() override;

 private:
  void BuildControls();
  void MarkTitleAction(QPushButton* button);
  void ShowStatistics();
  void HideMap();
  std::array<QPushButton*, 7> TitleActions() const;
};

}  // namespace velmora
