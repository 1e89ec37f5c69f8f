// The running program over the built sample folder: the screens as the program body creates
// them, and how they ask before leaving.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "app/program_screens.h"
#include "core/module_screen.h"
#include "core/navigation.h"
#include "core/platform/qt_platform.h"
#include "core/program_body.h"
#include "core/qt_text.h"
#include "core/screen_registry.h"
#include "core/shared_bitmaps.h"
#include "core/splash.h"
#include "core/text_table.h"
#include "core/yes_no_dialog.h"
#include "guidance/assistant_screen.h"
#include "navigation/main_menu.h"
#include "navigation/star_map.h"
#include "navigation/walk_through.h"
#include "tests/support/built_folder.h"
#include "university/admission_screen.h"
#include "university/degrees_screen.h"
#include "university/statistics_screen.h"
#include "vocational/basic_grade_screen.h"
#include "vocational/certificates_screen.h"
#include "vocational/fp_statistics_screen.h"
#include "vocational/higher_grade_screen.h"
#include "vocational/middle_grade_screen.h"

namespace velmora {
namespace {


class ProgramTest : public testing::BuiltFolderTest {
 protected:
  ProgramTest() {
    RegisterProgramScreens();
    body = StartProgramBody();
  }
  ~ProgramTest() override {
    // The screens live until the process ends; here they are only put away.
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    ClearDoorOpeners();
    ClearScreenRegistry();
  }
  ProgramBody body;
};

TEST_F(ProgramTest, ModuleScreensAskInTheProgramsYesNoDialogAndTheCorridorInAMessageBox) {
  ASSERT_FALSE(body.exitCode);
  ASSERT_NE(Form4, nullptr);
  EXPECT_EQ(Form4->windowTitle(), ToQString(CentreName));
  QWidget* middleGrade = PrepareDoor(kDoorMiddleGrade);
  ASSERT_NE(middleGrade, nullptr);
  middleGrade->show();

  struct Asked {
    QDialog* dialog;
    QString question, yes, no;
  };
  std::vector<Asked> asked;
  platform.modalAnswer = [&](QDialog& dialog) {
    auto& form = static_cast<TForm4&>(dialog);
    asked.push_back({&dialog, form.LabelNombre->text(), form.ShadowSi->text(), form.ShadowNo->text()});
    return TForm4::kResultCancel;
  };
  middleGrade->close();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].dialog, Form4);
  EXPECT_EQ(asked[0].question, ToQString(TextLine(49)));
  EXPECT_EQ(asked[0].yes, QString::fromUtf8("S\xC3\xAD"));
  EXPECT_EQ(asked[0].no, QStringLiteral("No"));
  EXPECT_TRUE(middleGrade->isVisible());
  EXPECT_TRUE(platform.questions.empty());

  // The corridor asks the same question in a message box; No keeps everything.
  ASSERT_NE(body.mainForm, nullptr);
  body.mainForm->close();
  EXPECT_EQ(platform.questions, std::vector<std::string>{std::string(TextLine(49))});
  EXPECT_TRUE(body.mainForm->isVisible());
  EXPECT_EQ(platform.terminateCount, 0);

  platform.modalAnswer = [](QDialog&) { return TForm4::kResultYes; };
  middleGrade->close();
  EXPECT_EQ(platform.terminateCount, 1);
  EXPECT_FALSE(SharedTablesAllocated());
}

TEST_F(ProgramTest, EachDoorBuildsItsScreenTheFirstTimeItOpens) {
  ASSERT_FALSE(body.exitCode);
  const auto built = [] {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) count += dynamic_cast<ModuleScreen*>(window) != nullptr;
    return count;
  };
  EXPECT_EQ(built(), 0);  // the corridor is no module screen
  EXPECT_NE(dynamic_cast<TForm1*>(PrepareDoor(kDoorDegrees)), nullptr);
  EXPECT_NE(dynamic_cast<TForm8*>(PrepareDoor(kDoorHigherGrade)), nullptr);
  EXPECT_NE(dynamic_cast<TForm3*>(PrepareDoor(kDoorMiddleGrade)), nullptr);
  EXPECT_NE(dynamic_cast<TFIniPro*>(PrepareDoor(kDoorBasicGrade)), nullptr);
  EXPECT_NE(dynamic_cast<TCertifica*>(PrepareDoor(kDoorCertificates)), nullptr);
  const int afterDoors = built();
  // The degrees screen brought its admission and statistics screens; the higher grade, its own.
  EXPECT_NE(AdmissionScreen(), nullptr);
  EXPECT_NE(UniversityStatistics(), nullptr);
  EXPECT_NE(VocationalStatistics(), nullptr);
  EXPECT_NE(StarMap(), nullptr);
  EXPECT_EQ(built(), afterDoors);
  EXPECT_EQ(dynamic_cast<TForm1*>(PrepareDoor(kDoorDegrees)), dynamic_cast<TForm1*>(ScreenNamed("TForm1")));
  EXPECT_EQ(built(), afterDoors);
}

TEST_F(ProgramTest, EveryAssistantButtonOpensItsScreenAndThatScreensBackReturns) {
  ASSERT_FALSE(body.exitCode);
  auto* assistant = dynamic_cast<TForm5*>(PrepareDoor(kDoorAssistant));
  ASSERT_NE(assistant, nullptr);
  using B = AssistantButton;
  const std::vector<std::pair<B, std::string_view>> cases = {
      {B::BasicGrade, "TFIniPro"},   {B::LeaveStudies, "TCertifica"}, {B::MiddleGrade, "TForm3"},
      {B::Itineraries, "TForm2"},    {B::Catalogue, "TFormCat"},      {B::Questionnaires, "TForm2"},
      {B::Professions, "Tprofe"},    {B::HigherGrade, "TForm8"},      {B::Degrees, "TForm1"},
      {B::CatalogueB, "TFormCat"},   {B::ItinerariesB, "TForm2"},     {B::Advice, "TFormCon"},
      {B::ProfessionsB, "Tprofe"}};
  for (const auto& [button, name] : cases) {
    assistant->show();
    assistant->ButtonClick(button);
    QWidget* screen = ScreenNamed(name);
    ASSERT_NE(screen, nullptr) << name;
    EXPECT_TRUE(screen->isVisible()) << name;
    EXPECT_TRUE(assistant->isHidden()) << name;
    EXPECT_TRUE(InAssistant);
    LeaveModule(screen);
    EXPECT_TRUE(assistant->isVisible()) << name;
  }
  InAssistant = false;
}

// Each language folder of the sample data starts the program to the corridor, every screen
// built, without a missing-file message, and speaks its language.
class LanguageStart : public testing::BuiltFolderTest, public ::testing::WithParamInterface<int> {
 protected:
  ~LanguageStart() override {
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    ClearDoorOpeners();
    ClearScreenRegistry();
  }
};

TEST_P(LanguageStart, ReachesTheCorridorWithEveryScreen) {
  ResetCommonState();
  std::filesystem::current_path(std::filesystem::path(VELMORA_DATA_FOLDER).parent_path());
  RunStageA({"X", "N", std::to_string(GetParam())}, "/nonexistent");
  ASSERT_FALSE(StartAborted) << (platform.messages.empty() ? std::string() : platform.messages.back());
  RegisterProgramScreens();
  ProgramBody body = StartProgramBody();
  ASSERT_FALSE(body.exitCode);
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
  ASSERT_NE(body.mainForm, nullptr);
  for (const int door : {kDoorDegrees, kDoorCatalogue, kDoorHigherGrade, kDoorItineraries, kDoorMiddleGrade, kDoorBasicGrade,
                         kDoorProfessions, kDoorAdvice, kDoorQuestionnaires, kDoorAssistant, kDoorCertificates})
    EXPECT_NE(PrepareDoor(door), nullptr) << door;
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
  // The window caption comes from the language's text table.
  EXPECT_EQ(ScreenNamed("TForm1")->windowTitle(), ToQString(std::string(TextLine(338)) + "  " + CentreName));
  if (GetParam() > 0) {
    EXPECT_NE(std::string(TextLine(54)), "Salir");
  }
}
INSTANTIATE_TEST_SUITE_P(EveryLanguage, LanguageStart, ::testing::Values(0, 1, 2, 3));

TEST_F(LanguageStart, WithTheWalkThroughFirstTheCorridorReadsItsPicturesAndWaitsForItsFirstUse) {
  ResetCommonState();
  std::filesystem::current_path(std::filesystem::path(VELMORA_DATA_FOLDER).parent_path());
  RunStageA({"X", "S", "0"}, "/nonexistent");
  ASSERT_FALSE(StartAborted);
  ASSERT_TRUE(AnimationOn);
  RegisterProgramScreens();
  ProgramBody body = StartProgramBody();
  ASSERT_FALSE(body.exitCode);
  ASSERT_NE(Navigation().walkThrough, nullptr);
  EXPECT_EQ(body.mainForm, Navigation().walkThrough);
  EXPECT_EQ(Navigation().mainMenu, nullptr);
  EXPECT_FALSE(Bitmaps().BmpMenuLeft->isNull());  // read at start-up all the same

  static_cast<Tform9*>(Navigation().walkThrough)->LeaveToMenu();
  ASSERT_NE(Navigation().mainMenu, nullptr);
  EXPECT_TRUE(Navigation().mainMenu->isVisible());
  // Built after the walk-through, its back button still leads back to it.
  EXPECT_EQ(static_cast<Tform0*>(Navigation().mainMenu)->BotRetroce->text(), ToQString(TextLine(82)));
  EXPECT_FALSE(StartAborted);
  EXPECT_TRUE(platform.messages.empty());
}

#ifdef __linux__
bool MultimediaLoaded() {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line))
    if (line.find("libQt6Multimedia") != std::string::npos) return true;
  return false;
}

TEST_F(ProgramTest, TheMultimediaLibrariesWaitForTheFirstSound) {
  ASSERT_FALSE(body.exitCode);
  EXPECT_FALSE(MultimediaLoaded());
  EXPECT_EQ(LoadSoundPlayer({QStringLiteral("/nonexistent")}), nullptr);
  EXPECT_NE(LoadSoundPlayer({QStringLiteral("/nonexistent"), QStringLiteral(VELMORA_SOUND_MODULE_FOLDER)}), nullptr);
  EXPECT_TRUE(MultimediaLoaded());
}
#endif

}  // namespace
}  // namespace velmora
