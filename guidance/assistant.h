// The assistant's logic: its texts, the arrow texts that scroll in one after another, the
// helicopter flight that reveals an arrow's buttons, and the three lists it shows in place.
// Widget-free; texts are Windows-1252.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int kAssistantTexts = 19;
inline constexpr int kIntroductionText = 19;
inline constexpr int kScrollStep = 2;
inline constexpr int kTextBoxHeight = 57;  // where a scrolled-out text starts again
inline constexpr int kArrowSteps = 3;
inline constexpr int kFlightTicks = 26;

// Texts 1..19 (1, 2, 3, 6, 8, 9, 10, 11, 12 and 19 used), rebuilt at every activation.
std::array<std::string, kAssistantTexts + 1> AssistantTexts();

// The arrow texts of a path, introduced one by one: each waits five ticks, scrolls up two
// pixels a tick until it has left the box, and then the next one starts at the box's bottom;
// the arrow beside the text blinks every third tick.
class ArrowTexts {
 public:
  void Start();
  // One tick; false once the three texts are through (the box is then hidden).
  bool Tick();
  int Step() const { return step_; }  // 1..3, 0 when done
  int TextTop() const { return textTop_; }
  bool ArrowVisible() const { return arrowVisible_; }

 private:
  int step_ = 1, ticks_ = 0, textTop_ = kTextBoxHeight;
  bool arrowVisible_ = true;
};

// The introduction: one text scrolling up without end, starting again below the box.
int ScrollIntroduction(int top, int textHeight);

// An arrow's helicopter flight; the modes are those of the arrows (2, 3, 4 on the ESO path,
// 6, 7, 8 on the Bachillerato path).
struct Flight {
  int mode = 0;
  int x = 0, y = 0, dx = 0, dy = 0;
  int ticks = 0;
  // Moves one step; true on the tick it lands.
  bool Tick();
};

enum class AssistantButton {
  BasicGrade, LeaveStudies, Diversification,       // ESO: other outlets
  MiddleGrade, Itineraries, Catalogue,             // ESO: going on studying
  Questionnaires, Professions,                     // ESO: not knowing what to choose
  HigherToDegrees, MiddleToHigher,                 // Bachillerato: coming from FP
  HigherGrade, Degrees, CatalogueB, ItinerariesB,  // Bachillerato: going on studying
  Advice, ProfessionsB,                            // Bachillerato: not knowing what to choose
};
// The buttons an arrow's flight reveals on landing.
std::vector<AssistantButton> ButtonsOfMode(int mode);

// The three lists shown in place.
std::vector<std::string> DiversificationLines();  // informa records coded "34"
std::vector<std::string> HigherToDegreeLines();   // text lines 711..715
std::vector<std::string> MiddleToHigherLines();   // 480, 481, 482, empty, 483, informa "19"

}  // namespace velmora
