#include "svg_outlines.h"

#include "source_error.h"

#include <QFile>
#include <QPolygonF>
#include <QXmlStreamReader>

#include <cmath>
#include <stdexcept>

namespace {

class PathTokens {
public:
    explicit PathTokens(const QString& data) : data_(data) {}

    void skipSeparators() {
        while (pos_ < data_.size() && (data_[pos_].isSpace() || data_[pos_] == ','))
            ++pos_;
    }
    bool atEnd() {
        skipSeparators();
        return pos_ >= data_.size();
    }
    bool atCommand() {
        skipSeparators();
        return pos_ < data_.size() && data_[pos_].isLetter() && data_[pos_] != 'e' && data_[pos_] != 'E';
    }
    QChar command() { return data_[pos_++]; }
    QPointF pair() {
        const double x = number();  // two statements: argument order is unspecified
        const double y = number();
        return {x, y};
    }
    double number() {
        skipSeparators();
        const qsizetype start = pos_;
        if (pos_ < data_.size() && (data_[pos_] == '-' || data_[pos_] == '+'))
            ++pos_;
        bool seenDot = false;
        while (pos_ < data_.size() && (data_[pos_].isDigit() || (data_[pos_] == '.' && !seenDot))) {
            seenDot = seenDot || data_[pos_] == '.';
            ++pos_;
        }
        if (pos_ < data_.size() && (data_[pos_] == 'e' || data_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < data_.size() && (data_[pos_] == '-' || data_[pos_] == '+'))
                ++pos_;
            while (pos_ < data_.size() && data_[pos_].isDigit())
                ++pos_;
        }
        bool ok = false;
        const double value = data_.mid(start, pos_ - start).toDouble(&ok);
        if (!ok)
            throw std::invalid_argument("a number was expected at character " + std::to_string(start));
        return value;
    }

private:
    const QString& data_;
    qsizetype pos_ = 0;
};

double ringArea(const QPolygonF& ring) {
    double twice = 0;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QPointF& a = ring[i];
        const QPointF& b = ring[(i + 1) % ring.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return twice / 2;
}

}  // namespace

QPainterPath SvgOutlines::parsePathData(const QString& data) {
    QPainterPath shape;
    shape.setFillRule(Qt::OddEvenFill);  // rings inside rings are holes (enclaves)
    PathTokens tokens(data);
    QPointF current;
    QPointF ringStart;
    QChar command;
    while (!tokens.atEnd()) {
        if (tokens.atCommand())
            command = tokens.command();
        else if (command.isNull())
            throw std::invalid_argument("path data does not start with a command");
        const bool relative = command.isLower();
        const QPointF origin = relative ? current : QPointF();
        switch (command.toUpper().unicode()) {
        case 'M':
            current = origin + tokens.pair();
            shape.moveTo(current);
            ringStart = current;
            command = relative ? QChar('l') : QChar('L');  // further pairs are line-tos
            break;
        case 'L':
            current = origin + tokens.pair();
            shape.lineTo(current);
            break;
        case 'H':
            current.setX((relative ? current.x() : 0) + tokens.number());
            shape.lineTo(current);
            break;
        case 'V':
            current.setY((relative ? current.y() : 0) + tokens.number());
            shape.lineTo(current);
            break;
        case 'Z':
            shape.closeSubpath();
            current = ringStart;
            command = QChar();
            if (!tokens.atEnd() && !tokens.atCommand())
                throw std::invalid_argument("numbers after a close command");
            break;
        default:
            throw std::invalid_argument(std::string("unsupported path command ") +
                                        static_cast<char>(command.toLatin1()));
        }
    }
    return shape;
}

SvgOutlines::SvgOutlines(const QString& path) : path_(path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(path, "cannot be read (" + file.errorString() + ")");
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("path"))
            continue;
        const QString id = xml.attributes().value("id").toString();
        if (id.isEmpty())
            continue;
        try {
            paths_.insert(id, parsePathData(xml.attributes().value("d").toString()));
        } catch (const std::invalid_argument& e) {
            throw SourceError(path, "path \"" + id + "\": " + QString::fromStdString(e.what()));
        }
    }
    if (xml.hasError())
        throw SourceError(path, QString("is not valid SVG (line %1: %2)")
                                    .arg(xml.lineNumber()).arg(xml.errorString()));
    if (paths_.isEmpty())
        throw SourceError(path, "holds no outlines");
}

const QPainterPath& SvgOutlines::outline(const QString& id) const {
    const auto it = paths_.constFind(id);
    if (it == paths_.constEnd())
        throw SourceError(path_, "has no outline with id \"" + id + "\"");
    return *it;
}

QPointF shapeCentroid(const QPainterPath& shape) {
    double total = 0;
    QPointF sum;
    for (const QPolygonF& ring : shape.toSubpathPolygons()) {
        const double area = ringArea(ring);
        if (area == 0)
            continue;
        QPointF weighted;
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const QPointF& a = ring[i];
            const QPointF& b = ring[(i + 1) % ring.size()];
            const double cross = a.x() * b.y() - b.x() * a.y();
            weighted += (a + b) * cross;
        }
        const QPointF centre = weighted / (6 * area);
        total += std::abs(area);
        sum += centre * std::abs(area);
    }
    return total > 0 ? sum / total : shape.boundingRect().center();
}

QPainterPath largestRing(const QPainterPath& shape) {
    QPolygonF best;
    double bestArea = -1;
    for (const QPolygonF& ring : shape.toSubpathPolygons()) {
        const double area = std::abs(ringArea(ring));
        if (area > bestArea) {
            bestArea = area;
            best = ring;
        }
    }
    QPainterPath result;
    result.addPolygon(best);
    result.closeSubpath();
    return result;
}
