// The plain controls every screen lays out: a push button with the hand cursor and the screen
// font, and a cream list, hidden until its view needs it.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QTableWidget>
#include <vector>

namespace velmora {

QPushButton* ScreenButton(QWidget* parent, const QString& caption, QRect geometry);
QListWidget* ScreenList(QWidget* parent, QRect geometry, int points = 10);
// A cream two-column grid without headers or grid lines, rows selected whole; hidden.
QTableWidget* ScreenGrid(QWidget* parent, QRect geometry, int firstWidth, int secondWidth, int rowHeight);
// A raised panel filled with the colour, shown.
QFrame* ScreenPanel(QWidget* parent, QRect geometry, QColor background);
// The yellow hint that follows the mouse over a list, sized to its text; hidden.
QLabel* HintBubble(QWidget* parent, const QString& text);
// A bold caption centred in its box, wrapping long texts; hidden.
QLabel* ScreenCaption(QWidget* parent, QRect geometry, QColor background, QColor text, int points = 10);
// A big bold label with a white shadow, navy on the hot label colour, centred across the screen.
QLabel* BigScreenLabel(QWidget* parent, const QString& text, int top, int points);
// The rows selected in a list, in order.
std::vector<int> SelectedRows(const QListWidget* list);
// A thick line ending in a filled head at `to`.
void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width);
// A screen button showing a maroon arrow pointing right or left.
QPushButton* ArrowButton(QWidget* parent, QRect geometry, bool right);

}  // namespace velmora
