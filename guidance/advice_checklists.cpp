#include "guidance/advice_checklists.h"

#include <algorithm>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "guidance/ranking.h"
#include "guidance/study_groups.h"

namespace velmora {
namespace {

constexpr int kEntryBytes = 51, kMaxStatements = 50, kNameColumns = 55;

std::string Text(int line) { return std::string(TextLine(line)); }

// A ranking line in the report: 9 blanks, the name and its mark within the report's 65 columns.
std::string ReportRankLine(std::string_view line) {
  const std::string name = PadTo(TrimBlanks(Field(line, 1, kNameColumns)), 65 - 9 - 4);
  return std::string(9, ' ') + name + std::string(Field(line, kNameColumns + 1, 4));
}

void AddRankLines(const std::vector<std::string>& lines) {
  for (int rank = 0; rank < kAdviceGroups; ++rank)
    AddPrintLine(rank < static_cast<int>(lines.size()) ? ReportRankLine(lines[static_cast<std::size_t>(rank)]) : std::string(9, ' '));
}

}  // namespace

ChecklistGroups ReadChecklistGroups(Checklist checklist, int statementCount) {
  ChecklistGroups groups;
  const auto& record = Tabs().Binary.Datgrub[checklist == Checklist::Qualities ? 0 : 1];
  for (int g = 1; g <= kAdviceGroups; ++g) {
    const std::size_t at = static_cast<std::size_t>((g - 1) * kEntryBytes);
    const int count = std::min(std::to_integer<int>(record[at]), kMaxStatements);
    for (int k = 1; k <= count; ++k) {
      const int statement = std::to_integer<int>(record[at + static_cast<std::size_t>(k)]);
      if (statement >= 1 && statement <= statementCount) groups[static_cast<std::size_t>(g)].push_back(statement);
    }
  }
  return groups;
}

std::vector<int> GradedStepsBelow(Checklist checklist, int row) {
  if (checklist != Checklist::Qualities) return {};
  switch (row) {
    case 1: return {0};
    case 2: return {0, 1};
    case 4: return {3};
    case 5: return {3, 4};
    default: return {};
  }
}

AdviceMarks ChecklistMarks(const std::vector<bool>& ticked, const ChecklistGroups& groups) {
  AdviceMarks marks{};
  for (int g = 1; g <= kAdviceGroups; ++g) {
    const std::vector<int>& statements = groups[static_cast<std::size_t>(g)];
    if (statements.empty()) continue;  // nothing to agree with: 0
    double mark = 0.01;
    for (const int statement : statements)
      if (static_cast<std::size_t>(statement) < ticked.size() && ticked[static_cast<std::size_t>(statement)]) mark += 1;
    // The head start keeps a group of one statement, ticked, from reading 10.1.
    marks[static_cast<std::size_t>(g)] = std::min(mark * 10 / static_cast<double>(statements.size()), 10.0);
  }
  return marks;
}

AdviceMarks AverageMarks(const AdviceMarks& qualities, const AdviceMarks& interests) {
  AdviceMarks average{};
  for (std::size_t g = 1; g <= kAdviceGroups; ++g) average[g] = (qualities[g] + interests[g]) / 2;
  return average;
}

AdviceRanking RankAdviceGroups(const AdviceMarks& marks) {
  std::vector<RankedItem> items;
  for (int g = 1; g <= kAdviceGroups; ++g) {
    const double mark = marks[static_cast<std::size_t>(g)];
    items.push_back({mark, g, StudyGroupName(g, kNameColumns) + MarkField(mark)});
  }
  RankDescending(items);
  AdviceRanking ranking;
  for (std::size_t rank = 0; rank < items.size(); ++rank) {
    ranking.lines.push_back(items[rank].line);
    ranking.order[rank + 1] = items[rank].item;
  }
  return ranking;
}

std::vector<std::string> GroupStudiesLines(int group) {
  std::vector<std::string> lines{std::string(ItinerarRecord(group)), "", Text(327) + std::string(12, ' ')};
  const std::vector<std::string> degrees = DegreesOfGroup(group);
  lines.insert(lines.end(), degrees.begin(), degrees.end());
  if (group == 11) {
    const std::vector<std::string> other = ArtsGroupOtherStudies();
    lines.insert(lines.end(), other.begin(), other.end());
  } else {
    lines.emplace_back();
    lines.push_back(Text(326) + std::string(12, ' '));
  }
  for (const std::string& title : HigherTitlesOfGroup(group)) lines.push_back(title.substr(0, 60));
  return lines;
}

int BuildAdviceReport(const AdviceResults& results, std::string_view student) {
  StartPrintLines(Text(284) + " " + std::string(student));
  AddPrintLine(Text(596) + " " + Text(597));
  AddPrintLine("");
  AddPrintLine(std::string(26, ' ') + Text(279), true);
  AddPrintLine("");
  AddRankLines(results.qualityLines);
  AddPrintLine("");
  AddPrintLine("");
  AddPrintLine(std::string(26, ' ') + Text(280), true);
  AddPrintLine("");
  AddRankLines(results.interestLines);
  AddPrintLine("");
  AddPrintLine("");
  AddPrintLine(std::string(11, ' ') + Text(285), true);
  AddPrintLine("");
  AddRankLines(results.combinedLines);
  AddPrintLine("");
  AddPrintLine(std::string(44, ' ') + Text(598));
  return Tabs().PrintCount;
}

int AppendStudiesReport(const AdviceResults& results, int after) {
  if (after == 0) {
    StartPrintLines(Text(340));
  } else {
    AddPrintLine(Text(340));
  }
  AddPrintLine("");
  for (int rank = 1; rank <= 3; ++rank) {
    const int group = results.order[static_cast<std::size_t>(rank)];
    if (group < 1 || group > kAdviceGroups) continue;
    AddPrintLine(ItinerarRecord(group), true);
    AddPrintLine("");
    AddPrintLine(Text(327));
    for (const std::string& degree : DegreesOfGroup(group)) AddPrintLine(" " + degree);
    if (group == 11) {
      for (const std::string& line : ArtsGroupOtherStudies()) AddPrintLine(line);
    } else {
      AddPrintLine("");
      AddPrintLine(Text(326));
    }
    for (const std::string& title : HigherTitlesOfGroup(group)) AddPrintLine(" " + title);
    AddPrintLine("");
    AddPrintLine(std::string(29, '_'));
    AddPrintLine("");
  }
  return Tabs().PrintCount;
}

std::array<int, 8> AdviceHelpLines(int message) {
  switch (message) {
    case 4: return {355, 357, 358, 359, 360, 361, 362, 363};
    case 5: return {356, 357, 358, 359, 360, 361, 362, 363};
    case 6: return {364, 365, 366, 367, 368, 369, 370, 371};
    case 8: return {378, 379, 380, 381, 382, 383, 384, 0};
    case 17: return {0, 410, 411, 412, 413, 0, 0, 0};
    case 18: return {0, 0, 415, 416, 417, 0, 0, 0};
    case 19: return {22, 23, 24, 25, 26, 27, 28, 0};
    default: return {};
  }
}

}  // namespace velmora
