// The advice checklists without their widgets: which statements a tick also ticks, the marks of
// the twelve Bachillerato study groups for each checklist and their average, the rankings, a
// group's studies and the report that is printed or saved.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr int kAdviceGroups = 12;
inline constexpr int kAdviceReportLast = 50;  // the first report's last line

enum class Checklist { Qualities, Interests };

// The statement numbers of each group 1..12 of a checklist (group file record 1 for the qualities,
// 2 for the interests). A count past 50 is read as 50; numbers outside 1..statementCount name no
// statement and are dropped.
using ChecklistGroups = std::array<std::vector<int>, kAdviceGroups + 1>;
ChecklistGroups ReadChecklistGroups(Checklist checklist, int statementCount);

// The rows (0-based) a click on row ticks with it: the first six qualities are two graded scales,
// so a higher step also ticks the lower ones of its scale. Only when the click ticked the row.
std::vector<int> GradedStepsBelow(Checklist checklist, int row);

// Marks 0..10 of groups 1..12 (element 0 unused).
using AdviceMarks = std::array<double, kAdviceGroups + 1>;
// 10 x (0.01 + ticked statements the group lists, each listing counted) / statements listed, at
// most 10; a group that lists none gets 0.
AdviceMarks ChecklistMarks(const std::vector<bool>& ticked, const ChecklistGroups& groups);
AdviceMarks AverageMarks(const AdviceMarks& qualities, const AdviceMarks& interests);

// The twelve groups best first, equal marks in group order: their lines (the name in 55 columns,
// then the mark in 4) and their numbers.
struct AdviceRanking {
  std::vector<std::string> lines;
  std::array<int, kAdviceGroups + 1> order{};  // group at rank 1..12
};
AdviceRanking RankAdviceGroups(const AdviceMarks& marks);

// What a double click on a group shows: its name, its degrees and its higher-grade cycles.
std::vector<std::string> GroupStudiesLines(int group);

// Everything both checklists have left for the report.
struct AdviceResults {
  std::vector<std::string> qualityLines, interestLines, combinedLines;  // 12 each when computed
  std::array<int, kAdviceGroups + 1> order{};                           // the ranking computed last
};

// The marks report in the print lines 0..50 (0 its title with the student's name), the three
// headings bold. Returns its last line.
int BuildAdviceReport(const AdviceResults& results, std::string_view student);
// The studies of the three best groups after line `after` of the print lines (0 starts a report
// of its own, whose title is line 340). Returns the last line.
int AppendStudiesReport(const AdviceResults& results, int after);

// The help message's eight text table lines (0 = empty).
std::array<int, 8> AdviceHelpLines(int message);

}  // namespace velmora
