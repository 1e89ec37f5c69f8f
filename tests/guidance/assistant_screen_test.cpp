// The assistant over the built sample folder: its texts and their timing, the flights, every
// button's screen and the way back through InAssistant.
#include "guidance/assistant_screen.h"

#include <gtest/gtest.h>

#include "core/common.h"
#include "core/navigation.h"
#include "core/qt_text.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "guidance/questionnaires_screen.h"
#include "tests/support/built_folder.h"
#include "university/degree_files.h"
#include "vocational/middle_grade_screen.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

class Assistant : public testing::BuiltFolderTest {
 protected:
  Assistant() {
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    Navigation().mainMenu = &menu;
    screen = std::make_unique<TForm5>();
  }
  ~Assistant() override {
    screen.reset();
    ClearDoorOpeners();
    Navigation() = {};
    InAssistant = false;
  }
  // Runs the path's arrow texts to their end.
  void IntroduceArrows(TForm5::Path& path) {
    while (screen->TimerComienzo.isActive()) screen->TimerComienzoTimer();
    while (path.scroll->isActive()) screen->ScrollTimer(path);
  }
  void Land(TForm5::Path& path) {
    while (path.fly->isActive()) screen->FlightTimer(path);
  }
  bool Shown(AssistantButton button) const { return !screen->Buttons.at(button)->isHidden(); }
  std::vector<std::string> Items(const QListWidget* list) const {
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row) items.push_back(FromQString(list->item(row)->text()));
    return items;
  }
  QWidget menu;
  std::unique_ptr<TForm5> screen;
};

TEST(ArrowTextsTest, EachTextWaitsScrollsOutAndHandsOverWithItsArrowBlinking) {
  ArrowTexts texts;
  texts.Start();
  std::vector<int> stepAt;  // the step after each tick
  std::vector<bool> arrow;
  while (texts.Tick()) {
    stepAt.push_back(texts.Step());
    arrow.push_back(texts.ArrowVisible());
  }
  EXPECT_EQ(texts.Step(), 0);
  // Five waiting ticks, then 29 of two pixels take the text from 57 past 0: 34 ticks a text.
  ASSERT_EQ(stepAt.size(), 3u * 34u);
  EXPECT_EQ(stepAt[32], 1);
  EXPECT_EQ(stepAt[33], 2);
  EXPECT_EQ(stepAt[67], 3);
  EXPECT_TRUE(arrow[0]);
  EXPECT_FALSE(arrow[2]);  // the third tick hides it
  EXPECT_TRUE(arrow[5]);
  EXPECT_TRUE(arrow[33]);  // a finished text leaves its arrow shown

  EXPECT_EQ(ScrollIntroduction(10, 100), 8);
  EXPECT_EQ(ScrollIntroduction(-98, 100), kTextBoxHeight);

  Flight flight{2, 100, 50, 4, 2, 0};
  int ticks = 1;
  while (!flight.Tick()) ++ticks;
  EXPECT_EQ(ticks, kFlightTicks);
  EXPECT_EQ(flight.x, 100 + 4 * kFlightTicks);
  EXPECT_EQ(flight.y, 50 + 2 * kFlightTicks);
}

TEST_F(Assistant, TheIntroductionScrollsOnlyTheFirstTime) {
  ASSERT_EQ(PrepareDoor(kDoorAssistant), screen.get());
  EXPECT_EQ(Navigation().assistant, screen.get());
  screen->show();
  EXPECT_FALSE(screen->PInicio->isHidden());
  EXPECT_EQ(screen->AssistantStep, 6);
  EXPECT_TRUE(screen->TimerMueTexBotBACHI.isActive());
  EXPECT_TRUE(screen->Textoinicio->text().startsWith(ToQString(TrimBlanks(TextLine(457)))));
  const int top = screen->Textoinicio->y();
  screen->TimerMueTexBotBACHITimer();
  EXPECT_EQ(screen->Textoinicio->y(), top - kScrollStep);

  screen->L41Click();
  EXPECT_TRUE(screen->PInicio->isHidden());
  EXPECT_FALSE(screen->Eso.panel->isHidden());
  EXPECT_FALSE(screen->TimerMueTexBotBACHI.isActive());
  IntroduceArrows(screen->Eso);
  for (QPushButton* arrow : screen->Eso.arrows) EXPECT_FALSE(arrow->isHidden());
  EXPECT_EQ(screen->Eso.labels[0]->text(), ToQString(screen->Texts[1]));
  EXPECT_TRUE(screen->Eso.box->isHidden());

  // Shown again: the ESO panel as it was, no introduction.
  screen->hide();
  screen->show();
  EXPECT_TRUE(screen->PInicio->isHidden());
  EXPECT_FALSE(screen->Eso.panel->isHidden());
  EXPECT_FALSE(screen->TimerMueTexBotBACHI.isActive());
}

TEST_F(Assistant, AnArrowFliesTheHelicopterAndASecondOneRestartsTheFlight) {
  screen->show();
  screen->L41Click();
  IntroduceArrows(screen->Eso);
  screen->ArrowClick(screen->Eso, 3);  // Image2: other outlets
  EXPECT_EQ(screen->AssistantMode, 2);
  for (int tick = 0; tick < 10; ++tick) screen->FlightTimer(screen->Eso);
  EXPECT_FALSE(Shown(AssistantButton::BasicGrade));
  screen->ArrowClick(screen->Eso, 2);  // Image3 before landing
  EXPECT_EQ(screen->Eso.flight.ticks, 0);
  EXPECT_EQ(screen->Eso.heli->x(), screen->Eso.inner->geometry().right() + 1);
  Land(screen->Eso);
  EXPECT_TRUE(Shown(AssistantButton::MiddleGrade));
  EXPECT_TRUE(Shown(AssistantButton::Itineraries));
  EXPECT_TRUE(Shown(AssistantButton::Catalogue));
  EXPECT_FALSE(Shown(AssistantButton::BasicGrade));
  EXPECT_EQ(screen->Eso.heli->x(), screen->Eso.inner->geometry().right() + 1 + 4 * kFlightTicks);

  screen->Lb1Click();
  IntroduceArrows(screen->Bachi);
  screen->ArrowClick(screen->Bachi, 2);  // Image7
  Land(screen->Bachi);
  for (const AssistantButton b : {AssistantButton::HigherGrade, AssistantButton::Degrees, AssistantButton::CatalogueB,
                                  AssistantButton::ItinerariesB})
    EXPECT_TRUE(Shown(b));
}

TEST_F(Assistant, TheListsShowInPlace) {
  screen->show();
  screen->ButtonClick(AssistantButton::Diversification);
  EXPECT_FALSE(screen->PanelDiversifi->isHidden());
  EXPECT_EQ(Items(screen->ListBox1), DiversificationLines());
  EXPECT_FALSE(Items(screen->ListBox1).empty());
  screen->ButtonClick(AssistantButton::MiddleToHigher);
  const std::vector<std::string> items = Items(screen->ListFP2);
  ASSERT_GE(items.size(), 5u);
  EXPECT_EQ(items[0], TrimBlanks(TextLine(480)));
  EXPECT_EQ(items[3], "");
  EXPECT_EQ(screen->PanelFP2->pos(), QPoint(400, 0));
  screen->ButtonClick(AssistantButton::HigherToDegrees);
  EXPECT_EQ(Items(screen->ListFP2).size(), 5u);
  EXPECT_EQ(screen->PanelFP2->pos(), QPoint(360, 0));
  screen->BotCerrarClick();
  EXPECT_TRUE(screen->PanelFP2->isHidden());
  EXPECT_TRUE(screen->isVisible());  // the lists stay on the assistant

  // Without "34" records the diversification list is empty.
  for (int line = 1; line <= Tabs().CountInforma; ++line)
    if (Tabs().TabInforma[static_cast<std::size_t>(line)].view().starts_with("34")) Tabs().TabInforma[static_cast<std::size_t>(line)] = "99";
  EXPECT_TRUE(DiversificationLines().empty());
}

TEST_F(Assistant, EachButtonOpensItsScreenPreparedAndItsBackReturnsHere) {
  TForm3::LoadFiles();
  TForm3 middle;
  TForm2::LoadFiles();
  TForm2 questionnaires;
  middle.BeginQuestionnaire();  // left from an earlier visit
  struct Case {
    AssistantButton button;
    QWidget* expected;
  };
  for (const Case& c : {Case{AssistantButton::MiddleGrade, &middle}, Case{AssistantButton::Itineraries, &questionnaires},
                        Case{AssistantButton::Questionnaires, &questionnaires}}) {
    screen->show();
    InAssistant = false;
    screen->ButtonClick(c.button);
    EXPECT_TRUE(InAssistant);
    EXPECT_TRUE(screen->isHidden());
    EXPECT_TRUE(c.expected->isVisible());
    EXPECT_FALSE(screen->TimerVuela.isActive());
    LeaveModule(c.expected);
    EXPECT_TRUE(screen->isVisible());
  }
  // The middle grade opens as the corridor's door would, its questionnaire left.
  EXPECT_FALSE(middle.QuestionnaireFlag);
  EXPECT_TRUE(middle.heli.isActive());
  // The itineraries button opens the diagram itself.
  EXPECT_FALSE(questionnaires.PanelItiner->isHidden());
}

TEST_F(Assistant, RetrocederLeavesForTheCorridorOrTheWalkThrough) {
  InAssistant = true;
  screen->show();
  screen->BotRetroAsisClick();
  EXPECT_FALSE(InAssistant);
  EXPECT_TRUE(screen->isHidden());
  EXPECT_TRUE(menu.isVisible());
  QWidget walk;
  Navigation().walkThrough = &walk;
  AnimationOn = true;
  menu.hide();
  screen->show();
  screen->BotRetroAsisClick();
  EXPECT_TRUE(walk.isVisible());
  EXPECT_FALSE(menu.isVisible());
  AnimationOn = false;
}

}  // namespace
}  // namespace velmora
