// The walk-through's building: the scene objects with their pictures, depths and sign texts, the
// figure and its marker, the objects that follow the figure, the hover tests and what a tick, a
// click or a double click leads to. Widget-free: the screen draws it and acts on its events.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "navigation/walk_figure.h"

namespace velmora {

inline constexpr int kViewWidth = 1024, kViewHeight = 768;
inline constexpr int kFigureWidth = 72, kFigureHeight = 168;
// World to screen: the figure's centre is the screen's centre.
inline constexpr int kFigureScreenX = kViewWidth / 2 - kFigureWidth / 2;    // 476
inline constexpr int kFigureScreenY = kViewHeight / 2 - kFigureHeight / 2;  // 300
// A tick of 33 ms moves the figure 28 x 0.18 world pixels on each active axis.
inline constexpr double kStepPerTick = 28 * 0.18;
inline constexpr double kTickMs = 33;
inline constexpr double kClickStep = 10 * 0.18;

struct PictureSize {
  int w = 0, h = 0;
};
using PictureSizes = std::map<std::string, PictureSize, std::less<>>;

enum class SceneRole { Plain, Door, Sign, Magnifier, Panel, Dot, ExitDoor, Bubble, FrontBand };

struct SceneObject {
  std::string picture;
  int archive = 2;
  int z = 0;
  double x = 0, y = 0;
  SceneRole role = SceneRole::Plain;
  int door = 0;                          // 1..9 for a door
  std::vector<std::vector<std::string>> texts;  // columns of lines drawn over the sign
  int points = 12;                       // the sign's font size before the adjustment
};

// What a tick, a click or a double click asks the screen to do.
enum class WalkEvent { None, OpenDoor, LeaveStudies, AskExit, LeaveToMenu };
struct WalkOutcome {
  WalkEvent event = WalkEvent::None;
  int door = 0;
  bool handCursor = false;
};

class WalkScene {
 public:
  explicit WalkScene(PictureSizes sizes);

  WalkFigure figure;
  int figureZ = 2;
  WalkState state;
  WalkDoors doors;
  std::optional<WalkMarker> marker;
  std::vector<SceneObject> objects;
  bool titleShown = true;
  bool hoverMagnifier = false, hoverExit = false, hoverPanel = false;
  std::array<bool, kDoors + 1> hoverDoor{};
  int ticks = 0;

  // One tick of `step` world pixels with the cursor at a screen point.
  WalkOutcome Tick(double step, int cursorX, int cursorY);
  WalkOutcome Click(int cursorX, int cursorY);
  void DoubleClick();
  // The module opened by the last door has closed: the figure walks back out.
  void ReturnFromDoor(int door);

  PictureSize SizeOf(const std::string& picture) const;
  // Screen position of a world point.
  double ScreenX(double worldX) const { return worldX - figure.X + kFigureScreenX; }
  double ScreenY(double worldY) const { return worldY - figure.Y + kFigureScreenY; }
  SceneObject& Object(SceneRole role);

 private:
  void Build();
  void FollowFigure();
  void HoverTests(double wx, double wy);
  bool Inside(const SceneObject& object, double wx, double wy) const;
  PictureSizes sizes_;
  double cursorX_ = kViewWidth / 2.0, cursorY_ = kViewHeight / 2.0;
  bool leaveHandled_ = false, exitHandled_ = false, menuHandled_ = false;
  std::size_t frontWallUpper_ = 0, frontWallLower_ = 0;
};

}  // namespace velmora
