// Reading the data files: names relative to the data folder (backslash-separated as the data
// writes them), Windows-1252 lines ending at LF, CR dropped, Ctrl-Z ending the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

// The name as a path of this system: language folders are written "cas\textos".
std::string NativePath(std::string_view name);

bool DataFileExists(std::string_view name);

// No data file comes near this size (the largest, puntos3, is under 1 MB).
inline constexpr std::uintmax_t kMaxDataFileSize = std::uintmax_t{16} << 20;

// The whole file into buffer (reused between calls); false when it cannot be opened, is no
// regular file (a device or a FIFO) or is larger than kMaxDataFileSize.
bool ReadWholeFile(std::string_view name, std::string& buffer);

// The size of a data file that ReadWholeFile would read; nothing for what it would refuse.
std::optional<std::uintmax_t> DataFileSize(std::string_view name);

// Exactly dest.size() bytes from offset into dest, straight from the file: a large table is
// filled without passing through a buffer. False when they cannot all be read.
bool ReadFilePart(std::string_view name, std::uintmax_t offset, std::span<std::byte> dest);

// Cuts a file's content into its lines in place: everything from the first Ctrl-Z on is
// dropped, and so is every CR (the CR of CR LF and a lone CR alike).
void NormaliseLineEnds(std::string& content);

// Calls visit(line) for each line of normalised content; stops early when visit returns false.
// A last line without a line end counts; an empty file has no lines.
template <typename Visit>
void ForEachLine(std::string_view content, Visit&& visit) {
  while (!content.empty()) {
    const auto end = content.find('\n');
    const std::string_view line = content.substr(0, end);
    if (!visit(line)) return;
    if (end == std::string_view::npos) return;
    content.remove_prefix(end + 1);
  }
}

// Reads the named file and visits its lines; false (nothing visited) when it cannot be opened.
template <typename Visit>
bool ForEachFileLine(std::string_view name, Visit&& visit) {
  static thread_local std::string buffer;
  if (!ReadWholeFile(name, buffer)) return false;
  NormaliseLineEnds(buffer);
  ForEachLine(buffer, visit);
  return true;
}

}  // namespace velmora
