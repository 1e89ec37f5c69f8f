// The walk-through's picture archive reader on any bytes, then every picture drawn once, as the
// walk-through would: a damaged archive is refused and a damaged picture is not drawn, never a
// crash. The replay also feeds each input cut short and with a byte changed.
#include <string>

#include "core/picture_archive.h"

using namespace velmora;

namespace {

void ReadAndDraw(const std::string& bytes) {
  const auto pictures = ReadPictureArchive(bytes);
  if (!pictures) return;
  for (const auto& [name, picture] : *pictures) picture.Image();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ReadAndDraw(bytes);
  // A few damaged variants of every input, so a replay of a good archive reaches the checks too.
  for (const std::size_t cut : {size / 3, size / 2, size > 0 ? size - 1 : 0}) ReadAndDraw(bytes.substr(0, cut));
  for (const std::size_t at : {std::size_t{5}, std::size_t{9}, size / 2, size > 40 ? size - 40 : 0}) {
    if (at >= size) continue;
    std::string changed = bytes;
    changed[at] = static_cast<char>(changed[at] ^ 0x5A);
    ReadAndDraw(changed);
  }
  return 0;
}
