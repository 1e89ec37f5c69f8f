#include "map_sources.h"

#include "csv_table.h"
#include "source_error.h"

#include <QSet>

namespace {

std::vector<Community> loadCommunities(const QString& path, const SvgOutlines& outlines) {
    const CsvTable table(path);
    const int code = table.column("code"), name = table.column("name"), svgId = table.column("svg_id"),
              placement = table.column("placement"), x = table.column("x"), y = table.column("y"),
              lat = table.column("lat"), lon = table.column("lon");
    std::vector<Community> communities;
    int fitted = 0;
    for (const auto& row : table.rows()) {
        Community c;
        c.code = table.integer(row, code);
        if (c.code != static_cast<int>(communities.size()) + 1)
            table.fail(row, QString("region %1 found where region %2 was expected (numbering must run 1..%3)")
                                .arg(c.code).arg(communities.size() + 1).arg(kCommunityCount));
        c.name = table.text(row, name);
        c.svgId = table.text(row, svgId);
        const QString how = table.text(row, placement);
        if (how == "fit")
            c.placement = Community::Placement::Fit;
        else if (how == "island")
            c.placement = Community::Placement::Island;
        else if (how == "inset")
            c.placement = Community::Placement::Inset;
        else if (how == "mark")
            c.placement = Community::Placement::Mark;
        else
            table.fail(row, "unknown placement \"" + how + "\"");
        c.anchor = QPoint(table.integer(row, x), table.integer(row, y));
        if (c.placement == Community::Placement::Mark) {
            c.lat = table.real(row, lat);
            c.lon = table.real(row, lon);
        } else if (!outlines.contains(c.svgId)) {
            table.fail(row, "outline \"" + c.svgId + "\" is not in " + outlines.path());
        }
        fitted += c.placement == Community::Placement::Fit;
        communities.push_back(c);
    }
    if (communities.size() != kCommunityCount)
        throw SourceError(path, QString("lists %1 regions, the community map has %2")
                                    .arg(communities.size()).arg(kCommunityCount));
    if (fitted < 3)
        throw SourceError(path, "needs at least three regions placed with \"fit\"");
    return communities;
}

// Reads a region table (number, key, name, place, lat, lon); a region may have several rows
// (zones of one to three municipalities) when maxRows > 1. Every row has a key of its own.
DetailRegions loadRegions(const QString& path, const QString& numberColumn, const QString& nameColumn,
                          const QString& placeColumn, int count, int maxRows, int maxTotal) {
    const CsvTable table(path);
    const int number = table.column(numberColumn), key = table.column("key"), name = table.column(nameColumn),
              place = table.column(placeColumn), lat = table.column("lat"), lon = table.column("lon");
    DetailRegions regions;
    regions.table = path;
    std::map<int, int> rowsPerRegion;
    QSet<QString> usedKeys;
    for (const auto& row : table.rows()) {
        const int code = table.integer(row, number);
        if (code < 1 || code > count)
            table.fail(row, QString("region number %1 is outside 1..%2").arg(code).arg(count));
        const QString k = table.text(row, key);
        if (k.size() != 2)
            table.fail(row, "the key \"" + k + "\" must be two characters");
        if (++rowsPerRegion[code] > maxRows)
            table.fail(row, QString("region %1 has too many rows (at most %2)").arg(code).arg(maxRows));
        if (usedKeys.contains(k))
            table.fail(row, "the key \"" + k + "\" is used twice");
        usedKeys.insert(k);
        if (!regions.names.count(code))
            regions.names[code] = table.text(row, name);
        regions.seeds.push_back({code, table.text(row, place), table.real(row, lat), table.real(row, lon)});
    }
    for (int code = 1; code <= count; ++code)
        if (!regions.names.count(code))
            throw SourceError(path, QString("region %1 is missing (numbers must cover 1..%2)").arg(code).arg(count));
    if (static_cast<int>(table.rows().size()) > maxTotal)
        throw SourceError(path, QString("has %1 rows, at most %2 fit").arg(table.rows().size()).arg(maxTotal));
    return regions;
}

void addSeeds(DetailRegions& regions, const QString& path, const QString& numberColumn, const QString& nameColumn,
              int count) {
    const CsvTable table(path);
    const int number = table.column(numberColumn), name = table.column(nameColumn), lat = table.column("lat"),
              lon = table.column("lon");
    for (const auto& row : table.rows()) {
        const int code = table.integer(row, number);
        if (code < 1 || code > count)
            table.fail(row, QString("region number %1 is outside 1..%2").arg(code).arg(count));
        regions.seeds.push_back({code, table.text(row, name), table.real(row, lat), table.real(row, lon)});
    }
}

std::map<QString, QPolygonF> loadNeighbours(const QString& path) {
    const CsvTable table(path);
    const int outline = table.column("outline"), lat = table.column("lat"), lon = table.column("lon");
    std::map<QString, QPolygonF> rings;
    for (const auto& row : table.rows())
        rings[table.text(row, outline)].append(QPointF(table.real(row, lon), table.real(row, lat)));
    for (const auto& [name, ring] : rings)
        if (ring.size() < 3)
            throw SourceError(path, "outline \"" + name + "\" has fewer than three points");
    return rings;
}

}  // namespace

MapSources loadMapSources(const QString& folder) {
    MapSources sources{folder, SvgOutlines(folder + "/spain.svg"), GeoProjection::load(folder + "/georeference.csv"),
                       {}, {}, {}, {}};
    sources.communities = loadCommunities(sources.file("communities.csv"), sources.outlines);
    // The seeds of a partition: the capitals or zone municipalities, then further places.
    sources.comarcas = loadRegions(sources.file("catalonia_comarcas.csv"), "number", "comarca", "capital",
                                   kComarcaCount, 1, kComarcaCount);
    addSeeds(sources.comarcas, sources.file("catalonia_towns.csv"), "comarca", "town", kComarcaCount);
    sources.zones = loadRegions(sources.file("madrid_zones.csv"), "zone", "municipality", "municipality",
                                kZoneCount, 3, 100);
    addSeeds(sources.zones, sources.file("madrid_towns.csv"), "zone", "place", kZoneCount);
    sources.neighbours = loadNeighbours(sources.file("neighbours.csv"));
    return sources;
}
