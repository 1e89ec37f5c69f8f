// The interest questionnaire's scoring, bands, ranking, recommendation and result lines over
// small tables written straight into the shared state; text line N reads "TN".
#include "guidance/interest_questionnaire.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "core/printing/reports.h"
#include "core/result_file.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "guidance/ranking.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

std::string T(int line) { return "T" + std::to_string(line); }

class InterestQuestionnaireTest : public ::testing::Test {
 protected:
  InterestQuestionnaireTest() {
    SharedTables& t = Tabs();
    for (int line = 1; line <= kTextSlotLines; ++line) t.TabTextos[static_cast<std::size_t>(line)] = T(line);
    t.CountTextos = kTextSlotLines;
    FillTextSlots();
    for (int g = 1; g <= kStudyGroups; ++g) SetItinerar(g, "Group " + std::string(1, static_cast<char>('A' + g - 1)));
    const char* modalities[] = {"Results", "Maths", "Humanities", "Social", "Arts", "Health", "Technology"};
    for (int entry = 0; entry <= 6; ++entry) SetItinerar(21 + entry, modalities[entry]);
    for (int record = 30; record <= 52; ++record) SetItinerar(record, "R" + std::to_string(record));
    t.CountItinerar = 52;
  }
  static void SetItinerar(int record, const std::string& text) { Tabs().TabItinerar[static_cast<std::size_t>(record)] = PadTo(text, 54); }

  // Questions 1..count of one class and kind, put on the grid.
  void Questions(int count, int weightClass, int kind) {
    Tabs().CountCuestion = count;
    for (int n = 1; n <= count; ++n)
      Tabs().TabCuestion[static_cast<std::size_t>(n)] = std::to_string(weightClass) + std::to_string(kind) + "Question " + std::to_string(n);
    q.QuestionCount = count;
    q.ShownQuestions = count;
    for (int n = 1; n <= count; ++n) PutQuestion(q, n);
  }
  void Answer(int n, int answer) { q.Answers[static_cast<std::size_t>(n)] = answer; }
  void Group(int g, std::vector<int> questions) { groups[static_cast<std::size_t>(g)] = std::move(questions); }
  // Class-5, four-answer questions 1..35 answered to reach a first-part total of
  // 10 tens + 7 sevens + 4 fours; the mark is total * 10 / 350.01.
  void FirstPartTotal(int tens, int sevens, int fours) {
    Questions(35, 5, 3);
    q.ShortTestMode = true;
    int n = 1;
    for (int k = 0; k < tens; ++k) Answer(n++, 4);
    for (int k = 0; k < sevens; ++k) Answer(n++, 3);
    for (int k = 0; k < fours; ++k) Answer(n++, 2);
  }
  std::vector<std::string> ShortLines() { return ScoreShortTest(q, groups).lines; }

  testing::CommonStateTest state;
  Questionnaire q;
  QuestionGroups groups;
};

TEST(QuestionnaireScoring, EveryClassAndKindEarnsItsTableValue) {
  // {class, answers 1..5 of a four- or five-answer question, two-answer "yes", maximum}
  struct Row {
    int weightClass;
    std::array<double, 5> scale;
    double yes, maximum;
  };
  const Row rows[] = {{2, {0, 1, 2, 3, 0}, 3, 3},     {3, {0, 1, 3, 5, 0}, 5, 5},        {4, {0, 2, 5, 7, 0}, 7, 7},
                      {5, {0, 4, 7, 10, 0}, 10, 10},  {8, {0, 5, 10, 15, 20}, 20, 20},   {9, {0, 8, 16, 23, 30}, 30, 30},
                      {0, {0, 0, 0, 0, 0}, 0, 7},     {1, {0, 0, 0, 0, 0}, 0, 7},        {6, {0, 0, 0, 0, 0}, 0, 7},
                      {7, {0, 0, 0, 0, 0}, 0, 7}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.weightClass);
    for (const int kind : {3, 4, 5, 6, 0})
      for (int answer = 1; answer <= 5; ++answer)
        EXPECT_EQ(AnswerScore(row.weightClass, kind, answer), row.scale[static_cast<std::size_t>(answer - 1)]);
    EXPECT_EQ(AnswerScore(row.weightClass, 2, 1), 0);
    EXPECT_EQ(AnswerScore(row.weightClass, 2, 2), row.yes);
    EXPECT_EQ(QuestionMaximum(row.weightClass), row.maximum);
  }
}

TEST(QuestionnaireAnswers, EachKindCyclesItsAnswersAndTheOthersNever) {
  const auto cycle = [](int kind, int clicks) {
    int answer = 1;
    std::vector<int> seen;
    for (int k = 0; k < clicks; ++k) seen.push_back(answer = NextAnswer(kind, answer));
    return seen;
  };
  EXPECT_EQ(cycle(2, 3), (std::vector<int>{2, 1, 2}));
  EXPECT_EQ(cycle(3, 5), (std::vector<int>{2, 3, 4, 1, 2}));
  EXPECT_EQ(cycle(4, 4), (std::vector<int>{2, 3, 4, 1}));
  EXPECT_EQ(cycle(5, 6), (std::vector<int>{2, 3, 4, 5, 1, 2}));
  EXPECT_EQ(cycle(6, 3), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(cycle(0, 2), (std::vector<int>{1, 1}));
  EXPECT_EQ(NextAnswer(3, 7), 1);  // an answer past the kind's last goes back to the first

  ASSERT_TRUE(AnswerLabelsOf(6));
  EXPECT_EQ(AnswerLabelsOf(6)->lines[0], 127);
  EXPECT_EQ(AnswerLabelsOf(5)->stars[2], "*");
  EXPECT_EQ(AnswerLabelsOf(2)->lines[1], 141);
  EXPECT_FALSE(AnswerLabelsOf(7));
}

TEST_F(InterestQuestionnaireTest, AQuestionWithoutItsKindDigitCannotBeAnswered) {
  Tabs().TabCuestion[1] = "5";
  Tabs().TabCuestion[2] = "x3Statement";
  PutQuestion(q, 1);
  PutQuestion(q, 2);
  EXPECT_EQ(q.QuestionKind[1], 0);
  EXPECT_EQ(q.QuestionWeight[1], 5);
  EXPECT_EQ(AnswerQuestion(q, 1), 1);
  EXPECT_EQ(q.QuestionWeight[2], 0);
  EXPECT_EQ(q.QuestionText[2].view(), "Statement");
  EXPECT_EQ(AnswerQuestion(q, 2), 2);
}

TEST_F(InterestQuestionnaireTest, ShortTestBandsAreClosedAtTheirLowerEnds) {
  struct Case {
    int tens, sevens, fours;
    std::vector<std::string> expected;  // lines 4..7 and 12, 13
    bool passed;
  };
  const std::string note = "   " + T(125);
  const Case cases[] = {
      {21, 0, 0, {T(144), "", "", "", note, T(201)}, true},        // 5.9998: 5 to 6
      {20, 1, 1, {T(142), T(143), "", "", note, T(201)}, true},    // 6.03: above 6
      {16, 0, 4, {T(144), "", "", "", note, T(201)}, true},        // 5.03
      {14, 5, 0, {T(146), T(147), T(148), T(149), "", ""}, false},  // 4.9999: below 5, a second chance
      {15, 0, 1, {T(150), T(151), "", "", note, T(202)}, false},   // 4.39989 shows 4.4 and is below it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tens);
    q.SecondChanceOpen = true;
    FirstPartTotal(c.tens, c.sevens, c.fours);
    const auto lines = ShortLines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "       Results");
    EXPECT_EQ(lines[2], T(124));
    EXPECT_EQ((std::vector<std::string>{lines[3], lines[4], lines[5], lines[6], lines[11], lines[12]}), c.expected);
    EXPECT_EQ(q.ShortTestPassed, c.passed);
  }
}

TEST_F(InterestQuestionnaireTest, TheSecondChanceIsOfferedOnceBetween4Point4And5) {
  FirstPartTotal(14, 1, 2);  // 155: 4.43
  auto lines = ShortLines();
  EXPECT_EQ((std::vector<std::string>{lines[3], lines[4], lines[5], lines[6], lines[11], lines[12]}),
            (std::vector<std::string>{T(146), T(147), T(148), T(149), "", ""}));
  EXPECT_FALSE(q.SecondChanceOpen);
  EXPECT_FALSE(q.ShortTestPassed);
  lines = ShortLines();
  EXPECT_EQ(lines[3], T(150));
  EXPECT_EQ(lines[12], T(202));
  AnswerRestartQuestion(q, true);  // a restart opens it again
  EXPECT_EQ(ShortLines()[3], T(146));
}

TEST_F(InterestQuestionnaireTest, AWeakHabitGroupAddsItsWarningOnlyIn5To6) {
  FirstPartTotal(16, 0, 4);  // 5.03; questions 17..35 unanswered
  Group(14, {1, 2});         // 10
  Group(15, {1, 30});        // 5: weak
  Group(16, {30});           // 0, but the check stopped at 15
  auto outcome = ScoreShortTest(q, groups);
  EXPECT_TRUE(outcome.weak);
  EXPECT_EQ(outcome.lines[4], T(145));
  EXPECT_DOUBLE_EQ(*outcome.habitMarks[14], 10.0);
  EXPECT_DOUBLE_EQ(*outcome.habitMarks[15], 5.0);
  // A habit group without a question among those shown has no mark and is not weak.
  EXPECT_FALSE(outcome.habitMarks[17].has_value());
  Group(15, {36});
  Group(16, {});
  outcome = ScoreShortTest(q, groups);
  EXPECT_FALSE(outcome.weak);
  EXPECT_EQ(outcome.lines[4], "");
}

TEST_F(InterestQuestionnaireTest, AnUntouchedQuestionnaireRecommendsTheFirstGroupWithAdviceForEveryHabit) {
  Questions(60, 5, 3);
  for (int g = 1; g <= kLastHabitGroup; ++g) Group(g, {g, 35 + g});
  const FullTestOutcome outcome = ScoreFullTest(q, groups);
  const QuestionnaireResult& r = q.Result;
  EXPECT_EQ(r.OverallMark, 0.0);
  for (int rank = 1; rank <= kStudyGroups; ++rank) EXPECT_EQ(r.GroupOrder[static_cast<std::size_t>(rank)], rank);
  EXPECT_EQ(r.FirstModality, 1);
  EXPECT_EQ(r.SecondModality, 0);
  EXPECT_EQ(outcome.mark2Winner, 1);
  const auto& lines = r.ResultLines;
  ASSERT_EQ(lines.size(), 30u + 13 + 5);
  EXPECT_EQ(lines[0], "       Results");
  EXPECT_EQ(lines[3], T(146));
  EXPECT_EQ(lines[5], T(152) + "  0.0");
  EXPECT_EQ(lines[6], std::string(56, '_'));
  EXPECT_EQ(lines[9], "      Technology o Health");
  EXPECT_EQ(lines[10], "      ");
  EXPECT_EQ(lines[13], "        R30");
  EXPECT_EQ(lines[14], "R33         R32");
  EXPECT_EQ(lines[15], "  " + T(240));
  EXPECT_EQ(lines[16], PadTo("Group A", 45) + " 0.0");
  EXPECT_EQ(lines[21], PadTo("Group F", 45) + " 0.0");
  EXPECT_EQ(lines[23], "  " + T(394));
  EXPECT_EQ(lines[28], "R34");
  for (int record = 35; record <= 47; ++record) EXPECT_EQ(lines[static_cast<std::size_t>(record - 5)], "R" + std::to_string(record));
  EXPECT_EQ((std::vector<std::string>(lines.end() - 5, lines.end())), (std::vector<std::string>{"", "R50", "", "R51", "R52"}));
  EXPECT_EQ(r.Bold, (std::array<int, 5>{4, 1, 10, 14, 29}));
}

TEST_F(InterestQuestionnaireTest, AdviceFollowsEachWeakHabitGroupAndNoneGivesTheGoodHabitsLines) {
  Questions(40, 5, 3);
  for (int g = kFirstHabitGroup; g <= kLastHabitGroup; ++g) Group(g, {g - 13});
  for (int n = 1; n <= 6; ++n) Answer(n, 4);
  Answer(3, 2);  // group 16: 4 of 10, weak
  ScoreFullTest(q, groups);
  std::vector<std::string> advice(q.Result.ResultLines.begin() + 30, q.Result.ResultLines.end() - 5);
  EXPECT_EQ(advice, (std::vector<std::string>{"R40", "R41"}));
  Answer(3, 4);
  ScoreFullTest(q, groups);
  advice.assign(q.Result.ResultLines.begin() + 30, q.Result.ResultLines.end() - 5);
  EXPECT_EQ(advice, (std::vector<std::string>{"R48", "R49"}));
}

TEST_F(InterestQuestionnaireTest, EqualMarksKeepFileOrderAndTheSecondPartChoosesTheOtherModality) {
  Questions(60, 5, 3);
  // Group 5 leads; 9 and 12 tie behind it; all three tie in the second part.
  Group(5, {1, 40});
  Group(9, {2, 41});
  Group(12, {3, 42});
  for (const int n : {1, 40, 41, 42}) Answer(n, 4);
  Answer(2, 2);  // groups 9 and 12 tie behind group 5
  Answer(3, 2);
  const FullTestOutcome outcome = ScoreFullTest(q, groups);
  const QuestionnaireResult& r = q.Result;
  EXPECT_EQ((std::vector<int>(r.GroupOrder.begin() + 1, r.GroupOrder.begin() + 5)), (std::vector<int>{5, 9, 12, 1}));
  EXPECT_EQ(outcome.secondOrder[1], 5);  // 5, 9 and 12 all at 10.0 in the second part
  EXPECT_EQ(r.FirstModality, 5);
  // Group 5 wins the second part too: its modality contains itself, so no second line.
  EXPECT_EQ(r.ResultLines[9], "      Social");
  EXPECT_EQ(r.ResultLines[10], "      ");
  EXPECT_EQ(r.SecondModality, 0);

  Answer(40, 3);  // group 5 drops behind in the second part; group 9 leads it
  ScoreFullTest(q, groups);
  EXPECT_EQ(r.FirstModality, 5);
  EXPECT_EQ(r.SecondModality, 9);
  EXPECT_EQ(r.ResultLines[10], "      " + T(123) + " Humanities");
  EXPECT_EQ(r.ResultLines[24], PadTo("Group I", 45) + "10.0");
}

TEST_F(InterestQuestionnaireTest, TheSecondPartWinnerIsFoundByNameAndTheLastMatchWins) {
  Questions(60, 5, 3);
  SetItinerar(2, "Twenty characters !!and more");
  SetItinerar(11, "Twenty characters !!but other");  // the same first 20 characters
  Group(2, {1, 40});
  Group(3, {2});
  Answer(1, 4);
  Answer(40, 4);
  Answer(2, 4);
  const FullTestOutcome outcome = ScoreFullTest(q, groups);
  EXPECT_EQ(outcome.secondOrder[1], 2);
  EXPECT_EQ(outcome.mark2Winner, 11);
  EXPECT_EQ(q.Result.FirstModality, 2);
  EXPECT_EQ(q.Result.SecondModality, 11);
  EXPECT_EQ(q.Result.ResultLines[10], "      " + T(123) + " Arts");
}

TEST_F(InterestQuestionnaireTest, GroupsOneAndTenAlreadyNameTwoModalities) {
  Questions(60, 5, 3);
  for (const int g : {1, 10}) {
    groups = {};
    Group(g, {1});
    Group(8, {40});
    for (int n = 1; n <= 60; ++n) Answer(n, 1);
    Answer(1, 4);
    Answer(40, 3);
    ScoreFullTest(q, groups);
    EXPECT_EQ(q.Result.FirstModality, g);
    EXPECT_EQ(q.Result.SecondModality, 0);
  }
  EXPECT_EQ(q.Result.ResultLines[9], "      Social o Humanities");
  EXPECT_EQ(ModalityText(11), "Arts");
  EXPECT_EQ(ModalityText(14), "");
}

TEST_F(InterestQuestionnaireTest, ResultLinesAreCutAt60) {
  Questions(40, 5, 3);
  SetItinerar(30, std::string(54, 'x'));
  ScoreFullTest(q, groups);
  EXPECT_EQ(q.Result.ResultLines[13], "        " + std::string(52, 'x'));
  for (const std::string& line : q.Result.ResultLines) EXPECT_LE(line.size(), 60u);
}

TEST_F(InterestQuestionnaireTest, GroupsAreReadFromTheThirdRecordAndBadNumbersNameNoQuestion) {
  auto& record = Tabs().Binary.Datgrub[2];
  record[0] = std::byte{3};
  record[1] = std::byte{7}, record[2] = std::byte{0}, record[3] = std::byte{200};  // 0 and 200 are no question
  record[51] = std::byte{60};  // group 2 claims 60 questions: 50 are read
  for (int k = 1; k <= 50; ++k) record[static_cast<std::size_t>(51 + k)] = std::byte{1};
  record[19 * 51] = std::byte{1}, record[19 * 51 + 1] = std::byte{9};
  const QuestionGroups read = ReadQuestionGroups(150);
  EXPECT_EQ(read[1], std::vector<int>{7});
  EXPECT_EQ(read[2].size(), 50u);
  EXPECT_EQ(read[20], std::vector<int>{9});
  EXPECT_TRUE(read[3].empty());
}

TEST_F(InterestQuestionnaireTest, OpeningFillsOnlyTheRowsTheGridLacks) {
  Questions(50, 5, 3);
  q.PutCount = 0;
  StartQuestionnaire(q, true);
  GridFill fill = FillQuestions(q);
  EXPECT_EQ(std::make_tuple(fill.first, fill.last, fill.refilled), std::make_tuple(1, 35, true));
  Answer(3, 4);
  // The short test left and reopened as the whole questionnaire, keeping its answers.
  CloseQuestionnaire(q);
  StartQuestionnaire(q, false);
  ASSERT_TRUE(NeedsRestartQuestion(q));
  AnswerRestartQuestion(q, false);
  fill = FillQuestions(q);
  EXPECT_EQ(std::make_tuple(fill.first, fill.last, fill.refilled), std::make_tuple(36, 50, false));
  EXPECT_EQ(q.Answers[3], 4);
  EXPECT_EQ(q.QuestionKind[50], 3);

  // A passed short test continues from question 36 with row 36 on top.
  AnswerRestartQuestion(q, true);
  StartQuestionnaire(q, true);
  FillQuestions(q);
  Answer(3, 4);
  q.ShortTestPassed = true;
  ASSERT_TRUE(ContinueAfterShortTest(q));
  Answer(40, 3);
  fill = FillQuestions(q);
  EXPECT_EQ(std::make_tuple(fill.first, fill.last, fill.topRow), std::make_tuple(36, 50, 36));
  EXPECT_EQ(q.Answers[3], 4);
  EXPECT_EQ(q.Answers[40], 1);
  EXPECT_EQ(q.ShownQuestions, 50);
}

TEST_F(InterestQuestionnaireTest, TheReportPutsTheStudentAboveTheResultWithFourBoldLines) {
  Questions(40, 5, 3);
  ScoreFullTest(q, groups);
  EXPECT_EQ(StudentLabelFor("Ana", 4), "Ana  -  4\xBA de ESO");
  EXPECT_EQ(StudentLabelFor("Ana Mar\xEDn Ruiz de la Fuente Garc\xED" "a", 4), "Ana Mar\xEDn Ruiz de la Fuente Garc\xED" "a  -  4\xBA de ");
  const int count = BuildResultReport(q, "Ana  -  4\xBA de ESO");
  EXPECT_EQ(count, static_cast<int>(q.Result.ResultLines.size()) + 1);
  EXPECT_EQ(Tabs().PrintLines[0].view(), "Ana  -  4\xBA de ESO");
  EXPECT_EQ(Tabs().PrintLines[1].view(), "");
  EXPECT_EQ(Tabs().PrintLines[2].view(), "       Results");
  EXPECT_EQ((std::vector<int>(BoldLines.begin(), BoldLines.begin() + 5)), (std::vector<int>{4, 2, 11, 15, 30}));
  EXPECT_EQ(PrintLinesFrom(0, count).size(), static_cast<std::size_t>(count + 1));
}

TEST(RankingRule, SortsDescendingAndKeepsEqualMarksInTheirOrder) {
  std::vector<RankedItem> items = {{2.0, 1, "a"}, {5.0, 2, "b"}, {2.0, 3, "c"}, {5.0, 4, "d"}, {9.5, 5, "e"}};
  RankDescending(items);
  std::vector<int> order;
  for (const RankedItem& item : items) order.push_back(item.item);
  EXPECT_EQ(order, (std::vector<int>{5, 2, 4, 1, 3}));
  EXPECT_EQ(MarkField(10.0), "10.0");
  EXPECT_EQ(MarkField(7.25), " 7.2");
  EXPECT_EQ(MarkField(0.0), " 0.0");
}

class ResultFileTest : public ::testing::Test {
 protected:
  testing::CommonStateTest state;
  std::filesystem::path folder = std::filesystem::temp_directory_path() / ("velmora-result-" + std::to_string(::getpid()));
  ResultFileTest() { std::filesystem::create_directories(folder); }
  ~ResultFileTest() override { std::filesystem::remove_all(folder); }
};

TEST_F(ResultFileTest, ASavedResultIsUtf8WithCrLfAndReplacesTheOldFileWhole) {
  const std::vector<std::string> lines = {"Luc\xED" "a  -  4\xBA de ESO", "", "  \x95 Nota"};
  EXPECT_EQ(ResultFileBytes(lines), "Luc\xC3\xAD" "a  -  4\xC2\xBA de ESO\r\n\r\n  \xE2\x80\xA2 Nota\r\n");
  const std::filesystem::path file = folder / "Lucía.txt";
  {
    std::ofstream old(file, std::ios::binary);
    old << "an older and much longer result that must not survive in part";
  }
  ASSERT_TRUE(SaveResultFile(file.string(), lines));
  EXPECT_EQ(testing::ReadFileBytes(file), ResultFileBytes(lines));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);  // no temporary left
  EXPECT_TRUE(state.platform.messages.empty());
}

TEST_F(ResultFileTest, AFailedSaveIsSaidAndLeavesTheOldFile) {
  const std::filesystem::path missing = folder / "gone" / "result.txt";
  EXPECT_FALSE(SaveResultFile(missing.string(), {"line"}));
  ASSERT_EQ(state.platform.messages.size(), 1u);
  EXPECT_EQ(state.platform.messages[0], SaveFailedText(missing.string()));
  EXPECT_NE(state.platform.messages[0].find("No se han podido guardar"), std::string::npos);

  // A folder that cannot be written: the old file stays whole.
  const std::filesystem::path locked = folder / "locked";
  std::filesystem::create_directories(locked);
  { std::ofstream(locked / "r.txt") << "old"; }
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_FALSE(SaveResultFile((locked / "r.txt").string(), {"new"}));
    EXPECT_EQ(testing::ReadFileBytes(locked / "r.txt"), "old");
  }
  std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace velmora
