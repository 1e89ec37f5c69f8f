#include "vocational/certificates.h"

#include <algorithm>

#include "core/common.h"
#include "core/line_loaders.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {
namespace {

constexpr int kReportTitleLine = 580;
constexpr int kSectorLine = 583;
constexpr int kRequirementsLine = 581;
constexpr int kHoursLine = 582;
constexpr int kPrintedDescriptionWidth = 60;
constexpr std::string_view kRequirementIndent = "       ";

std::string_view Entry(int entry) {
  if (entry < 1 || entry > CertificateEntryCount()) return {};
  return Tabs().TabCertifica[static_cast<std::size_t>(entry)].view();
}

// An entry without its certificah line (a short file) has no details.
std::string_view Details(int entry) {
  if (entry < 1 || entry > std::min(Tabs().CountCertificah, CertificateEntryCount())) return {};
  return Tabs().TabCertificah[static_cast<std::size_t>(entry)].view();
}

bool IsHeading(std::string_view entry) { return entry.size() >= 2 && entry[1] == '-'; }
bool InGroup(std::string_view entry, char group) { return !entry.empty() && entry[0] == group; }

std::string NameOf(std::string_view entry) { return std::string(TrimBlanks(Field(entry, 2, 60))); }

// The access levels whose character equals each of the certificate's three level characters.
template <typename Visit>
void ForEachMatchingLevel(std::string_view details, bool firstOnly, Visit&& visit) {
  const CertificateHeads& heads = Certificates();
  for (const char level : Field(details, 1, 3)) {
    for (int l = 1; l <= kAccessLevels; ++l) {
      const std::string_view text = heads.levels[static_cast<std::size_t>(l)].view();
      if (text.empty() || text[0] != level) continue;
      visit(Field(text, 2, 28));
      if (firstOnly) break;
    }
  }
}

}  // namespace

CertificateHeads& Certificates() {
  static CertificateHeads heads;
  return heads;
}

void LoadCertificateFiles() {
  SharedTables& t = Tabs();
  t.CountCertifica = t.CountCertificah = 0;
  LoadLineTable(LanguageFolder + "certifica", t.TabCertifica, t.CountCertifica, WidthFP);
  ReadLineTable90(LanguageFolder + "certificah", t.TabCertificah, t.CountCertificah);
  SplitCertificateFiles();
}

void SplitCertificateFiles() {
  SharedTables& t = Tabs();
  CertificateHeads& heads = Certificates();
  heads = {};
  for (int i = 1; i <= std::min(kCertificateFamilies, t.CountCertifica); ++i) {
    const std::string_view line = t.TabCertifica[static_cast<std::size_t>(i)].view();
    heads.families[static_cast<std::size_t>(i)] = {std::string(TrimBlanks(Field(line, 1, kFamilyKeyCharacters))),
                                                   std::string(TrimBlanks(Field(line, kFamilyKeyCharacters + 1, 60)))};
  }
  for (int i = 1; i <= std::min(kAccessLevels, t.CountCertificah); ++i)
    heads.levels[static_cast<std::size_t>(i)] = t.TabCertificah[static_cast<std::size_t>(i)].view();
  TakeOutLeadingLines(t.TabCertifica, t.CountCertifica, kCertificateFamilies);
  TakeOutLeadingLines(t.TabCertificah, t.CountCertificah, kAccessLevels);
}

int CertificateEntryCount() { return std::clamp(Tabs().CountCertifica, 0, kCertificateEntries); }

std::vector<CertificateItem> AreaHeadings(int family) {
  std::vector<CertificateItem> headings;
  if (family < 1 || family > kCertificateFamilies) return headings;
  for (const char group : Certificates().families[static_cast<std::size_t>(family)].key) {
    if (group == ' ') continue;  // a short key is padded with blanks
    for (int j = 1; j <= CertificateEntryCount(); ++j) {
      const std::string_view entry = Entry(j);
      if (!InGroup(entry, group) || !IsHeading(entry)) continue;
      if (static_cast<int>(headings.size()) == kAreaHeadings) return headings;
      headings.push_back({NameOf(entry), j});
    }
  }
  return headings;
}

std::vector<CertificateItem> CertificatesOfArea(int headingEntry) {
  std::vector<CertificateItem> certificates;
  const std::string_view heading = Entry(headingEntry);
  if (heading.empty()) return certificates;
  for (int j = 1; j <= CertificateEntryCount(); ++j) {
    const std::string_view entry = Entry(j);
    if (InGroup(entry, heading[0]) && !IsHeading(entry)) certificates.push_back({NameOf(entry), j});
  }
  return certificates;
}

CertificateDetails DetailsOf(int entry) {
  CertificateDetails details;
  const std::string_view line = Details(entry);
  ForEachMatchingLevel(line, false, [&](std::string_view text) { details.requirements.emplace_back(text); });
  details.hours = std::string(Field(line, 4, 3));
  details.description = std::string(TrimBlanks(Field(line, 8, 83)));
  return details;
}

void BuildAreaReport(const std::vector<CertificateItem>& certificates) {
  const auto shown = std::min<std::size_t>(certificates.size(), kPrintedCertificates);
  StartPrintLines(TextLine(kReportTitleLine));
  AddPrintLine(std::string(TextLine(kSectorLine)) + ":");
  AddPrintLine(shown > 0 ? NameOf(Entry(certificates.front().entry - 1)) : std::string(), true);
  AddPrintLine("");
  for (std::size_t i = 0; i < shown; ++i) {
    const int entry = certificates[i].entry;
    const std::string_view details = Details(entry);
    AddPrintLine(certificates[i].name, true);
    AddPrintLine(TrimBlanks(Field(details, 8, kPrintedDescriptionWidth)));
    AddPrintLine(TextLine(kRequirementsLine));
    ForEachMatchingLevel(details, true, [](std::string_view text) {
      if (const std::string_view cut = Field(text, 1, kPrintedRequirementWidth); !cut.empty())
        AddPrintLine(std::string(kRequirementIndent) + std::string(cut));
    });
    AddPrintLine(std::string(TextLine(kHoursLine)) + ": " + std::string(Field(details, 4, 3)));
    AddPrintLine("");
  }
}

}  // namespace velmora
