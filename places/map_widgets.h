// What the screens with a map of Spain share at the widget boundary: the hover label that names
// the region under the mouse, and the twinkling stars drawn onto the map's picture.
#pragma once

#include <QImage>
#include <QLabel>

#include "places/spain_map.h"

namespace velmora {

inline constexpr int kMapLabelHeight = 20;

// A label of the map-label look (navy on ivory, bold), hidden.
QLabel* MakeMapLabel(QWidget* parent);

// Shows the label beside the mouse over the map (hidden without a text), and sets the map's cursor.
void PlaceMapLabel(QLabel* label, const HoverLabel& hover, QWidget* map);

// Draws the blinker's next tick onto the picture and shows it in the map label.
void DrawStarTick(StarBlinker& stars, QImage& picture, QLabel* map);

}  // namespace velmora
