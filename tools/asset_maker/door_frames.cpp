// The door that opens when a door label of the main menu is clicked: five
// frames, closed to wide open. It is the corridor's door (same architrave,
// wood, panels and brass knob) narrowed to the frame; the leaf swings inwards
// on its left hinges and shows a lit classroom behind it.

#include "canvas.h"
#include "picture_sets.h"
#include "sketch.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace assets {

namespace {

using picture::inkPen;
using picture::kHighlight;

// The corridor tile's door colours.
const QColor kArchitrave(252, 246, 232);
const QColor kDoor(206, 140, 84);
const QColor kDoorPanel(194, 127, 73);
const QColor kDoorLine(158, 100, 58);
const QColor kBrass(246, 200, 84);
const QColor kFloor(226, 190, 142);
const QColor kFloorSeam(196, 156, 108);

constexpr qreal kFrameW = 56;
constexpr qreal kSill = 163;                              // foot of the doorway
const QRectF kOpening(5, 5, kFrameW - 10, kSill - 5);     // inside the architrave

// How far the leaf has turned in each frame, in degrees.
constexpr std::array<qreal, kDoorFrames> kOpenAngle = {0, 32, 56, 74, 86};

void drawRoom(QPainter& p, qreal light)
{
    const QRectF r = kOpening;
    QLinearGradient wall(r.topLeft(), r.bottomLeft());
    wall.setColorAt(0, QColor(255, 240, 186));
    wall.setColorAt(1, QColor(250, 220, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(r);

    // Blackboard on the far wall, a window beside it, then the floor.
    p.setPen(inkPen(1.0));
    p.setBrush(QColor(154, 112, 78));
    p.drawRect(QRectF(r.left() + 14, 42, 30, 28));
    p.setBrush(QColor(74, 128, 104));
    p.drawRect(QRectF(r.left() + 16, 44, 26, 24));
    p.setPen(inkPen(0.9, QColor(236, 244, 236)));
    p.drawLine(QPointF(r.left() + 20, 50), QPointF(r.left() + 34, 50));
    p.drawLine(QPointF(r.left() + 20, 55), QPointF(r.left() + 30, 55));
    p.drawLine(QPointF(r.left() + 20, 60), QPointF(r.left() + 36, 60));
    p.setPen(inkPen(1.0));
    p.setBrush(QColor(176, 220, 244));
    p.drawRect(QRectF(r.left() + 3, 30, 8, 26));
    p.drawLine(QPointF(r.left() + 7, 30), QPointF(r.left() + 7, 56));

    p.setPen(Qt::NoPen);
    p.setBrush(kFloor);
    p.drawRect(QRectF(r.left(), 132, r.width(), kSill - 132));
    p.setPen(inkPen(0.8, kFloorSeam));
    for (int k = 0; k < 3; ++k) {
        const qreal y = 140 + k * 8;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    // A desk in the middle of the room.
    p.setPen(inkPen(1.0));
    p.setBrush(QColor(200, 156, 108));
    p.drawRect(QRectF(r.left() + 12, 112, 26, 5));
    p.drawRect(QRectF(r.left() + 14, 117, 3, 20));
    p.drawRect(QRectF(r.left() + 33, 117, 3, 20));

    // Light pours out as the door opens.
    QRadialGradient glow(r.center(), r.height() * 0.6);
    glow.setColorAt(0, QColor(255, 250, 220, int(90 * light)));
    glow.setColorAt(1, QColor(255, 250, 220, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRect(r);
}

// The leaf drawn flat in its own coordinates (0,0)-(w,h).
void drawLeafFace(QPainter& p, qreal w, qreal h, qreal shade)
{
    p.setPen(inkPen(1.1));
    p.setBrush(kDoor.darker(int(100 + 30 * shade)));
    p.drawRect(QRectF(0, 0, w, h));
    p.setPen(inkPen(1.0, kDoorLine));
    p.setBrush(kDoorPanel.darker(int(100 + 30 * shade)));
    p.drawRoundedRect(QRectF(5, 9, w - 10, 62), 2.5, 2.5);
    p.drawRoundedRect(QRectF(5, 82, w - 10, 67), 2.5, 2.5);
    p.setPen(inkPen(0.9));
    p.setBrush(kBrass.darker(108));
    p.drawRoundedRect(QRectF(w - 9, 70, 4.5, 13), 2, 2);
    p.setBrush(kBrass);
    p.drawEllipse(QPointF(w - 6.8, 76), 3.1, 3.1);
}

QImage drawFrame(int index)
{
    Canvas canvas(int(kFrameW), kFigureSize.height());
    QPainter& p = canvas.painter();
    const qreal angle = qDegreesToRadians(kOpenAngle[std::size_t(index)]);

    // Architrave and the shadow where the doorway meets the floor.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30, 60));
    p.drawRect(QRectF(0, kSill, kFrameW, 3));
    p.setPen(inkPen(1.1));
    p.setBrush(kArchitrave);
    p.drawRect(QRectF(0.5, 0.5, kFrameW - 1, kSill - 0.5));

    if (index > 0) {
        drawRoom(p, std::sin(angle));
    }

    // The leaf turns about its left edge: its free edge moves left and, being
    // further away, looks shorter.
    const QRectF leaf = kOpening;
    const qreal visible = leaf.width() * std::cos(angle);
    const qreal nearer = 9 * std::sin(angle);
    if (visible > 0.5) {
        QPolygonF flat;
        flat << QPointF(0, 0) << QPointF(leaf.width(), 0) << QPointF(leaf.width(), leaf.height())
             << QPointF(0, leaf.height());
        QPolygonF turned;
        turned << leaf.topLeft() << QPointF(leaf.left() + visible, leaf.top() + nearer)
               << QPointF(leaf.left() + visible, leaf.bottom() - nearer * 0.6) << leaf.bottomLeft();
        QTransform t;
        if (QTransform::quadToQuad(flat, turned, t)) {
            p.save();
            p.setTransform(t, true);
            drawLeafFace(p, leaf.width(), leaf.height(), std::sin(angle));
            p.restore();
        }
    } else {
        p.setPen(inkPen(1.0));
        p.setBrush(kDoor.darker(130));
        p.drawRect(QRectF(leaf.left(), leaf.top(), 2, leaf.height()));
    }

    // Inner edge of the architrave over everything, so the opening stays crisp.
    p.setPen(inkPen(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kOpening);
    p.setPen(inkPen(0.8, kHighlight));
    p.drawLine(QPointF(2.5, 2.5), QPointF(kFrameW - 2.5, 2.5));
    return canvas.transparent();
}

} // namespace

std::vector<QImage> drawDoorFrames()
{
    std::vector<QImage> frames;
    frames.reserve(kDoorFrames);
    for (int k = 0; k < kDoorFrames; ++k) {
        frames.push_back(drawFrame(k));
    }
    return frames;
}

} // namespace assets
