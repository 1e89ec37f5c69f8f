// The five ways the degrees screen lists degrees (by branch, group, activity, itinerary and
// alphabet) and the hint of a degree's local names. Each returns rows for the screen to show.
#pragma once

#include <string>
#include <vector>

namespace velmora {

// A row of the branch grid: a group heading (degree 0) or a degree with "+" when it has local names.
struct DegreeRow {
  std::string text;
  std::string mark;
  int degree = 0;
  bool heading = false;
};
inline constexpr int kAllBranchesItem = 5;  // the sixth item of the branch list
// Item 0..5 of the branch list: branches 1, 3 and 4 and the last item under their group
// headings (groups without such a degree left out), branches 2 and 5 flat.
std::vector<DegreeRow> BranchDegreeRows(int item);

// Picture list images of the tree.
inline constexpr int kImageOpenGroup = 0;
inline constexpr int kImageDegree = 1;
inline constexpr int kImageChosenDegree = 2;
inline constexpr int kImageGroup = 4;

// A node of the tree in display order: a top node (level 0) is followed by its children.
struct TreeItem {
  std::string text;
  int image = kImageDegree;
  int degree = 0;  // 0 for heading nodes
  int level = 0;
};
enum class DegreeView { Branches, Groups, Activities, Itineraries, Alphabetical };
// The items of the group, activity, itinerary or alphabetical view.
std::vector<TreeItem> DegreeTree(DegreeView view);

// The hint of a degree with local names: a heading line, then "-" + each name; empty otherwise.
std::string LocalNamesHint(int degree);

}  // namespace velmora
