// The catalogue screen: the 26 professional families; a family fills five lists (degrees,
// higher- and middle-grade titles, FP Básica titles, certificates); an item opens a panel with
// its requirements and first facts; the lists print.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "core/module_screen.h"
#include "guidance/catalogue.h"

namespace velmora {

class TFormCat : public ModuleScreen {
  Q_OBJECT

 public:
  TFormCat();

  void FormActivate();
  void ListFamClick(int row);
  void ListCatClick(int list, int row);  // list 0..4 = ListCat1..ListCat5
  void botcerrarClick();
  void degradeMapa2Click();
  void TimerAyuTimer();
  void BotImprimirMouseUp();
  void BotRetrocederMouseUp();

  QLabel *LabelAyu0 = nullptr, *LabelFami = nullptr;
  QListWidget* ListFam = nullptr;
  std::array<QLabel*, kCatalogueLists> Labels{};
  std::array<QListWidget*, kCatalogueLists> ListCat{};
  QWidget* panelsel = nullptr;
  QListWidget* ListSel = nullptr;
  QPushButton *botcerrar = nullptr, *BotRetroceder = nullptr, *BotImprimir = nullptr;
  QTimer TimerAyu;

  char FamilyKey = ' ';
  int FamilyLine = 0;  // line of familias chosen, 0 = none
  CatalogueLists Lists;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
};

}  // namespace velmora
