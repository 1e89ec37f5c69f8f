// A canvas that prints nothing and remembers every call, so a test can check where each
// text, shape and page break of a report went.
#pragma once

#include <QSize>
#include <string>
#include <vector>

#include "core/printing/print_canvas.h"

namespace velmora {

struct CanvasCall {
  enum class Kind { Begin, NewPage, End, Text, Rectangle, Ellipse, Bitmap };
  Kind kind = Kind::Text;
  int page = 0;  // 1-based page the call belongs to; 0 before the document begins
  int x1 = 0;    // the text's top-left corner, or the shape's box
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  std::string text;  // the text (Windows-1252), or the job title of Begin
  CanvasFont font;
  bool whiteBrush = false;
  bool landscape = false;  // of Begin
  QSize bitmapSize;
};

class RecordingCanvas : public PrintCanvas {
 public:
  // Printable area of the portrait page; landscape swaps it. 8 x 11 inches at 600 dpi.
  PageMetrics portrait{4800, 6600, 600, 600};
  bool beginFails = false;
  std::vector<CanvasCall> calls;

  bool BeginDocument(std::string_view title, bool landscape) override;
  void NewPage() override;
  void EndDocument() override;
  PageMetrics Metrics() const override;
  void SetFont(const CanvasFont& font) override;
  void SetWhiteBrush(bool white) override;
  // Half an em a character: chars x pointSize x dotsPerInchX / 144, rounded down.
  int TextWidth(std::string_view text) override;
  void TextOut(int x, int y, std::string_view text) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void StretchBitmap(int x1, int y1, int x2, int y2, const QImage& bitmap) override;
  // Recorded as a document that begins with the title and holds one text call per paragraph.
  void PrintDocument(const QTextDocument& document, std::string_view title) override;

  int Pages() const { return page_; }
  std::vector<CanvasCall> Of(CanvasCall::Kind kind, int page = 0) const;  // page 0: every page
  std::vector<CanvasCall> Texts(int page = 0) const { return Of(CanvasCall::Kind::Text, page); }
  // The first text call with exactly this text; null when there is none.
  const CanvasCall* FindText(std::string_view text) const;

 private:
  CanvasCall Make(CanvasCall::Kind kind) const;

  int page_ = 0;
  bool landscape_ = false;
  CanvasFont font_;
  bool whiteBrush_ = false;
};

// A recording canvas the print dialog hands out and destroys after printing: it leaves its calls
// in keep.
struct KeptCanvas : RecordingCanvas {
  explicit KeptCanvas(std::vector<CanvasCall>& keep) : keep(keep) {}
  ~KeptCanvas() override { keep = calls; }
  std::vector<CanvasCall>& keep;
};

}  // namespace velmora
