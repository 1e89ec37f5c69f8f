#include "navigation/menu_doors.h"

#include <algorithm>
#include <initializer_list>

#include "core/navigation.h"
#include "core/text_table.h"

namespace velmora {
namespace {

std::string JoinLines(std::initializer_list<int> lines, bool trailingBreak = false) {
  std::string text;
  for (const int line : lines) {
    if (!text.empty()) text += '\n';
    text += TextLine(line);
  }
  if (trailingBreak) text += '\n';
  return text;
}

}  // namespace

const std::vector<MenuDoor>& MenuDoors() {
  static const std::vector<MenuDoor> doors = {
      {1, "LabelCarreras", {59, 140}},  {2, "LabelCat", {232, 132}},     {3, "LabelFpS", {410, 140}},
      {4, "LabelIti", {579, 140}},      {5, "LabelFPM", {757, 140}},     {6, "LabelFPip", {928, 140}},
      {7, "LabelProfe", {223, 539}},    {8, "LabelCuesB", {408, 523}},   {9, "LabelCuesE", {584, 523}},
      {11, "LabelAsistente", {930, 539}}, {kDoorCertificates, "LabelDejar", {926, 293}},
  };
  return doors;
}

const MenuDoor* FindMenuDoor(int number) {
  const auto& doors = MenuDoors();
  const auto found = std::ranges::find(doors, number, &MenuDoor::number);
  return found != doors.end() ? &*found : nullptr;
}

std::string DoorCaption(int door) {
  switch (door) {
    case 1: return JoinLines({84});
    case 2: return JoinLines({103});
    case 3: return JoinLines({513});
    case 4: return JoinLines({21});
    case 5: return JoinLines({512});
    case 6: return JoinLines({263});
    case 7: return std::string(TextLine(622)) + " " + std::string(TextLine(623));
    case 8: return JoinLines({8, 9, 10, 11});
    case 9: return JoinLines({8, 9, 10, 12});
    case 11: return JoinLines({6});
    case kDoorCertificates: return JoinLines({587, 588});
    default: return {};
  }
}

std::string DoorHint(int door) {
  switch (door) {
    case 1: return JoinLines({306, 551}, true);
    case 2: return JoinLines({224});
    case 3: return JoinLines({318, 316, 317});
    case 4: return JoinLines({179, 180});
    case 5: return JoinLines({113, 154, 155, 156, 157, 158, 159});
    case 6: return JoinLines({172, 263, 584});
    case 7: return JoinLines({641});
    case 8: return JoinLines({305, 301, 302});
    case 9: return JoinLines({305, 509}) + " " + std::string(TextLine(510));
    case kDoorCertificates: return JoinLines({580});
    default: return {};  // the assistant's door has no hint
  }
}

bool IsLowerRow(int door) { return door > 6; }
int DoorColumn(int door) { return IsLowerRow(door) ? door - 5 : door; }
int DoorAnimationTop(int door) { return IsLowerRow(door) ? 510 : 170; }
bool HidesMenuFirst(int door) { return door == 4 || door == 5 || door == 6 || door == 9 || door == 11; }

QRect ZoomRectangle(int door, int animStep, int tileWidth, int tileHeight) {
  const int column = DoorColumn(door);
  const int top = IsLowerRow(door) ? 305 : 0;
  const int half = animStep / 2;  // toward zero
  const QPoint topLeft((column - 1) * tileWidth - half, top);
  const QPoint bottomRight(column * tileWidth + half, top + tileHeight + animStep);
  // Corners as the drawing takes them: right and bottom edges exclusive.
  return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

int WalkInTick(int& x, int& frame) {
  const int shown = frame;
  x += 8;
  ++frame;
  if (shown == 5 && x < 120) frame = 0;
  return shown;
}

std::optional<HelpLine> MenuHelpLine(int step) {
  switch (step) {
    case 0: return HelpLine{1, 14};
    case 1: return HelpLine{2, 15};
    case 3: return HelpLine{3, 16};
    case 5: return HelpLine{4, 17};
    case 7: return HelpLine{5, 18};
    default: return std::nullopt;
  }
}

}  // namespace velmora
