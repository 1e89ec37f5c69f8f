// Pictures of the university degrees screen: the small icons of its tree and
// lists (16 x 16) and the six branch-of-knowledge badges (40 x 40), both on a
// transparent background.

#include "canvas.h"
#include "picture_sets.h"
#include "sketch.h"

#include <QPainterPath>

#include <array>
#include <functional>

namespace assets {

namespace {

using picture::inkPen;
using picture::kHighlight;
using picture::kInk;

const QColor kFolderBack(222, 168, 72);
const QColor kFolderFront(242, 198, 82);
const QColor kCap(64, 76, 120);
const QColor kCapDark(52, 62, 100);
const QColor kTassel(242, 198, 82);
const QColor kBullet(238, 120, 90);
const QColor kStone(236, 224, 200);
const QColor kRoof(82, 132, 204);
const QColor kTick(92, 170, 96);

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void fillShape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal pen = 0.8)
{
    p.setPen(inkPen(pen));
    p.setBrush(fill);
    p.drawPath(path);
}

// --- 16 x 16 ------------------------------------------------------------------

void openFolder(QPainter& p)  // 0: a group that is open
{
    fillShape(p, polygonPath({{1.5, 3.5}, {6, 3.5}, {7.2, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}), kFolderBack);
    fillShape(p, polygonPath({{4, 7.5}, {15.2, 7.5}, {13.2, 13.5}, {1.5, 13.5}}), kFolderFront);
}

void cap(QPainter& p, bool chosen)
{
    if (chosen) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 214, 90, 200));
        p.drawEllipse(QPointF(8, 8), 7.8, 6.8);
    }
    QPainterPath crown(QPointF(4, 7));
    crown.lineTo(4, 11);
    crown.cubicTo(6, 13, 10, 13, 12, 11);
    crown.lineTo(12, 7);
    crown.closeSubpath();
    fillShape(p, crown, kCapDark);
    fillShape(p, polygonPath({{8, 2.6}, {15.4, 6.2}, {8, 9.8}, {0.6, 6.2}}), kCap);
    p.setPen(inkPen(0.9, kTassel));
    p.setBrush(Qt::NoBrush);
    QPainterPath cord(QPointF(8, 6.2));
    cord.lineTo(13, 7.6);
    cord.lineTo(13, 11.2);
    p.drawPath(cord);
    p.setPen(inkPen(0.5));
    p.setBrush(kTassel);
    p.drawRoundedRect(QRectF(12, 11, 2, 3), 0.8, 0.8);
}

void degree(QPainter& p)  // 1
{
    cap(p, false);
}

void chosenDegree(QPainter& p)  // 2: the degree picked in the tree
{
    cap(p, true);
    p.setPen(inkPen(0.7));
    p.setBrush(kTick);
    p.drawEllipse(QPointF(12.3, 12.3), 3.4, 3.4);
    p.setPen(inkPen(1.1, kHighlight));
    QPainterPath tick(QPointF(10.7, 12.4));
    tick.lineTo(11.9, 13.6);
    tick.lineTo(14, 11.1);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void bullet(QPainter& p)  // 3: the bullet of many lists
{
    p.setPen(inkPen(0.8));
    p.setBrush(kBullet);
    p.drawEllipse(QPointF(8, 8), 4.2, 4.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kBullet.lighter(135));
    p.drawEllipse(QPointF(6.8, 6.7), 1.5, 1.2);
}

void closedFolder(QPainter& p)  // 4: a group
{
    fillShape(p, polygonPath({{1.5, 3.5}, {6, 3.5}, {7.2, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}), kFolderBack);
    fillShape(p, [] {
        QPainterPath front;
        front.addRoundedRect(QRectF(1.5, 6.5, 13, 7), 0.8, 0.8);
        return front;
    }(), kFolderFront);
}

void university(QPainter& p)  // 5
{
    fillShape(p, polygonPath({{1, 6.2}, {8, 1.8}, {15, 6.2}}), kRoof);
    fillShape(p, [] {
        QPainterPath beam;
        beam.addRect(QRectF(2, 6.2, 12, 1.6));
        return beam;
    }(), kStone, 0.7);
    for (qreal x : {3.2, 7.1, 11.0}) {
        fillShape(p, [x] {
            QPainterPath c;
            c.addRect(QRectF(x, 7.8, 1.8, 4.6));
            return c;
        }(), kStone, 0.6);
    }
    fillShape(p, [] {
        QPainterPath base;
        base.addRect(QRectF(1.2, 12.4, 13.6, 2.2));
        return base;
    }(), kStone, 0.7);
}

// --- 40 x 40 branch badges ------------------------------------------------------
// Symbols are drawn in the 30 x 30 box of the menu icons.

QPainterPath maskPath()
{
    QPainterPath m(QPointF(-6.5, -6));
    m.cubicTo(-3, -8.8, 3, -8.8, 6.5, -6);
    m.cubicTo(7, 1, 4, 7.8, 0, 8.2);
    m.cubicTo(-4, 7.8, -7, 1, -6.5, -6);
    m.closeSubpath();
    return m;
}

void mask(QPainter& p, QPointF at, qreal angle, const QColor& colour, bool smiling)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    fillShape(p, maskPath(), colour, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const qreal tilt = smiling ? -1 : 1;
    for (int side : {-1, 1}) {
        QPainterPath eye(QPointF(side * 1.2, -2.5 + tilt * 0.8));
        eye.quadTo(side * 3, -4.5, side * 4.8, -2.5 - tilt * 0.8);
        eye.quadTo(side * 3, -1.2, side * 1.2, -2.5 + tilt * 0.8);
        p.drawPath(eye);
    }
    QPainterPath mouth;
    if (smiling) {
        mouth.moveTo(-3.6, 2);
        mouth.cubicTo(-2, 2.8, 2, 2.8, 3.6, 2);
        mouth.cubicTo(2.6, 6.4, -2.6, 6.4, -3.6, 2);
    } else {
        mouth.moveTo(-3.2, 5.4);
        mouth.cubicTo(-2.4, 1.6, 2.4, 1.6, 3.2, 5.4);
        mouth.cubicTo(1.6, 4.6, -1.6, 4.6, -3.2, 5.4);
    }
    p.drawPath(mouth);
    p.setBrush(colour.lighter(125));
    p.drawEllipse(QPointF(-3.6, -6), 1.6, 0.9);
    p.restore();
}

void theatreMasks(QPainter& p)
{
    mask(p, QPointF(19.5, 17.5), 16, QColor(140, 152, 214), false);
    mask(p, QPointF(10.5, 12.5), -16, QColor(250, 208, 92), true);
}

void heartbeat(QPainter& p)
{
    QPainterPath heart(QPointF(15, 26.5));
    heart.cubicTo(5, 19.5, 1.8, 13, 4, 8.5);
    heart.cubicTo(6, 4, 12, 3.6, 15, 8.8);
    heart.cubicTo(18, 3.6, 24, 4, 26, 8.5);
    heart.cubicTo(28.2, 13, 25, 19.5, 15, 26.5);
    heart.closeSubpath();
    fillShape(p, heart, QColor(226, 86, 92), 1.1);
    p.setPen(inkPen(1.7, kHighlight));
    p.setBrush(Qt::NoBrush);
    QPainterPath pulse(QPointF(5.5, 14.5));
    pulse.lineTo(10, 14.5);
    pulse.lineTo(12, 10.5);
    pulse.lineTo(14.8, 19);
    pulse.lineTo(17.2, 12.5);
    pulse.lineTo(18.8, 14.5);
    pulse.lineTo(24.5, 14.5);
    p.drawPath(pulse);
}

struct Badge {
    QColor tint;
    std::function<void(QPainter&)> symbol;
};

QImage drawBadge(const Badge& badge)
{
    Canvas canvas(kBranchSize.width(), kBranchSize.height());
    QPainter& p = canvas.painter();
    p.setPen(inkPen(1.1));
    p.setBrush(badge.tint);
    p.drawEllipse(QPointF(20, 20), 18.8, 18.8);
    p.setPen(inkPen(1.0, badge.tint.lighter(108)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(20, 20), 16.6, 16.6);
    p.translate(6, 6);
    p.scale(28.0 / 30.0, 28.0 / 30.0);
    badge.symbol(p);
    return canvas.transparent();
}

} // namespace

std::vector<QImage> drawDegreeIcons()
{
    const std::array<void (*)(QPainter&), kDegreeIconCount> painters = {openFolder, degree, chosenDegree,
                                                                      bullet, closedFolder, university};
    std::vector<QImage> icons;
    icons.reserve(painters.size());
    for (auto paint : painters) {
        Canvas canvas(kDegreeIconSize.width(), kDegreeIconSize.height());
        paint(canvas.painter());
        icons.push_back(canvas.transparent());
    }
    return icons;
}

std::vector<QImage> drawBranches()
{
    // The same symbols as the matching menu icons where there is one.
    const auto icon = [](int index) { return [index](QPainter& p) { paintMenuIcon(p, index); }; };
    const std::array<Badge, kBranchCount> badges = {{
        {QColor(232, 218, 246), theatreMasks},  // 0 Artes y Humanidades
        {QColor(250, 236, 192), icon(29)},      // 1 Ciencias Sociales y Jurídicas: scales
        {QColor(252, 220, 222), heartbeat},     // 2 Ciencias de la Salud
        {QColor(212, 230, 250), icon(30)},      // 3 all degrees: mortarboard
        {QColor(226, 230, 238), icon(27)},      // 4 Ingeniería y Arquitectura: compass on a plan
        {QColor(218, 242, 212), icon(13)},      // 5 Ciencias: atom
    }};
    std::vector<QImage> pictures;
    pictures.reserve(badges.size());
    for (const Badge& badge : badges) {
        pictures.push_back(drawBadge(badge));
    }
    return pictures;
}

} // namespace assets
