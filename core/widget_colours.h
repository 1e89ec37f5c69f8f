// Colours of a control at the widget boundary: background and text, as the screens set them.
#pragma once

#include <QColor>

class QWidget;

namespace velmora {

// Background (filled unless transparent) and text colour of a control, lists and edits included.
void SetColours(QWidget* widget, QColor background, QColor text);
void SetTextColour(QWidget* widget, QColor text);
void SetBackgroundColour(QWidget* widget, QColor background);

}  // namespace velmora
