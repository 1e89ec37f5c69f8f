// The main menu's icon list: 44 flat pictures of 30 x 30 on white. Several
// screens share one index for related meanings (a professional family, a
// study group, an interest area), so each picture is chosen to suit all of
// them; assets/README.md lists every index with its uses.

#include "canvas.h"
#include "picture_sets.h"
#include "sketch.h"

#include <QPainterPath>
#include <QtMath>

#include <array>
#include <functional>

namespace assets {

namespace {

using picture::inkPen;
using picture::kHighlight;
using picture::kInk;

const QColor kRed(222, 92, 82);
const QColor kBlue(82, 132, 204);
const QColor kSky(120, 182, 228);
const QColor kYellow(242, 198, 82);
const QColor kGold(226, 178, 64);
const QColor kGreen(112, 182, 112);
const QColor kLeaf(84, 160, 88);
const QColor kPurple(152, 112, 192);
const QColor kOrange(242, 152, 72);
const QColor kTeal(72, 172, 172);
const QColor kSteel(150, 162, 182);
const QColor kSilver(208, 214, 224);
const QColor kWood(200, 156, 108);
const QColor kBark(146, 96, 62);
const QColor kSkin(247, 202, 168);
const QColor kPaper(252, 246, 232);
const QColor kNavy(64, 76, 120);
const QColor kTerracotta(214, 112, 72);

void fillShape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal pen = 1.0)
{
    p.setPen(inkPen(pen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath rectPath(QRectF r, qreal radius = 0)
{
    QPainterPath path;
    if (radius > 0) {
        path.addRoundedRect(r, radius, radius);
    } else {
        path.addRect(r);
    }
    return path;
}

QPainterPath circlePath(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A stroke with an ink rim: a thick ink line under a thinner coloured one.
void rimmedLine(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(width + 1.6));
    p.drawPath(path);
    p.setPen(inkPen(width, colour));
    p.drawPath(path);
}

void rimmedLine(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width)
{
    QPainterPath path(a);
    path.lineTo(b);
    rimmedLine(p, path, colour, width);
}

QPainterPath leafPath(QPointF base, qreal angle, qreal length, qreal width)
{
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(width, -length * 0.3, width * 0.8, -length * 0.8, 0, -length);
    leaf.cubicTo(-width * 0.8, -length * 0.8, -width, -length * 0.3, 0, 0);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angle);
    return t.map(leaf);
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -M_PI / 2 + i * M_PI / points;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath shieldPath()
{
    QPainterPath s;
    s.moveTo(15, 3);
    s.cubicTo(18.5, 5, 22.5, 5.8, 26, 5.8);
    s.lineTo(26, 13);
    s.cubicTo(26, 20, 21, 24.8, 15, 27.5);
    s.cubicTo(9, 24.8, 4, 20, 4, 13);
    s.lineTo(4, 5.8);
    s.cubicTo(7.5, 5.8, 11.5, 5, 15, 3);
    s.closeSubpath();
    return s;
}

// --- the pictures, by index --------------------------------------------------

void gear(QPainter& p)  // 0
{
    QPainterPath body = circlePath(QPointF(15, 15), 9.6);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(15, 15);
        t.rotate(i * 45.0);
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-2.7, -13.2, 5.4, 6), 1.2, 1.2);
        body = body.united(t.map(tooth));
    }
    body = body.subtracted(circlePath(QPointF(15, 15), 3.6));
    fillShape(p, body, kSteel);
    p.setPen(inkPen(0.9, kSteel.lighter(125)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(15, 15), 6.4, 6.4);
}

void sprout(QPainter& p)  // 1
{
    QPainterPath soil;
    soil.moveTo(3.5, 26.5);
    soil.cubicTo(6, 19.5, 24, 19.5, 26.5, 26.5);
    soil.closeSubpath();
    fillShape(p, soil, QColor(168, 118, 80));
    p.setPen(inkPen(1.8, kLeaf.darker(115)));
    p.drawLine(QPointF(15, 22), QPointF(15, 12));
    fillShape(p, leafPath(QPointF(15, 17), -62, 11, 4.2), kGreen, 0.9);
    fillShape(p, leafPath(QPointF(15, 13), 50, 13, 5), kLeaf, 0.9);
    p.setPen(inkPen(0.7, kLeaf.darker(130)));
    p.drawLine(QPointF(16.2, 12), QPointF(23, 6.5));
}

void folder(QPainter& p)  // 2
{
    fillShape(p, polygonPath({{4, 8.5}, {4, 6.5}, {11, 6.5}, {13, 8.5}, {26, 8.5}, {26, 25}, {4, 25}}),
              QColor(222, 168, 72));
    fillShape(p, rectPath(QRectF(7.5, 4.5, 15, 14)), kPaper, 0.9);
    p.setPen(inkPen(0.9, kSteel));
    for (int k = 0; k < 3; ++k) {
        p.drawLine(QPointF(10, 8 + k * 3), QPointF(20, 8 + k * 3));
    }
    fillShape(p, polygonPath({{3, 13}, {27, 13}, {25.5, 25}, {4.5, 25}}), kYellow);
}

void cart(QPainter& p)  // 3
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(1.6));
    QPainterPath handle(QPointF(2.5, 6));
    handle.lineTo(6.5, 6);
    handle.lineTo(10, 20.5);
    handle.lineTo(24, 20.5);
    p.drawPath(handle);
    fillShape(p, polygonPath({{7.2, 9}, {27, 9}, {24, 18}, {9.4, 18}}), kBlue);
    p.setPen(inkPen(0.8, kBlue.lighter(140)));
    for (qreal x : {12.5, 17.0, 21.5}) {
        p.drawLine(QPointF(x, 10), QPointF(x - 0.6, 17));
    }
    p.drawLine(QPointF(8.5, 13.5), QPointF(25.5, 13.5));
    p.setPen(inkPen(1.0));
    p.setBrush(QColor(90, 86, 100));
    p.drawEllipse(QPointF(12, 24.5), 2.3, 2.3);
    p.drawEllipse(QPointF(22, 24.5), 2.3, 2.3);
}

void hammerAndBrush(QPainter& p)  // 4
{
    p.save();
    p.translate(15, 15);
    p.rotate(-40);
    fillShape(p, rectPath(QRectF(-1.5, -3, 3, 15), 1.2), kRed, 0.9);
    fillShape(p, rectPath(QRectF(-2, -7, 4, 4.5), 0.8), kSilver, 0.9);
    QPainterPath bristles;
    bristles.moveTo(-2, -7);
    bristles.cubicTo(-2.4, -10, -1, -12.5, 0, -13.5);
    bristles.cubicTo(1, -12.5, 2.4, -10, 2, -7);
    bristles.closeSubpath();
    fillShape(p, bristles, kBlue, 0.9);
    p.restore();

    p.save();
    p.translate(15, 15);
    p.rotate(40);
    fillShape(p, rectPath(QRectF(-1.7, -6, 3.4, 18.5), 1.4), kWood);
    fillShape(p, rectPath(QRectF(-7, -11, 14, 5.5), 1.2), kSteel);
    p.restore();
}

void lightBulb(QPainter& p)  // 5
{
    p.setPen(inkPen(1.3, kOrange));
    for (int a : {-160, -125, -90, -55, -20}) {
        const qreal r = qDegreesToRadians(qreal(a));
        p.drawLine(QPointF(15 + 9.8 * std::cos(r), 12 + 9.8 * std::sin(r)),
                   QPointF(15 + 12 * std::cos(r), 12 + 12 * std::sin(r)));
    }
    QPainterPath glass = circlePath(QPointF(15, 12), 7.2);
    glass = glass.united(polygonPath({{10.5, 15}, {19.5, 15}, {18, 21}, {12, 21}}));
    fillShape(p, glass, QColor(252, 222, 112));
    p.setPen(inkPen(0.9, kOrange.darker(115)));
    p.setBrush(Qt::NoBrush);
    QPainterPath filament(QPointF(12.8, 19.5));
    filament.lineTo(12.8, 14);
    filament.lineTo(14, 12.5);
    filament.lineTo(15, 14);
    filament.lineTo(16, 12.5);
    filament.lineTo(17.2, 14);
    filament.lineTo(17.2, 19.5);
    p.drawPath(filament);
    p.setPen(Qt::NoPen);
    p.setBrush(kHighlight);
    p.drawEllipse(QPointF(11.8, 9), 1.6, 2.2);
    fillShape(p, rectPath(QRectF(11.5, 21, 7, 4.5), 1.2), kSilver);
    p.setPen(inkPen(0.7, kSteel.darker(115)));
    p.drawLine(QPointF(12, 22.6), QPointF(18, 22.6));
    p.drawLine(QPointF(12, 24), QPointF(18, 24));
    fillShape(p, rectPath(QRectF(13.2, 25.5, 3.6, 2), 0.8), kInk, 0.8);
}

void star(QPainter& p)  // 6
{
    fillShape(p, starPath(QPointF(15, 16), 12.5, 5.4, 5), kYellow, 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow.lighter(118));
    p.drawEllipse(QPointF(13, 13.5), 2, 1.4);
}

void pickaxe(QPainter& p)  // 7
{
    fillShape(p, polygonPath({{2.5, 27.5}, {4, 21}, {9, 18}, {14, 20.5}, {15.5, 27.5}}), QColor(160, 156, 164));
    fillShape(p, polygonPath({{12, 27.5}, {14.5, 22}, {20, 19.5}, {25.5, 22}, {27.5, 27.5}}), QColor(184, 176, 166));
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(8, 23.5), 1.4, 1.1);
    p.drawEllipse(QPointF(20.5, 24), 1.3, 1.0);
    rimmedLine(p, QPointF(9, 21), QPointF(20, 6.5), kWood, 2.2);
    QPainterPath head(QPointF(11, 4.5));
    head.quadTo(20, 1.8, 27, 11.5);
    rimmedLine(p, head, kSteel, 2.8);
}

void car(QPainter& p)  // 8
{
    fillShape(p, polygonPath({{8.5, 15}, {11.5, 8.5}, {20, 8.5}, {24, 15}}), kRed);
    fillShape(p, rectPath(QRectF(2.5, 14.5, 25, 7.5), 2.6), kRed);
    p.setPen(inkPen(0.8));
    p.setBrush(QColor(168, 218, 244));
    p.drawPath(polygonPath({{10.6, 14.3}, {12.6, 10}, {15.3, 10}, {15.3, 14.3}}));
    p.drawPath(polygonPath({{16.6, 14.3}, {16.6, 10}, {19.4, 10}, {22, 14.3}}));
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawRoundedRect(QRectF(25, 16, 2, 2.2), 0.8, 0.8);
    p.setBrush(kRed.darker(118));
    p.drawRect(QRectF(4, 17.8, 22, 0.9));
    for (qreal x : {8.5, 21.5}) {
        p.setPen(inkPen(1.0));
        p.setBrush(QColor(80, 76, 90));
        p.drawEllipse(QPointF(x, 22.5), 3.3, 3.3);
        p.setBrush(kSilver);
        p.drawEllipse(QPointF(x, 22.5), 1.3, 1.3);
    }
}

void palette(QPainter& p)  // 9
{
    QPainterPath board;
    board.moveTo(15, 4);
    board.cubicTo(24, 4, 28, 10, 27.5, 15);
    board.cubicTo(27, 20, 22, 20, 20, 21);
    board.cubicTo(18, 22.5, 21, 26, 16, 26.5);
    board.cubicTo(8, 27.5, 2.5, 22, 2.5, 15);
    board.cubicTo(2.5, 8.5, 8, 4, 15, 4);
    board.closeSubpath();
    board = board.subtracted(circlePath(QPointF(9.5, 20), 2.4));
    fillShape(p, board, QColor(232, 196, 146));
    const std::array<std::pair<QPointF, QColor>, 5> dots = {{{{8, 12}, kRed},
                                                            {{13.5, 8.5}, kYellow},
                                                            {{19.5, 8.8}, kBlue},
                                                            {{23.5, 13.5}, kGreen},
                                                            {{16, 16}, kPurple}}};
    for (const auto& [at, colour] : dots) {
        p.setPen(inkPen(0.8));
        p.setBrush(colour);
        p.drawEllipse(at, 2.4, 2.4);
    }
}

void mapPin(QPainter& p)  // 10
{
    fillShape(p, polygonPath({{2.5, 13}, {10, 11}, {19, 13.5}, {27.5, 11}, {27.5, 27}, {19, 29}, {10, 27}, {2.5, 29}}),
              QColor(196, 232, 186));
    p.setPen(inkPen(0.8, QColor(150, 196, 150)));
    p.drawLine(QPointF(10, 11.5), QPointF(10, 26.5));
    p.drawLine(QPointF(19, 14), QPointF(19, 28.5));
    p.setPen(inkPen(1.2, kSky));
    p.setBrush(Qt::NoBrush);
    QPainterPath river(QPointF(3, 22));
    river.cubicTo(9, 17, 14, 27, 27, 19);
    p.drawPath(river);
    QPainterPath pin = circlePath(QPointF(15, 8.5), 6);
    pin = pin.united(polygonPath({{9.8, 11.4}, {20.2, 11.4}, {15, 22}}));
    fillShape(p, pin, kRed);
    p.setPen(inkPen(0.8));
    p.setBrush(kHighlight);
    p.drawEllipse(QPointF(15, 8.5), 2.3, 2.3);
}

void globe(QPainter& p)  // 11
{
    const QPainterPath ball = circlePath(QPointF(15, 15), 11.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kSky);
    p.drawPath(ball);
    p.save();
    p.setClipPath(ball);
    p.setBrush(kGreen);
    QPainterPath west(QPointF(6, 7.5));
    west.cubicTo(9, 5, 13, 6, 12.5, 9);
    west.cubicTo(12, 11.5, 9.5, 11, 10, 14);
    west.cubicTo(10.5, 17, 8.5, 19.5, 7, 18);
    west.cubicTo(5, 16, 3.5, 11, 6, 7.5);
    west.closeSubpath();
    p.drawPath(west);
    QPainterPath east(QPointF(17.5, 13));
    east.cubicTo(20, 11, 24.5, 11.5, 25.5, 14.5);
    east.cubicTo(26.5, 18, 23, 18.5, 22, 21);
    east.cubicTo(21, 24, 17.5, 23.5, 17.5, 20.5);
    east.cubicTo(17.5, 18, 15.5, 15, 17.5, 13);
    east.closeSubpath();
    p.drawPath(east);
    p.drawEllipse(QPointF(19.5, 6.5), 2.4, 1.5);
    p.setPen(inkPen(0.7, QColor(226, 240, 250)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 9, 24, 12), 180 * 16, 180 * 16);
    p.restore();
    p.setPen(inkPen(1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ball);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(10, 8.5), 2.6, 1.6);
}

void computer(QPainter& p)  // 12
{
    fillShape(p, rectPath(QRectF(12.5, 19.5, 5, 4.5)), kSilver, 0.9);
    fillShape(p, rectPath(QRectF(8.5, 23.5, 13, 3), 1.2), kSilver);
    fillShape(p, rectPath(QRectF(2.5, 3.5, 25, 17), 2.2), QColor(84, 90, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(kSky);
    p.drawRoundedRect(QRectF(4.8, 5.8, 20.4, 12.4), 1, 1);
    p.setBrush(kHighlight);
    p.drawRect(QRectF(7, 8, 7, 1.4));
    p.drawRect(QRectF(7, 11, 10, 1.4));
    p.setBrush(kYellow);
    p.drawRect(QRectF(7, 14, 5, 1.4));
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(21, 13.5), 2.2, 2.2);
}

void atom(QPainter& p)  // 13
{
    for (int a : {0, 60, 120}) {
        p.save();
        p.translate(15, 15);
        p.rotate(a);
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(2.6));
        p.drawEllipse(QPointF(0, 0), 12.2, 4.6);
        p.setPen(inkPen(1.2, kPurple.lighter(115)));
        p.drawEllipse(QPointF(0, 0), 12.2, 4.6);
        p.restore();
    }
    p.setPen(inkPen(1.0));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(15, 15), 3, 3);
    p.setBrush(kSky);
    p.drawEllipse(QPointF(27.2, 15), 1.7, 1.7);
    p.drawEllipse(QPointF(15 - 6.1, 15 - 10.6), 1.7, 1.7);
}

void person(QPainter& p, QPointF head, qreal scale, const QColor& clothes)
{
    QPainterPath body;
    const qreal w = 6.2 * scale;
    const qreal top = head.y() + 4.8 * scale;
    body.moveTo(head.x() - w, 27);
    body.lineTo(head.x() - w, top + 3.5 * scale);
    body.cubicTo(head.x() - w, top, head.x() - w * 0.6, top, head.x(), top);
    body.cubicTo(head.x() + w * 0.6, top, head.x() + w, top, head.x() + w, top + 3.5 * scale);
    body.lineTo(head.x() + w, 27);
    body.closeSubpath();
    fillShape(p, body, clothes);
    fillShape(p, circlePath(head, 3.9 * scale), kSkin);
}

void people(QPainter& p)  // 14
{
    person(p, QPointF(10.5, 8), 1.0, kOrange);
    person(p, QPointF(21, 14), 0.78, kTeal);
    QPainterPath heart;
    heart.moveTo(22, 6.5);
    heart.cubicTo(20.5, 3.5, 17, 5, 19, 8);
    heart.lineTo(22, 11);
    heart.lineTo(25, 8);
    heart.cubicTo(27, 5, 23.5, 3.5, 22, 6.5);
    fillShape(p, heart, kRed, 0.8);
}

void policeShield(QPainter& p)  // 15
{
    fillShape(p, shieldPath(), kBlue);
    p.setPen(inkPen(0.9, kBlue.lighter(140)));
    p.setBrush(Qt::NoBrush);
    QTransform t;
    t.translate(15, 15.2);
    t.scale(0.78, 0.78);
    t.translate(-15, -15.2);
    p.drawPath(t.map(shieldPath()));
    fillShape(p, starPath(QPointF(15, 14.8), 7.2, 3, 5), kYellow, 0.9);
}

void redCross(QPainter& p)  // 16
{
    QPainterPath cross = rectPath(QRectF(10.5, 3.5, 9, 23), 1.6).united(rectPath(QRectF(3.5, 10.5, 23, 9), 1.6));
    fillShape(p, cross, kRed, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed.lighter(125));
    p.drawRect(QRectF(12, 5, 2, 8));
}

void microphone(QPainter& p)  // 17
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(1.4));
    QPainterPath holder(QPointF(8.5, 11));
    holder.cubicTo(8.5, 19, 21.5, 19, 21.5, 11);
    p.drawPath(holder);
    p.drawLine(QPointF(15, 17.5), QPointF(15, 24));
    p.setPen(inkPen(2.2));
    p.drawLine(QPointF(10, 25), QPointF(20, 25));
    fillShape(p, rectPath(QRectF(11, 2.5, 8, 13.5), 4), kSteel);
    p.setPen(inkPen(0.7, kSteel.darker(125)));
    for (qreal y : {6.0, 8.5, 11.0}) {
        p.drawLine(QPointF(12, y), QPointF(18, y));
    }
    p.setPen(inkPen(1.2, kOrange));
    p.drawArc(QRectF(19, 4, 6, 10), -50 * 16, 100 * 16);
    p.drawArc(QRectF(20, 1.5, 9, 15), -50 * 16, 100 * 16);
    p.drawArc(QRectF(5, 4, 6, 10), 130 * 16, 100 * 16);
    p.drawArc(QRectF(1, 1.5, 9, 15), 130 * 16, 100 * 16);
}

void cloche(QPainter& p)  // 18
{
    fillShape(p, rectPath(QRectF(2.5, 21.5, 25, 3.6), 1.8), kSilver);
    QPainterPath dome;
    dome.moveTo(4.5, 22);
    dome.cubicTo(4.5, 9.5, 25.5, 9.5, 25.5, 22);
    dome.closeSubpath();
    fillShape(p, dome, QColor(196, 204, 216));
    p.setPen(inkPen(1.2, kHighlight));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 13.5, 10, 12), 100 * 16, 60 * 16);
    fillShape(p, circlePath(QPointF(15, 11.2), 2), kSilver, 0.9);
    p.setPen(inkPen(1.1, kOrange));
    QPainterPath steam(QPointF(21, 8));
    steam.cubicTo(19.5, 6.5, 22.5, 5, 21, 3);
    p.drawPath(steam);
    QPainterPath steam2(QPointF(9, 8));
    steam2.cubicTo(7.5, 6.5, 10.5, 5, 9, 3);
    p.drawPath(steam2);
}

void jar(QPainter& p)  // 19
{
    const QPainterPath body = rectPath(QRectF(6.5, 10.5, 17, 17), 4);
    fillShape(p, body, QColor(214, 236, 244));
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawRect(QRectF(6, 15, 18, 13));
    p.setBrush(kOrange.lighter(118));
    p.drawEllipse(QPointF(11, 20), 2.6, 2.6);
    p.drawEllipse(QPointF(18.5, 23), 2.6, 2.6);
    p.restore();
    p.setPen(inkPen(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    fillShape(p, rectPath(QRectF(9, 16, 12, 5), 0.8), kPaper, 0.8);
    p.setPen(inkPen(0.8, kRed));
    p.drawLine(QPointF(11, 18.5), QPointF(19, 18.5));
    fillShape(p, rectPath(QRectF(8, 4.5, 14, 5), 1.4), kRed);
    fillShape(p, rectPath(QRectF(9.5, 9.3, 11, 1.8)), kSilver, 0.8);
}

void calculator(QPainter& p)  // 20
{
    fillShape(p, rectPath(QRectF(6, 2.5, 18, 25), 2.6), QColor(112, 124, 152));
    fillShape(p, rectPath(QRectF(8.5, 5, 13, 5.5), 0.8), QColor(196, 232, 186), 0.8);
    p.setPen(inkPen(0.9, kLeaf.darker(130)));
    p.drawLine(QPointF(15, 7.8), QPointF(20, 7.8));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool equals = row == 2 && col == 2;
            p.setPen(Qt::NoPen);
            p.setBrush(equals ? kOrange : QColor(230, 232, 240));
            p.drawRoundedRect(QRectF(8.4 + col * 4.6, 13 + row * 4.5, 3.6, 3.2), 0.8, 0.8);
        }
    }
}

void flask(QPainter& p)  // 21
{
    QPainterPath glass;
    glass.moveTo(12, 5);
    glass.lineTo(18, 5);
    glass.lineTo(18, 11.5);
    glass.lineTo(25.5, 23.5);
    glass.quadTo(26.5, 26.5, 23.5, 26.5);
    glass.lineTo(6.5, 26.5);
    glass.quadTo(3.5, 26.5, 4.5, 23.5);
    glass.lineTo(12, 11.5);
    glass.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 242, 248));
    p.drawPath(glass);
    p.save();
    p.setClipPath(glass);
    p.setBrush(kGreen);
    p.drawRect(QRectF(0, 17, 30, 12));
    p.setBrush(kGreen.lighter(125));
    p.drawEllipse(QPointF(12, 21.5), 1.5, 1.5);
    p.drawEllipse(QPointF(17, 23.5), 1.1, 1.1);
    p.drawEllipse(QPointF(15, 19.5), 0.9, 0.9);
    p.restore();
    p.setPen(inkPen(1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);
    fillShape(p, rectPath(QRectF(10.5, 3, 9, 2.6), 1.2), kSilver);
    p.setPen(Qt::NoPen);
    p.setBrush(kHighlight);
    p.drawEllipse(QPointF(15.5, 2), 1, 1);
    p.setBrush(kGreen.lighter(120));
    p.drawEllipse(QPointF(19.5, 1.2), 0.8, 0.8);
}

void questionBubble(QPainter& p)  // 22
{
    QPainterPath bubble = rectPath(QRectF(3.5, 3.5, 23, 17.5), 6);
    bubble = bubble.united(polygonPath({{9, 19}, {7.5, 27}, {16, 20}}));
    fillShape(p, bubble, kBlue);
    p.setPen(inkPen(2.4, kHighlight));
    p.setBrush(Qt::NoBrush);
    QPainterPath mark(QPointF(11.6, 9.4));
    mark.cubicTo(11.6, 5.4, 18.4, 5.4, 18.4, 9.4);
    mark.cubicTo(18.4, 12.2, 15, 11.8, 15, 14.6);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(kHighlight);
    p.drawEllipse(QPointF(15, 17.8), 1.4, 1.4);
}

void openBook(QPainter& p)  // 23
{
    fillShape(p, polygonPath({{1.5, 9}, {15, 11}, {28.5, 9}, {28.5, 25.5}, {15, 27.5}, {1.5, 25.5}}), kRed);
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(15, 9);
        page.cubicTo(15 + side * 4, 6.5, 15 + side * 9, 6.5, 15 + side * 12, 7.5);
        page.lineTo(15 + side * 12, 23.5);
        page.cubicTo(15 + side * 9, 22.5, 15 + side * 4, 22.5, 15, 25);
        page.closeSubpath();
        fillShape(p, page, kPaper);
        p.setPen(inkPen(0.8, kSteel));
        for (int k = 0; k < 4; ++k) {
            const qreal y = 11 + k * 3;
            p.drawLine(QPointF(15 + side * 3, y), QPointF(15 + side * (k == 3 ? 7 : 10), y - 0.6));
        }
    }
}

void column(QPainter& p)  // 24
{
    const QColor stone(236, 224, 200);
    fillShape(p, rectPath(QRectF(4, 3, 22, 3.4), 0.8), stone);
    fillShape(p, rectPath(QRectF(6.5, 6.4, 17, 2.6), 0.8), stone);
    fillShape(p, circlePath(QPointF(6.5, 8), 1.9), stone, 0.9);
    fillShape(p, circlePath(QPointF(23.5, 8), 1.9), stone, 0.9);
    fillShape(p, rectPath(QRectF(8.5, 9, 13, 14.5)), stone);
    p.setPen(inkPen(0.9, QColor(196, 178, 146)));
    for (qreal x : {11.6, 15.0, 18.4}) {
        p.drawLine(QPointF(x, 10), QPointF(x, 22.5));
    }
    fillShape(p, rectPath(QRectF(6.5, 23.5, 17, 2.4), 0.6), stone);
    fillShape(p, rectPath(QRectF(4, 25.9, 22, 2.6), 0.6), stone);
}

void barChart(QPainter& p)  // 25
{
    const std::array<QColor, 3> colours = {kSky, kGreen, kOrange};
    for (int k = 0; k < 3; ++k) {
        const qreal h = 6 + k * 5;
        fillShape(p, rectPath(QRectF(7 + k * 6.2, 25.5 - h, 4.4, h)), colours[std::size_t(k)], 0.9);
    }
    p.setPen(inkPen(1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath axes(QPointF(4, 3.5));
    axes.lineTo(4, 25.5);
    axes.lineTo(27.5, 25.5);
    p.drawPath(axes);
    QPainterPath trend(QPointF(6.5, 15));
    trend.lineTo(12, 10.5);
    trend.lineTo(16.5, 12.5);
    trend.lineTo(24, 4.5);
    rimmedLine(p, trend, kRed, 1.4);
    fillShape(p, polygonPath({{26.5, 2}, {25.2, 8}, {20.5, 4}}), kRed, 0.8);
}

void musicNotes(QPainter& p)  // 26
{
    // Two quavers joined by a beam, the way music is written.
    p.setPen(inkPen(1.6));
    p.drawLine(QPointF(11.5, 8.5), QPointF(11.5, 22));
    p.drawLine(QPointF(23.5, 5.5), QPointF(23.5, 19));
    fillShape(p, polygonPath({{11.5, 8.5}, {23.5, 5.5}, {23.5, 9.5}, {11.5, 12.5}}), kInk, 0.8);
    for (const QPointF& head : {QPointF(8.2, 22.5), QPointF(20.2, 19.5)}) {
        QPainterPath note;
        note.addEllipse(head, 3.8, 2.9);
        fillShape(p, note, kPurple, 1.1);
    }
}

void compassOnPlan(QPainter& p)  // 27
{
    fillShape(p, rectPath(QRectF(3, 4.5, 24, 21.5), 1.6), kBlue);
    p.setPen(inkPen(0.6, kBlue.lighter(145)));
    for (qreal x = 7; x < 27; x += 4) {
        p.drawLine(QPointF(x, 5.5), QPointF(x, 25));
    }
    for (qreal y = 8.5; y < 26; y += 4) {
        p.drawLine(QPointF(4, y), QPointF(26, y));
    }
    p.setPen(inkPen(1.0, kHighlight));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6.5, 11, 17, 19), 200 * 16, 140 * 16);
    rimmedLine(p, QPointF(15, 5.5), QPointF(8.5, 25), kSilver, 1.8);
    rimmedLine(p, QPointF(15, 5.5), QPointF(21.5, 25), kSilver, 1.8);
    fillShape(p, circlePath(QPointF(15, 6), 2.4), kOrange, 0.9);
    fillShape(p, rectPath(QRectF(14, 0.8, 2, 3.4), 0.8), kOrange, 0.8);
}

void hardHatOnBricks(QPainter& p)  // 28
{
    const QColor brick(206, 108, 74);
    for (int row = 0; row < 2; ++row) {
        const qreal y = 18.5 + row * 4.8;
        const qreal shift = row == 0 ? 0 : -4.5;
        for (int k = 0; k < 4; ++k) {
            const qreal x = 3 + shift + k * 9;
            QRectF r(std::max<qreal>(x, 3), y, 0, 4.8);
            r.setRight(std::min<qreal>(x + 9, 27));
            if (r.width() > 1) {
                fillShape(p, rectPath(r), brick, 0.8);
            }
        }
    }
    QPainterPath dome;
    dome.moveTo(7, 16);
    dome.cubicTo(7, 5.5, 23, 5.5, 23, 16);
    dome.closeSubpath();
    fillShape(p, dome, kYellow);
    fillShape(p, rectPath(QRectF(4, 15, 22, 3), 1.5), kYellow.darker(108));
    p.setPen(inkPen(1.0, kYellow.darker(125)));
    p.drawLine(QPointF(15, 8.3), QPointF(15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow.lighter(120));
    p.drawEllipse(QPointF(11, 11), 1.6, 2.2);
}

void scales(QPainter& p)  // 29
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(0.8));
    for (qreal cx : {7.0, 23.0}) {
        p.drawLine(QPointF(cx, 8), QPointF(cx - 4.2, 17));
        p.drawLine(QPointF(cx, 8), QPointF(cx + 4.2, 17));
    }
    rimmedLine(p, QPointF(15, 6), QPointF(15, 24), kGold, 1.8);
    rimmedLine(p, QPointF(5.5, 8), QPointF(24.5, 8), kGold, 1.6);
    for (qreal cx : {7.0, 23.0}) {
        QPainterPath pan(QPointF(cx - 5, 17));
        pan.cubicTo(cx - 5, 21.5, cx + 5, 21.5, cx + 5, 17);
        pan.closeSubpath();
        fillShape(p, pan, kGold, 0.9);
    }
    fillShape(p, rectPath(QRectF(9.5, 23.5, 11, 3.4), 1.4), kGold);
    fillShape(p, circlePath(QPointF(15, 5), 1.9), kGold, 0.9);
}

void mortarboard(QPainter& p)  // 30
{
    QPainterPath cap(QPointF(8, 13));
    cap.lineTo(8, 19.5);
    cap.cubicTo(11, 22.5, 19, 22.5, 22, 19.5);
    cap.lineTo(22, 13);
    cap.closeSubpath();
    fillShape(p, cap, kNavy.darker(110));
    fillShape(p, polygonPath({{15, 5.5}, {28.5, 11}, {15, 16.5}, {1.5, 11}}), kNavy);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(1.1, kYellow));
    QPainterPath cord(QPointF(15, 11));
    cord.lineTo(24.5, 13);
    cord.lineTo(24.5, 20);
    p.drawPath(cord);
    fillShape(p, polygonPath({{23, 20}, {26, 20}, {26.8, 25}, {22.2, 25}}), kYellow, 0.8);
    fillShape(p, circlePath(QPointF(15, 11), 1.4), kYellow, 0.7);
}

void basketball(QPainter& p)  // 31
{
    fillShape(p, circlePath(QPointF(15, 15), 11.6), kOrange, 1.2);
    p.setPen(inkPen(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(15, 3.5), QPointF(15, 26.5));
    p.drawLine(QPointF(3.5, 15), QPointF(26.5, 15));
    p.drawArc(QRectF(-3.5, 4.5, 13, 21), -62 * 16, 124 * 16);
    p.drawArc(QRectF(20.5, 4.5, 13, 21), 118 * 16, 124 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange.lighter(118));
    p.drawEllipse(QPointF(10, 9), 2, 1.4);
}

void printer(QPainter& p)  // 32
{
    fillShape(p, rectPath(QRectF(8.5, 2.5, 13, 9)), kPaper, 0.9);
    fillShape(p, rectPath(QRectF(3, 10, 24, 11), 2.2), kSteel);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(23.5, 13.2), 1.2, 1.2);
    fillShape(p, rectPath(QRectF(7.5, 17, 15, 11)), kPaper, 0.9);
    const std::array<QColor, 4> inks = {QColor(72, 176, 224), QColor(222, 82, 150), kYellow, kInk};
    for (int k = 0; k < 4; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(inks[std::size_t(k)]);
        p.drawRect(QRectF(9.5 + k * 2.9, 20.5, 2.4, 4.5));
    }
}

void lightning(QPainter& p)  // 33
{
    fillShape(p, polygonPath({{18, 2.5}, {6.5, 17}, {13.5, 17}, {10.5, 27.5}, {23.5, 11.5}, {16.3, 11.5}, {20.5, 2.5}}),
              QColor(250, 204, 74), 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 228, 140));
    p.drawPath(polygonPath({{17.6, 4.5}, {10, 15}, {11.6, 15}, {18.6, 4.5}}));
}

void windAndWater(QPainter& p)  // 34
{
    rimmedLine(p, QPointF(10.5, 11), QPointF(10.5, 27), QColor(232, 236, 242), 1.4);
    for (int k = 0; k < 3; ++k) {
        fillShape(p, leafPath(QPointF(10.5, 10.5), 15 + k * 120, 9.5, 2.6), QColor(236, 240, 246), 0.9);
    }
    fillShape(p, circlePath(QPointF(10.5, 10.5), 1.6), kSteel, 0.8);
    QPainterPath drop(QPointF(22, 11.5));
    drop.cubicTo(24, 15.5, 27, 18.5, 27, 21.8);
    drop.cubicTo(27, 24.8, 24.8, 27, 22, 27);
    drop.cubicTo(19.2, 27, 17, 24.8, 17, 21.8);
    drop.cubicTo(17, 18.5, 20, 15.5, 22, 11.5);
    fillShape(p, drop, QColor(82, 164, 224));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 220, 246));
    p.drawEllipse(QPointF(20, 21.5), 1.2, 2);
}

void wrenchAndScrewdriver(QPainter& p)  // 35
{
    p.save();
    p.translate(15, 15);
    p.rotate(-45);
    fillShape(p, rectPath(QRectF(-2.4, 3, 4.8, 10.5), 2), kRed);
    fillShape(p, rectPath(QRectF(-0.9, -12, 1.8, 15.2)), kSilver, 0.8);
    p.restore();

    p.save();
    p.translate(15, 15);
    p.rotate(45);
    QPainterPath wrench = rectPath(QRectF(-2, -5, 4, 18), 2);
    wrench = wrench.united(circlePath(QPointF(0, -8), 5));
    wrench = wrench.subtracted(rectPath(QRectF(-1.8, -14, 3.6, 7)));
    fillShape(p, wrench, kSteel);
    p.restore();
}

void clapperboard(QPainter& p)  // 36
{
    const QColor dark(70, 72, 88);
    fillShape(p, rectPath(QRectF(3.5, 12, 23, 15), 1.2), dark);
    p.setPen(inkPen(0.8, kHighlight));
    p.drawLine(QPointF(6, 19.5), QPointF(24, 19.5));
    p.drawLine(QPointF(6, 23), QPointF(18, 23));
    p.save();
    p.translate(3.5, 11);
    p.rotate(-14);
    const QPainterPath bar = rectPath(QRectF(0, -5, 23, 5), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPath(bar);
    p.save();
    p.setClipPath(bar);
    p.setBrush(kHighlight);
    for (int k = 0; k < 5; ++k) {
        p.drawPath(polygonPath({{2.0 + k * 5, -5}, {4.5 + k * 5, -5}, {2.5 + k * 5, 0}, {0.0 + k * 5, 0}}));
    }
    p.restore();
    p.setPen(inkPen(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bar);
    p.restore();
    fillShape(p, circlePath(QPointF(4.5, 11.5), 1.3), kSilver, 0.7);
}

void scissors(QPainter& p)  // 37
{
    fillShape(p, polygonPath({{10.5, 20.5}, {21.5, 2.5}, {22.5, 3.5}, {13.2, 21.5}}), kSilver, 0.9);
    fillShape(p, polygonPath({{19.5, 20.5}, {8.5, 2.5}, {7.5, 3.5}, {16.8, 21.5}}), kSilver, 0.9);
    const std::array<QPointF, 2> rings = {QPointF(9, 23.5), QPointF(21, 23.5)};
    for (const QPointF& c : rings) {
        QPainterPath ring = circlePath(c, 4).subtracted(circlePath(c, 2));
        fillShape(p, ring, QColor(240, 108, 140));
    }
    fillShape(p, circlePath(QPointF(15, 12.2), 1.3), kSteel, 0.7);
}

void woodLog(QPainter& p)  // 38
{
    QPainterPath body(QPointF(20, 8));
    body.lineTo(7, 8);
    body.cubicTo(3.5, 8, 3.5, 24, 7, 24);
    body.lineTo(20, 24);
    body.closeSubpath();
    fillShape(p, body, kBark);
    p.setPen(inkPen(0.8, kBark.darker(125)));
    p.drawLine(QPointF(7, 12.5), QPointF(16, 12.5));
    p.drawLine(QPointF(9, 17), QPointF(18, 17));
    p.drawLine(QPointF(6, 20.5), QPointF(14, 20.5));
    fillShape(p, QPainterPath([] {
                  QPainterPath e;
                  e.addEllipse(QPointF(20.5, 16), 6, 8);
                  return e;
              }()),
              QColor(232, 196, 146));
    p.setPen(inkPen(0.8, QColor(190, 140, 92)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(20.5, 16), 3.8, 5.2);
    p.drawEllipse(QPointF(20.5, 16), 1.6, 2.4);
    fillShape(p, leafPath(QPointF(11, 8.2), 30, 6, 2.4), kGreen, 0.8);
}

void fish(QPainter& p)  // 39
{
    fillShape(p, polygonPath({{8, 13}, {2.5, 7.5}, {3.5, 13}, {2.5, 18.5}}), kBlue.darker(108));
    QPainterPath body(QPointF(26.5, 13));
    body.cubicTo(22, 5.5, 11, 5.5, 7, 13);
    body.cubicTo(11, 20.5, 22, 20.5, 26.5, 13);
    body.closeSubpath();
    fillShape(p, body, kBlue);
    p.setPen(inkPen(0.8, kBlue.lighter(140)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 8.5, 8, 9), 60 * 16, -120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(21.5, 11.6), 1.3, 1.3);
    p.setBrush(kHighlight);
    p.drawEllipse(QPointF(21.9, 11.2), 0.5, 0.5);
    p.setPen(inkPen(1.6, kTeal));
    QPainterPath wave(QPointF(2.5, 24.5));
    for (int k = 0; k < 4; ++k) {
        const qreal x = 2.5 + k * 6.4;
        wave.cubicTo(x + 1.6, 21.8, x + 4.8, 21.8, x + 6.4, 24.5);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

void greenShield(QPainter& p)  // 40
{
    fillShape(p, shieldPath(), kGreen);
    fillShape(p, leafPath(QPointF(11.5, 21), 35, 13, 5.2), QColor(236, 246, 226), 0.9);
    p.setPen(inkPen(0.8, kLeaf));
    p.drawLine(QPointF(12.3, 19.8), QPointF(18.4, 11.3));
}

void tShirt(QPainter& p)  // 41
{
    QPainterPath shirt(QPointF(10.5, 4));
    shirt.quadTo(15, 8.5, 19.5, 4);
    shirt.lineTo(27.5, 8);
    shirt.lineTo(24.8, 14);
    shirt.lineTo(21.5, 12.5);
    shirt.lineTo(21.5, 26.5);
    shirt.lineTo(8.5, 26.5);
    shirt.lineTo(8.5, 12.5);
    shirt.lineTo(5.2, 14);
    shirt.lineTo(2.5, 8);
    shirt.closeSubpath();
    fillShape(p, shirt, kPurple);
    p.setPen(inkPen(0.9, kPurple.lighter(135)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 1.5, 8, 7.5), 200 * 16, 140 * 16);
    p.setPen(inkPen(0.8, kPurple.darker(115)));
    p.drawLine(QPointF(8.8, 12.8), QPointF(6, 9));
    p.drawLine(QPointF(21.2, 12.8), QPointF(24, 9));
}

void vase(QPainter& p)  // 42
{
    QPainterPath body(QPointF(11, 4.5));
    body.lineTo(19, 4.5);
    body.cubicTo(18, 6, 17.5, 7.5, 18, 9);
    body.cubicTo(24, 11.5, 25.5, 18, 21.5, 23);
    body.lineTo(20.5, 26.5);
    body.lineTo(9.5, 26.5);
    body.lineTo(8.5, 23);
    body.cubicTo(4.5, 18, 6, 11.5, 12, 9);
    body.cubicTo(12.5, 7.5, 12, 6, 11, 4.5);
    body.closeSubpath();
    fillShape(p, body, kTerracotta);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 214, 170));
    p.drawRect(QRectF(0, 15, 30, 3.4));
    p.restore();
    p.setPen(inkPen(0.8, kTerracotta.darker(120)));
    p.setBrush(Qt::NoBrush);
    QPainterPath zigzag(QPointF(7.5, 17.6));
    for (int k = 0; k < 8; ++k) {
        zigzag.lineTo(8.5 + k * 2, (k % 2 == 0) ? 15.6 : 17.6);
    }
    p.drawPath(zigzag);
    p.setPen(inkPen(1.0));
    p.drawPath(body);
    fillShape(p, rectPath(QRectF(10, 3.2, 10, 2.4), 1.2), kTerracotta.lighter(110), 0.9);
}

void backArrow(QPainter& p)  // 43
{
    QPainterPath arrow = polygonPath({{3, 15}, {13.5, 4.5}, {13.5, 10.5}, {26.5, 10.5}, {26.5, 19.5}, {13.5, 19.5}, {13.5, 25.5}});
    p.setPen(inkPen(1.2));
    p.setBrush(kTeal);
    p.drawPath(arrow);
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal.lighter(130));
    p.drawRect(QRectF(14.5, 12, 11, 2));
}

const std::array<std::function<void(QPainter&)>, kIconCount>& iconPainters()
{
    static const std::array<std::function<void(QPainter&)>, kIconCount> painters = {
        gear, sprout, folder, cart, hammerAndBrush, lightBulb, star, pickaxe, car, palette,
        mapPin, globe, computer, atom, people, policeShield, redCross, microphone, cloche, jar,
        calculator, flask, questionBubble, openBook, column, barChart, musicNotes, compassOnPlan,
        hardHatOnBricks, scales, mortarboard, basketball, printer, lightning, windAndWater,
        wrenchAndScrewdriver, clapperboard, scissors, woodLog, fish, greenShield, tShirt, vase, backArrow};
    return painters;
}

} // namespace

void paintMenuIcon(QPainter& painter, int index)
{
    if (index >= 0 && index < kIconCount) {
        iconPainters()[std::size_t(index)](painter);
    }
}

std::vector<QImage> drawMenuIcons()
{
    std::vector<QImage> icons;
    icons.reserve(kIconCount);
    for (int index = 0; index < kIconCount; ++index) {
        Canvas canvas(kIconSize.width(), kIconSize.height());
        paintMenuIcon(canvas.painter(), index);
        icons.push_back(overWhite(canvas.transparent()));
    }
    return icons;
}

} // namespace assets
