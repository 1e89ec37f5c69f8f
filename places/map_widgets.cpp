#include "places/map_widgets.h"

#include <QPainter>
#include <algorithm>

#include "core/display_helpers.h"
#include "core/module_screen.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/widget_colours.h"

namespace velmora {

QLabel* MakeMapLabel(QWidget* parent) {
  return ScreenCaption(parent, QRect(0, 0, MapLabelWidth, kMapLabelHeight), ToQColor(ColourIvory), ToQColor(ColourNavy), 9);
}

void PlaceMapLabel(QLabel* label, const HoverLabel& hover, QWidget* map) {
  if (!hover.shown) return label->hide();
  label->setText(ToQString(hover.text));
  label->setFixedWidth(hover.width > 0 ? hover.width : MapLabelWidth);
  // A zone of three long municipality names wraps; the label grows rather than cutting it.
  label->setFixedHeight(std::max(kMapLabelHeight, label->heightForWidth(label->width()) + 4));
  label->move(map->mapTo(label->parentWidget(), QPoint(hover.left, hover.top)) + QPoint(12, 16));
  label->setVisible(!hover.text.empty());
  label->raise();
  map->setCursor(hover.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void DrawStarTick(StarBlinker& stars, QImage& picture, QLabel* map) {
  if (picture.isNull()) return;
  QPainter painter(&picture);
  for (const StarEllipse& star : stars.Tick()) {
    painter.setPen(ToQColor(star.pen));
    painter.setBrush(ToQColor(star.brush));
    painter.drawEllipse(QPoint(star.cx, star.cy), star.radius, star.radius);
  }
  painter.end();
  map->setPixmap(QPixmap::fromImage(picture));
}

}  // namespace velmora
