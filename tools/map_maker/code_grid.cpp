#include "code_grid.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr std::array<std::pair<int, int>, 4> kSteps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

}  // namespace

void CodeGrid::fill(const QPainterPath& shape, const QTransform& transform, int code) {
    // Draw into a scratch image (code in the red channel, 255 in green marks painted pixels).
    QImage scratch(size_, QImage::Format_RGB32);
    scratch.fill(Qt::black);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setTransform(transform);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 255, 0));
        painter.drawPath(shape);
    }
    for (int y = 0; y < height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < width(); ++x)
            if (qGreen(line[x]) == 255)
                set(x, y, code);
    }
}

std::map<int, int> CodeGrid::areas() const {
    std::map<int, int> result;
    for (const auto code : codes_)
        ++result[code];
    return result;
}

std::set<std::pair<int, int>> CodeGrid::adjacencies() const {
    std::set<std::pair<int, int>> result;
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x) {
            const int a = at(x, y);
            if (a == 0)
                continue;
            if (x + 1 < width() && at(x + 1, y) != 0 && at(x + 1, y) != a)
                result.insert(std::minmax(a, at(x + 1, y)));
            if (y + 1 < height() && at(x, y + 1) != 0 && at(x, y + 1) != a)
                result.insert(std::minmax(a, at(x, y + 1)));
        }
    return result;
}

void partitionByNearestSeed(CodeGrid& grid, int maskCode, const std::vector<PixelSeed>& seeds) {
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            if (grid.at(x, y) != maskCode)
                continue;
            const QPointF centre(x + 0.5, y + 0.5);
            double best = std::numeric_limits<double>::max();
            int code = 0;
            for (const auto& seed : seeds) {
                const QPointF d = seed.position - centre;
                const double distance = d.x() * d.x() + d.y() * d.y();
                if (distance < best) {
                    best = distance;
                    code = seed.code;
                }
            }
            grid.set(x, y, code);
        }
}

void mergeStrayPieces(CodeGrid& grid) {
    const int w = grid.width(), h = grid.height();
    for (bool changed = true; changed;) {
        changed = false;
        // Label the 4-connected pieces of every code.
        std::vector<int> piece(static_cast<size_t>(w * h), -1);
        struct Piece {
            int code;
            std::vector<std::pair<int, int>> pixels;
            std::map<int, int> border;  // neighbouring code -> touching pixel pairs
        };
        std::vector<Piece> pieces;
        for (int y0 = 0; y0 < h; ++y0)
            for (int x0 = 0; x0 < w; ++x0) {
                if (grid.at(x0, y0) == 0 || piece[static_cast<size_t>(y0 * w + x0)] >= 0)
                    continue;
                Piece p{grid.at(x0, y0), {}, {}};
                const int id = static_cast<int>(pieces.size());
                std::vector<std::pair<int, int>> stack{{x0, y0}};
                piece[static_cast<size_t>(y0 * w + x0)] = id;
                while (!stack.empty()) {
                    const auto [x, y] = stack.back();
                    stack.pop_back();
                    p.pixels.emplace_back(x, y);
                    for (const auto& [dx, dy] : kSteps) {
                        const int nx = x + dx, ny = y + dy;
                        if (!grid.inside(nx, ny) || grid.at(nx, ny) == 0)
                            continue;
                        if (grid.at(nx, ny) != p.code) {
                            ++p.border[grid.at(nx, ny)];
                        } else if (piece[static_cast<size_t>(ny * w + nx)] < 0) {
                            piece[static_cast<size_t>(ny * w + nx)] = id;
                            stack.emplace_back(nx, ny);
                        }
                    }
                }
                pieces.push_back(std::move(p));
            }
        std::map<int, size_t> largest;  // code -> size of its largest piece
        for (const auto& p : pieces)
            largest[p.code] = std::max(largest[p.code], p.pixels.size());
        for (const auto& p : pieces) {
            if (p.pixels.size() == largest[p.code] || p.border.empty())
                continue;
            const auto target = std::max_element(p.border.begin(), p.border.end(),
                                                 [](const auto& a, const auto& b) { return a.second < b.second; });
            for (const auto& [x, y] : p.pixels)
                grid.set(x, y, target->first);
            changed = true;
        }
    }
}
