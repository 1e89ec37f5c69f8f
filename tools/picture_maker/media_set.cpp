#include "media_set.h"

#include "corridor.h"
#include "figures.h"
#include "screens.h"
#include "sketch.h"
#include "sounds.h"
#include "walk_pictures.h"

#include "core/picture_archive.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

namespace picture {

std::vector<MediaFile> buildMediaSet()
{
    const QImage tile = drawDoorTile();
    const QImage corridor = tileCorridor(tile);
    std::vector<MediaFile> files;
    files.push_back({"chica.bmp", drawGirl(), {}});
    files.push_back({"parte", tile, {}});
    files.push_back({"heli.bmp", drawHelicopter(), {}});
    files.push_back({"suelo", drawFloorTile(), {}});
    files.push_back({"marcod", drawFrameSide(false), {}});
    files.push_back({"marcoi", drawFrameSide(true), {}});
    files.push_back({"marcoar", drawFrameTop(), {}});
    files.push_back({"rotulon.bmp", drawSign(corridor), {}});
    files.push_back({"imagen", drawBookshelf(corridor), {}});
    files.push_back({"imagen2", drawNoticeBoard(corridor), {}});
    files.push_back({"tecla.wav", {}, encodeWave(synthKeyClick())});
    files.push_back({"motor.wav", {}, encodeWave(synthEngine())});
    // The walk-through's two archives of named pictures.
    for (const auto& [name, pictures] : {std::pair{"segdxg1.DXG", drawWalkFigureArchive()},
                                         std::pair{"romanico.DXG", drawWalkBuildingArchive()}}) {
        const std::string bytes = velmora::WritePictureArchive(velmora::NamedImages(pictures.begin(), pictures.end()));
        files.push_back({name, {}, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))});
    }
    return files;
}

QByteArray encode(const MediaFile& file, QString* error)
{
    if (file.image.isNull()) {
        return file.bytes;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!toRgb24(file.image).save(&buffer, "BMP")) {
        *error = QStringLiteral("cannot encode %1 as BMP").arg(file.name);
        return {};
    }
    return bytes;
}

QString writeMediaSet(const std::vector<MediaFile>& files, const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("cannot create folder %1").arg(folder);
    }
    const QDir dir(folder);
    for (const MediaFile& file : files) {
        QString error;
        const QByteArray bytes = encode(file, &error);
        if (!error.isEmpty()) {
            return error;
        }
        const QString path = dir.filePath(file.name);
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            return QStringLiteral("cannot write %1: %2").arg(path, out.errorString());
        }
    }
    return {};
}

} // namespace picture
