#include "screens.h"

#include "sketch.h"

namespace picture {

namespace {

const QColor kFloorBase(252, 247, 236);
const QColor kFloorAlt(248, 240, 224);
const QColor kFloorLine(242, 232, 212);
const QColor kFloorMark(236, 222, 196);

const QColor kBand(58, 132, 150);
const QColor kBandDark(38, 100, 118);
const QColor kBandLight(104, 172, 186);
const QColor kBandDot(76, 150, 166);
const QColor kGold(246, 204, 100);

constexpr int kDotSpacing = 32;

} // namespace

QImage drawFloorTile()
{
    const int w = kFloorTileSize.width();
    const int h = kFloorTileSize.height();
    const int half = w / 2;
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, half, half), kFloorAlt);
    p.fillRect(QRectF(half, half, half, half), kFloorAlt);
    // Joints on the tile edges and through the middle; edge joints are half
    // width so two tiles side by side make one joint.
    for (qreal at : {0.0, qreal(half) - 0.5, qreal(w) - 0.5}) {
        const qreal width = (at == 0.0 || at == w - 0.5) ? 0.5 : 1.0;
        p.fillRect(QRectF(at, 0, width, h), kFloorLine);
        p.fillRect(QRectF(0, at, w, width), kFloorLine);
    }
    // Small diamonds where joints cross, drawn at every corner so they wrap.
    p.setBrush(kFloorMark);
    for (int y = 0; y <= h; y += half) {
        for (int x = 0; x <= w; x += half) {
            const QPointF c(x, y);
            const QPointF diamond[4] = {c + QPointF(0, -3.5), c + QPointF(3.5, 0),
                                        c + QPointF(0, 3.5), c + QPointF(-3.5, 0)};
            p.drawPolygon(diamond, 4);
        }
    }
    return s.over(kFloorBase);
}

QImage drawFrameTop()
{
    const int w = kFrameTopSize.width();
    const int h = kFrameTopSize.height();
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, w, 2), kBandLight);
    p.fillRect(QRectF(0, h - 6, w, 2.5), kGold);
    p.fillRect(QRectF(0, h - 3.5, w, 3.5), kBandDark);
    p.setBrush(kBandDot);
    for (int x = kDotSpacing / 2; x < w; x += kDotSpacing) {
        p.drawEllipse(QPointF(x, 13.5), 3.2, 3.2);
    }
    return s.over(kBand);
}

QImage drawFrameSide(bool left)
{
    const int w = kFrameSideSize.width();
    const int h = kFrameSideSize.height();
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.setPen(Qt::NoPen);
    // Outer edge light, inner edge gold then dark, facing the screen's content.
    const qreal outer = left ? 0 : w - 2;
    const qreal gold = left ? w - 6 : 3.5;
    const qreal dark = left ? w - 3.5 : 0;
    p.fillRect(QRectF(outer, 0, 2, h), kBandLight);
    p.fillRect(QRectF(gold, 0, 2.5, h), kGold);
    p.fillRect(QRectF(dark, 0, 3.5, h), kBandDark);
    p.setBrush(kBandDot);
    const qreal cx = left ? 10.5 : w - 10.5;
    for (int y = kDotSpacing / 2; y < h; y += kDotSpacing) {
        p.drawEllipse(QPointF(cx, y), 3.2, 3.2);
    }
    return s.over(kBand);
}

} // namespace picture
