#include "guidance/catalogue.h"

#include <algorithm>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "university/degree_requirements.h"
#include "university/degree_tables.h"
#include "vocational/basic_titles.h"
#include "vocational/certificates.h"
#include "vocational/fp_titles.h"
#include "vocational/middle_grade_questionnaire.h"

namespace velmora {
namespace {

constexpr int kTitleEntries = 200;  // entries of datfps and datfpm

std::string Text(int line) { return std::string(TextLine(line)); }

void Add(std::vector<CatalogueItem>& list, std::string_view text, int number) {
  if (static_cast<int>(list.size()) < kMaxCatalogueItems) list.push_back({std::string(TrimBlanks(text)), number});
}

// FP Básica titles and certificate entries name their family by its key in column 1; a "-" in
// column 2 marks a heading, which is no qualification.
template <typename Table>
void AddKeyedLines(std::vector<CatalogueItem>& list, const Table& table, int count, char key) {
  for (int n = 1; n <= count; ++n) {
    const std::string_view line = table[static_cast<std::size_t>(n)].view();
    if (line.size() >= 2 && line[0] == key && line[1] != '-') Add(list, Field(line, 2, 60), n);
  }
}

// The higher- or middle-grade titles of the family; the arts family's last line stands for the
// artistic cycles and is listed once, under its own caption, at the end.
void AddTitles(std::vector<CatalogueItem>& list, Grade grade, int family, char key) {
  const int count = std::min(TitleCount(grade), kTitleEntries);
  const bool arts = key == kArtsFamilyKey;
  for (int t = 1; t <= count; ++t) {
    if (arts && t == count) continue;
    const int own = grade == Grade::GS ? HigherTitleOf(t).family : MiddleGradeEntryOf(t).family;
    if (own == family) Add(list, TitleTable(grade)[static_cast<std::size_t>(t)].view(), t);
  }
  if (arts) Add(list, TextLine(grade == Grade::GS ? 176 : 177), count);
}

void AddLines(std::vector<CatalogueLine>& lines, const std::vector<std::string>& texts) {
  for (const std::string& text : texts) lines.push_back({text, false});
}

}  // namespace

int FamilyNumberOfKey(char key) {
  if (key >= '1' && key <= '9') return key - '0';
  if (key >= 'A' && key <= 'Q') return key - 'A' + 10;
  return 0;
}

char FamilyKeyAt(int line) {
  if (line < 1 || line > std::min(Tabs().CountFamilias, kProfessionalFamilies)) return ' ';
  const std::string_view record = Tabs().TabFamilias[static_cast<std::size_t>(line)].view();
  return record.empty() ? ' ' : record[0];
}

std::string FamilyNameAt(int line) {
  if (line < 1 || line > std::min(Tabs().CountFamilias, kProfessionalFamilies)) return {};
  return std::string(TrimBlanks(Field(Tabs().TabFamilias[static_cast<std::size_t>(line)].view(), 2, 60)));
}

CatalogueLists CatalogueOfFamily(char key) {
  CatalogueLists lists;
  const int family = FamilyNumberOfKey(key);
  if (family == 0) return lists;
  for (int d = 1; d <= DegreeCount(); ++d)
    if (DegreeValue(d, kCatalogueValue) == family) Add(lists[0], DegreeName(d), d);
  AddTitles(lists[1], Grade::GS, family, key);
  AddTitles(lists[2], Grade::GM, family, key);
  AddKeyedLines(lists[3], Tabs().TabFpba, Tabs().CountFpba, key);
  AddKeyedLines(lists[4], Tabs().TabCertifica, CertificateEntryCount(), key);
  return lists;
}

std::vector<CatalogueLine> CatalogueInformation(CatalogueKind kind, int number, char familyKey) {
  std::vector<CatalogueLine> lines;
  const bool arts = familyKey == kArtsFamilyKey;
  switch (kind) {
    case CatalogueKind::Degree:
      AddLines(lines, RequirementLines(number, RequirementPart::ForCatalogue));
      break;
    case CatalogueKind::HigherTitle:
      lines.push_back({Text(277), true});
      AddLines(lines, HigherRequirementLines(number));
      if (!arts) {
        lines.push_back({});
        lines.push_back({Text(271), true});
        AddLines(lines, JobLines(number, Grade::GS));
      }
      break;
    case CatalogueKind::MiddleTitle:
      lines.push_back({Text(277), true});
      AddLines(lines, RequirementLines());
      lines.push_back({});
      if (!arts) {
        lines.push_back({Text(271), true});
        AddLines(lines, JobLines(number, Grade::GM));
      }
      break;
    case CatalogueKind::BasicTitle: {
      lines.push_back({Text(29), true});
      AddLines(lines, BasicRequirementLines());
      lines.push_back({});
      lines.push_back({Text(271), true});
      const std::vector<std::string> preview = BasicPreviewLines(number);  // its heading, then lines 1-5
      for (std::size_t k = 1; k < preview.size(); ++k)
        if (!preview[k].starts_with("     ")) lines.push_back({preview[k], false});
      break;
    }
    case CatalogueKind::Certificate: {
      const CertificateDetails details = DetailsOf(number);
      lines.push_back({Text(29), true});
      AddLines(lines, details.requirements);
      if (details.requirements.empty()) lines.push_back({});
      lines.push_back({Text(582), true});
      lines.push_back({details.hours, false});
      lines.push_back({Text(271), true});
      lines.push_back({details.description, false});
      break;
    }
  }
  return lines;
}

std::array<std::string, kCatalogueLists> CatalogueCaptions() {
  return {Text(299), Text(47), Text(113), Text(172) + " / " + Text(263), Text(580)};
}

int BuildCatalogueReport(const std::string& familyName, const CatalogueLists& lists) {
  StartPrintLines(std::string(TrimBlanks(TextLine(103))) + ": " + familyName);
  const std::array<std::string, kCatalogueLists> captions = CatalogueCaptions();
  for (std::size_t k = 0; k < lists.size(); ++k) {
    if (lists[k].empty()) continue;
    AddPrintLine({});
    AddPrintLine(captions[k], true);
    for (const CatalogueItem& item : lists[k]) AddPrintLine(" -" + item.text);
  }
  return Tabs().PrintCount;
}

}  // namespace velmora
