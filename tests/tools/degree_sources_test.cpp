// The rules of the degree maker: marks, fixed columns and the binary layouts the program reads.
#include "tools/degree_maker/degree_sources.h"

#include <gtest/gtest.h>

namespace velmora::tools {
namespace {

TEST(DegreeSources, CutOffMarksAreTenthsWithinTheScale) {
  EXPECT_EQ(ParseCutOffMark("6.5"), 65);
  EXPECT_EQ(ParseCutOffMark("12.8"), 128);
  EXPECT_EQ(ParseCutOffMark("5.0"), 50);
  EXPECT_EQ(ParseCutOffMark("14.0"), 140);
  EXPECT_EQ(ParseCutOffMark("-"), kNoCutOff);
  EXPECT_EQ(ParseCutOffMark(""), kNoCutOff);
  // A mark under 5 could be read as the no-mark value; commas, missing decimals and words are refused.
  for (const char* bad : {"1.0", "4.9", "14.1", "6,5", "7", "7.25", ".5", "x.5", "-1.0"})
    EXPECT_FALSE(ParseCutOffMark(bad)) << bad;
}

TEST(DegreeSources, FixedColumnsOfTheUniversityAndDoubleDegreeLines) {
  const std::string line = UniversityLine(1, "Universidad de Granada", "ugr.es");
  EXPECT_EQ(line.substr(0, 2), " 1");
  EXPECT_EQ(line.substr(2, 35), "Universidad de Granada             ");
  EXPECT_EQ(line.substr(37), "ugr.es");
  EXPECT_EQ(DoublesUniversityLine(13, "A very long university name that will be cut").size(), 37u);
  EXPECT_EQ(DoublesPairLine(7, 123, DoubleMarkText(125)), "    007123" "12,5");
  EXPECT_EQ(DoublesPairLine(7, 123, DoubleMarkText(98)), "    007123" " 9,8");
  // No cut-off: a blank mark, which the program shows as its own no-mark text.
  EXPECT_EQ(DoublesPairLine(7, 123, DoubleMarkText(kNoCutOff)), "    007123    ");
}

TEST(DegreeSources, DegreeRecordsAndStringsKeepTheirSlots) {
  DegreeSource degree;
  degree.code = 301;
  degree.branch = 5;
  degree.group = 12;
  degree.weighted = {50, 0, 0, 0};
  const std::string records = EncodeDegreeRecords({DegreeSource{}, degree});
  ASSERT_EQ(records.size(), 19600u);
  const auto integer = [&](std::size_t degreeIndex, std::size_t field) {
    const std::size_t at = ((degreeIndex - 1) * 14 + field) * 4;
    return static_cast<int>(static_cast<unsigned char>(records[at]) | static_cast<unsigned char>(records[at + 1]) << 8);
  };
  EXPECT_EQ(integer(2, 0), 5);    // branch first
  EXPECT_EQ(integer(2, 1), 12);   // group
  EXPECT_EQ(integer(2, 9), 301);  // code
  EXPECT_EQ(integer(2, 10), 50);  // first weighted subject
  EXPECT_EQ(integer(3, 0), 0);    // unused slots are zero

  const std::string strings = EncodeDegreeStrings({{3, 1}, {}, {200}});
  ASSERT_EQ(strings.size(), 35350u);
  EXPECT_EQ(strings[0], 2);
  EXPECT_EQ(strings[1], 3);
  EXPECT_EQ(strings[2], 1);
  EXPECT_EQ(strings[101], 0);
  EXPECT_EQ(strings[202], 1);
  EXPECT_EQ(static_cast<unsigned char>(strings[203]), 200);
}

}  // namespace
}  // namespace velmora::tools
