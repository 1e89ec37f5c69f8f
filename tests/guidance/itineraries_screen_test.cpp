// The itineraries side of the questionnaires screen over the built sample folder: the door, the
// eight steps, the nodes and their lists, "Más información", a print sheet, leaving.
#include <gtest/gtest.h>

#include <memory>

#include "core/common.h"
#include "core/navigation.h"
#include "core/printing/recording_canvas.h"
#include "core/qt_text.h"
#include "core/text_table.h"
#include "core/yes_no_dialog.h"
#include "guidance/help_panel.h"
#include "guidance/questionnaires_screen.h"
#include "tests/support/built_folder.h"
#include "university/degree_files.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

class ItinerariesScreen : public testing::BuiltFolderTest {
 protected:
  ItinerariesScreen() {
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    TForm2::LoadFiles();
    screen = std::make_unique<TForm2>();
    Navigation().mainMenu = &menu;
    SetDoorOpener(kDoorBasicGrade, [this] { return &basicGrade; });
    platform.printerChoice = [this] {
      ++printJobs;
      return std::make_unique<RecordingCanvas>();
    };
  }
  ~ItinerariesScreen() override {
    screen.reset();
    ClearDoorOpeners();
    Navigation() = {};
  }
  std::vector<std::string> ListItems() const {
    std::vector<std::string> items;
    for (int row = 0; row < screen->List_Sel->count(); ++row) items.push_back(FromQString(screen->List_Sel->item(row)->text()));
    return items;
  }
  int NodesShown() const {
    int shown = 0;
    for (int button = 1; button <= kNodeButtons; ++button) shown += screen->NodeButtons[static_cast<std::size_t>(button)]->isHidden() ? 0 : 1;
    return shown;
  }
  void StepThrough() {
    screen->OpenItineraries();
    for (int click = 0; click < kDiagramSteps; ++click) screen->FormClick();
  }

  TForm4 dialog;
  std::unique_ptr<TForm2> screen;
  QWidget menu, basicGrade;
  int printJobs = 0;
};

TEST_F(ItinerariesScreen, TheDoorShowsTheItineraryButtonsAndTheDiagramStepsOneClickOrKeyAtATime) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  ASSERT_EQ(PrepareDoor(kDoorItineraries), screen.get());
  EXPECT_TRUE(screen->botCuestio->isHidden());
  EXPECT_FALSE(screen->BotItinerarios->isHidden());
  EXPECT_FALSE(screen->BotLOMCE->isHidden());

  screen->BotItinerariosClick();
  EXPECT_EQ(screen->Diagram.DiagramStep, 0);
  EXPECT_TRUE(screen->TilArr->isHidden());
  EXPECT_FALSE(screen->PanelItiner->isHidden());
  EXPECT_EQ(screen->PanelItiner->width(), screen->payuda->geometry().right() + 4);
  screen->payuda->TimerAyuda.stop();
  for (int tick = 0; tick < 9; ++tick) screen->payuda->TimerAyudaTimer();
  EXPECT_EQ(screen->payuda->LabelAyu[0]->text(), ToQString(TextLine(192)));

  for (int click = 1; click <= 6; ++click) screen->FormClick();
  screen->FormKeyDown(Qt::Key_Space);  // a key advances as a click does
  EXPECT_EQ(screen->Diagram.DiagramStep, 7);
  EXPECT_EQ(NodesShown(), 0);
  screen->FormClick();  // the ninth advance: the nodes
  EXPECT_EQ(NodesShown(), kNodeButtons);
  EXPECT_EQ(screen->NodeButtons[2]->toolTip(), ToQString(NodeHint(2)));
  EXPECT_FALSE(screen->BotItinerarios->isEnabled());
  screen->FormClick();  // later clicks change nothing
  EXPECT_EQ(screen->Diagram.DiagramStep, 7);
  EXPECT_TRUE(screen->Diagram.DiagramActive);
}

TEST_F(ItinerariesScreen, NodesOpenTheirListsAndAClickWithAListOpenOnlyClosesIt) {
  StepThrough();
  screen->b48Click(2);  // the Artes section, with "Más información"
  ASSERT_FALSE(screen->List_Sel->isHidden());
  EXPECT_EQ(ListItems(), SectionList("41"));
  EXPECT_FALSE(ListItems().empty());
  EXPECT_FALSE(screen->botContextual->isHidden());
  for (int tick = 0; tick < 8; ++tick) screen->TimerParpadeoTimer();
  EXPECT_FALSE(screen->TimerParpadeo.isActive());
  EXPECT_EQ(screen->botContextual->text(), ToQString(TextLine(43)));

  screen->b48Click(26);  // with a list open: only closes it
  EXPECT_TRUE(screen->List_Sel->isHidden());
  EXPECT_EQ(screen->NodeClicks, 1);

  screen->b48Click(2);
  screen->botContextualMouseUp();  // the branch list of Artes
  ASSERT_FALSE(screen->List_Sel->isHidden());
  EXPECT_EQ(ListItems()[1], "-" + std::string(TextLine(65)));
  EXPECT_GT(ListItems().size(), 12u);
  screen->FormKeyDown(Qt::Key_Escape);
  EXPECT_TRUE(screen->List_Sel->isHidden());

  screen->b48Click(26);  // a subject list: the title, then 32 blanks
  ASSERT_GT(ListItems().size(), 4u);
  EXPECT_EQ(ListItems()[0], SubjectListTitle(26));
  EXPECT_EQ(ListItems()[1], std::string(32, ' '));
  screen->BotCerrarVMouseUp();

  screen->b48Click(43);  // code 99 at the right edge: the list shifts left
  EXPECT_EQ(screen->List_Sel->x(), screen->width() - 330);
  EXPECT_EQ(ListItems().back(), std::string(TextLine(568)));
}

TEST_F(ItinerariesScreen, MoreInformationOpensTheBasicGradeScreenInFrontAndASheetPrints) {
  StepThrough();
  screen->show();
  screen->b48Click(47);  // section 31: FP Básica
  ASSERT_FALSE(screen->botContextual->isHidden());
  screen->botContextualMouseUp();
  EXPECT_FALSE(basicGrade.isHidden());
  EXPECT_FALSE(screen->isHidden());
  EXPECT_TRUE(FromContextInfo);
  FromContextInfo = false;

  screen->b48Click(1);  // sheet 8
  EXPECT_EQ(printJobs, 1);
  EXPECT_EQ(Tabs().PrintLines[0].view(), TextLine(64));
}

TEST_F(ItinerariesScreen, LeavingResetsTheDiagram) {
  StepThrough();
  screen->show();
  screen->b48Click(2);
  screen->BitAcabarLogseClick();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(menu.isHidden());
  EXPECT_EQ(screen->Diagram.DiagramStep, -1);
  EXPECT_FALSE(screen->Diagram.DiagramActive);
  EXPECT_EQ(NodesShown(), 0);
  EXPECT_TRUE(screen->List_Sel->isHidden());
  EXPECT_TRUE(screen->BotItinerarios->isEnabled());
  EXPECT_FALSE(screen->TilArr->isHidden());
  EXPECT_TRUE(screen->PanelItiner->isHidden());
}

}  // namespace
}  // namespace velmora
