// The interface texts: line N of the language's "textos", cut to the capacity of its slot.
// Every caption, hint and message of the screens is read through TextLine.
#pragma once

#include <string_view>

namespace velmora {

inline constexpr int kTextSlotLines = 749;
inline constexpr int kMaxTextCapacity = 80;

// The capacity W(N) of line N's slot; 0 for the lines that have none.
int TextSlotCapacity(int line);

// Copies the loaded text lines into their slots (lines beyond a short file give empty slots).
void FillTextSlots();

// The text of slot N (Windows-1252); empty for a line without a slot.
std::string_view TextLine(int line);

}  // namespace velmora
