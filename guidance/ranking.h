// The ranking every questionnaire shows: items by mark, highest first, equal marks in their
// original order, and the marks as the lists print them.
#pragma once

#include <string>
#include <vector>

namespace velmora {

struct RankedItem {
  double mark = 0.0;
  int item = 0;      // the item's number before ranking
  std::string line;  // what the list shows for it
};

// A stable descending exchange sort: passes 1..n-1, positions n down to pass + 1, a swap only
// when the earlier mark is strictly smaller.
void RankDescending(std::vector<RankedItem>& items);

// A mark 0..10 in a field of width 4 with one decimal ("10.0", " 7.5").
std::string MarkField(double mark);

}  // namespace velmora
