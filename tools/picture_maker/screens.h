#pragma once

#include <QImage>
#include <QSize>

namespace picture {

// Backdrop of the module screens, tiled from (0, 0).
inline constexpr QSize kFloorTileSize(128, 128);
// Frame strips of the module screens: a band across the top and one down each side.
inline constexpr QSize kFrameTopSize(1024, 33);
inline constexpr QSize kFrameSideSize(24, 768);

QImage drawFloorTile();           // "suelo"
QImage drawFrameTop();            // "marcoar"
QImage drawFrameSide(bool left);  // "marcoi" (left) and "marcod" (right)

} // namespace picture
