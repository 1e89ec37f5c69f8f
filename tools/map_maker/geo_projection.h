// Places real positions (WGS84 degrees) on the SVG map, which is a Mercator projection:
// x = scale * lon + x0, y = y0 - scale * mercator(lat).
#pragma once

#include <QPointF>
#include <QString>

#include <cmath>
#include <numbers>

struct GeoProjection {
    double scale = 1;
    double x0 = 0;
    double y0 = 0;

    QPointF toSvg(double lat, double lon) const {
        const double rad = lat * std::numbers::pi / 180;
        const double mercator = std::log(std::tan(std::numbers::pi / 4 + rad / 2)) * 180 / std::numbers::pi;
        return {scale * lon + x0, y0 - scale * mercator};
    }

    // Reads georeference.csv; throws SourceError.
    static GeoProjection load(const QString& path);
};
