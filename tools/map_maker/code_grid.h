// The index picture of a map: one region code per pixel (0 = no region). The coloured bitmap
// and the hit table are both derived from it, so they always agree.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QSize>
#include <QTransform>

#include <cstdint>
#include <map>
#include <set>
#include <vector>

class CodeGrid {
public:
    explicit CodeGrid(QSize size) : size_(size), codes_(static_cast<size_t>(size.width() * size.height()), 0) {}

    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    QSize size() const { return size_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
    int at(int x, int y) const { return codes_[index(x, y)]; }
    void set(int x, int y, int code) { codes_[index(x, y)] = static_cast<std::uint8_t>(code); }

    // Fills the shape (drawn through the transform, no antialiasing: a pixel belongs to the
    // shape when its centre does) with the code, over whatever is there.
    void fill(const QPainterPath& shape, const QTransform& transform, int code);

    // Pixels per code, 0 included.
    std::map<int, int> areas() const;
    // Pairs of different non-zero codes that touch (4-neighbours), smaller code first.
    std::set<std::pair<int, int>> adjacencies() const;

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y * width() + x); }
    QSize size_;
    std::vector<std::uint8_t> codes_;
};

struct PixelSeed {
    QPointF position;  // image coordinates
    int code;
};

// Gives every pixel that holds `maskCode` the code of its nearest seed (distance measured from
// the pixel centre), the partition of a region among its parts.
void partitionByNearestSeed(CodeGrid& grid, int maskCode, const std::vector<PixelSeed>& seeds);

// A part cut into pieces by the outline keeps its largest piece; each other piece that touches
// another part joins the part it borders most. Pieces that touch no other part (exclaves) stay.
void mergeStrayPieces(CodeGrid& grid);
