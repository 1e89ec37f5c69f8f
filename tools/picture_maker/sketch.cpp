#include "sketch.h"

namespace picture {

namespace {
constexpr int kScale = 4;
}

QPen inkPen(qreal width, const QColor& colour)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

Sketch::Sketch(int width, int height)
    : width_(width), height_(height),
      big_(width * kScale, height * kScale, QImage::Format_ARGB32_Premultiplied)
{
    big_.fill(Qt::transparent);
    painter_ = std::make_unique<QPainter>(&big_);
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::TextAntialiasing);
    painter_->scale(kScale, kScale);
}

Sketch::~Sketch() = default;

QImage Sketch::layer()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    return big_.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Sketch::transparent()
{
    return layer().convertToFormat(QImage::Format_ARGB32);
}

QImage Sketch::over(const QColor& backdrop)
{
    QImage result(width_, height_, QImage::Format_RGB32);
    result.fill(backdrop);
    const QImage top = layer();
    QPainter p(&result);
    p.drawImage(0, 0, top);
    p.end();
    return toRgb24(result);
}

QImage Sketch::over(const QImage& backdrop)
{
    QImage result = backdrop.convertToFormat(QImage::Format_RGB32)
                        .copy(0, 0, width_, height_);
    const QImage top = layer();
    QPainter p(&result);
    p.drawImage(0, 0, top);
    p.end();
    return toRgb24(result);
}

QImage toRgb24(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace picture
