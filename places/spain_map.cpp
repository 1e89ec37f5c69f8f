#include "places/spain_map.h"

#include "core/binary_readers.h"
#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {

// ---- Communities and places ----------------------------------------------------------------

int PlaceBaseOf(int community) {
  if (community < 1 || community > kCommunities) return 0;
  return ParseInt(Field(Tabs().TabComunida[static_cast<std::size_t>(community)].view(), 1, 2)).value_or(0);
}

CommunityPlaces PlacesOfCommunity(int community) {
  CommunityPlaces places;
  places.community = community;
  places.PlaceBase = PlaceBaseOf(community);
  const SharedTables& t = Tabs();
  for (int j = kCommunities + 1; j <= t.CountComunida && places.PlaceCount < kMaxPlaces; ++j) {
    const std::string_view line = t.TabComunida[static_cast<std::size_t>(j)].view();
    if (ParseInt(Field(line, 1, 2)) != community) continue;
    places.listNames.emplace_back(Field(line, 3, 53));
    places.PlaceNames.emplace_back(Field(line, 3, 35));
    ++places.PlaceCount;
  }
  if (places.PlaceCount == 0) {
    const std::string_view line = t.TabComunida[static_cast<std::size_t>(community)].view();
    places.listNames.emplace_back(Field(line, 3, 53));
    places.PlaceNames.emplace_back(Field(line, 3, 35));
    places.PlaceCount = 1;
  }
  return places;
}

// ---- Hover labels ---------------------------------------------------------------------------

HoverLabel HoverMap(MapKind map, int x, int y) {
  HoverLabel label;
  const int height = map == MapKind::Communities ? kMapHeight : kDetailMapHeight;
  if (x < 1 || x > kMapWidth || y < 1 || y > height) return label;
  label.shown = true;
  label.left = x;
  label.top = y + 220;
  label.width = MapLabelWidth;
  const SharedTables& t = Tabs();
  const auto ux = static_cast<std::size_t>(x);
  const auto uy = static_cast<std::size_t>(y);
  switch (map) {
    case MapKind::Communities:
      MapRegion = MapHitCodes().HitMap[ux][uy];
      if (MapRegion >= 1 && MapRegion <= kCommunities)
        label.text = TrimBlanks(Field(t.TabComunida[static_cast<std::size_t>(MapRegion)].view(), 3, 45));
      break;
    case MapKind::Comarcas:
      MapRegion = MapHitCodes().HitMapC[ux][uy];
      if (MapRegion >= 1 && MapRegion <= kComarcas) {
        label.text = t.Binary.Comarcas.name[static_cast<std::size_t>(MapRegion)].str();
        label.handCursor = true;
      }
      break;
    case MapKind::Zones: {
      MapRegion = MapHitCodes().HitMapM[ux][uy];
      if (MapRegion < 1 || MapRegion > kZones) break;
      const MunicipalityTable& m = t.Binary.Municipalities;
      const auto& zone = m.ZoneTable[static_cast<std::size_t>(MapRegion)];
      label.width = 250;
      label.handCursor = true;
      label.text = m.name[static_cast<std::size_t>(zone[1])].str() + " - " +
                   m.name[static_cast<std::size_t>(zone[2])].str();
      if (zone[3] != 0) label.text += " - " + m.name[static_cast<std::size_t>(zone[3])].str();
      break;
    }
  }
  return label;
}

// ---- Stars --------------------------------------------------------------------------------

std::vector<StarEllipse> StarBlinker::Tick() {
  std::vector<StarEllipse> stars;
  for (int c = 1; c <= kCommunities; ++c) {
    if (!marked_[static_cast<std::size_t>(c)]) continue;
    const MapPoint at = RegionAnchor[static_cast<std::size_t>(c)];
    stars.push_back({at.x, at.y, phase_, RGB(0xFF, 0xFF, 0xFF), brush_});
  }
  // Yellow, navy and maroon in turn, one tick behind the phase.
  static constexpr std::array<TColor, 4> kBrushAfter = {0, RGB(0xFF, 0xFF, 0), RGB(0, 0, 0x80), RGB(0x80, 0, 0)};
  brush_ = kBrushAfter[static_cast<std::size_t>(phase_)];
  phase_ = phase_ == 3 ? 1 : phase_ + 1;
  return stars;
}

}  // namespace velmora
