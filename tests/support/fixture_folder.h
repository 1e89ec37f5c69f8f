// A temporary data folder for one test: files are written as exact bytes, and the test runs
// with it as the current directory (as the program does after entering its data folder).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/common.h"
#include "core/platform/recording_platform.h"

namespace velmora::testing {

class FixtureFolder {
 public:
  FixtureFolder();
  ~FixtureFolder();
  FixtureFolder(const FixtureFolder&) = delete;
  FixtureFolder& operator=(const FixtureFolder&) = delete;

  // Writes bytes to a file (name relative to the folder, "\\" or "/" separated).
  void Write(std::string_view name, std::string_view bytes) const;
  void Remove(std::string_view name) const;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// A file's bytes as they stand on disk; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

// Lines joined with CR LF, as the data files are written.
std::string CrLf(std::initializer_list<std::string_view> lines);

// A fresh platform double made current, the shared state reset and the tables allocated.
class CommonStateTest {
 public:
  CommonStateTest();
  ~CommonStateTest();
  RecordingPlatform platform;
};

}  // namespace velmora::testing
