// The walk-through screen over the built sample folder: a door's screen opened and the walk back
// out, the corner panel to the corridor, and the exit question.
#include "navigation/walk_through.h"

#include <gtest/gtest.h>

#include "core/common.h"
#include "core/navigation.h"
#include "core/picture_archive.h"
#include "core/text_table.h"
#include "tests/support/built_folder.h"

namespace velmora {
namespace {

class WalkThrough : public testing::BuiltFolderTest {
 protected:
  WalkThrough() {
    Navigation().mainMenu = &menu;
    SetDoorOpener(kDoorAdvice, [this] { return &advice; });
  }
  ~WalkThrough() override {
    ClearDoorOpeners();
    Navigation() = {};
  }
  QWidget menu, advice;
};

TEST_F(WalkThrough, TheSampleArchivesHoldEveryPictureTheSceneDraws) {
  const WalkPictures& pictures = LoadedWalkPictures();
  ASSERT_FALSE(pictures.figure.empty());
  Tform9 walk;
  for (const SceneObject& object : walk.Scene.objects)
    EXPECT_GT(walk.Scene.SizeOf(object.picture).w, 0) << object.picture;
  for (const char* prefix : {"manup", "mandown", "mander", "manizq", "manupder", "manupizq", "mandoder", "mandoizq"})
    for (int frame = 1; frame <= 10; ++frame) {
      const std::string name = prefix + std::string(frame < 10 ? "0" : "") + std::to_string(frame);
      ASSERT_TRUE(pictures.figure.contains(name)) << name;
      EXPECT_EQ(pictures.figure.at(name).Image().size(), QSize(kFigureWidth, kFigureHeight)) << name;
    }
  for (const char* name : {"circ6", "lupa2", "puertaS2", "diana2", "puerta22"}) EXPECT_TRUE(pictures.figure.contains(name)) << name;
  EXPECT_TRUE(pictures.building.contains("puer3"));
}

TEST_F(WalkThrough, ThroughADoorToItsScreenAndBackOut) {
  AnimationOn = true;
  Tform9 walk;
  EXPECT_EQ(Navigation().walkThrough, &walk);
  walk.show();
  EXPECT_TRUE(walk.DXTimer.isActive());
  walk.Scene.state.walkIn = false;
  walk.Scene.state.chosen[kDoorAdvice] = true;
  walk.Scene.state.throughDoor = true;
  walk.DXTimerTimer();
  EXPECT_TRUE(walk.isHidden());
  EXPECT_TRUE(advice.isVisible());
  EXPECT_FALSE(walk.DXTimer.isActive());
  EXPECT_EQ(walk.OpenedDoor, kDoorAdvice);
  // The advice screen's back button shows the walk-through again: the figure walks back out.
  LeaveModule(&advice);
  EXPECT_TRUE(walk.isVisible());
  EXPECT_TRUE(walk.Scene.state.returnLower);
  EXPECT_TRUE(walk.DXTimer.isActive());

  // The corner panel leads to the corridor, which the later back buttons return to.
  walk.LeaveToMenu();
  EXPECT_FALSE(AnimationOn);
  EXPECT_TRUE(menu.isVisible());
  EXPECT_TRUE(walk.isHidden());
}

TEST_F(WalkThrough, ClosingAsksTheExitQuestionAndNoWalksOn) {
  Tform9 walk;
  walk.show();
  EXPECT_FALSE(walk.close());
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions.front(), TextLine(49));
  EXPECT_TRUE(walk.isVisible());
  EXPECT_TRUE(walk.DXTimer.isActive());
}

}  // namespace
}  // namespace velmora
