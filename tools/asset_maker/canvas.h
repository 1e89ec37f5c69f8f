#pragma once

// Drawing surface shared by every picture of the lists: painted at four times
// the final size and averaged down, like the corridor pictures.

#include <QImage>

#include <vector>

#include "sketch.h"

namespace assets {

// The supersampled surface of the corridor pictures serves the lists too.
using Canvas = picture::Sketch;

// The picture laid over opaque white (the icon lists keep a white background).
QImage overWhite(const QImage& picture);
// Frames of equal size side by side, the first at the left.
QImage joinStrip(const std::vector<QImage>& frames);

} // namespace assets
