// The primary display as the desktop reports it before Qt starts, so the program can choose how
// large to draw its screens while Qt can still be told.
#pragma once

#include <optional>

namespace velmora {

struct PrimaryDisplay {
  int width = 0;   // device pixels
  int height = 0;
  double desktopScale = 1.0;  // what the desktop already scales by (Xft.dpi / 96), 1 when unset
};

// Asked of the X server (RandR's primary output, else the whole root window); none where there
// is no X display, and on Windows and macOS, whose own display scaling Qt already follows.
std::optional<PrimaryDisplay> ProbePrimaryDisplay();

}  // namespace velmora
