#include "tests/fuzz/fuzz_folder.h"

#include <unistd.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/common.h"
#include "core/data_file.h"

namespace velmora::fuzz {
namespace {

struct Scratch {
  Scratch() {
    path = std::filesystem::temp_directory_path() / ("velmora-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    SetCurrentPlatform(&platform);
  }
  ~Scratch() {
    std::error_code error;
    std::filesystem::remove_all(path, error);
  }
  std::filesystem::path path;
  RecordingPlatform platform;
};

}  // namespace

RecordingPlatform& FreshState() {
  static Scratch scratch;
  // Two folders in turn: the pages cache what they read by folder, and each input is new data.
  static int turn = 0;
  turn = 1 - turn;
  const std::filesystem::path folder = scratch.path / std::to_string(turn);
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  ResetCommonState();
  AllocateSharedTables();
  WidthStd = WidthFP = 60;
  WidthShort = 55;
  WidthLong = 90;
  scratch.platform.messages.clear();
  return scratch.platform;
}

void WriteFile(std::string_view name, Input bytes) {
  const std::filesystem::path path = NativePath(name);
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Input UnpackFiles(Input input, std::span<const FileSpec> files) {
  std::vector<bool> written(files.size(), false);
  while (!input.empty() && input[0] != 0xFF) {
    const std::size_t index = input[0] % files.size();
    std::size_t length = input.size() > 2 ? input[1] | (std::size_t{input[2]} << 8) : 0;
    input = input.subspan(std::min<std::size_t>(3, input.size()));
    length = std::min(length, input.size());
    std::vector<std::uint8_t> bytes(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(length));
    if (bytes.size() < files[index].padTo) bytes.resize(files[index].padTo, 0);
    WriteFile(files[index].name, bytes);
    written[index] = true;
    input = input.subspan(length);
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::error_code error;
    if (!written[i]) std::filesystem::remove(NativePath(files[i].name), error);
  }
  return input.empty() ? input : input.subspan(1);
}

std::string PackFiles(const std::vector<std::pair<std::size_t, std::string>>& files, std::string_view script) {
  std::string input;
  for (const auto& [index, bytes] : files) {
    const std::size_t length = std::min<std::size_t>(bytes.size(), 0xFFFF);
    input += static_cast<char>(index);
    input += static_cast<char>(length & 0xFF);
    input += static_cast<char>(length >> 8);
    input.append(bytes, 0, length);
  }
  input += '\xFF';
  input += script;
  return input;
}

}  // namespace velmora::fuzz
