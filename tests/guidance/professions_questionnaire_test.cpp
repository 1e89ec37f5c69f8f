// The professions questionnaire over small tables written straight into the shared state; text
// line N reads "TN".
#include "guidance/professions_questionnaire.h"

#include <gtest/gtest.h>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

std::string T(int line) { return "T" + std::to_string(line); }

class ProfessionsTest : public ::testing::Test {
 protected:
  ProfessionsTest() {
    SharedTables& t = Tabs();
    for (int line = 1; line <= kTextSlotLines; ++line) t.TabTextos[static_cast<std::size_t>(line)] = T(line);
    t.CountTextos = kTextSlotLines;
    FillTextSlots();
    const char* activities[] = {"AAAA", "BBBB", "CCCC", "DDDD"};
    for (int a = 1; a <= 4; ++a) {
      t.ActivityCodes[static_cast<std::size_t>(a)] = activities[a - 1];
      t.TabActivida[static_cast<std::size_t>(a)] = "Activity " + std::string(1, static_cast<char>('A' + a - 1));
    }
    t.CountActivida = 4;
  }
  // Profession p: its codes, its name and its two linked statements.
  static void SetProfession(int p, const char* code1, const char* code2, const std::string& name, int s1, int s2) {
    SharedTables& t = Tabs();
    const auto at = static_cast<std::size_t>(p);
    t.ProfessionCode1[at] = code1;
    t.ProfessionCode2[at] = code2;
    t.TabProfesio[at] = name;
    t.ProfessionStatement1[at] = s1;
    t.ProfessionStatement2[at] = s2;
    t.CountProfesio = std::max(t.CountProfesio, p);
  }
  // Long statements with the given first codes; short statements 1..n with codes cycling A, B, C.
  void SetStatements(std::vector<LongStatementCodes> longCodes, int shortCount) {
    file.longStatements.clear();
    for (std::size_t i = 0; i < longCodes.size(); ++i) file.longStatements.push_back({"long " + std::to_string(i), longCodes[i]});
    file.shortStatements.clear();
    const char* codes[] = {"AAAA", "BBBB", "CCCC"};
    for (int s = 1; s <= shortCount; ++s) file.shortStatements.push_back({codes[(s - 1) % 3], "    ", "short " + std::to_string(s)});
  }
  static LongStatementCodes Codes(const char* a, const char* b = "    ") { return {a, b, "    ", "    "}; }
  // Answers yes to the statements listed, no to the others.
  static void AnswerAll(ProfessionsQuestionnaire& q, std::initializer_list<int> yes, int count) {
    for (int i = 0; i < count; ++i) q.Answer(std::ranges::find(yes, i) != yes.end());
  }
  testing::CommonStateTest state;
  ProfessionStatements file;
};

TEST_F(ProfessionsTest, TheFilesReadAnyLineLength) {
  const LongStatement shortLine = ReadLongStatement("Me gusta");
  EXPECT_EQ(shortLine.text, "Me gusta");
  EXPECT_TRUE(std::ranges::all_of(shortLine.codes, IsNoActivity));
  const LongStatement full = ReadLongStatement(PadTo("Texto", 115) + "SALU CIEN TERA" + std::string(300, 'x'));
  EXPECT_EQ(full.codes, (LongStatementCodes{"SALU", "CIEN", "TERA", "xxxx"}));
  const ShortStatement cut = ReadShortStatement("SAL");
  EXPECT_EQ(cut.code1, "SAL ");
  EXPECT_TRUE(IsNoActivity(cut.code2));
  EXPECT_TRUE(cut.text.empty());
  EXPECT_EQ(ReadShortStatement("SALU CIEN Atiendo a pacientes").text, "Atiendo a pacientes");
  EXPECT_EQ(LongStatementPicture(0), 2);
  EXPECT_EQ(LongStatementPicture(14), 12);
  EXPECT_EQ(LongStatementPicture(19), 12);
}

TEST_F(ProfessionsTest, CandidatesComeInFourPassesEachOnce) {
  const std::vector<ProfessionLinks> professions = {
      {"BBBB", "AAAA", 5, 6}, {"AAAA", "    ", 1, 2}, {"AAAA", "BBBB", 2, 3}, {"CCCC", "AAAA", 7, 0}};
  const std::vector<ActivityCode> codes = CollectActivityCodes(std::vector<LongStatementCodes>{
      {"AAAA", "    ", "AAAA", "    "}});
  ASSERT_EQ(codes, std::vector<ActivityCode>{"AAAA"});
  // Pass 1: first codes, first statements (1, 2); pass 2: second statements (2, 3); then the
  // second codes: first statements (5, 7), second statements (6; 0 skipped).
  EXPECT_EQ(CandidateStatements(codes, professions), (std::vector<int>{1, 2, 3, 5, 7, 6}));
}

TEST_F(ProfessionsTest, TheLongStatementsAnsweredOneByOne) {
  SetStatements({Codes("AAAA"), Codes("BBBB"), Codes("CCCC")}, 3);
  ProfessionsQuestionnaire q(file, {});
  EXPECT_EQ(q.Begin().kind, SpeechKind::Introduction);
  EXPECT_FALSE(q.LongListEnabled());
  Speech speech = q.Answer(true);
  EXPECT_EQ(speech.kind, SpeechKind::Statement);
  EXPECT_EQ(speech.statement, 0);
  q.Answer(true);   // keeps statement 0
  q.Answer(false);  // leaves statement 1
  speech = q.Answer(true);  // keeps the last one
  EXPECT_EQ(speech.kind, SpeechKind::End);
  EXPECT_EQ(speech.selectedCount, 2);
  EXPECT_EQ(q.LongSelected(), (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(q.LongListEnabled());
  EXPECT_EQ(q.Answer(true).kind, SpeechKind::Hidden);

  // None kept, or four: the end message again, no page.
  q.ToggleLongStatement(0);
  q.ToggleLongStatement(2);
  EXPECT_EQ(q.Next({}), NextAction::EndAgain);
  EXPECT_EQ(q.CurrentSpeech().kind, SpeechKind::End);
  EXPECT_EQ(q.CurrentPage(), 0);

  SetStatements({Codes("AAAA"), Codes("AAAA"), Codes("AAAA"), Codes("AAAA")}, 3);
  ProfessionsQuestionnaire four(file, {});
  four.Begin();
  AnswerAll(four, {0, 1, 2, 3}, 4);
  four.Answer(true);
  EXPECT_EQ(four.CurrentSpeech().selectedCount, 4);
  EXPECT_EQ(four.Next({}), NextAction::EndAgain);
  // A new run starts with nothing kept.
  four.Begin();
  EXPECT_EQ(four.LongSelected(), std::vector<bool>(4, false));
}

// Professions of activity A linked to statements 1..n, one each.
std::vector<ProfessionLinks> Linked(int n) {
  std::vector<ProfessionLinks> professions;
  for (int s = 1; s <= n; ++s) professions.push_back({"AAAA", "    ", s, 0});
  return professions;
}

TEST_F(ProfessionsTest, CandidatesAreDealtRowByRowOnUpToFourPages) {
  SetStatements({Codes("AAAA")}, 60);
  struct Case {
    int candidates, pages;
    std::vector<int> firstPage;
  };
  for (const Case& c : {Case{5, 2, {1, 3, 5}}, Case{20, 4, {1, 5, 9, 13, 17}}, Case{3, 1, {1, 2, 3}},
                        Case{50, 4, {1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41}}}) {
    ProfessionsQuestionnaire q(file, Linked(c.candidates));
    q.Begin();
    q.Answer(true);
    q.Answer(true);
    ASSERT_EQ(q.Next({}), NextAction::ShowPage);
    EXPECT_EQ(q.PageCount(), c.pages) << c.candidates;
    EXPECT_EQ(q.ListedStatements(), c.firstPage) << c.candidates;
    // Past 44 the later candidates are left out.
    EXPECT_EQ(static_cast<int>(q.Candidates().size()), std::min(c.candidates, 44));
  }
}

TEST_F(ProfessionsTest, TwoPicksAPageOneInTheReviewAndPicksKeptBothWays) {
  SetStatements({Codes("AAAA")}, 10);
  ProfessionsQuestionnaire q(file, Linked(8));  // two pages: 1 3 5 7 and 2 4 6 8
  q.Begin();
  q.Answer(true);
  q.Answer(true);
  q.Next({});
  EXPECT_EQ(q.Pick(2, {0, 2}), (std::vector<int>{0, 2}));
  EXPECT_EQ(q.Pick(3, {0, 2, 3}), std::vector<int>{3});  // a third pick leaves only itself
  EXPECT_EQ(q.Next({1, 3}), NextAction::ShowPage);
  EXPECT_EQ(q.ListedStatements(), (std::vector<int>{2, 4, 6, 8}));
  // Back keeps this page's picks and shows the first page's.
  EXPECT_EQ(q.Back({0}, false), BackAction::ShowPage);
  EXPECT_EQ(q.StoredPicks(), (std::vector<int>{1, 3}));
  q.Next({1, 3});
  EXPECT_EQ(q.StoredPicks(), std::vector<int>{0});
  EXPECT_EQ(q.Next({0, 2}), NextAction::ShowReview);
  EXPECT_TRUE(q.FinalReview());
  EXPECT_EQ(q.ListedStatements(), (std::vector<int>{3, 7, 2, 6}));
  EXPECT_EQ(q.Pick(1, {0, 1}), std::vector<int>{1});
  EXPECT_EQ(q.Pick(1, {0}), std::vector<int>{});
  EXPECT_EQ(q.Next({1}), NextAction::ShowResult);
  EXPECT_EQ(q.MarkedStatement(), 7);
  EXPECT_EQ(q.Back({}, true), BackAction::HideResult);
  EXPECT_EQ(q.Back({}, false), BackAction::ShowPage);
  EXPECT_FALSE(q.FinalReview());
  EXPECT_EQ(q.CurrentPage(), 2);
  q.Back({}, false);
  EXPECT_EQ(q.Back({}, false), BackAction::ShowLongStatements);
  EXPECT_EQ(q.CurrentPage(), 0);
}

TEST_F(ProfessionsTest, ScoresRankTheActivitiesAndTheMarkedStatementNamesProfessions) {
  SetStatements({Codes("AAAA")}, 4);
  file.shortStatements[0] = {"BBBB", "CCCC", "s1"};
  file.shortStatements[1] = {"CCCC", "    ", "s2"};
  file.shortStatements[2] = {"AAAA", "BBBB", "s3"};
  file.shortStatements[3] = {"DDDD", "    ", "s4"};
  SetProfession(1, "AAAA", "    ", "Nurse", 1, 2);
  SetProfession(2, "AAAA", "    ", "Doctor", 3, 0);
  SetProfession(3, "AAAA", "    ", "Nurse", 0, 1);  // the same name again
  SetProfession(4, "AAAA", "    ", "Carer", 4, 1);
  ProfessionsQuestionnaire q(file, ProfessionLinkTable());
  q.Begin();
  q.Answer(true);
  q.Answer(true);
  q.Next({});  // one page: 1 3 4 2
  ASSERT_EQ(q.ListedStatements(), (std::vector<int>{1, 3, 4, 2}));
  q.Next({0, 1});
  ASSERT_EQ(q.ListedStatements(), (std::vector<int>{1, 3}));
  q.Next({0});  // s1 marked
  const ProfessionsResult& result = q.Result();
  // s1 marked: B 2.5, C 1.25; s3: A 1.0, B 0.5.
  EXPECT_DOUBLE_EQ(result.scores[2], 3.0);
  EXPECT_DOUBLE_EQ(result.scores[3], 1.25);
  EXPECT_DOUBLE_EQ(result.scores[1], 1.0);
  EXPECT_EQ(result.activityRanking, (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(result.professions, (std::vector<int>{1, 4}));
  EXPECT_EQ(ActivityItems(result), (std::vector<std::string>{"         T625", "1\xBA Activity B", "2\xBA Activity C"}));
  EXPECT_EQ(ProfessionItems(result), (std::vector<std::string>{"", "\x95 Nurse", "\x95 Carer"}));
  EXPECT_EQ(ActivityProfessionItems(result, 2), (std::vector<std::string>{"     T624 2\xBA"}));

  // Nothing marked: the picks still score, the marked bonus goes to nobody, no profession.
  q.Back({}, true);
  q.Next({});
  EXPECT_DOUBLE_EQ(q.Result().scores[2], 1.5);
  EXPECT_DOUBLE_EQ(q.Result().scores[1], 1.0);
  EXPECT_DOUBLE_EQ(q.Result().scores[3], 0.5);
  EXPECT_TRUE(q.Result().professions.empty());
  EXPECT_EQ(ProfessionItems(q.Result()), std::vector<std::string>{""});
}

TEST_F(ProfessionsTest, EqualScoresKeepActivityOrder) {
  SetStatements({Codes("AAAA")}, 2);
  file.shortStatements[0] = {"CCCC", "    ", "s1"};
  file.shortStatements[1] = {"AAAA", "    ", "s2"};
  ProfessionsQuestionnaire q(file, Linked(2));
  q.Begin();
  q.Answer(true);
  q.Answer(true);
  q.Next({});
  q.Next({0, 1});
  q.Next({});
  EXPECT_EQ(q.Result().activityRanking, (std::vector<int>{1, 3}));
}

TEST_F(ProfessionsTest, StudiesByProfessionKeepFiftyAndShowThirtyLines) {
  SharedTables& t = Tabs();
  for (int d = 1; d <= 60; ++d) t.TabCarreran[static_cast<std::size_t>(d)] = "Degree " + std::to_string(d);
  t.CountCarreran = 60;
  t.TabFp[1] = "Higher one";
  t.CountFp = 1;
  t.TabFp2[1] = "Middle one";
  t.CountFp2 = 1;
  auto studies = std::make_unique<ProfessionStudies>();
  for (int d = 1; d <= 60; ++d) AddStudy(studies->degrees, 7, d);
  for (const int outside : {0, -3, 251}) AddStudy(studies->degrees, outside, 1);
  EXPECT_EQ(studies->degrees[7].count, kMaxStudiesPerIndex);
  EXPECT_EQ(studies->degrees[7].entries.back(), 50);
  AddStudy(studies->higherTitles, 7, 1);
  AddStudy(studies->middleTitles, 8, 1);

  const std::vector<StudyLine> seven = StudyLinesOf(*studies, 7);
  ASSERT_EQ(seven.size(), static_cast<std::size_t>(kMaxStudyLines));
  EXPECT_TRUE(seven[0].heading);
  EXPECT_EQ(seven[0].text, "      T627:");
  EXPECT_EQ(seven[1].text, "Degree 1");
  const std::vector<StudyLine> eight = StudyLinesOf(*studies, 8);
  ASSERT_EQ(eight.size(), 2u);
  EXPECT_EQ(eight[0].text, "      T113:");
  EXPECT_EQ(eight[1].text, "Middle one");
  EXPECT_TRUE(StudyLinesOf(*studies, 251).empty());
  EXPECT_TRUE(StudyLinesOf(*studies, 9).empty());
}

TEST_F(ProfessionsTest, TheReportListsProfessionsWithTheirStudiesAndTheBestActivity) {
  SetProfession(1, "BBBB", "    ", "Nurse", 1, 0);
  SetProfession(2, "AAAA", "BBBB", "Carer", 0, 0);
  auto studies = std::make_unique<ProfessionStudies>();
  Tabs().TabFp2[1] = "Middle one";
  Tabs().CountFp2 = 1;
  AddStudy(studies->middleTitles, 1, 1);
  ProfessionsResult result;
  result.activityRanking = {2};
  result.professions = {1};
  const int count = BuildProfessionsReport(result, *studies, "Ana");
  const std::vector<std::string> lines = PrintLinesFrom(0, count);
  const std::vector<std::string> expected = {"Ana", "T648", "", "T124", "T644", "", "\x95 Nurse", "          T113:",
                                             "    Middle one", "", "T642", "         T625", "1\xBA Activity B", "",
                                             "     T624 1\xBA:", "  \x95 Nurse", "  \x95 Carer"};
  EXPECT_EQ(lines, expected);
  std::vector<int> bold;
  for (int line = 1; line <= count; ++line)
    if (IsBoldLine(line)) bold.push_back(line);
  EXPECT_EQ(bold, (std::vector<int>{1, 4, 6, 10}));
}

}  // namespace
}  // namespace velmora
