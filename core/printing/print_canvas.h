// What a printed report is drawn on: the chosen printer, or a recording for tests.
// Coordinates are device pixels of the page.
#pragma once

#include <string>
#include <string_view>

class QImage;
class QTextDocument;

namespace velmora {

struct PageMetrics {
  int width = 0;   // device pixels
  int height = 0;
  int dotsPerInchX = 0;
  int dotsPerInchY = 0;
};

struct CanvasFont {
  std::string family = "Arial";
  int pointSize = 10;
  bool bold = false;
};

class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;

  // Starts the job; false when the printer cannot be opened.
  virtual bool BeginDocument(std::string_view title, bool landscape) = 0;
  virtual void NewPage() = 0;
  virtual void EndDocument() = 0;
  virtual PageMetrics Metrics() const = 0;

  virtual void SetFont(const CanvasFont& font) = 0;
  // White: shapes are filled white and texts drawn on white. Otherwise shapes are outlines
  // and texts leave the page under them as it is (the state a document begins with).
  virtual void SetWhiteBrush(bool white) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  // Text (Windows-1252) with its top-left corner at (x, y).
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  // The picture stretched into the box; the box's right and bottom edges are excluded.
  virtual void StretchBitmap(int x1, int y1, int x2, int y2, const QImage& bitmap) = 0;
  // A whole rich-text document, laid out on its own pages, as one job with this title.
  virtual void PrintDocument(const QTextDocument& document, std::string_view title) = 0;
};

}  // namespace velmora
