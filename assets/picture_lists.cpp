#include "assets/picture_lists.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRect>

// The resources live in this static library; naming them here makes sure the
// linker keeps them. Q_INIT_RESOURCE has to be used outside any namespace.
static void initPictureListResources()
{
    Q_INIT_RESOURCE(picture_lists);
}

namespace velmora {

namespace {

// Pure white becomes transparent, as a masked image list leaves out its
// white backdrop. The pictures use no pure white inside.
QImage keyOutWhite(const QImage& picture)
{
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((row[x] & 0x00FFFFFFu) == 0x00FFFFFFu) {
                row[x] = 0;
            }
        }
    }
    return keyed;
}

QImage onWhite(const QImage& picture)
{
    QImage opaque(picture.size(), QImage::Format_ARGB32);
    opaque.fill(Qt::white);
    QPainter p(&opaque);
    p.drawImage(0, 0, picture);
    p.end();
    return opaque;
}

// Lists are built on first use and never destroyed: pixmaps must not outlive
// the application object, and the program keeps its lists until it ends.
const PictureList* makeList(const char* strip, QSize size, bool whiteBackdrop)
{
    static const bool registered = [] {
        initPictureListResources();
        return true;
    }();
    (void)registered;
    return new PictureList(QStringLiteral(":/picture_lists/") + QString::fromLatin1(strip), size,
                           whiteBackdrop);
}

} // namespace

PictureList::PictureList(const QString& stripResource, QSize frameSize, bool whiteBackdrop)
    : resource_(stripResource), size_(frameSize), whiteBackdrop_(whiteBackdrop)
{
}

// Decoding a strip costs milliseconds: the screens ask for frame sizes when they are built, and
// the pictures only when they draw them.
void PictureList::decode() const
{
    if (decoded_) {
        return;
    }
    decoded_ = true;
    // The strips are PNG: naming the format keeps Qt from loading every image plugin to ask.
    QImageReader reader(resource_, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage strip = reader.read();
    if (strip.isNull() || size_.isEmpty() || strip.height() != size_.height()) {
        return;
    }
    const int frames = strip.width() / size_.width();
    opaque_.reserve(std::size_t(frames));
    keyed_.reserve(std::size_t(frames));
    for (int i = 0; i < frames; ++i) {
        const QImage picture = strip.copy(QRect(QPoint(i * size_.width(), 0), size_));
        opaque_.push_back(QPixmap::fromImage(onWhite(picture)));
        keyed_.push_back(QPixmap::fromImage(whiteBackdrop_ ? keyOutWhite(picture) : picture));
    }
}

int PictureList::count() const
{
    decode();
    return int(opaque_.size());
}

const QPixmap* PictureList::picture(int index, bool transparent) const
{
    decode();
    if (index < 0 || index >= int(opaque_.size())) {
        return nullptr;
    }
    return transparent ? &keyed_[std::size_t(index)] : &opaque_[std::size_t(index)];
}

QPixmap PictureList::frame(int index) const
{
    const QPixmap* stored = picture(index, !whiteBackdrop_);
    return stored ? *stored : QPixmap();
}

void PictureList::draw(QPainter& painter, int x, int y, int index, bool transparent) const
{
    if (const QPixmap* p = picture(index, transparent)) {
        painter.drawPixmap(x, y, *p);
    }
}

void PictureList::draw(QPainter& painter, const QRect& target, int index, bool transparent) const
{
    if (const QPixmap* p = picture(index, transparent)) {
        painter.drawPixmap(target, *p);
    }
}

const PictureList& ImageListIconos()
{
    static const PictureList* list = makeList("menu_icons.png", QSize(30, 30), true);
    return *list;
}

const PictureList& MenuImageList1()
{
    static const PictureList* list = makeList("menu_walker.png", QSize(56, 168), false);
    return *list;
}

const PictureList& ImageListPuerta()
{
    static const PictureList* list = makeList("menu_door.png", QSize(56, 168), false);
    return *list;
}

const PictureList& DegreesImageList1()
{
    static const PictureList* list = makeList("degree_icons.png", QSize(16, 16), false);
    return *list;
}

const PictureList& ImageListRamas()
{
    static const PictureList* list = makeList("degree_branches.png", QSize(40, 40), false);
    return *list;
}

} // namespace velmora
