// Draws the pictures and synthesises the sounds that start-up and the main
// menu load, and writes them into the data folder given with --out.

#include "media_set.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    // No display is needed: everything is painted into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--out"));
    if (at < 0 || at + 1 >= args.size() || args.size() != 3) {
        std::fprintf(stderr, "usage: velmora_picture_maker --out <folder>\n");
        return 2;
    }
    const QString error = picture::writeMediaSet(picture::buildMediaSet(), args.at(at + 1));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "velmora_picture_maker: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
