// The questionnaires screen over the built sample folder, driven through its handlers as a
// student would: the door, the grid, the results, the group panel, printing, saving, leaving.
#include "guidance/questionnaires_screen.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include <unistd.h>

#include "core/common.h"
#include "core/cp1252.h"
#include "core/navigation.h"
#include "core/printing/recording_canvas.h"
#include "core/qt_text.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/yes_no_dialog.h"
#include "guidance/help_panel.h"
#include "tests/support/built_folder.h"
#include "tests/support/fixture_folder.h"
#include "university/degree_files.h"
#include "vocational/vocational_files.h"
#include "vocational/middle_grade_screen.h"

namespace velmora {
namespace {

// A recording printer whose calls outlive the print job.
class KeptCanvas : public RecordingCanvas {
 public:
  explicit KeptCanvas(std::vector<CanvasCall>& out) : out_(out) {}
  ~KeptCanvas() override { out_ = calls; }

 private:
  std::vector<CanvasCall>& out_;
};

class QuestionnairesScreen : public testing::BuiltFolderTest {
 protected:
  QuestionnairesScreen() {
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    TForm2::LoadFiles();
    screen = std::make_unique<TForm2>();
    Navigation().mainMenu = &menu;
    SetDoorOpener(kDoorMiddleGrade, [this] { return &middleGrade; });
    platform.printerChoice = [this] { return std::make_unique<KeptCanvas>(printed); };
  }
  ~QuestionnairesScreen() override {
    screen.reset();
    ClearDoorOpeners();
    Navigation() = {};
    std::filesystem::remove_all(folder);
  }
  static QString Text(int line) { return ToQString(TextLine(line)); }
  std::string Cell(int row, int column) const {
    const QTableWidgetItem* item = screen->Gcuestio->item(row - 1, column);
    return item != nullptr ? FromQString(item->text()) : "<none>";
  }
  std::vector<std::string> Items(const QListWidget* list) const {
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row) items.push_back(FromQString(list->item(row)->text()));
    return items;
  }
  // The student types a name into the yes/no dialog and answers Yes; no name: the dialog is cancelled.
  void AnswerDialogs(const std::string& name, bool yes = true) {
    platform.modalAnswer = [name, yes](QDialog& dialog) {
      if (auto* edit = dialog.findChild<QLineEdit*>(); edit != nullptr && !edit->isHidden()) edit->setText(ToQString(name));
      return yes ? TForm4::kResultYes : TForm4::kResultCancel;
    };
  }
  // Every row clicked that many times (three clicks give the top of a four-answer question).
  void ClickEveryRow(int clicks) {
    for (int n = 1; n <= screen->State().ShownQuestions; ++n)
      for (int click = 0; click < clicks; ++click) screen->GcuestioMouseDown(n);
  }
  TForm4 dialog;
  std::unique_ptr<TForm2> screen;
  QWidget menu, middleGrade;
  std::vector<CanvasCall> printed;
  std::filesystem::path folder = std::filesystem::temp_directory_path() / ("velmora-screen-" + std::to_string(::getpid()));
};

TEST_F(QuestionnairesScreen, TheDoorOpensTheQuestionnaireChoiceWithItsCaptions) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  ASSERT_EQ(PrepareDoor(kDoorQuestionnaires), screen.get());
  EXPECT_FALSE(screen->botCuestio->isHidden());
  EXPECT_TRUE(screen->BotItinerarios->isHidden());
  EXPECT_TRUE(screen->BotLOMCE->isHidden());
  EXPECT_EQ(screen->windowTitle(), ToQString(std::string(TextLine(338)) + "  " + CentreName));
  screen->botCuestioMouseMove();
  EXPECT_FALSE(screen->PanelMenu2->isHidden());
  EXPECT_EQ(screen->BotCuestio1->text(), Text(76));
  EXPECT_EQ(screen->BotCuestio3->toolTip(), Text(75));
  screen->HideQuestionnaireChoice();
  EXPECT_TRUE(screen->PanelMenu2->isHidden());
}

TEST_F(QuestionnairesScreen, ClicksAndEnterCycleTheAnswersAndOnlyClicksWriteTheStars) {
  screen->BotCuestio1Click();
  const Questionnaire& q = screen->State();
  ASSERT_EQ(screen->Gcuestio->rowCount(), Tabs().CountCuestion);
  ASSERT_GE(q.QuestionCount, 150);
  EXPECT_FALSE(screen->botCuestio->isEnabled());
  EXPECT_TRUE(screen->BitAcabarLogse->isHidden());
  EXPECT_EQ(screen->Gcuestio->horizontalHeaderItem(1)->text(), Text(37));
  EXPECT_EQ(Cell(1, 0), std::string(TrimBlanks(Field(Tabs().TabCuestion[1].view(), 3, 48))));
  EXPECT_EQ(Cell(1, 1), "");

  // Question 2 is a four-answer habit question: Nunca, A veces, A menudo, Siempre.
  ASSERT_EQ(q.QuestionKind[2], 4);
  screen->GcuestioMouseDown(2);
  EXPECT_EQ(Cell(2, 1), std::string(TextLine(133)));
  EXPECT_EQ(Cell(2, 2), "*");
  screen->GcuestioKeyPress(2);
  EXPECT_EQ(Cell(2, 1), std::string(TextLine(134)));
  EXPECT_EQ(Cell(2, 2), "*");  // Enter leaves the stars
  screen->GcuestioMouseDown(2);
  screen->GcuestioMouseDown(2);
  EXPECT_EQ(q.Answers[2], 1);
  EXPECT_EQ(Cell(2, 2), "");

  // A heading row keeps answer 1 and shows its label once clicked.
  ASSERT_EQ(q.QuestionKind[36], 6);
  screen->GcuestioMouseDown(36);
  EXPECT_EQ(q.Answers[36], 1);
  EXPECT_EQ(Cell(36, 1), std::string(TextLine(127)));

  // The help girl types message 31 out line by line.
  screen->payuda->TimerAyuda.stop();
  for (int tick = 0; tick < 9; ++tick) screen->payuda->TimerAyudaTimer();
  EXPECT_EQ(screen->payuda->LabelAyu[0]->text(), Text(207));
  EXPECT_EQ(screen->payuda->LabelAyu[5]->text(), Text(212));
  EXPECT_EQ(platform.sounds.size(), 6u);
}

TEST_F(QuestionnairesScreen, ResultsRankTheGroupsAndAGroupOpensItsStudies) {
  screen->BotCuestio1Click();
  ClickEveryRow(1);
  screen->BotResCuesClick();
  const QuestionnaireResult& r = screen->State().Result;
  EXPECT_TRUE(screen->Gcuestio->isHidden());
  EXPECT_EQ(Items(screen->ListresCues).size(), r.ResultLines.size());
  EXPECT_FALSE(screen->ImpResul->isHidden());
  EXPECT_FALSE(screen->grabar->isHidden());
  EXPECT_EQ(screen->BotResCues->text(), Text(328));
  EXPECT_GT(r.OverallMark, 0.0);
  EXPECT_NE(r.ResultLines[9].find(ModalityText(r.FirstModality)), std::string::npos);

  screen->ListresCuesClick(5);  // not a group line
  EXPECT_TRUE(screen->PanelCar->isHidden());
  screen->ListresCuesClick(17);
  ASSERT_FALSE(screen->PanelCar->isHidden());
  const auto lines = Items(screen->ListCar);
  const int group = r.GroupOrder[1];
  EXPECT_EQ(lines.front(), "   " + std::string(TrimBlanks(Tabs().TabItinerar[static_cast<std::size_t>(group)].view())));
  EXPECT_GT(lines.size(), 4u);  // some titles or degrees lead from every study group

  screen->BotImpTitMouseUp();
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ(printed.front().text, "el Velmora");
  screen->BotCerrarMouseUp();
  EXPECT_TRUE(screen->PanelCar->isHidden());

  screen->BotResCuesClick();  // back to the grid
  EXPECT_FALSE(screen->Gcuestio->isHidden());
  EXPECT_TRUE(screen->ImpResul->isHidden());
  EXPECT_EQ(screen->State().Answers[1], 2);
}

TEST_F(QuestionnairesScreen, PrintingAndSavingAskTheNameOnceAndSaveUtf8Text) {
  screen->BotCuestio1Click();
  ClickEveryRow(2);
  screen->BotResCuesClick();

  AnswerDialogs("", false);
  screen->ImpResulClick();  // the name question cancelled: nothing printed
  EXPECT_TRUE(printed.empty());
  EXPECT_TRUE(StudentLabel.empty());

  AnswerDialogs("Luc\xED" "a P\xE9rez");
  screen->ImpResulClick();
  EXPECT_EQ(StudentLabel.view(), "Luc\xED" "a P\xE9rez  -  4\xBA de ESO");
  ASSERT_FALSE(printed.empty());
  bool resultPrinted = false;
  for (const CanvasCall& call : printed) resultPrinted |= call.text == screen->State().Result.ResultLines[2];
  EXPECT_TRUE(resultPrinted);

  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "resultado.txt";
  platform.textFileChoice = file.string();
  const int dialogsBefore = platform.modalCount;
  screen->grabarClick();
  EXPECT_EQ(platform.modalCount, dialogsBefore);  // the name is asked once
  ASSERT_EQ(platform.textFileProposals.size(), 1u);
  EXPECT_TRUE(platform.textFileProposals[0].ends_with("Luc\xC3\xAD" "a P\xC3\xA9rez - 4\xC2\xBA de ESO.txt"));
  const std::string bytes = testing::ReadFileBytes(file);
  EXPECT_TRUE(bytes.starts_with("Luc\xC3\xAD" "a P\xC3\xA9rez  -  4\xC2\xBA de ESO\r\n\r\n       "));
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), static_cast<long>(screen->State().Result.ResultLines.size()) + 2);
  EXPECT_TRUE(screen->payuda->TimerAyuda.isActive());  // message 20: saved

  // A folder that is gone: the program says so and shows no "saved" message.
  screen->payuda->TimerAyuda.stop();
  platform.textFileChoice = (folder / "gone" / "r.txt").string();
  screen->grabarClick();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("No se han podido guardar"), std::string::npos);
  EXPECT_FALSE(screen->payuda->TimerAyuda.isActive());
}

TEST_F(QuestionnairesScreen, ReopeningOffersToKeepOrRestartTheAnswers) {
  screen->BotCuestio1Click();
  screen->GcuestioMouseDown(1);
  screen->acabarCuesClick();
  EXPECT_TRUE(screen->PanelCuestio->isHidden());
  EXPECT_TRUE(screen->botCuestio->isEnabled());
  EXPECT_FALSE(screen->BitAcabarLogse->isHidden());

  AnswerDialogs("", false);  // No: keep them
  screen->BotCuestio1Click();
  EXPECT_EQ(platform.modalCount, 1);
  EXPECT_EQ(screen->State().Answers[1], 2);
  EXPECT_EQ(Cell(1, 1), std::string(TextLine(137)));  // Nada, Poco, Bastante, Mucho
  screen->acabarCuesClick();

  AnswerDialogs("", true);  // Yes: start again
  screen->BotCuestio1Click();
  EXPECT_EQ(screen->State().Answers[1], 1);
  EXPECT_EQ(Cell(1, 1), "");
}

TEST_F(QuestionnairesScreen, APassedShortTestContinuesWithTheRestKeepingTheFirstPart) {
  screen->BotCuestio3Click();
  ASSERT_EQ(screen->Gcuestio->rowCount(), kFirstPartLength);
  ClickEveryRow(3);
  screen->BotResCuesClick();
  const Questionnaire& q = screen->State();
  EXPECT_TRUE(q.ShortTestPassed);
  EXPECT_FALSE(screen->BotContinuar->isHidden());
  EXPECT_TRUE(screen->ImpResul->isHidden());
  EXPECT_EQ(Items(screen->ListresCues).size(), 13u);
  EXPECT_EQ(Items(screen->ListresCues)[3], std::string(TextLine(142)));
  EXPECT_EQ(screen->BotContinuar->y(), screen->AcabarCues->y() - 4);

  screen->BotContinuarClick();
  EXPECT_EQ(screen->Gcuestio->rowCount(), q.QuestionCount);
  EXPECT_FALSE(q.ShortTestMode);
  EXPECT_EQ(q.Answers[1], 4);
  EXPECT_NE(Cell(1, 1), "");   // the first part keeps its answers
  EXPECT_EQ(Cell(37, 1), "");  // the rest starts fresh
  EXPECT_EQ(Cell(40, 0), std::string(TrimBlanks(Field(Tabs().TabCuestion[40].view(), 3, 48))));
}

TEST_F(QuestionnairesScreen, AFailedShortTestLeadsToTheMiddleGradeScreenInFront) {
  screen->show();
  screen->BotCuestio3Click();
  screen->BotResCuesClick();  // nothing answered: 0.0
  EXPECT_FALSE(screen->State().ShortTestPassed);
  EXPECT_EQ(Items(screen->ListresCues)[3], std::string(TextLine(150)));
  screen->BotContinuarClick();
  EXPECT_FALSE(middleGrade.isHidden());
  EXPECT_FALSE(screen->isHidden());  // it stays behind, and the middle-grade back returns to it
  EXPECT_TRUE(FromContextInfo);
  EXPECT_TRUE(screen->PanelCuestio->isHidden());
  FromContextInfo = false;
}

TEST_F(QuestionnairesScreen, LeavingReturnsToTheCorridorAndTheVocationalDoorHidesTheScreen) {
  screen->show();
  screen->BotCuestio2Click();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(middleGrade.isHidden());
  screen->show();
  screen->BitAcabarLogseClick();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(menu.isHidden());
}

TEST_F(QuestionnairesScreen, BothWaysToTheMiddleGradeQuestionnaireStartItAtItsAreas) {
  TForm3::LoadFiles();
  TForm3 middle;  // its door now opens the real screen
  screen->show();
  StudentLabel = "Ana";
  screen->BotCuestio2Click();
  EXPECT_TRUE(middle.QuestionnaireFlag);
  EXPECT_TRUE(StudentLabel.empty());
  EXPECT_TRUE(middle.isVisible());
  EXPECT_FALSE(middle.ListGM->isHidden());
  EXPECT_EQ(middle.ListGM->count(), kGmAreaItems);
  middle.BotSalirCuesClick();
  EXPECT_FALSE(middle.QuestionnaireFlag);

  // A failed short test's "Continuar" opens it over this screen.
  screen->show();
  screen->BotCuestio3Click();
  screen->BotResCuesClick();
  screen->BotContinuarClick();
  EXPECT_TRUE(middle.QuestionnaireFlag);
  EXPECT_TRUE(FromContextInfo);
  middle.BotSalirCuesClick();  // leaves only itself: this screen is still there
  EXPECT_TRUE(middle.isHidden());
  EXPECT_TRUE(screen->isVisible());
}

}  // namespace
}  // namespace velmora
