#include "canvas.h"

namespace assets {

QImage overWhite(const QImage& picture)
{
    QImage result(picture.size(), QImage::Format_ARGB32);
    result.fill(Qt::white);
    QPainter p(&result);
    p.drawImage(0, 0, picture);
    p.end();
    return result;
}

QImage joinStrip(const std::vector<QImage>& frames)
{
    if (frames.empty()) {
        return {};
    }
    const QSize size = frames.front().size();
    QImage strip(size.width() * int(frames.size()), size.height(), QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        p.drawImage(int(i) * size.width(), 0, frames[i]);
    }
    p.end();
    return strip;
}

} // namespace assets
