#pragma once

// The pictures of each list, in index order. Sizes and counts are the ones the
// screens rely on; assets/picture_lists.cpp keeps the same figures.

#include <QImage>
#include <QPainter>
#include <QSize>

#include <vector>

namespace assets {

// Main menu icons: flat pictures on opaque white.
inline constexpr QSize kIconSize(30, 30);
inline constexpr int kIconCount = 44;
std::vector<QImage> drawMenuIcons();
// One icon painted at the painter's origin in a 30 x 30 box (reused, scaled,
// by the branch pictures).
void paintMenuIcon(QPainter& painter, int index);

// The walking student (also the help character's frames) and the opening door,
// both on a transparent background.
inline constexpr QSize kFigureSize(56, 168);
inline constexpr int kWalkerFrames = 8;
inline constexpr int kDoorFrames = 5;
std::vector<QImage> drawWalker();
std::vector<QImage> drawDoorFrames();

// Degrees screen: small tree and list icons, and the branch pictures.
inline constexpr QSize kDegreeIconSize(16, 16);
inline constexpr int kDegreeIconCount = 6;
inline constexpr QSize kBranchSize(40, 40);
inline constexpr int kBranchCount = 6;
std::vector<QImage> drawDegreeIcons();
std::vector<QImage> drawBranches();

} // namespace assets
