#include "navigation/main_menu.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "core/common.h"
#include "core/navigation.h"
#include "core/platform/recording_platform.h"
#include "core/qt_text.h"
#include "core/shared_bitmaps.h"
#include "core/startup.h"
#include "core/text_table.h"
#include "navigation/menu_doors.h"
#include "tests/support/built_folder.h"

namespace velmora {
namespace {

// The menu over the sample data folder, as the start-up leaves it.
class MainMenu : public testing::BuiltFolderTest {
 protected:
  MainMenu() {
    AnimationOn = false;
    menu = std::make_unique<Tform0>();
    menu->show();
  }
  ~MainMenu() override {
    menu.reset();
    ClearDoorOpeners();
    Navigation() = {};
  }
  QString Text(int line) const { return ToQString(TextLine(line)); }
  // A door whose screen exists: its opener records the preparation.
  void Open(int door, const char* mode) {
    SetDoorOpener(door, [this, mode]() -> QWidget* {
      prepared.push_back(mode);
      return &screen;
    });
  }
  void RunDoorAnimation() {
    for (int tick = 0; tick < 5; ++tick) menu->TimerPuertaTimer();
    while (menu->TimerZoom.isActive()) menu->TimerZoomTimer();
  }

  std::unique_ptr<Tform0> menu;
  QWidget screen;
  std::vector<std::string> prepared;
};

TEST_F(MainMenu, LabelsCaptionsAndHintsFromTheTexts) {
  EXPECT_EQ(menu->DoorLabel(1)->text(), Text(84));
  EXPECT_EQ(menu->DoorLabel(7)->text(), Text(622) + " " + Text(623));
  EXPECT_EQ(menu->DoorLabel(8)->text(), Text(8) + "\n" + Text(9) + "\n" + Text(10) + "\n" + Text(11));
  EXPECT_EQ(menu->DoorLabel(9)->text(), Text(8) + "\n" + Text(9) + "\n" + Text(10) + "\n" + Text(12));
  EXPECT_EQ(menu->LabelDejar->text(), Text(587) + "\n" + Text(588));
  EXPECT_EQ(menu->ImageDejar->toolTip(), Text(580));
  EXPECT_EQ(menu->LabelDejar->toolTip(), Text(580));
  // The sign's picture is drawn transparent: its corner's colour does not show.
  const QImage sign = menu->ImageDejar->pixmap().toImage();
  EXPECT_EQ(sign.size(), QSize(97, 57));
  EXPECT_EQ(qAlpha(sign.pixel(0, 56)), 0);
  EXPECT_EQ(menu->DoorLabel(7)->pos(), QPoint(223, 539));
  EXPECT_EQ(menu->DoorLabel(2)->pos(), QPoint(232, 132));
  EXPECT_EQ(menu->DoorLabel(9)->toolTip(), Text(305) + "\n" + Text(509) + " " + Text(510));
  EXPECT_TRUE(menu->DoorLabel(1)->toolTip().isEmpty());  // until the walk-in ends
  EXPECT_EQ(menu->BotRetroce->text(), Text(222));
  EXPECT_FALSE(menu->BotRetroce->isHidden());
  EXPECT_EQ(menu->LabelCentro->text(), ToQString(CentreName));
  EXPECT_EQ(menu->LabelAno->text(), "2015/16");
  EXPECT_EQ(menu->TileWidth, Bitmaps().BmpPart->width());
  EXPECT_EQ(menu->anda->pos(), QPoint(100, 235));
  EXPECT_TRUE(menu->piloto.isActive());
  EXPECT_EQ(menu->piloto.interval(), 200);
}

TEST_F(MainMenu, TheFigureWalksInThenTheBubbleSpeaks) {
  for (int tick = 0; tick < 7; ++tick) menu->pilotoTimer();
  EXPECT_TRUE(menu->piloto.isActive());
  EXPECT_TRUE(menu->Bocadillo1->isHidden());
  menu->pilotoTimer();
  EXPECT_FALSE(menu->piloto.isActive());
  EXPECT_EQ(menu->anda->x(), 164);
  EXPECT_TRUE(menu->TimerTexto.isActive());
  EXPECT_FALSE(menu->Bocadillo1->isHidden());
  EXPECT_FALSE(menu->LabelBocadillo1->isHidden());
  EXPECT_EQ(menu->DoorLabel(1)->toolTip(), ToQString(DoorHint(1)));
  EXPECT_TRUE(menu->DoorLabel(1)->toolTip().endsWith('\n'));
  menu->TimerTextoTimer();
  EXPECT_TRUE(menu->LabelBocadillo1->isHidden());
  EXPECT_FALSE(menu->labelBocadillo2->isHidden());
  EXPECT_EQ(menu->labelBocadillo2->text(), Text(16) + "\n" + Text(265) + "\n" + Text(266) + "\n" + Text(267));
}

TEST_F(MainMenu, DoorsFourAndNineOpenOneScreenInTwoModes) {
  Open(4, "itineraries");
  Open(9, "questionnaire");
  menu->LabelItiClick();
  EXPECT_EQ(menu->DoorX, menu->DoorLabel(4)->x() + 4);
  EXPECT_EQ(menu->DoorY0, 170);
  RunDoorAnimation();
  EXPECT_EQ(prepared, std::vector<std::string>{"itineraries"});
  EXPECT_TRUE(screen.isVisible());
  EXPECT_FALSE(menu->isVisible());

  screen.hide();
  menu->show();
  menu->LabelCuesEClick();
  RunDoorAnimation();
  EXPECT_EQ(prepared, (std::vector<std::string>{"itineraries", "questionnaire"}));
  EXPECT_TRUE(screen.isVisible());
}

TEST_F(MainMenu, DoorSevenAnimatesInTheLowerRowAndZoomsFromColumnTwo) {
  Open(7, "professions");
  menu->LabelProfeClick();
  EXPECT_EQ(menu->DoorY0, 510);
  menu->TimerPuertaTimer();
  EXPECT_EQ(menu->DoorY, 510);
  for (int tick = 1; tick < 5; ++tick) menu->TimerPuertaTimer();
  EXPECT_EQ(menu->DoorY, 470);
  EXPECT_FALSE(menu->TimerPuerta.isActive());
  EXPECT_TRUE(menu->TimerZoom.isActive());
  EXPECT_EQ(menu->AnimStep, 5);
  menu->TimerZoomTimer();
  EXPECT_EQ(menu->ZoomRect, ZoomRectangle(7, 15, menu->TileWidth, menu->TileHeight));
  EXPECT_EQ(menu->ZoomRect.topLeft(), QPoint(menu->TileWidth - 7, 305));
  while (menu->TimerZoom.isActive()) menu->TimerZoomTimer();
  EXPECT_EQ(menu->AnimStep, 105);
  EXPECT_TRUE(screen.isVisible());
  EXPECT_FALSE(menu->DoorLabel(7)->toolTip().isEmpty());  // the hint is back
  // The clicked label keeps the colour of a door already opened.
  EXPECT_EQ(menu->DoorLabel(7)->palette().color(QPalette::Window), ToQColor(ColourPeach));
}

TEST_F(MainMenu, ADoorWithoutItsScreenOnlyAnimates) {
  menu->LabelCarrerasClick();
  RunDoorAnimation();
  EXPECT_TRUE(menu->isVisible());
  EXPECT_TRUE(menu->ZoomLayer->isHidden());
}

TEST_F(MainMenu, WithTheWalkThroughTheDoorOpensAtTheNextTick) {
  WalkThroughStarted = true;
  Open(3, "higher grade");
  menu->LabelFpSClick();
  EXPECT_FALSE(menu->TimerPuerta.isActive());
  EXPECT_EQ(menu->AnimStep, 110);
  menu->TimerZoomTimer();
  EXPECT_EQ(prepared, std::vector<std::string>{"higher grade"});
  EXPECT_FALSE(menu->TimerZoom.isActive());
}

TEST_F(MainMenu, TheAssistantDoorAndTheSign) {
  Open(11, "assistant");
  menu->LabelAsistenteClick();
  RunDoorAnimation();
  EXPECT_TRUE(InAssistant);

  screen.hide();
  menu->show();
  HelpStep = 4;
  Open(kDoorCertificates, "certificates");
  menu->LabelDejarClick();  // at once, no animation
  EXPECT_EQ(prepared.back(), "certificates");
  EXPECT_EQ(HelpStep, 0);
  EXPECT_TRUE(screen.isVisible());
  EXPECT_FALSE(menu->TimerPuerta.isActive());
}

TEST_F(MainMenu, LabelsLightUpUnderTheMouse) {
  auto colour = [](QLabel* label) { return label->palette().color(QPalette::WindowText); };
  menu->LabelMouseMove(menu->DoorLabel(5));
  EXPECT_EQ(colour(menu->DoorLabel(5)), ToQColor(ColourLabelHot));
  menu->LabelMouseMove(menu->LabelDejar);
  EXPECT_EQ(colour(menu->LabelDejar), QColor(255, 255, 0));
  menu->mosaicoMouseMove();
  EXPECT_EQ(colour(menu->DoorLabel(5)), ToQColor(ColourLabelNormal));
  EXPECT_EQ(colour(menu->LabelDejar), ToQColor(ColourLabelNormal));
}

TEST_F(MainMenu, EscapeAndNoLeaveEverythingAsItWas) {
  QTest::keyClick(menu.get(), Qt::Key_Escape);
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], TextLine(49));
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(platform.terminateCount, 0);
  EXPECT_TRUE(SharedTablesAllocated());
  platform.answers = {true};
  menu->BotRetroceClick();  // without the walk-through the back button leaves too
  EXPECT_EQ(platform.terminateCount, 1);
  EXPECT_FALSE(SharedTablesAllocated());
}

TEST_F(MainMenu, TheHelpPanelSpeaksWithTheKeySound) {
  WalkThroughStarted = true;
  menu->hide();
  menu->show();
  EXPECT_TRUE(menu->TimerAyuda.isActive());
  for (int tick = 0; tick < 9; ++tick) menu->TimerAyudaTimer();
  EXPECT_FALSE(menu->TimerAyuda.isActive());
  EXPECT_EQ(HelpStep, 0);
  for (int line = 1; line <= 5; ++line) EXPECT_EQ(menu->LabelAyu[line]->text(), Text(13 + line)) << line;
  EXPECT_EQ(platform.sounds.size(), 8u);
  EXPECT_EQ(platform.sounds.front(), "tecla.wav (waited)");
  EXPECT_FALSE(menu->PanelAyuda->isHidden());
}

}  // namespace
}  // namespace velmora

#include "core/hint_window.h"

namespace velmora {
namespace {

TEST_F(MainMenu, RestingOnADoorShowsItsHintBubble) {
  HintManager::Install();
  HintManager& hints = HintManager::Instance();
  hints.SetHintPause(0);
  QLabel* door = menu->DoorLabel(8);
  QTest::mouseMove(door, QPoint(5, 5));
  QTest::qWait(50);
  EXPECT_TRUE(hints.Window().isVisible());
  EXPECT_EQ(hints.Window().text(), door->toolTip());
  QTest::mouseMove(menu->mosaico, QPoint(5, 5));
  QTest::qWait(20);
  EXPECT_FALSE(hints.Window().isVisible());
}

}  // namespace
}  // namespace velmora
