// The student who walks into the main menu: the guide girl of the splash
// window, seen whole. Frames 0-5 are one walking step cycle to the right (the
// menu moves her 8 px a frame and may loop them), frame 6 has her stop and
// frame 7 turns her to the viewer, waving. The help panels show the same
// frames one after another while a message is typed, so her mouth opens on
// every odd frame and she seems to talk.

#include "canvas.h"
#include "picture_sets.h"
#include "girl_colours.h"
#include "sketch.h"

#include <QPainterPath>
#include <QtMath>

namespace assets {

namespace {

using picture::inkPen;
using picture::kHighlight;
using picture::kInk;

// The girl's colours, as in the splash picture.
using namespace picture;  // kSkin, kHair, ... of girl_colours.h
const QColor kJeans(76, 98, 156);
const QColor kJeansDark(62, 80, 132);
const QColor kShoe(222, 92, 82);
const QColor kEye(52, 40, 50);

constexpr qreal kGround = 164;  // the soles rest on this row
constexpr qreal kThigh = 27;
constexpr qreal kShin = 26;
constexpr qreal kUpperArm = 20;
constexpr qreal kForearm = 18;

struct SidePose {
    qreal nearLeg = 0;   // degrees from straight down, positive = forward
    qreal nearKnee = 0;  // bend of the knee, shin swung back
    qreal farLeg = 0;
    qreal farKnee = 0;
    qreal nearArm = 0;
    qreal farArm = 0;
    qreal elbow = 18;
    qreal tail = 0;      // extra swing of the ponytail
    bool mouthOpen = false;
};

QPointF along(QPointF from, qreal degrees, qreal length)
{
    const qreal r = qDegreesToRadians(degrees);
    return from + QPointF(std::sin(r) * length, std::cos(r) * length);
}

// A limb segment: a round-capped colour stroke over a wider ink one.
void limb(QPainter& p, QPointF a, QPointF b, qreal width, const QColor& colour)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(width + 2.2));
    p.drawLine(a, b);
    p.setPen(inkPen(width, colour));
    p.drawLine(a, b);
}

void shoe(QPainter& p, QPointF ankle, qreal angle)
{
    p.save();
    p.translate(ankle);
    p.rotate(angle);
    p.setPen(inkPen(1.1));
    p.setBrush(kShoe);
    p.drawRoundedRect(QRectF(-4.5, -3, 14.5, 7), 3.5, 3.5);
    p.setPen(inkPen(1.0, kHighlight));
    p.drawLine(QPointF(-3, 2.8), QPointF(8.5, 2.8));
    p.restore();
}

struct Leg {
    QPointF hip;
    QPointF knee;
    QPointF ankle;
    qreal footAngle;
};

Leg legFor(QPointF hip, qreal angle, qreal bend)
{
    const QPointF knee = along(hip, angle, kThigh);
    const qreal shinAngle = angle - bend;
    const QPointF ankle = along(knee, shinAngle, kShin);
    // The foot stays near level; a lifted, bent leg lets its toes hang a little.
    return {hip, knee, ankle, -shinAngle * 0.35 + (bend > 10 ? bend * 0.3 : 0)};
}

void drawLeg(QPainter& p, const Leg& leg, const QColor& jeans)
{
    limb(p, leg.hip, leg.knee, 9, jeans);
    limb(p, leg.knee, leg.ankle, 8, jeans);
    p.setPen(Qt::NoPen);
    p.setBrush(jeans);
    p.drawEllipse(leg.knee, 4.2, 4.2);
    shoe(p, leg.ankle, leg.footAngle);
}

void drawArm(QPainter& p, QPointF shoulder, qreal angle, qreal elbowBend, const QColor& sleeve)
{
    const QPointF elbow = along(shoulder, angle, kUpperArm);
    const QPointF wrist = along(elbow, angle + elbowBend, kForearm);
    limb(p, shoulder, elbow, 7.5, sleeve);
    limb(p, elbow, wrist, 7, sleeve);
    p.setPen(Qt::NoPen);
    p.setBrush(sleeve);
    p.drawEllipse(elbow, 3.6, 3.6);
    p.setPen(inkPen(1.0));
    p.setBrush(kSkin);
    p.drawEllipse(along(elbow, angle + elbowBend, kForearm + 2.5), 3.6, 3.6);
}

void drawMouth(QPainter& p, QPointF centre, bool open, qreal width)
{
    if (open) {
        QPainterPath mouth(centre + QPointF(-width / 2, -1));
        mouth.cubicTo(centre + QPointF(-width / 4, 0), centre + QPointF(width / 4, 0), centre + QPointF(width / 2, -1));
        mouth.cubicTo(centre + QPointF(width / 2, 4.5), centre + QPointF(-width / 2, 4.5), centre + QPointF(-width / 2, -1));
        p.setPen(inkPen(1.0));
        p.setBrush(kMouth);
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(kHighlight);
        p.drawRect(QRectF(centre.x() - width / 2 + 1.5, centre.y() - 0.7, width - 3, 1.1));
    } else {
        p.setPen(inkPen(1.1));
        p.setBrush(Qt::NoBrush);
        QPainterPath smile(centre + QPointF(-width / 2, -0.5));
        smile.cubicTo(centre + QPointF(-width / 4, 2.4), centre + QPointF(width / 4, 2.4), centre + QPointF(width / 2, -0.5));
        p.drawPath(smile);
    }
}

void drawEye(QPainter& p, QPointF c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kEye);
    p.drawEllipse(c, 2.3, 3.1);
    p.setBrush(kHighlight);
    p.drawEllipse(c + QPointF(0.8, -1.2), 0.9, 0.9);
    p.setPen(inkPen(1.1, kHair.darker(120)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 3.5, c.y() - 7.2, 7, 4), 30 * 16, 120 * 16);
}

void drawSideHead(QPainter& p, const SidePose& pose)
{
    // Drawn a little larger than life, like the splash picture.
    p.save();
    p.translate(30, 47);
    p.scale(1.1, 1.1);
    p.translate(-30, -47);
    const QPointF scrunchie(14.5, 22);
    // Ponytail hanging behind, swinging with the step.
    p.save();
    p.translate(scrunchie);
    p.rotate(pose.tail);
    QPainterPath tail(QPointF(0, -3));
    tail.cubicTo(-9, -4, -12, 10, -9, 22);
    tail.cubicTo(-9, 26, -6, 27, -4, 26);
    tail.cubicTo(-8, 16, -4, 6, 3, 2);
    tail.closeSubpath();
    p.setPen(inkPen(1.1));
    p.setBrush(kHair);
    p.drawPath(tail);
    p.setPen(inkPen(0.8, kHairLight));
    p.setBrush(Qt::NoBrush);
    QPainterPath strand(QPointF(-3, 0));
    strand.cubicTo(-9, 3, -10, 12, -8, 20);
    p.drawPath(strand);
    p.restore();

    // Neck, then the back of the hair, then the face.
    p.setPen(inkPen(1.1));
    p.setBrush(kSkin);
    p.drawRect(QRectF(26, 42, 8, 11));
    p.setBrush(kHair);
    p.drawEllipse(QPointF(27.5, 29), 16.5, 16.5);
    p.setBrush(kSkin);
    QPainterPath face(QPointF(24, 27));
    face.cubicTo(26, 20, 44, 18, 45.5, 30);
    face.cubicTo(46.5, 33, 47.5, 35, 46, 36);
    face.cubicTo(45.5, 42, 40, 47, 32, 46.5);
    face.cubicTo(26, 46, 23, 40, 23, 34);
    face.closeSubpath();
    p.drawPath(face);

    // Fringe over the forehead.
    p.setBrush(kHair);
    QPainterPath fringe(QPointF(20, 30));
    fringe.cubicTo(18, 16, 36, 8, 45, 24);
    fringe.cubicTo(43, 25, 41, 24, 40, 22.5);
    fringe.quadTo(37, 26, 33, 25);
    fringe.quadTo(30, 28, 26, 27);
    fringe.quadTo(24, 30, 20, 30);
    p.drawPath(fringe);
    p.setPen(inkPen(0.8, kHairLight));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(20, 12, 20, 14), 70 * 16, 70 * 16);

    // Ear, scrunchie, eye, cheek, nose and mouth.
    p.setPen(inkPen(1.0));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(27.5, 34), 2.6, 3.4);
    p.setPen(inkPen(0.8, kSkinShade.darker(115)));
    p.drawArc(QRectF(26.3, 32, 2.6, 4), 90 * 16, 180 * 16);
    p.setPen(inkPen(1.0));
    p.setBrush(kScrunchie);
    p.drawEllipse(scrunchie, 4, 4.5);
    drawEye(p, QPointF(39, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(kCheek);
    p.drawEllipse(QPointF(37, 39.5), 3.6, 2.3);
    drawMouth(p, QPointF(42, 41.5), pose.mouthOpen, 6);
    p.restore();
}

void drawSide(QPainter& p, const SidePose& pose)
{
    const QPointF hip(29, 97);
    const QPointF shoulder(29, 57);
    const Leg nearLeg = legFor(hip + QPointF(1, 0), pose.nearLeg, pose.nearKnee);
    const Leg farLeg = legFor(hip - QPointF(1, 0), pose.farLeg, pose.farKnee);
    // Lift the whole figure so the lower sole touches the ground.
    const qreal lowest = std::max(nearLeg.ankle.y(), farLeg.ankle.y()) + 4;
    p.translate(2, kGround - lowest);

    drawArm(p, shoulder + QPointF(-1, 0), pose.farArm, pose.elbow, kJumperDark.darker(108));
    drawLeg(p, farLeg, kJeansDark);
    drawLeg(p, nearLeg, kJeans);

    // Rucksack on her back.
    p.setPen(inkPen(1.1));
    p.setBrush(kStrap);
    p.drawRoundedRect(QRectF(8.5, 56, 13, 33), 4, 4);
    p.setBrush(kStrap.darker(110));
    p.drawRoundedRect(QRectF(8.5, 56, 13, 12), 4, 4);

    // Jumper.
    p.setBrush(kJumper);
    QPainterPath jumper(QPointF(19, 101));
    jumper.lineTo(19.5, 62);
    jumper.cubicTo(19.5, 54, 24, 51, 29, 51);
    jumper.cubicTo(35, 51, 39, 54, 39, 62);
    jumper.lineTo(40, 101);
    jumper.closeSubpath();
    p.drawPath(jumper);
    p.setPen(inkPen(1.0, kJumperDark));
    p.drawLine(QPointF(20.5, 96), QPointF(38.5, 96));
    // Shirt collar and the strap over the shoulder.
    p.setPen(inkPen(1.0));
    p.setBrush(kHighlight);
    p.drawPath([] {
        QPainterPath collar(QPointF(29, 51.5));
        collar.lineTo(37, 51);
        collar.lineTo(34, 57);
        collar.closeSubpath();
        return collar;
    }());
    p.setBrush(kStrap);
    p.drawPath([] {
        QPainterPath strap(QPointF(22, 53.5));
        strap.lineTo(27, 52.5);
        strap.lineTo(25.5, 88);
        strap.lineTo(21, 88);
        strap.closeSubpath();
        return strap;
    }());

    drawSideHead(p, pose);
    drawArm(p, shoulder, pose.nearArm, pose.elbow, kJumperDark);
}

// Facing the viewer and waving with her left hand (on the picture's right).
void drawFront(QPainter& p)
{
    p.translate(0, 2);
    // Legs and shoes.
    for (qreal x : {22.0, 34.0}) {
        limb(p, QPointF(x, 98), QPointF(x, 152), 9, kJeans);
    }
    p.setPen(inkPen(1.1));
    p.setBrush(kJeans);
    p.drawRoundedRect(QRectF(16.5, 94, 23, 14), 3, 3);
    for (qreal x : {21.0, 35.0}) {
        p.setPen(inkPen(1.1));
        p.setBrush(kShoe);
        p.drawRoundedRect(QRectF(x - 6, 151, 12, 9), 4, 4);
        p.setPen(inkPen(1.0, kHighlight));
        p.drawLine(QPointF(x - 4, 159), QPointF(x + 4, 159));
    }

    // Lowered right arm and the waving left one.
    drawArm(p, QPointF(17.5, 58), -12, 10, kJumperDark);
    const QPointF shoulder(39, 58);
    const QPointF elbow(47.5, 66);
    const QPointF wrist(50, 47);
    limb(p, shoulder, elbow, 7.5, kJumperDark);
    limb(p, elbow, wrist, 7, kJumperDark);

    // Jumper with both rucksack straps, as in the splash picture.
    p.setPen(inkPen(1.1));
    p.setBrush(kJumper);
    QPainterPath jumper(QPointF(15, 101));
    jumper.lineTo(15.5, 62);
    jumper.cubicTo(15.5, 54, 21, 51, 28, 51);
    jumper.cubicTo(35, 51, 40.5, 54, 40.5, 62);
    jumper.lineTo(41, 101);
    jumper.closeSubpath();
    p.drawPath(jumper);
    p.setPen(inkPen(1.0, kJumperDark));
    p.drawLine(QPointF(16.5, 96), QPointF(39.5, 96));
    p.setPen(inkPen(1.0));
    p.setBrush(kStrap);
    p.drawRect(QRectF(18, 54, 5, 41));
    p.drawRect(QRectF(33, 54, 5, 41));
    p.setBrush(kSkin);
    p.drawRect(QRectF(24, 44, 8, 8));
    p.setBrush(kHighlight);
    p.drawPath([] {
        QPainterPath collar(QPointF(28, 57));
        collar.lineTo(21.5, 51);
        collar.lineTo(23.5, 58.5);
        collar.closeSubpath();
        collar.moveTo(28, 57);
        collar.lineTo(34.5, 51);
        collar.lineTo(32.5, 58.5);
        collar.closeSubpath();
        return collar;
    }());
    p.setPen(inkPen(1.0));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(50.5, 44.5), 3.8, 4);
    p.setPen(inkPen(0.9, kInk));
    p.drawLine(QPointF(53.5, 38.5), QPointF(55, 36.5));
    p.drawLine(QPointF(48, 38.5), QPointF(47, 36.5));

    // Head: ponytail to the right as in the splash picture.
    p.translate(28, 47);
    p.scale(1.1, 1.1);
    p.translate(-28, -47);
    p.setPen(inkPen(1.1));
    p.setBrush(kHair);
    QPainterPath tail(QPointF(39, 17));
    tail.cubicTo(47, 10, 54, 20, 51, 32);
    tail.cubicTo(50, 37, 47.5, 39, 45, 40);
    tail.cubicTo(47, 33, 46, 25, 40.5, 22);
    tail.closeSubpath();
    p.drawPath(tail);
    QPainterPath bob(QPointF(13, 38));
    bob.cubicTo(9, 22, 17, 12, 28, 12);
    bob.cubicTo(39, 12, 47, 22, 43, 38);
    bob.cubicTo(38, 42, 18, 42, 13, 38);
    p.drawPath(bob);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(28, 32), 13.5, 14);
    p.setBrush(kHair);
    QPainterPath fringe(QPointF(14.5, 31));
    fringe.cubicTo(13, 19, 21, 16, 28, 16);
    fringe.cubicTo(35, 16, 43, 19, 41.5, 31);
    fringe.cubicTo(39.5, 26, 37, 24, 35, 23);
    fringe.quadTo(33.5, 27, 30, 27);
    fringe.quadTo(27.5, 22.5, 24, 23);
    fringe.quadTo(21.5, 27, 18.5, 27);
    fringe.quadTo(16, 28.5, 14.5, 31);
    p.drawPath(fringe);
    p.setBrush(kScrunchie);
    p.drawEllipse(QPointF(40.5, 17.5), 3.6, 3.3);
    drawEye(p, QPointF(22.5, 33));
    drawEye(p, QPointF(33.5, 33));
    p.setPen(Qt::NoPen);
    p.setBrush(kCheek);
    p.drawEllipse(QPointF(19, 39), 3.2, 2);
    p.drawEllipse(QPointF(37, 39), 3.2, 2);
    drawMouth(p, QPointF(28, 40.5), true, 7);
}

} // namespace

std::vector<QImage> drawWalker()
{
    std::vector<QImage> frames;
    frames.reserve(kWalkerFrames);
    for (int k = 0; k < kWalkerFrames; ++k) {
        Canvas canvas(kFigureSize.width(), kFigureSize.height());
        QPainter& p = canvas.painter();
        if (k < 6) {
            const qreal phase = 2 * M_PI * k / 6;
            const qreal swing = 26 * std::sin(phase);
            SidePose pose;
            pose.nearLeg = swing;
            pose.farLeg = -swing;
            pose.nearKnee = 4 + 38 * std::max<qreal>(0, std::cos(phase));
            pose.farKnee = 4 + 38 * std::max<qreal>(0, -std::cos(phase));
            pose.nearArm = -22 * std::sin(phase);
            pose.farArm = 22 * std::sin(phase);
            pose.tail = 6 * std::cos(phase);
            pose.mouthOpen = (k % 2) == 1;
            drawSide(p, pose);
        } else if (k == 6) {
            SidePose pose;
            pose.nearKnee = 2;
            pose.farKnee = 2;
            pose.nearArm = 4;
            pose.farArm = -4;
            pose.elbow = 10;
            drawSide(p, pose);
        } else {
            drawFront(p);
        }
        frames.push_back(canvas.transparent());
    }
    return frames;
}

} // namespace assets
