// The interest questionnaire without its widgets: the questions on the answer grid, how an
// answer changes, the scoring into marks 0..10, the ranking of the thirteen study groups, the
// Bachillerato modality recommendation, the study-habit advice and the result lines.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fixed_string.h"
#include "core/tables.h"

namespace velmora {

inline constexpr int kMaxQuestions = 1100;
inline constexpr int kFirstPartLength = 35;
inline constexpr int kStudyGroups = 13;
inline constexpr int kFirstHabitGroup = 14;
inline constexpr int kLastHabitGroup = 19;
inline constexpr int kQuestionGroups = 20;
inline constexpr int kMaxGroupQuestions = 50;
inline constexpr int kResultWidth = 60;
inline constexpr int kCourseYear = 4;

// ---- Answers ---------------------------------------------------------------------------------

// The answer after one more click or Enter: kind 2 cycles 1..2, kinds 3 and 4 1..4, kind 5 1..5;
// any other kind (6 included) keeps its answer.
int NextAnswer(int kind, int answer);

// The labels (text table lines) and star marks of a kind's answers; none for an unknown kind.
struct AnswerLabels {
  int count = 0;
  std::array<int, 5> lines{};
  std::array<std::string_view, 5> stars{};
};
std::optional<AnswerLabels> AnswerLabelsOf(int kind);

// ---- Scoring ---------------------------------------------------------------------------------

double AnswerScore(int weightClass, int kind, int answer);
// The most a question of the class can earn (by class only: 7 for every unlisted class).
double QuestionMaximum(int weightClass);

// The question numbers of each group 1..20 of the group file's third record, in the order they
// are summed. A count past 50 is read as 50; numbers outside 1..questionCount are dropped:
// they name no question.
using QuestionGroups = std::array<std::vector<int>, kQuestionGroups + 1>;
QuestionGroups ReadQuestionGroups(int questionCount);

// ---- The questionnaire's state ---------------------------------------------------------------

struct QuestionnaireResult {
  std::vector<std::string> ResultLines;  // lines 1..n, each at most 60 characters
  std::array<int, 5> Bold{};             // result line numbers printed bold (full mode)
  std::array<int, kStudyGroups + 1> GroupOrder{};  // group at rank 1..13 of the first ranking
  int FirstModality = 0;
  int SecondModality = 0;
  double OverallMark = 0.0;
};

struct Questionnaire {
  int QuestionCount = 0;
  std::array<int, kMaxQuestions + 1> QuestionWeight{};
  std::array<int, kMaxQuestions + 1> QuestionKind{};
  std::array<int, kMaxQuestions + 1> Answers{};
  std::array<FixedString<60>, kMaxQuestions + 1> QuestionText{};

  int PutCount = 0;  // questions 1..PutCount have been put on the grid
  int ShownQuestions = 0;
  bool ShortTestMode = false;
  bool ShortTestPassed = false;
  bool GridFilled = false;
  bool QuestionnaireLeft = false;
  bool ResultsShown = false;
  bool QuestionnaireActive = false;
  bool SecondChanceOpen = true;
  int CourseYear = kCourseYear;

  QuestionnaireResult Result;
};

// Parses columns 1 and 2 of question n of the question file into its class and kind, copies the
// statement (columns 3-50) and sets its answer to 1.
void PutQuestion(Questionnaire& q, int n);

// The three starts: the full questionnaire, or only its first part.
void StartQuestionnaire(Questionnaire& q, bool shortTest);
// After the short test's result: true when it was passed and the rest of the questionnaire
// follows (the grid is filled again from question 36); false sends the student to vocational training.
bool ContinueAfterShortTest(Questionnaire& q);
// Reopening a questionnaire that was left asks whether to start again.
bool NeedsRestartQuestion(const Questionnaire& q);
// Yes: every answer starts again. No: the earlier answers stay and the whole questionnaire follows.
void AnswerRestartQuestion(Questionnaire& q, bool restart);

// What opening puts on the grid: questions first..last on their rows (none when last < first).
// A new grid gets 36..count after a passed short test, else 1..ShownQuestions; a grid already
// filled gets only the rows it never had, so a short test continued as the whole questionnaire
// shows every question.
struct GridFill {
  int first = 1;
  int last = 0;
  int topRow = 1;
  bool refilled = false;  // the grid starts again: header row and keyboard focus
};
GridFill FillQuestions(Questionnaire& q);

void CloseQuestionnaire(Questionnaire& q);

// Advances the answer of question n; the new answer.
int AnswerQuestion(Questionnaire& q, int n);

// The score of each question 1..ShownQuestions (0 beyond), index 0 unused.
std::vector<double> QuestionScores(const Questionnaire& q);
// The first part's mark: sum of scores * 10 / (0.01 + sum of maxima) over questions 1..35.
double FirstPartMark(const Questionnaire& q, const std::vector<double>& scores);

// ---- Results ---------------------------------------------------------------------------------

// The short test's result: the thirteen lines shown; sets ShortTestPassed and spends the second
// chance when it is used. A study-habit group with no question among those shown has no mark
// and is not judged weak.
struct ShortTestOutcome {
  std::array<std::optional<double>, kQuestionGroups + 1> habitMarks{};
  bool weak = false;
  std::vector<std::string> lines;  // the thirteen lines shown (the full result stays as it was)
};
ShortTestOutcome ScoreShortTest(Questionnaire& q, const QuestionGroups& groups);

// The full result: marks of every group, both rankings, the recommendation and the result lines.
struct FullTestOutcome {
  std::array<double, kQuestionGroups + 1> mark1{};  // all questions of the group
  std::array<double, kQuestionGroups + 1> mark2{};  // its questions past the first part
  std::array<int, kStudyGroups + 1> secondOrder{};  // group at rank 1..13 of the second ranking
  int mark2Winner = 0;                               // matched by name, 0 when none matches
};
FullTestOutcome ScoreFullTest(Questionnaire& q, const QuestionGroups& groups);

// The recommended modality of a study group (Bachillerato modality names, records 21..27 of
// itinerar); empty for any other group.
std::string ModalityText(int group);

// The lines of the group information panel for group g (higher-grade titles, degrees, other
// studies), each at most 60 characters.
std::vector<std::string> GroupInformationLines(int group);

// "name  -  4º de ESO", cut to 45 characters.
std::string StudentLabelFor(std::string_view name, int courseYear);

// Fills the print lines: heading the student label, an empty line, then the result lines; the
// four bold lines of a full result. Returns the number of print lines after the heading.
int BuildResultReport(const Questionnaire& q, std::string_view studentLabel);

// The help message's eight text table lines (0 = an empty line); none for message 30, which
// keeps the lines already shown.
std::optional<std::array<int, 8>> HelpMessageLines(int message);

}  // namespace velmora
