#include "geo_projection.h"

#include "csv_table.h"
#include "source_error.h"

GeoProjection GeoProjection::load(const QString& path) {
    const CsvTable table(path);
    if (table.rows().size() != 1)
        throw SourceError(path, "must hold exactly one row of constants");
    const auto& row = table.rows().front();
    GeoProjection projection;
    projection.scale = table.real(row, table.column("scale"));
    projection.x0 = table.real(row, table.column("x0"));
    projection.y0 = table.real(row, table.column("y0"));
    if (projection.scale <= 0)
        table.fail(row, "the scale must be positive");
    return projection;
}
