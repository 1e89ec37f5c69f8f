// Places text and shapes on a printed page in units (inches by default) or in a grid of
// character cells. One geometry is current at a time; PageSetup replaces it.
#pragma once

#include <string>
#include <string_view>

#include "core/printing/print_canvas.h"

class QImage;

namespace velmora {

struct PixelRect {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PageGeometry {
  PageMetrics page;       // of the printer at the last PageSetup
  double scaleX = 1.0;    // device pixels per unit
  double scaleY = 1.0;
  int columns = 1;        // grid cells across and down the page
  int rows = 1;
  int penX = 0;           // device pixels
  int penY = 0;
  CanvasFont font;        // the font last handed to the canvas through SetPageFont
};

PageGeometry& Geometry();

// Nearest integer, halves to even.
int RoundHalfEven(double value);

void PageSetup(const PrintCanvas& canvas, int columns, int rows, double unitsPerInch);
void MoveToUnits(double x, double y);
void MoveToGrid(int column, int row);
PixelRect UnitsRect(double x1, double y1, double x2, double y2);

void RectangleUnits(PrintCanvas& canvas, double x1, double y1, double x2, double y2);
void EllipseUnits(PrintCanvas& canvas, double x1, double y1, double x2, double y2);

void TextAtPen(PrintCanvas& canvas, std::string_view text);
// Half the text's width to the left of the pen (halved toward zero).
void TextCentredAtPen(PrintCanvas& canvas, std::string_view text);
void TextRightAtPen(PrintCanvas& canvas, std::string_view text);

void PrintBitmap(PrintCanvas& canvas, const PixelRect& rect, const QImage& bitmap);

// Hands the font to the canvas and remembers it, so a routine can change one property.
void SetPageFont(PrintCanvas& canvas, const CanvasFont& font);
void SetPageFontSize(PrintCanvas& canvas, int pointSize);
void SetPageFontBold(PrintCanvas& canvas, bool bold);

}  // namespace velmora
