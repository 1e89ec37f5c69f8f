// The hit table file "puntos3": one record of 281 rows (one per pixel column x) of 636
// little-endian 32-bit integers: the codes of the community map for y = 1..196, then of the
// comarca map and of the zone map for y = 1..220 each.
#pragma once

#include "code_grid.h"

#include <QByteArray>
#include <QString>

QByteArray hitTableRecord(const CodeGrid& communities, const CodeGrid& comarcas, const CodeGrid& zones);

// Throws SourceError naming the output file when it cannot be written.
void writeFileAtomically(const QString& path, const QByteArray& bytes);
