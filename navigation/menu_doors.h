// The corridor of the main menu as data: which door is where, what its label and hint say,
// and the arithmetic of the walk-in, the door animation, the zoom and the help panel.
#pragma once

#include <QPoint>
#include <QRect>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct MenuDoor {
  int number;             // 1..9, 11, or kDoorCertificates for the sign
  std::string_view name;  // the label control
  QPoint position;        // the label's top-left
};

// The ten door labels and the sign, in the order of the corridor.
const std::vector<MenuDoor>& MenuDoors();
const MenuDoor* FindMenuDoor(int number);

// Caption and hint texts of a door label (Windows-1252, lines joined by line breaks).
std::string DoorCaption(int door);
std::string DoorHint(int door);

// Doors 1..6 are the upper row (tile columns 1..6); the others the lower row (column door - 5).
bool IsLowerRow(int door);
int DoorColumn(int door);
// Where the door animation starts: 170 for the upper row, 510 for the lower.
int DoorAnimationTop(int door);
// These doors hide the menu before their screen is shown; the others after.
bool HidesMenuFirst(int door);

// The door tile stretched for zoom step animStep: from ((c - 1) w - s/2, b) to (c w + s/2, b + h + s).
QRect ZoomRectangle(int door, int animStep, int tileWidth, int tileHeight);

// One tick of the walk-in: the frame to show, then x moves 8 right and the frame counter on.
// Returns the frame shown; the walk-in is over once frame has reached 8.
int WalkInTick(int& x, int& frame);
inline constexpr int kWalkInFrames = 8;

// The help panel's line filled at a step (counted before its increment): {label 1..5, text line}.
struct HelpLine {
  int label;
  int textLine;
};
std::optional<HelpLine> MenuHelpLine(int step);
inline constexpr int kMenuHelpSteps = 9;

}  // namespace velmora
