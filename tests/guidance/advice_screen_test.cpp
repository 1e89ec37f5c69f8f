// The advice screen over the built sample folder, driven through its handlers as a student
// would: both checklists, their results and average, a group's studies, the report, leaving.
#include "guidance/advice_screen.h"

#include <QCoreApplication>
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
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/yes_no_dialog.h"
#include "guidance/help_panel.h"
#include "tests/support/built_folder.h"
#include "tests/support/fixture_folder.h"
#include "university/degree_files.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

class CountingCanvas : public RecordingCanvas {
 public:
  explicit CountingCanvas(std::vector<std::vector<CanvasCall>>& jobs) : jobs_(jobs) {}
  ~CountingCanvas() override { jobs_.push_back(calls); }

 private:
  std::vector<std::vector<CanvasCall>>& jobs_;
};

class AdviceScreen : public testing::BuiltFolderTest {
 protected:
  AdviceScreen() {
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    TFormCon::LoadFiles();
    screen = std::make_unique<TFormCon>();
    Navigation().mainMenu = &menu;
    platform.printerChoice = [this] { return std::make_unique<CountingCanvas>(printed); };
    platform.modalAnswer = [this](QDialog& dialog) {
      if (auto* edit = dialog.findChild<QLineEdit*>(); edit != nullptr && !edit->isHidden() && !name.empty()) edit->setText(ToQString(name));
      return yes ? TForm4::kResultYes : TForm4::kResultCancel;
    };
  }
  ~AdviceScreen() override {
    screen.reset();
    ClearDoorOpeners();
    Navigation() = {};
    std::filesystem::remove_all(folder);
  }
  static QString Text(int line) { return ToQString(TextLine(line)); }
  std::vector<int> Ticked(const QListWidget* list) const {
    std::vector<int> rows;
    for (int row = 0; row < list->count(); ++row)
      if (list->item(row)->isSelected()) rows.push_back(row);
    return rows;
  }
  void Click(QListWidget* list, int row) {
    list->item(row)->setSelected(!list->item(row)->isSelected());
    if (list == screen->ListCua) screen->ListCuaClick(row);
  }
  std::string Help(int label) const { return FromQString(screen->payuda->LabelAyu[static_cast<std::size_t>(label)]->text()); }
  void TypeHelpOut() {
    screen->payuda->TimerAyuda.stop();
    for (int tick = 0; tick < 9; ++tick) screen->payuda->TimerAyudaTimer();
  }
  // Both checklists with a few ticks, then the combined result.
  void FillBoth() {
    screen->MenucuaClick();
    for (const int row : {2, 10, 20, 30}) Click(screen->ListCua, row);
    screen->VerResulClick();
    screen->acabarCuaClick();
    screen->MenuGusClick();
    for (const int row : {1, 5, 9, 40, 60}) Click(screen->Listint, row);
    screen->VerResulClick();
    screen->acabarCuaClick();
    screen->MenuMediaClick();
  }
  // Shown as a door shows it; the restart question comes once the screen is drawn.
  void Show() {
    screen->show();
    QCoreApplication::processEvents();
  }
  TForm4 dialog;
  std::unique_ptr<TFormCon> screen;
  QWidget menu;
  std::string name;
  bool yes = true;
  std::vector<std::vector<CanvasCall>> printed;
  std::filesystem::path folder = std::filesystem::temp_directory_path() / ("velmora-advice-" + std::to_string(::getpid()));
};

TEST_F(AdviceScreen, AChecklistOpensAloneInPurpleAndItsGradedScalesTickTheirLowerSteps) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  ASSERT_EQ(PrepareDoor(kDoorAdvice), screen.get());
  screen->MenucuaClick();
  EXPECT_EQ(screen->ListCua->count(), Tabs().CountCualidad);
  EXPECT_GE(screen->ListCua->count(), 60);
  EXPECT_TRUE(screen->Menucua->font().italic());
  EXPECT_TRUE(screen->MenuGus->isHidden());
  EXPECT_TRUE(screen->MenuRetroCon->isHidden());
  EXPECT_FALSE(screen->VerResul->isHidden());
  TypeHelpOut();
  EXPECT_EQ(Help(0), std::string(TextLine(355)));

  Click(screen->ListCua, 2);
  EXPECT_EQ(Ticked(screen->ListCua), (std::vector<int>{0, 1, 2}));
  Click(screen->ListCua, 2);  // unticks only the third
  EXPECT_EQ(Ticked(screen->ListCua), (std::vector<int>{0, 1}));
  Click(screen->ListCua, 0);  // a lower step alone leaves the higher ones
  EXPECT_EQ(Ticked(screen->ListCua), (std::vector<int>{1}));
  screen->ListCuaKeyPress(5);  // Enter on the sixth
  EXPECT_EQ(Ticked(screen->ListCua), (std::vector<int>{1, 3, 4, 5}));
  screen->ListintKeyPress(0);  // the interests list has no scales
}

TEST_F(AdviceScreen, EachResultRanksTwelveGroupsAndTheAverageWaitsForBothChecklists) {
  screen->MenucuaClick();
  screen->VerResulClick();  // nothing ticked
  EXPECT_EQ(screen->ListResul->rowCount(), kAdviceGroups);
  EXPECT_EQ(screen->ListResul->item(0, 1)->text(), QStringLiteral(" 0.0"));
  EXPECT_EQ(screen->PanelResCon->text(), ToQString(std::string(TextLine(286)) + "    " + std::string(TextLine(279))));
  EXPECT_TRUE(screen->ListCua->isHidden());
  EXPECT_FALSE(screen->revisa->isHidden());
  screen->revisaClick();
  EXPECT_FALSE(screen->ListCua->isHidden());
  screen->acabarCuaClick();
  EXPECT_FALSE(screen->MenuRetroCon->isHidden());

  screen->MenuMediaClick();  // interests never opened
  TypeHelpOut();
  EXPECT_EQ(Help(2), std::string(TextLine(415)));
  EXPECT_TRUE(screen->ImpResul->isHidden());

  FillBoth();
  EXPECT_FALSE(screen->ImpResul->isHidden());
  EXPECT_EQ(screen->grabar->text(), Text(330));
  EXPECT_EQ(screen->PanelResCon->text(), Text(288));
  EXPECT_EQ(screen->Results.combinedLines.size(), 12u);
  EXPECT_NE(screen->ListResul->item(0, 1)->text(), QStringLiteral(" 0.0"));

  screen->ListResulClick(0);
  ASSERT_FALSE(screen->PanelResul->isHidden());
  const int best = screen->Results.order[1];
  EXPECT_EQ(FromQString(screen->ListCarreras->item(0)->text()), std::string(TrimBlanks(Tabs().TabItinerar[static_cast<std::size_t>(best)].view())));
  EXPECT_EQ(FromQString(screen->ListCarreras->item(2)->text()), std::string(TextLine(327)) + std::string(12, ' '));
  screen->BotCerrarClick();
  EXPECT_TRUE(screen->PanelResul->isHidden());
}

TEST_F(AdviceScreen, PrintingGivesTheMarksThenOnAskingTheStudiesAndSavingWritesBoth) {
  FillBoth();
  yes = false;
  screen->ImpResulClick();  // the name question cancelled
  EXPECT_TRUE(printed.empty());

  yes = true;
  name = "Luc\xED" "a";
  platform.answers = {true};  // print the studies too
  screen->ImpResulClick();
  ASSERT_EQ(printed.size(), 2u);
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], std::string(TextLine(274)) + " ??");
  bool boldHeading = false;
  for (const CanvasCall& call : printed[0]) boldHeading |= call.font.bold && call.text.find(TextLine(279)) != std::string::npos;
  EXPECT_TRUE(boldHeading);
  EXPECT_EQ(screen->AdviceStudent, "Luc\xED" "a");
  EXPECT_TRUE(screen->payuda->TimerAyuda.isActive());  // message 17

  std::filesystem::create_directories(folder);
  platform.textFileChoice = (folder / "consejo.txt").string();
  name.clear();  // the box keeps the name typed before
  screen->grabarClick();
  const std::string bytes = testing::ReadFileBytes(folder / "consejo.txt");
  EXPECT_TRUE(bytes.starts_with(Cp1252ToUtf8(std::string(TextLine(596)) + " " + std::string(TextLine(597))) + "\r\n\r\n"));
  EXPECT_NE(bytes.find("\r\n" + Cp1252ToUtf8(TextLine(340)) + "\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find(Cp1252ToUtf8(TextLine(284))), std::string::npos);  // the title line is not written
  EXPECT_TRUE(platform.textFileProposals.back().ends_with("Luc\xC3\xAD" "a.txt"));
  EXPECT_FALSE(screen->ListResul->isHidden());

  platform.textFileChoice = (folder / "gone" / "r.txt").string();
  screen->grabarClick();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("No se han podido guardar"), std::string::npos);
}

TEST_F(AdviceScreen, ShowingItAgainOffersAFreshStartAndTheBackButtonReturnsToTheCorridor) {
  Show();
  EXPECT_EQ(platform.modalCount, 0);  // nothing opened yet: no question
  screen->MenucuaClick();
  Click(screen->ListCua, 7);
  screen->acabarCuaClick();
  screen->MenuRetroConClick();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(menu.isHidden());

  yes = false;
  Show();
  EXPECT_EQ(platform.modalCount, 1);
  EXPECT_TRUE(screen->QualitiesOpened);
  screen->hide();
  yes = true;
  Show();
  EXPECT_FALSE(screen->QualitiesOpened);
  EXPECT_FALSE(screen->Menucua->font().italic());
  screen->MenucuaClick();
  EXPECT_TRUE(Ticked(screen->ListCua).empty());
}

}  // namespace
}  // namespace velmora
