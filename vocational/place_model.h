// The place model shared by the three vocational-training screens: the centre files and the offer
// files, and the lists built from a choice on a map (the maps and communities themselves are
// places/spain_map.h). Everything
// here returns data (rows, labels, lists); the screens put it into their widgets.
// Texts are Windows-1252.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common.h"
#include "core/fixed_string.h"
#include "core/tables.h"
#include "places/spain_map.h"

namespace velmora {

enum class Grade { GM, GS, Basic };

inline constexpr int kMaxTownCentres = 200;
inline constexpr int kMaxTitleRows = 1100;
inline constexpr int kMaxGridRows = 1500;
inline constexpr int kMaxOfferedTitles = 25;
inline constexpr int kGridTextWidth = 65;

inline constexpr std::array<std::string_view, 8> WideTownAreas = {"1J", "2H", "2G", "3G",
                                                                  "3E", "41", "45", "4A"};

// ---- Tables of a grade and the centre files ---------------------------------------------------
const LineTable& TitleTable(Grade grade);
int TitleCount(Grade grade);
ConstBytes OfferFile(Grade grade);

// The titles centre line `line` (1..1100) of centre file `file` (1..4) offers in one offer file.
struct OfferEntry {
  int n = 0;
  std::array<int, kMaxOfferedTitles> titles{};
};
OfferEntry OfferEntryOf(ConstBytes offerFile, int file, int line);

struct CentreFileView {
  const LineTable* lines = nullptr;
  int count = 0;
  std::string_view Line(int j) const { return (*lines)[static_cast<std::size_t>(j)].view(); }
};
// Centre file 1..4 as the given grade reads it (FP Básica may have its own copy of lu2).
CentreFileView CentreFile(int file, Grade grade = Grade::GS);
// FP Básica's own lu2; nullptr goes back to the shared one.
void SetBasicCentreFile2(const LineTable* lines, int count);
// FP Básica's copy of lu2 blanks column 45 from the first line of area 8 up to the line before
// the first line of area D.
void PrepareBasicCentreFile2(LineTable& lines, int count);

// Column 1 of lu4 (and lu2) followed by column 45, for the Catalan (Madrid) block; empty elsewhere.
struct ZoneCodes {
  std::array<FixedString<2>, kLineTableLines + 1> lu2{}, lu4{};
};
inline ZoneCodes CentreZoneCode;
// Rewrites lu4 and lu2 in the shared tables and fills CentreZoneCode. Run once, after comarcas and
// comarcasm are read and before any list is built.
void PrepareCentreZoneCodes();



// ---- What the map and list operations give -----------------------------------------------------------------------

enum class DetailMap { None, Comarcas, Zones };
struct CommunityChoice {
  bool chosen = false;
  DetailMap detail = DetailMap::None;
  std::vector<std::string> placeList;  // filled and shown unless a detailed map is shown
  bool singlePlace = false;
};
// Whether a community's places are its comarcas or zones, chosen on a map of their own:
// Catalonia and Madrid, except in FP Básica, which lists their places as any community's.
bool UsesDetailedPlaces(int community, Grade grade);

// A click on the community map with MapRegion; clears TownMode. Catalonia and Madrid open their
// comarca and zone maps, except in FP Básica, which lists their places.
CommunityChoice ChooseCommunity(int region, Grade grade = Grade::GM);

struct ResolvedPlace {
  int file = 0;
  char area = ' ';
  bool wide = false;
  int position = 0;  // in the place list, 1-based (1 for the detailed maps)
};
// The place at listPosition (1-based, 0 = none selected), or the kept area in TownMode. FP Básica
// reads code entry 34 for entry 35 and has no wide towns in area 2H.
std::optional<ResolvedPlace> ResolvePlace(int listPosition, Grade grade = Grade::GS);

struct GridRow {
  std::string text;
  std::string phone;
  int title = 0;  // RowTitle
};

// Rows of the centres of a community's places that offer `title`.
std::vector<GridRow> CentresOfferingTitle(Grade grade, int title, const CommunityPlaces& places);
// What the grid shows for those rows: texts cut to 44, or text line 292 alone.
std::vector<GridRow> TitleListGrid(const std::vector<GridRow>& rows);

// Flags 1..19: the community has a centre offering the title.
std::array<bool, kCommunities + 1> CommunitiesOfferingTitle(Grade grade, int title);


enum class ListingStep { Nothing, Towns, Grid };
struct PlaceListing {
  ListingStep step = ListingStep::Nothing;
  std::vector<std::string> towns;  // town step: the new place list
  std::vector<GridRow> rows;       // grid step
  int topRow = 0;
  std::string titleCaption;  // PanelSelTit (grid step)
  std::string placeCaption;  // PanelCarSel; empty after a toggle: the caption stays
};
struct ListingRequest {
  bool printing = false;       // continue numbering, town 1 when none is chosen
  bool rerunTownStep = false;  // the view has just been toggled
};
std::vector<int> KeptCentres(Grade grade, const ResolvedPlace& place);
PlaceListing CentresOfPlace(Grade grade, const ResolvedPlace& place, ListingRequest request = {});
// A click on town `position` (1-based) of the town list.
void ChooseTown(int position);
// The all-FP button: flips AllFpView and lists the current place again.
PlaceListing ToggleAllFpView(Grade grade, int listPosition);
// Whether a grade's place listings show every FP grade: FP Básica never does.
bool AllFpViewOn(Grade grade);
// The back button while in TownMode with several places: the place list again.
std::vector<std::string> LeaveTownMode();
// The back button from a town's centres: the town list of the same place (nothing when no town
// was chosen).
PlaceListing BackToTowns(Grade grade);

// Appends rows to PrintLines / PrintLines2 after the rows already there (PrintCount = last row).
void AppendPrintRows(const std::vector<GridRow>& rows);

enum class CellKind { Header, GridOwn, Cleared, Bullet };
CellKind GridCellKind(std::string_view text);

enum class DetailAction { Nothing, OpenBarcelonaList, ListCentres };
struct DetailChoice {
  DetailAction action = DetailAction::Nothing;
  std::vector<std::string> barcelonaList;  // entries 42 up to the comarca count
};
DetailChoice ClickComarca(int region);
DetailChoice ClickBarcelonaEntry(int index);  // 0-based
DetailChoice ClickZone(int region);

// Back to the state before start-up (tests).
void ResetPlaceModel();

}  // namespace velmora
