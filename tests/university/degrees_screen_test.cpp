// The degrees screen and the star map over the built sample folder, driven through their handlers.
#include "university/degrees_screen.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <map>

#include "core/common.h"
#include "core/navigation.h"
#include "core/qt_text.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "navigation/star_map.h"
#include "tests/support/built_folder.h"
#include "university/admission_screen.h"
#include "vocational/fp_statistics_screen.h"
#include "vocational/place_model.h"
#include "university/statistics_screen.h"
#include "university/degree_reports.h"
#include "university/degree_tables.h"
#include "core/printing/qt_printer_canvas.h"
#include "core/printing/recording_canvas.h"
#include "core/printing/reports.h"
#include "university/double_degrees.h"
#include "university/study_pages.h"
#include "university/where_to_study.h"

namespace velmora {
namespace {

class DegreesScreen : public testing::BuiltFolderTest {
 protected:
  DegreesScreen() {
    AnimationOn = false;
    stars = std::make_unique<TForm7>();
    admission = std::make_unique<TForm6>();
    statistics = std::make_unique<TFormEstGra>();
    TForm1::LoadFiles();
    screen = std::make_unique<TForm1>();
    Navigation().mainMenu = &menu;
  }
  ~DegreesScreen() override {
    screen.reset();
    admission.reset();
    statistics.reset();
    stars.reset();
    ClearDoorOpeners();
    Navigation() = {};
    ResetPlaceModel();
  }
  std::string Cell(int row, int column = 0) const {
    const QTableWidgetItem* item = screen->GridNotas->item(row, column);
    return item ? FromQString(item->text()) : std::string();
  }
  // The university of the sample folder that teaches the most degrees.
  int BusiestUniversity() const {
    std::map<int, int> taught;
    for (int d = 1; d <= DegreeCount(); ++d) {
      const DegreeOffers offers(d);
      for (int k = 0; k < offers.size(); ++k) ++taught[offers.University(k)];
    }
    return std::max_element(taught.begin(), taught.end(), [](auto a, auto b) { return a.second < b.second; })->first;
  }
  int ItemOf(QListWidget* list, int university) const {
    const QString name = ToQString(TrimBlanks(UniversityName(university)));
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->text().trimmed() == name) return i;
    return -1;
  }

  std::unique_ptr<TForm7> stars;
  std::unique_ptr<TForm6> admission;
  std::unique_ptr<TFormEstGra> statistics;
  std::unique_ptr<TForm1> screen;
  QWidget menu;
};

TEST_F(DegreesScreen, TheBuiltFolderLoadsWithEveryCrossReferenceInPlace) {
  EXPECT_FALSE(StartAborted);
  EXPECT_TRUE(platform.messages.empty());
  const SharedTables& t = Tabs();
  ASSERT_GE(t.CountCarreran, 250);
  ASSERT_LE(t.CountCarreran, kMaxDegrees);
  std::array<int, kRegions + 1> perCommunity{};
  for (int u = 1; u <= t.CountLugar; ++u) {
    ASSERT_NE(CommunityOfUniversity(u), 0) << "university " << u;
    ++perCommunity[static_cast<std::size_t>(CommunityOfUniversity(u))];
    EXPECT_FALSE(IsBlankLine(t.TabLugarText[static_cast<std::size_t>(u)].view()));
  }
  EXPECT_LE(*std::max_element(perCommunity.begin(), perCommunity.end()), kMaxCommunityUniversities);
  for (int d = 1; d <= DegreeCount(); ++d) {
    EXPECT_GE(DegreeValue(d, kBranch), 1);
    EXPECT_LE(DegreeValue(d, kBranch), 5);
    EXPECT_GE(DegreeValue(d, kGroup), 1);
    EXPECT_LE(DegreeValue(d, kGroup), t.CountCarreranb);
    EXPECT_GE(DegreeValue(d, kItinerary1), 0);
    EXPECT_LE(DegreeValue(d, kItinerary1), 12);
    for (const DegreeField field : {kProfession1, kProfession2, kProfession3, kProfession4})
      EXPECT_LE(DegreeValue(d, field), t.CountProfesio);
    const DegreeOffers offers(d);
    EXPECT_GE(offers.size(), 1) << "degree " << d << " is taught nowhere";
    for (int k = 0; k < offers.size(); ++k) {
      EXPECT_TRUE(IsUniversity(offers.University(k)));
      EXPECT_TRUE(offers.Mark(k) == kNoCutOffMark || (offers.Mark(k) >= 50 && offers.Mark(k) <= 140));
      EXPECT_LE(offers.LocalName(k), t.CountCarrenue);
    }
  }
  // One double-degree entry per university, in the same order, naming degrees that exist.
  const DoubleDegreeTable& doubles = t.Binary.TabDobles;
  ASSERT_EQ(doubles.count, t.CountLugar);
  int pairs = 0;
  for (int u = 1; u <= doubles.count; ++u) {
    const auto at = static_cast<std::size_t>(u);
    EXPECT_EQ(doubles.groupName[at].view(), t.TabLugarName[at].view());
    for (int p = 1; p <= doubles.mark[at][0]; ++p, ++pairs) {
      EXPECT_NE(doubles.first[at][static_cast<std::size_t>(p)], 0);
      EXPECT_NE(doubles.second[at][static_cast<std::size_t>(p)], 0);
    }
  }
  EXPECT_GT(pairs, 50);
  EXPECT_EQ(t.TabCarreran[0].view(), TextLine(48));
}

TEST_F(DegreesScreen, TheDoorOpensTheMenuAndAllDegreesLeadToAGridWithStars) {
  EXPECT_EQ(PrepareDoor(1), screen.get());
  EXPECT_FALSE(screen->PanelMenu->isHidden());
  screen->menunuevo1Click();
  EXPECT_TRUE(screen->DegreesMode && screen->AllDegreesMode);
  EXPECT_EQ(screen->Listramas->count(), 6);
  EXPECT_EQ(screen->ComboAgru->count(), 5);
  screen->ListramasClick(kAllBranchesItem);
  ASSERT_GT(screen->listgrados->rowCount(), DegreeCount());
  EXPECT_EQ(screen->RowDegree[0], 0);  // a group heading first
  screen->listgradosMouseUp(1);
  const int degree = screen->RowDegree[1];
  EXPECT_EQ(screen->SelectedDegree, degree);
  EXPECT_EQ(screen->GridNotas->rowCount(), static_cast<int>(BuildDegreeGrid(degree).lines.size()));
  EXPECT_EQ(Cell(1, 1), "Not.");
  EXPECT_FALSE(screen->BotReq->isHidden());
  EXPECT_FALSE(stars->isHidden());
  EXPECT_TRUE(stars->TimerEstrellas.isActive());

  // A heading row gives degree 0: no grid, no stars.
  screen->listgradosMouseUp(0);
  EXPECT_EQ(screen->SelectedDegree, 0);
  EXPECT_TRUE(screen->GridNotas->isHidden());
  EXPECT_TRUE(stars->isHidden());
  EXPECT_EQ(FromQString(screen->PanelSelTit->text()), std::string(TrimBothBlanks(TextLine(48))));
}

TEST_F(DegreesScreen, AStarClickScrollsTheGridToItsCommunity) {
  screen->menunuevo1Click();
  int widest = 1;
  for (int d = 1; d <= DegreeCount(); ++d)
    if (DegreeOffers(d).size() > DegreeOffers(widest).size()) widest = d;
  screen->show();  // a grid scrolls once it is laid out on screen
  screen->SelectDegree(widest);
  QCoreApplication::processEvents();
  MapRegion = 16;
  stars->MapaEstrellasClick();
  ASSERT_GT(CommunityFirstRow[16], 0);
  // The heading becomes the top row, unless the grid ends before a whole page below it.
  const QScrollBar* bar = screen->GridNotas->verticalScrollBar();
  EXPECT_TRUE(screen->GridNotas->rowAt(0) == CommunityFirstRow[16] || bar->value() == bar->maximum());
  EXPECT_GT(screen->GridNotas->rowAt(0), 0);
  EXPECT_LE(screen->GridNotas->rowAt(0), CommunityFirstRow[16]);
  EXPECT_EQ(Places.SelectedCommunity, 16);
}

TEST_F(DegreesScreen, WhereToStudyAUniversityAndTheJumpToOneOfItsDegrees) {
  screen->menuCarUni3Click();
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  const int university = BusiestUniversity();
  MapRegion = CommunityOfUniversity(university);
  screen->mapaClick();
  EXPECT_TRUE(screen->PanelEstrellas->isHidden());
  ASSERT_FALSE(screen->ListComunidad->isHidden());
  const int item = ItemOf(screen->ListComunidad, university);
  ASSERT_GE(item, 0);
  screen->ListComunidadClick(item);
  ASSERT_GE(screen->GridNotas->rowCount(), kBranchRegroupRows);
  EXPECT_TRUE(Cell(0).starts_with("-   "));  // branch headings from 16 degrees on
  EXPECT_FALSE(screen->BotIntUni->isHidden());
  screen->BotIntUniMouseUp();
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_TRUE(platform.opened[0].starts_with("http://www."));

  screen->GridNotasDblClick(0);  // a heading leads nowhere
  EXPECT_FALSE(screen->AllDegreesMode);
  const int degree = screen->GridRowDegree[1];
  screen->GridNotasDblClick(1);
  EXPECT_TRUE(screen->AllDegreesMode);
  EXPECT_EQ(screen->SelectedDegree, degree);
  EXPECT_FALSE(screen->PanelTree->isHidden());
  EXPECT_EQ(Cell(1, 1), "Not.");
  EXPECT_EQ(FromQString(screen->PanelSelTit->text()), std::string(TrimBothBlanks(DegreeName(degree))));
}

TEST_F(DegreesScreen, CeutaAndMelillaListTheUniversitiesOfAndalusia) {
  screen->menuCarUni3Click();
  MapRegion = 18;
  screen->mapaClick();
  EXPECT_EQ(screen->ListComunidad->count(), static_cast<int>(UniversitiesOfCommunity(1).size()));
  EXPECT_EQ(Places.SelectedCommunity, 1);
}

TEST_F(DegreesScreen, BackButtonsUndoOneViewAtATime) {
  screen->menuCarUni3Click();
  MapRegion = 13;
  screen->mapaClick();
  screen->BotRetrocederClick();  // the university list back to the map
  EXPECT_TRUE(screen->ListComunidad->isHidden());
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  screen->BotRetrocederClick();  // the map back to the menu
  EXPECT_TRUE(screen->PanelEstrellas->isHidden());
  EXPECT_FALSE(screen->PanelMenu->isHidden());
  EXPECT_FALSE(screen->DegreesMode);

  screen->menunuevo1Click();
  screen->ComboAgruChange(1);  // the group tree
  EXPECT_FALSE(screen->Tree->isHidden());
  screen->ButtonRetroNClick();  // the tree back to the branch list
  EXPECT_FALSE(screen->Listramas->isHidden());
  EXPECT_TRUE(screen->Tree->isHidden());
  screen->ButtonRetroNClick();  // the branch list back to the menu
  EXPECT_TRUE(screen->PanelTree->isHidden());
  EXPECT_FALSE(screen->PanelMenu->isHidden());

  screen->show();
  screen->menui5Click();  // the menu's back leaves the screen
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(menu.isHidden());
}

TEST_F(DegreesScreen, TheTreeViewsChooseDegreesAndHeadingsChooseNothing) {
  screen->menunuevo1Click();
  screen->ComboAgruChange(4);  // alphabetical: every degree once
  EXPECT_EQ(screen->Tree->topLevelItemCount(), DegreeCount());
  screen->TreeClick(screen->Tree->topLevelItem(0));
  EXPECT_EQ(screen->SelectedDegree, 1);
  screen->ComboAgruChange(3);  // itineraries: a heading node chooses nothing
  screen->TreeClick(screen->Tree->topLevelItem(0));
  EXPECT_TRUE(stars->isHidden());
  EXPECT_TRUE(screen->PanelSelTit->text().isEmpty());

  // A double click on a heading toggles it once, as a single click does: Qt reports a click, the
  // double click, then a second click.
  QTreeWidgetItem* heading = screen->Tree->topLevelItem(1);
  ASSERT_GT(heading->childCount(), 0);
  heading->setExpanded(false);
  emit screen->Tree->itemClicked(heading, 0);
  EXPECT_TRUE(heading->isExpanded());
  emit screen->Tree->itemClicked(heading, 0);
  emit screen->Tree->itemDoubleClicked(heading, 0);
  emit screen->Tree->itemClicked(heading, 0);
  EXPECT_FALSE(heading->isExpanded());
  EXPECT_FALSE(screen->Tree->expandsOnDoubleClick());
}

TEST_F(DegreesScreen, EveryWayToTheMapOpensItForClicks) {
  DegreeMapBlocked = true;  // the higher-grade screen used the map last
  screen->BotArtesPlasClick();
  screen->BotArtesLugClick();
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  EXPECT_FALSE(DegreeMapBlocked);
  DegreeMapBlocked = true;
  screen->BotRetrocederClick();
  screen->menuCarUni3Click();
  EXPECT_FALSE(DegreeMapBlocked);
}

TEST_F(DegreesScreen, TheDiagramRunsToItsLastStep) {
  screen->botinfo1Click();
  EXPECT_FALSE(screen->PanelGradosT->isHidden());
  for (int guard = 0; guard < 5000 && screen->BotAvanza->isEnabled(); ++guard) {
    if (screen->Timergrado.isActive()) screen->TimergradoTimer();
    else screen->BotAvanzaClick();
  }
  EXPECT_FALSE(screen->BotAvanza->isEnabled());
  EXPECT_EQ(FromQString(screen->LabelGTexto->text()), std::string(TextLine(548)) + " " + std::string(TextLine(549)));
  screen->BotAcabarGClick();
  EXPECT_TRUE(screen->PanelGradosT->isHidden());
  EXPECT_TRUE(screen->BotAvanza->isEnabled());
}


TEST_F(DegreesScreen, RequirementsProfileAndDoubleDegreesOfADegree) {
  screen->menunuevo1Click();
  int paired = 0;  // a degree with double degrees
  for (const DoublesListRow& row : DoubleDegreeList())
    if (row.degree != 0 && paired == 0) paired = row.degree;
  ASSERT_NE(paired, 0);
  screen->SelectDegree(paired);
  screen->BotReqClick();
  EXPECT_FALSE(screen->ListSel->isHidden());
  EXPECT_TRUE(screen->GridNotas->isHidden());
  EXPECT_TRUE(FromQString(screen->ListSel->item(0)->text()).starts_with("-     "));
  EXPECT_TRUE(stars->isHidden());

  screen->BotSalClick();
  EXPECT_FALSE(screen->RichSalidas->isHidden());
  EXPECT_TRUE(screen->RichSalidas->toPlainText().contains(ToQString("Grado en ")));

  screen->BotDoblesCarMouseUp();
  EXPECT_TRUE(screen->DoublesMode);
  EXPECT_GT(screen->GridNotas->rowCount(), 4);
  EXPECT_FALSE(stars->isHidden());
}

TEST_F(DegreesScreen, TheDoubleDegreesMenuListsDegreesThenTheirUniversitiesAndPrints) {
  int printed = 0;
  platform.printerChoice = [&printed] {
    ++printed;
    return std::make_unique<RecordingCanvas>();
  };
  screen->BotDoblesClick();
  ASSERT_GT(screen->ListComunidad->count(), 5);
  EXPECT_TRUE(FromQString(screen->ListComunidad->item(0)->text()).starts_with("- "));
  screen->ListComunidadClick(1);
  EXPECT_FALSE(screen->listSel2->isHidden());
  EXPECT_GT(screen->listSel2->count(), 1);
  screen->BotImprimirClick();
  EXPECT_EQ(printed, 1);
  EXPECT_EQ(Tabs().PrintCount, screen->listSel2->count());
  screen->BotRetrocederClick();
  EXPECT_FALSE(screen->PanelMenu->isHidden());
  EXPECT_FALSE(screen->DoublesMode);
}

TEST_F(DegreesScreen, OtherStudiesShowTheirPagesAndTheThirdOpensTheSportsDocument) {
  screen->menui6Click();
  ASSERT_EQ(screen->ListComunidad->count(), Tabs().CountOtros);
  screen->ListComunidadClick(2);
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_TRUE(platform.opened[0].ends_with("DeportesCentros.pdf"));
  screen->ListComunidad->setCurrentRow(0);
  screen->ListComunidadClick(0);
  EXPECT_GT(screen->ListSel->count(), 5);
  EXPECT_FALSE(screen->BotImprimir->isHidden());
  screen->BotImprimirClick();  // no printer chosen: nothing printed, the page stays
  EXPECT_GT(screen->ListSel->count(), 5);
}

TEST_F(DegreesScreen, EachArtisticStudyShowsItsIntroductionSpecialitiesAndPlaces) {
  screen->BotArtesPlasClick();
  EXPECT_TRUE(screen->PlasticArtsMode);
  EXPECT_GT(screen->ListSel->count(), 3);
  screen->BotArtesEspClick();
  ASSERT_EQ(screen->ListComunidad->count(), kPlasticSpecialities);
  screen->ListComunidadClick(0);
  EXPECT_GT(screen->ListSel->count(), 3);
  EXPECT_TRUE(FromQString(screen->ListSel->item(0)->text()).starts_with("- "));
  screen->BotArtesLugClick();
  EXPECT_FALSE(screen->PanelEstrellas->isHidden());
  MapRegion = 13;
  screen->mapaClick();
  EXPECT_GT(screen->ListSel->count(), 2);
  screen->BotRetrocederClick();
  EXPECT_FALSE(screen->ArtsMode);

  for (void (TForm1::*open)() : {&TForm1::BotMusicaClick, &TForm1::BotDanzaClick, &TForm1::BotDramaticoClick}) {
    (screen.get()->*open)();
    EXPECT_GT(screen->ListSel->count(), 2);
    screen->BotArtesEspClick();
    EXPECT_GT(screen->ListSel->count(), 1);
    screen->BotArtesLugClick();
    EXPECT_GT(screen->ListSel->count(), 2);
    screen->BotRetrocederClick();
  }
  EXPECT_TRUE(platform.messages.empty());
  screen->BotMusicaClick();
  screen->BotArtesLugClick();
  for (int row = 0; row < screen->ListSel->count(); ++row)
    if (screen->ListSel->item(row)->text().trimmed().startsWith("http")) {
      screen->ListSelDblClick(row);
      break;
    }
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_TRUE(platform.opened[0].starts_with("http"));
}

TEST_F(DegreesScreen, TheMastersPageAndTheDegreeReport) {
  int printed = 0;
  platform.printerChoice = [&printed] {
    ++printed;
    return std::make_unique<RecordingCanvas>();
  };
  screen->BotMasterClick();
  EXPECT_FALSE(screen->RichSalidas->isHidden());
  EXPECT_GT(screen->RichSalidas->toPlainText().size(), 200);
  screen->BotImprimirClick();
  EXPECT_EQ(printed, 1);
  screen->BotRetrocederClick();
  EXPECT_FALSE(screen->PanelMenu->isHidden());

  screen->menunuevo1Click();
  screen->SelectDegree(1);
  screen->BotImprimirNClick();
  EXPECT_EQ(printed, 2);
  EXPECT_GT(Tabs().PrintCount, 20);
  EXPECT_FALSE(screen->RichSalidas->isHidden());
}


TEST_F(DegreesScreen, PrintingAUniversityNeedsOneChosen) {
  int printed = 0;
  platform.printerChoice = [&printed] {
    ++printed;
    return std::make_unique<RecordingCanvas>();
  };
  screen->menuCarUni3Click();
  MapRegion = 13;
  screen->mapaClick();
  screen->BotImprimirClick();  // the list is there, no university chosen
  EXPECT_EQ(printed, 0);
  screen->ListComunidad->setCurrentRow(0);
  screen->ListComunidadClick(0);
  screen->BotImprimirClick();
  EXPECT_EQ(printed, 1);
  EXPECT_EQ(Tabs().PrintCount, screen->GridNotas->rowCount() + 1);
}


TEST_F(DegreesScreen, TheAdmissionScreenShowsHighCutOffsWeightingsAndPages) {
  screen->show();
  screen->menunuevo1Click();
  screen->SelectDegree(1);
  screen->BotCorte->click();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(admission->PanelCorte->isHidden());
  admission->ButtoncorteClick(120);
  ASSERT_GT(admission->L->rowCount(), 0);
  admission->LClick(0);
  EXPECT_EQ(admission->listcalc->rowCount(), static_cast<int>(admission->CutOffRows[0].universities.size()));
  admission->BotCerrar3Click();
  EXPECT_FALSE(screen->isHidden());
  EXPECT_TRUE(admission->isHidden());

  screen->BotPonde->click();
  ASSERT_GT(admission->ListUnis->count(), 40);
  admission->ListUnisDblClick(0);
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_TRUE(platform.opened[0].ends_with(".pdf"));
  admission->Botcerrar4Click();
  EXPECT_FALSE(screen->isHidden());

  admission->ShowInformation(2);
  EXPECT_EQ(admission->ComboInfo->currentIndex(), 2);
  EXPECT_GT(admission->WebBrowser1->toPlainText().size(), 200);
  const QString banner = admission->Labelinfo->text();
  admission->TimermueveTimer();
  EXPECT_EQ(admission->Labelinfo->text(), banner.mid(1) + banner.front());
  admission->ButtonRetroNMouseUp();
  EXPECT_FALSE(admission->Timermueve.isActive());
  EXPECT_TRUE(admission->isHidden());
}


TEST_F(DegreesScreen, TheStatisticsChartsShowTheirDocumentsAndGoBack) {
  screen->show();
  screen->ButEstadisticas->click();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(statistics->CurrentChart.has_value());
  statistics->ButtonMatriculaClick();
  EXPECT_FALSE(statistics->ButtonMas1->isHidden());
  EXPECT_TRUE(statistics->ButtonMas31->isHidden());
  statistics->ButtonMas1->click();
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_TRUE(platform.opened[0].ends_with("Precios_Grado_Master.pdf"));
  statistics->ButtonTrabajoClick();
  EXPECT_TRUE(statistics->ButtonMas1->isHidden());
  EXPECT_FALSE(statistics->ButtonMas31->isHidden());
  EXPECT_EQ(statistics->CurrentChart, UniversityChart::Employment);
  statistics->ButtonRetroEstaClick();
  EXPECT_TRUE(statistics->isHidden());
  EXPECT_FALSE(screen->isHidden());
  EXPECT_TRUE(statistics->ButtonMas31->isHidden());
}


TEST_F(DegreesScreen, TheVocationalStatisticsChartsScrollAndGrowTheirSelectedBar) {
  TEstadisticas charts;  // after the degrees screen, which has read the offer files
  Places.SelectedTitle = 2;
  charts.labelEstad1Click();
  EXPECT_EQ(charts.Current, TEstadisticas::Chart::Titles);
  ASSERT_GT(charts.Rows.size(), 15u);
  EXPECT_TRUE(std::any_of(charts.Rows.begin(), charts.Rows.end(), [](const StatRow& r) { return !r.heading && r.label != "----"; }));
  EXPECT_TRUE(charts.Timer1.isActive());
  for (int tick = 0; tick < 100 && charts.Timer1.isActive(); ++tick) charts.Timer1Timer();
  EXPECT_FALSE(charts.Timer1.isActive());
  EXPECT_EQ(charts.Growth, -1);  // the bar stays at its full length

  EmploymentFlag = true;
  charts.labelEstad3Click();
  EXPECT_EQ(charts.Current, TEstadisticas::Chart::Jobs);
  EXPECT_EQ(charts.Rows.size(), 26u);
  charts.Timer1Timer();
  EXPECT_FALSE(charts.Timer1.isActive());  // the jobs chart has no growing bar

  SelectedStatFamily = 21;
  charts.labelEstad4Click();
  EXPECT_FALSE(EmploymentFlag);
  EXPECT_FALSE(charts.PanelEst2->isHidden());
  EXPECT_EQ(charts.ScrollBar2->value(), 16);
  EXPECT_TRUE(charts.Timer2.isActive());
  charts.ButtonRetroEstaClick();
  EXPECT_FALSE(charts.Timer2.isActive());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DegreesScreen, EveryDegreeReportsProfileLinesStayWithinTheirColumnOnPaper) {
  // The report's three columns on a landscape A4 page: 40 of 130 grid columns each, the next
  // starting two further on; a line may not reach within a grid column of the next one.
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const auto canvas = MakePdfCanvas(folder.filePath(QStringLiteral("columnas.pdf")));
  ASSERT_TRUE(canvas->BeginDocument("columnas", true));
  canvas->SetFont({"Arial", 8, false});
  const int room = canvas->Metrics().width * 41 / 130;
  for (int d = 1; d <= DegreeCount(); ++d) {
    BuildDegreeReport(d);
    for (int line = 1; line <= Tabs().PrintCount; ++line) {
      const std::string_view text = Tabs().PrintLines[static_cast<std::size_t>(line)].view();
      if (text.find(kMarkSeparator) != std::string_view::npos) continue;  // a university's row ends at its mark
      EXPECT_LE(canvas->TextWidth(text), room) << "degree " << d << ": " << text;
    }
  }
  canvas->EndDocument();
}

TEST_F(DegreesScreen, TheArtisticStudiesReportsKeepTheirLongestAddressesOnThePage) {
  // Printed in portrait at 12 points from grid column 5 of 50.
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const auto canvas = MakePdfCanvas(folder.filePath(QStringLiteral("artes.pdf")));
  ASSERT_TRUE(canvas->BeginDocument("artes", false));
  canvas->SetFont({"Arial", 12, false});
  const int room = canvas->Metrics().width * 45 / 50;
  for (const ArtsStudy study : {ArtsStudy::PlasticArts, ArtsStudy::Music, ArtsStudy::Dance, ArtsStudy::Drama}) {
    ASSERT_TRUE(LoadArtsFile(study));
    BuildArtsReport(study);
    ASSERT_GT(Tabs().PrintCount, 2);
    for (int line = 1; line <= Tabs().PrintCount; ++line) {
      const std::string_view text = Tabs().PrintLines[static_cast<std::size_t>(line)].view();
      EXPECT_LE(canvas->TextWidth(TrimBlanks(text)), room) << text;
    }
  }
  canvas->EndDocument();
}

}  // namespace
}  // namespace velmora
