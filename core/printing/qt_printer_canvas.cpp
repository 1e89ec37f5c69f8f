#include "core/printing/qt_printer_canvas.h"

#include <QTextDocument>

#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "core/qt_text.h"

namespace velmora {

QtPrinterCanvas::QtPrinterCanvas(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  SetFont(CanvasFont{});
}

QtPrinterCanvas::~QtPrinterCanvas() {
  if (painter_ && painter_->isActive()) painter_->end();
}

bool QtPrinterCanvas::BeginDocument(std::string_view title, bool landscape) {
  printer_->setDocName(ToQString(title));
  printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    return false;
  }
  white_ = false;
  ApplyState();
  return true;
}

void QtPrinterCanvas::NewPage() {
  if (painter_) printer_->newPage();
}

void QtPrinterCanvas::EndDocument() {
  if (painter_) painter_->end();
  painter_.reset();
}

PageMetrics QtPrinterCanvas::Metrics() const {
  return {printer_->width(), printer_->height(), printer_->logicalDpiX(), printer_->logicalDpiY()};
}

void QtPrinterCanvas::SetFont(const CanvasFont& font) {
  QFont chosen(QString::fromStdString(font.family));
  chosen.setPointSize(font.pointSize);
  chosen.setBold(font.bold);
  font_ = QFont(chosen, printer_.get());  // sized for the printer's resolution
  if (painter_) painter_->setFont(font_);
}

void QtPrinterCanvas::SetWhiteBrush(bool white) {
  white_ = white;
  if (painter_) ApplyState();
}

void QtPrinterCanvas::ApplyState() {
  // A fine line whatever the resolution: about a fifth of a millimetre.
  QPen pen(Qt::black);
  pen.setWidth(std::max(1, printer_->logicalDpiX() / 150));
  painter_->setPen(pen);
  painter_->setBrush(white_ ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
  painter_->setBackground(Qt::white);
  painter_->setBackgroundMode(white_ ? Qt::OpaqueMode : Qt::TransparentMode);
  painter_->setFont(font_);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform);
}

int QtPrinterCanvas::TextWidth(std::string_view text) {
  return QFontMetrics(font_, printer_.get()).horizontalAdvance(ToQString(text));
}

void QtPrinterCanvas::TextOut(int x, int y, std::string_view text) {
  if (!painter_ || text.empty()) return;
  painter_->drawText(QPoint(x, y + QFontMetrics(font_, printer_.get()).ascent()), ToQString(text));
}

void QtPrinterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (painter_) painter_->drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void QtPrinterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (painter_) painter_->drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void QtPrinterCanvas::StretchBitmap(int x1, int y1, int x2, int y2, const QImage& bitmap) {
  if (painter_ && !bitmap.isNull()) painter_->drawImage(QRect(x1, y1, x2 - x1, y2 - y1), bitmap);
}

std::unique_ptr<QtPrinterCanvas> MakePdfCanvas(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
  return std::make_unique<QtPrinterCanvas>(std::move(printer));
}

void QtPrinterCanvas::PrintDocument(const QTextDocument& document, std::string_view title) {
  printer_->setDocName(ToQString(title));
  // The screens size their fonts in pixels, which a printer of many dots a inch would print
  // tiny: the printed copy gets the same size in points.
  const std::unique_ptr<QTextDocument> copy(document.clone());
  QFont font = copy->defaultFont();
  if (font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
  copy->setDefaultFont(font);
  copy->print(printer_.get());
}

}  // namespace velmora
