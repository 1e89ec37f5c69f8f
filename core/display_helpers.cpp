#include "core/display_helpers.h"

#include <QImage>
#include <QPainter>

#include "core/platform/platform.h"
#include "core/qt_text.h"

namespace velmora {

int TileImage(QImage& image, const QImage& tile) {
  if (image.isNull() || tile.isNull()) return 0;
  QPainter painter(&image);
  int tiles = 0;
  for (int y = 0; y < image.height(); y += tile.height())
    for (int x = 0; x < image.width(); x += tile.width(), ++tiles) painter.drawImage(x, y, tile);
  return tiles;
}

int GradientChannel(int start, int end, int row, int rows) {
  if (rows <= 0) return start;
  const int numerator = row * (end - start);
  // Division truncates toward zero: that is the ceiling for negative steps; round positive ones up.
  const int step = numerator / rows + (numerator > 0 && numerator % rows != 0 ? 1 : 0);
  return start + step;
}

void VerticalGradient(QPainter& painter, const QRect& rectangle, TColor start, TColor end) {
  const int rows = rectangle.height();
  if (rows <= 0 || rectangle.width() <= 0) return;
  const auto channel = [](TColor colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); };
  // One pixel per row, stretched across: a line per row costs a whole drawing call each.
  QImage column(1, rows, QImage::Format_RGB32);
  for (int i = 0; i < rows; ++i)
    column.setPixel(0, i, qRgb(GradientChannel(channel(start, 0), channel(end, 0), i, rows),
                               GradientChannel(channel(start, 8), channel(end, 8), i, rows),
                               GradientChannel(channel(start, 16), channel(end, 16), i, rows)));
  painter.drawImage(rectangle, column);
}

void PlayKeySound(bool on) {
  if (on) CurrentPlatform().PlaySound("tecla.wav", true);
}

void PlayEngineSound(bool on) {
  if (on) CurrentPlatform().PlaySound("motor.wav", false);
}

}  // namespace velmora
