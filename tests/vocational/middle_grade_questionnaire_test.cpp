// The middle-grade questionnaire's steps and report over the sample folder's title names, with
// statements and datfpm entries set by each test.
#include "vocational/middle_grade_questionnaire.h"

#include <gtest/gtest.h>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/text_table.h"
#include "tests/support/built_folder.h"
#include "university/degree_files.h"
#include "vocational/fp_titles.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

class GmQuestionnaire : public testing::BuiltFolderTest {
 protected:
  GmQuestionnaire() {
    LoadDegreeFiles();
    LoadVocationalFiles();
    Tabs().Binary.Datfpm.fill(std::byte{0});
    questions.areas.resize(kGmAreaItems);
    for (int i = 0; i < kGmAreaItems; ++i) questions.areas[static_cast<std::size_t>(i)] = "area " + std::to_string(i);
    // Statement 1 in area 1, 2 in areas 2 and 1, 3 in area 3, 4 in area 2.
    questions.statements = {{1, 0, "s1"}, {2, 1, "s2"}, {3, 0, "s3"}, {2, 0, "s4"}};
  }
  // Integers 1..7 of title t's entry.
  static void SetEntry(int title, std::array<std::int32_t, 7> integers) {
    for (std::size_t k = 0; k < 7; ++k)
      for (std::size_t b = 0; b < 4; ++b)
        Tabs().Binary.Datfpm[(static_cast<std::size_t>(title - 1) * 7 + k) * 4 + b] =
            static_cast<std::byte>((static_cast<std::uint32_t>(integers[k]) >> (8 * b)) & 0xFF);
  }
  static std::vector<int> Numbers(const std::vector<GmRow>& rows) {
    std::vector<int> numbers;
    for (const GmRow& row : rows) numbers.push_back(row.number);
    return numbers;
  }
  GmQuestions questions;
};

TEST_F(GmQuestionnaire, TheSampleFileSplitsIntoAreasAndStatementsThatReachEveryTitle) {
  LoadVocationalFiles();  // the sample datfpm again
  LoadGmQuestions();
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  const GmQuestions& file = GmQuestionFile();
  ASSERT_EQ(file.areas.size(), 11u);
  EXPECT_GE(file.statements.size(), 60u);
  EXPECT_EQ(Tabs().CountCuesgm, static_cast<int>(file.statements.size()));
  for (const GmStatement& statement : file.statements) {
    EXPECT_TRUE(statement.areaA >= 1 && statement.areaA <= 9) << statement.text;
    EXPECT_FALSE(statement.text.empty());
  }
  // Every title of fp2 is suggested by some statement of its own entry, and names its family.
  for (int t = 1; t <= TitleCount(Grade::GM); ++t) {
    if (Tabs().TabFp2[static_cast<std::size_t>(t)].view().starts_with('-')) continue;
    const MiddleGradeEntry entry = MiddleGradeEntryOf(t);
    EXPECT_NE(entry.statements[0], 0) << TitleName(Grade::GM, t);
    EXPECT_TRUE(entry.family >= 1 && entry.family <= 26) << TitleName(Grade::GM, t);
    const std::vector<int> titles = TitlesOfStatements({entry.statements[0]});
    EXPECT_NE(std::ranges::find(titles, t), titles.end());
  }
}

TEST_F(GmQuestionnaire, AShortLineAndANonDigitAreaReadAsNoArea) {
  LineTable75 table{};
  int count = 0;
  for (const char* line : {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a10", "a11", "4", "x7texto", "52 dos"})
    table[static_cast<std::size_t>(++count)] = line;
  const GmQuestions split = SplitGmQuestions(table, count);
  EXPECT_EQ(split.areas.back(), "a11");
  ASSERT_EQ(count, 3);
  ASSERT_EQ(split.statements.size(), 3u);
  EXPECT_EQ(split.statements[0].areaA, 4);
  EXPECT_EQ(split.statements[0].areaB, 0);
  EXPECT_EQ(split.statements[1].areaA, 0);
  EXPECT_EQ(split.statements[1].text, "texto");
  EXPECT_EQ(split.statements[2].areaB, 2);
  EXPECT_EQ(split.statements[2].text, " dos");
}

TEST_F(GmQuestionnaire, AreasGiveTheirCodesAndStatementsOfTwoAreasComeTwice) {
  MiddleGradeQuestionnaire q(questions);
  q.Start();
  EXPECT_EQ(q.Forward({}), GmForward::Beep);
  // Item 9 gives code 0, which matches no statement, not even one without a second area.
  EXPECT_EQ(q.Forward({kGmNoAreaItem}), GmForward::ShowStatements);
  EXPECT_EQ(q.ChosenCodes(), std::vector<int>{0});
  EXPECT_TRUE(q.StatementRows().empty());
  EXPECT_EQ(q.Forward({}), GmForward::Beep);

  q.Start();
  ASSERT_EQ(q.Forward({1, 0, kGmNoAreaItem}), GmForward::ShowStatements);
  EXPECT_EQ(q.ChosenCodes(), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(q.ChosenAreaItems(), (std::vector<int>{0, 1, kGmNoAreaItem}));
  // Pass A: 1, 2, 4; pass B: 2 (its second area is 1).
  EXPECT_EQ(Numbers(q.StatementRows()), (std::vector<int>{1, 2, 4, 2}));

  // The place item leaves at once, whatever else is ticked.
  q.Start();
  EXPECT_EQ(q.Forward({0, kGmPlaceSearchItem}), GmForward::LeaveForPlaces);
  EXPECT_EQ(q.Step(), GmStep::Areas);
}

TEST_F(GmQuestionnaire, AtMostTenCodesAreChosen) {
  MiddleGradeQuestionnaire q(questions);
  q.Start();
  q.Forward({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_EQ(q.ChosenCodes().size(), 10u);
  EXPECT_EQ(q.ChosenCodes().back(), 0);
}

TEST_F(GmQuestionnaire, TitlesAreSuggestedOnceInTheOrderFirstSuggested) {
  SetEntry(4, {0, 0, 0, 2, 2, 0, 0});    // by statement 2
  SetEntry(7, {0, 0, 0, 3, 1, 2, 0});    // by 1 and 2
  SetEntry(9, {0, 0, 0, 3, 4, 0, 0});    // by 4, not chosen
  SetEntry(200, {0, 0, 0, 3, 1, 0, 0});  // past the titles of fp2
  MiddleGradeQuestionnaire q(questions);
  q.Start();
  q.Forward({0, 1});
  // Both copies of statement 2 and statement 1.
  ASSERT_EQ(q.Forward({3, 0, 1}), GmForward::ShowTitles);
  EXPECT_EQ(Numbers(q.TitleRows()), (std::vector<int>{7, 4}));
  EXPECT_EQ(q.TitleRows()[0].text, TitleName(Grade::GM, 7));
  EXPECT_EQ(q.TitleOfRow(1), 4);
  EXPECT_EQ(q.TitleOfRow(2), 0);
  EXPECT_EQ(q.TitleOfRow(-1), 0);
  EXPECT_EQ(MiddleGradeEntryOf(201).family, 0);
}

TEST_F(GmQuestionnaire, BackStepsAndTheReportThatGrowsAcrossThem) {
  SetEntry(4, {0, 0, 0, 2, 1, 0, 0});
  MiddleGradeQuestionnaire q(questions);
  q.Start();
  EXPECT_EQ(q.Back(), GmBack::Nothing);
  q.Forward({0});
  q.Forward({0});
  q.OpenTitleView();
  q.AddCentresBlock("Gesti\xF3n Administrativa", {{"Madrid IES Uno", "910000001", 4}});
  EXPECT_EQ(q.Back(), GmBack::LeaveTitleView);
  EXPECT_FALSE(q.TitleViewOn());
  EXPECT_EQ(q.Back(), GmBack::ToStatements);
  EXPECT_EQ(q.Step(), GmStep::Statements);
  // Forward again: a second statements and titles section follows the first.
  q.Forward({0});
  const std::vector<std::string> expected = {
      std::string(TextLine(594)), "", "area 0", "", std::string(TextLine(595)), "", "s1", "", std::string(TextLine(190)),
      TitleName(Grade::GM, 4), "", std::string(TextLine(592)), "Gesti\xF3n Administrativa", "", std::string(TextLine(593)) + ":",
      "", "Madrid IES Uno 910000001", "", std::string(TextLine(595)), "", "s1", "", std::string(TextLine(190)),
      TitleName(Grade::GM, 4)};
  EXPECT_EQ(q.ReportRows(), expected);
  // Every heading is bold, the repeated ones too.
  EXPECT_EQ(q.BoldRows(), (std::vector<int>{1, 5, 9, 12, 19, 23}));
  EXPECT_EQ(q.Back(), GmBack::ToStatements);
  EXPECT_EQ(q.Back(), GmBack::ToAreas);
  EXPECT_EQ(q.Step(), GmStep::Areas);

  // A forward step from the areas starts the report again.
  q.Forward({2});
  EXPECT_EQ(q.ReportRows(), (std::vector<std::string>{std::string(TextLine(594)), "", "area 2"}));

  const int count = q.FillPrintTable("Ana");
  EXPECT_EQ(count, 3);
  EXPECT_EQ(Tabs().PrintLines3[0], "Ana");
  EXPECT_EQ(Tabs().PrintLines3[3], "area 2");
  EXPECT_EQ(BoldLines[0], 1);
  EXPECT_EQ(BoldLines[1], 1);
}

TEST_F(GmQuestionnaire, LongRowsWrapAndTheReportStopsAtItsCapacity) {
  questions.statements[0].text = std::string(40, 'a') + " " + std::string(40, 'b');
  MiddleGradeQuestionnaire q(questions);
  q.Start();
  q.Forward({0});
  q.Forward({0});
  const auto& rows = q.ReportRows();
  EXPECT_NE(std::ranges::find(rows, std::string(40, 'a')), rows.end());
  EXPECT_NE(std::ranges::find(rows, std::string(40, 'b')), rows.end());
  const std::vector<GridRow> centres(kGmReportRows, GridRow{"IES", "900", 1});
  q.AddCentresBlock("t", centres);
  EXPECT_EQ(q.ReportRows().size(), static_cast<std::size_t>(kGmReportRows));
}

}  // namespace
}  // namespace velmora
