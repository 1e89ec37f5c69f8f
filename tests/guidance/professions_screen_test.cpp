// The professions screen over the built sample folder, driven through its handlers as a student
// would: the long statements, the pages, the review, the result, printing and leaving.
#include "guidance/professions_screen.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "core/common.h"
#include "core/navigation.h"
#include "core/printing/recording_canvas.h"
#include "core/qt_text.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/yes_no_dialog.h"
#include "tests/support/built_folder.h"
#include "university/degree_files.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

class ProfessionsScreen : public testing::BuiltFolderTest {
 protected:
  ProfessionsScreen() {
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    Tprofe::LoadFiles();
    screen = std::make_unique<Tprofe>();
    Navigation().mainMenu = &menu;
    platform.modalAnswer = [this](QDialog&) {
      asked.push_back(FromQString(dialog.LabelNombre->text()));
      return answer;
    };
  }
  ~ProfessionsScreen() override {
    screen.reset();
    ClearDoorOpeners();
    Navigation() = {};
  }
  static QString Text(int line) { return ToQString(TextLine(line)); }
  std::vector<int> Selected() const {
    std::vector<int> rows;
    for (int i = 0; i < screen->ListSel->count(); ++i)
      if (screen->ListSel->item(i)->isSelected()) rows.push_back(i);
    return rows;
  }
  void Click(int row) {
    QListWidgetItem* item = screen->ListSel->item(row);
    item->setSelected(!item->isSelected());
    screen->ListSelClick(row);
  }
  // Keeps the first three long statements, picks the first two rows of every page, marks the
  // first statement of the review and shows the result.
  void ReachTheResult() {
    ASSERT_EQ(PrepareDoor(kDoorProfessions), screen.get());
    screen->botSiClick();
    const int n = static_cast<int>(ProfessionStatementFile().longStatements.size());
    for (int i = 0; i < n; ++i) i < 3 ? screen->botSiClick() : screen->BotNoClick();
    screen->BotFraSigClick();
    while (!screen->Questionnaire.FinalReview()) {
      Click(0);
      Click(1);
      screen->BotFraSigClick();
    }
    Click(0);
    screen->BotFraSigClick();
  }

  TForm4 dialog;
  std::unique_ptr<Tprofe> screen;
  QWidget menu;
  std::vector<std::string> asked;
  int answer = TForm4::kResultYes;
};

TEST_F(ProfessionsScreen, TheDoorStartsWithTheIntroductionAndTheStatementsOneByOne) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  ASSERT_EQ(PrepareDoor(kDoorProfessions), screen.get());
  const ProfessionStatements& file = ProfessionStatementFile();
  ASSERT_GE(file.longStatements.size(), 15u);
  ASSERT_LE(file.longStatements.size(), 20u);
  EXPECT_EQ(screen->ListCues->count(), static_cast<int>(file.longStatements.size()));
  EXPECT_FALSE(screen->PanelFrase->isHidden());
  EXPECT_EQ(screen->LabelFrase0->text(), Text(631));
  EXPECT_TRUE(screen->BotNo->isHidden());
  EXPECT_FALSE(screen->BotFraSig->isEnabled());
  while (screen->TimerFrase.isActive()) screen->TimerFraseTimer();
  EXPECT_EQ(screen->PanelFrase->geometry().height(), 250);

  screen->botSiClick();
  EXPECT_EQ(screen->LabelFrase0->text(), Text(626));
  EXPECT_EQ(screen->LabelFrase->text(), ToQString(file.longStatements[0].text));
  EXPECT_FALSE(screen->BotNo->isHidden());
  for (std::size_t i = 0; i < file.longStatements.size(); ++i) screen->BotNoClick();
  EXPECT_EQ(screen->LabelFrase0->text(), Text(639));
  EXPECT_EQ(screen->LabelFrase->text(), Text(637) + " " + Text(636));
  EXPECT_TRUE(screen->BotFraSig->isEnabled());
  // Nothing kept: the end message stays; four kept: the message about too many.
  screen->BotFraSigClick();
  EXPECT_TRUE(screen->ListSel->isHidden());
  for (int i = 0; i < 4; ++i) screen->ListCuesClick(i);
  screen->BotFraSigClick();
  EXPECT_EQ(screen->LabelFrase->text(), Text(634) + " " + Text(635) + " " + Text(636));
  screen->ListCuesClick(3);
  screen->BotFraSigClick();
  EXPECT_FALSE(screen->ListSel->isHidden());
  EXPECT_TRUE(screen->ListCues->isHidden());
  EXPECT_EQ(screen->LabelTit0->text(), Text(629));
  EXPECT_LE(screen->ListSel->count(), kMaxPageRows);
}

TEST_F(ProfessionsScreen, PagesReviewAndResult) {
  ASSERT_EQ(PrepareDoor(kDoorProfessions), screen.get());
  screen->botSiClick();
  for (int i = 0; i < static_cast<int>(ProfessionStatementFile().longStatements.size()); ++i)
    i == 4 ? screen->botSiClick() : screen->BotNoClick();
  screen->BotFraSigClick();
  ASSERT_GE(screen->ListSel->count(), 3);
  Click(0);
  Click(1);
  Click(2);  // a third pick leaves only itself
  EXPECT_EQ(Selected(), std::vector<int>{2});
  Click(0);
  while (!screen->Questionnaire.FinalReview()) screen->BotFraSigClick();
  EXPECT_EQ(screen->LabelTit0->text(), Text(630));
  ASSERT_GE(screen->ListSel->count(), 2);
  EXPECT_TRUE(Selected().empty());
  Click(0);
  Click(1);
  EXPECT_EQ(Selected(), std::vector<int>{1});  // one choice in the review
  screen->BotFraSigClick();
  EXPECT_FALSE(screen->PanelResul->isHidden());
  EXPECT_FALSE(screen->BotImp->isHidden());
  ASSERT_GE(screen->ListResulAct->count(), 2);
  EXPECT_EQ(screen->ListResulAct->item(0)->text(), QString(9, ' ') + Text(625));
  EXPECT_TRUE(screen->ListResulAct->item(1)->text().startsWith(QStringLiteral("1º ")));
  // Back: the review again; back once more: the last page with its picks.
  screen->BotFraRetClick();
  EXPECT_TRUE(screen->PanelResul->isHidden());
  EXPECT_TRUE(screen->Questionnaire.FinalReview());
  screen->BotFraRetClick();
  EXPECT_FALSE(screen->Questionnaire.FinalReview());
  while (screen->Questionnaire.CurrentPage() > 0) screen->BotFraRetClick();
  EXPECT_FALSE(screen->ListCues->isHidden());
  EXPECT_TRUE(screen->ListSel->isHidden());
}

TEST_F(ProfessionsScreen, TheResultShowsStudiesAndActivityProfessionsUnderTheMouse) {
  ReachTheResult();
  ASSERT_GE(screen->ListResulProf->count(), 2);
  EXPECT_TRUE(screen->ListResulProf->item(0)->text().isEmpty());
  screen->ListResulProfMouseMove(1);
  EXPECT_EQ(screen->LabelTit3->text(), screen->ListResulProf->item(1)->text());
  EXPECT_FALSE(screen->ListTit->isHidden());
  ASSERT_GT(screen->ListTit->count(), 1);
  EXPECT_EQ(screen->ListTit->item(0)->foreground().color(), QColor(0x00, 0x80, 0x00));
  EXPECT_EQ(screen->ListTit->item(1)->foreground().color(), QColor(Qt::black));

  screen->ListResulActMouseMove(1);
  EXPECT_FALSE(screen->ListResProf->isHidden());
  EXPECT_EQ(screen->ListResProf->item(0)->text(), QString(5, ' ') + Text(624) + QStringLiteral(" 1º"));
  // A click locks what is shown; moving over the panel frees it.
  screen->ListResulActMouseUp(1);
  EXPECT_TRUE(screen->HoverLocked);
  screen->ListResulActMouseMove(2);
  EXPECT_EQ(screen->ListResProf->item(0)->text(), QString(5, ' ') + Text(624) + QStringLiteral(" 1º"));
  screen->PanelResulMouseMove();
  EXPECT_FALSE(screen->HoverLocked);
  screen->degradeMapa2MouseMove();
  EXPECT_TRUE(screen->ListTit->isHidden());
  EXPECT_TRUE(screen->ListResProf->isHidden());
}

TEST_F(ProfessionsScreen, PrintingNamesTheStudentAndListsTheResult) {
  ReachTheResult();
  std::vector<CanvasCall> printed;
  struct KeptCanvas : RecordingCanvas {
    explicit KeptCanvas(std::vector<CanvasCall>& out) : out_(out) {}
    ~KeptCanvas() override { out_ = calls; }
    std::vector<CanvasCall>& out_;
  };
  platform.printerChoice = [&printed] { return std::make_unique<KeptCanvas>(printed); };
  platform.modalAnswer = [this](QDialog&) {
    dialog.EditNombre->setText(QStringLiteral("Mar Ruiz"));
    return TForm4::kResultYes;
  };
  screen->BotImpClick();
  EXPECT_EQ(StudentLabel, "Mar Ruiz");
  bool titled = false, professionListed = false;
  const std::string profession(TrimBothBlanks(FromQString(screen->ListResulProf->item(1)->text())));
  for (const CanvasCall& call : printed) {
    titled |= call.text == TextLine(648);
    professionListed |= call.text == profession;
  }
  EXPECT_TRUE(titled);
  EXPECT_TRUE(professionListed);
}

TEST_F(ProfessionsScreen, LeavingAsksFirstUnlessTheAssistantOpenedIt) {
  ReachTheResult();
  screen->show();
  answer = TForm4::kResultCancel;
  screen->BotAcabarClick();
  ASSERT_EQ(asked, std::vector<std::string>{std::string(TextLine(649))});
  EXPECT_TRUE(screen->isVisible());
  EXPECT_FALSE(screen->close());  // the close box asks the same
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_TRUE(screen->isVisible());
  answer = TForm4::kResultYes;
  screen->ListTitMouseDown();
  EXPECT_EQ(FromQString(dialog.LabelNombre2->text()), TextLine(650));
  EXPECT_TRUE(screen->isHidden());
  EXPECT_TRUE(menu.isVisible());
  EXPECT_TRUE(screen->PanelResul->isHidden());

  QWidget assistant;
  Navigation().assistant = &assistant;
  InAssistant = true;
  asked.clear();
  screen->show();
  screen->BotAcabarClick();
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(assistant.isVisible());
  InAssistant = false;
  // A new entry starts again with nothing kept.
  ASSERT_EQ(PrepareDoor(kDoorProfessions), screen.get());
  EXPECT_TRUE(std::ranges::none_of(screen->Questionnaire.LongSelected(), [](bool kept) { return kept; }));
  EXPECT_TRUE(screen->PanelResul->isHidden());
}

}  // namespace
}  // namespace velmora
