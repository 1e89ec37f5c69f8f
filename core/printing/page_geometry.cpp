#include "core/printing/page_geometry.h"

#include <QImage>
#include <cmath>

namespace velmora {

PageGeometry& Geometry() {
  static PageGeometry geometry;
  return geometry;
}

// The program never changes the rounding mode, so nearbyint rounds halves to even.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

void PageSetup(const PrintCanvas& canvas, int columns, int rows, double unitsPerInch) {
  PageGeometry& g = Geometry();
  g.page = canvas.Metrics();
  g.scaleX = g.page.dotsPerInchX / unitsPerInch;
  g.scaleY = g.page.dotsPerInchY / unitsPerInch;
  g.columns = columns > 0 ? columns : 1;
  g.rows = rows > 0 ? rows : 1;
  g.penX = 0;
  g.penY = 0;
}

void MoveToUnits(double x, double y) {
  PageGeometry& g = Geometry();
  g.penX = RoundHalfEven(x * g.scaleX);
  g.penY = RoundHalfEven(y * g.scaleY);
}

void MoveToGrid(int column, int row) {
  PageGeometry& g = Geometry();
  g.penX = RoundHalfEven(static_cast<double>(column) * g.page.width / g.columns);
  g.penY = RoundHalfEven(static_cast<double>(row) * g.page.height / g.rows);
}

PixelRect UnitsRect(double x1, double y1, double x2, double y2) {
  const PageGeometry& g = Geometry();
  return {RoundHalfEven(x1 * g.scaleX), RoundHalfEven(y1 * g.scaleY), RoundHalfEven(x2 * g.scaleX),
          RoundHalfEven(y2 * g.scaleY)};
}

void RectangleUnits(PrintCanvas& canvas, double x1, double y1, double x2, double y2) {
  MoveToUnits(x1, y1);
  const PixelRect r = UnitsRect(x1, y1, x2, y2);
  canvas.Rectangle(r.x1, r.y1, r.x2, r.y2);
}

void EllipseUnits(PrintCanvas& canvas, double x1, double y1, double x2, double y2) {
  MoveToUnits(x1, y1);
  const PixelRect r = UnitsRect(x1, y1, x2, y2);
  canvas.Ellipse(r.x1, r.y1, r.x2, r.y2);
}

void TextAtPen(PrintCanvas& canvas, std::string_view text) {
  canvas.TextOut(Geometry().penX, Geometry().penY, text);
}

void TextCentredAtPen(PrintCanvas& canvas, std::string_view text) {
  canvas.TextOut(Geometry().penX - canvas.TextWidth(text) / 2, Geometry().penY, text);
}

void TextRightAtPen(PrintCanvas& canvas, std::string_view text) {
  canvas.TextOut(Geometry().penX - canvas.TextWidth(text), Geometry().penY, text);
}

void PrintBitmap(PrintCanvas& canvas, const PixelRect& rect, const QImage& bitmap) {
  canvas.StretchBitmap(rect.x1, rect.y1, rect.x2, rect.y2, bitmap);
}

void SetPageFont(PrintCanvas& canvas, const CanvasFont& font) {
  Geometry().font = font;
  canvas.SetFont(font);
}

void SetPageFontSize(PrintCanvas& canvas, int pointSize) {
  CanvasFont font = Geometry().font;
  font.pointSize = pointSize;
  SetPageFont(canvas, font);
}

void SetPageFontBold(PrintCanvas& canvas, bool bold) {
  CanvasFont font = Geometry().font;
  font.bold = bold;
  SetPageFont(canvas, font);
}

}  // namespace velmora
