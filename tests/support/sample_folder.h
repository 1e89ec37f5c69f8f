// A minimal but complete data folder "velmora15_16" inside a fixture folder: every file the
// start-up reads, with small valid contents, so a test can take one away or change one.
#pragma once

#include <string>
#include <string_view>

#include "tests/support/fixture_folder.h"

namespace velmora::testing {

struct SettingsRecord {
  std::string name = "  IES Las Encinas  ";
  int animation = 1;
  int language = 0;
  std::string Bytes() const;
};

class SampleFolder {
 public:
  explicit SampleFolder(const FixtureFolder& fixture);

  // Writes or removes a file of the data folder.
  void Write(std::string_view name, std::string_view bytes) const;
  void Remove(std::string_view name) const;
  void WritePicture(std::string_view name, int width, int height) const;
  // The files of a language folder; its "textos" has 749 lines "<folder> N", so a test can
  // tell which language was read.
  void WriteLanguage(std::string_view languageFolder) const;

 private:
  const FixtureFolder& fixture_;
};

// A valid walk-through archive of one small picture.
std::string TinyPictureArchive();

}  // namespace velmora::testing
