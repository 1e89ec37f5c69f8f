#include "hit_table.h"

#include "source_error.h"

#include <QSaveFile>

#include <stdexcept>

QByteArray hitTableRecord(const CodeGrid& communities, const CodeGrid& comarcas, const CodeGrid& zones) {
    constexpr int kColumns = 281;
    if (communities.size() != QSize(kColumns, 196) || comarcas.size() != QSize(kColumns, 220) ||
        zones.size() != QSize(kColumns, 220))
        throw std::logic_error("hit table maps of the wrong size");
    QByteArray record;
    record.reserve(kColumns * 636 * 4);
    auto put = [&record](int value) {
        const auto v = static_cast<quint32>(value);
        for (int shift = 0; shift < 32; shift += 8)
            record.append(static_cast<char>((v >> shift) & 0xff));
    };
    for (int x = 0; x < kColumns; ++x) {
        for (const CodeGrid* grid : {&communities, &comarcas, &zones})
            for (int y = 0; y < grid->height(); ++y)
                put(grid->at(x, y));
    }
    return record;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw SourceError(path, "cannot be written (" + file.errorString() + ")");
}
