#include "core/text_table.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "core/line_loaders.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

class TextTable : public ::testing::Test, public testing::CommonStateTest {
 protected:
  testing::FixtureFolder folder;
  void Load(const std::string& content) {
    folder.Write("cas\\textos", content);
    LoadTextLines("cas\\textos", Tabs().TabTextos, Tabs().CountTextos);
    FillTextSlots();
  }
};

TEST(TextSlots, CapacitiesOfTheSevenHundredAndEightSlots) {
  int slots = 0;
  for (int line = 1; line <= kTextSlotLines; ++line) slots += TextSlotCapacity(line) > 0 ? 1 : 0;
  EXPECT_EQ(slots, 708);
  EXPECT_EQ(TextSlotCapacity(1), 40);
  EXPECT_EQ(TextSlotCapacity(2), 6);
  EXPECT_EQ(TextSlotCapacity(188), 2);
  EXPECT_EQ(TextSlotCapacity(234), 80);
  EXPECT_EQ(TextSlotCapacity(605), 25);
  for (int unused : {606, 621, 672, 675, 676, 679, 688, 699, 710, 750, 0}) EXPECT_EQ(TextSlotCapacity(unused), 0) << unused;
  EXPECT_EQ(TextSlotCapacity(622), 20);
  EXPECT_EQ(TextSlotCapacity(749), 45);
}

TEST_F(TextTable, SlotsCutTextsToTheirCapacity) {
  std::string file;
  for (int line = 1; line <= 749; ++line) {
    if (line == 2) file += "Salirxy\r\n";
    else if (line == 234) file += std::string(90, 'w') + "\r\n";
    else if (line == 13) file += "  Cerrar   \r\n";
    else file += "L" + std::to_string(line) + "\r\n";
  }
  Load(file);
  EXPECT_EQ(TextLine(2), "Salirx");
  EXPECT_EQ(TextLine(234).size(), 75u);  // the table holds 75 characters a line
  EXPECT_EQ(TextLine(13), "  Cerrar");
  EXPECT_EQ(TextLine(338), "L338");
  EXPECT_EQ(TextLine(606), "");  // read, but no slot
  EXPECT_EQ(TextLine(0), "");
  EXPECT_EQ(TextLine(5000), "");
}

TEST_F(TextTable, LinesBeyondAShortFileGiveEmptySlots) {
  Load(testing::CrLf({"uno", "dos"}));
  EXPECT_EQ(TextLine(1), "uno");
  EXPECT_EQ(TextLine(3), "");
  EXPECT_EQ(TextLine(749), "");
}

TEST(Cp1252, ConversionsBothWays) {
  EXPECT_EQ(Cp1252ToUnicode(149), U'\u2022');  // the bullet of the lists
  EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(Cp1252ToUnicode(0xF1), U'\u00F1');
  const auto converted = Utf8ToCp1252("Ni\xC3\xB1o \xE2\x80\xA2 \xE2\x82\xAC");
  EXPECT_EQ(converted.badColumn, 0u);
  EXPECT_EQ(converted.text, "Ni\xF1o \x95 \x80");
  EXPECT_EQ(Cp1252ToUtf8(converted.text), "Ni\xC3\xB1o \xE2\x80\xA2 \xE2\x82\xAC");
  EXPECT_EQ(Utf8ToCp1252("ab\xE4\xB8\xAD").badColumn, 3u);  // a character Windows-1252 lacks
  EXPECT_EQ(Utf8ToCp1252("a\xC3").badColumn, 2u);           // cut in the middle
  EXPECT_EQ(Utf8ToCp1252("\xC2\x81").badColumn, 1u);        // an undefined byte is no character
}

TEST(Cp1252, MalformedUtf8IsRefusedWhereItStands) {
  struct Case {
    std::string_view text;
    std::size_t column;
  };
  const Case cases[] = {
      {"a\xC0\x8A", 2},              // overlong line feed
      {"\xC1\xBF", 1},               // overlong DEL
      {"ab\xE0\x80\xA0", 3},         // overlong blank in three bytes
      {"\xF0\x80\x80\xA9", 1},       // overlong in four bytes
      {"x\xED\xA0\x80", 2},          // a high surrogate
      {"\xED\xBF\xBF", 1},           // a low surrogate
      {"\xF4\x90\x80\x80", 1},       // past U+10FFFF
      {"ok \xE2\x82", 4},            // cut at the end of the line
      {"\xE2\x82 x", 1},             // cut before the next character
      {"a\x80", 2},                  // a stray continuation byte
      {"\xF8\x88\x80\x80\x80", 1},   // a five-byte form
  };
  for (const Case& c : cases) {
    const Cp1252Result result = Utf8ToCp1252(c.text);
    EXPECT_EQ(result.badColumn, c.column) << c.text;
    EXPECT_FALSE(result.unmappable) << c.text;
  }
  EXPECT_TRUE(Utf8ToCp1252("\xE4\xB8\xAD").unmappable);
  // The shortest forms at each length boundary still convert.
  EXPECT_EQ(Utf8ToCp1252("\x7F\xC2\xA0\xC3\xBF").text, "\x7F\xA0\xFF");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x80\xA6").text, "\x85");
}

}  // namespace
}  // namespace velmora
