// A test that starts on the sample data folder the build writes, as the program's preparation
// leaves it (tables loaded, data folder entered); the test target defines VELMORA_DATA_FOLDER.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "core/common.h"
#include "core/platform/recording_platform.h"
#include "core/shared_bitmaps.h"
#include "core/startup.h"

namespace velmora::testing {

class BuiltFolderTest : public ::testing::Test {
 protected:
  BuiltFolderTest() {
    SetCurrentPlatform(&platform);
    ResetCommonState();
    std::filesystem::current_path(std::filesystem::path(VELMORA_DATA_FOLDER).parent_path());
    RunStageA({}, "/nonexistent");
    AnimationOn = false;  // the screens under test go back to the corridor, as without the walk-through
  }
  ~BuiltFolderTest() override {
    ReleaseSharedTables();
    ReleaseSharedBitmaps();
    SetCurrentPlatform(nullptr);
  }
  RecordingPlatform platform;
};

}  // namespace velmora::testing
