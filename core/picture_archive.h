// The walk-through's picture archives: named pictures in one file of our own format. The file
// starts with "VDXG", a version (1) and the picture count, both 16-bit little-endian; each picture
// then has its name (a length byte and the characters), its width and height (16-bit), the length
// of its PNG data (32-bit) and that data. Every length is checked against the file.
#pragma once

#include <QImage>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A picture of an archive: its size, read with the archive, and its PNG data, decoded the first
// time the picture is drawn so that the start does not wait for pictures not yet on screen.
struct ArchivedPicture {
  int width = 0, height = 0;
  std::string png;
  const QImage& Image() const;  // a null image when the data does not decode to that size

 private:
  mutable QImage decoded_;
  mutable bool tried_ = false;
};
using PictureArchive = std::map<std::string, ArchivedPicture, std::less<>>;
using NamedImages = std::map<std::string, QImage, std::less<>>;

// The pictures of the bytes, or nothing (with the reason) when the archive is damaged or cut: every
// length is checked and every picture's PNG header must state its size.
std::optional<PictureArchive> ReadPictureArchive(std::string_view bytes, std::string* problem = nullptr);
// The archive's bytes; names of at most 255 characters.
std::string WritePictureArchive(const NamedImages& pictures);

// The walk-through's two archives as start-up read them (empty when the animation is off).
struct WalkPictures {
  PictureArchive figure;    // segdxg1.DXG
  PictureArchive building;  // romanico.DXG
};
WalkPictures& LoadedWalkPictures();

}  // namespace velmora
