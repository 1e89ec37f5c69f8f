// The real back end: a report drawn with QPainter on a QPrinter (a printer, or a PDF file).
#pragma once

#include <QFont>
#include <QString>
#include <memory>

#include "core/printing/print_canvas.h"

class QPainter;
class QPrinter;

namespace velmora {

class QtPrinterCanvas : public PrintCanvas {
 public:
  explicit QtPrinterCanvas(std::unique_ptr<QPrinter> printer);
  ~QtPrinterCanvas() override;

  QPrinter& Printer() { return *printer_; }

  bool BeginDocument(std::string_view title, bool landscape) override;
  void NewPage() override;
  void EndDocument() override;
  PageMetrics Metrics() const override;
  void SetFont(const CanvasFont& font) override;
  void SetWhiteBrush(bool white) override;
  int TextWidth(std::string_view text) override;
  void TextOut(int x, int y, std::string_view text) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void StretchBitmap(int x1, int y1, int x2, int y2, const QImage& bitmap) override;
  void PrintDocument(const QTextDocument& document, std::string_view title) override;

 private:
  void ApplyState();

  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  QFont font_;
  bool white_ = false;
};

// A canvas that writes an A4 PDF file at the printer resolution, with a printer's usual
// quarter-inch unprintable edge.
std::unique_ptr<QtPrinterCanvas> MakePdfCanvas(const QString& path);

}  // namespace velmora
