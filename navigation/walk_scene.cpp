#include "navigation/walk_scene.h"

#include <cmath>

#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {
namespace {

constexpr double kRawScale = 2.0 / 3.0;

std::string L(int line) { return std::string(TrimBothBlanks(TextLine(line))); }

}  // namespace

WalkScene::WalkScene(PictureSizes sizes) : sizes_(std::move(sizes)) {
  Build();
  figure.X = 28;
  figure.Y = 20;
  FollowFigure();
}

PictureSize WalkScene::SizeOf(const std::string& picture) const {
  const auto found = sizes_.find(picture);
  return found != sizes_.end() ? found->second : PictureSize{};
}

SceneObject& WalkScene::Object(SceneRole role) {
  for (SceneObject& object : objects)
    if (object.role == role) return object;
  return objects.front();
}

void WalkScene::Build() {
  const auto add = [this](const char* picture, int archive, int z, double rawX, double rawY, SceneRole role = SceneRole::Plain,
                          int door = 0, std::vector<std::vector<std::string>> texts = {}, int points = 12) {
    objects.push_back({picture, archive, z, rawX * kRawScale, rawY * kRawScale, role, door, std::move(texts), points});
    if (door > 0) {
      const PictureSize size = SizeOf(picture);
      doors.rect[static_cast<std::size_t>(door)] = {objects.back().x, objects.back().y, static_cast<double>(size.w),
                                                    static_cast<double>(size.h)};
    }
  };
  using R = SceneRole;
  // The walls, row by row from the top.
  for (const double x : {68, -1125, 1250}) add("paredEx", 2, 0, x, -1462);
  add("lateral1", 2, 5, 130, -1462);
  add("lateral2", 2, 4, 130, -1183);
  add("lateral1", 2, 5, 1457, -1462);
  add("lateral2", 2, 5, 1457, -1183);
  add("lateral1", 2, 5, -1249, -1462);
  add("lateral2", 2, -1, -1249, -1183);
  add("paredUp", 2, 4, -868, -1462);
  add("paredUp", 2, 4, 325, -1462);
  frontWallUpper_ = objects.size() - 1;
  add("pared", 2, 0, -868, -1332);
  add("pared", 2, 0, 325, -1332);
  for (const double x : {68, -1125, -1382, 1261, 1518}) add("paredEx", 2, 0, x, -939);
  add("lateral1", 2, 5, -770, -939);
  add("lateral2", 2, -1, -770, -660);
  add("lateral1", 2, 5, 990, -939);
  add("lateral2", 2, -1, 990, -660);
  add("paredUp2", 2, 1, 68, -939);
  add("lateralPaso", 2, 4, 68, -939);
  add("paredUp", 2, 4, 325, -939);
  add("paredUp", 2, 4, -868, -939);
  frontWallLower_ = objects.size() - 1;
  add("pared", 2, 0, -868, -809);
  add("pared", 2, 0, 325, -809);
  for (const double x : {-1171, -914, -657, 536, 793, 1050, 1307, 1564}) add("paredEx", 2, 3, x, -416);
  add("lateral1", 2, 5, -400, -416);
  add("lateral2", 2, -1, -400, -137);
  add("lateral1", 2, 5, 400, -416);
  add("lateral2", 2, -1, 400, -137);
  add("paredUp", 2, 4, -400, -416);
  add("pared", 2, 0, -400, -286);
  for (const double x : {772, 515, 258, 1, -256, -513, -770, -1027, -1284}) add("paredEx", 2, 4, x, 107);
  // The doors, the statues, the signs.
  add("puertaB", 2, 2, -165, -808, R::Door, 8);
  add("puertaB", 2, 2, 100, -808, R::Door, 7);
  add("puertaB", 2, 2, 365, -808, R::Door, 9);
  add("faraon1", 2, 4, -1100, -830);
  add("faraon2", 2, 4, 1280, -750);
  add("faraon2", 2, 4, -800, -240);
  add("faraon1", 2, 4, 760, -310);
  const std::array<double, 6> upperX = {-823, -486, -142, 372, 707, 1051};
  for (int d = 1; d <= 6; ++d) add("puertab", 2, 2, upperX[static_cast<std::size_t>(d - 1)], -1331, R::Door, d);
  add("rotulos", 2, 6, -17, -1207, R::Sign, 0, {{L(42), L(88)}, {L(42), L(44)}}, 13);
  add("rotulos", 2, 5, -160, -470, R::Sign, 0, {{L(42), L(88)}, {L(42), L(44)}}, 13);
  add("rotulo2", 2, 7, 1090, -990, R::Sign, 0, {{L(587), L(588)}});
  add("rotulo1", 2, 5, -340, 70, R::Sign, 0, {{L(54)}});
  add("rotulo2", 2, 5, 380, 70, R::Sign, 0, {{L(6)}});
  add("tabla1", 2, 5, -60, -340, R::Sign, 0, {{L(304)}});
  add("rotulo2", 2, 6, -610, -700, R::Sign, 0, {{L(511)}});
  add("rotulo1", 2, 5, 855, -700, R::Sign, 0, {{L(511)}});
  add("tabla1", 2, 5, -230, -835, R::Sign, 0, {{L(53), L(88)}});
  add("tabla1", 2, 5, 50, -835, R::Sign, 0, {{L(622), L(623)}});
  add("tabla1", 2, 5, 325, -835, R::Sign, 0, {{L(53), L(44)}});
  add("tabla1", 2, 5, -525, -850, R::Sign, 0, {{L(79)}});
  add("tabla1", 2, 5, 667, -850, R::Sign, 0, {{L(79) + " " + L(2)}});
  const std::array<double, 6> labelX = {-858, -521, -177, 337, 672, 1016};
  const std::array<std::string, 6> labels = {L(299), L(103), L(47), L(21), L(113), L(172) + " / " + L(263)};
  for (std::size_t d = 0; d < 6; ++d) add("tabla1", 2, 5, labelX[d], -1370, R::Sign, 0, {{labels[d]}});
  // What follows the figure.
  add("lupa", 1, 3, -200, -1127, R::Magnifier);
  add("zoomC", 2, 3, -200, -1127, R::Panel);
  add("diana", 1, 5, -200, -1127, R::Dot);
  add("puertaS", 1, -1, -200, -1187, R::ExitDoor);
  add("bocadillo", 2, 8, 1030, -1376, R::Bubble);
  add("zoom", 2, 3, -1700, -1700, R::FrontBand);
}

// The panel, its magnifier, exit door and dot stay in the lower-left corner of the view; the
// bubble rides beside the figure; the front band hides what lies beyond the top wall.
void WalkScene::FollowFigure() {
  SceneObject& panel = Object(SceneRole::Panel);
  panel.x = figure.X - 482;
  panel.y = figure.Y + 375;
  panel.z = 9;
  const PictureSize panelSize = SizeOf(panel.picture);
  SceneObject& magnifier = Object(SceneRole::Magnifier);
  magnifier.x = panel.x + panelSize.w;
  magnifier.y = panel.y;
  magnifier.z = 10;
  SceneObject& exitDoor = Object(SceneRole::ExitDoor);
  exitDoor.x = panel.x + panelSize.w;
  exitDoor.y = magnifier.y + SizeOf(magnifier.picture).h - 1;
  exitDoor.z = 10;
  SceneObject& dot = Object(SceneRole::Dot);
  dot.x = panel.x + 30 + figure.X / 24;
  dot.y = panel.y + 70 + figure.Y / 22;
  dot.z = 10;
  SceneObject& band = Object(SceneRole::FrontBand);
  const SceneObject& wall = objects[state.approachLower ? frontWallLower_ : frontWallUpper_];
  band.x = figure.X - 374;
  band.y = wall.y - SizeOf(band.picture).h + 10;
  SceneObject& bubble = Object(SceneRole::Bubble);
  bubble.x = figure.X + 60;
  bubble.y = figure.Y - 30;
}

bool WalkScene::Inside(const SceneObject& object, double wx, double wy) const {
  const PictureSize size = SizeOf(object.picture);
  return wx >= object.x && wx <= object.x + size.w && wy >= object.y && wy <= object.y + size.h;
}

void WalkScene::HoverTests(double wx, double wy) {
  SceneObject& magnifier = Object(SceneRole::Magnifier);
  SceneObject& exitDoor = Object(SceneRole::ExitDoor);
  magnifier.picture = "lupa";
  exitDoor.picture = "puertaS";
  hoverPanel = wx <= magnifier.x && wy >= magnifier.y;
  hoverMagnifier = Inside(magnifier, wx, wy);
  if (hoverMagnifier) magnifier.picture = "lupa2";
  hoverExit = Inside(exitDoor, wx, wy);
  if (hoverExit) exitDoor.picture = "puertaS2";
  for (SceneObject& object : objects) {
    if (object.role != SceneRole::Door) continue;
    const std::string own = object.door <= 6 ? "puertab" : "puertaB";
    object.picture = own;
    object.archive = 2;
    hoverDoor[static_cast<std::size_t>(object.door)] = Inside(object, wx, wy);
    if (hoverDoor[static_cast<std::size_t>(object.door)]) {
      object.picture = "puerta22";
      object.archive = 1;
    }
    if (figure.openDoors[static_cast<std::size_t>(object.door)]) {
      object.picture = "puer3";
      object.archive = 2;
    }
  }
}

WalkOutcome WalkScene::Tick(double step, int cursorX, int cursorY) {
  cursorX_ = cursorX;
  cursorY_ = cursorY;
  ++ticks;
  const double wx = std::lround(figure.X) + cursorX - kFigureScreenX;
  const double wy = std::lround(figure.Y) + cursorY - kFigureScreenY;
  state.mouseWorldX = wx;
  figure.Move(step, doors, state);
  if (marker) {
    marker->Move();
    if (marker->dead) marker.reset();
  }
  WalkOutcome outcome;
  if (state.walkIn) {
    figure.Move(kClickStep, doors, state);
    FollowFigure();
    return outcome;
  }
  FollowFigure();
  if (ticks % 10 == 0) {
    SceneObject& dot = Object(SceneRole::Dot);
    dot.picture = dot.picture == "diana" ? "diana2" : "diana";
  }
  if (!state.zoneLeave) leaveHandled_ = false;
  if (!state.zoneExit) exitHandled_ = false;
  if (!state.zoneMenu) menuHandled_ = false;
  HoverTests(wx, wy);
  outcome.handCursor = hoverPanel || hoverMagnifier || hoverExit;
  for (const bool door : hoverDoor) outcome.handCursor = outcome.handCursor || door;
  if (state.zoneLeave && !leaveHandled_) {
    leaveHandled_ = true;
    figure.picture = "manizq01";
    outcome.event = WalkEvent::LeaveStudies;
    return outcome;
  }
  if (state.zoneExit && !exitHandled_) {
    exitHandled_ = true;
    outcome.event = WalkEvent::AskExit;
    return outcome;
  }
  if (state.zoneMenu && !menuHandled_) {
    menuHandled_ = true;
    outcome.event = WalkEvent::LeaveToMenu;
    return outcome;
  }
  if (state.throughDoor) {
    state.throughDoor = false;
    for (const int door : {7, 8, 9, 1, 2, 3, 4, 5, 6})
      if (state.chosen[static_cast<std::size_t>(door)]) {
        outcome.event = WalkEvent::OpenDoor;
        outcome.door = door;
        break;
      }
  }
  return outcome;
}

WalkOutcome WalkScene::Click(int cursorX, int cursorY) {
  titleShown = false;
  if (hoverExit) return {WalkEvent::AskExit};
  if (hoverMagnifier || hoverPanel) return {WalkEvent::LeaveToMenu};
  cursorX_ = cursorX;
  cursorY_ = cursorY;
  figure.StartWalk(cursorX, cursorY, doors, state, kClickStep);
  figureZ = 3;
  marker = WalkMarker{cursorX + figure.X - 490, cursorY + figure.Y - 340};
  marker->Move();
  return {};
}

void WalkScene::DoubleClick() {
  for (int door = 1; door <= kDoors; ++door) {
    if (!hoverDoor[static_cast<std::size_t>(door)]) continue;
    state.chosen[static_cast<std::size_t>(door)] = true;
    (door >= 7 ? state.approachLower : state.approachUpper) = true;
    figureZ = 4;
  }
}

void WalkScene::ReturnFromDoor(int door) { (door >= 7 ? state.returnLower : state.returnUpper) = true; }

}  // namespace velmora
