#include "walk_pictures.h"

#include "sketch.h"

#include <QPainterPath>
#include <QtMath>

#include <array>

namespace picture {
namespace {

const QColor kStone(214, 196, 158);
const QColor kStoneDark(150, 128, 92);
const QColor kStoneTop(110, 92, 66);
const QColor kFloor(236, 226, 200);
const QColor kFloorJoint(205, 190, 156);
const QColor kWood(150, 90, 46);
const QColor kWoodDark(104, 60, 30);
const QColor kPlate(250, 240, 206);
const QColor kShirt(58, 120, 178);
const QColor kTrousers(60, 62, 90);
const QColor kSkin(238, 196, 160);
const QColor kHair(92, 58, 36);
const QColor kPack(200, 70, 60);
const QColor kShoe(70, 44, 36);

// A wall face of stone blocks in staggered courses, under a darker cap.
QImage wallFace(int w, int h, int cap)
{
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.fillRect(QRectF(0, 0, w, h), kStone);
    p.setPen(QPen(kStoneDark, 1));
    const int course = 16;
    for (int row = 0, y = cap; y < h; ++row, y += course) {
        p.drawLine(QPointF(0, y), QPointF(w, y));
        for (int x = (row % 2) * 20; x < w; x += 40) p.drawLine(QPointF(x, y), QPointF(x, std::min(h, y + course)));
    }
    p.fillRect(QRectF(0, 0, w, cap), kStoneTop);
    p.fillRect(QRectF(0, h - 3, w, 3), kStoneDark);
    return s.over(kStone);
}

// A side wall seen from above: a long dark cap with a lit edge.
QImage sideWall(int w, int h)
{
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.fillRect(QRectF(0, 0, w, h), kStoneTop);
    p.fillRect(QRectF(w - 5, 0, 5, h), kStoneDark);
    p.fillRect(QRectF(0, 0, 3, h), kStone);
    return s.over(kStoneTop);
}

// A wooden door with two panels; open, it shows the dark room behind; lit, it glows.
QImage door(int w, int h, bool open, bool lit)
{
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.fillRect(QRectF(0, 0, w, h), kStoneDark);
    const QRectF leaf(10, 8, w - 20, h - 8);
    if (open) {
        p.fillRect(leaf, QColor(40, 30, 24));
        p.fillRect(QRectF(leaf.left(), leaf.top(), 12, leaf.height()), kWood);
    } else {
        p.setPen(inkPen(1.2));
        p.setBrush(lit ? QColor(214, 150, 72) : kWood);
        p.drawRect(leaf);
        p.setBrush(lit ? QColor(232, 176, 96) : QColor(170, 106, 56));
        p.drawRect(QRectF(leaf.left() + 10, leaf.top() + 10, leaf.width() - 20, leaf.height() / 2 - 16));
        p.drawRect(QRectF(leaf.left() + 10, leaf.center().y() + 4, leaf.width() - 20, leaf.height() / 2 - 16));
        p.setBrush(QColor(220, 180, 60));
        p.drawEllipse(QPointF(leaf.right() - 12, leaf.center().y()), 4, 4);
    }
    p.setPen(QPen(kStoneTop, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 6, w - 16, h - 6));
    return s.over(kStoneDark);
}

// A statue on a plinth: a robed figure with folded arms.
QImage statue(bool turned)
{
    const int w = 70, h = 150;
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.setPen(inkPen(1.2));
    p.setBrush(kStoneDark);
    p.drawRect(QRectF(8, h - 34, w - 16, 30));
    p.setBrush(QColor(226, 214, 186));
    QPainterPath robe;
    robe.moveTo(20, h - 34);
    robe.lineTo(26, 50);
    robe.lineTo(44, 50);
    robe.lineTo(50, h - 34);
    robe.closeSubpath();
    p.drawPath(robe);
    p.drawEllipse(QPointF(35, 36), 13, 15);
    p.setBrush(QColor(200, 186, 150));
    p.drawRect(QRectF(turned ? 24 : 22, 70, 26, 10));
    p.drawRect(QRectF(22, 18, 26, 8));
    return s.transparent();
}

// A wooden board with a light plate in the middle for the text drawn over it; pointing signs
// have an arrow end.
QImage board(int w, int h, int pointing)
{
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.setPen(inkPen(1.4));
    p.setBrush(kWood);
    QPainterPath shape;
    const qreal tip = pointing != 0 ? 16 : 0;
    if (pointing > 0) {
        shape.moveTo(0, 0);
        shape.lineTo(w - tip, 0);
        shape.lineTo(w - 1, h / 2.0);
        shape.lineTo(w - tip, h - 1);
        shape.lineTo(0, h - 1);
    } else if (pointing < 0) {
        shape.moveTo(tip, 0);
        shape.lineTo(w - 1, 0);
        shape.lineTo(w - 1, h - 1);
        shape.lineTo(tip, h - 1);
        shape.lineTo(0, h / 2.0);
    } else {
        shape.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5, 5);
    }
    shape.closeSubpath();
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(kPlate);
    p.drawRoundedRect(QRectF(pointing < 0 ? tip : 6, 5, w - tip - 12 + (pointing < 0 ? 6 : 0), h - 10), 3, 3);
    return s.transparent();
}

// The student from the front, the back or a side, with legs and arms swinging by the phase.
QImage figure(int facing, int side, qreal phase)
{
    // facing: 1 front (down), -1 back (up), 0 side; side: -1 left, 1 right, 0 none.
    const int w = 72, h = 168;
    Sketch s(w, h);
    QPainter& p = s.painter();
    const qreal swing = std::sin(phase) * 9;
    const qreal cx = w / 2.0;
    p.setPen(inkPen(1.2));
    // Legs.
    const qreal legGap = facing == 0 ? 2 : 8;
    for (int leg = -1; leg <= 1; leg += 2) {
        const qreal offset = facing == 0 ? leg * swing * side : 0;
        const qreal lift = facing != 0 ? std::max<qreal>(0, leg * swing) : 0;
        p.setBrush(kTrousers);
        p.drawRoundedRect(QRectF(cx + leg * legGap - 7 + offset, 96, 14, 56 - lift), 5, 5);
        p.setBrush(kShoe);
        p.drawRoundedRect(QRectF(cx + leg * legGap - 8 + offset + (facing == 0 ? side * 3 : 0), 148 - lift, 16, 10), 4, 4);
    }
    // Arms.
    for (int arm = -1; arm <= 1; arm += 2) {
        const qreal offset = facing == 0 ? -arm * swing * side * 0.8 : 0;
        p.setBrush(kShirt);
        const qreal at = facing == 0 ? cx - 5 + offset : cx + arm * 20 - 5;
        p.drawRoundedRect(QRectF(at, 52, 10, 44), 5, 5);
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(at + 5, 98), 5, 5);
    }
    // Body.
    p.setBrush(kShirt);
    p.drawRoundedRect(QRectF(cx - (facing == 0 ? 12 : 17), 48, facing == 0 ? 24 : 34, 54), 8, 8);
    if (facing <= 0) {
        p.setBrush(kPack);
        const qreal packX = facing == 0 ? cx - side * 14 - 7 : cx - 13;
        p.drawRoundedRect(QRectF(packX, 54, facing == 0 ? 14 : 26, 34), 5, 5);
    }
    // Head.
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(cx + side * 2, 30), 15, 17);
    p.setBrush(kHair);
    if (facing < 0) {
        p.drawEllipse(QPointF(cx, 28), 15, 16);
    } else {
        QPainterPath hair;
        hair.addEllipse(QPointF(cx + side * 2, 22), 15, 10);
        p.drawPath(hair);
        if (facing == 0) p.drawEllipse(QPointF(cx - side * 8, 28), 8, 11);
    }
    if (facing >= 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        if (facing > 0) {
            p.drawEllipse(QPointF(cx - 5, 32), 2, 2.4);
            p.drawEllipse(QPointF(cx + 5, 32), 2, 2.4);
        } else {
            p.drawEllipse(QPointF(cx + side * 9, 32), 2, 2.4);
        }
    }
    return s.transparent();
}

QImage circle(int step)
{
    Sketch s(40, 20);
    QPainter& p = s.painter();
    const qreal r = 4 + step * 2.6;
    p.setPen(QPen(QColor(230, 120, 30), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(20, 10), r, r / 2);
    return s.transparent();
}

QImage magnifier(bool lit)
{
    Sketch s(44, 44);
    QPainter& p = s.painter();
    p.fillRect(QRectF(0, 0, 44, 44), lit ? QColor(255, 230, 150) : QColor(226, 214, 186));
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 27), QPointF(38, 38));
    p.setPen(inkPen(2.4));
    p.setBrush(QColor(190, 225, 245));
    p.drawEllipse(QPointF(19, 19), 11, 11);
    return s.over(QColor(226, 214, 186));
}

QImage exitDoor(bool lit)
{
    Sketch s(44, 46);
    QPainter& p = s.painter();
    p.fillRect(QRectF(0, 0, 44, 46), lit ? QColor(255, 200, 170) : QColor(226, 214, 186));
    p.setPen(inkPen(1.4));
    p.setBrush(QColor(180, 40, 40));
    p.drawRect(QRectF(12, 6, 20, 36));
    p.setBrush(QColor(240, 220, 90));
    p.drawEllipse(QPointF(28, 25), 2, 2);
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 24), QPointF(12, 24));
    p.drawLine(QPointF(4, 24), QPointF(8, 20));
    p.drawLine(QPointF(4, 24), QPointF(8, 28));
    return s.over(QColor(226, 214, 186));
}

QImage dot(bool bright)
{
    Sketch s(8, 8);
    QPainter& p = s.painter();
    p.setPen(Qt::NoPen);
    p.setBrush(bright ? QColor(255, 60, 40) : QColor(150, 20, 10));
    p.drawEllipse(QRectF(0.5, 0.5, 7, 7));
    return s.transparent();
}

// The corner panel: the building's plan, on which the position dot moves.
QImage panel()
{
    const int w = 220, h = 93;
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.fillRect(QRectF(0, 0, w, h), QColor(226, 214, 186));
    p.setPen(inkPen(1.2));
    p.setBrush(QColor(248, 242, 222));
    // Halls and passages as dot = (30 + X / 24, 70 + Y / 22) places them.
    const auto hall = [&](qreal x0, qreal y0, qreal x1, qreal y1) {
        p.drawRect(QRectF(30 + x0 / 24, 70 + y0 / 22, (x1 - x0) / 24, (y1 - y0) / 22));
    };
    hall(-545, -897, 780, -548);
    hall(-312, -548, 579, -199);
    hall(-152, -199, 226, 60);
    p.setPen(QPen(kStoneTop, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    return s.over(QColor(226, 214, 186));
}

QImage bubble()
{
    const int w = 200, h = 88;
    Sketch s(w, h);
    QPainter& p = s.painter();
    p.setPen(inkPen(1.4));
    p.setBrush(QColor(255, 252, 240));
    QPainterPath shape;
    shape.addRoundedRect(QRectF(14, 1, w - 16, h - 14), 14, 14);
    QPainterPath tail;
    tail.moveTo(24, h - 20);
    tail.lineTo(2, h - 2);
    tail.lineTo(44, h - 14);
    tail.closeSubpath();
    p.drawPath(shape.united(tail));
    return s.transparent();
}

QImage floorTile()
{
    Sketch s(128, 128);
    QPainter& p = s.painter();
    p.fillRect(QRectF(0, 0, 128, 128), kFloor);
    p.setPen(QPen(kFloorJoint, 1));
    for (int at = 0; at <= 128; at += 64) {
        p.drawLine(QPointF(at, 0), QPointF(at, 128));
        p.drawLine(QPointF(0, at), QPointF(128, at));
    }
    p.setBrush(QColor(226, 212, 178));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(28, 28, 8, 8));
    p.drawRect(QRectF(92, 92, 8, 8));
    return s.over(kFloor);
}

QImage band()
{
    QImage image(1800, 360, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(43, 33, 24));
    return image;
}

} // namespace

NamedPictures drawWalkFigureArchive()
{
    NamedPictures pictures;
    struct Direction {
        const char* prefix;
        int facing, side;
    };
    const std::array<Direction, 8> directions = {{{"manup", -1, 0}, {"mandown", 1, 0}, {"mander", 0, 1}, {"manizq", 0, -1},
                                                  {"manupder", -1, 1}, {"manupizq", -1, -1}, {"mandoder", 0, 1},
                                                  {"mandoizq", 0, -1}}};
    for (const Direction& d : directions)
        for (int frame = 1; frame <= 10; ++frame) {
            const QString name = QStringLiteral("%1%2").arg(d.prefix).arg(frame, 2, 10, QLatin1Char('0'));
            pictures[name.toStdString()] = figure(d.facing, d.side, (frame - 1) * 2 * M_PI / 10);
        }
    for (int step = 1; step <= 6; ++step) pictures["circ" + std::to_string(step)] = circle(step);
    pictures["lupa"] = magnifier(false);
    pictures["lupa2"] = magnifier(true);
    pictures["diana"] = dot(true);
    pictures["diana2"] = dot(false);
    pictures["puertaS"] = exitDoor(false);
    pictures["puertaS2"] = exitDoor(true);
    pictures["puerta22"] = door(110, 130, false, true);
    return pictures;
}

NamedPictures drawWalkBuildingArchive()
{
    NamedPictures pictures;
    pictures["background"] = floorTile();
    pictures["paredEx"] = wallFace(172, 88, 22);
    pictures["pared"] = wallFace(258, 64, 0);
    pictures["paredUp"] = wallFace(258, 24, 24);
    pictures["paredUp2"] = wallFace(172, 24, 24);
    pictures["lateral1"] = sideWall(24, 186);
    pictures["lateral2"] = sideWall(24, 186);
    pictures["lateralPaso"] = sideWall(24, 120);
    pictures["puertab"] = door(110, 130, false, false);
    pictures["puertaB"] = door(110, 130, false, false);
    pictures["puer3"] = door(110, 130, true, false);
    pictures["faraon1"] = statue(false);
    pictures["faraon2"] = statue(true);
    pictures["rotulos"] = board(340, 56, 0);
    pictures["rotulo1"] = board(160, 48, -1);
    pictures["rotulo2"] = board(160, 48, 1);
    pictures["tabla1"] = board(116, 44, 0);
    pictures["zoomC"] = panel();
    pictures["bocadillo"] = bubble();
    pictures["zoom"] = band();
    return pictures;
}

} // namespace picture
