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

}  // namespace
}  // namespace velmora
