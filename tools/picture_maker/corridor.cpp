#include "corridor.h"

#include "sketch.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace picture {

namespace {

const QColor kWall(246, 233, 208);
const QColor kWallShade(236, 218, 188);
const QColor kCornice(214, 188, 150);
const QColor kWainscot(184, 214, 200);
const QColor kRail(200, 156, 108);
const QColor kSkirting(150, 106, 74);
const QColor kFloor(226, 190, 142);
const QColor kFloorSeam(196, 156, 108);
const QColor kSlab(118, 84, 60);
const QColor kArchitrave(252, 246, 232);
const QColor kDoor(206, 140, 84);
const QColor kDoorPanel(194, 127, 73);
const QColor kDoorLine(158, 100, 58);
const QColor kBrass(246, 200, 84);
const QColor kWood(186, 128, 84);
const QColor kWoodDark(146, 96, 62);

// Flat colours used for books, notes and other small things.
const std::array<QColor, 7> kBright = {
    QColor(222, 92, 82), QColor(82, 132, 204), QColor(242, 198, 82), QColor(112, 182, 112),
    QColor(152, 112, 192), QColor(242, 152, 72), QColor(72, 172, 172)};

void drawWall(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, kTileWidth, kTileHeight), kWall);
    // Lower wall band with a wooden rail.
    p.fillRect(QRectF(0, 200, kTileWidth, kFloorTop - 200), kWainscot);
    p.fillRect(QRectF(0, 197, kTileWidth, 5), kRail);
    p.fillRect(QRectF(0, 202, kTileWidth, 1), kRail.darker(115));
    // Half a pilaster at each side: neighbouring tiles join them into one.
    for (qreal x : {0.0, qreal(kTileWidth - 5)}) {
        p.fillRect(QRectF(x, 0, 5, kFloorTop), kWallShade);
    }
    p.fillRect(QRectF(5, 12, 1, kFloorTop - 12), kWallShade.darker(106));
    p.fillRect(QRectF(kTileWidth - 6, 12, 1, kFloorTop - 12), kWallShade.darker(106));
    // Ceiling edge.
    p.fillRect(QRectF(0, 0, kTileWidth, 9), kCornice);
    p.fillRect(QRectF(0, 9, kTileWidth, 3), kCornice.lighter(112));
    p.fillRect(QRectF(0, 12, kTileWidth, 1), kCornice.darker(110));
}

void drawFloor(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, kFloorTop, kTileWidth, 4), kSkirting);
    p.fillRect(QRectF(0, kFloorTop + 4, kTileWidth, 8), kFloor);
    // Board ends, staggered so the floor reads as planks.
    for (int x = 0; x < kTileWidth; x += 58) {
        p.fillRect(QRectF(x + 14, kFloorTop + 4, 1, 4), kFloorSeam);
        p.fillRect(QRectF(x + 43, kFloorTop + 8, 1, 4), kFloorSeam);
    }
    p.fillRect(QRectF(0, kFloorTop + 8, kTileWidth, 0.6), kFloorSeam);
    p.fillRect(QRectF(0, kFloorTop + 12, kTileWidth, kTileHeight - kFloorTop - 12), kSlab);
}

void drawLamp(QPainter& p, qreal cx)
{
    QRadialGradient glow(cx, 98, 34);
    glow.setColorAt(0, QColor(255, 244, 190, 150));
    glow.setColorAt(1, QColor(255, 244, 190, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(cx, 98), 34, 30);

    p.setPen(inkPen(1.0));
    p.setBrush(kWoodDark);
    p.drawRoundedRect(QRectF(cx - 5, 80, 10, 5), 2, 2);
    p.drawLine(QPointF(cx, 85), QPointF(cx, 92));
    QPainterPath shade;
    shade.moveTo(cx - 12, 104);
    shade.cubicTo(cx - 11, 93, cx - 6, 91, cx, 91);
    shade.cubicTo(cx + 6, 91, cx + 11, 93, cx + 12, 104);
    shade.closeSubpath();
    p.setBrush(QColor(250, 218, 120));
    p.drawPath(shade);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 214));
    p.drawEllipse(QRectF(cx - 5, 102, 10, 4));
}

void drawDoor(QPainter& p)
{
    const QRectF leaf(kDoorLeaf);
    const QRectF frame = leaf.adjusted(-6, -6, 6, 0);
    p.setPen(inkPen(1.1));
    p.setBrush(kArchitrave);
    p.drawRect(frame);
    p.setBrush(kDoor);
    p.drawRect(leaf);

    p.setPen(inkPen(1.0, kDoorLine));
    p.setBrush(kDoorPanel);
    const qreal inset = 7;
    p.drawRoundedRect(QRectF(leaf.left() + inset, leaf.top() + 10, leaf.width() - 2 * inset, 66), 3, 3);
    p.drawRoundedRect(QRectF(leaf.left() + inset, leaf.top() + 88, leaf.width() - 2 * inset, 72), 3, 3);

    // Knob and plate.
    p.setPen(inkPen(0.9));
    p.setBrush(kBrass.darker(108));
    p.drawRoundedRect(QRectF(leaf.right() - 10, leaf.top() + 78, 5, 14), 2, 2);
    p.setBrush(kBrass);
    p.drawEllipse(QPointF(leaf.right() - 7.5, leaf.top() + 84), 3.4, 3.4);

    // The leaf sits on the floor: a soft shadow where they meet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30, 60));
    p.drawRect(QRectF(frame.left(), kFloorTop + 4, frame.width(), 2));
}

void drawShadow(QPainter& p, QRectF box)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 45, 30, 55));
    p.drawEllipse(box);
}

void drawBook(QPainter& p, QRectF spine, const QColor& colour)
{
    p.setPen(inkPen(0.8));
    p.setBrush(colour);
    p.drawRect(spine);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(135));
    p.drawRect(QRectF(spine.left() + 1, spine.top() + 3, spine.width() - 2, 2));
    p.drawRect(QRectF(spine.left() + 1, spine.bottom() - 5, spine.width() - 2, 1.5));
}

// One shelf of books standing on y = base between x0 and x1; the pattern
// number varies widths, heights and colours from shelf to shelf.
void drawShelfOfBooks(QPainter& p, qreal x0, qreal x1, qreal base, int pattern)
{
    static constexpr std::array<int, 9> widths = {7, 5, 8, 6, 9, 5, 7, 6, 8};
    static constexpr std::array<int, 9> heights = {22, 19, 24, 20, 17, 23, 21, 18, 22};
    qreal x = x0 + 1;
    int i = pattern * 3;
    while (true) {
        const int w = widths[std::size_t(i % 9)];
        const int h = heights[std::size_t((i + pattern) % 9)];
        if (x + w > x1 - 14) {
            break;
        }
        drawBook(p, QRectF(x, base - h, w, h), kBright[std::size_t((i * 3 + pattern) % 7)]);
        x += w;
        ++i;
    }
    // A last book leaning on the others.
    const int h = 20;
    p.save();
    p.translate(x + 1, base);
    p.rotate(18);
    drawBook(p, QRectF(0, -h, 6, h), kBright[std::size_t((pattern + 4) % 7)]);
    p.restore();
}

QImage cut(const QImage& corridor, QPoint at, QSize size)
{
    return corridor.copy(QRect(at, size));
}

void drawNote(QPainter& p, QRectF note, qreal angle, const QColor& colour, const QColor& pin, int lines)
{
    p.save();
    p.translate(note.center());
    p.rotate(angle);
    const QRectF r(-note.width() / 2, -note.height() / 2, note.width(), note.height());
    p.setPen(inkPen(0.7));
    p.setBrush(colour);
    p.drawRect(r);
    p.setPen(inkPen(0.8, QColor(120, 110, 120)));
    for (int k = 0; k < lines; ++k) {
        const qreal y = r.top() + 7 + k * 4.0;
        const qreal shorten = (k == lines - 1) ? r.width() * 0.35 : 0;
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4 - shorten, y));
    }
    p.setPen(inkPen(0.6));
    p.setBrush(pin);
    p.drawEllipse(QPointF(0, r.top() + 2.5), 1.8, 1.8);
    p.restore();
}

void drawLeaf(QPainter& p, QPointF base, qreal angle, qreal length, qreal width, const QColor& colour)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(width, -length * 0.3, width * 0.8, -length * 0.8, 0, -length);
    leaf.cubicTo(-width * 0.8, -length * 0.8, -width, -length * 0.3, 0, 0);
    p.setPen(inkPen(0.9));
    p.setBrush(colour);
    p.drawPath(leaf);
    p.setPen(inkPen(0.7, colour.darker(125)));
    p.drawLine(QPointF(0, -2), QPointF(0, -length * 0.8));
    p.restore();
}

} // namespace

QImage drawDoorTile()
{
    Sketch s(kTileWidth, kTileHeight);
    QPainter& p = s.painter();
    drawWall(p);
    drawLamp(p, kDoorLeaf.center().x() + 0.5);
    drawDoor(p);
    drawFloor(p);
    return s.over(kWall);
}

QImage tileCorridor(const QImage& tile, QSize size)
{
    QImage corridor(size, QImage::Format_RGB32);
    QPainter p(&corridor);
    for (int y = 0; y < size.height(); y += tile.height()) {
        for (int x = 0; x < size.width(); x += tile.width()) {
            p.drawImage(x, y, tile);
        }
    }
    p.end();
    return corridor;
}

QImage drawSign(const QImage& corridor)
{
    Sketch s(kSignSize.width(), kSignSize.height());
    QPainter& p = s.painter();
    // Soft shadow on the wall behind the board.
    QPainterPath shadow;
    shadow.moveTo(6, 6);
    shadow.lineTo(84, 6);
    shadow.lineTo(96.5, 26);
    shadow.lineTo(84, 46);
    shadow.lineTo(6, 46);
    shadow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30, 60));
    p.drawPath(shadow);

    // Arrow-shaped board pointing the way out; the caption is laid over it
    // at (13, 5) 73x34, so that area stays plain.
    QPainterPath board;
    board.moveTo(4, 3);
    board.lineTo(82, 3);
    board.lineTo(95, 23);
    board.lineTo(82, 43);
    board.lineTo(4, 43);
    board.closeSubpath();
    p.setPen(inkPen(1.4));
    p.setBrush(QColor(118, 196, 138));
    p.drawPath(board);
    QPainterPath inner;
    inner.moveTo(7, 6);
    inner.lineTo(80.5, 6);
    inner.lineTo(91.4, 23);
    inner.lineTo(80.5, 40);
    inner.lineTo(7, 40);
    inner.closeSubpath();
    p.setPen(inkPen(1.0, QColor(206, 240, 212)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inner);
    // Two screws hold it to the wall.
    p.setPen(inkPen(0.7));
    p.setBrush(QColor(214, 220, 226));
    p.drawEllipse(QPointF(9.5, 23), 1.6, 1.6);
    p.drawEllipse(QPointF(87, 23), 1.6, 1.6);
    return s.over(cut(corridor, kSignAt, kSignSize));
}

QImage drawBookshelf(const QImage& corridor)
{
    const QSize size = kLeftCornerSize;
    Sketch s(size.width(), size.height());
    QPainter& p = s.painter();
    drawShadow(p, QRectF(4, 118, 128, 10));

    // Cabinet with three shelves.
    p.setPen(inkPen(1.2));
    p.setBrush(kWood);
    p.drawRect(QRectF(14, 120, 7, 5));
    p.drawRect(QRectF(115, 120, 7, 5));
    p.drawRoundedRect(QRectF(10, 24, 116, 97), 2, 2);
    p.setPen(inkPen(0.9));
    p.setBrush(kWoodDark);
    const std::array<QRectF, 3> bays = {QRectF(16, 30, 104, 25), QRectF(16, 59, 104, 25),
                                        QRectF(16, 88, 104, 27)};
    for (const QRectF& bay : bays) {
        p.drawRect(bay);
    }
    for (int k = 0; k < 3; ++k) {
        drawShelfOfBooks(p, bays[std::size_t(k)].left(), bays[std::size_t(k)].right(),
                         bays[std::size_t(k)].bottom(), k);
    }
    p.setPen(inkPen(1.0));
    p.setBrush(kWood.lighter(110));
    p.drawRect(QRectF(8, 21, 120, 5));

    // On top: two books lying flat and a globe.
    drawBook(p, QRectF(20, 15, 30, 6), kBright[1]);
    drawBook(p, QRectF(23, 10, 25, 5), kBright[0]);
    p.setPen(inkPen(1.0));
    p.setBrush(kWoodDark);
    p.drawRoundedRect(QRectF(92, 17, 18, 4), 1.5, 1.5);
    p.drawLine(QPointF(101, 17), QPointF(101, 14));
    p.setBrush(QColor(120, 182, 228));
    p.drawEllipse(QPointF(101, 8), 7.5, 7.5);
    QPainterPath land;
    land.moveTo(96, 4);
    land.cubicTo(99, 2, 103, 5, 101, 8);
    land.cubicTo(99, 11, 104, 13, 101, 14);
    land.cubicTo(97, 13, 94, 9, 96, 4);
    p.setBrush(kBright[3]);
    p.setPen(Qt::NoPen);
    p.drawPath(land);
    p.drawEllipse(QPointF(105.5, 6.5), 2.2, 1.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(1.0, kWoodDark));
    p.drawArc(QRectF(91.5, -1.5, 19, 19), -60 * 16, 200 * 16);
    return s.over(cut(corridor, kLeftCornerAt, size));
}

QImage drawNoticeBoard(const QImage& corridor)
{
    const QSize size = kRightCornerSize;
    Sketch s(size.width(), size.height());
    QPainter& p = s.painter();
    drawShadow(p, QRectF(8, 119, 96, 8));
    drawShadow(p, QRectF(104, 119, 40, 8));

    // Board on two legs.
    p.setPen(inkPen(1.1));
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(17, 70, 6, 54));
    p.drawRect(QRectF(87, 70, 6, 54));
    p.setBrush(kWood);
    p.drawRoundedRect(QRectF(6, 6, 98, 72), 3, 3);
    p.setBrush(QColor(226, 186, 134));
    p.drawRect(QRectF(11, 11, 88, 62));
    drawNote(p, QRectF(16, 16, 30, 24), -4, QColor(255, 236, 140), kBright[0], 4);
    drawNote(p, QRectF(52, 14, 40, 28), 3, QColor(184, 216, 246), kBright[2], 5);
    drawNote(p, QRectF(19, 45, 28, 23), 5, QColor(250, 196, 204), kBright[1], 4);
    drawNote(p, QRectF(57, 47, 35, 21), -3, QColor(196, 232, 186), kBright[0], 3);

    // A plant in a pot beside it.
    const QPointF stem(125, 97);
    drawLeaf(p, stem, -62, 30, 7, QColor(84, 160, 88));
    drawLeaf(p, stem, 54, 28, 7, QColor(84, 160, 88));
    drawLeaf(p, stem, -34, 44, 8, QColor(104, 180, 100));
    drawLeaf(p, stem, 30, 42, 8, QColor(104, 180, 100));
    drawLeaf(p, stem, -8, 54, 8, QColor(118, 192, 110));
    drawLeaf(p, stem, 12, 50, 7, QColor(92, 170, 96));
    QPainterPath pot;
    pot.moveTo(111, 100);
    pot.lineTo(139, 100);
    pot.lineTo(135, 124);
    pot.lineTo(115, 124);
    pot.closeSubpath();
    p.setPen(inkPen(1.1));
    p.setBrush(QColor(214, 112, 72));
    p.drawPath(pot);
    p.setBrush(QColor(232, 134, 92));
    p.drawRoundedRect(QRectF(108, 95, 34, 7), 2, 2);
    return s.over(cut(corridor, kRightCornerAt, size));
}

} // namespace picture
