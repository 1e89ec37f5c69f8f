// The vocational-training statistics: how many centres teach each higher-grade title, and each
// professional family's share of students, share of jobs and number of jobs; the rows of the
// four charts, with their bar lengths, labels and pictures.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int kStatFamilies = 26;

// Set by the higher-grade screen before it opens a chart.
inline bool EmploymentFlag = false;
inline int SelectedStatFamily = 5;

struct VocationalStats {
  std::vector<std::string> titles;  // fp lines, "-" lines are family headings
  std::vector<int> titleFamily;     // the family number each line belongs to
  std::vector<int> centres;         // centres that teach each line's title
  std::vector<std::string> families;  // familias lines from their second character
  std::array<std::string, kStatFamilies + 1> shareText{};
  std::array<double, kStatFamilies + 1> studentShare{}, jobShare{};
  std::array<int, kStatFamilies + 1> jobs{};
  std::string source;  // line 27 of fami_estad.txt
};
// Reads fp, familias and fami_estad.txt and counts the centres in the higher-grade offer file.
// A number that cannot be read shows "problema decimales" and keeps the value it had.
VocationalStats LoadVocationalStats();

// Pictures of ImageListIconos: a family heading of fp (table A), a line of fami_estad (table B).
int TitleFamilyPicture(int family);
int StatFamilyPicture(int family);

struct StatRow {
  std::string name;
  std::string label;
  int length = 0;    // from the name column's right edge to the bar's end
  int picture = -1;  // none
  bool heading = false;
  int family = 0;
};
std::vector<StatRow> TitleRows(const VocationalStats& stats);
std::vector<StatRow> ShareRows(const VocationalStats& stats);
std::vector<StatRow> JobRows(const VocationalStats& stats);  // largest first, ties in file order

struct ComparisonRow {
  std::string name;
  int picture = -1;
  int studentLength = 0, jobLength = 0;
  std::string studentLabel, jobLabel;
};
std::vector<ComparisonRow> ComparisonRows(const VocationalStats& stats);

// The growing bar of the selected row: its length after each tick, ending at the full length.
int GrowthStep(int fullLength);

}  // namespace velmora
