#include "core/shared_bitmaps.h"

#include <QBitmap>
#include <QFile>
#include <QImageReader>
#include <memory>

#include "core/common.h"
#include "core/data_file.h"

namespace velmora {
namespace {
std::unique_ptr<SharedBitmaps> bitmaps;
}

SharedBitmaps& Bitmaps() {
  if (!bitmaps) bitmaps = std::make_unique<SharedBitmaps>();
  return *bitmaps;
}

QImage LoadDataPicture(std::string_view name) {
  // Opening a FIFO or a device would block or never end, as for any other data file.
  if (!DataFileExists(name)) return {};
  QFile file(QString::fromStdString(NativePath(name)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  // Bitmaps and PNG are known by their signature: asking Qt to tell the format from the
  // content would load every image plugin it has, a good part of the start-up.
  const QByteArray head = file.peek(8);
  const QByteArray format = head.startsWith("BM") ? "bmp" : head.startsWith("\x89PNG") ? "png" : QByteArray();
  QImageReader reader(&file, format);
  reader.setAutoDetectImageFormat(format.isEmpty());
  reader.setDecideFormatFromContent(format.isEmpty());
  return reader.read();
}

void LoadSharedBitmaps() {
  SharedBitmaps& b = Bitmaps();
  struct Source {
    QImage SharedBitmaps::*bitmap;
    std::string_view file;
    bool isMap;
  };
  static constexpr Source kSources[] = {
      {&SharedBitmaps::BmpGirl, "chica.bmp", false},  {&SharedBitmaps::BmpPart, "parte", false},
      {&SharedBitmaps::BmpHeli, "heli.bmp", false},   {&SharedBitmaps::BmpMap, "mapa", true},
      {&SharedBitmaps::BmpMapC, "mapac", true},       {&SharedBitmaps::BmpMapM, "mapam", true},
      {&SharedBitmaps::BmpFloor, "suelo", false},     {&SharedBitmaps::BmpFrameRight, "marcod", false},
      {&SharedBitmaps::BmpFrameLeft, "marcoi", false}, {&SharedBitmaps::BmpFrameTop, "marcoar", false},
  };
  for (const Source& source : kSources) {
    b.*source.bitmap = LoadDataPicture(source.file);
    if (!(b.*source.bitmap).isNull()) continue;
    if (source.isMap) ShowMessage("Faltan ficheros");
    StartAborted = true;
  }
}

QPixmap TransparentPixmap(const QImage& picture) {
  if (picture.isNull()) return {};
  QPixmap pixmap = QPixmap::fromImage(picture);
  const QColor key = picture.pixelColor(0, picture.height() - 1);
  pixmap.setMask(QBitmap::fromImage(picture.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
  return pixmap;
}

void ReleaseSharedBitmaps() { bitmaps.reset(); }

}  // namespace velmora
