// velmora_map_maker: draws the three region maps of the data folder and their hit table from
// the map sources (an SVG outline map and small tables of real places).
//   velmora_map_maker --source <data/maps> --out <data folder>
// Writes "mapa", "mapac", "mapam" (24-bit BMP) and "puntos3" into the output folder.

#include "hit_table.h"
#include "map_layouts.h"
#include "map_sources.h"
#include "source_error.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>

namespace {

QByteArray bmpBytes(const QImage& picture, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        throw SourceError(path, "could not be encoded as BMP");
    return bytes;
}

int usage() {
    std::fprintf(stderr, "usage: velmora_map_maker --source <map source folder> --out <data folder>\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");  // runs at build time, with no display
    QGuiApplication app(argc, argv);

    QString source, out;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--source" && i + 1 < args.size())
            source = args[++i];
        else if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else
            return usage();
    }
    if (source.isEmpty() || out.isEmpty())
        return usage();

    try {
        if (!QDir(source).exists())
            throw SourceError(source, "the map source folder does not exist");
        if (!QDir().mkpath(out))
            throw SourceError(out, "the output folder cannot be created");
        const MapSources sources = loadMapSources(QDir(source).absolutePath());
        const BuiltMap communities = buildCommunityMap(sources);
        const BuiltMap comarcas = buildComarcaMap(sources);
        const BuiltMap zones = buildZoneMap(sources);
        const QDir dir(out);
        writeFileAtomically(dir.filePath("mapa"), bmpBytes(communities.picture, dir.filePath("mapa")));
        writeFileAtomically(dir.filePath("mapac"), bmpBytes(comarcas.picture, dir.filePath("mapac")));
        writeFileAtomically(dir.filePath("mapam"), bmpBytes(zones.picture, dir.filePath("mapam")));
        writeFileAtomically(dir.filePath("puntos3"), hitTableRecord(communities.codes, comarcas.codes, zones.codes));
    } catch (const SourceError& e) {
        std::fprintf(stderr, "velmora_map_maker: %s\n", e.what());
        return 1;
    }
    return 0;
}
