#include "guidance/ranking.h"

#include <cstdio>
#include <utility>

namespace velmora {

void RankDescending(std::vector<RankedItem>& items) {
  const std::size_t n = items.size();
  for (std::size_t pass = 1; pass < n; ++pass)
    for (std::size_t j = n - 1; j >= pass; --j)
      if (items[j - 1].mark < items[j].mark) std::swap(items[j - 1], items[j]);
}

std::string MarkField(double mark) {
  char text[32];
  std::snprintf(text, sizeof text, "%4.1f", mark);
  return text;
}

}  // namespace velmora
