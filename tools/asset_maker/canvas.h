#pragma once

// Drawing surface shared by every picture of the lists: painted at four times
// the final size and averaged down, like the corridor pictures.

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

namespace assets {

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Coordinates are final-size pixels.
    QPainter& painter() { return *painter_; }
    // Ends drawing: ARGB, transparent where nothing was drawn.
    QImage finish();

private:
    int width_;
    int height_;
    QImage big_;
    std::unique_ptr<QPainter> painter_;
};

// The picture laid over opaque white (the icon lists keep a white background).
QImage overWhite(const QImage& picture);
// Frames of equal size side by side, the first at the left.
QImage joinStrip(const std::vector<QImage>& frames);

} // namespace assets
