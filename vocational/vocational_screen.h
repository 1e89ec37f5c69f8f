// What the middle- and higher-grade screens share: the family and title lists, the information
// list, the community map with its detailed maps and stars, the place list, the centre grid, the
// print selection and the printing of a title or a place. A screen of one grade derives from it
// and adds its own choice buttons and back rules.
#pragma once

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/module_screen.h"
#include "vocational/fp_titles.h"
#include "vocational/place_model.h"

namespace velmora {

class VocationalScreen : public ModuleScreen {
  Q_OBJECT

 public:
  explicit VocationalScreen(Grade grade);
  ~VocationalScreen() override;

  enum class SearchMode { None, ByTitle, ByPlace };

  virtual void ListPreFamMouseDown(int item);
  void BotRetroFamiClick();
  virtual void ListTitClick(int row) = 0;  // row 0-based in ListTit; -1 keeps a title handed over
  virtual void mapaClick();
  void mapaMouseMove(int x, int y);
  void mapacClick();
  void mapacMouseMove(int x, int y);
  void mapamClick();
  void mapamMouseMove(int x, int y);
  void listBarcelonaClick(int index);
  void BotCerrarClick();
  void ListSelLugFPClick(int row);
  void AllFpButtonClick();
  void rejaDblClick(int row);
  virtual void BotImprimirClick();
  virtual void BotAceptarClick();
  void ListImpClick(int row);
  virtual void BotRetrocederFPClick() = 0;
  void TimerEstrellasTimer();
  void TimerParpadeoTimer();
  void HideMapLabel();

  QWidget* PanelSelec = nullptr;
  QLabel *PanelSelTit = nullptr, *PanelCarSel = nullptr, *Labeltitulo = nullptr;
  QListWidget *ListPreFam = nullptr, *ListTit = nullptr, *listSelFP = nullptr, *ListSelLugFP = nullptr;
  QListWidget *listBarcelona = nullptr, *ListImp = nullptr;
  QPushButton *BotCerrar = nullptr, *BotAceptar = nullptr;
  QWidget* PanelEstrellas = nullptr;
  QLabel *mapa = nullptr, *mapac = nullptr, *mapam = nullptr, *PanelMapa = nullptr;
  QTableWidget* reja = nullptr;
  QPushButton *BotImprimir = nullptr, *BotRetrocederFP = nullptr;
  QPushButton* AllFpButton = nullptr;  // shows every grade of a place, or only this one
  QWidget* PanelImp = nullptr;
  QLabel *LabelSelCom1 = nullptr, *LabelSelCom2 = nullptr;
  QTimer TimerEstrellas, TimerParpadeo;

  const Grade ScreenGrade;
  SearchMode Mode = SearchMode::None;
  bool FamilyLevel = false;  // ListPreFam shows families (else the groups)
  std::vector<FamilyItem> FamilyItems;
  int ChosenGroup = 0;
  int ChosenFamily = 0;  // family number
  std::string ChosenFamilyName;
  std::vector<FamilyGroup> Groups;
  bool PrintMode = false;
  bool PrintSelection = false;
  std::vector<int> PrintCommunities;
  bool DoubleClickActive = false;
  bool Watching = false;  // listSelFP's draw marker
  int HandedTitle = 0;    // a title handed over by another screen, used once by ListTitClick
  std::string TitleCaption;
  std::vector<GridRow> GridRows;
  int BlinkTick = 0;
  int ListSelFPHeight = 0;  // as created

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Called after ListPreFam is filled with groups or families (the higher grade adds icons).
  virtual void FamilyListFilled() {}
  // Called when a community is chosen for a search by place.
  virtual void CommunityChosen() {}
  // Hides the buttons that belong to a place's listing.
  virtual void HidePlaceButtons();
  // Shows the print-selection panel when a title's report is too long to print whole.
  virtual void ShowPrintSelection();

  void FillGroups();
  // The common part of choosing a title: lists hidden, SelectedTitle set, its name blinking.
  void SelectTitle(int row);
  void ShowStars();
  void StopStars();
  void ShowInfo(const std::vector<std::string>& lines, bool watching, const std::string& caption, int headersFrom = 0,
                bool firstOnPeach = false);
  void ShowGrid(const std::vector<GridRow>& rows, int topRow);
  void ClearGrid();
  void ShowPlaceListing(const PlaceListing& listing);
  void ListCurrentPlace();
  void RepaintMap();
  void HideDetail();
  // Back one step inside a place: from a town's centres to its towns, from the towns to the
  // places (when the community has several); true when that was the step.
  bool LeaveTownsStep();
  // Builds and prints a title's report; shows the print selection instead when it is too long.
  void PrintTitle();
  // Prints the centres of the place on the grid (nothing without a chosen place).
  void PrintPlace();
  // The view name text line of this grade (middle grade 390, higher grade 392).
  int OwnViewLine() const;

  int familiesHeight_ = 169;
  bool singlePlaceListsAtOnce_ = true;
  QImage mapImage_;
  std::unique_ptr<StarBlinker> stars_;
};

}  // namespace velmora
