#include "core/shared_bitmaps.h"

#include <QBitmap>
#include <QFile>
#include <QImageReader>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "core/binary_tables.h"
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

namespace {

// Only the plain bitmaps the asset tools write are left for later, told by their headers alone:
// asking Qt's reader cost a tenth of a millisecond a picture at every start. Anything else is
// decoded at once, so a header read wrongly here cannot pass a picture Qt would refuse.
bool IsWholeUncompressedBitmap(std::string_view name) {
  const auto fileSize = DataFileSize(name);
  constexpr std::size_t kHeadersSize = 54;  // the file header and the information header
  std::array<std::byte, kHeadersSize> head{};
  if (!fileSize || !ReadFilePart(name, 0, head)) return false;
  if (head[0] != std::byte{'B'} || head[1] != std::byte{'M'}) return false;
  const std::uint32_t pixelsAt = LittleEndianAt(head, 10, 4);
  const std::uint32_t informationSize = LittleEndianAt(head, 14, 4);
  const auto width = static_cast<std::int32_t>(LittleEndianAt(head, 18, 4));
  const auto height = static_cast<std::int32_t>(LittleEndianAt(head, 22, 4));  // negative: top row first
  const std::uint32_t planes = LittleEndianAt(head, 26, 2);
  const std::uint32_t bitsPerPixel = LittleEndianAt(head, 28, 2);
  const std::uint32_t compression = LittleEndianAt(head, 30, 4);
  constexpr std::int32_t kLargestSide = 32767;
  if (informationSize != 40 || planes != 1 || (bitsPerPixel != 24 && bitsPerPixel != 32) || compression != 0 ||
      pixelsAt < kHeadersSize || width <= 0 || width > kLargestSide || height == 0 || height < -kLargestSide ||
      height > kLargestSide)
    return false;
  const std::uint64_t rowBytes = (std::uint64_t{static_cast<std::uint32_t>(width)} * bitsPerPixel + 31) / 32 * 4;
  return pixelsAt + rowBytes * static_cast<std::uint64_t>(std::abs(height)) <= *fileSize;
}

}  // namespace

bool DataPicture::Prepare(std::string_view file) {
  waitingFile_.clear();
  image_ = QImage();
  if (IsWholeUncompressedBitmap(file)) {
    waitingFile_ = file;
    return true;
  }
  image_ = LoadDataPicture(file);
  return !image_.isNull();
}

DataPicture& DataPicture::operator=(QImage image) {
  waitingFile_.clear();
  image_ = std::move(image);
  return *this;
}

const QImage& DataPicture::operator*() const {
  if (!waitingFile_.empty()) {
    image_ = LoadDataPicture(waitingFile_);
    waitingFile_.clear();
  }
  return image_;
}

void LoadSharedBitmaps() {
  SharedBitmaps& b = Bitmaps();
  struct Source {
    DataPicture SharedBitmaps::*bitmap;
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
    if ((b.*source.bitmap).Prepare(source.file)) continue;
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
