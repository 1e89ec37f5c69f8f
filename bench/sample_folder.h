// The benchmarks' start: the sample data folder of build/app entered and its degree and
// vocational files loaded, as the program's start-up loads them.
#pragma once

#include <filesystem>

#include "core/common.h"
#include "core/platform/recording_platform.h"
#include "university/degree_files.h"
#include "vocational/vocational_files.h"

namespace velmora {

inline void LoadSampleFolder(RecordingPlatform& platform) {
  SetCurrentPlatform(&platform);
  AllocateSharedTables();
  std::filesystem::current_path("velmora15_16");
  LanguageFolder = "cas\\";
  LoadDegreeFiles();
  LoadVocationalFiles();
}

}  // namespace velmora
