#include "guidance/interest_questionnaire.h"

#include <algorithm>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "guidance/ranking.h"
#include "guidance/study_groups.h"

namespace velmora {
namespace {

std::string Text(int line) { return std::string(TextLine(line)); }

// A study group's name in the 45 columns the rankings show.
std::string GroupName(int group) { return StudyGroupName(group, 45); }

// Bachillerato modality names: entry 0 the results title, entries 1..6 the modalities.
std::string ModalityName(int entry) { return std::string(Field(ItinerarRecord(21 + entry), 1, 35)); }

std::string Cut(std::string_view text) { return std::string(text.substr(0, kResultWidth)); }

// A digit as the lenient conversion reads it: anything else is 0.
int DigitAt(std::string_view record, std::size_t index) {
  if (index >= record.size()) return 0;
  const char c = record[index];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

int ClassIndex(int weightClass) {
  switch (weightClass) {
    case 2: return 0;
    case 3: return 1;
    case 4: return 2;
    case 5: return 3;
    case 8: return 4;
    case 9: return 5;
    default: return -1;
  }
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

// ---- Answers ---------------------------------------------------------------------------------

int NextAnswer(int kind, int answer) {
  int last = 0;
  switch (kind) {
    case 2: last = 2; break;
    case 3:
    case 4: last = 4; break;
    case 5: last = 5; break;
    default: return answer;
  }
  return answer >= last ? 1 : answer + 1;
}

std::optional<AnswerLabels> AnswerLabelsOf(int kind) {
  switch (kind) {
    case 2: return AnswerLabels{2, {140, 141}, {"", "***"}};
    case 3: return AnswerLabels{4, {136, 137, 138, 139}, {"", "*", "**", "***"}};
    case 4: return AnswerLabels{4, {132, 133, 134, 135}, {"", "*", "**", "***"}};
    case 5:
    case 6: return AnswerLabels{5, {127, 128, 129, 130, 131}, {"", "*", "*", "**", "***"}};
    default: return std::nullopt;
  }
}

// ---- Scoring ---------------------------------------------------------------------------------

double AnswerScore(int weightClass, int kind, int answer) {
  static constexpr double kTwoAnswers[6] = {3, 5, 7, 10, 20, 30};
  static constexpr double kScale[6][5] = {{0, 1, 2, 3, 0},  {0, 1, 3, 5, 0},    {0, 2, 5, 7, 0},
                                          {0, 4, 7, 10, 0}, {0, 5, 10, 15, 20}, {0, 8, 16, 23, 30}};
  const int c = ClassIndex(weightClass);
  if (c < 0 || answer < 1 || answer > 5) return 0;
  if (kind == 2) return answer == 2 ? kTwoAnswers[c] : 0;
  return kScale[c][answer - 1];
}

double QuestionMaximum(int weightClass) {
  switch (weightClass) {
    case 2: return 3;
    case 3: return 5;
    case 5: return 10;
    case 8: return 20;
    case 9: return 30;
    default: return 7;
  }
}

QuestionGroups ReadQuestionGroups(int questionCount) {
  QuestionGroups groups;
  const auto& record = Tabs().Binary.Datgrub[2];
  constexpr std::size_t kEntryBytes = 1 + kMaxGroupQuestions;
  for (int g = 1; g <= kQuestionGroups; ++g) {
    const std::size_t at = static_cast<std::size_t>(g - 1) * kEntryBytes;
    const int count = std::min(std::to_integer<int>(record[at]), kMaxGroupQuestions);
    for (int k = 1; k <= count; ++k) {
      const int question = std::to_integer<int>(record[at + static_cast<std::size_t>(k)]);
      if (question >= 1 && question <= questionCount) groups[static_cast<std::size_t>(g)].push_back(question);
    }
  }
  return groups;
}

// ---- The questionnaire's state ---------------------------------------------------------------

void PutQuestion(Questionnaire& q, int n) {
  if (n < 1 || n > kMaxQuestions) return;
  const std::size_t i = static_cast<std::size_t>(n);
  const std::string_view record = Tabs().TabCuestion[i].view();
  q.QuestionKind[i] = DigitAt(record, 1);
  q.QuestionWeight[i] = DigitAt(record, 0);
  q.QuestionText[i] = Field(record, 3, 48);
  q.Answers[i] = 1;
}

void StartQuestionnaire(Questionnaire& q, bool shortTest) {
  q.QuestionnaireActive = true;
  q.CourseYear = kCourseYear;
  q.ShownQuestions = shortTest ? std::min(kFirstPartLength, q.QuestionCount) : q.QuestionCount;
  q.ShortTestMode = shortTest;
  q.ShortTestPassed = false;
}

bool ContinueAfterShortTest(Questionnaire& q) {
  if (!q.ShortTestPassed) return false;
  q.QuestionnaireLeft = false;
  q.GridFilled = false;
  q.ShortTestMode = false;
  q.ShownQuestions = q.QuestionCount;
  return true;
}

bool NeedsRestartQuestion(const Questionnaire& q) { return q.QuestionnaireLeft && q.GridFilled; }

void AnswerRestartQuestion(Questionnaire& q, bool restart) {
  if (restart) {
    q.QuestionnaireLeft = false;
    q.GridFilled = false;
    q.SecondChanceOpen = true;
    StudentLabel.clear();
  } else {
    q.ShownQuestions = q.QuestionCount;
    q.ShortTestMode = false;
  }
}

GridFill FillQuestions(Questionnaire& q) {
  GridFill fill;
  if (!q.GridFilled) {
    q.GridFilled = true;
    fill.refilled = true;
    if (q.ShortTestPassed) {
      fill.first = kFirstPartLength + 1;
      fill.last = q.QuestionCount;
      fill.topRow = kFirstPartLength + 1;
    } else {
      fill.first = 1;
      fill.last = q.ShownQuestions;
    }
  } else {
    // Rows never filled yet (a short test, then the whole questionnaire keeping its answers).
    fill.first = q.PutCount + 1;
    fill.last = q.ShownQuestions;
  }
  for (int n = fill.first; n <= fill.last; ++n) PutQuestion(q, n);
  if (fill.last >= fill.first) q.PutCount = fill.refilled && fill.first == 1 ? fill.last : std::max(q.PutCount, fill.last);
  return fill;
}

void CloseQuestionnaire(Questionnaire& q) {
  q.QuestionnaireActive = false;
  q.QuestionnaireLeft = true;
  q.ResultsShown = false;
}

int AnswerQuestion(Questionnaire& q, int n) {
  if (n < 1 || n > kMaxQuestions) return 0;
  const std::size_t i = static_cast<std::size_t>(n);
  q.Answers[i] = NextAnswer(q.QuestionKind[i], q.Answers[i]);
  return q.Answers[i];
}

std::vector<double> QuestionScores(const Questionnaire& q) {
  std::vector<double> scores(kMaxQuestions + 1, 0.0);
  const int shown = std::clamp(q.ShownQuestions, 0, kMaxQuestions);
  for (int n = 1; n <= shown; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    scores[i] = AnswerScore(q.QuestionWeight[i], q.QuestionKind[i], q.Answers[i]);
  }
  return scores;
}

double FirstPartMark(const Questionnaire& q, const std::vector<double>& scores) {
  double total = 0.0, maximum = 0.01;
  for (std::size_t n = 1; n <= kFirstPartLength; ++n) {
    total += scores[n];
    maximum += QuestionMaximum(q.QuestionWeight[n]);
  }
  return total * 10.0 / maximum;
}

// ---- Results ---------------------------------------------------------------------------------

ShortTestOutcome ScoreShortTest(Questionnaire& q, const QuestionGroups& groups) {
  ShortTestOutcome outcome;
  const std::vector<double> scores = QuestionScores(q);
  const double mark = FirstPartMark(q, scores);
  q.Result.OverallMark = mark;
  for (int g = kFirstHabitGroup; g <= kLastHabitGroup; ++g) {
    double a = 0.0, b = 0.0;
    for (const int question : groups[static_cast<std::size_t>(g)]) {
      if (question > q.ShownQuestions) continue;
      a += scores[static_cast<std::size_t>(question)];
      b += QuestionMaximum(q.QuestionWeight[static_cast<std::size_t>(question)]);
    }
    if (b > 0.0) outcome.habitMarks[static_cast<std::size_t>(g)] = 10.0 * a / b;
  }
  for (int g = kFirstHabitGroup; g <= kLastHabitGroup && !outcome.weak; ++g) {
    const auto& habit = outcome.habitMarks[static_cast<std::size_t>(g)];
    outcome.weak = habit.has_value() && *habit < 6.0;
  }

  std::array<std::string, 8> s;  // s[1]..s[7]
  s[1] = Text(124);
  s[6] = "   " + Text(125);
  if (mark > 6.0) {
    s[2] = Text(142), s[3] = Text(143), s[7] = Text(201);
  } else if (mark >= 5.0) {
    s[2] = Text(144);
    if (outcome.weak) s[3] = Text(145);
    s[7] = Text(201);
  } else if (mark >= 4.4 && q.SecondChanceOpen) {
    s[2] = Text(146), s[3] = Text(147), s[4] = Text(148), s[5] = Text(149);
    s[6].clear();
    q.SecondChanceOpen = false;
  } else {
    s[2] = Text(150), s[3] = Text(151), s[7] = Text(202);
  }
  q.ShortTestPassed = mark >= 5.0;
  outcome.lines = {Cut("       " + ModalityName(0)), "", s[1], s[2], s[3], s[4], s[5], "", "", "", "", s[6], s[7]};
  for (std::string& line : outcome.lines) line = Cut(line);
  return outcome;
}

std::string ModalityText(int group) {
  const auto either = [](int first, int second) {
    return std::string(TrimBlanks(ModalityName(first))) + " o " + ModalityName(second);
  };
  std::string text;
  switch (group) {
    case 1: text = either(6, 5); break;
    case 2: text = ModalityName(1); break;
    case 3: text = ModalityName(5); break;
    case 4: text = ModalityName(6); break;
    case 5:
    case 6:
    case 7: text = ModalityName(3); break;
    case 8:
    case 9: text = ModalityName(2); break;
    case 10: text = either(3, 2); break;
    case 11:
    case 12:
    case 13: text = ModalityName(4); break;
    default: break;
  }
  return std::string(TrimBlanks(text));
}

FullTestOutcome ScoreFullTest(Questionnaire& q, const QuestionGroups& groups) {
  FullTestOutcome outcome;
  QuestionnaireResult& r = q.Result;
  const std::vector<double> scores = QuestionScores(q);
  r.OverallMark = FirstPartMark(q, scores);

  for (int g = 1; g <= kQuestionGroups; ++g) {
    double a = 0.0, b = 0.05, c = 0.0, d = 0.05;
    for (const int question : groups[static_cast<std::size_t>(g)]) {
      const double score = scores[static_cast<std::size_t>(question)];
      const double maximum = QuestionMaximum(q.QuestionWeight[static_cast<std::size_t>(question)]);
      a += score, b += maximum;
      if (question > kFirstPartLength) c += score, d += maximum;
    }
    outcome.mark1[static_cast<std::size_t>(g)] = 10.0 * a / b;
    outcome.mark2[static_cast<std::size_t>(g)] = 10.0 * c / d;
  }

  std::vector<RankedItem> first, second;
  for (int g = 1; g <= kStudyGroups; ++g) {
    const std::string name = GroupName(g);
    first.push_back({outcome.mark1[static_cast<std::size_t>(g)], g, name + MarkField(outcome.mark1[static_cast<std::size_t>(g)])});
    second.push_back({outcome.mark2[static_cast<std::size_t>(g)], g, name + MarkField(outcome.mark2[static_cast<std::size_t>(g)])});
  }
  RankDescending(first);
  RankDescending(second);
  for (int rank = 1; rank <= kStudyGroups; ++rank) {
    r.GroupOrder[static_cast<std::size_t>(rank)] = first[static_cast<std::size_t>(rank - 1)].item;
    outcome.secondOrder[static_cast<std::size_t>(rank)] = second[static_cast<std::size_t>(rank - 1)].item;
  }

  // The best group of the second part, found by its name as the list shows it.
  const std::string_view bestName = Field(second.front().line, 1, 20);
  for (int g = 1; g <= kStudyGroups; ++g)
    if (Field(GroupName(g), 1, 20) == bestName) outcome.mark2Winner = g;

  r.FirstModality = r.GroupOrder[1];
  const std::string firstText = ModalityText(r.FirstModality);
  const std::string winnerText = ModalityText(outcome.mark2Winner);
  std::string secondLine;
  r.SecondModality = 0;
  if (r.FirstModality != 1 && r.FirstModality != 10 && !Contains(firstText, winnerText) && !Contains(winnerText, firstText)) {
    secondLine = Text(123) + " " + winnerText;
    r.SecondModality = outcome.mark2Winner;
  }

  const std::string rule(56, '_');
  const bool passed = r.OverallMark >= 5.0;
  std::vector<std::string>& lines = r.ResultLines;
  lines = {"       " + ModalityName(0),
           "",
           Text(124),
           Text(passed ? 142 : 146),
           Text(passed ? 143 : 147),
           Text(152) + " " + MarkField(r.OverallMark),
           rule,
           "",
           Text(153),
           "      " + firstText,
           "      " + secondLine,
           rule,
           "",
           "        " + std::string(ItinerarRecord(30)),
           std::string(ItinerarRecord(33)) + "         " + std::string(ItinerarRecord(32)),
           "  " + Text(240)};
  for (std::size_t rank = 0; rank < 6; ++rank) lines.push_back(first[rank].line);
  lines.emplace_back();
  lines.push_back("  " + Text(394));
  for (std::size_t rank = 0; rank < 2; ++rank) lines.push_back(second[rank].line);
  lines.push_back(rule);
  lines.emplace_back();
  lines.emplace_back(ItinerarRecord(34));
  lines.emplace_back();
  static constexpr std::array<std::pair<int, int>, 6> kAdvice = {{{35, 36}, {37, 39}, {40, 41}, {42, 43}, {44, 45}, {46, 47}}};
  bool advised = false;
  for (int g = kFirstHabitGroup; g <= kLastHabitGroup; ++g) {
    if (outcome.mark1[static_cast<std::size_t>(g)] >= 6.0) continue;
    const auto [from, to] = kAdvice[static_cast<std::size_t>(g - kFirstHabitGroup)];
    for (int record = from; record <= to; ++record) lines.emplace_back(ItinerarRecord(record));
    advised = true;
  }
  if (!advised) {
    lines.emplace_back(ItinerarRecord(48));
    lines.emplace_back(ItinerarRecord(49));
  }
  for (const int record : {0, 50, 0, 51, 52}) lines.emplace_back(record == 0 ? std::string_view() : ItinerarRecord(record));
  for (std::string& line : lines) line = Cut(line);
  r.Bold = {4, 1, 10, 14, 29};
  return outcome;
}

// ---- The group information panel -------------------------------------------------------------

std::vector<std::string> GroupInformationLines(int group) {
  std::vector<std::string> lines{"   " + std::string(ItinerarRecord(group))};
  const auto append = [&lines](const std::vector<std::string>& more) { lines.insert(lines.end(), more.begin(), more.end()); };
  if (group != 11 && group != 12) {
    lines.emplace_back();
    lines.push_back("- " + Text(80));
    append(HigherTitlesOfGroup(group));
  }
  if (group != 13) {
    lines.emplace_back();
    lines.push_back("- " + Text(84) + " " + Text(46));
    append(DegreesOfGroup(group));
  }
  if (group == 11) append(ArtsGroupOtherStudies());
  for (std::string& line : lines) line = Cut(line);
  return lines;
}

// ---- Reports ---------------------------------------------------------------------------------

std::string StudentLabelFor(std::string_view name, int courseYear) {
  // "º" is 0xBA in Windows-1252.
  std::string label = std::string(name) + "  -  " + std::to_string(courseYear) + "\xBA de ESO";
  return label.substr(0, 45);
}

int BuildResultReport(const Questionnaire& q, std::string_view studentLabel) {
  StartPrintLines(studentLabel);
  AddPrintLine("");
  const QuestionnaireResult& r = q.Result;
  for (std::size_t n = 1; n <= r.ResultLines.size(); ++n) {
    const int line = static_cast<int>(n);
    const bool bold = std::find(r.Bold.begin() + 1, r.Bold.begin() + 1 + r.Bold[0], line) != r.Bold.begin() + 1 + r.Bold[0];
    AddPrintLine(r.ResultLines[n - 1], bold);
  }
  return Tabs().PrintCount;
}

std::optional<std::array<int, 8>> HelpMessageLines(int message) {
  switch (message) {
    case 31: return std::array<int, 8>{207, 208, 209, 210, 211, 212, 0, 0};
    case 32: return std::array<int, 8>{213, 214, 215, 216, 217, 218, 219, 220};
    case 20: return std::array<int, 8>{22, 23, 24, 25, 26, 27, 28, 0};
    default: return std::nullopt;
  }
}

}  // namespace velmora
