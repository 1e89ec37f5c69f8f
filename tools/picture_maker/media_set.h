#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace picture {

// One file of the data folder: a picture (saved as 24-bit BMP whatever its
// name says) or ready-made bytes such as a wave file.
struct MediaFile {
    QString name;
    QImage image;
    QByteArray bytes;
};

// Every picture and sound start-up and the main menu load, in a fixed order.
std::vector<MediaFile> buildMediaSet();

// Encodes one file as it goes on disk.
QByteArray encode(const MediaFile& file, QString* error);

// Writes the set into folder (created when missing). Returns an empty string
// on success, otherwise a message naming what could not be written.
QString writeMediaSet(const std::vector<MediaFile>& files, const QString& folder);

} // namespace picture
