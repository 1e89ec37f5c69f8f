#include "guidance/itineraries_drawing.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/common.h"
#include "core/module_screen.h"
#include "core/qt_text.h"
#include "guidance/itineraries_diagram.h"

namespace velmora {
namespace {

constexpr QRgb kMarkerBlue = 0x0000FF;

void DrawBox(QPainter& painter, const GridBox& box) {
  const QRect area(QPoint(GridX(box.column1) - 1, GridY(box.row1) + 1), QPoint(GridX(box.column2), GridY(box.row2)));
  painter.fillRect(area, ToQColor(ColourSage));
  painter.fillRect(QRect(area.left(), area.top(), area.width(), 2), Qt::black);
  painter.fillRect(QRect(area.left(), area.top(), 2, area.height()), Qt::black);
  painter.fillRect(QRect(area.left(), area.bottom() - 2, area.width(), 3), Qt::white);
  painter.fillRect(QRect(area.right() - 2, area.top(), 3, area.height()), Qt::white);
}

// The three styles' fonts, made once for a whole drawing rather than for every character.
struct TextFonts {
  QFont plain = ScreenFont("Arial", 11 + FontSizeAdjust, true);
  QFont marker = ScreenFont("Arial", 17 + FontSizeAdjust, true);
  QFont note = ScreenFont("Arial", 9 + FontSizeAdjust, true);
  QFontMetrics plainMetrics{plain}, markerMetrics{marker}, noteMetrics{note};
};

// A text on the sage background at its top-left corner.
void DrawTextAt(QPainter& painter, const QString& text, QPoint at, const QFontMetrics& metrics, QColor colour) {
  const QRect bounds(at, QSize(metrics.horizontalAdvance(text), metrics.height()));
  painter.fillRect(bounds, ToQColor(ColourSage));
  painter.setPen(colour);
  painter.drawText(bounds, Qt::AlignLeft | Qt::AlignTop, text);
}

void DrawText(QPainter& painter, const DiagramText& text, const TextFonts& fonts) {
  const QString shown = ToQString(text.text);
  const bool bigMarker = text.style == TextStyle::Marker && shown.size() == 2;
  const bool note = text.style == TextStyle::Note;
  painter.setFont(note ? fonts.note : bigMarker ? fonts.marker : fonts.plain);
  const QFontMetrics& metrics = note ? fonts.noteMetrics : bigMarker ? fonts.markerMetrics : fonts.plainMetrics;
  const QColor colour = note || bigMarker ? QColor::fromRgb(kMarkerBlue) : QColor(Qt::black);
  if (!text.downwards) {
    DrawTextAt(painter, shown, QPoint(GridX(text.column) + text.dx, GridY(text.row) + text.dy), metrics, colour);
    return;
  }
  for (qsizetype i = 0; i < shown.size(); ++i)
    DrawTextAt(painter, shown.mid(i, 1), QPoint(GridX(text.column) + text.dx, GridY(text.row + static_cast<int>(i)) + text.dy), metrics, colour);
}

void DrawStep(QPainter& painter, const DiagramStep& step, const TextFonts& fonts) {
  if (step.boxes)
    for (const GridBox& box : DiagramBoxes()) DrawBox(painter, box);
  for (const DiagramLine& line : step.lines) {
    painter.setPen(line.red ? QPen(Qt::red, 5) : QPen(Qt::black, 2));
    painter.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
  }
  for (const DiagramText& text : step.texts) DrawText(painter, text, fonts);
}

}  // namespace

void DrawDiagramStep(QPainter& painter, const DiagramStep& step) { DrawStep(painter, step, TextFonts()); }

void DrawDiagram(QPainter& painter, int lastStep) {
  const TextFonts fonts;
  for (int step = 0; step <= lastStep && step < kDiagramSteps; ++step) DrawStep(painter, DiagramStepContent(step), fonts);
}

}  // namespace velmora
