#pragma once

#include <QColor>

namespace picture {

// The guide girl's colours, shared by the splash picture and the menu's walking frames.
inline const QColor kSkin(247, 202, 168);
inline const QColor kSkinShade(232, 178, 142);
inline const QColor kHair(118, 70, 46);
inline const QColor kHairLight(146, 92, 60);
inline const QColor kJumper(72, 166, 176);
inline const QColor kJumperDark(56, 140, 152);
inline const QColor kStrap(242, 146, 72);
inline const QColor kScrunchie(240, 108, 140);
inline const QColor kCheek(244, 140, 140, 140);
inline const QColor kMouth(196, 74, 84);

} // namespace picture
