#include "figures.h"

#include "girl_colours.h"
#include "sketch.h"

#include <QPainterPath>

namespace picture {

namespace {


void drawHairBack(QPainter& p)
{
    p.setPen(inkPen(1.2));
    p.setBrush(kHair);
    // Ponytail swinging out to the right of the head.
    QPainterPath tail;
    tail.moveTo(62, 20);
    tail.cubicTo(76, 8, 92, 22, 86, 44);
    tail.cubicTo(84, 54, 80, 60, 74, 64);
    tail.cubicTo(78, 52, 78, 38, 66, 30);
    tail.closeSubpath();
    p.drawPath(tail);
    p.setPen(inkPen(0.8, kHairLight));
    p.setBrush(Qt::NoBrush);
    QPainterPath strand;
    strand.moveTo(72, 20);
    strand.cubicTo(82, 24, 84, 36, 80, 50);
    p.drawPath(strand);
    // Hair around the face, down to the jaw.
    p.setPen(inkPen(1.2));
    p.setBrush(kHair);
    QPainterPath bob;
    bob.moveTo(16, 66);
    bob.cubicTo(10, 40, 22, 16, 44, 16);
    bob.cubicTo(66, 16, 78, 40, 72, 66);
    bob.cubicTo(66, 70, 22, 70, 16, 66);
    p.drawPath(bob);
    // Scrunchie where the ponytail starts.
    p.setBrush(kScrunchie);
    p.drawEllipse(QPointF(65, 23), 5.5, 5);
    p.setPen(inkPen(0.7, kScrunchie.darker(125)));
    p.drawLine(QPointF(62, 20.5), QPointF(64, 26.5));
    p.drawLine(QPointF(66, 19.5), QPointF(68, 25.5));
}

void drawFace(QPainter& p)
{
    p.setPen(inkPen(1.2));
    p.setBrush(kSkin);
    // Neck under the chin.
    p.drawRect(QRectF(38.5, 68, 11, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(kSkinShade);
    p.drawRect(QRectF(39.2, 70, 9.6, 4));

    p.setPen(inkPen(1.2));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(44, 49), 23.5, 24);

    // Fringe.
    p.setBrush(kHair);
    QPainterPath fringe;
    fringe.moveTo(20, 48);
    fringe.cubicTo(18, 30, 30, 22, 44, 22);
    fringe.cubicTo(58, 22, 70, 30, 68, 48);
    fringe.cubicTo(64, 40, 60, 36, 56, 34);
    fringe.quadTo(54, 40, 48, 40);
    fringe.quadTo(44, 33, 38, 33);
    fringe.quadTo(34, 40, 28, 40);
    fringe.quadTo(24, 42, 20, 48);
    p.drawPath(fringe);
    p.setPen(inkPen(0.8, kHairLight));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(28, 25, 22, 12), 40 * 16, 90 * 16);

    // Eyes with a glint, brows, cheeks, nose and a wide smile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 40, 50));
    p.drawEllipse(QPointF(35, 51), 3.2, 4.2);
    p.drawEllipse(QPointF(53, 51), 3.2, 4.2);
    p.setBrush(kHighlight);
    p.drawEllipse(QPointF(36.1, 49.4), 1.3, 1.3);
    p.drawEllipse(QPointF(54.1, 49.4), 1.3, 1.3);
    p.setPen(inkPen(1.3, kHair.darker(120)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(30.5, 42, 9, 5), 30 * 16, 120 * 16);
    p.drawArc(QRectF(48.5, 42, 9, 5), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kCheek);
    p.drawEllipse(QPointF(28.5, 59), 4.6, 2.8);
    p.drawEllipse(QPointF(59.5, 59), 4.6, 2.8);
    p.setPen(inkPen(1.0, kSkinShade.darker(125)));
    p.drawArc(QRectF(42, 54, 4, 3), 200 * 16, 140 * 16);

    QPainterPath smile;
    smile.moveTo(37, 61.5);
    smile.cubicTo(39, 62.5, 49, 62.5, 51, 61.5);
    smile.cubicTo(50, 68, 38, 68, 37, 61.5);
    p.setPen(inkPen(1.0));
    p.setBrush(kMouth);
    p.drawPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(kHighlight);
    p.drawRect(QRectF(39.5, 62.1, 9, 1.3));
}

void drawBody(QPainter& p)
{
    p.setPen(inkPen(1.2));
    p.setBrush(kJumper);
    QPainterPath jumper;
    jumper.moveTo(8, 146);
    jumper.cubicTo(8, 110, 10, 88, 30, 80);
    jumper.lineTo(58, 80);
    jumper.cubicTo(78, 88, 80, 110, 80, 146);
    jumper.closeSubpath();
    p.drawPath(jumper);

    // Shirt collar in the neckline.
    p.setBrush(kHighlight);
    QPainterPath collarL;
    collarL.moveTo(44, 88);
    collarL.lineTo(33, 79);
    collarL.lineTo(36, 90);
    collarL.closeSubpath();
    QPainterPath collarR;
    collarR.moveTo(44, 88);
    collarR.lineTo(55, 79);
    collarR.lineTo(52, 90);
    collarR.closeSubpath();
    p.drawPath(collarL);
    p.drawPath(collarR);

    // Rucksack straps over the shoulders.
    p.setBrush(kStrap);
    p.drawRect(QRectF(20, 84, 7, 62));
    p.drawRect(QRectF(61, 84, 7, 62));
    p.setBrush(kStrap.lighter(120));
    p.drawRoundedRect(QRectF(19, 100, 9, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(60, 100, 9, 5), 1.5, 1.5);

    // Sleeves bent at the elbow, hands holding the books.
    p.setPen(inkPen(1.2));
    p.setBrush(kJumperDark);
    QPainterPath armL;
    armL.moveTo(10, 104);
    armL.cubicTo(10, 124, 16, 132, 30, 128);
    armL.lineTo(30, 118);
    armL.cubicTo(24, 120, 21, 114, 21, 100);
    armL.closeSubpath();
    QPainterPath armR;
    armR.moveTo(78, 104);
    armR.cubicTo(78, 124, 72, 132, 58, 128);
    armR.lineTo(58, 118);
    armR.cubicTo(64, 120, 67, 114, 67, 100);
    armR.closeSubpath();
    p.drawPath(armL);
    p.drawPath(armR);
}

void drawBooks(QPainter& p)
{
    p.save();
    p.translate(44, 114);
    p.rotate(-6);
    p.setPen(inkPen(1.1));
    p.setBrush(QColor(84, 128, 204));
    p.drawRoundedRect(QRectF(-19, -9, 38, 22), 1.5, 1.5);
    p.setBrush(QColor(242, 196, 78));
    p.drawRoundedRect(QRectF(-17, -15, 36, 20), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(224, 92, 82));
    p.drawRect(QRectF(-17, -15, 5, 20));
    p.setBrush(kHighlight);
    p.drawRect(QRectF(-6, -10, 20, 3));
    p.drawRect(QRectF(-6, -5, 14, 2));
    p.restore();

    p.setPen(inkPen(1.1));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(27, 121), 5, 4.6);
    p.drawEllipse(QPointF(61, 117), 5, 4.6);
}

} // namespace

QImage drawGirl()
{
    Sketch s(kGirlSize.width(), kGirlSize.height());
    QPainter& p = s.painter();
    p.translate(0, -6);  // the body runs off the bottom edge, the head nearly fills the top
    drawHairBack(p);
    drawBody(p);
    drawFace(p);
    drawBooks(p);
    return s.over(kKeyWhite);
}

QImage drawHelicopter()
{
    Sketch s(kHeliSize.width(), kHeliSize.height());
    QPainter& p = s.painter();
    const QColor body(244, 164, 58);
    const QColor rotor(96, 100, 116);

    // Tail boom, fin and tail rotor on the left.
    p.setPen(inkPen(1.0));
    p.setBrush(body.darker(108));
    QPainterPath boom;
    boom.moveTo(22, 14.5);
    boom.lineTo(6, 13);
    boom.lineTo(6, 17);
    boom.lineTo(22, 21.5);
    boom.closeSubpath();
    p.drawPath(boom);
    QPainterPath fin;
    fin.moveTo(4, 16);
    fin.lineTo(2, 7);
    fin.lineTo(8, 8);
    fin.lineTo(10, 15);
    fin.closeSubpath();
    p.drawPath(fin);
    p.setBrush(QColor(196, 200, 210, 170));
    p.drawEllipse(QPointF(5, 11), 4.5, 4.5);
    p.setPen(inkPen(0.9, rotor));
    p.drawLine(QPointF(2, 8), QPointF(8, 14));

    // Skids and struts.
    p.setPen(inkPen(1.4, rotor));
    p.drawLine(QPointF(27, 25), QPointF(25, 29.5));
    p.drawLine(QPointF(44, 25), QPointF(46, 29.5));
    QPainterPath skid;
    skid.moveTo(18, 29.5);
    skid.lineTo(52, 29.5);
    skid.quadTo(56, 29.5, 57, 26.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(skid);

    // Cabin with a big round window at the nose.
    p.setPen(inkPen(1.1));
    p.setBrush(body);
    QPainterPath cabin;
    cabin.moveTo(20, 17);
    cabin.cubicTo(20, 9, 30, 7, 40, 7.5);
    cabin.cubicTo(52, 8, 58, 14, 58, 19);
    cabin.cubicTo(58, 25, 50, 27, 38, 27);
    cabin.cubicTo(26, 27, 20, 24, 20, 17);
    p.drawPath(cabin);
    p.setBrush(QColor(168, 218, 244));
    QPainterPath window;
    window.moveTo(41, 9.5);
    window.cubicTo(50, 9.5, 56, 14, 56.5, 19);
    window.lineTo(41, 19);
    window.closeSubpath();
    p.drawPath(window);
    p.setPen(Qt::NoPen);
    p.setBrush(kHighlight);
    p.drawEllipse(QPointF(47, 12.5), 2.4, 1.3);
    p.setBrush(body.darker(115));
    p.drawRoundedRect(QRectF(24, 20.5, 30, 2), 1, 1);
    p.setBrush(kHighlight);
    p.drawEllipse(QPointF(31, 15), 2.6, 2.6);
    p.setBrush(QColor(82, 132, 204));
    p.drawEllipse(QPointF(31, 15), 1.5, 1.5);

    // Mast and the spinning main rotor.
    p.setPen(inkPen(1.0));
    p.setBrush(rotor);
    p.drawRect(QRectF(36.5, 3.5, 3, 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 200, 210, 150));
    p.drawEllipse(QRectF(8, 1.5, 55, 4.5));
    p.setPen(inkPen(0.9));
    p.setBrush(rotor);
    p.drawRoundedRect(QRectF(13, 2.5, 50, 2.4), 1.2, 1.2);
    p.drawEllipse(QPointF(38, 3.7), 2, 1.6);
    return s.over(kKeyWhite);
}

} // namespace picture
