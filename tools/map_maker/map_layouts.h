// The three maps of the data folder: the community map of Spain, the comarcas of Catalonia
// and the zones of Madrid, each as an index picture and the bitmap drawn from it.
#pragma once

#include "code_grid.h"
#include "map_sources.h"

#include <QImage>

struct BuiltMap {
    CodeGrid codes;
    QImage picture;
};

inline constexpr QSize kCommunityMapSize(281, 196);
inline constexpr QSize kDetailMapSize(281, 220);

// Each throws SourceError when the sources cannot give a correct map (a fixed point outside its
// region, a comarca or zone without pixels).
BuiltMap buildCommunityMap(const MapSources& sources);
BuiltMap buildComarcaMap(const MapSources& sources);
BuiltMap buildZoneMap(const MapSources& sources);
