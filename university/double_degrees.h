// Double degrees: the degrees that belong to one, grouped by branch; the universities and
// partner degrees of one of them; its double degrees with their marks, by university, and the
// communities that offer them; and the double degrees of a degree in one community.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "university/where_to_study.h"

namespace velmora {

// The menu's list: "- " + branch headings (degree 0), then the degrees of that branch.
struct DoublesListRow {
  std::string text;
  int degree = 0;
};
std::vector<DoublesListRow> DoubleDegreeList();

// A degree of that list: each university (8 blanks + name) and its pairs with the degree.
struct DoublesPageRow {
  std::string text;
  bool university = false;
};
std::vector<DoublesPageRow> DoublesOfDegree(int degree);

// The marks grid of the degree's double degrees; fills CommunityHasOffer.
std::vector<GridLine> DoublesGrid(int degree);

// The double degrees of the degree at the universities of one community (the star map's click).
std::vector<GridLine> DoublesInCommunity(int degree, int community);

// The university entries of the double-degree file in a community: name and entry number.
std::vector<CommunityUniversity> DoubleUniversitiesOfCommunity(int community);

}  // namespace velmora
