#pragma once

#include <QImage>
#include <QSize>

namespace picture {

// The guide girl of the splash window and the report headers. The report
// prints her into a 0.35 x 0.55 inch box, so she keeps that shape; the splash
// shows her at the left of a 354x154 window, 16 px from the top.
inline constexpr QSize kGirlSize(88, 138);
// The helicopter that crosses the assistant's panels, nose to the right.
inline constexpr QSize kHeliSize(64, 32);

// Both stand on plain white (the bottom-left pixel), which a screen may key
// out; white is used nowhere inside them.
QImage drawGirl();        // "chica.bmp"
QImage drawHelicopter();  // "heli.bmp"

} // namespace picture
