// The higher-grade screen over the built sample folder, driven through its handlers.
#include "vocational/higher_grade_screen.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/common.h"
#include "core/cp1252.h"
#include "core/navigation.h"
#include "core/printing/recording_canvas.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "tests/support/built_folder.h"
#include "university/degree_files.h"
#include "vocational/fp_statistics_screen.h"
#include "vocational/vocational_charts.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

constexpr int kAdministrationFamily = 4;  // the fourth family of fp: Administración y Gestión

class HigherGrade : public testing::BuiltFolderTest {
 protected:
  HigherGrade() {
    ResetPlaceModel();
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    statistics = std::make_unique<TEstadisticas>();
    screen = std::make_unique<TForm8>();
    Navigation().mainMenu = &menu;
    platform.printerChoice = [] { return std::make_unique<RecordingCanvas>(); };
  }
  ~HigherGrade() override {
    screen.reset();
    statistics.reset();
    ClearDoorOpeners();
    Navigation() = {};
    ResetPlaceModel();
  }
  static QString Text(int line) { return ToQString(TextLine(line)); }
  static std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row) items.push_back(FromQString(list->item(row)->text()));
    return items;
  }
  void Click(int region, void (VocationalScreen::*handler)()) {
    MapRegion = region;
    (screen.get()->*handler)();
  }
  // Menu → the group of the family → the family → its first title.
  int ChooseAdministrationTitle() {
    screen->MenuFP1Click();
    screen->ListPreFamMouseDown(1);  // group 2 names family 4 first
    screen->ListPreFamMouseDown(1);
    screen->ListTitFPClick(0);
    return FamilyHeaderLine(Grade::GS, kAdministrationFamily) + 1;
  }
  static void SetDatfpsInteger(int title, int integer, std::int32_t value) {
    const std::size_t at = static_cast<std::size_t>((title - 1) * 25 + integer - 1) * 4;
    for (int i = 0; i < 4; ++i)
      Tabs().Binary.Datfps[at + static_cast<std::size_t>(i)] = std::byte{static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * i))};
  }

  std::unique_ptr<TEstadisticas> statistics;
  std::unique_ptr<TForm8> screen;
  QWidget menu;
};

TEST_F(HigherGrade, OpensOnItsMenuAndListsGroupsFamiliesAndTitles) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  ASSERT_EQ(PrepareDoor(3), screen.get());
  EXPECT_FALSE(screen->PanelFP->isHidden());
  EXPECT_EQ(screen->LabelFP1->text(), Text(513));
  EXPECT_EQ(screen->MenuFP1->text(), Text(316));
  EXPECT_EQ(statistics->ReturnScreen, screen.get());

  screen->MenuFP1Click();
  EXPECT_TRUE(screen->PanelFP->isHidden());
  ASSERT_EQ(screen->ListPreFam->count(), 9);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(595));
  EXPECT_FALSE(screen->ListPreFam->item(0)->icon().isNull());

  // Group 6 names three families of its own; the further families follow from item 4.
  screen->ListPreFamMouseDown(5);
  const std::vector<FamilyItem>& items = screen->FamilyItems;
  ASSERT_GE(items.size(), 5u);
  for (std::size_t i = 1; i <= 3; ++i) EXPECT_EQ(items[i].family, screen->Groups[5].families[i - 1]);
  EXPECT_EQ(items[4].family, FirstFurtherFamily(Grade::GS));
  EXPECT_FALSE(items[4].text.starts_with("|"));
  EXPECT_EQ(screen->ListPreFam->height(), 301);

  screen->ListPreFamMouseDown(0);  // back to the groups
  screen->ListPreFamMouseDown(1);
  EXPECT_EQ(screen->ListPreFam->height(), 202);
  screen->ListPreFamMouseDown(1);
  EXPECT_EQ(Items(screen->ListTitFP), TitlesOfFamily(Grade::GS, kAdministrationFamily));
  screen->ListTitFPClick(0);
  EXPECT_EQ(Places.SelectedTitle, FamilyHeaderLine(Grade::GS, kAdministrationFamily) + 1);
  EXPECT_FALSE(screen->PanelFpTit->isHidden());
  EXPECT_EQ(screen->MenuFpTit4->text(), Text(298) + " " + Text(46));
}

TEST_F(HigherGrade, TheTitleMenuShowsEachPartOfTheTitle) {
  const int title = ChooseAdministrationTitle();

  screen->MenuFpTit2Click();
  EXPECT_EQ(screen->PanelSelTit->text(), Text(277));
  const std::vector<std::string> requirements = Items(screen->listSelFP);
  ASSERT_FALSE(requirements.empty());
  // The lines come from reqfp through the title's datfps entry, in its order.
  const HigherTitleEntry entry = HigherTitleOf(title);
  EXPECT_EQ(requirements.front(), Tabs().TabReqfp[static_cast<std::size_t>(entry.requirements[0])].view());
  EXPECT_EQ(requirements.size(),
            static_cast<std::size_t>(std::count_if(entry.requirements.begin(), entry.requirements.end(), [](int n) { return n > 0; })));
  EXPECT_TRUE(screen->LastTitleAction == screen->MenuFpTit2 && screen->MenuFpTit2->font().italic());

  screen->MenuFpTit3Click();
  EXPECT_EQ(screen->listSelFP->item(0)->text(), ToQString("     " + std::string(TextLine(271))));
  EXPECT_FALSE(screen->MenuFpTit2->font().italic());
  screen->MenuFpTit4Click();
  EXPECT_EQ(Items(screen->listSelFP), UniversityAccessLines());
  EXPECT_EQ(screen->PanelSelTit->text(), Text(717));

  // Where: the map with its stars; a community lists its centres; back to the title menu.
  DegreeMapBlocked = false;
  screen->MenuFpTit1Click();
  EXPECT_TRUE(DegreeMapBlocked);
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  EXPECT_TRUE(screen->PanelFpTit->isHidden());
  Click(1, &VocationalScreen::mapaClick);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(323));
  ASSERT_GT(screen->reja->rowCount(), 1);
  EXPECT_TRUE(FromQString(screen->reja->item(0, 0)->text()).starts_with("- "));
  screen->BotRetrocederFPClick();
  EXPECT_TRUE(screen->PanelEstrellas->isHidden());
  EXPECT_FALSE(screen->PanelFpTit->isHidden());
  EXPECT_FALSE(screen->listSelFP->isHidden());

  // Another title: the family's titles again; back from there to the menu.
  screen->MenuFpTit6Click();
  EXPECT_FALSE(screen->ListTitFP->isHidden());
  EXPECT_TRUE(screen->PanelFpTit->isHidden());
  screen->BotRetrocederFPClick();
  EXPECT_FALSE(screen->PanelFP->isHidden());
  EXPECT_TRUE(screen->ListPreFam->isHidden());
  EXPECT_EQ(screen->Mode, VocationalScreen::SearchMode::None);

  // The menu's third button leaves the screen for the corridor.
  screen->show();
  screen->menuFP3Click();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_TRUE(screen->LabelFP1->isHidden());
}

TEST_F(HigherGrade, StudyLinesKeepFourteenItemsAndSkipTheGapAfterABlankFifthLine) {
  const int title = FamilyHeaderLine(Grade::GS, kAdministrationFamily) + 1;
  auto& block = Tabs().TabAsignafp[static_cast<std::size_t>(title)];
  for (int line = 1; line <= 25; ++line) block[static_cast<std::size_t>(line)] = std::string();
  block[1] = std::string("First");
  block[2] = std::string("-Heading");
  block[3] = std::string("Module");
  // Line 5 blank: no gap; trailing blanks trimmed, but the list keeps 14 items.
  std::vector<std::string> lines = HigherStudyLines(title);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[1], "First");
  EXPECT_TRUE(IsBlankLine(lines[13]));
  // A written line 5 gets an empty item after it.
  block[5] = std::string("Fifth");
  block[20] = std::string("Late");
  lines = HigherStudyLines(title);
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[5], "Fifth");
  EXPECT_TRUE(lines[6].empty());
  EXPECT_EQ(lines[21], "Late");
  // Headings count from item 7 on; item 0 is on peach.
  const std::vector<InfoRowLook> looks = InfoListLooks({"     Desc", "-early", "", "", "", "", "", "-Modules", "item"}, true, 7, true);
  EXPECT_TRUE(looks[0].header);
  EXPECT_FALSE(looks[1].header);
  EXPECT_TRUE(looks[7].header);
  EXPECT_TRUE(looks[8].bullet);
}

TEST_F(HigherGrade, StatisticsButtonsSetTheFamilyAndTheEmploymentFlag) {
  const int title = ChooseAdministrationTitle();
  screen->MenuFPTitEstClick();
  EXPECT_FALSE(screen->PanelEstadistica->isHidden());
  screen->show();

  screen->ButtonEstad2Click();
  EXPECT_FALSE(EmploymentFlag);
  EXPECT_EQ(SelectedStatFamily, HigherTitleOf(title).family);
  EXPECT_FALSE(statistics->isHidden());
  EXPECT_TRUE(screen->isHidden());
  EXPECT_EQ(statistics->Current, TEstadisticas::Chart::Shares);
  // A trackpad's small steps add up to rows; the wheel works over the whole screen.
  QScrollBar* bar = statistics->PanelEst2->isHidden() ? statistics->ScrollBar1 : statistics->ScrollBar2;
  ASSERT_GT(bar->maximum(), bar->minimum());  // more families than rows shown
  bar->setValue(bar->maximum());
  const int start = bar->value();
  for (int step = 0; step < 3; ++step) {
    QWheelEvent small(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 40), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(statistics.get(), &small);
  }
  EXPECT_EQ(bar->value(), start - 1);
  statistics->ButtonRetroEstaClick();
  EXPECT_FALSE(screen->isHidden());

  screen->ButtonEstadTrabajoClick();
  EXPECT_TRUE(EmploymentFlag);
  EXPECT_EQ(statistics->Current, TEstadisticas::Chart::Jobs);
  screen->ButtonEstad1Click();
  EXPECT_FALSE(EmploymentFlag);
  EXPECT_EQ(statistics->Current, TEstadisticas::Chart::Titles);

  // A title without a family opens the family charts on family 5.
  SetDatfpsInteger(title, 24, 0);
  EXPECT_EQ(StatisticsFamilyOf(title), 5);
  screen->ButtonEstad3Click();
  EXPECT_EQ(SelectedStatFamily, 5);
  EXPECT_EQ(statistics->Current, TEstadisticas::Chart::Comparison);
  // A title without requirement numbers shows an empty list.
  for (int integer = 5; integer <= 17; ++integer) SetDatfpsInteger(title, integer, 0);
  screen->MenuFpTit2Click();
  EXPECT_EQ(screen->listSelFP->count(), 0);
}

TEST_F(HigherGrade, ByPlaceWaitsForThePlaceAndLinksTheCommunitysPage) {
  screen->MenuFP2Click();
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  EXPECT_TRUE(DegreeMapBlocked);
  // A community with a single place waits for a click on it.
  int single = 0;
  for (int community = 1; community <= kCommunities && single == 0; ++community)
    if (community != kCommunityCatalonia && community != kCommunityMadrid && PlacesOfCommunity(community).PlaceCount == 1)
      single = community;
  ASSERT_GT(single, 0);
  Click(single, &VocationalScreen::mapaClick);
  EXPECT_FALSE(Places.TownMode);
  EXPECT_EQ(screen->ListSelLugFP->count(), 1);
  EXPECT_FALSE(screen->BotInternetC->isHidden());
  EXPECT_FALSE(screen->botTodaFP->isHidden());
  screen->BotInternetCMouseUp();
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened[0], "http://" + Tabs().Binary.CommunityTexts[static_cast<std::size_t>(single)].str());
  Tabs().Binary.CommunityTexts[static_cast<std::size_t>(single)] = std::string();
  EXPECT_EQ(TForm8::CommunityWebAddress(single), "http://");

  // The place, a town, then back one level at a time, and out to the menu.
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  ASSERT_TRUE(Places.TownMode);
  EXPECT_FALSE(screen->BotImprimir->isHidden());
  EXPECT_EQ(screen->PanelSelTit->text(), Text(392));
  EXPECT_EQ(screen->botTodaFP->text(), Text(391));
  const int towns = screen->ListSelLugFP->count();
  ASSERT_GT(towns, 0);
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  ASSERT_GT(screen->reja->rowCount(), 1);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(190) + " - " + Text(392));

  // The place's report: its heading, every centre in bold.
  BuildPlaceReport(Grade::GS, "Place", *ResolvePlace(1));
  EXPECT_EQ(Tabs().PrintLines[0].view(), std::string(TextLine(289)) + ": Place");
  ASSERT_GT(BoldLines[0], 0);
  EXPECT_TRUE(Tabs().PrintLines[static_cast<std::size_t>(BoldLines[1])].view().starts_with("-"));
  screen->BotImprimirClick();
  EXPECT_EQ(Tabs().PrintLines[0].view(), std::string(TextLine(289)) + ": " + FromQString(screen->PanelCarSel->text()));

  screen->BotRetrocederFPClick();
  EXPECT_EQ(screen->ListSelLugFP->count(), towns);
  EXPECT_EQ(screen->reja->rowCount(), 0);
  screen->BotRetrocederFPClick();
  EXPECT_FALSE(screen->PanelFP->isHidden());
  EXPECT_TRUE(screen->BotInternetC->isHidden());
  EXPECT_EQ(screen->Mode, VocationalScreen::SearchMode::None);
}

TEST_F(HigherGrade, DoubleClickOnATitleRowOpensItsMenu) {
  screen->MenuFP2Click();
  Click(1, &VocationalScreen::mapaClick);
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  ASSERT_GT(screen->GridRows.size(), 1u);
  const int title = screen->GridRows[1].title;
  ASSERT_GT(title, 0);
  screen->rejaDblClick(1);
  EXPECT_EQ(Places.SelectedTitle, title);
  EXPECT_EQ(screen->Mode, VocationalScreen::SearchMode::ByTitle);
  EXPECT_FALSE(screen->PanelFpTit->isHidden());
  EXPECT_TRUE(screen->BotInternetC->isHidden());
  EXPECT_TRUE(screen->PanelEstrellas->isHidden());
  EXPECT_TRUE(screen->PanelSelTit->text().isEmpty());
  // "Elegir otro título" then offers the family groups rather than two empty lists.
  screen->MenuFpTit6Click();
  EXPECT_FALSE(screen->ListPreFam->isHidden());
  EXPECT_EQ(screen->ListPreFam->count(), 9);
  EXPECT_TRUE(screen->ListTit->isHidden());
  screen->ListPreFamMouseDown(1);
  EXPECT_GT(screen->ListPreFam->count(), 1);
}

TEST_F(HigherGrade, TheTitleReportHasItsSectionsAndCommunityHeadings) {
  const int title = FamilyHeaderLine(Grade::GS, kAdministrationFamily) + 1;
  ASSERT_TRUE(BuildTitleReport(Grade::GS, title, "Name", {1, 13}));
  const SharedTables& t = Tabs();
  EXPECT_EQ(t.PrintLines[0].view(), "Name (" + std::string(TextLine(47)) + ")");
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[1])].view(), "- " + std::string(TextLine(277)));
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[2])].view(), "- " + std::string(TextLine(312)));
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[3])].view(), "- " + std::string(TextLine(717)));
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[4])].view(), "-" + UpperCp1252(TextLine(317)));
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[4] - 2)].view(), std::string(6, ' ') + std::string(25, '_'));
  // Two blanks after the opening stars and none before the closing ones.
  ASSERT_EQ(BoldLines[0], 6);
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[5])].view(), "***  ANDALUC\xCD" "A***");
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[6])].view(), "***  COMUNIDAD DE MADRID***");
}

}  // namespace
}  // namespace velmora
