#pragma once

// The picture lists the screens draw by index (0 = the first picture). They
// are compiled into the program and loaded on first use, once; a QGuiApplication
// must exist by then.

#include <QPixmap>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;
class QRect;

namespace velmora {

class PictureList {
public:
    // The strip holds the pictures side by side. A list on a white backdrop
    // treats pure white as its background; the others carry transparency.
    PictureList(const QString& stripResource, QSize frameSize, bool whiteBackdrop);

    int count() const;
    QSize frameSize() const { return size_; }
    // The picture as stored (on white, or transparent); null outside the list.
    QPixmap frame(int index) const;
    // Draws the picture with its top-left corner at (x, y), or stretched into
    // target. Transparent lets the background show through; otherwise the
    // picture's rectangle is laid on white. An index outside the list draws nothing.
    void draw(QPainter& painter, int x, int y, int index, bool transparent = true) const;
    void draw(QPainter& painter, const QRect& target, int index, bool transparent = true) const;

private:
    const QPixmap* picture(int index, bool transparent) const;
    void decode() const;

    QString resource_;
    QSize size_;
    bool whiteBackdrop_;
    mutable bool decoded_ = false;
    mutable std::vector<QPixmap> opaque_;
    mutable std::vector<QPixmap> keyed_;
};

// Main menu: 44 icons of 30 x 30 on white that other screens use in their lists.
const PictureList& ImageListIconos();
// Main menu: the walking student, 8 frames of 56 x 168 (0-5 walking right,
// 6 stopping, 7 facing the viewer); also the help character's talking frames.
const PictureList& MenuImageList1();
// Main menu: the door opening, 5 frames of 56 x 168 (0 closed, 4 open).
const PictureList& ImageListPuerta();
// Degrees screen, 16 x 16: 0 open group, 1 degree, 2 chosen degree, 3 bullet,
// 4 group, 5 university.
const PictureList& DegreesImageList1();
// Degrees screen, 40 x 40 branches of knowledge: 0 Artes y Humanidades,
// 1 Ciencias Sociales y Jurídicas, 2 Ciencias de la Salud, 3 all degrees,
// 4 Ingeniería y Arquitectura, 5 Ciencias.
const PictureList& ImageListRamas();

} // namespace velmora
