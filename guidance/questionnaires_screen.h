// The questionnaires screen: the interest questionnaire for fourth-year ESO students (whole or
// its first part) on an answer grid, its results, the group information panel, printing and
// saving; and the itineraries diagram drawn step by step with its node buttons and their lists
// (itineraries_side.cpp).
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <array>

#include "core/module_screen.h"
#include "guidance/interest_questionnaire.h"
#include "guidance/itineraries_diagram.h"

namespace velmora {

class HelpPanel;

class TForm2 : public ModuleScreen {
  Q_OBJECT

 public:
  TForm2();

  // The files the screen needs, read at start-up in its place.
  static void LoadFiles();

  // Home view.
  void botCuestioMouseMove();
  void HideQuestionnaireChoice();  // the mouse over BotItinerarios or BitAcabarLogse
  void BotCuestio1Click();
  void BotCuestio2Click();
  void BotCuestio3Click();
  void BitAcabarLogseClick();

  // The grid.
  void GcuestioMouseDown(int row);  // row 1.. = question
  void GcuestioKeyPress(int row);   // Enter on the row
  void acabarCuesClick();
  void BotContinuarClick();

  // Results.
  void BotResCuesClick();
  void ListresCuesMouseMove(int line);  // 1-based line under the mouse, 0 for none
  void ListresCuesClick(int line);
  void BotImpTitMouseUp();
  void BotCerrarMouseUp();
  void ImpResulClick();
  void grabarClick();

  // The itineraries side.
  void OpenItineraries();  // the itineraries doors: the screen on this side, the diagram started
  void BotItinerariosClick();
  void FormClick();           // a click on the screen, the menu panel or the help panel
  void FormKeyDown(int key);  // any key
  void b48Click(int button);  // node button 1..50
  void BotCerrarVMouseUp();
  void botContextualMouseUp();
  void TimerParpadeoTimer();
  void BotLOMCEClick();

  DiagramState Diagram;
  std::array<QToolButton*, kNodeButtons + 1> NodeButtons{};  // 1..50
  QWidget* DiagramCanvas = nullptr;
  QListWidget* List_Sel = nullptr;
  QPushButton *BotCerrarV = nullptr, *botContextual = nullptr;
  QTimer TimerParpadeo;
  int NodeClicks = 0;
  int OpenAction = 0;  // action number of the node list shown, 0 for none

  Questionnaire& State() { return state_; }
  const QuestionGroups& Groups() const { return groups_; }

  QLabel *LabelNom = nullptr, *LabelAno = nullptr, *LabelAviso = nullptr;
  QFrame *PanelMenu = nullptr, *PanelMenu2 = nullptr, *PanelItiner = nullptr, *PanelCuestio = nullptr, *PanelCar = nullptr;
  QPushButton *botCuestio = nullptr, *BotItinerarios = nullptr, *BotLOMCE = nullptr, *BitAcabarLogse = nullptr;
  QPushButton *BotCuestio1 = nullptr, *BotCuestio2 = nullptr, *BotCuestio3 = nullptr;
  QPushButton *BotResCues = nullptr, *AcabarCues = nullptr, *ImpResul = nullptr, *grabar = nullptr, *BotContinuar = nullptr;
  QPushButton *BotImpTit = nullptr, *BotCerrar = nullptr;
  QTableWidget* Gcuestio = nullptr;
  QListWidget* ListresCues = nullptr;
  QListWidget* ListCar = nullptr;
  HelpPanel* payuda = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void StartQuestionnaireView(bool shortTest);
  void ArrangeMenu();
  void OpenQuestionnaire();
  void CloseQuestionnaire();
  void AnswerRow(int row, bool withStars);
  void ShowResults();
  bool AskStudentLabel();
  void ShowMiddleGradeScreen(bool hideThis);
  void ShowHelp(int message);
  void BuildDiagramControls();
  void ShowNodeList(int actionNumber, ListKind kind, const std::vector<std::string>& items);
  void CloseNodeList();
  void EndDiagram();
  void PrintSheet(int sheet);
  int BlinkTicks_ = 0;

  Questionnaire state_;
  QuestionGroups groups_;
  AnswerLabels answerLabels_;  // of the kind last answered
  std::vector<std::string> groupLines_;  // the information panel's lines
};

}  // namespace velmora
