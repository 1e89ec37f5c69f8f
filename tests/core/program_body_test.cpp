#include "core/program_body.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>

#include "core/common.h"
#include "core/qt_text.h"
#include "core/navigation.h"
#include "core/platform/qt_platform.h"
#include "core/platform/recording_platform.h"
#include "core/screen_registry.h"
#include "core/shared_bitmaps.h"
#include "core/splash.h"
#include "core/startup.h"

namespace velmora {
namespace {

class ProgramBodyTest : public ::testing::Test {
 protected:
  ProgramBodyTest() {
    SetCurrentPlatform(&platform);
    ResetCommonState();
    AllocateSharedTables();
    SetPalette();
  }
  ~ProgramBodyTest() override {
    ClearScreenRegistry();
    ReleaseSharedTables();
    SetCurrentPlatform(nullptr);
  }
  // A screen that records its creation; the first one made becomes the main form.
  void Register(std::string_view name, bool fails = false) {
    RegisterScreen(name, [this, name = std::string(name), fails] {
      created.push_back(name);
      if (fails) StartAborted = true;
      screens.push_back(std::make_unique<QWidget>());
      return screens.back().get();
    });
  }
  RecordingPlatform platform;
  std::vector<std::string> created;
  std::vector<std::unique_ptr<QWidget>> screens;
};

TEST_F(ProgramBodyTest, ASecondInstanceIsRefusedBeforeAnyWindow) {
  platform.heldLocks.insert(std::string(kInstanceLockName));
  Register("Tform0");
  const ProgramBody body = StartProgramBody();
  EXPECT_EQ(body.exitCode, 0);
  EXPECT_EQ(body.splash, nullptr);
  EXPECT_TRUE(created.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "\xA1\xA1 El Velmora ya est\xE1 funcionando !!\r Mira en la barra de tareas...");
}

TEST_F(ProgramBodyTest, AnAbortedPreparationCreatesNothing) {
  StartAborted = true;
  Register("Tform0");
  const ProgramBody body = StartProgramBody();
  EXPECT_EQ(body.exitCode, 1);
  EXPECT_EQ(body.splash, nullptr);
  EXPECT_TRUE(created.empty());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ProgramBodyTest, TheSplashAsDrawnAndStayingWithoutAMainMenu) {
  const ProgramBody body = StartProgramBody();
  EXPECT_FALSE(body.exitCode);
  ASSERT_NE(body.splash, nullptr);
  EXPECT_TRUE(body.splash->isVisible());
  EXPECT_EQ(body.splash->size(), QSize(354, 154));
  EXPECT_EQ(body.splash->windowTitle(), "Velmora");
  EXPECT_EQ(body.splash->Label1->text(), "Velmora 2015/16");
  EXPECT_EQ(body.splash->Label1->font().pixelSize(), 48);
  EXPECT_EQ(body.splash->ProgressBar1->geometry(), QRect(96, 120, 193, 17));
  EXPECT_EQ(body.splash->ProgressBar1->value(), 100);
  EXPECT_EQ(body.mainForm, nullptr);

  // The bar fills from the left in proportion to its value.
  QProgressBar& bar = *body.splash->ProgressBar1;
  const auto filledAt = [&bar](int value, int x) {
    bar.setValue(value);
    return bar.grab().toImage().pixelColor(x, 8) == ToQColor(ColourMaroon);
  };
  EXPECT_TRUE(filledAt(100, 190));
  EXPECT_TRUE(filledAt(50, 90));
  EXPECT_FALSE(filledAt(50, 100));
  EXPECT_FALSE(filledAt(0, 3));
}

TEST_F(ProgramBodyTest, ScreensAreCreatedInTheFixedOrder) {
  for (const char* name : {"TFlomce", "TForm3", "TForm1", "Tform0", "Tform9", "TForm4", "TForm2"}) Register(name);
  AnimationOn = false;
  ProgramBody body = StartProgramBody();
  EXPECT_EQ(created, (std::vector<std::string>{"Tform0", "TForm1", "TForm2", "TForm3", "TForm4", "TFlomce"}));
  EXPECT_EQ(body.mainForm, screens[0].get());
  EXPECT_TRUE(body.mainForm->isVisible());

  created.clear();
  platform.heldLocks.clear();
  AnimationOn = true;
  body = StartProgramBody();
  EXPECT_EQ(created.front(), "Tform9");  // the walk-through comes first and is the main form
}

TEST_F(ProgramBodyTest, TheCorridorReadsItsFilesInItsPlaceAndWaitsWhenTheWalkThroughComesFirst) {
  int loads = 0;
  const auto registerAll = [&] {
    ClearScreenRegistry();
    Register("Tform9");
    RegisterScreen(
        "Tform0",
        [this] {
          created.push_back("Tform0");
          screens.push_back(std::make_unique<QWidget>());
          return screens.back().get();
        },
        [&] { ++loads; });
    Register("TForm4");
  };
  registerAll();
  AnimationOn = false;
  ProgramBody body = StartProgramBody();
  EXPECT_EQ(created, (std::vector<std::string>{"Tform0", "TForm4"}));
  EXPECT_EQ(loads, 1);

  registerAll();
  created.clear();
  platform.heldLocks.clear();
  AnimationOn = true;
  body = StartProgramBody();
  EXPECT_EQ(created, (std::vector<std::string>{"Tform9", "TForm4"}));
  EXPECT_EQ(loads, 2);
  EXPECT_NE(ScreenNamed("Tform0"), nullptr);  // its first use builds it
  EXPECT_EQ(created.back(), "Tform0");
}

TEST_F(ProgramBodyTest, AFailedCreationStopsAtTheNextCheck) {
  Register("Tform0");
  Register("TForm1", true);
  Register("TForm8");
  Register("TFormCon");
  const ProgramBody body = StartProgramBody();
  EXPECT_EQ(body.exitCode, 1);
  EXPECT_EQ(created, (std::vector<std::string>{"Tform0", "TForm1", "TForm8"}));
}

TEST_F(ProgramBodyTest, AScreenOnDemandReadsItsFilesInItsPlaceAndIsBuiltOnceByItsDoor) {
  constexpr int kDoor = 7;
  std::vector<std::string> loaded;
  Register("Tform0");
  RegisterScreenOnDemand(
      "TForm1",
      [&] {
        created.push_back("TForm1");
        screens.push_back(std::make_unique<QWidget>());
        QWidget* screen = screens.back().get();
        SetDoorOpener(kDoor, [screen] { return screen; });
        return screen;
      },
      [&] { loaded.push_back("TForm1"); }, {kDoor});
  RegisterScreenOnDemand("TForm3", [&] {
    created.push_back("TForm3");
    screens.push_back(std::make_unique<QWidget>());
    return screens.back().get();
  });
  EXPECT_EQ(ScreenNamed("TForm1"), nullptr);  // not before the start-up reaches it

  const ProgramBody body = StartProgramBody();
  EXPECT_EQ(created, std::vector<std::string>{"Tform0"});
  EXPECT_EQ(loaded, std::vector<std::string>{"TForm1"});
  EXPECT_EQ(body.mainForm, screens[0].get());

  QWidget* opened = PrepareDoor(kDoor);
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(PrepareDoor(kDoor), opened);
  EXPECT_EQ(ScreenNamed("TForm1"), opened);
  EXPECT_EQ(created, (std::vector<std::string>{"Tform0", "TForm1"}));

  // Asked for by another screen; a name nobody registered is nothing.
  EXPECT_NE(ScreenNamed("TForm3"), nullptr);
  EXPECT_EQ(ScreenNamed("TForm2"), nullptr);
  ClearDoorOpeners();
}

TEST_F(ProgramBodyTest, ADoorWhoseScreenSetsNoOpenerOpensNothing) {
  constexpr int kDoor = 7;
  Register("Tform0");
  RegisterScreenOnDemand("TForm1", [&] {
    screens.push_back(std::make_unique<QWidget>());
    return screens.back().get();
  }, {}, {kDoor});
  const ProgramBody body = StartProgramBody();
  EXPECT_EQ(PrepareDoor(kDoor), nullptr);
  EXPECT_EQ(PrepareDoor(kDoor), nullptr);
  EXPECT_EQ(screens.size(), 2u);  // built once
}

TEST_F(ProgramBodyTest, AScreenAskingForItselfWhileBuiltIsBuiltOnce) {
  Register("Tform0");
  QWidget* askedFor = reinterpret_cast<QWidget*>(1);
  RegisterScreenOnDemand("TForm6", [&] {
    askedFor = ScreenNamed("TForm6");
    screens.push_back(std::make_unique<QWidget>());
    return screens.back().get();
  });
  const ProgramBody body = StartProgramBody();
  QWidget* built = ScreenNamed("TForm6");
  EXPECT_EQ(askedFor, nullptr);
  EXPECT_EQ(ScreenNamed("TForm6"), built);
  EXPECT_EQ(screens.size(), 2u);
}

TEST_F(ProgramBodyTest, AMissingFileOfAScreenOnDemandStopsTheStart) {
  Register("Tform0");
  RegisterScreenOnDemand("TForm1", [&] { return nullptr; }, [] { StartAborted = true; });
  Register("TForm3");
  const ProgramBody body = StartProgramBody();
  EXPECT_EQ(body.exitCode, 1);
  EXPECT_EQ(created, std::vector<std::string>{"Tform0"});
}

TEST(QtPlatformLock, HeldForTheProcessAndNotBlockedByACrashedRunOrAnUnopenableFile) {
  const std::string name = "velmora-lock-test-" + std::to_string(QCoreApplication::applicationPid());
  const QString path = InstanceLock::PathFor(QString::fromStdString(name));
  {
    QtPlatform first;
    ASSERT_TRUE(first.AcquireInstanceLock(name));
    QtPlatform second;
    EXPECT_FALSE(second.AcquireInstanceLock(name));
  }
  // The file a crashed run leaves behind, whatever it holds, does not keep the next run out.
  {
    std::ofstream leftOver(path.toStdString());
    leftOver << "2147483000\nvelmora\n";
  }
  {
    QtPlatform third;
    EXPECT_TRUE(third.AcquireInstanceLock(name));
  }
  // Where no lock file can be made, the program runs rather than claim that another copy does.
  QFile::remove(path);
  ASSERT_TRUE(QDir().mkpath(path));
  QtPlatform fourth;
  EXPECT_TRUE(fourth.AcquireInstanceLock(name));
  QDir().rmdir(path);
}

}  // namespace
}  // namespace velmora
