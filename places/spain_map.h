// What every screen with a map of Spain shares, the degree screens as much as the vocational
// ones: the communities and their places, what the mouse is over on the three maps, and the
// twinkling stars. Everything here returns data; the screens put it into their widgets.
// Texts are Windows-1252.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/common.h"

namespace velmora {

inline constexpr int kCommunities = 19;
inline constexpr int kCommunityCatalonia = 9;  // shown on the comarca map
inline constexpr int kCommunityMadrid = 13;    // shown on the zone map
inline constexpr int kComarcaBarcelones = 37;  // opens the list of its sub-areas
inline constexpr int kComarcas = 41;
inline constexpr int kZones = 28;
inline constexpr int kMaxPlaces = 100;

struct CommunityPlaces {
  int community = 0;
  int PlaceBase = 0;
  int PlaceCount = 0;
  std::vector<std::string> listNames;   // as the place list shows them (columns 3-55)
  std::vector<std::string> PlaceNames;  // first 35 characters
};
// The places of community 1..19 as comunida lists them; a community without place lines is its
// own only place.
CommunityPlaces PlacesOfCommunity(int community);
int PlaceBaseOf(int community);

struct Town {
  std::string name;
  int firstLine = 0;  // line of the centre file
};

// Selection state shared by the screens with a map: the degree screens and the star map choose
// a community; the vocational screens also their places, towns and titles.
struct PlaceSelection {
  int SelectedCommunity = 0;
  int PlaceBase = 0;
  int PlaceCount = 0;
  std::vector<std::string> PlaceNames;
  std::vector<std::string> PlaceListNames;
  int SelectedComarca = 0;
  int SelectedZone = 0;
  // The detailed maps list nothing until a comarca or zone is picked after the community.
  bool ComarcaChosen = false;
  bool ZoneChosen = false;
  bool TownMode = false;
  int TownAreaFile = 0;  // the area kept while TownMode lasts
  char TownAreaChar = ' ';
  bool TownAreaWide = false;
  std::vector<Town> TownList;
  int ChosenTown = 0;  // 1-based in TownList, 0 = none
  bool AllFpView = false;
  int SelectedTitle = 0;
};
inline PlaceSelection Places;

enum class MapKind { Communities, Comarcas, Zones };

struct HoverLabel {
  bool shown = false;
  int left = 0, top = 0, width = 0;
  std::string text;
  bool handCursor = false;
};
// Sets MapRegion from the hit table under (x, y) of the image, 1-based.
HoverLabel HoverMap(MapKind map, int x, int y);

struct StarEllipse {
  int cx = 0, cy = 0, radius = 0;
  TColor pen = 0, brush = 0;
};
// The twinkling stars: each tick draws every marked community with the current phase.
class StarBlinker {
 public:
  explicit StarBlinker(const std::array<bool, kCommunities + 1>& marked) : marked_(marked) {}
  std::vector<StarEllipse> Tick();

 private:
  std::array<bool, kCommunities + 1> marked_;
  int phase_ = 1;
  TColor brush_ = RGB(0x80, 0, 0);  // maroon, as after a full cycle
};

}  // namespace velmora
