// The itineraries diagram's stepping, nodes, lists, pop-up placement and print sheets over small
// tables written straight into the shared state; text line N reads "TN".
#include "guidance/itineraries_diagram.h"

#include <gtest/gtest.h>

#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "tests/support/fixture_folder.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

std::string T(int line) { return "T" + std::to_string(line); }

class ItinerariesDiagramTest : public ::testing::Test {
 protected:
  ItinerariesDiagramTest() {
    SharedTables& t = Tabs();
    for (int line = 1; line <= kTextSlotLines; ++line) t.TabTextos[static_cast<std::size_t>(line)] = T(line);
    t.CountTextos = kTextSlotLines;
    FillTextSlots();
  }
  static void Lines(LineTable& table, int& count, std::initializer_list<const char*> lines) {
    count = 0;
    for (const char* line : lines) table[static_cast<std::size_t>(++count)] = PadTo(line, 60);
  }
  testing::CommonStateTest state;
};

TEST(ItinerariesStepping, EightStepsOneAClickThenTheNodesAndRepaintsKeepWhatWasDrawn) {
  DiagramState d;
  EXPECT_EQ(LastPaintedStep(d), -1);
  d.DiagramStepping = true;
  const int helps[] = {9, 12, 13, 14, 15, 16, 17, 19};
  for (int step = 0; step < kDiagramSteps; ++step) {
    const Advance advance = AdvanceDiagram(d);
    ASSERT_EQ(advance.drawStep, step);
    EXPECT_EQ(advance.help, helps[step]);
    EXPECT_FALSE(advance.showNodes);
    EXPECT_EQ(LastPaintedStep(d), step);
  }
  const Advance ninth = AdvanceDiagram(d);
  EXPECT_FALSE(ninth.drawStep.has_value());
  EXPECT_TRUE(ninth.showNodes);
  EXPECT_EQ(ninth.help, 22);
  EXPECT_TRUE(d.DiagramIdle);
  EXPECT_FALSE(d.DiagramStepping);
  EXPECT_EQ(LastPaintedStep(d), kDiagramSteps - 1);
  ResetDiagram(d);
  EXPECT_EQ(d.DiagramStep, -1);
  EXPECT_FALSE(d.DiagramActive);
  EXPECT_EQ(LastPaintedStep(d), -1);
}

TEST(ItinerariesGeometry, GridAndDrawingSpaceMapToThePixelsTheDiagramUses) {
  EXPECT_EQ(GridX(28), 320);
  EXPECT_EQ(GridY(1), 0);
  EXPECT_EQ(GridY(44), 645);
  EXPECT_EQ(LinePoint(260, 55), (PixelPoint{373, 105}));
  EXPECT_EQ(LinePoint(232, 300), (PixelPoint{338, 350}));
  EXPECT_EQ(LinePoint(581, 440), (PixelPoint{774, 490}));  // 726.25 rounds down
  EXPECT_EQ(DiagramNodes()[50].row, 13);
  EXPECT_EQ(DiagramNodes()[43].column, 80);
}

TEST_F(ItinerariesDiagramTest, StepsDrawTheirTextsFromTheTextTable) {
  const DiagramStep zero = DiagramStepContent(0);
  EXPECT_TRUE(zero.boxes);
  ASSERT_EQ(zero.texts.size(), 7u);
  EXPECT_EQ(zero.texts[1].text, T(341) + " " + T(514));
  EXPECT_TRUE(zero.texts[1].downwards);
  EXPECT_EQ(zero.texts[2].text, "T8");  // the first two characters of line 87
  EXPECT_EQ(zero.texts[5].text, "T2");  // line 2 holds three characters at most
  const DiagramStep seven = DiagramStepContent(7);
  EXPECT_EQ(seven.lines[0].from, LinePoint(581, 165));
  EXPECT_EQ(seven.texts[1].text, "T85.");
  EXPECT_EQ(DiagramStepContent(3).texts.size(), 5u);  // step 2's three plain texts again
}

TEST_F(ItinerariesDiagramTest, EveryNodeHasAnActionAndItsHintJoinsThreeTexts) {
  for (int button = 1; button <= kNodeButtons; ++button) {
    const NodeAction action = NodeActionOf(button);
    SCOPED_TRACE(button);
    EXPECT_TRUE(action.kind == NodeActionKind::PrintSheets ? action.sheet > 0 : !action.code.empty());
  }
  EXPECT_EQ(NodeActionOf(1).sheet, 8);
  EXPECT_EQ(NodeActionOf(5).sheet, 3);
  EXPECT_EQ(NodeActionOf(16).sheet, 7);
  EXPECT_EQ(NodeActionOf(43).code, "99");
  EXPECT_EQ(NodeActionOf(50).code, "30");
  EXPECT_EQ(NodeActionOf(31).code, "2074068");
  EXPECT_EQ(NodeActionOf(42).code, "502");
  EXPECT_EQ(NodeHint(2), T(83) + " " + T(107) + " " + T(92));
  EXPECT_EQ(NodeHint(17), T(83) + " " + T(113) + " ");  // an empty text keeps its blank
  EXPECT_EQ(NodeHint(36), T(86) + "  " + T(99));
  EXPECT_EQ(NodeHint(40), T(114) + " " + "2 " + T(85) + " " + T(106));  // characters 4-7 of "T252"
  EXPECT_EQ(SubjectListTitle(29), T(99) + " " + T(105));
}

TEST_F(ItinerariesDiagramTest, SubjectListsTakeTwoPassesAndTheSheetDiffersFromItsButtons) {
  SharedTables& t = Tabs();
  Lines(t.TabMaterias, t.CountMaterias, {"20Historia de Espa\xF1" "a", "27Matem\xE1ticas II", "25Lat\xEDn II", "40Religi\xF3n",
                                         "44Psicolog\xED" "a", "46Geolog\xED" "a", "48Lengua cooficial", "50Lengua", "51Latin",
                                         "52Tecnolog\xED" "a"});
  EXPECT_EQ(SubjectList("2074068", "Title"),
            (std::vector<std::string>{"Title", std::string(32, ' '), "Historia de Espa\xF1" "a", "Matem\xE1ticas II", "Religi\xF3n",
                                      "Geolog\xED" "a", "Lengua cooficial"}));
  EXPECT_EQ(SubjectList("2074048", "Title"),
            (std::vector<std::string>{"Title", std::string(32, ' '), "Historia de Espa\xF1" "a", "Matem\xE1ticas II", "Religi\xF3n",
                                      "Psicolog\xED" "a", "Lengua cooficial"}));
  EXPECT_EQ(SubjectList("501", "Title"), (std::vector<std::string>{"Lengua", "Latin"}));  // no title
  EXPECT_EQ(SubjectList("500", ""), (std::vector<std::string>{"Lengua", "Lengua"}));  // a block named twice
  EXPECT_TRUE(SubjectList("9", "").empty());  // a code too short lists nothing
}

TEST_F(ItinerariesDiagramTest, SectionListsAddTheCommonLinesAndCode99ItsOwn) {
  SharedTables& t = Tabs();
  Lines(t.TabInforma, t.CountInforma, {"17Requisitos", "21Humanidades 1", "20Com\xFAn", "22Sociales", "21Humanidades 2", "3"});
  EXPECT_EQ(SectionList("21"), (std::vector<std::string>{"Humanidades 1", "Com\xFAn", "Humanidades 2"}));
  EXPECT_EQ(SectionList("17"), std::vector<std::string>{"Requisitos"});
  EXPECT_TRUE(SectionList("44").empty());
  const auto certificates = SectionList("99");
  ASSERT_EQ(certificates.size(), 9u);
  EXPECT_EQ(certificates[0], T(580));
  EXPECT_EQ(certificates[8], T(568));
}

TEST_F(ItinerariesDiagramTest, BranchListsNameTheDegreesOfTheBranchAndItsFamilies) {
  SharedTables& t = Tabs();
  t.TabCarreran[1] = PadTo("Filolog\xED" "a", 60), t.Binary.TabDatgrados[1][kBranch] = 1;
  t.TabCarreran[2] = PadTo("Qu\xEDmica", 60), t.Binary.TabDatgrados[2][kBranch] = 2;
  t.CountCarreran = 2;
  Lines(t.TabFps, t.CountFps, {" 2     Qu\xEDmica", "      7Dise\xF1o Industrial", "1     7Artes Gr\xE1" "ficas"});
  const auto arts = BranchList(0, "Artes", false);
  EXPECT_EQ(arts[1], "-Artes");
  EXPECT_EQ(arts[7], "Filolog\xED" "a");  // branch 0 lists the degrees of branch 1
  EXPECT_EQ((std::vector<std::string>(arts.end() - 2, arts.end())), (std::vector<std::string>{"Dise\xF1o Industrial", "Artes Gr\xE1" "ficas"}));
  const auto sciences = BranchList(2, "Ciencias", true);
  EXPECT_EQ(sciences[1], "    ");
  EXPECT_EQ(sciences[7], "Qu\xEDmica");
  EXPECT_EQ(sciences.back(), "Qu\xEDmica");
  EXPECT_EQ(BranchList(1, "", false).back(), "Artes Gr\xE1" "ficas");
}

TEST(ItinerariesPopup, TheListShiftsFromTheRightEdgeAndClimbsFromTheBottom) {
  // Node 43 sits at column 80: x 840 + 330 passes 1024.
  const ListPopup right = ListPopupPlace(44, ListKind::Section, 12, 1024, 768);
  EXPECT_EQ(right.left, 1024 - 330);
  EXPECT_EQ(right.height, 225);  // nine items or more
  EXPECT_EQ(ListPopupPlace(8, ListKind::Section, 3, 1024, 768).height, 300);  // offers "Más información"
  const ListPopup small = ListPopupPlace(45, ListKind::Section, 4, 1024, 768);
  EXPECT_EQ(small.height, 150);
  EXPECT_EQ(ListPopupPlace(45, ListKind::Section, 9, 1024, 768).height, 225);
  EXPECT_EQ(ListPopupPlace(25, ListKind::Subject, 3, 1024, 768).height, 225);
  EXPECT_EQ(ListPopupPlace(43, ListKind::Subject, 3, 1024, 768).height, 150);
  // Node 44 is at row 41 (y 600): a 225-high list would end at 825, so it climbs 4 a step.
  const ListPopup low = ListPopupPlace(45, ListKind::Branch, 30, 1024, 768);
  EXPECT_EQ(low.growthSteps, 56);
  EXPECT_EQ(low.top, 500);  // it climbs only while it would end within 40 pixels of the bottom
  EXPECT_LE(low.top + low.height, 768 - 40);
  EXPECT_EQ(ListPopupPlace(8, ListKind::Section, 3, 1024, 768).top, GridY(10));  // high up: stays
}

TEST(ItinerariesMoreInformation, ItsNodesAndTargets) {
  for (const int action : {3, 7, 8, 13, 14, 20, 44, 46, 47, 48}) EXPECT_TRUE(OffersMoreInformation(action)) << action;
  EXPECT_FALSE(OffersMoreInformation(4));
  EXPECT_EQ(MoreInformationOf(20).branch, 2);
  EXPECT_EQ(MoreInformationOf(3).title, 65);
  EXPECT_EQ(MoreInformationOf(44).kind, MoreInformation::Certificates);
  EXPECT_EQ(MoreInformationOf(48).kind, MoreInformation::BasicGrade);
  EXPECT_EQ(MoreInformationOf(47).kind, MoreInformation::MiddleGrade);
}

TEST_F(ItinerariesDiagramTest, PrintSheetsFrameTheirParts) {
  SharedTables& t = Tabs();
  CentreName = "IES Prueba";
  Lines(t.TabInforma, t.CountInforma, {"36PMAR primero", "36PMAR segundo", "19Otras salidas", "23Artes"});
  Lines(t.TabMaterias, t.CountMaterias, {"11Lengua I", "12Dibujo", "30Ed. F\xEDsica"});
  int last = BuildPrintSheet(7);
  EXPECT_EQ(t.PrintLines[0].view(), "PMAR primero");  // line 5 of the work list
  EXPECT_EQ(t.PrintLines[1].view(), "");
  EXPECT_EQ(t.PrintLines[2].view(), "     " + std::string(18, '-'));
  EXPECT_EQ(t.PrintLines[9].view(), "Otras salidas");
  EXPECT_EQ(last, 9);

  last = BuildPrintSheet(8);
  EXPECT_EQ(t.PrintLines[0].view(), T(64));
  EXPECT_EQ(t.PrintLines[1].view(), "");
  EXPECT_EQ(t.PrintLines[2].view(), T(66));
  EXPECT_EQ(t.PrintLines[3].view(), T(71));
  EXPECT_EQ(t.PrintLines[7].view(), "     " + std::string(18, '-'));
  EXPECT_EQ(t.PrintLines[9].view(), T(56));
  EXPECT_EQ(t.PrintLines[11].view(), T(73));
  EXPECT_EQ(t.PrintLines[13].view(), "Lengua I");
  EXPECT_EQ(t.PrintLines[14].view(), "Dibujo");
  EXPECT_EQ(t.PrintLines[15].view(), "Ed. F\xEDsica");
  EXPECT_GT(last, 30);
  EXPECT_EQ(BuildPrintSheet(2), 0);  // no such sheet
}

}  // namespace
}  // namespace velmora
