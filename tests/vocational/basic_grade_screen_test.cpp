// The FP Básica screen over the built sample folder, driven through its handlers.
#include "vocational/basic_grade_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <gtest/gtest.h>

#include <algorithm>

#include <fstream>

#include "core/common.h"
#include "core/line_loaders.h"
#include "core/navigation.h"
#include "core/printing/recording_canvas.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "tests/support/built_folder.h"
#include "university/degree_files.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

class BasicGrade : public testing::BuiltFolderTest {
 protected:
  BasicGrade() {
    ResetPlaceModel();
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    sharedLu2 = Tabs().TabLu2;
    TFIniPro::LoadFiles();
    screen = std::make_unique<TFIniPro>();
    Navigation().mainMenu = &menu;
    platform.printerChoice = [] { return std::make_unique<RecordingCanvas>(); };
  }
  ~BasicGrade() override {
    screen.reset();
    ClearDoorOpeners();
    Navigation() = {};
    ResetPlaceModel();
  }
  static QString Text(int line) { return ToQString(TextLine(line)); }
  // The first family that lists titles, and the row of its first title.
  int OpenFirstFamily() {
    PrepareDoor(6);
    screen->ListSelFpMouseUp(0);
    for (int row = 0; row < static_cast<int>(screen->TitleEntries.size()); ++row)
      if (!screen->TitleEntries[static_cast<std::size_t>(row)].IsHeading()) return row;
    return -1;
  }
  void Click(int region) {
    MapRegion = region;
    screen->mapaClick();
  }

  LineTable sharedLu2;
  std::unique_ptr<TFIniPro> screen;
  QWidget menu;
};

TEST_F(BasicGrade, FamiliesComeOutOfFpbaAndTitlesAreNumberedAfterThem) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  ASSERT_EQ(screen->Families.size(), 9u);
  EXPECT_EQ(screen->ListSelFp->count(), 9);
  // The tenth line of the file is title 1.
  std::ifstream fpba(DataFolderPath + "/cas/fpba");
  std::string line;
  for (int i = 0; i < 10 && std::getline(fpba, line); ++i) {
  }
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  EXPECT_EQ(TrimBlanks(Tabs().TabFpba[1].view()), line);
  EXPECT_TRUE(screen->Families.back().SearchesByPlace());
  EXPECT_EQ(FromQString(screen->LabelFPIp1->text()), BasicScreenTitle());
}

TEST_F(BasicGrade, AKeyListsItsClassesInOrderAndHeadingsAreCapped) {
  SharedTables& t = Tabs();
  t.CountFpba = 40;
  for (int title = 1; title <= 40; ++title) {
    const char cls = title % 3 == 0 ? '1' : title % 3 == 1 ? '3' : '2';
    t.TabFpba[static_cast<std::size_t>(title)] = std::string(1, cls) + (title <= 30 ? "-Heading " : "Title ") + std::to_string(title);
  }
  const std::vector<BasicTitleEntry> entries = BasicTitlesOfFamily("123 ");
  ASSERT_EQ(entries.size(), 40u);
  EXPECT_EQ(entries.front().title, 3);   // class 1 first, in title order
  EXPECT_EQ(entries[13].title, 2);       // then class 2
  EXPECT_EQ(entries.back().title, 40);   // class 3 last
  EXPECT_TRUE(entries.front().IsHeading());
  EXPECT_EQ(BasicHeadings().size(), 25u);
  EXPECT_EQ(BasicHeadings()[0], "-Heading 1");
  EXPECT_TRUE(BasicTitlesOfFamily("9").empty());
}

TEST_F(BasicGrade, TitlesUnfoldBesideTheFamilyWithAPreview) {
  const int row = OpenFirstFamily();
  ASSERT_GE(row, 0);
  const int count = static_cast<int>(screen->TitleEntries.size());
  EXPECT_EQ(screen->ListTitFP->count(), count);
  EXPECT_EQ(screen->ListTitFP->height(), count * 15 + 4);
  EXPECT_EQ(screen->Labeltitulo->y(), screen->ListTitFP->y() - 25);
  EXPECT_EQ(screen->ListFPExpli->y(), screen->ListTitFP->y() + screen->ListTitFP->height() + 1);
  // A heading shows no preview and does nothing when clicked.
  if (screen->TitleEntries[0].IsHeading()) {
    EXPECT_TRUE(screen->ListTitFP->item(0)->text().startsWith("   "));
    screen->ListTitFPMouseMove(0);
    EXPECT_EQ(screen->ListFPExpli->count(), 0);
    screen->ListTitFPMouseUp(0);
    EXPECT_EQ(Places.SelectedTitle, 0);
  }
  const int title = screen->TitleEntries[static_cast<std::size_t>(row)].title;
  screen->ListTitFPMouseMove(row);
  ASSERT_EQ(screen->ListFPExpli->count(), 6);
  EXPECT_EQ(screen->ListFPExpli->item(0)->text(), ToQString("    " + std::string(TextLine(271))));

  screen->ListTitFPMouseUp(row);
  EXPECT_EQ(Places.SelectedTitle, title);
  EXPECT_EQ(FromQString(screen->PanelCarSel->text()), BasicTitleName(title));
  EXPECT_TRUE(screen->ListSelFp->isHidden());
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());

  screen->BotRequisitosClick();
  EXPECT_EQ(screen->PanelSelTit->text(), Text(29));
  EXPECT_EQ(screen->Listsel->count(), static_cast<int>(InformaLLines(" 8").size()));
  screen->BotTraClick();
  EXPECT_EQ(screen->Listsel->item(1)->text(), ToQString("  " + std::string(TextLine(199))));
  screen->botAsigClick();
  EXPECT_EQ(screen->Listsel->count(), static_cast<int>(InformaLLines(" 9").size()) + 21);
}

TEST_F(BasicGrade, PrintingATitleNeedsACommunityFirst) {
  const int row = OpenFirstFamily();
  screen->ListTitFPMouseUp(row);
  screen->BotImprimirClick();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], TextLine(585));

  Click(1);
  ASSERT_GT(screen->reja->rowCount(), 0);
  BuildBasicTitleReport(Places.SelectedTitle, screen->TitleCaption, 1, screen->GridRows);
  const SharedTables& t = Tabs();
  EXPECT_EQ(t.PrintLines[0].view(), screen->TitleCaption + " (" + std::string(TextLine(172)) + " - " + std::string(TextLine(263)) + ")");
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[1])].view(), "** " + std::string(TextLine(29)) + " **");
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[3])].view(), "** " + std::string(TextLine(199)) + " **");
  ASSERT_EQ(BoldLines[0], 4);
  EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(BoldLines[4])].view(), "***  ANDALUC\xCD" "A  ***");
  EXPECT_EQ(t.PrintCount, BoldLines[4] + static_cast<int>(screen->GridRows.size()));
  screen->BotImprimirClick();
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(screen->Listsel->font().family(), "Courier New");
}

TEST_F(BasicGrade, ItsCopyOfLu2BlanksColumn45InMadridAndLeavesTheSharedOneAlone) {
  const CentreFileView own = CentreFile(2, Grade::Basic);
  const CentreFileView shared = CentreFile(2, Grade::GM);
  ASSERT_EQ(own.count, shared.count);
  int first = 0, cuenca = 0;
  for (int line = 1; line <= own.count; ++line) {
    if (first == 0 && own.Line(line).starts_with('8')) first = line;
    if (cuenca == 0 && own.Line(line).starts_with('D')) cuenca = line;
  }
  ASSERT_GT(first, 0);
  ASSERT_GT(cuenca, first);
  for (int line = first; line < cuenca; ++line) EXPECT_EQ(own.Line(line)[44], ' ') << line;
  for (std::size_t line = 0; line < sharedLu2.size(); ++line) EXPECT_EQ(Tabs().TabLu2[line].view(), sharedLu2[line].view());
}

TEST_F(BasicGrade, CataloniaAndMadridListTheirPlacesAndReadBarcelonaCapitalAsBarcelona) {
  PrepareDoor(6);
  screen->BotLugClick();
  const auto townsOf = [&](int row) {
    screen->ListSelLugFP->setCurrentRow(row);
    screen->ListSelLugFPClick(row);
    std::vector<std::string> towns;
    for (int k = 0; k < screen->ListSelLugFP->count(); ++k) towns.push_back(screen->ListSelLugFP->item(k)->text().toStdString());
    screen->BotRetrocederFPClick();
    return towns;
  };
  Click(9);  // Cataluña: its places, not the comarca map
  EXPECT_TRUE(screen->mapac->isHidden());
  ASSERT_EQ(screen->ListSelLugFP->count(), 6);
  EXPECT_EQ(screen->ListSelLugFP->item(1)->text().trimmed(), "Barcelona (capital)");
  const auto capital = ResolvePlace(2, Grade::Basic);
  ASSERT_TRUE(capital && ResolvePlace(1, Grade::Basic));
  EXPECT_EQ(capital->area, ResolvePlace(1, Grade::Basic)->area);  // entry 35 reads as entry 34
  EXPECT_TRUE(capital->wide);
  EXPECT_EQ(ResolvePlace(3, Grade::Basic)->area, '6');  // Girona
  const auto girona = townsOf(2);  // Girona's own towns, not a comarca's
  EXPECT_NE(std::find_if(girona.begin(), girona.end(), [](const std::string& t) { return t.starts_with("Figueres"); }), girona.end());
  EXPECT_EQ(std::find_if(girona.begin(), girona.end(), [](const std::string& t) { return t.starts_with("L'Ampolla"); }), girona.end());
  EXPECT_EQ(townsOf(1), townsOf(0));

  screen->BotLugClick();  // the map again
  Click(13);  // Madrid: its places, not the zone map
  EXPECT_TRUE(screen->mapam->isHidden());
  ASSERT_GT(screen->ListSelLugFP->count(), 1);
  const int districts = 48 - Places.PlaceBase + 1;  // the place of code 2H
  ASSERT_TRUE(districts >= 1 && districts <= Places.PlaceCount);
  EXPECT_FALSE(ResolvePlace(districts, Grade::Basic)->wide);
  EXPECT_FALSE(townsOf(0).empty());
  const auto districtTowns = townsOf(districts - 1);  // whole names, 17 wide
  EXPECT_NE(std::find_if(districtTowns.begin(), districtTowns.end(),
                         [](const std::string& t) { return QString::fromStdString(t).trimmed() == "Villa Vallecas"; }),
            districtTowns.end());
}

TEST_F(BasicGrade, ByPlaceListsOnlyBasicCentresAndBackLeavesOneLevelAtATime) {
  PrepareDoor(6);
  Places.AllFpView = true;  // left on by the middle-grade screen
  screen->BotLugClick();
  EXPECT_EQ(screen->Mode, VocationalScreen::SearchMode::ByPlace);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(190));
  Click(1);  // several provinces: the place list
  EXPECT_TRUE(screen->PanelEstrellas->isHidden());
  ASSERT_GT(screen->ListSelLugFP->count(), 1);
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  ASSERT_TRUE(Places.TownMode);
  EXPECT_TRUE(screen->AllFpButton->isHidden());
  screen->ListSelLugFP->setCurrentRow(0);
  screen->ListSelLugFPClick(0);
  ASSERT_GT(screen->reja->rowCount(), 1);
  EXPECT_EQ(screen->PanelSelTit->text(), Text(294));
  bool closed = false;
  for (int row = 0; row < screen->reja->rowCount(); ++row)
    closed = closed || screen->reja->item(row, 0)->text() == QString(61, ' ');
  EXPECT_TRUE(closed);

  screen->BotRetrocederFPClick();  // the towns again
  EXPECT_TRUE(Places.TownMode);
  screen->BotRetrocederFPClick();  // the places
  EXPECT_FALSE(Places.TownMode);
  screen->BotRetrocederFPClick();  // the map again
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  screen->show();
  screen->BotRetrocederFPClick();  // out
  EXPECT_TRUE(screen->isHidden());
}

TEST_F(BasicGrade, ClosingTheWindowReturnsToTheCorridor) {
  const int row = OpenFirstFamily();
  screen->ListTitFPMouseUp(row);
  screen->show();
  menu.hide();
  QCloseEvent close;
  QApplication::sendEvent(screen.get(), &close);
  EXPECT_FALSE(close.isAccepted());
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(menu.isHidden());
  EXPECT_FALSE(StartAborted);
}

}  // namespace
}  // namespace velmora
