#include "vocational/basic_titles.h"

#include <algorithm>

#include "core/common.h"
#include "core/cp1252.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

std::string Text(int line) { return std::string(TextLine(line)); }

std::string_view TitleLine(int title) {
  if (title < 1 || title > Tabs().CountFpba) return {};
  return Tabs().TabFpba[static_cast<std::size_t>(title)].view();
}

std::string BlockLine(int title, int line) {
  const BlockTable& blocks = Tabs().TabAsignaba;
  if (title < 1 || title >= static_cast<int>(blocks.size())) return {};
  return std::string(blocks[static_cast<std::size_t>(title)][static_cast<std::size_t>(line)].view());
}

}  // namespace

std::vector<BasicFamily> BasicFamilies() {
  std::vector<BasicFamily> families;
  for (const std::string& line : BasicFamilyLines) {
    if (static_cast<int>(families.size()) == kBasicFamilies) break;
    families.push_back({std::string(TrimBlanks(Field(line, 1, 4))), std::string(TrimBlanks(Field(line, 5, 60)))});
  }
  return families;
}

std::vector<BasicTitleEntry> BasicTitlesOfFamily(std::string_view key) {
  std::vector<BasicTitleEntry> entries;
  for (std::size_t pass = 0; pass < 3 && pass < key.size(); ++pass) {
    if (key[pass] == ' ') continue;
    for (int title = 1; title <= Tabs().CountFpba; ++title) {
      const std::string_view line = TitleLine(title);
      if (line.empty() || line[0] != key[pass]) continue;
      if (static_cast<int>(entries.size()) == kMaxBasicFamilyTitles) return entries;
      entries.push_back({BasicTitleName(title), title});
    }
  }
  return entries;
}

std::string BasicTitleName(int title) { return std::string(TrimBlanks(Field(TitleLine(title), 2, 59))); }

std::vector<std::string> BasicHeadings() {
  std::vector<std::string> headings;
  for (int title = 1; title <= Tabs().CountFpba && static_cast<int>(headings.size()) < kMaxBasicHeadings; ++title)
    if (IsBasicHeading(title)) headings.push_back(BasicTitleName(title));
  return headings;
}

bool IsBasicHeading(int title) { return Field(TitleLine(title), 2, 1) == "-"; }

std::vector<std::string> BasicPreviewLines(int title) {
  std::vector<std::string> lines{"    " + Text(271)};
  for (int line = 1; line <= 5; ++line) lines.push_back(BlockLine(title, line));
  return lines;
}

std::vector<std::string> InformaLLines(std::string_view code) {
  std::vector<std::string> lines;
  // Line n of informa_l is record n - 1.
  for (int index = 0; index < Tabs().CountInformaL; ++index) {
    const std::string_view record = Tabs().TabInformaL[static_cast<std::size_t>(index)].view();
    if (Field(record, 1, 2) == code) lines.emplace_back(Field(record, 3, 60));
  }
  return lines;
}

std::string BasicScreenTitle() {
  return std::string(TrimBothBlanks(Field(Tabs().TabInformaL[53].view(), 4, 60)));  // line 54
}

std::vector<std::string> BasicRequirementLines() { return InformaLLines(" 8"); }

std::vector<std::string> BasicJobLines(int title) {
  std::vector<std::string> lines{"", "  " + Text(199)};
  for (int line = 1; line <= 5; ++line) lines.push_back(BlockLine(title, line));
  lines.emplace_back();
  for (std::string& line : InformaLLines("10")) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> BasicStudyLines(int title) {
  std::vector<std::string> lines = InformaLLines(" 9");
  lines.emplace_back();
  for (int line = 6; line <= 25; ++line) lines.push_back(BlockLine(title, line));
  return lines;
}

void BuildBasicTitleReport(int title, const std::string& titleName, int community, const std::vector<GridRow>& rows) {
  StartPrintLines(titleName + " (" + Text(172) + " - " + Text(263) + ")");
  SharedTables& t = Tabs();
  const auto section = [&](int line, int entry, const std::vector<std::string>& lines) {
    AddPrintLine("** " + Text(line) + " **");
    BoldLines[static_cast<std::size_t>(entry)] = t.PrintCount;
    for (const std::string& text : lines) AddPrintLine(text);
  };
  section(29, 1, BasicRequirementLines());
  AddPrintLine("");
  section(312, 2, BasicStudyLines(title));
  AddPrintLine("");
  std::vector<std::string> jobs = BasicJobLines(title);
  jobs.erase(jobs.begin(), jobs.begin() + 2);  // the screen's own empty item and heading
  section(199, 3, jobs);
  AddPrintLine("");
  AddPrintLine(Text(323));
  const std::string name = community >= 1 && community <= kCommunities
                               ? UpperCp1252(TrimBlanks(Field(t.TabComunida[static_cast<std::size_t>(community)].view(), 3, 30)))
                               : std::string();
  AddPrintLine("***  " + name + "  ***");
  for (const GridRow& row : rows) AddPrintLine(row.text + "  " + row.phone);
  int bold = 0;
  for (int row = 1; row <= t.PrintCount && 4 + bold < static_cast<int>(BoldLines.size()); ++row)
    if (t.PrintLines[static_cast<std::size_t>(row)].view().starts_with("***")) BoldLines[static_cast<std::size_t>(4 + bold++)] = row;
  BoldLines[0] = bold + 3;
}

}  // namespace velmora
