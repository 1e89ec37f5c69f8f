// The professions screen: the long statements answered one by one in a speech panel, the pages of
// short statements, the final review and the result with the activities, the professions and the
// studies that lead to each profession.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "core/module_screen.h"
#include "guidance/professions_questionnaire.h"

namespace velmora {

class Tprofe : public ModuleScreen {
  Q_OBJECT

 public:
  Tprofe();
  ~Tprofe() override;

  // fralargas and fracortas, read at start-up in the screen's place.
  static void LoadFiles();

  void BotCuestioClick();
  void botSiClick();
  void BotNoClick();
  void BotFraSigClick();
  void BotFraRetClick();
  void ListCuesClick(int row);
  void ListSelClick(int row);
  void ListResulActMouseMove(int row);   // -1: no item under the mouse
  void ListResulProfMouseMove(int row);
  void ListResulActMouseUp(int row);
  void ListResulProfMouseUp(int row);
  void PanelResulMouseMove();
  void degradeMapa2MouseMove();  // the mouse over the background
  void BotImpClick();
  void BotAcabarClick();
  void ListTitMouseDown();
  void TimerFraseTimer();
  void TimerAyuTimer();
  void TimerAyu0Timer();

  QListWidget* ListCues = nullptr;
  QWidget* PanelFrase = nullptr;
  QLabel *LabelFrase = nullptr, *LabelFrase0 = nullptr, *imageIcono = nullptr;
  QPushButton *BotSi = nullptr, *BotNo = nullptr, *BotFraSig = nullptr, *BotFraRet = nullptr;
  QWidget* PanelSelTit0 = nullptr;
  QLabel* LabelTit0 = nullptr;
  QListWidget* ListSel = nullptr;
  QWidget* PanelResul = nullptr;
  QLabel *LabelTitulo = nullptr, *LabelActi = nullptr, *LabelTitExpli = nullptr;
  QLabel *LabelTit1 = nullptr, *Labeltit2 = nullptr, *LabelTit3 = nullptr;
  QListWidget *ListResulAct = nullptr, *ListResulProf = nullptr, *ListTit = nullptr, *ListResProf = nullptr;
  QPushButton *BotImp = nullptr, *BotAcabar = nullptr;
  QTimer TimerFrase, TimerAyu, TimerAyu0;

  ProfessionsQuestionnaire Questionnaire;
  bool HoverLocked = false;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildResultPanel();
  void ShowSpeech(const Speech& speech);
  void ShowListed(bool reselect);
  void SlideTitle(int line);
  void ShowResult();
  bool AskToLeave(bool withHint);
  void Leave();

  std::unique_ptr<ProfessionStudies> studies_;
  QRect frameRect_;
  int ayuTicks_ = 0;
  int hoveredProfession_ = -1, hoveredActivity_ = -1;
};

}  // namespace velmora
