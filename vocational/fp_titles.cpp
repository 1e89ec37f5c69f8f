#include "vocational/fp_titles.h"

#include <algorithm>
#include <cstring>

#include "core/common.h"
#include "core/cp1252.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "vocational/basic_titles.h"
#include "vocational/grade_traits.h"

namespace velmora {
namespace {

std::string Text(int line) { return std::string(TextLine(line)); }

std::string_view Record(const LineTable& table, int line) {
  return table[static_cast<std::size_t>(std::clamp(line, 0, kLineTableLines))].view();
}

// The family headers of a grade's title file and its title blocks.
struct TitleFile {
  const LineTable& marked;
  int markedCount;
  const MarkedLineNumbers& headerLines;
  int firstGroupLine;  // in familias
  const BlockTable& blocks;
};

TitleFile TitleFileOf(Grade grade) {
  SharedTables& t = Tabs();
  if (grade == Grade::GS) return {t.TabFpMarked, t.CountFpMarked, t.FpMarkedLines, 40, t.TabAsignafp};
  return {t.TabFp2Marked, t.CountFp2Marked, t.Fp2MarkedLines, 30, t.TabAsignagm};
}

std::string BlockLine(Grade grade, int title, int line) {
  const BlockTable& blocks = TitleFileOf(grade).blocks;
  if (title < 1 || title >= static_cast<int>(blocks.size())) return {};
  return std::string(blocks[static_cast<std::size_t>(title)][static_cast<std::size_t>(line)].view());
}

}  // namespace

// ---- Family groups, families, titles -----------------------------------------------------------

std::vector<FamilyGroup> ReadFamilyGroups(Grade grade) {
  std::vector<FamilyGroup> groups;
  const int first = TitleFileOf(grade).firstGroupLine;
  for (int line = first; line < first + kFamilyGroups; ++line) {
    const std::string_view record = Record(Tabs().TabFamilias, line);
    FamilyGroup group;
    for (int i = 0; i < 3; ++i)
      group.families[static_cast<std::size_t>(i)] = ParseInt(Field(record, 1 + 2 * i, 2)).value_or(0);
    group.name = TrimBothBlanks(record.size() > 6 ? record.substr(6) : std::string_view());
    groups.push_back(std::move(group));
  }
  return groups;
}

int FirstFurtherFamily(Grade grade) {
  const TitleFile file = TitleFileOf(grade);
  for (int family = 1; family <= file.markedCount; ++family)
    if (Record(file.marked, family).starts_with('|')) return family;
  return 0;
}

std::string FamilyName(Grade grade, int family) { return std::string(TrimBlanks(Record(TitleFileOf(grade).marked, family))); }

int FamilyHeaderLine(Grade grade, int family) {
  const TitleFile file = TitleFileOf(grade);
  if (family < 1 || family > file.markedCount) return 0;
  return file.headerLines[static_cast<std::size_t>(family - 1)];
}

std::vector<FamilyItem> FamiliesOfGroup(Grade grade, const std::vector<FamilyGroup>& groups, int group) {
  std::vector<FamilyItem> items{{Text(82), 0}};
  if (group < 1 || group > static_cast<int>(groups.size())) return items;
  for (const int family : groups[static_cast<std::size_t>(group - 1)].families)
    if (family > 0) items.push_back({FamilyName(grade, family), family});
  if (group == kGroupWithFurtherFamilies)
    if (const int first = FirstFurtherFamily(grade); first > 0)
      for (int family = first; family <= TitleFileOf(grade).markedCount; ++family)
        items.push_back({FamilyName(grade, family).substr(1), family});
  return items;
}

std::vector<std::string> TitlesOfFamily(Grade grade, int family) {
  std::vector<std::string> titles;
  const int header = FamilyHeaderLine(grade, family);
  if (header == 0) return titles;
  const int last = family < TitleFileOf(grade).markedCount ? FamilyHeaderLine(grade, family + 1) - 1 : TitleCount(grade);
  for (int line = header + 1; line <= last; ++line) titles.emplace_back(Record(TitleTable(grade), line));
  return titles;
}

int TitleNumberOf(Grade grade, int family, int position) { return FamilyHeaderLine(grade, family) + position; }

std::string TitleName(Grade grade, int title) {
  if (TraitsOf(grade).nameAfterClass) return BasicTitleName(title);
  return std::string(TrimBlanks(Record(TitleTable(grade), title)));
}

// ---- Middle grade ------------------------------------------------------------------------------

std::vector<std::string> RequirementLines() {
  std::vector<std::string> lines;
  for (int line = 1; line <= Tabs().CountInforma; ++line) {
    const std::string_view record = Record(Tabs().TabInforma, line);
    if (Field(record, 1, 2) == "17") lines.emplace_back(Field(record, 3, 58));
  }
  return lines;
}

std::vector<std::string> JobLines(int title, Grade grade) {
  std::vector<std::string> lines;
  for (int line = 1; line <= 5; ++line) lines.push_back(BlockLine(grade, title, line));
  return lines;
}

std::vector<std::string> StudyLines(int title) {
  std::vector<std::string> lines{BlockLine(Grade::GM, title, 6)};
  if (!IsBlankLine(BlockLine(Grade::GM, title, 7))) lines.emplace_back();
  for (int line = 7; line <= 25; ++line) lines.push_back(BlockLine(Grade::GM, title, line));
  return lines;
}

// ---- Higher grade ------------------------------------------------------------------------------

HigherTitleEntry HigherTitleOf(int title) {
  HigherTitleEntry entry;
  if (title < 1 || title > kHigherTitles) return entry;
  const auto& bytes = Tabs().Binary.Datfps;
  const auto integer = [&](int k) {  // 1-based, little-endian
    const std::size_t at = static_cast<std::size_t>((title - 1) * 25 + (k - 1)) * 4;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | std::to_integer<std::uint32_t>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<int>(static_cast<std::int32_t>(value));
  };
  for (int k = 0; k < 4; ++k) entry.groups[static_cast<std::size_t>(k)] = integer(1 + k);
  for (int k = 0; k < 13; ++k) entry.requirements[static_cast<std::size_t>(k)] = integer(5 + k);
  for (int k = 0; k < 6; ++k) entry.professions[static_cast<std::size_t>(k)] = integer(18 + k);
  entry.family = integer(24);
  return entry;
}

std::vector<std::string> HigherRequirementLines(int title) {
  std::vector<std::string> lines;
  for (const int line : HigherTitleOf(title).requirements)
    if (line > 0 && line <= Tabs().CountReqfp) lines.emplace_back(Record(Tabs().TabReqfp, line));
  return lines;
}

std::vector<std::string> HigherStudyLines(int title) {
  std::vector<std::string> lines{"     " + Text(271)};
  for (int line = 1; line <= 25; ++line) {
    lines.push_back(BlockLine(Grade::GS, title, line));
    if (line == 5 && !IsBlankLine(lines.back())) lines.emplace_back();
  }
  while (lines.size() > 14 && IsBlankLine(lines.back())) lines.pop_back();
  return lines;
}

std::vector<std::string> UniversityAccessLines() {
  std::vector<std::string> lines;
  for (int line = 711; line <= 715; ++line) lines.push_back(Text(line));
  return lines;
}

int StatisticsFamilyOf(int title) {
  const int family = HigherTitleOf(title).family;
  return family == 0 ? 5 : family;
}

std::vector<InfoRowLook> InfoListLooks(const std::vector<std::string>& items, bool watching, int headersFrom,
                                       bool firstOnPeach) {
  std::vector<InfoRowLook> looks(items.size());
  if (!watching) return looks;
  if (firstOnPeach && !looks.empty()) looks[0].header = true;
  bool afterHeader = false;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].starts_with('-') && static_cast<int>(i) >= headersFrom) {
      looks[i].header = true;
      afterHeader = true;
    } else if (afterHeader && !items[i].empty() && items[i][0] != ' ') {
      looks[i].bullet = true;
    }
  }
  return looks;
}

// ---- Printed reports ---------------------------------------------------------------------------

namespace {

void AddLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) AddPrintLine(line);
}

// A bold section heading: its row goes into BoldLines[entry].
void AddSectionHeading(const std::string& text, int entry) {
  AddPrintLine(text);
  BoldLines[static_cast<std::size_t>(entry)] = Tabs().PrintCount;
}

void AddMiddleGradeInfo(int title) {
  SharedTables& t = Tabs();
  AddSectionHeading("** " + Text(29) + " **", 1);
  AddLines(RequirementLines());
  AddPrintLine("");
  AddSectionHeading("** " + Text(199) + " **", 2);
  AddLines(JobLines(title));
  AddPrintLine("");
  AddSectionHeading("** " + Text(312) + " **", 3);
  for (int line = 6; line <= 25; ++line) AddPrintLine(BlockLine(Grade::GM, title, line));
  for (int removed = 0; removed < 11 && IsBlankLine(t.PrintLines[static_cast<std::size_t>(t.PrintCount)].view());
       ++removed)
    t.PrintLines[static_cast<std::size_t>(t.PrintCount--)] = std::string();
  AddPrintLine(std::string(35, '_'));
  AddPrintLine("");
  AddPrintLine("-" + UpperCp1252(TextLine(317)));
  AddPrintLine("");
}

void AddHigherGradeInfo(int title) {
  AddSectionHeading("- " + Text(277), 1);
  AddLines(HigherRequirementLines(title));
  AddPrintLine("");
  AddSectionHeading("- " + Text(312), 2);
  AddLines(HigherStudyLines(title));
  AddPrintLine("");
  AddSectionHeading("- " + Text(717), 3);
  AddLines(UniversityAccessLines());
  AddPrintLine("");
  AddPrintLine(std::string(6, ' ') + std::string(25, '_'));
  AddPrintLine("");
  AddSectionHeading("-" + UpperCp1252(TextLine(317)), 4);
  AddPrintLine("");
}

}  // namespace

bool BuildTitleReport(Grade grade, int title, const std::string& titleName, const std::vector<int>& communities) {
  const bool higher = grade == Grade::GS;
  StartPrintLines(titleName + " (" + Text(higher ? 47 : 113) + ")");
  higher ? AddHigherGradeInfo(title) : AddMiddleGradeInfo(title);
  SharedTables& t = Tabs();
  std::vector<int> chosen = communities;
  if (chosen.empty())
    for (int c = 1; c <= kCommunities; ++c) chosen.push_back(c);
  for (const int community : chosen) {
    const std::vector<GridRow> rows = CentresOfferingTitle(grade, title, PlacesOfCommunity(community));
    if (rows.empty()) continue;
    const std::string name = UpperCp1252(TrimBlanks(Field(Record(t.TabComunida, community), 3, 30)));
    AddPrintLine("***  " + name + (higher ? "***" : "  ***"));
    AddPrintLine("");
    for (const GridRow& row : rows) AddPrintLine(row.text + row.phone);
  }
  if (communities.empty() && t.PrintCount > kPrintSelectionThreshold) {
    StartPrintLines("");
    return false;
  }
  // The community headings are bold after the section headings.
  const int first = higher ? 5 : 4;
  int bold = 0;
  for (int row = 1; row <= t.PrintCount && first + bold < static_cast<int>(BoldLines.size()); ++row)
    if (t.PrintLines[static_cast<std::size_t>(row)].view().starts_with("***")) BoldLines[static_cast<std::size_t>(first + bold++)] = row;
  BoldLines[0] = bold + first - 1;
  return true;
}

void BuildPlaceReport(Grade grade, const std::string& placeName, const ResolvedPlace& place) {
  std::string heading = Text(289) + ": " + std::string(TrimBlanks(placeName));
  for (const int line : TraitsOf(grade).placeHeadingLines)
    if (line != 0) heading += " - " + Text(line);
  StartPrintLines(heading);
  const PlaceListing listing = CentresOfPlace(grade, place, {.printing = true});
  std::vector<GridRow> rows;
  // A centre row is its header mark and columns 2-45 of the centre line; keeping all 45
  // characters keeps the blank column 45 between the centre's name and its telephone.
  for (const GridRow& row : listing.rows) rows.push_back({std::string(Field(row.text, 1, 45)) + row.phone, {}, 0});
  AppendPrintRows(rows);
  int bold = 0;
  if (TraitsOf(grade).placeReportBoldCentres)
    for (int row = 1; row <= Tabs().PrintCount && bold + 1 < static_cast<int>(BoldLines.size()); ++row)
      if (Tabs().PrintLines[static_cast<std::size_t>(row)].view().starts_with('-')) BoldLines[static_cast<std::size_t>(1 + bold++)] = row;
  BoldLines[0] = bold;
}

}  // namespace velmora
