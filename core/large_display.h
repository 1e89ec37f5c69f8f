// Drawing the 1024 x 768 screens larger on a display much larger than that: Qt scales every
// widget, picture and text when told before the application object exists.
#pragma once

#include <optional>

#include "core/platform/display_probe.h"

namespace velmora {

// The factor that lets the screens fill the display's height, or its width when that is the
// tighter side, rounded down to a twentieth; 1 for displays under 1.25 times the screen either way.
double ScreenScaleFor(int displayWidth, int displayHeight);

// What to ask of Qt on top of the desktop's own scaling (below 1 when that scaling alone would
// cut the screens); none when the screens are drawn as the desktop draws them.
std::optional<double> QtScaleFactorFor(const PrimaryDisplay& display);

// Sets QT_SCALE_FACTOR for the primary display unless the user already set one or the school
// keeps the screens at 1024 x 768. Call before the application object and any thread exist.
void EnlargeScreensOnLargeDisplay(bool keepScreenSize);

}  // namespace velmora
