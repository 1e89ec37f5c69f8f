// What the fuzz targets share: a scratch data folder as the current directory, the platform
// double, fresh shared state for each input, and inputs that carry several files at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/platform/recording_platform.h"

namespace velmora::fuzz {

using Input = std::span<const std::uint8_t>;

// Enters the scratch folder (made once per process) with the tables allocated afresh and the
// recorded messages cleared.
RecordingPlatform& FreshState();

void WriteFile(std::string_view name, Input bytes);

// A file an input may carry; binary files are padded with zeros to their size, so that a
// small input reaches past the size checks into the records.
struct FileSpec {
  std::string_view name;
  std::size_t padTo = 0;
};

// Several files in one input: records of [file index][length, 2 bytes little-endian][bytes],
// the index taken modulo the number of files; a record cut short by the end of the input takes
// what is left. Files not named are removed. Index 0xFF ends the files: what follows is returned
// (a script of choices for the target).
Input UnpackFiles(Input input, std::span<const FileSpec> files);

// The input UnpackFiles reads back: a record for each file (its index, and at most 65535 of its
// bytes), the end mark, then the script.
std::string PackFiles(const std::vector<std::pair<std::size_t, std::string>>& files, std::string_view script);

// Reads choices from a script; past its end every choice is 0.
class Script {
 public:
  explicit Script(Input bytes) : bytes_(bytes) {}
  bool More() const { return at_ < bytes_.size(); }
  int Next(int range) { return More() && range > 0 ? bytes_[at_++] % range : 0; }

 private:
  Input bytes_;
  std::size_t at_ = 0;
};

}  // namespace velmora::fuzz
