#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <memory>

namespace picture {

// Shared look of every picture: flat fills with a soft dark outline.
inline const QColor kInk(66, 50, 60);
inline const QColor kKeyWhite(255, 255, 255);  // backdrop that screens may key out as transparent
inline const QColor kHighlight(255, 252, 240); // "white" inside a figure, never equal to the key

QPen inkPen(qreal width = 1.1, const QColor& colour = kInk);

// Draws at four times the final size and averages down, so small pictures
// keep smooth edges. Coordinates given to painter() are final-size pixels.
class Sketch {
public:
    Sketch(int width, int height);
    ~Sketch();
    Sketch(const Sketch&) = delete;
    Sketch& operator=(const Sketch&) = delete;

    QPainter& painter() { return *painter_; }
    // Ends drawing and lays the result over a plain colour or over a picture of
    // the final size (whose pixels stay exact where nothing was drawn).
    QImage over(const QColor& backdrop);
    QImage over(const QImage& backdrop);
    // Ends drawing: ARGB, transparent where nothing was drawn.
    QImage transparent();

private:
    QImage layer();

    int width_;
    int height_;
    QImage big_;
    std::unique_ptr<QPainter> painter_;
};

// The form every bitmap is saved in: 24-bit RGB.
QImage toRgb24(const QImage& image);

} // namespace picture
