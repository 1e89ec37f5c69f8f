// The pictures shared by the screens, loaded once at start-up from the data folder.
#pragma once

#include <QImage>
#include <QPixmap>
#include <string>
#include <string_view>

namespace velmora {

// A start-up picture: its file is checked when the data folder is read, and a bitmap that is
// whole is decoded the first time it is used. The maps, frames and floor belong to screens a
// session may never open, and decoding them was a tenth of the start-up.
class DataPicture {
 public:
  // False when the file holds no readable picture. An uncompressed bitmap whose header Qt
  // accepts and whose file holds every row it declares waits; any other picture is decoded now.
  bool Prepare(std::string_view file);
  DataPicture& operator=(QImage image);  // a picture made by the program
  const QImage& operator*() const;
  const QImage* operator->() const { return &**this; }

 private:
  mutable std::string waitingFile_;  // the file still to be decoded, if any
  mutable QImage image_;
};

struct SharedBitmaps {
  DataPicture BmpGirl, BmpPart, BmpHeli, BmpMap, BmpMapC, BmpMapM, BmpFloor, BmpFrameRight, BmpFrameLeft,
      BmpFrameTop;
  // The corridor's own pictures, checked by its start-up step and decoded when it is built.
  DataPicture BmpLeaveSign, BmpMenuLeft, BmpMenuRight;
  // Filled or sized later by the screens.
  QImage BmpHelpBubble, BmpDoor, BmpWalker;
};

SharedBitmaps& Bitmaps();
// Prepares the ten start-up pictures in their order; a missing or unreadable one sets
// StartAborted (the three maps also show "Faltan ficheros"), and the next is prepared.
void LoadSharedBitmaps();
void ReleaseSharedBitmaps();

// A picture of the data folder, its format told by its content (the files carry no extension).
QImage LoadDataPicture(std::string_view name);

// The picture with its bottom-left pixel's colour made transparent, as transparent pictures
// of the screens are drawn.
QPixmap TransparentPixmap(const QImage& picture);

}  // namespace velmora
