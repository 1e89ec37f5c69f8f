// The walk-through's figure, marker and scene: the direction a click chooses, the rules that keep
// the figure in the corridors, the frames, the door walks, the zones and the hover tests.
#include "navigation/walk_figure.h"

#include <gtest/gtest.h>

#include "core/picture_archive.h"
#include "navigation/walk_scene.h"

namespace velmora {
namespace {

constexpr double kStep = 5.04;

class WalkFigureTest : public ::testing::Test {
 protected:
  WalkFigureTest() { state.walkIn = false; }
  // A figure standing at (x, y) clicked towards the screen point.
  void ClickFrom(double x, double y, int cursorX, int cursorY) {
    figure.X = x;
    figure.Y = y;
    figure.StartWalk(cursorX, cursorY, doors, state, 1.8);
  }
  void Walk(int moves) {
    for (int m = 0; m < moves; ++m) figure.Move(kStep, doors, state);
  }
  WalkFigure figure;
  WalkState state;
  WalkDoors doors;
};

TEST_F(WalkFigureTest, TheClickAngleChoosesOneOfEightDirections) {
  struct Case {
    int cursorX, cursorY;
    bool up, down, left, right;
    int angle;
  };
  // Straight above, at the 20 and 70 degree edges (the factor is 57), far to the side, below.
  for (const Case& c : {Case{512, 100, true, false, false, false, 0}, Case{616, 100, true, false, false, true, 20},
                        Case{600, 100, true, false, false, false, 17}, Case{1000, 200, true, false, false, true, 69},
                        Case{1053, 200, false, false, false, true, 71}, Case{1000, 300, false, false, false, true, 80},
                        Case{300, 600, false, true, true, false, 44}, Case{400, 700, false, true, false, false, 19}}) {
    ClickFrom(28, -300, c.cursorX, c.cursorY);
    EXPECT_EQ(figure.angle, c.angle) << c.cursorX << "," << c.cursorY;
    EXPECT_EQ(figure.Up, c.up) << c.cursorX << "," << c.cursorY;
    EXPECT_EQ(figure.Down, c.down) << c.cursorX << "," << c.cursorY;
    EXPECT_EQ(figure.Left, c.left) << c.cursorX << "," << c.cursorY;
    EXPECT_EQ(figure.Right, c.right) << c.cursorX << "," << c.cursorY;
  }
  // At the figure's own height nothing starts, and the last angle stays.
  ClickFrom(28, -300, 900, 384);
  EXPECT_FALSE(figure.Up || figure.Down || figure.Left || figure.Right);
  EXPECT_EQ(figure.angle, 19);
}

TEST_F(WalkFigureTest, CorridorRulesStopTheFigureAtEveryCorridorsEnd) {
  struct Case {
    double x, y;
    int cursorX, cursorY;
    int moves;
    bool horizontal;  // which coordinate stops
    double stopsAt;   // the rounded position it never passes
  };
  // Right along y = -300 stops past 56; the upper hall's left end; the middle hall's sides; the
  // wall between the halls from below and from above; the top of the upper hall; the passage to
  // the bottom; the bottom area's sides.
  for (const Case& c : {Case{20, -300, 1000, 320, 40, true, 61}, Case{-400, -700, 20, 320, 80, true, -550},
                        Case{-200, -400, 20, 320, 60, true, -317}, Case{400, -400, 1000, 320, 80, true, 584},
                        Case{100, -520, 512, 20, 40, false, -553}, Case{100, -700, 512, 760, 60, false, -543},
                        Case{100, -850, 512, 20, 40, false, -902}, Case{200, -150, 512, 20, 40, false, -204},
                        Case{100, -60, 1000, 380, 60, true, 231}, Case{0, -60, 20, 380, 60, true, -157}}) {
    ClickFrom(c.x, c.y, c.cursorX, c.cursorY);
    Walk(c.moves);
    const double at = c.horizontal ? figure.X : figure.Y;
    if (c.stopsAt > (c.horizontal ? c.x : c.y))
      EXPECT_LE(at, c.stopsAt) << c.x << "," << c.y;
    else
      EXPECT_GE(at, c.stopsAt) << c.x << "," << c.y;
    EXPECT_FALSE(figure.Up || figure.Down || figure.Left || figure.Right) << c.x << "," << c.y;
  }
}

TEST_F(WalkFigureTest, FramesLastThreeMovesAndADiagonalOvershoots) {
  ClickFrom(100, -700, 1000, 100);  // up and right, far
  ASSERT_TRUE(figure.Up && figure.Right);
  figure.frameCounter = kFirstFrameCounter;
  std::vector<std::string> pictures;
  for (int m = 0; m < 31; ++m) {
    figure.Move(0.1, doors, state);
    pictures.push_back(figure.picture);
  }
  EXPECT_EQ(pictures[0], "manupder01");
  EXPECT_EQ(pictures[2], "manupder01");
  EXPECT_EQ(pictures[3], "manupder02");
  EXPECT_EQ(pictures[27], "manupder10");
  EXPECT_EQ(pictures[30], "manupder01");  // a cycle is 30 moves

  // Up and left: the figure stops only once both tests hold.
  ClickFrom(300, -700, 450, 300);
  figure.tx = 290;
  figure.ty = -700;
  Walk(30);
  EXPECT_FALSE(figure.Up || figure.Left);
  EXPECT_LE(figure.X, 280);
  EXPECT_LE(figure.Y, -730);
  EXPECT_EQ(figure.picture, "manupizq01");
}

TEST_F(WalkFigureTest, TheWalkInClimbsToTheHallAndTheZonesFollowThePosition) {
  state.walkIn = true;
  figure.X = 28;
  figure.Y = 20;
  int moves = 0;
  while (state.walkIn && moves < 500) {
    figure.Move(kStep, doors, state);
    ++moves;
  }
  EXPECT_LT(figure.Y, -167);
  EXPECT_EQ(figure.picture, "manup01");
  EXPECT_EQ(state.bubble[0], 38);

  figure.X = 800;
  figure.Y = -700;
  figure.Move(kStep, doors, state);
  EXPECT_TRUE(state.zoneLeave);
  figure.X = -140;
  figure.Y = -50;
  figure.Move(kStep, doors, state);
  EXPECT_TRUE(state.zoneExit);
  EXPECT_FALSE(state.zoneLeave);
  figure.X = 1300;
  figure.Move(kStep, doors, state);
  EXPECT_TRUE(state.bubbleLost);
}

TEST_F(WalkFigureTest, ThroughAChosenUpperDoorAndBackOut) {
  doors.rect[2] = {-324, -887, 110, 130};
  doors.rect[1] = {-549, -887, 110, 130};
  figure.X = -300;
  figure.Y = -850;
  state.chosen[2] = true;
  state.approachUpper = true;
  int moves = 0;
  while (!state.throughDoor && moves < 200) {
    figure.Move(kStep, doors, state);
    ++moves;
  }
  EXPECT_TRUE(state.throughDoor);
  EXPECT_LT(figure.Y, -887 - 150);
  EXPECT_TRUE(figure.openDoors[2]);
  state.throughDoor = false;
  state.returnUpper = true;
  moves = 0;
  while (state.returnUpper && moves < 200) {
    figure.Move(kStep, doors, state);
    ++moves;
  }
  EXPECT_FALSE(state.chosen[2]);
  EXPECT_GE(figure.Y, -887 + 100 - kStep);
}

TEST(WalkMarkerTest, TheMarkerShowsSixCirclesAndGoesAfterThirtyTwoMoves) {
  WalkMarker marker;
  std::vector<std::string> seen;
  int moves = 0;
  while (!marker.dead) {
    marker.Move();
    ++moves;
    if (seen.empty() || seen.back() != marker.picture) seen.push_back(marker.picture);
  }
  EXPECT_EQ(moves, 32);
  EXPECT_EQ(seen, (std::vector<std::string>{"circ1", "circ2", "circ3", "circ4", "circ5", "circ6"}));
}

TEST(WalkSceneTest, HoverTestsAndZonesFireOnce) {
  PictureSizes sizes = {{"puertab", {110, 130}}, {"puertaB", {110, 130}}, {"lupa", {44, 44}}, {"zoomC", {220, 93}},
                        {"puertaS", {44, 46}},  {"zoom", {1800, 360}}};
  WalkScene scene(sizes);
  scene.state.walkIn = false;
  // The mouse over door 2, the catalogue: a hand and, on a double click, the approach.
  scene.figure.X = -300;
  scene.figure.Y = -850;
  const WalkRect& door = scene.doors.rect[2];
  const int cursorX = static_cast<int>(door.x + 20 - scene.figure.X + kFigureScreenX);
  const int cursorY = static_cast<int>(door.y + 20 - scene.figure.Y + kFigureScreenY);
  WalkOutcome outcome = scene.Tick(0, cursorX, cursorY);
  EXPECT_TRUE(scene.hoverDoor[2]);
  EXPECT_TRUE(outcome.handCursor);
  scene.DoubleClick();
  EXPECT_TRUE(scene.state.chosen[2]);
  EXPECT_TRUE(scene.state.approachUpper);
  EXPECT_FALSE(scene.state.approachLower);

  // The leaving zone opens the certificates once, and again only after leaving it.
  scene.state = {};
  scene.state.walkIn = false;
  scene.figure.X = 800;
  scene.figure.Y = -700;
  EXPECT_EQ(scene.Tick(0, 512, 384).event, WalkEvent::LeaveStudies);
  EXPECT_EQ(scene.Tick(0, 512, 384).event, WalkEvent::None);
  scene.figure.X = 600;
  scene.Tick(0, 512, 384);
  scene.figure.X = 800;
  EXPECT_EQ(scene.Tick(0, 512, 384).event, WalkEvent::LeaveStudies);

  // A click in the corner panel leaves for the corridor; the first click ends the title.
  scene.figure.X = 100;
  scene.figure.Y = -400;
  scene.Tick(0, 100, 740);
  EXPECT_TRUE(scene.hoverPanel);
  EXPECT_EQ(scene.Click(100, 740).event, WalkEvent::LeaveToMenu);
  EXPECT_FALSE(scene.titleShown);
}

TEST(PictureArchiveTest, WrittenArchivesReadBackAndDamagedOnesAreRefused) {
  NamedImages pictures;
  QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::red);
  pictures["uno"] = image;
  pictures["dos"] = image.scaled(5, 4);
  const std::string bytes = WritePictureArchive(pictures);
  const auto read = ReadPictureArchive(bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->size(), 2u);
  EXPECT_EQ(read->at("dos").width, 5);
  EXPECT_EQ(read->at("dos").Image().size(), QSize(5, 4));
  std::string problem;
  for (const std::size_t cut : {std::size_t{0}, std::size_t{3}, std::size_t{9}, bytes.size() / 2, bytes.size() - 1}) {
    EXPECT_FALSE(ReadPictureArchive(bytes.substr(0, cut), &problem).has_value()) << cut;
    EXPECT_FALSE(problem.empty());
  }
  EXPECT_FALSE(ReadPictureArchive(bytes + "x", &problem).has_value());
  EXPECT_EQ(problem, "has bytes after its last picture");
  // A PNG header stating another size is refused at once; damage inside the picture data shows
  // when it is first drawn, as a picture that is not drawn.
  std::string resized = bytes;
  const std::size_t header = resized.find("IHDR");
  resized[header + 7] = 9;
  EXPECT_FALSE(ReadPictureArchive(resized).has_value());
  std::string damaged = bytes;
  damaged[damaged.size() - 20] ^= 0x5A;
  const auto partly = ReadPictureArchive(damaged);
  ASSERT_TRUE(partly.has_value());
  EXPECT_TRUE(partly->at("uno").Image().isNull());
  EXPECT_FALSE(partly->at("dos").Image().isNull());
}

}  // namespace
}  // namespace velmora
