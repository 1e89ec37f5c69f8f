#include "core/widget_colours.h"

#include <QPalette>
#include <QWidget>

namespace velmora {

void SetBackgroundColour(QWidget* widget, QColor background) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::Base, background);
  widget->setPalette(colours);
  widget->setAutoFillBackground(background.alpha() > 0);
}

void SetTextColour(QWidget* widget, QColor text) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::WindowText, text);
  colours.setColor(QPalette::Text, text);
  widget->setPalette(colours);
}

void SetColours(QWidget* widget, QColor background, QColor text) {
  SetBackgroundColour(widget, background);
  SetTextColour(widget, text);
}

}  // namespace velmora
