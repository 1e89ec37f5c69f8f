// Family groups, families and titles of the middle- and higher-grade title files, what each title
// tells the student, and the printed reports of a title and of a place. Widget-free; texts are
// Windows-1252.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "vocational/place_model.h"

namespace velmora {

// ---- Family groups, families, titles (grades GM and GS) --------------------------------------
inline constexpr int kFamilyGroups = 9;
inline constexpr int kGroupWithFurtherFamilies = 6;

struct FamilyGroup {
  std::array<int, 3> families{};  // family numbers, 0 = none
  std::string name;
};
// The nine groups of familias: lines 30..38 for the middle grade, 40..48 for the higher grade.
std::vector<FamilyGroup> ReadFamilyGroups(Grade grade);

struct FamilyItem {
  std::string text;
  int family = 0;  // 0 for the back item
};
// Item 0 is the back item; group 6 also lists every family from the first "|" family on.
std::vector<FamilyItem> FamiliesOfGroup(Grade grade, const std::vector<FamilyGroup>& groups, int group);
// The first family whose name begins with "|" (0 when there is none).
int FirstFurtherFamily(Grade grade);
std::string FamilyName(Grade grade, int family);
int FamilyHeaderLine(Grade grade, int family);
std::vector<std::string> TitlesOfFamily(Grade grade, int family);
// The title number (line of the title file) of the position-th title (1-based) of the family.
int TitleNumberOf(Grade grade, int family, int position);
std::string TitleName(Grade grade, int title);

// ---- What a middle-grade title tells ----------------------------------------------------------
std::vector<std::string> RequirementLines();
// Lines 1..5 of the title's block: the jobs it leads to.
std::vector<std::string> JobLines(int title, Grade grade = Grade::GM);
// Lines 6..25 of the block; an empty line separates line 6 from a non-blank line 7.
std::vector<std::string> StudyLines(int title);

// ---- What a higher-grade title tells ----------------------------------------------------------
inline constexpr int kHigherTitles = 200;
struct HigherTitleEntry {
  std::array<int, 4> groups{};         // interest groups (records of itinerar), 0 = none
  std::array<int, 13> requirements{};  // lines of reqfp, 0 = none
  std::array<int, 6> professions{};    // lines of profesio
  int family = 0;                      // professional family 1..26, 0 = unknown
};
// The title's entry of datfps; an empty entry past its 200.
HigherTitleEntry HigherTitleOf(int title);
// The reqfp lines the entry names, in order.
std::vector<std::string> HigherRequirementLines(int title);
// The heading item, block lines 1..25 with an empty item after a non-blank line 5, trailing blank
// items trimmed down to 14 items.
std::vector<std::string> HigherStudyLines(int title);
// Text lines 711..715: how a higher-grade title leads to university.
std::vector<std::string> UniversityAccessLines();
// The family the statistics screen shows for the title: its datfps family, 5 when unknown.
int StatisticsFamilyOf(int title);

struct InfoRowLook {
  bool header = false;  // on peach
  bool bullet = false;
};
// How listSelFP draws its items: with watching on, "-" items from `headersFrom` on are headers and
// the non-blank items after the last header get a bullet; `firstOnPeach` also puts item 0 on peach.
std::vector<InfoRowLook> InfoListLooks(const std::vector<std::string>& items, bool watching, int headersFrom = 0,
                                       bool firstOnPeach = false);

// ---- Printed reports -------------------------------------------------------------------------
inline constexpr int kPrintSelectionThreshold = 150;
inline constexpr int kMaxPrintCommunities = 19;

// Fills PrintLines and BoldLines with the report of a title: its information, then its centres
// in every community (or in the chosen ones, in their order). Returns false, with nothing to
// print, when all communities were asked for and more than 150 rows came together.
bool BuildTitleReport(Grade grade, int title, const std::string& titleName, const std::vector<int>& communities);
// Fills PrintLines with the centres of the current place under its heading.
void BuildPlaceReport(Grade grade, const std::string& placeName, const ResolvedPlace& place);

}  // namespace velmora
