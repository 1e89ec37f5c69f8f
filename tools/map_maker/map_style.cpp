#include "map_style.h"

#include <algorithm>

namespace map_style {

const std::vector<QColor>& fills() {
    static const std::vector<QColor> palette{
        QColor(0xf7, 0xe6, 0x96),  // straw
        QColor(0xc8, 0xe2, 0xa2),  // spring green
        QColor(0xf2, 0xbc, 0xc4),  // rose
        QColor(0xd6, 0xc6, 0xea),  // lilac
        QColor(0xf6, 0xc0, 0x8e),  // apricot
        QColor(0xaf, 0xde, 0xc9),  // mint
        QColor(0xe2, 0xcc, 0xa8),  // tan
    };
    return palette;
}

std::map<int, QColor> assignFills(const CodeGrid& codes) {
    std::map<int, std::set<int>> neighbours;
    for (const auto& [a, b] : codes.adjacencies()) {
        neighbours[a].insert(b);
        neighbours[b].insert(a);
    }
    const auto& palette = fills();
    auto distance = [&](int a, int b) {
        const QColor &p = palette[static_cast<size_t>(a)], &q = palette[static_cast<size_t>(b)];
        return (p.red() - q.red()) * (p.red() - q.red()) + (p.green() - q.green()) * (p.green() - q.green()) +
               (p.blue() - q.blue()) * (p.blue() - q.blue());
    };
    std::vector<long> uses(palette.size(), 0);
    std::map<int, int> choice;
    for (const auto& [code, area] : codes.areas()) {
        if (code == 0)
            continue;
        // The colour covering least so far among those clearly unlike every neighbour already
        // coloured; when none is, the one most unlike them.
        constexpr int kClearlyUnlike = 2000;  // squared RGB distance
        int best = -1, fallback = 0, fallbackDistance = -1;
        for (int c = 0; c < static_cast<int>(palette.size()); ++c) {
            int nearest = 1 << 30;
            for (const int n : neighbours[code])
                if (const auto it = choice.find(n); it != choice.end())
                    nearest = std::min(nearest, distance(c, it->second));
            if (nearest >= kClearlyUnlike && (best < 0 || uses[static_cast<size_t>(c)] < uses[static_cast<size_t>(best)]))
                best = c;
            if (nearest > fallbackDistance) {
                fallbackDistance = nearest;
                fallback = c;
            }
        }
        if (best < 0)
            best = fallback;
        choice[code] = best;
        uses[static_cast<size_t>(best)] += area;  // by area, so that no colour takes over the map
    }
    std::map<int, QColor> result;
    for (const auto& [code, c] : choice)
        result[code] = palette[static_cast<size_t>(c)];
    return result;
}

namespace {

QColor mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                            static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                            static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

}  // namespace

QImage compose(const CodeGrid& codes, const QImage& background, const std::map<int, QColor>& fillOf) {
    QImage picture = background.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < codes.height(); ++y)
        for (int x = 0; x < codes.width(); ++x) {
            const int code = codes.at(x, y);
            if (code == 0)
                continue;
            // Neighbours beyond the image edge count as the same region.
            auto other = [&](int nx, int ny) { return codes.inside(nx, ny) ? codes.at(nx, ny) : code; };
            QColor colour = fillOf.at(code);
            if (other(x - 1, y) == 0 || other(x + 1, y) == 0 || other(x, y - 1) == 0 || other(x, y + 1) == 0)
                colour = mix(colour, kOutline, 0.6);  // a tinted outline keeps small islands in their colour
            else if (other(x + 1, y) != code || other(x, y + 1) != code)
                colour = kBorder;  // one pixel wide: drawn on the left or upper side only
            picture.setPixel(x, y, colour.rgb());
        }
    return picture;
}

}  // namespace map_style
