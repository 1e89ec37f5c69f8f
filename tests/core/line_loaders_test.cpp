#include "core/line_loaders.h"

#include <gtest/gtest.h>

#include "core/text_helpers.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

using testing::CrLf;
using testing::FixtureFolder;

class LineLoaders : public ::testing::Test, public testing::CommonStateTest {
 protected:
  FixtureFolder folder;
  LineTable& table = Tabs().WorkList;
  int count = -1;
};

TEST(TextShaping, WidthPaddingAndTrimming) {
  EXPECT_EQ(ShapeToWidth("abc", 6), "abc   ");
  EXPECT_EQ(ShapeToWidth("", 60), std::string(59, ' '));  // an empty line is one short
  EXPECT_EQ(ShapeToWidth(std::string(70, 'x'), 60), std::string(60, 'x'));
  EXPECT_EQ(ShapeToWidth("ab", 1), "a");
  // Beyond 81 the padding of 80 blanks cannot reach the width.
  EXPECT_EQ(ShapeToWidth("abc", 90).size(), 83u);
  EXPECT_EQ(ShapeToWidth(std::string(20, 'x'), 90).size(), 90u);
  EXPECT_EQ(TrimBlanks("  a b  "), "  a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_TRUE(IsBlankLine(""));
  EXPECT_TRUE(IsBlankLine("    "));
  EXPECT_FALSE(IsBlankLine("  .  "));
  EXPECT_EQ(Field("abcdef", 3, 2), "cd");
  EXPECT_EQ(Field("abc", 3, 10), "c");
  EXPECT_EQ(Field("abc", 4, 2), "");
  EXPECT_EQ(ParseInt(" 7"), 7);
  EXPECT_EQ(ParseInt("07"), 7);
  EXPECT_EQ(ParseInt("-3"), -3);
  EXPECT_EQ(ParseInt("  "), std::nullopt);
  EXPECT_EQ(ParseInt("1x"), std::nullopt);
}

TEST_F(LineLoaders, ThreeLinesAtWidth55KeepOlderRecordsBeyondTheCount) {
  table[4] = "older";
  folder.Write("comunida", CrLf({"uno", "", std::string(70, 'z')}));
  LoadLineTable("comunida", table, count, 55);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(table[0].view(), "comunida");
  EXPECT_EQ(table[1].view(), "uno" + std::string(52, ' '));
  EXPECT_EQ(table[2].view(), std::string(54, ' '));
  EXPECT_EQ(table[3].view(), std::string(55, 'z'));
  EXPECT_EQ(table[4].view(), "older");
}

TEST_F(LineLoaders, AWidthAboveTheCapacityIsCutToTheRecord) {
  folder.Write("f", CrLf({"short", std::string(95, 'a')}));
  LoadLineTable("f", table, count, 90);
  EXPECT_EQ(table[1].size(), 60u);
  EXPECT_EQ(table[2].size(), 60u);
  LineTable75& wide = Tabs().WorkTables75[0];
  LoadLineTable75("f", wide, count, 90);
  EXPECT_EQ(wide[1].size(), 75u);
}

TEST_F(LineLoaders, LineEndsCarriageReturnsAndCtrlZ) {
  folder.Write("f", std::string("a\r\nb\nc\rd\r\ne\x1Ajunk\r\nmore"));
  ReadLineTable("f", table, count);
  ASSERT_EQ(count, 4);
  EXPECT_EQ(table[1].view(), "a");
  EXPECT_EQ(table[2].view(), "b");
  EXPECT_EQ(table[3].view(), "cd");  // a lone CR is dropped
  EXPECT_EQ(table[4].view(), "e");   // Ctrl-Z ends the file mid-line

  folder.Write("g", "one\r\ntwo");  // the last line needs no end
  ReadLineTable("g", table, count);
  EXPECT_EQ(count, 2);
  folder.Write("h", "one\r\n\x1A");
  ReadLineTable("h", table, count);
  EXPECT_EQ(count, 1);
  EXPECT_FALSE(StartAborted);
}

TEST_F(LineLoaders, UnpaddedReadersKeepLinesAsTheyStandUpToTheirCapacity) {
  folder.Write("f", CrLf({"ab  ", std::string(100, 'q')}));
  ReadLineTable("f", table, count);
  EXPECT_EQ(table[1].view(), "ab  ");
  EXPECT_EQ(table[2].size(), 60u);
  LineTable90& certificates = Tabs().TabCertificah;
  ReadLineTable90("f", certificates, count);
  EXPECT_EQ(certificates[2].size(), 90u);
}

TEST_F(LineLoaders, CapacitiesStopTheLoadWithoutWritingPastTheTable) {
  std::string many;
  for (int i = 1; i <= 1200; ++i) many += std::to_string(i) + "\r\n";
  folder.Write("many", many);
  LoadLineTable("many", table, count, 10);
  EXPECT_EQ(count, 1100);
  EXPECT_EQ(TrimBlanks(table[1100].view()), "1100");
  LineTable90& certificates = Tabs().TabCertificah;
  ReadLineTable90("many", certificates, count);
  EXPECT_EQ(count, 250);
  LineTable600& lines600 = Tabs().TabInformaL;
  LoadLines600("many", lines600, count, 60);
  EXPECT_EQ(count, 600);
  EXPECT_EQ(TrimBlanks(lines600[599].view()), "600");
  LineTable200& lines200 = Tabs().TabCarrenue;
  EXPECT_TRUE(LoadLines200("many", lines200, count));
  EXPECT_EQ(count, 200);
  EXPECT_EQ(TrimBlanks(lines200[0].view()), "1");
  EXPECT_EQ(lines200[0].size(), 60u);
  EXPECT_FALSE(StartAborted);
}

TEST_F(LineLoaders, TextLinesLoseTrailingBlanksOnly) {
  folder.Write("textos", CrLf({"  Retroceder  ", "     ", std::string(80, 'x')}));
  LoadTextLines("textos", Tabs().TabTextos, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(Tabs().TabTextos[0].view(), "textos");
  EXPECT_EQ(Tabs().TabTextos[1].view(), "  Retroceder");
  EXPECT_EQ(Tabs().TabTextos[2].view(), "");
  EXPECT_EQ(Tabs().TabTextos[3].size(), 75u);
}

TEST_F(LineLoaders, MarkedLinesKeepTheirFileLineNumbers) {
  MarkedLineNumbers numbers{};
  table[0] = "untouched";
  folder.Write("fp", CrLf({"A", "-B", "C", "-D"}));
  LoadMarkedLines("fp", table, count, numbers, 5);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(table[0].view(), "untouched");
  EXPECT_EQ(table[1].view(), "B    ");
  EXPECT_EQ(table[2].view(), "D    ");
  EXPECT_EQ(numbers[0], 2);
  EXPECT_EQ(numbers[1], 4);
}

TEST_F(LineLoaders, BlocksOf26LinesFillBlocksAndKeepUnreachedSlots) {
  BlockTable& blocks = Tabs().TabAsignafp;
  blocks[2][4] = "kept";
  std::string file;
  for (int i = 0; i < 30; ++i) file += (i % 26 == 0 ? "title " : "line ") + std::to_string(i) + "\r\n";
  folder.Write("asignafp", file);
  LoadBlocks26("asignafp", blocks, 2);
  EXPECT_EQ(TrimBlanks(blocks[1][1].view()), "line 1");
  EXPECT_EQ(TrimBlanks(blocks[1][25].view()), "line 25");
  EXPECT_EQ(blocks[1][25].size(), 60u);
  EXPECT_EQ(TrimBlanks(blocks[2][1].view()), "line 27");
  EXPECT_EQ(TrimBlanks(blocks[2][3].view()), "line 29");
  EXPECT_EQ(blocks[2][4].view(), "kept");

  std::string full;
  for (int i = 0; i < 52; ++i) full += "x" + std::to_string(i) + "\r\n";
  folder.Write("two", full);
  LoadBlocks26("two", blocks, 2);
  EXPECT_EQ(TrimBlanks(blocks[2][25].view()), "x51");
}

TEST_F(LineLoaders, BlocksBeyondTheTableAreNotStored) {
  std::string file;
  for (int i = 0; i < 26 * 175; ++i) file += "b" + std::to_string(i / 26) + "\r\n";
  folder.Write("big", file);
  LoadBlocks26("big", Tabs().TabAsignagm, 175);
  EXPECT_EQ(TrimBlanks(Tabs().TabAsignagm[170][25].view()), "b169");

  std::string fifty;
  for (int i = 0; i < 51 * 52; ++i) fifty += (i % 51 == 0 ? "t" : "c") + std::to_string(i) + "\r\n";
  folder.Write("asignaot", fifty);
  LoadBlocks51("asignaot", Tabs().TabAsignaot);
  EXPECT_EQ(TrimBlanks(Tabs().TabAsignaot[1][50].view()), "c50");
  EXPECT_EQ(TrimBlanks(Tabs().TabAsignaot[49][1].view()), "c2449");  // line 2500 is the last read
  EXPECT_TRUE(Tabs().TabAsignaot[50][1].empty());
}

TEST_F(LineLoaders, AMissingFileIsReportedAndLeavesTableAndCountAlone) {
  table[0] = "before";
  count = 7;
  LoadLineTable("cas\\fp", table, count, 60);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "Faltan ficheros (cas\\fp). Vuelva a instalar el programa");
  EXPECT_TRUE(StartAborted);
  EXPECT_EQ(count, 7);
  EXPECT_EQ(table[0].view(), "before");

  MarkedLineNumbers numbers{};
  LoadMarkedLines("none", table, count, numbers, 60);
  LoadBlocks26("none2", Tabs().TabAsignafp, 1);
  EXPECT_EQ(platform.messages.size(), 3u);
  EXPECT_FALSE(LoadLines200("carrenue", Tabs().TabCarrenue, count));
  EXPECT_EQ(platform.messages.size(), 3u);  // carrenue is left to its caller
}

TEST_F(LineLoaders, LanguageFolderNamesUseTheBackslashOfTheData) {
  folder.Write("cas/fp", CrLf({"-Familia", "titulo"}));
  LoadLineTable("cas\\fp", table, count, 20);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(table[0].view(), "cas\\fp");
}

TEST_F(LineLoaders, AReloadOverwritesInPlace) {
  folder.Write("artesplas", CrLf({"uno", "dos", "tres"}));
  folder.Write("musica", CrLf({"solo"}));
  LoadLineTable("artesplas", Tabs().TabArts, count, 90);
  LoadLineTable("musica", Tabs().TabArts, count, 90);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(TrimBlanks(Tabs().TabArts[1].view()), "solo");
  EXPECT_EQ(TrimBlanks(Tabs().TabArts[2].view()), "dos");
}

}  // namespace
}  // namespace velmora
