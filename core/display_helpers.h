// Look-and-feel helpers every screen uses: tiling, gradients and the two sound effects.
#pragma once

#include <QRect>

#include "core/common.h"

class QImage;
class QPainter;

namespace velmora {

// Covers the image with copies of the tile from (0, 0), the last column and row cut.
// Returns how many tiles were drawn.
int TileImage(QImage& image, const QImage& tile);

// Channel value of row i of a gradient over rows rows: start + ceil(i * (end - start) / rows).
int GradientChannel(int start, int end, int row, int rows);
// Paints the rectangle row by row from the start colour at the top toward the end colour.
void VerticalGradient(QPainter& painter, const QRect& rectangle, TColor start, TColor end);

// "tecla.wav", waiting until it has finished; "motor.wav", returning at once. Nothing when off.
void PlayKeySound(bool on);
void PlayEngineSound(bool on);

}  // namespace velmora
