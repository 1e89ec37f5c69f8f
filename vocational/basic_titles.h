// The FP Básica titles: the nine families of fpba, a family's titles in the order of its key,
// the headings among them, what a title tells (its block of asignaba and the shared texts of
// informa_l) and its printed report. Widget-free; texts are Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vocational/place_model.h"

namespace velmora {

inline constexpr int kBasicFamilies = 9;
inline constexpr int kMaxBasicHeadings = 25;
inline constexpr int kMaxBasicFamilyTitles = 200;

struct BasicFamily {
  std::string key;   // up to four title classes; a leading "0" searches by place
  std::string name;  // columns 5-64
  bool SearchesByPlace() const { return key.starts_with('0'); }
};
// The nine families of the family lines LoadBasicTitles kept.
std::vector<BasicFamily> BasicFamilies();

struct BasicTitleEntry {
  std::string name;  // without trailing blanks; a heading keeps its leading "-"
  int title = 0;
  bool IsHeading() const { return name.starts_with('-'); }
};
// The titles whose class is the key's first character, then its second, then its third, each
// pass in title order; blank key characters take no titles.
std::vector<BasicTitleEntry> BasicTitlesOfFamily(std::string_view key);
// The headings of fpba in order, at most 25.
std::vector<std::string> BasicHeadings();
bool IsBasicHeading(int title);
// The name of a title as its caption shows it: from column 2, without trailing blanks.
std::string BasicTitleName(int title);

// Four blanks + text line 271, then lines 1-5 of the title's block.
std::vector<std::string> BasicPreviewLines(int title);
// Columns 3-62 of the informa_l lines whose columns 1-2 are the code.
std::vector<std::string> InformaLLines(std::string_view code);
// Line 54 of informa_l, columns 4-63 without surrounding blanks.
std::string BasicScreenTitle();
std::vector<std::string> BasicRequirementLines();
std::vector<std::string> BasicJobLines(int title);
std::vector<std::string> BasicStudyLines(int title);

// Fills PrintLines and BoldLines with a title's report and the centre rows listed for the
// community clicked.
void BuildBasicTitleReport(int title, const std::string& titleName, int community, const std::vector<GridRow>& rows);

}  // namespace velmora
