// The middle-grade screen over the built sample folder, driven through its handlers.
#include "vocational/middle_grade_screen.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLineEdit>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/common.h"
#include "core/navigation.h"
#include "core/platform/recording_platform.h"
#include "core/printing/recording_canvas.h"
#include "core/printing/reports.h"
#include "core/yes_no_dialog.h"
#include "core/qt_text.h"
#include "core/shared_bitmaps.h"
#include "core/startup.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "tests/support/built_folder.h"
#include "university/degree_files.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

constexpr int kGestionAdministrativa = 4;  // the first title of family 2

class MiddleGrade : public testing::BuiltFolderTest {
 protected:
  MiddleGrade() {
    ResetPlaceModel();
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    TForm3::LoadFiles();
    screen = std::make_unique<TForm3>();
    Navigation().mainMenu = &menu;
  }
  ~MiddleGrade() override {
    screen.reset();
    ClearDoorOpeners();
    Navigation() = {};
    ResetPlaceModel();
  }
  static QString Text(int line) { return ToQString(TextLine(line)); }
  std::string Cell(int row) const { return FromQString(screen->reja->item(row, 0)->text()); }
  void Click(int region, void (TForm3::*handler)()) {
    MapRegion = region;
    (screen.get()->*handler)();
  }
  void ChooseTitle(int family, int position) {
    screen->botTit2Click();
    screen->ChosenFamily = family;
    screen->ListTitClick(position - 1);
  }

  std::unique_ptr<TForm3> screen;
  QWidget menu;
};

TEST_F(MiddleGrade, GroupsFamiliesAndTitles) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  EXPECT_EQ(screen->windowTitle(), ToQString(std::string(TextLine(338)) + "  " + CentreName));
  EXPECT_EQ(screen->LabelFP1->text(), Text(512));
  ASSERT_EQ(screen->Groups.size(), 9u);
  EXPECT_EQ(screen->Groups[1].name, "Oficina y comercio");
  EXPECT_EQ(screen->Groups[1].families, (std::array<int, 3>{2, 5, 0}));

  screen->botTit2Click();
  EXPECT_EQ(screen->ListPreFam->count(), 9);
  EXPECT_EQ(screen->ListPreFam->height(), 301);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(595));
  EXPECT_TRUE(screen->botTit2->isHidden());

  screen->ListPreFamMouseDown(1);
  ASSERT_EQ(screen->ListPreFam->count(), 3);
  EXPECT_EQ(screen->ListPreFam->item(0)->text(), Text(82));
  EXPECT_EQ(FromQString(screen->ListPreFam->item(1)->text()), "Administraci\xF3n y Gesti\xF3n");
  EXPECT_EQ(screen->ListPreFam->height(), 169);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(578));

  // Group 6: its own two families, then every "|" family without its mark.
  screen->ListPreFamMouseDown(0);
  EXPECT_EQ(screen->ListPreFam->count(), 9);
  screen->ListPreFamMouseDown(5);
  ASSERT_EQ(screen->ListPreFam->count(), 6);
  EXPECT_EQ(screen->ListPreFam->height(), 301);
  EXPECT_EQ(FromQString(screen->ListPreFam->item(3)->text()), "Industrias Extractivas");
  screen->ListPreFamMouseDown(3);
  EXPECT_EQ(screen->ChosenFamily, FirstFurtherFamily(Grade::GM));
  EXPECT_EQ(screen->ListTit->count(), static_cast<int>(TitlesOfFamily(Grade::GM, screen->ChosenFamily).size()));
  EXPECT_GT(screen->ListTit->count(), 0);
  EXPECT_EQ(screen->Labeltitulo->text(), "Industrias Extractivas - " + Text(307) + "...");
  EXPECT_EQ(screen->Labeltitulo->y(), screen->ListTit->y() - 25);

  // The third title of the family whose header is line 40 is title 43, with block 43.
  EXPECT_EQ(FamilyHeaderLine(Grade::GM, 14), 40);
  EXPECT_EQ(TitleNumberOf(Grade::GM, 14, 3), 43);
  EXPECT_EQ(JobLines(43)[0], std::string(Tabs().TabAsignagm[43][1].view()));
  EXPECT_EQ(TitlesOfFamily(Grade::GM, 2), std::vector<std::string>{std::string(Tabs().TabFp2[4].view())});
  // The last family runs to the end of the file.
  EXPECT_EQ(TitlesOfFamily(Grade::GM, Tabs().CountFp2Marked).size(),
            static_cast<std::size_t>(Tabs().CountFp2 - FamilyHeaderLine(Grade::GM, Tabs().CountFp2Marked)));
}

TEST_F(MiddleGrade, TitleInformationLists) {
  ChooseTitle(2, 1);
  EXPECT_EQ(Places.SelectedTitle, kGestionAdministrativa);

  screen->BotRequisitosClick();
  const std::vector<std::string> requirements = RequirementLines();
  ASSERT_FALSE(requirements.empty());
  EXPECT_EQ(screen->listSelFP->count(), static_cast<int>(requirements.size()));
  EXPECT_EQ(FromQString(screen->listSelFP->item(0)->text()), requirements[0]);
  EXPECT_TRUE(screen->PanelSelTit->text().isEmpty());
  EXPECT_FALSE(screen->Watching);

  screen->BotPuestoClick();
  EXPECT_EQ(screen->listSelFP->count(), 5);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(199));

  screen->botAsigClick();
  EXPECT_TRUE(screen->Watching);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(312));
  // A non-blank line 7 is separated from the heading by an empty item; a blank one is not.
  auto& block = Tabs().TabAsignagm[kGestionAdministrativa];
  ASSERT_FALSE(IsBlankLine(block[7].view()));
  std::vector<std::string> studies = StudyLines(kGestionAdministrativa);
  ASSERT_EQ(studies.size(), 21u);
  EXPECT_EQ(studies[1], "");
  EXPECT_EQ(screen->listSelFP->count(), 21);
  block[7] = std::string(59, ' ');
  EXPECT_EQ(StudyLines(kGestionAdministrativa).size(), 20u);

  const std::vector<InfoRowLook> looks = InfoListLooks({"before", "-Heading", "", "item", " sub", "-Next", "x"}, true);
  EXPECT_FALSE(looks[0].bullet);
  EXPECT_TRUE(looks[1].header);
  EXPECT_FALSE(looks[2].bullet);
  EXPECT_TRUE(looks[3].bullet);
  EXPECT_FALSE(looks[4].bullet);
  EXPECT_TRUE(looks[5].header && looks[6].bullet);
  const std::vector<InfoRowLook> plain = InfoListLooks({"-Heading", "item"}, false);
  EXPECT_FALSE(plain[0].header || plain[1].bullet);
}

TEST_F(MiddleGrade, ChosenTitleBlinksStarsAndListsCentresOfACommunity) {
  ChooseTitle(2, 1);
  const QString name = ToQString(TitleName(Grade::GM, kGestionAdministrativa));
  EXPECT_EQ(screen->PanelCarSel->text(), name);
  EXPECT_TRUE(screen->TimerParpadeo.isActive());
  for (int tick = 1; tick <= 9; ++tick) {
    screen->TimerParpadeoTimer();
    EXPECT_EQ(screen->PanelCarSel->text(), tick % 2 ? name : QString()) << tick;
  }
  EXPECT_FALSE(screen->TimerParpadeo.isActive());
  EXPECT_TRUE(screen->TimerEstrellas.isActive());
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  EXPECT_FALSE(screen->BotImprimir->isHidden());
  screen->TimerEstrellasTimer();  // draws without failing

  // Andalusia has several places: a header row per place with centres.
  Click(1, &TForm3::mapaClick);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(323));
  const auto expected = TitleListGrid(CentresOfferingTitle(Grade::GM, kGestionAdministrativa, PlacesOfCommunity(1)));
  ASSERT_EQ(screen->reja->rowCount(), static_cast<int>(expected.size()));
  EXPECT_TRUE(Cell(0).starts_with("- "));
  EXPECT_EQ(Places.SelectedComarca, 1);
  Click(0, &TForm3::mapaClick);  // outside the regions: nothing changes
  EXPECT_EQ(screen->reja->rowCount(), static_cast<int>(expected.size()));
}

TEST_F(MiddleGrade, ByPlaceInACommunityOfSeveralProvinces) {
  screen->botLug2Click();
  EXPECT_EQ(screen->PanelSelTit->text(), Text(190) + " - " + Text(390));
  EXPECT_TRUE(screen->DoubleClickActive);
  Click(1, &TForm3::mapaClick);
  ASSERT_EQ(screen->ListSelLugFP->count(), Places.PlaceCount);
  ASSERT_GT(Places.PlaceCount, 1);
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  EXPECT_TRUE(Places.TownMode);
  ASSERT_GT(screen->ListSelLugFP->count(), 0);
  EXPECT_EQ(FromQString(screen->PanelCarSel->text()), TrimBlanks(Places.PlaceListNames[0]));
  EXPECT_FALSE(screen->BotTelefono->isHidden());
  EXPECT_EQ(screen->BotTelefono->text(), Text(391));
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  ASSERT_GT(screen->reja->rowCount(), 2);
  EXPECT_TRUE(Cell(0).starts_with("-"));
  const int normalRows = screen->reja->rowCount();

  // The all-FP view lists the town again; picking it gives the three grades.
  screen->BotTelefonoClick();
  EXPECT_TRUE(Places.AllFpView);
  EXPECT_EQ(screen->BotTelefono->text(), Text(390));
  EXPECT_EQ(screen->reja->rowCount(), 0);
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  bool middleGrade = false;
  for (int row = 0; row < screen->reja->rowCount(); ++row) middleGrade = middleGrade || Cell(row).starts_with("GM ");
  EXPECT_TRUE(middleGrade);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(190) + " - " + Text(391));
  screen->BotTelefonoClick();
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  EXPECT_EQ(screen->reja->rowCount(), normalRows);

  // Back goes one level up: from a town's centres to the towns of that place, then to the places.
  const int towns = screen->ListSelLugFP->count();
  screen->BotRetrocederFPClick();
  EXPECT_TRUE(Places.TownMode);
  EXPECT_EQ(screen->reja->rowCount(), 0);
  EXPECT_EQ(screen->ListSelLugFP->count(), towns);
  EXPECT_EQ(FromQString(screen->ListSelLugFP->item(0)->text()), Places.TownList[0].name);
  screen->BotRetrocederFPClick();
  EXPECT_FALSE(Places.TownMode);
  EXPECT_EQ(screen->ListSelLugFP->count(), Places.PlaceCount);

  // A double-click on a title row opens that title's view.
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  screen->ListSelLugFPClick(0);
  screen->rejaDblClick(0);  // a centre row: nothing
  EXPECT_EQ(screen->Mode, TForm3::SearchMode::ByPlace);
  const int title = screen->GridRows[1].title;
  ASSERT_GT(title, 0);
  screen->rejaDblClick(1);
  EXPECT_EQ(screen->Mode, TForm3::SearchMode::ByTitle);
  EXPECT_EQ(Places.SelectedTitle, title);
  EXPECT_FALSE(Places.TownMode);
  EXPECT_FALSE(screen->DoubleClickActive);
  EXPECT_EQ(screen->PanelCarSel->text(), ToQString(TitleName(Grade::GM, title)));
  EXPECT_TRUE(screen->ListSelLugFP->isHidden());
}

TEST_F(MiddleGrade, ByPlaceInCataloniaAndMadrid) {
  screen->botLug2Click();
  Click(kCommunityCatalonia, &TForm3::mapaClick);
  EXPECT_FALSE(screen->mapac->isHidden());
  EXPECT_TRUE(screen->ListSelLugFP->isHidden());
  EXPECT_EQ(screen->reja->rowCount(), 0);  // nothing before a comarca

  Click(kComarcaBarcelones, &TForm3::mapacClick);
  EXPECT_FALSE(screen->listBarcelona->isHidden());
  EXPECT_GT(screen->listBarcelona->count(), 4);
  screen->listBarcelonaClick(4);
  EXPECT_EQ(screen->reja->rowCount(), 0);
  screen->listBarcelonaClick(0);
  EXPECT_GT(screen->reja->rowCount(), 0);
  EXPECT_EQ(screen->PanelCarSel->text(), ToQString(Tabs().Binary.Comarcas.name[42].view()));
  screen->BotCerrarClick();
  EXPECT_TRUE(screen->listBarcelona->isHidden());

  Click(1, &TForm3::mapacClick);
  ASSERT_GT(screen->reja->rowCount(), 0);
  EXPECT_TRUE(Cell(0).starts_with("-"));
  EXPECT_EQ(screen->PanelCarSel->text(), ToQString(Tabs().Binary.Comarcas.name[1].view()));

  Click(kCommunityMadrid, &TForm3::mapaClick);
  EXPECT_TRUE(screen->mapac->isHidden());
  EXPECT_FALSE(screen->mapam->isHidden());
  EXPECT_EQ(screen->reja->rowCount(), 0);
  Click(1, &TForm3::mapamClick);
  EXPECT_GT(screen->reja->rowCount(), 0);
  EXPECT_EQ(screen->PanelCarSel->text(), "Madrid");
}

TEST_F(MiddleGrade, PrintingATitleTaughtEverywhereAsksForCommunities) {
  RecordingCanvas* canvas = nullptr;
  platform.printerChoice = [&canvas] {
    auto made = std::make_unique<RecordingCanvas>();
    canvas = made.get();
    return made;
  };
  ChooseTitle(2, 1);
  screen->BotImprimirClick();
  EXPECT_EQ(canvas, nullptr);
  EXPECT_TRUE(screen->PrintSelection);
  EXPECT_FALSE(screen->PanelImp->isHidden());
  EXPECT_EQ(screen->LabelSelCom1->text(), Text(558) + " " + Text(559));

  Click(5, &TForm3::mapaClick);
  Click(2, &TForm3::mapaClick);
  Click(5, &TForm3::mapaClick);  // already chosen
  Click(7, &TForm3::mapaClick);
  ASSERT_EQ(screen->ListImp->count(), 3);
  screen->ListImpClick(2);
  EXPECT_EQ(screen->ListImp->count(), 2);
  EXPECT_EQ(screen->PrintCommunities, (std::vector<int>{5, 2}));

  screen->BotAceptarClick();
  EXPECT_TRUE(screen->PanelImp->isHidden());
  EXPECT_FALSE(screen->PrintSelection);
  ASSERT_NE(canvas, nullptr);
  // Only the two communities, in the order chosen.
  const SharedTables& t = Tabs();
  std::vector<int> headings;
  for (int row = 1; row <= t.PrintCount; ++row)
    if (t.PrintLines[static_cast<std::size_t>(row)].view().starts_with("***")) headings.push_back(row);
  ASSERT_EQ(headings.size(), 2u);
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(headings[0])].view(), "***  CANARIAS  ***");
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(headings[1])].view(), "***  ARAG\xD3N  ***");
  EXPECT_EQ(t.PrintLines[0].view(), TitleName(Grade::GM, kGestionAdministrativa) + " (" + std::string(TextLine(113)) + ")");
  EXPECT_EQ(t.PrintLines[1].view(), "** " + std::string(TextLine(29)) + " **");
  EXPECT_EQ(screen->listSelFP->count(), t.PrintCount);
  EXPECT_EQ(screen->listSelFP->font().family(), "Courier New");
}

TEST_F(MiddleGrade, TitleReportRowsAndBoldLines) {
  ASSERT_TRUE(BuildTitleReport(Grade::GM, kGestionAdministrativa, "Title", {3}));
  const SharedTables& t = Tabs();
  EXPECT_EQ(BoldLines[1], 1);
  const int requirements = static_cast<int>(RequirementLines().size());
  EXPECT_EQ(BoldLines[2], requirements + 3);
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[3])].view(), "** " + std::string(TextLine(312)) + " **");
  EXPECT_EQ(BoldLines[0], 4);
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[4])].view().substr(0, 5), "***  ");
  // All communities together pass the limit: nothing to print.
  EXPECT_FALSE(BuildTitleReport(Grade::GM, kGestionAdministrativa, "Title", {}));
  EXPECT_EQ(t.PrintCount, 0);
}

TEST_F(MiddleGrade, PrintingAPlace) {
  bool asked = false;
  platform.printerChoice = [&asked] {
    asked = true;
    return std::make_unique<RecordingCanvas>();
  };
  screen->botLug2Click();
  Click(kCommunityCatalonia, &TForm3::mapaClick);
  Click(1, &TForm3::mapacClick);
  ASSERT_GT(screen->reja->rowCount(), 0);
  screen->BotImprimirClick();
  EXPECT_TRUE(asked);
  const SharedTables& t = Tabs();
  EXPECT_EQ(t.PrintLines[0].view(), std::string(TextLine(289)) + ": " + std::string(TrimBlanks(Tabs().Binary.Comarcas.name[1].view())) + " - " +
                                        std::string(TextLine(113)));
  ASSERT_GT(t.PrintCount, 1);
  EXPECT_EQ(t.PrintLines[1].view().substr(0, 1), "-");
  // The header mark, the 44 characters of the centre (a blank last), then its telephone.
  const std::string_view header = t.PrintLines[1].view();
  ASSERT_EQ(header.size(), 54u);
  EXPECT_EQ(header[44], ' ');
  EXPECT_TRUE(std::all_of(header.begin() + 45, header.end(), [](char c) { return c >= '0' && c <= '9'; })) << header;

  // Without a place chosen in the list nothing prints; a comarca or a zone is a chosen place.
  asked = false;
  screen->BotRetrocederFPClick();
  screen->botLug2Click();
  Click(1, &TForm3::mapaClick);
  screen->BotImprimirClick();
  EXPECT_FALSE(asked);
  Click(kCommunityMadrid, &TForm3::mapaClick);
  screen->BotImprimirClick();
  EXPECT_FALSE(asked);  // no zone yet
  Click(2, &TForm3::mapamClick);
  ASSERT_GT(screen->reja->rowCount(), 0);
  screen->BotImprimirClick();
  EXPECT_TRUE(asked);
  EXPECT_EQ(t.PrintLines[0].view(), std::string(TextLine(289)) + ": Madrid - " + std::string(TextLine(113)));
  EXPECT_EQ(t.PrintCount, screen->reja->rowCount());
}

TEST_F(MiddleGrade, BackButtonCases) {
  // By title with the map: back to the families.
  screen->botTit2Click();
  screen->ListPreFamMouseDown(1);
  screen->ListPreFamMouseDown(1);
  screen->ListTitClick(0);
  screen->BotRetrocederFPClick();
  EXPECT_TRUE(screen->PanelEstrellas->isHidden());
  EXPECT_FALSE(screen->TimerEstrellas.isActive());
  EXPECT_FALSE(screen->ListPreFam->isHidden());
  EXPECT_FALSE(screen->ListTit->isHidden());
  EXPECT_TRUE(screen->FamilyLevel);
  // By title otherwise: the choice buttons again.
  screen->BotRetrocederFPClick();
  EXPECT_FALSE(screen->botTit2->isHidden());
  EXPECT_TRUE(screen->ListPreFam->isHidden());
  EXPECT_EQ(screen->ListPreFam->height(), 301);
  EXPECT_TRUE(screen->BotRetrocederFP->isHidden());

  // By place with the map: the choice buttons.
  screen->botLug2Click();
  Click(3, &TForm3::mapaClick);  // one place: straight to its towns
  EXPECT_TRUE(Places.TownMode);
  screen->BotRetrocederFPClick();
  EXPECT_FALSE(Places.TownMode);
  EXPECT_FALSE(screen->botLug2->isHidden());
  EXPECT_TRUE(screen->PanelEstrellas->isHidden());
  EXPECT_FALSE(screen->DoubleClickActive);

  // By place without the map: the map again, the all-FP view off.
  screen->botLug2Click();
  Places.AllFpView = true;
  screen->PanelEstrellas->hide();
  screen->BotRetrocederFPClick();
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  EXPECT_FALSE(Places.AllFpView);
  EXPECT_TRUE(screen->PanelSelec->isHidden());

  // Leaving goes to the main menu, or to the assistant when it opened the screen.
  screen->show();
  screen->botSalirClick();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_TRUE(menu.isVisible());
  QWidget assistant;
  Navigation().assistant = &assistant;
  InAssistant = true;
  screen->show();
  screen->botSalirClick();
  EXPECT_TRUE(assistant.isVisible());
  InAssistant = false;
}

TEST_F(MiddleGrade, TheFirstVisitFliesTheButtonsIn) {
  FPMFirstVisit = true;
  ASSERT_EQ(PrepareDoor(5), screen.get());
  EXPECT_TRUE(screen->heli.isActive());
  EXPECT_EQ(screen->heli.interval(), 1);
  screen->show();
  EXPECT_FALSE(FPMFirstVisit);
  EXPECT_TRUE(screen->botTit2->isHidden());
  screen->heli.stop();  // the test ticks by hand
  for (int tick = 1; tick <= 36; ++tick) screen->heliTimer();
  EXPECT_EQ(screen->botTit2->pos(), QPoint(240, 130));
  EXPECT_FALSE(screen->heli.isActive());
  EXPECT_TRUE(screen->piloto.isActive());
  EXPECT_EQ(screen->PilotAt, QPoint(540, 160));
  for (int tick = 0; tick < 8; ++tick) screen->pilotoTimer();
  EXPECT_FALSE(screen->piloto.isActive());
  EXPECT_TRUE(screen->heli.isActive());
  EXPECT_EQ(screen->PilotFrame, 7);
  ASSERT_EQ(screen->SpeechBoxes.size(), 1u);
  EXPECT_EQ(screen->SpeechBoxes[0].step, 1);
  EXPECT_EQ(screen->SpeechBoxes[0].anchor, QPoint(540, 172));

  screen->heli.stop();
  screen->heliTimer();
  EXPECT_EQ(screen->PilotFrame, -1);  // the first pilot is gone
  for (int tick = 2; tick <= 36; ++tick) screen->heliTimer();
  EXPECT_EQ(screen->botLug2->pos(), QPoint(240, 250));
  EXPECT_EQ(screen->botSalir->pos(), QPoint(240, 370));
  EXPECT_FALSE(screen->botSalir->isHidden());
  for (int tick = 0; tick < 8; ++tick) screen->pilotoTimer();
  screen->heliTimer();
  EXPECT_FALSE(screen->heli.isActive());
  EXPECT_EQ(screen->FlightStep, 3);
  screen->botTit2Click();
  EXPECT_TRUE(screen->SpeechBoxes.empty());

  // A second visit from the menu shows the buttons at once.
  screen->BotRetrocederFPClick();
  screen->hide();
  ASSERT_EQ(PrepareDoor(5), screen.get());
  EXPECT_FALSE(screen->heli.isActive());
  screen->show();
  EXPECT_FALSE(screen->botTit2->isHidden());
  EXPECT_EQ(screen->botTit2->pos(), QPoint(240, 130));
}

TEST_F(MiddleGrade, ClosingAsksTheExitQuestion) {
  screen->show();
  EXPECT_FALSE(screen->close());
  ASSERT_FALSE(platform.questions.empty());
  EXPECT_EQ(platform.questions.back(), TextLine(49));
  EXPECT_TRUE(screen->isVisible());
}


// ---- The questionnaire -------------------------------------------------------------------------

class GmQuestionnaireScreen : public MiddleGrade {
 protected:
  GmQuestionnaireScreen() {
    screen->BeginQuestionnaire();
    screen->show();
  }
  static void Tick(QListWidget* list, std::initializer_list<int> rows) {
    for (const int row : rows) list->item(row)->setCheckState(Qt::Checked);
  }
  std::vector<int> Ticked() const {
    std::vector<int> rows;
    for (int i = 0; i < screen->ListGM->count(); ++i)
      if (screen->ListGM->item(i)->checkState() == Qt::Checked) rows.push_back(i);
    return rows;
  }
  // Areas 6 and 7 (electricity, health), the first statement, then the first title.
  void OpenFirstTitle() {
    Tick(screen->ListGM, {5, 6});
    screen->BitFleGMdeClick();
    screen->ListGM2->item(0)->setSelected(true);
    screen->BitFleGMdeClick();
    screen->ListGMClick(0);
    while (screen->TimerReduce.isActive()) screen->TimerReduceTimer();
  }
};

TEST_F(GmQuestionnaireScreen, StartsWithTheAreasAndWalksToATitlesCentres) {
  EXPECT_TRUE(screen->botTit2->isHidden());
  ASSERT_EQ(screen->ListGM->count(), kGmAreaItems);
  EXPECT_FALSE(screen->BotSalirCues->isHidden());
  EXPECT_FALSE(screen->BitFleGMde->isHidden());
  EXPECT_TRUE(screen->BitFleGMiz->isHidden());
  EXPECT_EQ(screen->LabAyuGM->text(), Text(163));
  while (screen->TimerAyu.isActive()) screen->TimerAyuTimer();
  EXPECT_LT(screen->LabAyuGM->x(), 300);

  screen->BitFleGMdeClick();  // nothing ticked: the step stays
  EXPECT_EQ(screen->Questionnaire.Step(), GmStep::Areas);
  OpenFirstTitle();
  const int title = screen->Questionnaire.TitleOfRow(0);
  ASSERT_NE(title, 0);
  EXPECT_EQ(Places.SelectedTitle, title);
  EXPECT_TRUE(screen->Questionnaire.TitleViewOn());
  EXPECT_FALSE(screen->BotImprimirCuesGM->isHidden());
  EXPECT_TRUE(screen->BotPuesto->isHidden());  // the title's own info buttons stay hidden
  EXPECT_TRUE(screen->ListGM->isHidden());
  EXPECT_FALSE(screen->ListPeque->isHidden());
  EXPECT_EQ(screen->ListPeque->count(), static_cast<int>(screen->Questionnaire.TitleRows().size()));
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  EXPECT_EQ(screen->LabAyuGM->text(), ToQString(TitleName(Grade::GM, title)));

  // A community lists its centres and adds them to the report.
  const std::size_t rowsBefore = screen->Questionnaire.ReportRows().size();
  Click(13, &TForm3::mapaClick);
  EXPECT_FALSE(screen->reja->isHidden());
  EXPECT_EQ(screen->Questionnaire.ReportRows().size(), rowsBefore + 6 + screen->GridRows.size());

  // Another title of the small list.
  if (screen->ListPeque->count() > 1) {
    screen->ListPequeClick(1);
    EXPECT_EQ(Places.SelectedTitle, screen->Questionnaire.TitleOfRow(1));
    EXPECT_TRUE(screen->BotImprimirCuesGM->isHidden());
  }
}

TEST_F(GmQuestionnaireScreen, EveryBackStep) {
  OpenFirstTitle();
  screen->BitFleGMizClick();  // the title view closes: the suggested titles again
  EXPECT_FALSE(screen->Questionnaire.TitleViewOn());
  EXPECT_FALSE(screen->ListGM->isHidden());
  EXPECT_EQ(screen->ListGM->count(), static_cast<int>(screen->Questionnaire.TitleRows().size()));
  for (QWidget* hidden : std::initializer_list<QWidget*>{screen->ListPeque, screen->PanelEstrellas, screen->reja,
                                                          screen->PanelCarSel, screen->BotImprimirCuesGM})
    EXPECT_TRUE(hidden->isHidden());
  screen->BitFleGMizClick();  // to the statements, the areas ticked behind them
  EXPECT_EQ(screen->Questionnaire.Step(), GmStep::Statements);
  EXPECT_FALSE(screen->ListGM2->isHidden());
  EXPECT_FALSE(screen->BitFleGMde->isHidden());
  EXPECT_EQ(Ticked(), (std::vector<int>{5, 6}));
  screen->BitFleGMizClick();  // to the areas
  EXPECT_EQ(screen->Questionnaire.Step(), GmStep::Areas);
  EXPECT_TRUE(screen->ListGM2->isHidden());
  EXPECT_FALSE(screen->ListGM->isHidden());
  EXPECT_TRUE(screen->BitFleGMiz->isHidden());
  EXPECT_EQ(Ticked(), (std::vector<int>{5, 6}));
}

TEST_F(GmQuestionnaireScreen, ThePlaceItemLeavesForTheSearchByPlace) {
  Tick(screen->ListGM, {0, kGmPlaceSearchItem});
  screen->BitFleGMdeClick();
  EXPECT_FALSE(screen->QuestionnaireFlag);
  EXPECT_EQ(screen->Mode, VocationalScreen::SearchMode::ByPlace);
  EXPECT_TRUE(screen->ListGM->isHidden());
  EXPECT_TRUE(screen->BotSalirCues->isHidden());
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
}

TEST_F(GmQuestionnaireScreen, PrintingAsksTheNameUntilOneIsGiven) {
  TForm4 dialog;
  platform.printerChoice = [] { return std::make_unique<RecordingCanvas>(); };
  OpenFirstTitle();
  int asked = 0;
  platform.modalAnswer = [&asked](QDialog& dialog) {
    auto* edit = dialog.findChild<QLineEdit*>();
    edit->setText(++asked == 1 ? QString("  ") : QString("Lucía Prieto"));
    return TForm4::kResultYes;
  };
  screen->BotImprimirCuesGMClick();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(StudentLabel, "Luc\xED" "a Prieto");
  EXPECT_EQ(Tabs().PrintLines3[0], "Luc\xED" "a Prieto");
  EXPECT_EQ(Tabs().PrintLines3[1], TextLine(594));
  platform.modalAnswer = [](QDialog&) { return TForm4::kResultCancel; };
  StudentLabel.clear();
  screen->BotImprimirCuesGMClick();
  EXPECT_TRUE(StudentLabel.empty());
}

TEST_F(GmQuestionnaireScreen, LeavingGoesBackToWhoeverOpenedIt) {
  OpenFirstTitle();
  StudentLabel = "Ana";
  FromContextInfo = true;  // opened over the questionnaires screen, which stays behind
  screen->BotSalirCuesClick();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(screen->QuestionnaireFlag);
  EXPECT_TRUE(StudentLabel.empty());
  EXPECT_FALSE(FromContextInfo);
  EXPECT_TRUE(screen->ListPeque->isHidden());
  EXPECT_TRUE(screen->PanelEstrellas->isHidden());
  EXPECT_FALSE(menu.isVisible());

  QWidget assistant;
  Navigation().assistant = &assistant;
  InAssistant = true;
  screen->BeginQuestionnaire();
  screen->show();
  screen->BotSalirCuesClick();
  EXPECT_TRUE(assistant.isVisible());
  InAssistant = false;

  // The corridor's door afterwards opens the ordinary screen.
  screen->BeginQuestionnaire();
  ASSERT_EQ(PrepareDoor(5), screen.get());
  EXPECT_FALSE(screen->QuestionnaireFlag);
  screen->show();
  EXPECT_TRUE(screen->ListGM->isHidden());
}

}  // namespace
}  // namespace velmora
