// What the admission-information screen shows: the degrees whose cut-off mark reached a
// threshold somewhere and at which universities, the weighting documents of the data folder,
// and the local pages on admission, grants and residences.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velmora {

inline constexpr int kMaxHighMarkRows = 300;
inline constexpr int kMaxHighMarkUniversities = 80;

// A degree with a cut-off mark at or above the threshold at m of its l universities with a mark.
struct HighMarkRow {
  std::string name;   // the first 50 characters of the degree's name
  std::string count;  // m in 2 characters, two blanks, "(" + l in 2 characters + ")"
  int degree = 0;
  std::vector<std::pair<int, int>> universities;  // (university, mark in tenths)
};
std::vector<HighMarkRow> HighCutOffRows(int thresholdTenths);

// The PDF files of the data folder's "pdf" folder (extension in any case), sorted; Windows-1252.
std::vector<std::string> WeightingDocuments();

// The page of item 0..3 of the information list (admission exam, university, grants,
// residences), as a path inside the data folder.
std::string AdmissionPage(int item);

}  // namespace velmora
