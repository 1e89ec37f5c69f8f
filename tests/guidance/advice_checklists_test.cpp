// The advice checklists' marks, rankings, studies and report over small tables written straight
// into the shared state; text line N reads "TN".
#include "guidance/advice_checklists.h"

#include <gtest/gtest.h>

#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "tests/support/fixture_folder.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

std::string T(int line) { return "T" + std::to_string(line); }

class AdviceChecklistsTest : public ::testing::Test {
 protected:
  AdviceChecklistsTest() {
    SharedTables& t = Tabs();
    for (int line = 1; line <= kTextSlotLines; ++line) t.TabTextos[static_cast<std::size_t>(line)] = T(line);
    t.CountTextos = kTextSlotLines;
    FillTextSlots();
    for (int g = 1; g <= 13; ++g) t.TabItinerar[static_cast<std::size_t>(g)] = PadTo("Group " + std::to_string(g), 54);
    t.CountItinerar = 13;
  }
  // Groups 1..12 listing the given statements (the others none).
  static ChecklistGroups Groups(std::initializer_list<std::pair<int, std::vector<int>>> listed) {
    ChecklistGroups groups;
    for (const auto& [g, statements] : listed) groups[static_cast<std::size_t>(g)] = statements;
    return groups;
  }
  static std::vector<bool> Ticked(int count, std::initializer_list<int> ticked) {
    std::vector<bool> flags(static_cast<std::size_t>(count) + 1, false);
    for (const int s : ticked) flags[static_cast<std::size_t>(s)] = true;
    return flags;
  }
  static std::string Line(int n) { return std::string(Tabs().PrintLines[static_cast<std::size_t>(n)].view()); }

  testing::CommonStateTest state;
};

TEST(AdviceTicks, AHigherStepOfAGradedQualityTicksTheStepsBelowIt) {
  EXPECT_EQ(GradedStepsBelow(Checklist::Qualities, 2), (std::vector<int>{0, 1}));
  EXPECT_EQ(GradedStepsBelow(Checklist::Qualities, 1), (std::vector<int>{0}));
  EXPECT_EQ(GradedStepsBelow(Checklist::Qualities, 5), (std::vector<int>{3, 4}));
  EXPECT_EQ(GradedStepsBelow(Checklist::Qualities, 4), (std::vector<int>{3}));
  for (const int row : {0, 3, 6, 40}) EXPECT_TRUE(GradedStepsBelow(Checklist::Qualities, row).empty());
  EXPECT_TRUE(GradedStepsBelow(Checklist::Interests, 2).empty());
}

TEST_F(AdviceChecklistsTest, MarksCountEveryListingAndAnEmptyGroupGetsZero) {
  const ChecklistGroups groups = Groups({{1, {1, 2, 3, 4}}, {2, {2, 5}}, {3, {5, 5, 6, 7}}, {4, std::vector<int>(10, 9)}});
  const AdviceMarks marks = ChecklistMarks(Ticked(10, {2, 5}), groups);
  EXPECT_DOUBLE_EQ(marks[1], 1.01 * 10 / 4);  // one of four
  EXPECT_EQ(marks[2], 10.0);                  // statement 2 counts in groups 1 and 2; at most 10
  EXPECT_DOUBLE_EQ(marks[3], 2.01 * 10 / 4);  // listed twice, it counts twice
  EXPECT_DOUBLE_EQ(marks[4], 0.01);           // nothing ticked: 0.1 / c
  EXPECT_EQ(marks[5], 0.0);                   // a group that lists nothing
  // A tick past the list read (a shorter vector) counts as not ticked.
  EXPECT_DOUBLE_EQ(ChecklistMarks(Ticked(3, {2}), groups)[3], 0.01 * 10 / 4);
}

TEST_F(AdviceChecklistsTest, RankingKeepsTiesInGroupOrderAndTheAverageHalvesAnUnscoredChecklist) {
  const ChecklistGroups groups = Groups({{1, {1, 2}}, {2, {1, 2}}, {3, {1}}, {4, {3}}, {5, std::vector<int>(5, 4)}});
  const AdviceMarks marks = ChecklistMarks(Ticked(4, {1}), groups);
  const AdviceRanking ranking = RankAdviceGroups(marks);
  EXPECT_EQ((std::vector<int>(ranking.order.begin() + 1, ranking.order.end())),
            (std::vector<int>{3, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  ASSERT_EQ(ranking.lines.size(), 12u);
  EXPECT_EQ(ranking.lines[0], PadTo("Group 3", 55) + "10.0");
  EXPECT_EQ(ranking.lines[3], PadTo("Group 4", 55) + " 0.1");   // 0.1 / 1 statement
  EXPECT_EQ(ranking.lines[11], PadTo("Group 12", 55) + " 0.0");

  const AdviceMarks average = AverageMarks(marks, AdviceMarks{});
  EXPECT_DOUBLE_EQ(average[3], marks[3] / 2);
  EXPECT_EQ(RankAdviceGroups(average).lines[0], PadTo("Group 3", 55) + " 5.0");
}

TEST_F(AdviceChecklistsTest, GroupsAreReadFromTheirRecordAndBadEntriesListNothing) {
  auto& qualities = Tabs().Binary.Datgrub[0];
  qualities[0] = std::byte{3}, qualities[1] = std::byte{4}, qualities[2] = std::byte{0}, qualities[3] = std::byte{90};
  qualities[51] = std::byte{60};  // group 2 claims 60: 50 read
  for (int k = 1; k <= 50; ++k) qualities[static_cast<std::size_t>(51 + k)] = std::byte{2};
  Tabs().Binary.Datgrub[1][0] = std::byte{1}, Tabs().Binary.Datgrub[1][1] = std::byte{7};
  const ChecklistGroups read = ReadChecklistGroups(Checklist::Qualities, 60);
  EXPECT_EQ(read[1], std::vector<int>{4});  // 0 and 90 name no statement of 60
  EXPECT_EQ(read[2].size(), 50u);
  EXPECT_TRUE(read[3].empty());
  EXPECT_EQ(ReadChecklistGroups(Checklist::Interests, 80)[1], std::vector<int>{7});
  EXPECT_EQ(ChecklistMarks(Ticked(60, {}), read)[3], 0.0);  // count 0: no division
}

TEST_F(AdviceChecklistsTest, TheReportKeepsEveryMarkWithinItsColumnsAndBoldsTheThreeHeadings) {
  AdviceResults results;
  results.qualityLines = RankAdviceGroups(ChecklistMarks(Ticked(2, {1}), Groups({{7, {1}}}))).lines;
  results.combinedLines = results.qualityLines;
  const int last = BuildAdviceReport(results, "Ana Ruiz");
  EXPECT_EQ(last, kAdviceReportLast);
  EXPECT_EQ(Line(0), T(284) + " Ana Ruiz");
  EXPECT_EQ(Line(1), T(596) + " " + T(597));
  EXPECT_EQ(Line(3), std::string(26, ' ') + T(279));
  EXPECT_EQ(Line(5), std::string(9, ' ') + PadTo("Group 7", 52) + "10.0");
  EXPECT_EQ(Line(5).size(), 65u);
  EXPECT_EQ(Line(16), std::string(9, ' ') + PadTo("Group 12", 52) + " 0.0");
  EXPECT_EQ(Line(19), std::string(26, ' ') + T(280));
  EXPECT_EQ(Line(21), std::string(9, ' '));  // interests never scored
  EXPECT_EQ(Line(35), std::string(11, ' ') + T(285));
  EXPECT_EQ(Line(37), Line(5));
  EXPECT_EQ(Line(50), std::string(44, ' ') + T(598));
  EXPECT_EQ((std::vector<int>(BoldLines.begin(), BoldLines.begin() + 4)), (std::vector<int>{3, 3, 19, 35}));
}

TEST_F(AdviceChecklistsTest, TheStudiesOfTheBestGroupsFollowTheReportOrStartTheirOwn) {
  SharedTables& t = Tabs();
  t.TabCarreran[1] = PadTo("Grado en Bellas Artes", 60);
  t.Binary.TabDatgrados[1][kItinerary2] = 11;
  t.TabCarreran[2] = PadTo("Grado en Biolog\xED" "a", 60);
  t.Binary.TabDatgrados[2][kItinerary1] = 1;
  t.CountCarreran = 2;
  t.TabFp[1] = "Artes y Dise\xF1o";
  t.Binary.Datfps[0] = std::byte{11};  // title 1's first group
  t.CountFp = 1;
  AdviceResults results;
  results.order = {0, 11, 1, 5};

  BuildAdviceReport(results, "Ana");
  const int last = AppendStudiesReport(results, kAdviceReportLast);
  EXPECT_EQ(Line(51), T(340));
  const std::vector<std::string> expected = {
      "",    "Group 11", "", T(327), " Grado en Bellas Artes", T(386), "", T(387), T(388), T(389), " Artes y Dise\xF1o", "",
      std::string(29, '_'), "", "Group 1", "", T(327), " Grado en Biolog\xED" "a", "", T(326), "", std::string(29, '_'), ""};
  std::vector<std::string> lines;
  for (int n = 52; n < 52 + static_cast<int>(expected.size()); ++n) lines.push_back(Line(n));
  EXPECT_EQ(lines, expected);
  EXPECT_TRUE(IsBoldLine(53));  // the group names

  // On its own, line 340 is the title (record 0) instead of line 51.
  EXPECT_EQ(last, AppendStudiesReport(results, 0) + kAdviceReportLast + 1);
  EXPECT_EQ(Line(0), T(340));
  EXPECT_EQ(Line(2), "Group 11");

  EXPECT_EQ(GroupStudiesLines(1), (std::vector<std::string>{"Group 1", "", T(327) + std::string(12, ' '), "Grado en Biolog\xED" "a", "",
                                                            T(326) + std::string(12, ' ')}));
  EXPECT_EQ(GroupStudiesLines(11)[4], T(386));
  EXPECT_EQ(GroupStudiesLines(11).back(), "Artes y Dise\xF1o");
}

TEST(AdviceHelp, MessagesNameTheirLines) {
  EXPECT_EQ(AdviceHelpLines(5)[0], 356);
  EXPECT_EQ(AdviceHelpLines(18), (std::array<int, 8>{0, 0, 415, 416, 417, 0, 0, 0}));
  EXPECT_EQ(AdviceHelpLines(19)[6], 28);
}

}  // namespace
}  // namespace velmora
