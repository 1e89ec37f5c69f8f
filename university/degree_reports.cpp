#include "university/degree_reports.h"

#include <algorithm>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "university/degree_requirements.h"
#include "university/degree_tables.h"
#include "university/double_degrees.h"

namespace velmora {
namespace {

constexpr std::size_t kAloneHeading = 50;
constexpr std::size_t kReportWidth = 65;  // a print line

std::string Text(int line) { return std::string(TextLine(line)); }
std::string Trimmed(std::string_view text) { return std::string(TrimBothBlanks(text)); }

// Headings ("-") and lines indented by three blanks are printed bold in the list reports.
bool StandsOut(std::string_view line) { return line.starts_with('-') || line.starts_with("   "); }

}  // namespace

std::string DegreeReportHeading(int degree) {
  const std::string name = Trimmed(DegreeName(degree));
  return name.size() >= kAloneHeading ? name : Text(522) + ": " + name;
}

void BuildDegreeReport(int degree) {
  StartPrintLines(DegreeReportHeading(degree));
  for (const GridLine& row : BuildDegreeGrid(degree).lines) AddPrintLine(PrintedGridRow(row.name, row.mark));
  BoldLines[1] = std::min(2, Tabs().PrintCount);
  AddPrintLine("");
  const int requirementsHeader = Tabs().PrintCount + 1;
  for (const std::string& line : RequirementLines(degree)) AddPrintLine(line);
  BoldLines[3] = requirementsHeader;
  AddPrintLine("");
  std::string outlets = std::string(13, ' ') + Text(278);
  outlets.resize(std::min<std::size_t>(outlets.size(), 28));
  AddPrintLine(outlets);
  // A profile paragraph is one long line; the report's lines are narrower.
  for (const PageLine& line : ProfilePage(degree))
    for (const std::string& part : WrapWords(line.kind == PageLineKind::Bullet ? "\x95 " + line.text : line.text, kReportWidth))
      AddPrintLine(part);
  BoldLines[0] = 4;
}

void BuildUniversityReport(int university, const std::vector<GridLine>& rows) {
  StartPrintLines(Text(289) + ": " + std::string(UniversityName(university)));
  AddPrintLine(std::string(4, ' ') + Text(48) + kMarkSeparator + Text(296), true);
  for (const GridLine& row : rows) AddPrintLine(PrintedGridRow(row.name, row.mark), StandsOut(row.name));
}

void BuildDoublesReport(int degree) {
  StartPrintLines(Text(242) + ": " + Trimmed(DegreeName(degree)));
  for (const DoublesPageRow& row : DoublesOfDegree(degree)) AddPrintLine(row.text, row.text.starts_with("   "));
}

void BuildOtherStudyReport(int study) {
  StartPrintLines(Text(290) + ": " + Trimmed(Tabs().TabOtros[static_cast<std::size_t>(std::clamp(study, 0, kLineTableLines))].view()));
  for (const std::string& line : OtherStudyPage(study)) AddPrintLine(line, line.starts_with('-'));
}

void BuildArtsReport(ArtsStudy study) {
  StartPrintLines(Text(529 + static_cast<int>(study)));
  AddPrintLine("");
  for (const std::string& line : ArtsReportLines(study)) AddPrintLine(line, line.starts_with('-'));
}

}  // namespace velmora
