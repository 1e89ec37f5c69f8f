// Damaged data folders: what is no regular data file, or too large to be one, or empty where
// every file has lines, is refused with the missing-file message instead of being read.
#include "core/data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/binary_readers.h"
#include "core/line_loaders.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

using testing::CrLf;

class DamagedData : public ::testing::Test, public testing::CommonStateTest {
 protected:
  std::string Missing(std::string_view name) {
    return "Faltan ficheros (" + std::string(name) + "). Vuelva a instalar el programa";
  }
  testing::FixtureFolder folder;
  std::string buffer = "kept";
};

TEST(LineEnds, EveryCarriageReturnGoesWhereverItStandsAndCtrlZEndsTheContent) {
  const auto normalised = [](std::string content) {
    NormaliseLineEnds(content);
    return content;
  };
  EXPECT_EQ(normalised("plain\nlines"), "plain\nlines");
  EXPECT_EQ(normalised("\r\r\ra\r\n\r\nb\r"), "a\n\nb");
  EXPECT_EQ(normalised("\r"), "");
  EXPECT_EQ(normalised("x\ry\r\x1Az\r"), "xy");
  EXPECT_EQ(normalised(std::string(5000, '\r') + "end"), "end");
}

TEST_F(DamagedData, DevicesAndFifosAreNeverOpened) {
  // Opening a FIFO with no writer would block for ever; reading /dev/zero would never end.
  ASSERT_EQ(mkfifo("pipe", 0600), 0);
  EXPECT_FALSE(ReadWholeFile("pipe", buffer));
  EXPECT_FALSE(DataFileExists("pipe"));
  std::filesystem::create_symlink("/dev/zero", "puntos3");
  EXPECT_FALSE(ReadWholeFile("puntos3", buffer));
  EXPECT_FALSE(ReadWholeFile("folder", buffer));
  EXPECT_EQ(buffer, "kept");

  EXPECT_FALSE(LoadHitMaps("puntos3", Tabs().Maps));
  int count = 5;
  LoadLineTable("pipe", Tabs().WorkList, count, 60);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(platform.messages, (std::vector<std::string>{Missing("puntos3"), Missing("pipe")}));
  EXPECT_TRUE(StartAborted);
}

TEST_F(DamagedData, AFileLargerThanAnyDataFileIsRefused) {
  // Sparse files: the size is what counts, not what the disk holds.
  folder.Write("largest", "");
  std::filesystem::resize_file("largest", kMaxDataFileSize);
  ASSERT_TRUE(ReadWholeFile("largest", buffer));
  EXPECT_EQ(buffer.size(), kMaxDataFileSize);

  folder.Write("runaway", "");
  std::filesystem::resize_file("runaway", kMaxDataFileSize + 1);
  EXPECT_FALSE(ReadWholeFile("runaway", buffer));
  int count = 0;
  LoadTextLines("runaway", Tabs().TabTextos, count);
  EXPECT_EQ(platform.messages, std::vector<std::string>{Missing("runaway")});
}

TEST_F(DamagedData, ALineFileWithoutLinesIsReportedAndChangesNothing) {
  folder.Write("empty", "");
  folder.Write("cut", "\x1A" "after the end");
  LineTable& table = Tabs().WorkList;
  table[0] = "untouched";
  int count = 3;
  LoadLineTable("empty", table, count, 60);
  ReadLineTable("cut", table, count);
  LoadLines600("empty", Tabs().TabInformaL, count, 60);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(table[0].view(), "untouched");
  MarkedLineNumbers numbers{};
  LoadMarkedLines("empty", table, count, numbers, 60);
  LoadPlaces("empty", table, Tabs().WorkTables[0], Tabs().Binary.PlaceCodes, count);
  LoadCommunityTexts("cut", Tabs().Binary.CommunityTexts, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(platform.messages.size(), 6u);
  EXPECT_EQ(platform.messages.back(), Missing("cut"));

  // The one loader that may find nothing stays silent.
  EXPECT_TRUE(LoadLines200("empty", Tabs().TabCarrenue, count));
  EXPECT_EQ(count, 0);
  EXPECT_EQ(platform.messages.size(), 6u);
}

}  // namespace
}  // namespace velmora
