// How the maps look: a school-atlas palette (soft fills, darker borders, light blue sea,
// neutral neighbouring land) and the step that turns an index picture into the bitmap.
#pragma once

#include "code_grid.h"

#include <QColor>
#include <QImage>

#include <map>
#include <vector>

namespace map_style {

inline const QColor kSea(0xcf, 0xe6, 0xf5);
inline const QColor kLand(0xec, 0xe8, 0xdf);        // land that is no region of the map
inline const QColor kLandBorder(0xb9, 0xb2, 0xa4);
inline const QColor kBorder(0x8a, 0x7f, 0x6e);      // between two regions
inline const QColor kOutline(0x5b, 0x55, 0x4c);     // edge against sea or other land, mixed with the fill
inline const QColor kFrame(0x7c, 0x8a, 0x94);       // inset box

// Soft fills, none of them close to the sea colour.
const std::vector<QColor>& fills();

// A fill for every region, neighbours always different, the colours used about equally.
std::map<int, QColor> assignFills(const CodeGrid& codes);

// The bitmap: region pixels from the grid (fill, or border/outline colour on their edges),
// every other pixel from the background.
QImage compose(const CodeGrid& codes, const QImage& background, const std::map<int, QColor>& fills);

}  // namespace map_style
