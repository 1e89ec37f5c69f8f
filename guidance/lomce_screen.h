// The education-system diagram screen: ten steps through the system the LOMCE set up, each adding
// parts to a diagram whose buttons open explanations and subject lists, and the law's calendar.
// Reached from the itineraries screen, to which it returns.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/module_screen.h"
#include "guidance/lomce_diagram.h"

namespace velmora {

class TFlomce : public ModuleScreen {
  Q_OBJECT

 public:
  TFlomce();

  void FormActivate();
  void BitFleDeClick();
  void BitFleIzClick();
  void BitFleESO1Click(int button);  // any of the 40 diagram buttons, 0..39 in their table's order
  void BitImplantaClick();
  void BotCerrarClick();
  void BitRetroClick();
  void TimerParTimer();
  void TimerfleTimer();

  // A part of the diagram (or LabelFle, BitImplanta) by its name; null when there is none.
  QWidget* Part(std::string_view name) const;

  LomceDiagram Diagram;

  QFrame *Paneliti = nullptr, *PanelEx = nullptr;
  QTableWidget* grid = nullptr;
  QListWidget *ListBit = nullptr, *ListExplica = nullptr;
  QPushButton *BitFleIz = nullptr, *BitFleDe = nullptr, *BitRetro = nullptr, *BitImplanta = nullptr,
              *BotCerrar = nullptr;
  QLabel *LabelLOMCE = nullptr, *LabelFle = nullptr;

  QPushButton *BitESO1 = nullptr, *BitESO2 = nullptr, *BitESO3 = nullptr, *BitESO4 = nullptr;
  QPushButton *BitMej1 = nullptr, *BitMej2 = nullptr;
  QPushButton *BitBas1 = nullptr, *BitBas2 = nullptr, *BitBas3 = nullptr, *BitBas4 = nullptr, *BitBas5 = nullptr;
  QPushButton *BitFleESO1 = nullptr, *BitFleESO2 = nullptr, *BitFleDejar = nullptr;
  QPushButton *BitGM1 = nullptr, *BitGM2 = nullptr, *BitFleFP = nullptr, *BitFleGM = nullptr;
  QPushButton *BitEva1 = nullptr, *BitEva2 = nullptr, *BitFleSel = nullptr;
  QPushButton *BitSal1 = nullptr, *BitCie1 = nullptr, *BitSoc1 = nullptr, *BitArt1 = nullptr, *BitIng1 = nullptr,
              *BitHu1 = nullptr;
  QPushButton *BitArt2 = nullptr, *BitHu2 = nullptr, *BitSoc2 = nullptr, *BitIng2 = nullptr, *BitSal2 = nullptr,
              *BitCie2 = nullptr;
  QPushButton* BitGS = nullptr;
  QPushButton *BitArt3 = nullptr, *BitHu3 = nullptr, *BitSoc3 = nullptr, *BitIng3 = nullptr, *BitSal3 = nullptr,
              *BitCie3 = nullptr;

  QLabel *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label29 = nullptr, *Label30 = nullptr;
  QLabel *LabelBach1 = nullptr, *LabelBach2 = nullptr, *LabelBach3 = nullptr, *LabelEva1 = nullptr, *LabelEva2 = nullptr;
  QLabel *LabelEnsAca = nullptr, *LabelEnsApli = nullptr, *LabelMej1 = nullptr, *LabelMej2 = nullptr;
  QLabel *LabelFPB1 = nullptr, *LabelFPB2 = nullptr, *LabelFPGS = nullptr, *LabelFPGM = nullptr, *LabelUni = nullptr;
  QLabel *LabelIti1 = nullptr, *LabelIti2 = nullptr, *LabelIti3 = nullptr, *LabelIti4 = nullptr, *LabelIti5 = nullptr,
         *LabelIti6 = nullptr;
  QLabel *LabelAno2 = nullptr, *LabelAno3 = nullptr, *LabelAno4 = nullptr;
  QLabel *ImageMuro1 = nullptr, *ImageMuro2 = nullptr;
  QWidget *PaintBox1 = nullptr, *PaintBox2 = nullptr, *PaintBox3 = nullptr, *PaintBox4 = nullptr, *PaintBox5 = nullptr,
          *PaintBox6 = nullptr, *PaintBox7 = nullptr, *PaintBox8 = nullptr, *PaintBox9 = nullptr, *PaintBox10 = nullptr,
          *PaintBox11 = nullptr, *PaintBox12 = nullptr, *PaintBox13 = nullptr, *PaintBox14 = nullptr;
  QWidget *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr, *Shape4 = nullptr, *Shape5 = nullptr, *Shape6 = nullptr,
          *Shape7 = nullptr, *Shape8 = nullptr;

  QTimer TimerPar, Timerfle;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildDiagram();
  void NameParts();
  void OpenPanel(QWidget* content, QSize size);
  void ShowStepChange();
  // Copies the diagram's state onto the controls.
  void Apply();

  std::map<std::string, QWidget*, std::less<>> parts_;
  std::vector<std::string> shownExplanation_;
};

}  // namespace velmora
