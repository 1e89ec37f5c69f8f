// The walk-through's figure and its click marker: where a click sends the figure, the eight
// directions with their ten frames, the rules on its position that keep it in the corridors, the
// zones, the speech bubble's hint, and the walks through a chosen door and back out. Widget-free.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace velmora {

inline constexpr double kAngleFactor = 57;  // degrees per radian as the walk has always used it
inline constexpr int kFirstFrameCounter = 10, kLastFrameCounter = 68;
inline constexpr int kDoors = 9;            // 1..6 the upper row, 7..9 the lower row

struct WalkRect {
  double x = 0, y = 0, w = 0, h = 0;
};

// What the figure shares with the scene each move.
struct WalkState {
  bool walkIn = true;
  bool approachUpper = false, approachLower = false, throughDoor = false;
  bool returnUpper = false, returnLower = false;
  std::array<bool, kDoors + 1> chosen{};  // 1..9
  bool zoneLeave = false, zoneExit = false, zoneMenu = false;
  std::array<int, 4> bubble{};            // text lines shown in the bubble, 0 = none
  bool bubbleLost = false;                // the four fixed lines instead
  bool bubbleShown = false;
  double mouseWorldX = 0;                 // the mouse in world coordinates, for the lower doors
};

struct WalkDoors {
  std::array<WalkRect, kDoors + 1> rect{};  // 1..9
};

class WalkFigure {
 public:
  double X = 0, Y = 0;  // world position of the picture's top-left corner
  bool Up = false, Down = false, Left = false, Right = false;
  int tx = 0, ty = 0;   // target of the last click
  int frameCounter = kFirstFrameCounter;
  int angle = 0;
  std::string picture = "mandown01";

  // A click at the cursor (screen pixels of a 1024 x 768 view with the figure at its centre).
  void StartWalk(int cursorX, int cursorY, const WalkDoors& doors, WalkState& state, double step);
  // One move of `step` world pixels on each active axis, with every rule.
  void Move(double step, const WalkDoors& doors, WalkState& state);

  // The door pictures the last move asked for ("puer3" on chosen doors that open).
  std::array<bool, kDoors + 1> openDoors{};

 private:
  void Stop(bool& flag, const char* standing);
  void CorridorRules(int x, int y);
  void InnerRules(int x, int y);
  void Zones(int x, WalkState& state);
  static void Bubble(int x, int y, WalkState& state);
  bool TargetReached(int x, int y);
  void DoorWalks(int x, int y, const WalkDoors& doors, WalkState& state);
  void Step(double step);
  bool leaveGuard_ = false, exitGuard_ = false, menuGuard_ = false;
};

// The standing picture (frame 01) and the frame picture of a direction combination.
std::string DirectionPrefix(bool up, bool down, bool left, bool right);

// The click marker: circles 1..6 on a shared counter, then gone.
struct WalkMarker {
  double X = 0, Y = 0;
  int counter = 10;
  std::string picture = "circ1";
  bool dead = false;
  void Move();
};

}  // namespace velmora
