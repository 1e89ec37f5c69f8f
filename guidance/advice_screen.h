// The advice screen: the checklists of qualities and of interests, each scored against the twelve
// Bachillerato study groups, their average, a group's studies, and the report printed or saved.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <string>
#include <vector>

#include "core/module_screen.h"
#include "guidance/advice_checklists.h"

namespace velmora {

class HelpPanel;

class TFormCon : public ModuleScreen {
  Q_OBJECT

 public:
  TFormCon();

  // The checklists' files, read at start-up in the screen's place.
  static void LoadFiles();

  void FormShow();
  void MenucuaClick();
  void MenuGusClick();
  void MenuMediaClick();
  void MenuRetroConClick();
  void ListCuaClick(int row);      // a click (0-based row) has toggled the statement
  void ListCuaKeyPress(int row);   // Enter on the qualities
  void ListintKeyPress(int row);   // Enter on the interests
  void VerResulClick();
  void revisaClick();
  void acabarCuaClick();
  void ListResulClick(int row);    // a double click on a result row (0-based)
  void ListResulMouseMove(int y);  // y in the grid; negative when the mouse left it
  void BotCerrarClick();
  void ImpResulClick();
  void grabarClick();

  QPushButton *Menucua = nullptr, *MenuGus = nullptr, *MenuMedia = nullptr, *MenuRetroCon = nullptr;
  QPushButton *VerResul = nullptr, *revisa = nullptr, *acabarCua = nullptr, *ImpResul = nullptr, *grabar = nullptr;
  QPushButton* BotCerrar = nullptr;
  QFrame *PanelMenuCon = nullptr, *PanelListCon = nullptr, *PanelResul = nullptr;
  QLabel *PanelResCon = nullptr, *LabelAviso = nullptr, *labelCentro = nullptr;
  QListWidget *ListCua = nullptr, *Listint = nullptr, *ListCarreras = nullptr;
  QTableWidget* ListResul = nullptr;
  HelpPanel* payuda = nullptr;

  bool QualitiesOpened = false, InterestsOpened = false, QualitiesActive = true;
  std::vector<bool> QualitySelected, InterestSelected;  // by statement number
  AdviceMarks QualityMarks{}, InterestMarks{};
  AdviceResults Results;
  std::string AdviceStudent;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void OpenChecklist(Checklist checklist);
  void ToggleRow(QListWidget* list, int row);
  void ShowRanking(const AdviceRanking& ranking, const QString& caption);
  void ShowMenuButtons(QPushButton* only);
  bool AskStudent();
  void ShowHelp(int message);
  QListWidget* CurrentList() const { return QualitiesActive ? ListCua : Listint; }

  ChecklistGroups qualityGroups_, interestGroups_;
};

}  // namespace velmora
