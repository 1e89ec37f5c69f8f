#include "core/picture_archive.h"

#include <QBuffer>

namespace velmora {
namespace {

constexpr std::string_view kMagic = "VDXG";
constexpr int kVersion = 1;
constexpr int kMaxSide = 4096;

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool Take(std::size_t count, std::string_view& out) {
    if (bytes_.size() - at_ < count) return false;
    out = bytes_.substr(at_, count);
    at_ += count;
    return true;
  }
  bool Number(std::size_t size, std::uint32_t& out) {
    std::string_view raw;
    if (!Take(size, raw)) return false;
    out = 0;
    for (std::size_t i = size; i-- > 0;) out = (out << 8) | static_cast<unsigned char>(raw[i]);
    return true;
  }
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

void Put(std::string& out, std::uint32_t value, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A PNG's signature and its header chunk with the given size.
bool PngSizeIs(std::string_view data, std::uint32_t width, std::uint32_t height) {
  constexpr std::string_view kSignature = "\x89PNG\r\n\x1A\n";
  if (data.size() < 33 || data.substr(0, 8) != kSignature || data.substr(12, 4) != "IHDR") return false;
  const auto big = [&](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(data[at + i]);
    return value;
  };
  return big(16) == width && big(20) == height;
}

std::optional<PictureArchive> Fail(std::string* problem, const std::string& why) {
  if (problem != nullptr) *problem = why;
  return std::nullopt;
}

}  // namespace

std::optional<PictureArchive> ReadPictureArchive(std::string_view bytes, std::string* problem) {
  Reader reader(bytes);
  std::string_view magic;
  std::uint32_t version = 0, count = 0;
  if (!reader.Take(kMagic.size(), magic) || magic != kMagic) return Fail(problem, "not a picture archive");
  if (!reader.Number(2, version) || version != kVersion) return Fail(problem, "unknown version");
  if (!reader.Number(2, count)) return Fail(problem, "cut in its header");
  PictureArchive pictures;
  for (std::uint32_t n = 0; n < count; ++n) {
    std::uint32_t nameLength = 0, width = 0, height = 0, dataLength = 0;
    std::string_view name, data;
    if (!reader.Number(1, nameLength) || nameLength == 0 || !reader.Take(nameLength, name) || !reader.Number(2, width) ||
        !reader.Number(2, height) || !reader.Number(4, dataLength) || !reader.Take(dataLength, data))
      return Fail(problem, "cut in picture " + std::to_string(n + 1));
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
      return Fail(problem, "picture " + std::string(name) + " has an impossible size");
    if (!PngSizeIs(data, width, height)) return Fail(problem, "picture " + std::string(name) + " is damaged");
    ArchivedPicture picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.png = std::string(data);
    if (!pictures.emplace(std::string(name), std::move(picture)).second)
      return Fail(problem, "picture " + std::string(name) + " comes twice");
  }
  if (!reader.AtEnd()) return Fail(problem, "has bytes after its last picture");
  return pictures;
}

const QImage& ArchivedPicture::Image() const {
  if (!tried_) {
    tried_ = true;
    QImage image;
    if (image.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG") &&
        image.width() == width && image.height() == height)
      decoded_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  return decoded_;
}

WalkPictures& LoadedWalkPictures() {
  static WalkPictures pictures;
  return pictures;
}

std::string WritePictureArchive(const NamedImages& pictures) {
  std::string out(kMagic);
  Put(out, kVersion, 2);
  Put(out, static_cast<std::uint32_t>(pictures.size()), 2);
  for (const auto& [name, image] : pictures) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    Put(out, static_cast<std::uint32_t>(std::min<std::size_t>(name.size(), 255)), 1);
    out += name.substr(0, 255);
    Put(out, static_cast<std::uint32_t>(image.width()), 2);
    Put(out, static_cast<std::uint32_t>(image.height()), 2);
    Put(out, static_cast<std::uint32_t>(png.size()), 4);
    out.append(png.constData(), static_cast<std::size_t>(png.size()));
  }
  return out;
}

}  // namespace velmora
