#include "navigation/walk_figure.h"

#include <cmath>
#include <cstdlib>

namespace velmora {
namespace {

constexpr int kScreenCentreX = 512, kScreenCentreY = 384;
constexpr int kUpperDoorRef = 1, kLowerDoorRef = 8;

int Round(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

std::string DirectionPrefix(bool up, bool down, bool left, bool right) {
  if (up && right) return "manupder";
  if (up && left) return "manupizq";
  if (down && right) return "mandoder";
  if (down && left) return "mandoizq";
  if (up) return "manup";
  if (down) return "mandown";
  if (right) return "mander";
  if (left) return "manizq";
  return {};
}

void WalkFigure::Stop(bool& flag, const char* standing) {
  flag = false;
  picture = standing;
}

void WalkFigure::StartWalk(int cursorX, int cursorY, const WalkDoors& doors, WalkState& state, double step) {
  Up = Down = Left = Right = false;
  const int x = Round(X), y = Round(Y);
  tx = cursorX + x - kScreenCentreX;
  ty = cursorY + y - kScreenCentreY;
  const int dx = std::abs(cursorX - kScreenCentreX), dy = std::abs(cursorY - kScreenCentreY);
  if (dy != 0) angle = Round(std::atan(static_cast<double>(dx) / dy) * kAngleFactor);
  if (ty != y) {
    bool& vertical = ty > y ? Down : Up;
    if (angle < 20) {
      vertical = true;
    } else if (angle > 70) {
      if (tx > x) Right = true;
      if (tx < x) Left = true;
    } else {
      vertical = true;
      if (tx > x) Right = true;
      if (tx < x) Left = true;
    }
  }
  // Each direction taken shows its standing picture and makes a first short move.
  const std::array<std::pair<bool*, const char*>, 4> standing = {
      {{&Up, "manup01"}, {&Down, "mandown01"}, {&Right, "mander01"}, {&Left, "manizq01"}}};
  for (const auto& [flag, name] : standing)
    if (*flag) {
      picture = name;
      Move(step, doors, state);
    }
}

// The corridors' walls as limits on the position, whatever the figure is doing.
void WalkFigure::CorridorRules(int x, int y) {
  if (x < -545 && Left) Stop(Left, "manizq01");
  if (x >= -13 && Y <= -897 && Right) Stop(Right, "mander01");
  if (Y >= -663 && Y <= -200 && x < -312 && Left) Stop(Left, "manizq01");
  if (x > 579 && Y >= -549 && Y <= -200 && Right) Stop(Right, "mander01");
  if (y >= -417 && y < -123 && (x < -2 || x > 59)) {
    if (y < -199 && Down) Stop(Down, "mandown01");
    if (y >= -199 && Up) Stop(Up, "manup01");
  }
  if (y >= -766 && y < -472 && (x < -329 || x > 550 || (x >= -247 && x <= 468))) {
    if (y < -548 && Down) Stop(Down, "mandown01");
    if (y >= -548 && Up) Stop(Up, "manup01");
  }
  if (y < -821) {
    if (y < -897 && Down) Stop(Down, "mandown01");
    if (y >= -897 && Up) Stop(Up, "manup01");
  }
}

// The passages' sides, which the walk-in does not meet.
void WalkFigure::InnerRules(int x, int y) {
  if (y >= -313 && y < -126) {
    if (x < 1 && Left) Stop(Left, "manizq01");
    if (x > 56 && Right) Stop(Right, "mander01");
  }
  if (y >= -662 && y < -498) {
    if (x >= -254 && x < -240 && Right) Stop(Right, "mander01");
    if (x > 470 && x <= 484 && Left) Stop(Left, "manizq01");
    if (x > 547 && Right) Stop(Right, "mander01");
  }
  if (y >= -1011 && y < -824 && x >= -454 && x < -440 && Right) Stop(Right, "mander01");
  if (y >= -200) {
    if (x < -152 && Left) Stop(Left, "manizq01");
    if (x > 226 && Right) Stop(Right, "mander01");
  }
  if (y > 52) Down = false;
}

void WalkFigure::Zones(int x, WalkState& state) {
  state.zoneLeave = x >= 740;
  state.zoneExit = X < -120 && Y > -100;
  state.zoneMenu = X > 200 && Y > -100;
}

void WalkFigure::Bubble(int x, int y, WalkState& state) {
  state.bubble = {};
  state.bubbleLost = false;
  state.bubbleShown = false;
  if (y >= -173) state.bubble = {38, 448, 449, 640};
  if (y >= -520 && y < -389 && x >= -70 && x <= 200) state.bubble = {450, 451, 452, 453};
  if (y >= -850 && y < -599 && ((x >= -450 && x < -249) || (x > 399 && x <= 600))) state.bubble = {454, 455, 456, 414};
  if (x > 1200) {
    state.bubble = {};
    state.bubbleLost = true;
  }
  state.bubbleShown = state.bubbleLost || state.bubble[0] != 0;
}

bool WalkFigure::TargetReached(int x, int y) {
  const bool upDone = y <= ty - 30, downDone = y >= ty - 30;
  const bool leftDone = x <= tx - 10, rightDone = x >= tx - 10;
  const auto stopAll = [this](const char* standing) {
    Up = Down = Left = Right = false;
    picture = standing;
    return true;
  };
  const bool vertical = Up || Down, horizontal = Left || Right;
  if (Up && !horizontal && upDone) return stopAll("manup01");
  if (Down && !horizontal && downDone) return stopAll("mandown01");
  if (Left && !vertical && leftDone) return stopAll("manizq01");
  if (Right && !vertical && rightDone) return stopAll("mander01");
  if (Up && Right && rightDone && upDone) return stopAll("manupder01");
  if (Up && Left && leftDone && upDone) return stopAll("manupizq01");
  if (Down && Right && rightDone && downDone) return stopAll("mandoder01");
  if (Down && Left && leftDone && downDone) return stopAll("mandoizq01");
  return false;
}

void WalkFigure::DoorWalks(int x, int y, const WalkDoors& doors, WalkState& state) {
  openDoors = {};
  const auto within = [x](const WalkRect& door) { return door.x < x && x < door.x + door.w - 50; };
  if (state.approachUpper) {
    for (int d = 1; d <= 6; ++d)
      if (state.chosen[static_cast<std::size_t>(d)] && within(doors.rect[static_cast<std::size_t>(d)])) {
        Up = true;
        Left = Right = false;
        for (int o = 1; o <= 6; ++o) openDoors[static_cast<std::size_t>(o)] = state.chosen[static_cast<std::size_t>(o)];
      }
    if (y < doors.rect[kUpperDoorRef].y - 150) {
      state.approachUpper = false;
      state.throughDoor = true;
    }
  }
  if (state.returnUpper) {
    if (y < doors.rect[kUpperDoorRef].y + 100) {
      Up = false;
      Down = true;
      for (int o = 1; o <= 6; ++o) openDoors[static_cast<std::size_t>(o)] = state.chosen[static_cast<std::size_t>(o)];
    } else {
      for (int o = 1; o <= 6; ++o) state.chosen[static_cast<std::size_t>(o)] = false;
      state.returnUpper = false;
    }
  }
  if (state.approachLower) {
    const WalkRect& reference = doors.rect[kLowerDoorRef];
    bool underAny = false;
    for (int d = 7; d <= kDoors; ++d) underAny = underAny || within(doors.rect[static_cast<std::size_t>(d)]);
    if (y < reference.y + reference.h && std::abs(state.mouseWorldX - x) <= 70 && underAny) {
      Up = true;
      Left = Right = false;
      for (int o = 7; o <= kDoors; ++o) openDoors[static_cast<std::size_t>(o)] = state.chosen[static_cast<std::size_t>(o)];
    }
    if (y < reference.y - 150) {
      state.approachLower = false;
      state.throughDoor = true;
    }
  }
  if (state.returnLower) {
    if (y < doors.rect[kLowerDoorRef].y + 100) {
      Up = false;
      Down = true;
      for (int o = 7; o <= kDoors; ++o) openDoors[static_cast<std::size_t>(o)] = state.chosen[static_cast<std::size_t>(o)];
    } else {
      for (int o = 7; o <= kDoors; ++o) state.chosen[static_cast<std::size_t>(o)] = false;
      state.returnLower = false;
    }
  }
}

void WalkFigure::Step(double step) {
  if (!(Up || Down || Left || Right)) return;
  if (Up) Y -= step;
  if (Down) Y += step;
  if (Right) X += step;
  if (Left) X -= step;
  // Each frame lasts three moves: the counter runs 10, 12, ... 68 and frame k shows at 10 + 6(k - 1).
  if ((frameCounter - kFirstFrameCounter) % 6 == 0) {
    const int frame = (frameCounter - kFirstFrameCounter) / 6 + 1;
    picture = DirectionPrefix(Up, Down, Left, Right) + (frame < 10 ? "0" : "") + std::to_string(frame);
  }
  frameCounter += 2;
  if (frameCounter > kLastFrameCounter) frameCounter = kFirstFrameCounter;
}

void WalkFigure::Move(double step, const WalkDoors& doors, WalkState& state) {
  int x = Round(X), y = Round(Y);
  CorridorRules(x, y);
  Zones(x, state);
  Bubble(x, y, state);
  if (state.walkIn) {
    Y -= 2;
    if (Y < -167) state.walkIn = false;
    picture = "manup01";
    return;
  }
  InnerRules(x, y);
  TargetReached(x, y);
  DoorWalks(x, y, doors, state);
  Step(step);
}

void WalkMarker::Move() {
  counter += 5;
  if (counter >= 110 && counter <= 160 && counter % 10 == 0) picture = "circ" + std::to_string((counter - 100) / 10);
  if (counter >= 170) dead = true;
}

}  // namespace velmora
