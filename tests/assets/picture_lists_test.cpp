// The picture lists compiled into the program: sizes and counts the screens
// index by, the white backdrop of the menu icons, transparency of the others,
// distinct pictures, drawing outside a list, and loading once.

#include "assets/picture_lists.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace velmora {
namespace {

struct ListCase {
    const char* name;
    std::function<const PictureList&()> list;
    int count;
    QSize size;
};

const std::vector<ListCase>& allLists()
{
    static const std::vector<ListCase> lists = {
        {"ImageListIconos", ImageListIconos, 44, QSize(30, 30)},
        {"MenuImageList1", MenuImageList1, 8, QSize(56, 168)},
        {"ImageListPuerta", ImageListPuerta, 5, QSize(56, 168)},
        {"DegreesImageList1", DegreesImageList1, 6, QSize(16, 16)},
        {"ImageListRamas", ImageListRamas, 6, QSize(40, 40)},
    };
    return lists;
}

QImage imageOf(const PictureList& list, int index)
{
    return list.frame(index).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isWhite(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

QImage canvas(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Lowest row with a visible pixel: where the picture stands.
int lowestInkRow(const QImage& image)
{
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128) {
                return y;
            }
        }
    }
    return -1;
}

TEST(PictureLists, CountsAndFrameSizesAreTheOnesTheScreensIndexBy)
{
    for (const ListCase& c : allLists()) {
        SCOPED_TRACE(c.name);
        const PictureList& list = c.list();
        EXPECT_EQ(list.count(), c.count);
        EXPECT_EQ(list.frameSize(), c.size);
        for (int i = 0; i < list.count(); ++i) {
            EXPECT_EQ(list.frame(i).size(), c.size) << "frame " << i;
        }
    }
}

TEST(PictureLists, EveryPictureIsDistinctWithinItsList)
{
    for (const ListCase& c : allLists()) {
        SCOPED_TRACE(c.name);
        const PictureList& list = c.list();
        for (int i = 0; i < list.count(); ++i) {
            for (int j = i + 1; j < list.count(); ++j) {
                EXPECT_NE(imageOf(list, i), imageOf(list, j)) << "frames " << i << " and " << j;
            }
        }
    }
}

TEST(PictureLists, IndexOutsideAListGivesNothingAndDrawsNothing)
{
    for (const ListCase& c : allLists()) {
        SCOPED_TRACE(c.name);
        const PictureList& list = c.list();
        EXPECT_TRUE(list.frame(-1).isNull());
        EXPECT_TRUE(list.frame(list.count()).isNull());

        QImage target = canvas(QSize(80, 200), Qt::red);
        const QImage before = target;
        QPainter p(&target);
        list.draw(p, 0, 0, -1, false);
        list.draw(p, 0, 0, list.count(), false);
        list.draw(p, QRect(0, 0, 20, 20), list.count() + 5, true);
        p.end();
        EXPECT_EQ(target, before);
    }
}

TEST(PictureLists, PicturesAreLoadedOnceAndShared)
{
    for (const ListCase& c : allLists()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(&c.list(), &c.list());
        EXPECT_EQ(c.list().frame(1).cacheKey(), c.list().frame(1).cacheKey());
    }
}

TEST(MenuIcons, StandOnWhiteWithAPictureInTheMiddle)
{
    const PictureList& icons = ImageListIconos();
    for (int i = 0; i < icons.count(); ++i) {
        SCOPED_TRACE(i);
        const QImage image = imageOf(icons, i);
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                EXPECT_EQ(qAlpha(pixel), 255);
                coloured += isWhite(pixel) ? 0 : 1;
            }
        }
        for (QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 29), QPoint(29, 29)}) {
            EXPECT_TRUE(isWhite(image.pixel(corner))) << corner.x() << "," << corner.y();
        }
        // Recognisable at 30 x 30: the picture covers a fair part of the box.
        EXPECT_GT(coloured, 900 / 5);
    }
}

TEST(MenuIcons, TransparentDrawingLeavesTheWhiteBackdropOut)
{
    const PictureList& icons = ImageListIconos();
    const QColor cream(255, 255, 204);
    QImage keyed = canvas(QSize(30, 30), cream);
    QImage opaque = keyed;
    {
        QPainter p(&keyed);
        icons.draw(p, 0, 0, 16, true);
    }
    {
        QPainter p(&opaque);
        icons.draw(p, 0, 0, 16, false);
    }
    EXPECT_EQ(QColor(keyed.pixel(0, 0)), cream);
    EXPECT_TRUE(isWhite(opaque.pixel(0, 0)));
    // The picture itself is drawn either way.
    EXPECT_EQ(keyed.pixel(15, 15), opaque.pixel(15, 15));
    EXPECT_NE(QColor(keyed.pixel(15, 15)), cream);
}

TEST(MenuIcons, StretchedDrawingFillsTheTarget)
{
    // The questionnaire results stretch an icon into a 25 x 20 box.
    QImage target = canvas(QSize(40, 30), Qt::black);
    {
        QPainter p(&target);
        ImageListIconos().draw(p, QRect(5, 5, 25, 20), 9, false);
    }
    EXPECT_TRUE(isWhite(target.pixel(5, 5)));
    EXPECT_TRUE(isWhite(target.pixel(29, 24)));
    EXPECT_EQ(QColor(target.pixel(31, 26)), QColor(Qt::black));
}

TEST(FigureLists, BackgroundIsTransparentAndOpaqueDrawingLaysItOnWhite)
{
    // The bottom-left corner is background in every one of these pictures
    // (the door's architrave ends above the floor shadow's last row).
    for (const PictureList* list : {&MenuImageList1(), &ImageListPuerta(), &DegreesImageList1(), &ImageListRamas()}) {
        const QPoint corner(0, list->frameSize().height() - 1);
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_EQ(qAlpha(imageOf(*list, i).pixel(corner)), 0) << "frame " << i;
        }
        QImage keyed = canvas(list->frameSize(), Qt::blue);
        QImage opaque = keyed;
        {
            QPainter p(&keyed);
            list->draw(p, 0, 0, 0, true);
        }
        {
            QPainter p(&opaque);
            list->draw(p, 0, 0, 0, false);
        }
        EXPECT_EQ(QColor(keyed.pixel(corner)), QColor(Qt::blue));
        EXPECT_TRUE(isWhite(opaque.pixel(corner)));
    }
}

TEST(Walker, StandsOnTheSameGroundInEveryFrame)
{
    // The menu only moves the figure sideways, so her soles must not jump.
    const PictureList& walker = MenuImageList1();
    const int ground = lowestInkRow(imageOf(walker, 0));
    EXPECT_GT(ground, 155);
    for (int i = 1; i < walker.count(); ++i) {
        EXPECT_NEAR(lowestInkRow(imageOf(walker, i)), ground, 2) << "frame " << i;
    }
}

TEST(Door, LeafNarrowsFrameByFrame)
{
    // Count pixels of the door's wood colour: fewer in each frame as it opens.
    const PictureList& door = ImageListPuerta();
    const auto wood = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                n += (c.red() > c.green() + 40 && c.green() > c.blue() + 30 && qAlpha(image.pixel(x, y)) == 255) ? 1 : 0;
            }
        }
        return n;
    };
    int previous = wood(imageOf(door, 0));
    EXPECT_GT(previous, 56 * 168 / 2);
    for (int i = 1; i < door.count(); ++i) {
        const int now = wood(imageOf(door, i));
        EXPECT_LT(now, previous) << "frame " << i;
        previous = now;
    }
    EXPECT_LT(previous, 56 * 168 / 10);
}

TEST(Door, StaysTheSameDoorInEveryFrame)
{
    // Only the leaf moves: the architrave's top band is identical throughout.
    const PictureList& door = ImageListPuerta();
    const QImage first = imageOf(door, 0).copy(0, 0, 56, 4);
    for (int i = 1; i < door.count(); ++i) {
        EXPECT_EQ(imageOf(door, i).copy(0, 0, 56, 4), first) << "frame " << i;
    }
}

TEST(DegreeIcons, BulletSitsInTheMiddleOfItsBox)
{
    // Lists draw it at (left + 2, top + 1) and their text 20 px in.
    const QImage bullet = imageOf(DegreesImageList1(), 3);
    int minX = 16, maxX = -1, minY = 16, maxY = -1;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (qAlpha(bullet.pixel(x, y)) > 128) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    ASSERT_GE(maxX, 0);
    EXPECT_NEAR((minX + maxX) / 2.0, 7.5, 1.0);
    EXPECT_NEAR((minY + maxY) / 2.0, 7.5, 1.0);
    EXPECT_LE(maxX - minX, 11);
}

} // namespace
} // namespace velmora
