#include "core/navigation.h"

#include <QWidget>
#include <gtest/gtest.h>

#include "core/module_screen.h"
#include "core/yes_no_dialog.h"
#include "navigation/menu_doors.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

TEST(MenuDoors, RowsColumnsAndTheZoomRectangles) {
  EXPECT_FALSE(IsLowerRow(6));
  EXPECT_TRUE(IsLowerRow(7));
  EXPECT_EQ(DoorColumn(3), 3);
  EXPECT_EQ(DoorColumn(7), 2);  // door 7 starts the lower row at column 2
  EXPECT_EQ(DoorColumn(11), 6);
  EXPECT_EQ(DoorAnimationTop(5), 170);
  EXPECT_EQ(DoorAnimationTop(8), 510);
  // Door 7 at zoom step 15: from (174 - 7, 305) to (348 + 7, 305 + 305 + 15).
  EXPECT_EQ(ZoomRectangle(7, 15, 174, 305), QRect(QPoint(167, 305), QPoint(354, 624)));
  EXPECT_EQ(ZoomRectangle(1, 100, 174, 305), QRect(QPoint(-50, 0), QPoint(223, 404)));
  for (int door : {4, 5, 6, 9, 11}) EXPECT_TRUE(HidesMenuFirst(door)) << door;
  for (int door : {1, 2, 3, 7, 8}) EXPECT_FALSE(HidesMenuFirst(door)) << door;
  EXPECT_EQ(MenuDoors().size(), 11u);
  EXPECT_EQ(FindMenuDoor(7)->position, QPoint(223, 539));
  EXPECT_EQ(FindMenuDoor(10), nullptr);  // door 10 has no label
}

TEST(MenuDoors, WalkInFramesAndHelpPanelSteps) {
  int x = 100;
  int frame = 0;
  std::vector<int> shown;
  while (frame < kWalkInFrames) shown.push_back(WalkInTick(x, frame));
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(x, 164);
  // Still left of 120 after frame 5: the walk starts over.
  x = 40;
  frame = 5;
  WalkInTick(x, frame);
  EXPECT_EQ(frame, 0);

  std::vector<std::pair<int, int>> lines;
  for (int step = 0; step < kMenuHelpSteps; ++step)
    if (const auto line = MenuHelpLine(step)) lines.emplace_back(line->label, line->textLine);
  EXPECT_EQ(lines, (std::vector<std::pair<int, int>>{{1, 14}, {2, 15}, {3, 16}, {4, 17}, {5, 18}}));
}

class Navigating : public ::testing::Test, public testing::CommonStateTest {
 protected:
  Navigating() {
    Navigation() = {&menu, &walkThrough, &assistant};
    module.show();
  }
  ~Navigating() override {
    Navigation() = {};
    ClearDoorOpeners();
  }
  QWidget menu, walkThrough, assistant, module;
};

TEST_F(Navigating, TheBackRuleInItsOrderOfPreference) {
  InAssistant = true;
  FromContextInfo = true;
  AnimationOn = true;
  LeaveModule(&module);
  EXPECT_FALSE(module.isVisible());
  EXPECT_TRUE(assistant.isVisible());

  assistant.hide();
  InAssistant = false;
  module.show();
  LeaveModule(&module);
  EXPECT_FALSE(FromContextInfo);  // cleared; the screen underneath stays as it is
  EXPECT_FALSE(walkThrough.isVisible());

  module.show();
  LeaveModule(&module);
  EXPECT_TRUE(walkThrough.isVisible());
  EXPECT_FALSE(menu.isVisible());

  walkThrough.hide();
  AnimationOn = false;
  module.show();
  LeaveModule(&module);
  EXPECT_TRUE(menu.isVisible());
}

TEST_F(Navigating, TheExitQuestionEndsOnlyOnYes) {
  EXPECT_FALSE(ConfirmExit(ExitQuestionStyle::kMessageBox));
  EXPECT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.terminateCount, 0);
  EXPECT_TRUE(SharedTablesAllocated());
  platform.answers = {true};
  EXPECT_TRUE(ConfirmExit(ExitQuestionStyle::kMessageBox));
  EXPECT_EQ(platform.terminateCount, 1);
  EXPECT_FALSE(SharedTablesAllocated());
  AllocateSharedTables();
}

TEST_F(Navigating, AModuleScreenIsTheFixedFrameAndAsksInTheYesNoDialogOnceItExists) {
  ModuleScreen screen;
  screen.show();
  EXPECT_EQ(screen.size(), QSize(1024, 768));
  EXPECT_EQ(screen.TilArr->geometry(), QRect(0, 0, 1024, 33));
  EXPECT_FALSE(screen.windowState() & Qt::WindowFullScreen);
  screen.close();  // before the dialog is created, a message box asks
  EXPECT_EQ(platform.questions.size(), 1u);
  {
    const TForm4 dialog;
    screen.close();  // the dialog answers Cancel
    EXPECT_EQ(platform.modalCount, 1);
  }
  EXPECT_EQ(Form4, nullptr);
  EXPECT_TRUE(screen.isVisible());
  EXPECT_EQ(platform.terminateCount, 0);
}

TEST(ScreenPlacement, FullScreenOnlyWhereTheFramedScreenDoesNotFit) {
  const QMargins frame(4, 30, 4, 4);
  EXPECT_TRUE(OpensFullScreen(QRect(0, 0, 1366, 768), frame));   // the frame pushes the bottom off
  EXPECT_TRUE(OpensFullScreen(QRect(0, 0, 1280, 770), frame));   // a panel takes the rest
  EXPECT_TRUE(OpensFullScreen(QRect(0, 0, 1024, 900), frame));   // too narrow for the side borders
  EXPECT_FALSE(OpensFullScreen(QRect(0, 0, 1280, 1024), frame));
  EXPECT_FALSE(OpensFullScreen(QRect(0, 0, 1920, 1040), frame));  // a full HD desktop under its panel
  EXPECT_FALSE(OpensFullScreen(QRect(0, 0, 1032, 802), frame));   // exactly enough
  EXPECT_TRUE(OpensFullScreen(QRect(0, 0, 1031, 802), frame));
  EXPECT_TRUE(OpensFullScreen(QRect(0, 0, 1032, 801), frame));
}

TEST_F(Navigating, DoorsOpenOnlyScreensThatExist) {
  EXPECT_EQ(PrepareDoor(1), nullptr);
  int prepared = 0;
  SetDoorOpener(1, [&]() -> QWidget* {
    ++prepared;
    return &module;
  });
  EXPECT_EQ(PrepareDoor(1), &module);
  EXPECT_EQ(prepared, 1);
}

}  // namespace
}  // namespace velmora
