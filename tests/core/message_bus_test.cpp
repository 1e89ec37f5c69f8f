// The program gives up the session bus only where libdbus could not have found or launched one:
// a desktop's bus, given by address or by its socket, and an installed launcher are kept.
#include "core/message_bus.h"

#include <gtest/gtest.h>

#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

TEST(MessageBus, OnlyASessionWithNoBusAndNoLauncherGivesItUp) {
  const testing::FixtureFolder folder;
  folder.Write("run/readme", "");
  folder.Write("bin/other", "");
  const std::string run = (folder.path() / "run").string();
  const std::string bin = (folder.path() / "bin").string();
  const std::string search = bin + ":" + (folder.path() / "absent").string();

  EXPECT_TRUE(BusLaunchCannotSucceed("", run, search));
  EXPECT_TRUE(BusLaunchCannotSucceed("", "", search));
  EXPECT_FALSE(BusLaunchCannotSucceed("unix:path=/run/user/1000/bus", run, search));

  folder.Write("run/bus", "");
  EXPECT_FALSE(BusLaunchCannotSucceed("", run, search));

  // The launcher in any folder of the path, the last one or the current one (an empty entry).
  folder.Write("bin/dbus-launch", "");
  EXPECT_FALSE(BusLaunchCannotSucceed("", "", "/nowhere:" + bin));
  folder.Write("dbus-launch", "");
  EXPECT_FALSE(BusLaunchCannotSucceed("", "", "/nowhere::/elsewhere"));
  EXPECT_TRUE(BusLaunchCannotSucceed("", "", "/nowhere:/elsewhere"));
}

}  // namespace
}  // namespace velmora
