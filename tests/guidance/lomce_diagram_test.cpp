// The education-system diagram's lists, calendar, layout and stepping over small tables written
// straight into the shared state: informa_l lines 1-53 read "Role N", then the coded lines.
#include "guidance/lomce_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/common.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

class LomceDiagramTest : public ::testing::Test {
 protected:
  LomceDiagramTest() { Informa({}); }

  // The 53 role lines, then the coded lines.
  static void Informa(std::initializer_list<std::string_view> coded) {
    SharedTables& t = Tabs();
    int n = 0;
    for (int line = 1; line <= lomce::kRoleLines; ++line) t.TabInformaL[static_cast<std::size_t>(n++)] = "   Role " + std::to_string(line) + "  ";
    for (const std::string_view line : coded) t.TabInformaL[static_cast<std::size_t>(n++)] = line;
    t.CountInformaL = n;
  }
  static void Materias(std::initializer_list<std::string_view> lines) {
    SharedTables& t = Tabs();
    int n = 0;
    for (const std::string_view line : lines) t.TabMateriasL[static_cast<std::size_t>(n++)] = line;
    t.CountMateriasL = n;
  }
  // Everything the screen can put in a list: every step, every button, the calendar.
  static Lines EverythingShown() {
    Lines shown;
    for (int step = 0; step <= lomce::kLastStep; ++step)
      for (std::string& line : StepExplanation(step)) shown.push_back(std::move(line));
    for (int button = 0; button < lomce::kButtons; ++button)
      for (std::string& line : ButtonList(button)) shown.push_back(std::move(line));
    for (const auto& row : ImplantationCalendar())
      for (const std::string& cell : row) shown.push_back(cell);
    return shown;
  }

  testing::CommonStateTest state;
};

TEST_F(LomceDiagramTest, ACodeMatchesOnlyRightAlignedInTheFirstTwoColumns) {
  EXPECT_EQ(CodeField(5), " 5");
  EXPECT_EQ(CodeField(50), "50");
  EXPECT_EQ(CodeField(-1), "");
  EXPECT_EQ(CodeField(100), "");
  Informa({" 5Five", "5 Left-aligned", "05Zero-padded", "50Fifty", " 5  Five again", "55"});
  EXPECT_EQ(SectionList(5), (Lines{"Five", "  Five again"}));
  EXPECT_EQ(SectionList(55), (Lines{""}));  // a code with no text is an empty item
  EXPECT_TRUE(SectionList(7).empty());
  EXPECT_TRUE(SectionList(100).empty());
}

TEST_F(LomceDiagramTest, OverLongLinesAreCutAtColumnSixtyAndCountsOutsideTheTableReadNothingBeyondIt) {
  const std::string longLine = "12" + std::string(58, 'a') + std::string(40, 'z');  // a record holds 100
  Informa({longLine});
  ASSERT_EQ(SectionList(12).size(), 1u);
  EXPECT_EQ(SectionList(12)[0], std::string(58, 'a'));
  Tabs().TabInformaL[599] = "12Last";
  Tabs().CountInformaL = 100000;
  EXPECT_EQ(SectionList(12).back(), "Last");
  Tabs().CountInformaL = -3;
  EXPECT_TRUE(SectionList(12).empty());
  EXPECT_EQ(InformaLRole(1), "");
  EXPECT_EQ(StepExplanation(0), (Lines{"", "       "}));  // no note either: defined, not a crash
}

TEST_F(LomceDiagramTest, AStepExplainsItsCodeThenAnEmptyLineThenTheNoteButTheLastStepHasNoNote) {
  Informa({"50  Start", "50first", "51one", "59  All", "59done"});
  EXPECT_EQ(InformaLRole(44), "Role 44");
  EXPECT_EQ(StepExplanation(0), (Lines{"  Start", "first", "", "       Role 44"}));
  EXPECT_EQ(StepExplanation(1), (Lines{"one", "", "       Role 44"}));
  EXPECT_EQ(StepExplanation(4), (Lines{"", "       Role 44"}));  // a missing code leaves the rest
  EXPECT_EQ(StepExplanation(9), (Lines{"  All", "done", ""}));
  EXPECT_TRUE(StepExplanation(10).empty());
  EXPECT_TRUE(StepExplanation(-1).empty());
}

TEST_F(LomceDiagramTest, ButtonsOpenTheirSectionsOrTheirSubjectsUnderTheHeading) {
  Informa({" 8Access", " 5PMAR two", "46Sciences", "34Higher"});
  Materias({" 3Academic", " 3-Latin", "30Options", "24Science II", "20Common II"});
  const auto index = [](std::string_view name) {
    const auto& lists = lomce::kButtonLists;
    return static_cast<int>(std::find_if(lists.begin(), lists.end(), [&](const auto& b) { return b.name == name; }) - lists.begin());
  };
  EXPECT_EQ(ButtonList(index("BitESO3")), (Lines{" Role 45", "Academic", "-Latin", "", "Options"}));
  EXPECT_EQ(ButtonList(index("BitESO1")), (Lines{" Role 45"}));  // no lines and no second group: the heading alone
  EXPECT_EQ(ButtonList(index("BitSal2")), ButtonList(index("BitIng2")));
  EXPECT_EQ(ButtonList(index("BitSal2")), (Lines{" Role 45", "Science II", "", "Common II"}));
  EXPECT_EQ(ButtonList(index("BitBas1")), (Lines{"Access"}));
  EXPECT_EQ(ButtonList(index("BitBas2")), (Lines{"Access"}));
  EXPECT_EQ(ButtonList(index("BitMej1")), (Lines{"PMAR two"}));
  EXPECT_EQ(ButtonList(index("BitGS")), (Lines{"Higher"}));
  EXPECT_EQ(ButtonList(index("BitCie3")), (Lines{"Sciences"}));
  EXPECT_TRUE(ButtonList(-1).empty());
  EXPECT_TRUE(ButtonList(lomce::kButtons).empty());
  EXPECT_EQ(ButtonHint(0), "Role 1");
  EXPECT_EQ(ButtonHint(index("BitCie3")), "Role 40");
  EXPECT_EQ(ButtonHint(40), "");
}

TEST_F(LomceDiagramTest, ALineWhoseCodeMatchesNoStepOrButtonIsNeverShown) {
  Informa({" 7Stray seven", "47Stray forty-seven", "60Stray sixty", "96Stray calendar", "69Stray before",
           "7 0Stray spaced", "50Step", " 5Section", "70Year", "95Last"});
  Materias({" 5Stray subject", " 1Subject", "99Stray group"});
  const Lines shown = EverythingShown();
  for (const std::string& line : shown) {
    EXPECT_EQ(line.find("Stray"), std::string::npos) << line;
    EXPECT_EQ(line.find("Role 3"), std::string::npos) << line;  // role lines carry no code
  }
  for (const char* expected : {"Step", "Section", "Year", "Last", "Subject"})
    EXPECT_NE(std::find(shown.begin(), shown.end(), expected), shown.end()) << expected;
}

TEST_F(LomceDiagramTest, TheCalendarFillsThirteenRowsOfTwoCellsFromCodesSeventyToNinetyFive) {
  Informa({"70Year", "71Change", "72Curso 2014/15", "95Admission", "94Curso 2017/18", "80Old", "80New"});
  const CalendarCells cells = ImplantationCalendar();
  EXPECT_EQ(cells[0], (std::array<std::string, 2>{"Year", "Change"}));
  EXPECT_EQ(cells[1][0], "Curso 2014/15");
  EXPECT_EQ(cells[1][1], "");
  EXPECT_EQ(cells[5][0], "New");  // the later line fills the cell
  EXPECT_EQ(cells[12], (std::array<std::string, 2>{"Curso 2017/18", "Admission"}));
  std::vector<int> cream;
  for (int row = 0; row < lomce::kCalendarRows; ++row)
    if (CalendarRowIsCream(row)) cream.push_back(row);
  EXPECT_EQ(cream, (std::vector<int>{1, 2, 3, 7, 10, 11}));
}

TEST(LomceListStyle, TwoBlanksAreRedADashIsABulletAnythingElsePlain) {
  EXPECT_EQ(ListItemStyle("  Title"), ItemStyle::Red);
  EXPECT_EQ(ListItemStyle("       Note"), ItemStyle::Red);
  EXPECT_EQ(ListItemStyle("-Item"), ItemStyle::Bullet);
  EXPECT_EQ(ListItemStyle(" Heading"), ItemStyle::Plain);
  EXPECT_EQ(ListItemStyle(""), ItemStyle::Plain);
  EXPECT_EQ(ListItemStyle(" -Not a bullet"), ItemStyle::Plain);
}

TEST(LomceLayout, EveryPartIsNamedOnceLiesInsideThePanelAndNoCaptionOrButtonCoversAnother) {
  const Box panel{0, 0, kPanelItiWidth, kPanelItiHeight};
  std::set<std::string_view> names;
  std::vector<const DiagramItem*> foreground;
  for (const DiagramItem& item : LomceDiagramItems()) {
    EXPECT_TRUE(names.insert(item.name).second) << item.name;
    EXPECT_TRUE(item.box.Inside(panel)) << item.name;
    EXPECT_GT(item.box.width, 0) << item.name;
    if (item.kind != ItemKind::Band && item.kind != ItemKind::Wall && item.kind != ItemKind::Frame) foreground.push_back(&item);
  }
  for (std::size_t i = 0; i < foreground.size(); ++i)
    for (std::size_t j = i + 1; j < foreground.size(); ++j)
      EXPECT_FALSE(foreground[i]->box.Overlaps(foreground[j]->box)) << foreground[i]->name << " / " << foreground[j]->name;
  // The given rows of the design.
  const auto box = [](std::string_view name) { return FindDiagramItem(name)->box; };
  EXPECT_EQ(box("PaintBox1").y, 640);
  EXPECT_EQ(box("PaintBox2").height, 633);
  EXPECT_EQ(box("ImageMuro1").width, 473);
  EXPECT_EQ(box("ImageMuro2").y, 249);
  // Every button of the list table and every part a step names is in the layout.
  for (const auto& button : lomce::kButtonLists) {
    ASSERT_NE(FindDiagramItem(button.name), nullptr) << button.name;
    EXPECT_EQ(FindDiagramItem(button.name)->kind, ItemKind::Button) << button.name;
  }
  for (int step = 0; step <= lomce::kLastStep; ++step) {
    for (const auto* parts : {&BlinkParts(step), &BlinkEndParts(step), &StepAdditions(step)})
      for (const std::string_view part : *parts) EXPECT_NE(FindDiagramItem(part), nullptr) << part;
  }
  EXPECT_EQ(FindDiagramItem("Nothing"), nullptr);
}

class LomceSteps : public LomceDiagramTest {
 protected:
  LomceSteps() {
    Informa({"50zero", "51one", "56six", "59nine"});
    diagram = LomceDiagram();
  }
  bool AllVisible(const std::vector<std::string_view>& parts) const {
    return std::all_of(parts.begin(), parts.end(), [&](std::string_view p) { return diagram.Visible(p); });
  }
  bool NoneVisible(const std::vector<std::string_view>& parts) const {
    return std::none_of(parts.begin(), parts.end(), [&](std::string_view p) { return diagram.Visible(p); });
  }
  void TickOut() {
    for (int tick = 0; tick < kStepBlinkTicks; ++tick) diagram.StepBlinkTick();
  }
  LomceDiagram diagram;
};

TEST_F(LomceSteps, AStepBlinksSixTicksAndEndsShowingItsPartsEvenWhenLeftHalfWay) {
  diagram.Next();
  ASSERT_TRUE(diagram.StepBlinking());
  const auto& parts = BlinkParts(1);
  EXPECT_TRUE(NoneVisible(parts));
  EXPECT_FALSE(diagram.Visible("BitFleESO1"));
  for (int tick = 1; tick < kStepBlinkTicks; ++tick) {
    diagram.StepBlinkTick();
    EXPECT_EQ(AllVisible(parts), tick % 2 == 1) << tick;
    EXPECT_TRUE(AllVisible(parts) || NoneVisible(parts)) << tick;
  }
  EXPECT_TRUE(AllVisible(parts));
  diagram.StepBlinkTick();  // the sixth hides them, then shows them all and stops
  EXPECT_TRUE(AllVisible(parts));
  EXPECT_TRUE(diagram.Visible("BitFleESO1"));
  EXPECT_TRUE(diagram.Visible("BitFleESO2"));
  EXPECT_FALSE(diagram.StepBlinking());
  diagram.StepBlinkTick();
  EXPECT_TRUE(AllVisible(parts));

  diagram.Next();
  diagram.StepBlinkTick();  // step 2's parts appear, then step 3 comes on a hidden tick
  diagram.StepBlinkTick();
  EXPECT_TRUE(NoneVisible(BlinkParts(2)));
  diagram.Next();
  EXPECT_TRUE(AllVisible(BlinkParts(2)));
  EXPECT_TRUE(diagram.StepBlinking());
  diagram.Back();  // the earlier step blinks again from its first tick
  EXPECT_TRUE(AllVisible(BlinkParts(3)));
  diagram.StepBlinkTick();
  EXPECT_TRUE(NoneVisible(BlinkParts(2)));
  TickOut();
  EXPECT_TRUE(AllVisible(BlinkParts(2)));
}

TEST_F(LomceSteps, LabelFleBlinksTwentyOneTicksUnlessTheNextArrowStopsIt) {
  EXPECT_TRUE(diagram.FleBlinking());
  for (int tick = 1; tick <= 20; ++tick) {
    diagram.FleTick();
    EXPECT_EQ(diagram.Visible("LabelFle"), tick % 2 == 0) << tick;
  }
  diagram.FleTick();
  EXPECT_TRUE(diagram.Visible("LabelFle"));
  EXPECT_FALSE(diagram.FleBlinking());
  diagram.FleTick();
  EXPECT_TRUE(diagram.Visible("LabelFle"));
  EXPECT_EQ(diagram.FleTicks(), 21);

  LomceDiagram other;
  other.FleTick();
  ASSERT_FALSE(other.Visible("LabelFle"));
  other.Next();
  EXPECT_TRUE(other.Visible("LabelFle"));
  EXPECT_FALSE(other.FleBlinking());
  other.Back();
  other.FleTick();
  EXPECT_TRUE(other.Visible("LabelFle"));  // never starts again
}

}  // namespace
}  // namespace velmora
