// The region outlines of an SVG map: every <path> with an id, as a filled shape in the
// drawing's own units. Only straight segments (M, L, H, V, Z) are understood, which is all
// that outline maps use; anything else is reported as an error.
#pragma once

#include <QMap>
#include <QPainterPath>
#include <QPointF>
#include <QString>

class SvgOutlines {
public:
    // Throws SourceError when the file is missing, malformed or uses curves.
    explicit SvgOutlines(const QString& path);

    bool contains(const QString& id) const { return paths_.contains(id); }
    // Throws SourceError when the id is absent.
    const QPainterPath& outline(const QString& id) const;
    const QString& path() const { return path_; }

    // Parses path data; throws std::invalid_argument with a short reason.
    static QPainterPath parsePathData(const QString& data);

private:
    QString path_;
    QMap<QString, QPainterPath> paths_;
};

// Area-weighted centre of a shape's closed rings (all rings counted as solid).
QPointF shapeCentroid(const QPainterPath& shape);
// The ring of largest area, as a shape of its own.
QPainterPath largestRing(const QPainterPath& shape);
