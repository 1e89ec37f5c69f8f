// velmora_asset_maker --out DIR
//
// Draws the picture lists that the screens index into and writes one PNG strip
// per list (frames side by side, index 0 at the left) plus picture_lists.qrc,
// which lists the strips for the resource compiler.

#include "canvas.h"
#include "picture_sets.h"

#include <QDir>
#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

struct Strip {
    const char* file;
    std::vector<QImage> frames;
    QSize size;
};

bool writeStrip(const QDir& out, const Strip& strip)
{
    for (const QImage& frame : strip.frames) {
        if (frame.size() != strip.size) {
            std::fprintf(stderr, "velmora_asset_maker: %s: a frame has the wrong size\n", strip.file);
            return false;
        }
    }
    const QImage joined = assets::joinStrip(strip.frames);
    if (!joined.save(out.filePath(QString::fromLatin1(strip.file)), "PNG")) {
        std::fprintf(stderr, "velmora_asset_maker: cannot write %s\n", strip.file);
        return false;
    }
    return true;
}

bool writeResourceFile(const QDir& out, const std::vector<Strip>& strips)
{
    QSaveFile file(out.filePath(QStringLiteral("picture_lists.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    QTextStream text(&file);
    text << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/picture_lists\">\n";
    for (const Strip& strip : strips) {
        text << "  <file>" << strip.file << "</file>\n";
    }
    text << "</qresource>\n</RCC>\n";
    text.flush();
    return file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    // Everything is painted on QImage, which needs no GUI application.
    QCoreApplication app(argc, argv);

    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--out"));
    if (at < 0 || at + 1 >= args.size()) {
        std::fprintf(stderr, "usage: velmora_asset_maker --out DIR\n");
        return 2;
    }
    const QDir out(args.at(at + 1));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "velmora_asset_maker: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    // The file names are the resource names picture_lists.cpp loads.
    const std::vector<Strip> strips = {
        {"menu_icons.png", assets::drawMenuIcons(), assets::kIconSize},
        {"menu_walker.png", assets::drawWalker(), assets::kFigureSize},
        {"menu_door.png", assets::drawDoorFrames(), assets::kFigureSize},
        {"degree_icons.png", assets::drawDegreeIcons(), assets::kDegreeIconSize},
        {"degree_branches.png", assets::drawBranches(), assets::kBranchSize},
    };
    for (const Strip& strip : strips) {
        if (!writeStrip(out, strip)) {
            return 1;
        }
    }
    if (!writeResourceFile(out, strips)) {
        std::fprintf(stderr, "velmora_asset_maker: cannot write picture_lists.qrc\n");
        return 1;
    }
    return 0;
}
