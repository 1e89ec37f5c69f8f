#include "tests/support/fixture_folder.h"

#include <fstream>
#include <random>
#include <sstream>

#include "core/data_file.h"

namespace velmora::testing {

FixtureFolder::FixtureFolder() : previous_(std::filesystem::current_path()) {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("velmora-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path_);
  std::filesystem::current_path(path_);
}

FixtureFolder::~FixtureFolder() {
  std::error_code error;
  std::filesystem::current_path(previous_, error);
  std::filesystem::remove_all(path_, error);
}

void FixtureFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::filesystem::path file = path_ / NativePath(name);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void FixtureFolder::Remove(std::string_view name) const { std::filesystem::remove(path_ / NativePath(name)); }

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string joined;
  for (const std::string_view line : lines) {
    joined += line;
    joined += "\r\n";
  }
  return joined;
}

CommonStateTest::CommonStateTest() {
  SetCurrentPlatform(&platform);
  ResetCommonState();
  AllocateSharedTables();
}

CommonStateTest::~CommonStateTest() {
  ReleaseSharedTables();
  SetCurrentPlatform(nullptr);
}

}  // namespace velmora::testing
