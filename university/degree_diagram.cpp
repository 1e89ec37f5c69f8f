#include "university/degree_diagram.h"

#include <algorithm>

#include "core/text_table.h"

namespace velmora {
namespace {
std::string Line(int n) { return std::string(TextLine(n)); }
}  // namespace

std::string DiagramText(int step) {
  switch (step) {
    case 0: return Line(539);
    case 1: return Line(540);
    case 2: return Line(541) + " " + Line(542);
    case 3: return Line(543);
    case 4: return Line(544);
    case 5: return Line(545);
    case 6: return Line(546);
    case 7: return Line(547);
    case 8: return Line(548) + " " + Line(549);
    default: return {};
  }
}

void DegreeDiagram::Uncover(int panel, int pixels) {
  Cover& cover = covers_[static_cast<std::size_t>(panel - 1)];
  const int moved = std::min(pixels, cover.width);
  cover.left += moved;
  cover.width -= moved;
}

DegreeDiagram::Tick DegreeDiagram::Step() {
  // Steps 0-2 give their text at once; from step 3 a panel opens first and then the text follows.
  if (step_ <= 2) {
    Uncover(1, 1);
    return {DiagramText(step_), false};
  }
  if (step_ >= kLastDiagramStep) {
    Close(kCoverPanels);
    return {std::nullopt, true};
  }
  int panel = 1;
  if (step_ >= 4) {
    panel = step_ - 1;  // steps 4-8 open panels 3-7
    Close(panel - 1);
    if (step_ == 4) Close(1);
  }
  Uncover(panel, step_ == 7 ? 3 : 1);
  if (cover(panel).width > 0) return {};
  return {DiagramText(step_), false};
}

}  // namespace velmora
