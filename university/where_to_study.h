// Where a degree is taught and what a university teaches: the rows of the cut-off grid of a
// degree (universities by community, with the communities the star map marks), the universities
// of a community, and a university's degrees regrouped by branch with its double degrees.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int kRegions = 19;
inline constexpr int kMaxCommunityUniversities = 40;
inline constexpr int kBranchRegroupRows = 16;  // from this many degrees a university's list goes by branch

// The community has a university that offers the selected degree, and the grid row of its heading.
inline std::array<bool, kRegions + 1> CommunityHasOffer{};
inline std::array<int, kRegions + 1> CommunityFirstRow{};

// A row of the grid, split into the name column and the mark column.
struct GridLine {
  std::string name;
  std::string mark;
  int degree = 0;  // the degree the row leads to by a double-click; 0 for the others
};

// The degree's grid: title, "Not.", then each community that offers it with its universities.
// Fills CommunityHasOffer and CommunityFirstRow. The rows as 60-character texts come first when
// a report collects them.
struct DegreeGrid {
  std::vector<std::string> texts;
  std::vector<GridLine> lines;
};
DegreeGrid BuildDegreeGrid(int degree);

// The universities of lugar in a community (region 18 and 19 looking up 1), at most 40.
struct CommunityUniversity {
  std::string name;
  int university = 0;
};
std::vector<CommunityUniversity> UniversitiesOfCommunity(int community);

// A university's degrees with their marks (by branch from 16 on), then its double degrees.
std::vector<GridLine> UniversityDegreeRows(int university);

}  // namespace velmora
