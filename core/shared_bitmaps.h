// The pictures shared by the screens, loaded once at start-up from the data folder.
#pragma once

#include <QImage>
#include <QPixmap>

namespace velmora {

struct SharedBitmaps {
  QImage BmpGirl, BmpPart, BmpHeli, BmpMap, BmpMapC, BmpMapM, BmpFloor, BmpFrameRight, BmpFrameLeft,
      BmpFrameTop;
  // Filled or sized later by the screens.
  QImage BmpHelpBubble, BmpScratch, BmpDoor, BmpWalker;
};

SharedBitmaps& Bitmaps();
// Loads the ten start-up pictures in their order; a missing one sets StartAborted (the three
// maps also show "Faltan ficheros"), and loading goes on with the next.
void LoadSharedBitmaps();
void ReleaseSharedBitmaps();

// A picture of the data folder, its format told by its content (the files carry no extension).
QImage LoadDataPicture(std::string_view name);

// The picture with its bottom-left pixel's colour made transparent, as transparent pictures
// of the screens are drawn.
QPixmap TransparentPixmap(const QImage& picture);

}  // namespace velmora
