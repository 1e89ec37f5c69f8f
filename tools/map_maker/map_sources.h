// Everything the map maker reads from the source folder, checked for consistent numbering.
#pragma once

#include "geo_projection.h"
#include "svg_outlines.h"

#include <QPoint>
#include <QPolygonF>
#include <QString>

#include <map>
#include <vector>

inline constexpr int kCommunityCount = 19;
inline constexpr int kComarcaCount = 41;
inline constexpr int kZoneCount = 28;

struct Community {
    enum class Placement { Fit, Island, Inset, Mark };
    int code = 0;
    QString name;
    QString svgId;
    Placement placement = Placement::Fit;
    QPoint anchor;     // fixed point on the community map, image pixels
    double lat = 0;    // real place of a mark
    double lon = 0;
};

// A real place that belongs to one region of a detailed map.
struct Seed {
    int region = 0;
    QString name;
    double lat = 0;
    double lon = 0;
};

struct DetailRegions {
    QString table;                 // file that numbers the regions, for messages
    std::map<int, QString> names;  // region code -> name (the first place for zones)
    std::vector<Seed> seeds;
};

struct MapSources {
    QString folder;
    SvgOutlines outlines;
    GeoProjection projection;
    std::vector<Community> communities;  // index code - 1
    DetailRegions comarcas;
    DetailRegions zones;
    std::map<QString, QPolygonF> neighbours;  // outline name -> ring of (lon, lat)

    QString file(const QString& name) const { return folder + '/' + name; }
};

// Reads and checks every source; throws SourceError naming the file at fault.
MapSources loadMapSources(const QString& folder);
