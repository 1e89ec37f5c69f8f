// The university degrees screen: a menu of choices, the five ways of finding a degree, where a
// degree is taught with its cut-off marks (and the star map), the universities of a community
// and what each teaches, and the explanation of the degree structure. The rows come from the
// degree lists and where-to-study units; the screen puts them into its widgets.
#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/module_screen.h"
#include "university/degree_diagram.h"
#include "university/degree_lists.h"
#include "university/study_pages.h"
#include "university/where_to_study.h"

namespace velmora {

class TForm6;

class TForm1 : public ModuleScreen {
  Q_OBJECT

 public:
  // The degree and vocational files the screens built after this one read; before the first.
  static void LoadFiles();
  TForm1();
  ~TForm1() override;

  // Menu.
  void botinformacionClick();
  void menunuevo1Click();
  void menuCarUni3Click();
  void menui5Click();
  void botinfo1Click();
  // Views and lists.
  void ComboAgruChange(int view);
  void ListramasClick(int item);
  void listgradosMouseUp(int row);
  void TreeClick(QTreeWidgetItem* node);
  void SelectDegree(int degree);
  // Where to study.
  void BotUniClick();
  void mapaMouseMove(int x, int y);
  void mapaClick();
  void ListComunidadClick(int item);
  void GridNotasDblClick(int row);
  void BotIntUniMouseUp();
  void StarMapCommunityChosen(int community);
  // Requirements, double degrees, profiles, masters, other and artistic studies.
  void BotReqClick();
  void BotDoblesClick();
  void BotDoblesCarMouseUp();
  void BotSalClick();
  void BotMasterClick();
  void menui6Click();
  void BotArtesPlasClick() { ArtsStudyClick(ArtsStudy::PlasticArts); }
  void BotMusicaClick() { ArtsStudyClick(ArtsStudy::Music); }
  void BotDanzaClick() { ArtsStudyClick(ArtsStudy::Dance); }
  void BotDramaticoClick() { ArtsStudyClick(ArtsStudy::Drama); }
  void ArtsStudyClick(ArtsStudy study);
  void BotArtesTitClick();
  void BotArtesEspClick();
  void BotArtesLugClick();
  void ListSelDblClick(int row);
  // Printing.
  void BotImprimirNClick();
  void BotImprimirClick();
  // Back.
  void ButtonRetroNClick();
  void BotRetrocederClick();
  // The explanation diagram.
  void TimergradoTimer();
  void TimerfraseTimer();
  void BotAvanzaClick();
  void BotAcabarGClick();

  // Controls, named as the screen's.
  QWidget *PanelMenu = nullptr, *PanelMenu2 = nullptr, *PanelMenu4 = nullptr;
  QPushButton *menunuevo1 = nullptr, *menuCarUni3 = nullptr, *BotDobles = nullptr, *Botinfo = nullptr,
              *Menui4 = nullptr, *menui6 = nullptr, *menui5 = nullptr;
  QPushButton *BotMaster = nullptr, *botinfo1 = nullptr, *ButEstadisticas = nullptr, *botinfo2 = nullptr,
              *botinfo3 = nullptr;
  QPushButton *BotArtesPlas = nullptr, *BotMusica = nullptr, *BotDanza = nullptr, *BotDramatico = nullptr;
  QWidget* PanelTree = nullptr;
  QPushButton* ButtonRetroN = nullptr;
  QComboBox* ComboAgru = nullptr;
  QLabel* Labelgrados = nullptr;
  QListWidget* Listramas = nullptr;
  QTableWidget* listgrados = nullptr;
  QTreeWidget* Tree = nullptr;
  QWidget* PanelSel = nullptr;
  QLabel *PanelSelTit = nullptr, *PanelCarSel = nullptr;
  QListWidget *ListSel = nullptr, *listSel2 = nullptr;
  QTextBrowser* RichSalidas = nullptr;
  QTableWidget* GridNotas = nullptr;
  QPushButton *BotUni = nullptr, *BotReq = nullptr, *BotSal = nullptr, *BotDoblesCar = nullptr, *BotCorte = nullptr,
              *BotPonde = nullptr, *BotImprimirN = nullptr, *BotIntUni = nullptr;
  QPushButton *BotArtesTit = nullptr, *BotArtesEsp = nullptr, *BotArtesLug = nullptr;
  QWidget* PanelEstrellas = nullptr;
  QLabel* mapa = nullptr;
  QListWidget* ListComunidad = nullptr;
  QLabel* PanelMapa = nullptr;
  QPushButton *BotRetroceder = nullptr, *BotImprimir = nullptr;
  QLabel *labelCentro = nullptr, *LabelMaster = nullptr, *LabelMaster2 = nullptr;
  // The explanation diagram.
  QWidget* PanelGradosT = nullptr;
  QLabel* ImageGrados = nullptr;
  std::array<QLabel*, 13> LabelG{};  // LabelG0 .. LabelG12
  QLabel *LabelGT = nullptr, *LabelGTexto = nullptr;
  std::array<QWidget*, kCoverPanels> PanelMueve{};  // PanelMueve1 .. Panelmueve7
  QPushButton *BotAvanza = nullptr, *BotAcabarG = nullptr;
  QTimer Timergrado, Timerfrase;

  // View state.
  int SelectedDegree = 0;
  bool DegreesMode = false, AllDegreesMode = false, DoublesMode = false, OtherStudiesMode = false;
  bool ArtsMode = false, MusicMode = false, DanceMode = false, DramaMode = false, PlasticArtsMode = false;
  bool MastersView = false;
  bool PrintCollecting = false;
  bool JumpPending = false;
  int JumpDegree = 0;
  std::vector<int> RowDegree;  // row of listgrados, or node of the tree in display order
  std::vector<bool> HeadingRow;
  bool GroupViewFlag = false;
  bool BranchListFlag = false;
  int SelectedUniversity = 0;
  std::array<int, 41> ListRowUniversity{};  // row 1..40 of ListComunidad -> university
  std::vector<int> GridRowDegree;            // row of GridNotas -> degree
  std::string CommunityListHeading;          // record 0 of the university list, for printing
  std::vector<int> DoublesRowDegree;         // row of the double-degree list -> degree
  int DoublesListDegree = 0;                 // the degree chosen in that list
  ArtsStudy CurrentArts = ArtsStudy::PlasticArts;
  bool SpecialityList = false;               // ListComunidad lists the plastic-arts specialities
  std::vector<GridLine> UniversityRows;      // the university's grid, for its report

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  void BuildTreePanel();
  void BuildResultPanel();
  void BuildDiagram();
  void PaintDiagramBackground();
  void SetTexts();
  void FillGrid(const std::vector<GridLine>& lines);
  void ShowListSel(const std::vector<std::string>& lines, bool clickable);
  void OtherStudyClick(int item);
  void DoublesListClick(int item);
  void ShowDoublesOfDegree(int degree);
  void ShowDegreeButtons(bool shown);
  void HideStarMap();
  void OpenAdmission(void (TForm6::*panel)());
  void ShowTree(DegreeView view);
  void ShowDegreeMap();
  void UpdateGradosHint(const QPoint& at);
  std::array<QPushButton*, 7> DegreeButtons() const;

  std::array<int, 3> panelTops_{};  // PanelSel, PanelSelTit, PanelCarSel as created
  std::unique_ptr<DegreeDiagram> diagram_;
  int hintRow_ = -1;
  QElapsedTimer treeDoubleClick_;  // since the last double click, whose second click follows
};

}  // namespace velmora
