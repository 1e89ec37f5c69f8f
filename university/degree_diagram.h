// The animated explanation of the university degree structure: seven cover panels hide parts of
// the diagram, and each step uncovers one, tick by tick, and then shows its explanation line.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace velmora {

inline constexpr int kCoverPanels = 7;
inline constexpr int kLastDiagramStep = 9;

class DegreeDiagram {
 public:
  struct Cover {
    int left = 0;
    int width = 0;
  };
  struct Tick {
    std::optional<std::string> text;  // shown now; the step's timer stops
    bool finished = false;            // the last step: nothing more to advance to
  };

  explicit DegreeDiagram(const std::array<Cover, kCoverPanels>& covers) : covers_(covers) {}

  // One tick of the current step.
  Tick Step();
  // The advance button: the next step starts.
  void Advance() { ++step_; }

  int step() const { return step_; }
  const Cover& cover(int panel) const { return covers_[static_cast<std::size_t>(panel - 1)]; }

 private:
  void Uncover(int panel, int pixels);
  void Close(int panel) { covers_[static_cast<std::size_t>(panel - 1)].width = 0; }

  std::array<Cover, kCoverPanels> covers_;
  int step_ = 0;
};

// The explanation line of a step (text table lines 539-549), empty after the last.
std::string DiagramText(int step);

}  // namespace velmora
