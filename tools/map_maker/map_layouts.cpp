#include "map_layouts.h"

#include "map_style.h"
#include "source_error.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Least squares for p = a*x + b*y + c over the given points.
std::array<double, 3> fitPlane(const std::vector<QPointF>& from, const std::vector<double>& to) {
    double m[3][4] = {};
    for (size_t i = 0; i < from.size(); ++i) {
        const double row[3] = {from[i].x(), from[i].y(), 1};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c)
                m[r][c] += row[r] * row[c];
            m[r][3] += row[r] * to[i];
        }
    }
    for (int i = 0; i < 3; ++i) {  // Gauss-Jordan with partial pivoting
        int pivot = i;
        for (int r = i + 1; r < 3; ++r)
            if (std::abs(m[r][i]) > std::abs(m[pivot][i]))
                pivot = r;
        std::swap(m[i], m[pivot]);
        for (int r = 0; r < 3; ++r) {
            if (r == i)
                continue;
            const double f = m[r][i] / m[i][i];
            for (int c = i; c < 4; ++c)
                m[r][c] -= f * m[i][c];
        }
    }
    return {m[0][3] / m[0][0], m[1][3] / m[1][1], m[2][3] / m[2][2]};
}

QPointF pixelCentre(QPoint p) { return {p.x() + 0.5, p.y() + 0.5}; }

// The drawing placed so that the point `from` lands on `to`, keeping the linear part of `base`
// scaled by `factor`.
QTransform placed(const QTransform& base, double factor, QPointF from, QPointF to) {
    const QTransform linear(base.m11() * factor, base.m12() * factor, base.m21() * factor, base.m22() * factor, 0, 0);
    return linear * QTransform::fromTranslate(to.x() - linear.map(from).x(), to.y() - linear.map(from).y());
}

QPainterPath ringShape(const QPolygonF& ring) {
    QPainterPath shape;
    shape.addPolygon(ring);
    shape.closeSubpath();
    return shape;
}

// A ring of (lon, lat) points placed through the projection and the map transform.
QPolygonF projectRing(const QPolygonF& lonLat, const GeoProjection& projection, const QTransform& transform) {
    QPolygonF ring;
    for (const QPointF& p : lonLat)
        ring.append(transform.map(projection.toSvg(p.y(), p.x())));
    return ring;
}

void drawLand(QPainter& painter, const QPainterPath& shape) {
    painter.setPen(QPen(map_style::kLandBorder, 0.8));
    painter.setBrush(map_style::kLand);
    painter.drawPath(shape);
}

// Fits the outline's bounds into the map with a margin, same scale both ways.
QTransform fitOutline(const QRectF& bounds, QSize size, double margin) {
    const double scale = std::min((size.width() - 2 * margin) / bounds.width(), (size.height() - 2 * margin) / bounds.height());
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    return QTransform::fromTranslate(-bounds.center().x(), -bounds.center().y()) * QTransform::fromScale(scale, scale) *
           QTransform::fromTranslate(centre.x(), centre.y());
}

void requireAllRegions(const CodeGrid& codes, int count, const DetailRegions& regions) {
    const auto areas = codes.areas();
    for (int code = 1; code <= count; ++code)
        if (!areas.count(code))
            throw SourceError(regions.table, QString("region %1 (%2) gets no pixel on its map; its places lie outside the outline "
                                                     "or other places are nearer everywhere")
                                                 .arg(code).arg(regions.names.at(code)));
}

// A detailed map: the outline of one community cut among its parts by nearest place, the
// other communities and the foreign land around it in the neutral colour.
BuiltMap buildDetailMap(const MapSources& sources, const QString& outlineId, const DetailRegions& regions, int count) {
    const QPainterPath& outline = sources.outlines.outline(outlineId);
    const QTransform transform = fitOutline(outline.boundingRect(), kDetailMapSize, 8);

    CodeGrid codes(kDetailMapSize);
    constexpr int kUnassigned = 255;
    codes.fill(outline, transform, kUnassigned);
    std::vector<PixelSeed> seeds;
    for (const Seed& seed : regions.seeds)
        seeds.push_back({transform.map(sources.projection.toSvg(seed.lat, seed.lon)), seed.region});
    partitionByNearestSeed(codes, kUnassigned, seeds);
    mergeStrayPieces(codes);
    requireAllRegions(codes, count, regions);

    QImage background(kDetailMapSize, QImage::Format_RGB32);
    background.fill(map_style::kSea);
    {
        QPainter painter(&background);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const auto& [name, ring] : sources.neighbours)
            drawLand(painter, ringShape(projectRing(ring, sources.projection, transform)));
        painter.setTransform(transform);
        for (const Community& c : sources.communities)
            if (c.placement != Community::Placement::Mark && c.svgId != outlineId) {
                painter.setPen(QPen(map_style::kLandBorder, 0.8 / transform.m11()));
                painter.setBrush(map_style::kLand);
                painter.drawPath(sources.outlines.outline(c.svgId));
            }
    }
    return {codes, map_style::compose(codes, background, map_style::assignFills(codes))};
}

}  // namespace

BuiltMap buildCommunityMap(const MapSources& sources) {
    const QString table = sources.file("communities.csv");
    // The mainland: an affine fit of the community centres to their fixed points.
    std::vector<QPointF> centres;
    std::vector<double> xs, ys;
    for (const Community& c : sources.communities)
        if (c.placement == Community::Placement::Fit) {
            centres.push_back(shapeCentroid(sources.outlines.outline(c.svgId)));
            xs.push_back(pixelCentre(c.anchor).x());
            ys.push_back(pixelCentre(c.anchor).y());
        }
    const auto fx = fitPlane(centres, xs);
    const auto fy = fitPlane(centres, ys);
    const QTransform mainland(fx[0], fy[0], fx[1], fy[1], fx[2], fy[2]);

    // Islands keep the mainland scale and are moved so that their largest island holds the
    // fixed point; the Canary Islands are drawn a little larger, in a box.
    constexpr double kInsetScale = 1.5;
    constexpr double kInsetMargin = 5;
    constexpr double kMarkRadius = 4.5;
    std::vector<QTransform> transforms(sources.communities.size(), mainland);
    std::vector<QRectF> insetBoxes;
    for (const Community& c : sources.communities) {
        if (c.placement != Community::Placement::Island && c.placement != Community::Placement::Inset)
            continue;
        const QPainterPath& shape = sources.outlines.outline(c.svgId);
        const double factor = c.placement == Community::Placement::Inset ? kInsetScale : 1.0;
        const QTransform t = placed(mainland, factor, shapeCentroid(largestRing(shape)), pixelCentre(c.anchor));
        transforms[static_cast<size_t>(c.code - 1)] = t;
        if (c.placement == Community::Placement::Inset)
            insetBoxes.push_back(t.mapRect(shape.boundingRect()).adjusted(-kInsetMargin, -kInsetMargin, kInsetMargin, kInsetMargin));
    }

    CodeGrid codes(kCommunityMapSize);
    for (const Community& c : sources.communities)
        if (c.placement != Community::Placement::Mark)
            codes.fill(sources.outlines.outline(c.svgId), transforms[static_cast<size_t>(c.code - 1)], c.code);

    // The North African coast is stretched so that it runs through the marks of Ceuta and Melilla,
    // which stand a little apart from their real places to be big enough to point at.
    std::vector<std::pair<QPointF, QPointF>> shifts;  // real place on the map -> mark
    for (const Community& c : sources.communities)
        if (c.placement == Community::Placement::Mark) {
            shifts.emplace_back(mainland.map(sources.projection.toSvg(c.lat, c.lon)), pixelCentre(c.anchor));
            QPainterPath dot;
            dot.addEllipse(pixelCentre(c.anchor), kMarkRadius, kMarkRadius);
            codes.fill(dot, QTransform(), c.code);
        }
    std::sort(shifts.begin(), shifts.end(), [](const auto& a, const auto& b) { return a.first.x() < b.first.x(); });
    auto warpAfrica = [&](QPointF p) {
        if (shifts.empty())
            return p;
        if (p.x() <= shifts.front().first.x())
            return p + shifts.front().second - shifts.front().first;
        for (size_t i = 1; i < shifts.size(); ++i)
            if (p.x() <= shifts[i].first.x()) {
                const auto& [a, ma] = shifts[i - 1];
                const auto& [b, mb] = shifts[i];
                const double t = (p.x() - a.x()) / (b.x() - a.x());
                return p + (ma - a) * (1 - t) + (mb - b) * t;
            }
        return p + shifts.back().second - shifts.back().first;
    };

    QImage background(kCommunityMapSize, QImage::Format_RGB32);
    background.fill(map_style::kSea);
    {
        QPainter painter(&background);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const auto& [name, ring] : sources.neighbours) {
            QPolygonF placedRing = projectRing(ring, sources.projection, mainland);
            if (name == "africa")
                for (QPointF& p : placedRing)
                    p = warpAfrica(p);
            drawLand(painter, ringShape(placedRing));
        }
        for (const QRectF& box : insetBoxes) {
            painter.setPen(QPen(map_style::kFrame, 1));
            painter.setBrush(map_style::kSea);
            painter.drawRect(QRectF(std::round(box.left()) + 0.5, std::round(box.top()) + 0.5,
                                    std::round(box.width()), std::round(box.height())));
        }
    }

    for (const Community& c : sources.communities) {
        const int found = codes.inside(c.anchor.x(), c.anchor.y()) ? codes.at(c.anchor.x(), c.anchor.y()) : -1;
        if (found != c.code)
            throw SourceError(table, QString("the point (%1, %2) of region %3 (%4) falls on region %5 of the drawing")
                                         .arg(c.anchor.x()).arg(c.anchor.y()).arg(c.code).arg(c.name).arg(found));
    }
    return {codes, map_style::compose(codes, background, map_style::assignFills(codes))};
}

// Community 9 is the one shown by comarcas, community 13 the one shown by zones.
BuiltMap buildComarcaMap(const MapSources& sources) {
    return buildDetailMap(sources, sources.communities.at(8).svgId, sources.comarcas, kComarcaCount);
}

BuiltMap buildZoneMap(const MapSources& sources) {
    return buildDetailMap(sources, sources.communities.at(12).svgId, sources.zones, kZoneCount);
}

