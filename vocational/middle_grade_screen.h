// The middle-grade vocational training screen: titles by family group, where a title is taught,
// and what each place offers. The lists come from the functions below and from the place model;
// the screen only puts them into its widgets.
#pragma once

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/module_screen.h"
#include "vocational/place_model.h"

namespace velmora {

// ---- Titles of the middle grade ------------------------------------------------------------
inline constexpr int kFamilyGroups = 9;
inline constexpr int kGroupWithFurtherFamilies = 6;

struct FamilyGroup {
  std::array<int, 3> families{};  // family numbers, 0 = none
  std::string name;
};
// Lines 30..38 of familias.
std::vector<FamilyGroup> ReadFamilyGroups();

struct FamilyItem {
  std::string text;
  int family = 0;  // 0 for the back item
};
// Item 0 is the back item; group 6 also lists every family from the first "|" family on.
std::vector<FamilyItem> FamiliesOfGroup(const std::vector<FamilyGroup>& groups, int group);
// The first family whose name begins with "|" (0 when there is none).
int FirstFurtherFamily();
std::string FamilyName(int family);
int FamilyHeaderLine(int family);
std::vector<std::string> TitlesOfFamily(int family);
// The title number (line of fp2) of the position-th title (1-based) of the family.
int TitleNumberOf(int family, int position);
std::string TitleName(int title);

// ---- Information on a title ----------------------------------------------------------------
std::vector<std::string> RequirementLines();
std::vector<std::string> JobLines(int title);
// Lines 6..25 of the block; an empty line separates line 6 from a non-blank line 7.
std::vector<std::string> StudyLines(int title);

struct InfoRowLook {
  bool header = false;  // on peach
  bool bullet = false;
};
// How listSelFP draws its items: with watching on, "-" items are headers and the non-blank
// items after the last header get a bullet.
std::vector<InfoRowLook> InfoListLooks(const std::vector<std::string>& items, bool watching);

// ---- Printed reports -----------------------------------------------------------------------
inline constexpr int kPrintSelectionThreshold = 150;
inline constexpr int kMaxPrintCommunities = 19;

// Fills PrintLines and BoldLines with the report of a title: its information, then its centres
// in every community (or in the chosen ones, in their order). Returns false, with nothing to
// print, when all communities were asked for and more than 150 rows came together.
bool BuildTitleReport(int title, const std::string& titleName, const std::vector<int>& communities);
// Fills PrintLines with the centres of the current place under its heading.
void BuildPlaceReport(const std::string& placeName, const ResolvedPlace& place);

// ---- The screen ----------------------------------------------------------------------------
class FlightLayer;

class TForm3 : public ModuleScreen {
  Q_OBJECT

 public:
  TForm3();
  ~TForm3() override;

  enum class SearchMode { None, ByTitle, ByPlace };

  void FormActivate();
  void botTit2Click();
  void botLug2Click();
  void botSalirClick();
  void heliTimer();
  void pilotoTimer();
  void ListPreFamMouseDown(int item);
  void BotRetroFamiClick();
  void ListTitClick(int row);  // row 0-based in ListTit; -1 keeps a title handed over
  void mapaClick();
  void mapaMouseMove(int x, int y);
  void mapacClick();
  void mapacMouseMove(int x, int y);
  void mapamClick();
  void mapamMouseMove(int x, int y);
  void listBarcelonaClick(int index);
  void BotCerrarClick();
  void ListSelLugFPClick(int row);
  void BotTelefonoClick();
  void rejaDblClick(int row);
  void BotRequisitosClick();
  void BotPuestoClick();
  void botAsigClick();
  void BotImprimirClick();
  void BotAceptarClick();
  void ListImpClick(int row);
  void BotRetrocederFPClick();
  void TimerEstrellasTimer();
  void TimerParpadeoTimer();
  void HideMapLabel();
  void HideSpeechBox();

  // Labels and buttons, named as the screen's controls.
  QLabel *LabelFP1 = nullptr, *LabelFPGM = nullptr, *LabelAno = nullptr;
  QPushButton *botTit2 = nullptr, *botLug2 = nullptr, *botSalir = nullptr;
  QWidget* PanelSelec = nullptr;
  QLabel *PanelSelTit = nullptr, *PanelCarSel = nullptr, *Labeltitulo = nullptr;
  QListWidget *ListPreFam = nullptr, *ListTit = nullptr, *listSelFP = nullptr, *ListSelLugFP = nullptr;
  QListWidget *listBarcelona = nullptr, *ListImp = nullptr;
  QPushButton *BotCerrar = nullptr, *BotAceptar = nullptr;
  QWidget* PanelEstrellas = nullptr;
  QLabel *mapa = nullptr, *mapac = nullptr, *mapam = nullptr, *PanelMapa = nullptr;
  QTableWidget* reja = nullptr;
  QPushButton *BotRequisitos = nullptr, *BotPuesto = nullptr, *botAsig = nullptr, *BotImprimir = nullptr;
  QPushButton *BotRetrocederFP = nullptr, *BotTelefono = nullptr;
  QWidget* PanelImp = nullptr;
  QLabel *LabelSelCom1 = nullptr, *LabelSelCom2 = nullptr;
  QTimer heli, piloto, TimerEstrellas, TimerParpadeo;

  // View state.
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
  bool QuestionnaireFlag = false;
  int HandedTitle = 0;  // a title handed over by another screen, used once by ListTitClick
  std::string TitleCaption;
  std::vector<GridRow> GridRows;
  int BlinkTick = 0;

  // The flight of the choice buttons.
  int FlightTick = 0, FlightStep = 1, FlightOffset = 0;
  int FlightX = 0, FlightY = 0;
  int PilotFrame = -1;  // frame on screen, -1 = none
  int PilotTick = 0;
  QPoint PilotAt;
  struct SpeechBox {
    int step = 0;
    QPoint anchor;
  };
  std::vector<SpeechBox> SpeechBoxes;  // boxes on screen

  int ListSelFPHeight = 0;  // as created

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ShowInfo(const std::vector<std::string>& lines, bool watching, const std::string& caption);
  void ShowGrid(const std::vector<GridRow>& rows, int topRow);
  void ClearGrid();
  void ShowPlaceListing(const PlaceListing& listing);
  void ListCurrentPlace();
  void FillGroups();
  void RepaintMap();
  void HideDetail();
  QImage mapImage_;
  std::unique_ptr<StarBlinker> stars_;
  FlightLayer* flight_ = nullptr;
  friend class FlightLayer;
};

}  // namespace velmora
