#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace picture {

// The main menu tiles the door tile over its 1024x768 client area: two rows of
// six doors, the upper row from y = 0 and the lower one from y = 305. The width
// follows the spacing of the door labels (59, 232, 410, 579, 757, 928), so each
// label lands about 60 px into its column, over the door.
inline constexpr QSize kMenuSize(1024, 768);
inline constexpr int kTileWidth = 174;
inline constexpr int kTileHeight = 305;

// Where the door sits inside one tile. The opening door the menu animates is
// 56 px wide at label left + 4 (53..122 into a column) and ends at y = 130..298
// in the upper row.
inline constexpr QRect kDoorLeaf(52, 122, 72, 170);   // the leaf, frame excluded
inline constexpr int kFloorTop = 292;                 // skirting and floor below it

// Pictures that sit on the corridor; they carry the corridor behind them so
// they look right whether or not a screen keys out their backdrop.
inline constexpr QPoint kSignAt(913, 288);
inline constexpr QSize kSignSize(97, 57);
inline constexpr QPoint kLeftCornerAt(24, 480);
inline constexpr QSize kLeftCornerSize(136, 130);
inline constexpr QPoint kRightCornerAt(744, 480);
inline constexpr QSize kRightCornerSize(150, 130);

QImage drawDoorTile();                        // "parte"
// The menu's corridor: the door tile repeated from (0, 0) over the client area.
QImage tileCorridor(const QImage& tile, QSize size = kMenuSize);
QImage drawSign(const QImage& corridor);      // "rotulon.bmp"
QImage drawBookshelf(const QImage& corridor); // "imagen"
QImage drawNoticeBoard(const QImage& corridor); // "imagen2"

} // namespace picture
