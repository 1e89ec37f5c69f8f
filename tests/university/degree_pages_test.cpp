// Requirements, double degrees, profiles, other studies and the reports built from them, over
// small tables and files written by the tests.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/common.h"
#include "core/printing/recording_canvas.h"
#include "core/printing/reports.h"
#include "core/text_table.h"
#include "tests/university/degree_fixture.h"
#include "university/admission_info.h"
#include "university/degree_reports.h"
#include "university/degree_requirements.h"
#include "university/double_degrees.h"
#include "university/study_pages.h"
#include "university/university_charts.h"
#include "vocational/vocational_charts.h"

namespace velmora {
namespace {

// Every text line reads "T" and its number, so a test can tell them apart.
class DegreePages : public testing::DegreeTablesTest {
 protected:
  DegreePages() {
    SharedTables& t = Tabs();
    for (int n = 1; n <= kTextSlotLines; ++n) t.TabTextos[static_cast<std::size_t>(n)] = "T" + std::to_string(n);
    t.CountTextos = kTextSlotLines;
    FillTextSlots();
    for (int s = 1; s <= 30; ++s) t.TabMateriasp[static_cast<std::size_t>(s - 1)] = "S" + std::to_string(s);
    t.CountMateriasp = 30;
  }
  static std::string T(int line) { return "T" + std::to_string(line); }
  int DegreeWithMarks(int branch, const std::vector<int>& marks) {
    const int d = AddDegree("Degree", branch, 0);
    std::vector<testing::Offer> offers;
    for (const int mark : marks) offers.push_back({AddUniversity("U", 1), mark});
    SetOffers(d, offers);
    return d;
  }
  static bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  static long Count(const std::vector<std::string>& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
  }
};

TEST_F(DegreePages, DemandFollowsTheMarksAboveElevenTenths) {
  const std::vector<std::string> open = RequirementLines(DegreeWithMarks(2, {10, 10}));
  EXPECT_FALSE(Has(open, T(720)) || Has(open, T(722)));
  EXPECT_TRUE(std::none_of(open.begin(), open.end(), [](const std::string& l) { return l.starts_with(T(721)); }));

  const std::vector<std::string> demanding = RequirementLines(DegreeWithMarks(2, {50, 55, 70, 70}));
  EXPECT_TRUE(Has(demanding, T(721) + " 6.1"));
  EXPECT_FALSE(Has(demanding, T(720)));

  const std::vector<std::string> mixed = RequirementLines(DegreeWithMarks(2, {50, 52, 61, 55, 58}));
  const auto at720 = std::find(mixed.begin(), mixed.end(), T(720));
  ASSERT_NE(at720, mixed.end());
  EXPECT_EQ(*(at720 + 1), T(722));

  const std::vector<std::string> plain = RequirementLines(DegreeWithMarks(2, {55, 58}));
  EXPECT_TRUE(Has(plain, T(720)));
  EXPECT_FALSE(Has(plain, T(722)));
}

TEST_F(DegreePages, WeightedSubjectsComeFirstAndAreNotRepeated) {
  const int d = DegreeWithMarks(2, {70});
  auto& record = Tabs().Binary.TabDatgrados[static_cast<std::size_t>(d)];
  record[kWeighted1] = 21;
  record[kWeighted2] = 4;
  const std::vector<std::string> lines = RequirementLines(d);
  EXPECT_EQ(lines[0], "-     " + T(277));
  EXPECT_EQ(Count(lines, "\x95  S21"), 1);
  EXPECT_EQ(Count(lines, "\x95  S4"), 1);
  const auto others = std::find(lines.begin(), lines.end(), T(727));
  ASSERT_NE(others, lines.end());
  EXPECT_EQ(std::vector<std::string>(others + 1, others + 4), (std::vector<std::string>{"\x95  S3", "\x95  S10", "\x95  S23"}));
  EXPECT_EQ(lines.back(), T(715));
  EXPECT_EQ(RequirementLines(d, RequirementPart::ForCatalogue).back(), T(730));

  record[kWeighted1] = 50;  // the marker replaces the list, and the branch list is whole
  const std::vector<std::string> marker = RequirementLines(d);
  EXPECT_TRUE(Has(marker, "    " + T(55)));
  EXPECT_FALSE(Has(marker, "\x95  S4") && Count(marker, "\x95  S4") > 1);
  EXPECT_EQ(Count(marker, "\x95  S21"), 1);
}

TEST_F(DegreePages, DoubleDegreesListPartnersByUniversityAndStarTheirCommunities) {
  const int law = AddDegree("Law", 3, 0);
  const int business = AddDegree("Business", 3, 0);
  const int politics = AddDegree("Politics", 3, 0);
  const int lonely = AddDegree("Lonely", 3, 0);
  DoubleDegreeTable& doubles = Tabs().Binary.TabDobles;
  doubles.count = 2;
  doubles.groupCode[1] = 13;
  doubles.groupName[1] = "Madrid University";
  doubles.groupCode[2] = 16;
  doubles.groupName[2] = "Valencia University";
  const auto pair = [&doubles](int entry, int a, int b, const char* mark) {
    const int p = ++doubles.mark[static_cast<std::size_t>(entry)][0];
    doubles.first[static_cast<std::size_t>(entry)][static_cast<std::size_t>(p)] = a;
    doubles.second[static_cast<std::size_t>(entry)][static_cast<std::size_t>(p)] = b;
    doubles.label[static_cast<std::size_t>(entry)][static_cast<std::size_t>(p)] = mark;
  };
  pair(1, business, law, "12,1");
  pair(1, politics, law, " -  ");
  pair(1, law, law, "11,0");  // a pair of the degree with itself lists it twice
  pair(2, politics, business, "10,5");

  const std::vector<GridLine> grid = DoublesGrid(law);  // law is the second degree of most pairs
  ASSERT_EQ(grid.size(), 3u + 1u + 4u);
  EXPECT_EQ(grid[3].name, "- Madrid University");
  EXPECT_TRUE(grid[4].name.starts_with("+ Business"));
  EXPECT_EQ(grid[4].mark, " 12,1");
  EXPECT_EQ(grid[5].mark, "  -  ");
  EXPECT_TRUE(CommunityHasOffer[13]);
  EXPECT_FALSE(CommunityHasOffer[16]);

  const std::vector<GridLine> none = DoublesGrid(lonely);
  ASSERT_EQ(none.size(), 4u);
  EXPECT_EQ(none[3].name, "     " + T(393));
  EXPECT_EQ(std::count(CommunityHasOffer.begin(), CommunityHasOffer.end(), true), 0);

  const std::vector<DoublesPageRow> page = DoublesOfDegree(politics);
  ASSERT_EQ(page.size(), 6u);
  EXPECT_TRUE(page[1].university);
  EXPECT_EQ(page[1].text, "        Madrid University");
  EXPECT_EQ(page[2].text, " Politics. + Law");

  const std::vector<DoublesListRow> list = DoubleDegreeList();
  EXPECT_EQ(list[0].degree, 0);
  EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const DoublesListRow& r) { return r.degree != 0; }), 3);

  EXPECT_EQ(DoublesInCommunity(politics, 16).size(), 3u + 2u);
  EXPECT_EQ(DoublesInCommunity(politics, 1).size(), 3u);
}

TEST_F(DegreePages, OtherStudyPagesEndAtTwoBlankLines) {
  auto& block = Tabs().TabAsignaot[1];
  block[1] = "- Requisitos";
  block[2] = "";
  block[3] = "  Tener 18 a\xF1os";
  block[4] = std::string(20, ' ');
  block[5] = "";
  block[6] = "never shown";
  const std::vector<std::string> page = OtherStudyPage(1);
  EXPECT_EQ(page, (std::vector<std::string>{"- Requisitos", "", "  Tener 18 a\xF1os"}));
}

TEST_F(DegreePages, ProfilesFindTheirBlockAndClassifyTheirLines) {
  testing::FixtureFolder folder;
  LanguageFolder = "cas\\";
  const int first = AddDegree("First", 2, 0);
  const int last = AddDegree("Last", 2, 0);
  folder.Write("cas/grados.txt", testing::CrLf({"<<" + std::to_string(100 + first), "hidden name", "Grado en First",
                                                 "  asignaturas ", "* Physics", "Puedes trabajar en laboratorios.",
                                                 "<<" + std::to_string(100 + last), "Last", "Grado en Last"}));
  const std::vector<PageLine> page = ProfilePage(first);
  ASSERT_EQ(page.size(), 4u);
  EXPECT_EQ(page[0].kind, PageLineKind::Title);
  EXPECT_EQ(page[1].kind, PageLineKind::Heading);
  EXPECT_EQ(page[2].kind, PageLineKind::Bullet);
  EXPECT_EQ(page[2].text, "Physics");
  const std::vector<PageLine> blank = ProfilePage(last);  // the last block has no closing marker
  EXPECT_EQ(blank.size(), 101u);

  // The Basque profiles' headings are headings too.
  LanguageFolder = "euskera\\";
  folder.Write("euskera/grados.txt", testing::CrLf({"<<" + std::to_string(100 + first), "x", "Gradua", "Profila", "Testua",
                                                     "IRTEERA PROFESIONALAK", "<<" + std::to_string(100 + last)}));
  const std::vector<PageLine> basque = ProfilePage(first);
  ASSERT_EQ(basque.size(), 4u);
  EXPECT_EQ(basque[1].kind, PageLineKind::Heading);
  EXPECT_EQ(basque[2].kind, PageLineKind::Body);
  EXPECT_EQ(basque[3].kind, PageLineKind::Heading);
  LanguageFolder = "cas\\";

  const std::vector<TextRun> runs = HighlightedRuns("TRABAJAR, trabajaron y Ocupaci\xF3n");
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_TRUE(runs[0].highlighted);
  EXPECT_EQ(runs[1].text, ", trabajaron y ");
  EXPECT_FALSE(runs[1].highlighted);
  EXPECT_TRUE(runs[2].highlighted);
}

TEST_F(DegreePages, ReportHeadingsAndTheUniversityReportsBoldRows) {
  const int fifty = AddDegree(std::string(50, 'x'), 2, 0);
  const int fortyNine = AddDegree(std::string(49, 'y'), 2, 0);
  EXPECT_EQ(DegreeReportHeading(fifty), std::string(50, 'x'));
  EXPECT_EQ(DegreeReportHeading(fortyNine), T(522) + ": " + std::string(49, 'y'));

  const int u = AddUniversity("Big University", 13);
  BuildUniversityReport(u, {{"-   Rama", " ", 0}, {"<Physics", "  6,5", 1}});
  EXPECT_EQ(Tabs().PrintCount, 3);
  EXPECT_EQ(Tabs().PrintLines[0].view(), T(289) + ": Big University" + std::string(21, ' '));
  EXPECT_EQ(Tabs().PrintLines[3].view(), "\x95 Physics\t6,5");  // the screen's picture marker becomes a bullet
  EXPECT_EQ(BoldLines[0], 2);  // the column heading and the branch row
  EXPECT_EQ(BoldLines[1], 1);
  EXPECT_EQ(BoldLines[2], 2);

  // On paper the marks end in one column, whatever the length of the names before them, and no
  // row shows the marker character.
  BuildUniversityReport(u, {{"<Physics", "  6,5", 1}, {"<A much longer name of a degree", " 12,3", 2}});
  RecordingCanvas canvas;
  PrintReport(canvas, Tabs().PrintLines, Tabs().PrintCount, false, 12);
  const CanvasCall* shortMark = canvas.FindText("6,5");
  const CanvasCall* longMark = canvas.FindText("12,3");
  ASSERT_TRUE(shortMark != nullptr && longMark != nullptr);
  EXPECT_EQ(shortMark->x1 + canvas.TextWidth("6,5"), longMark->x1 + canvas.TextWidth("12,3"));
  const CanvasCall* heading = canvas.FindText(T(296));  // the marks' column heading ends where they do
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->x1 + canvas.TextWidth(T(296)), longMark->x1 + canvas.TextWidth("12,3"));
  for (const CanvasCall& call : canvas.calls) EXPECT_FALSE(call.text.starts_with('<')) << call.text;
  EXPECT_NE(canvas.FindText("\x95 Physics"), nullptr);
}


TEST_F(DegreePages, DemandBoundaries) {
  const auto figures = [this](const std::vector<int>& marks) { return DemandOf(DegreeWithMarks(2, marks)); };
  EXPECT_EQ(figures({11, 12}).count, 1);  // 11 and less are left out
  EXPECT_TRUE(figures({59, 61}).Demanding());  // an average of exactly 60
  EXPECT_FALSE(figures({59, 60}).Demanding());
  EXPECT_FALSE(figures({61, 20, 20, 20, 20}).MixedDemand());  // over 50 in exactly a fifth
  EXPECT_TRUE(figures({61, 51, 20, 20, 20}).MixedDemand());
  EXPECT_FALSE(figures({50, 20}).MixedDemand());  // nothing above 60
}

TEST_F(DegreePages, ArtisticFilesAreReadByTheirColumns) {
  testing::FixtureFolder folder;
  LanguageFolder = "cas\\";
  for (int c = 1; c <= 19; ++c) Tabs().TabComunida[static_cast<std::size_t>(c)] = "01Community " + std::to_string(c);
  std::vector<std::string> plastic = {"Intro", "f1"};
  for (int k = 0; k < kPlasticSpecialities; ++k) plastic.push_back("  Speciality " + std::to_string(k));
  plastic.push_back("f2");
  plastic.push_back(" 1EA Uno                958000001 0016");
  plastic.push_back("Calle Uno, Granada");
  plastic.push_back("13EA Dos                910000002 16");
  plastic.push_back("Calle Dos, Madrid");
  std::string bytes;
  for (const std::string& line : plastic) bytes += line + "\r\n";
  folder.Write("cas/artesplas", bytes);
  ASSERT_TRUE(LoadArtsFile(ArtsStudy::PlasticArts));
  EXPECT_EQ(ArtsIntroLines(), std::vector<std::string>{"Intro"});
  const std::vector<PlasticCentre> centres = PlasticCentres();
  ASSERT_EQ(centres.size(), 2u);
  EXPECT_EQ(centres[0].specialities, (std::vector<int>{0, 16}));
  EXPECT_EQ(centres[0].phone, "958000001");
  EXPECT_EQ(CentresOfSpeciality(16),
            (std::vector<std::string>{"- Community 1", "   EA Uno  -  Tel. 958000001", "     Calle Uno, Granada", "",
                                      "- Community 13", "   EA Dos  -  Tel. 910000002", "     Calle Dos, Madrid", ""}));
  EXPECT_EQ(PlasticCentresOfCommunity(13)[1], "   Speciality 16");

  folder.Write("cas/musica", testing::CrLf({"Intro", "f1", "  Composici\xF3n", "f2", "09Catalunya",
                                             "  ESMUC Barcelona   http://www.esmuc.cat", "  no address here"}));
  ASSERT_TRUE(LoadArtsFile(ArtsStudy::Music));
  EXPECT_EQ(MusicPlaces(), (std::vector<std::string>{"- Community 9", "  ESMUC Barcelona", "  http://www.esmuc.cat"}));

  std::vector<std::string> drama = {"Intro", "f1", "Text", "f2", "Heading"};
  for (int k = 0; k < 8; ++k) drama.push_back(" Speciality " + std::to_string(k));
  drama.push_back("-ESAD Uno                954000003      037x");
  drama.push_back("http://www.esad.es");
  bytes.clear();
  for (const std::string& line : drama) bytes += line + "\r\n";
  folder.Write("cas/dramatico", bytes);
  ASSERT_TRUE(LoadArtsFile(ArtsStudy::Drama));
  EXPECT_EQ(DramaPlaces(), (std::vector<std::string>{"-ESAD Uno                Speciality 0", std::string(28, ' ') + "Speciality 3",
                                                    std::string(28, ' ') + "Speciality 7", "Tel. 954000003",
                                                    "http://www.esad.es", ""}));
  folder.Remove("cas/danza");
  EXPECT_FALSE(LoadArtsFile(ArtsStudy::Dance));
  EXPECT_EQ(state.platform.messages.back(), "Faltan ficheros (cas\\danza). Vuelva a instalar el programa");
}


TEST_F(DegreePages, HighCutOffsCountTheUniversitiesAtTheThreshold) {
  const int d = AddDegree("Degree", 2, 0);
  const int a = AddUniversity("A", 1), b = AddUniversity("B", 1), c = AddUniversity("C", 1), e = AddUniversity("E", 1);
  SetOffers(d, {{a, 65}, {b, 72}, {c, 10}, {e, 81}});
  SetOffers(AddDegree("Open", 2, 0), {{a, 10}, {b, 10}});  // no cut-off mark anywhere: no row
  const std::vector<HighMarkRow> rows = HighCutOffRows(70);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].count, " 2  ( 3)");
  EXPECT_EQ(rows[0].universities, (std::vector<std::pair<int, int>>{{b, 72}, {e, 81}}));
  EXPECT_EQ(rows[0].name.size(), 50u);
}

TEST_F(DegreePages, WeightingDocumentsArePdfFilesInAnyCase) {
  testing::FixtureFolder folder;
  DataFolderPath = folder.path().string();
  folder.Write("pdf/b.PDF", "x");
  folder.Write("pdf/a.pdf", "x");
  folder.Write("pdf/notes.txt", "x");
  EXPECT_EQ(WeightingDocuments(), (std::vector<std::string>{"a.pdf", "b.PDF"}));
  // In reading order, not byte order: lower case and accents do not send a name to the end.
  folder.Write("pdf/Universidad Polit\xC3\xA9" "cnica de Madrid.pdf", "x");
  folder.Write("pdf/Universidad de Alcal\xC3\xA1.pdf", "x");
  folder.Write("pdf/\xC3\x81vila.pdf", "x");
  EXPECT_EQ(WeightingDocuments(), (std::vector<std::string>{"a.pdf", "\xC1vila.pdf", "b.PDF", "Universidad de Alcal\xE1.pdf",
                                                            "Universidad Polit\xE9" "cnica de Madrid.pdf"}));
}


TEST_F(DegreePages, ChartBarsAreSortedLargestFirstAndScaledTwoPixelsAUnit) {
  const std::vector<ChartRow> success = ChartRows(UniversityChart::Success);
  ASSERT_GE(success.size(), 6u);
  EXPECT_EQ(success[0].kind, ChartRow::Kind::Heading);
  std::vector<std::string> order;
  for (std::size_t r = 1; r <= 5; ++r) order.push_back(success[r].name);
  EXPECT_EQ(order, (std::vector<std::string>{T(519), T(517), T(515), T(516), T(518)}));
  EXPECT_EQ(success[1].label, "83.10%");
  EXPECT_EQ(BarEnd(46.6, UniversityChart::Enrolment), 454);
  EXPECT_EQ(BarEnd(46.5, UniversityChart::Success), 340 + 92);  // halves go to the even unit
  EXPECT_EQ(BranchImage(2), 4);
  EXPECT_EQ(BranchImage(0), 3);

  const std::vector<ChartRow> employment = ChartRows(UniversityChart::Employment);
  const auto header = std::find_if(employment.begin(), employment.end(),
                                   [](const ChartRow& row) { return row.kind == ChartRow::Kind::ColumnHeader; });
  ASSERT_NE(header, employment.end());
  EXPECT_TRUE((header - 1)->sameRowAsNext);  // line 489 shares the header's row
  EXPECT_EQ(employment.back().a, 14);
  EXPECT_EQ(employment.back().c, 6);
}


TEST_F(DegreePages, VocationalStatisticsCountCentresAndReadTheFamilies) {
  testing::FixtureFolder folder;
  LanguageFolder = "cas\\";
  folder.Write("cas/fp", testing::CrLf({"-Family one", "Title A", "Title B", "-|Family two", "Title C", "", "ignored"}));
  std::vector<std::string> familias;
  for (int f = 1; f <= 26; ++f) familias.push_back("K Family " + std::to_string(f));
  std::string bytes;
  for (const std::string& line : familias) bytes += line + "\r\n";
  folder.Write("cas/familias", bytes);
  std::string figures;
  for (int f = 1; f <= 26; ++f) figures += (f == 3 ? " 4,1" : f == 2 ? "12.5" : " 4.1") + std::string("   2.0") + (f == 2 || f == 4 ? "  50000" : "  20000") + "\r\n";
  figures += "source note\r\n";
  folder.Write("fami_estad.txt", figures);
  Tabs().CountLu1 = 2;
  const auto offer = [](int line, std::vector<int> titles) {
    auto& bytes = Tabs().Binary.OfferGS;
    const std::size_t at = (static_cast<std::size_t>(line - 1) * 26) * 4;
    bytes[at] = static_cast<std::byte>(titles.size());
    for (std::size_t i = 0; i < titles.size(); ++i) bytes[at + 4 * (i + 1)] = static_cast<std::byte>(titles[i]);
  };
  offer(1, {2, 5});
  offer(2, {2});

  const VocationalStats stats = LoadVocationalStats();
  EXPECT_EQ(state.platform.messages, std::vector<std::string>{"problema decimales"});  // the comma of family 3
  ASSERT_EQ(stats.titles.size(), 5u);
  EXPECT_EQ(stats.titles[3], "-Family two");
  EXPECT_EQ(stats.titleFamily[4], 2);
  EXPECT_EQ(stats.centres, (std::vector<int>{0, 2, 0, 0, 1}));
  const std::vector<StatRow> titles = TitleRows(stats);
  EXPECT_EQ(titles[0].label, "----");  // taught nowhere
  EXPECT_EQ(titles[0].picture, TitleFamilyPicture(1));
  EXPECT_EQ(titles[1].picture, -1);
  EXPECT_EQ(titles[1].length, 12);  // (2 + 40) / 3.4 rounded
  EXPECT_EQ(ShareRows(stats)[1].label, "12.5%");
  EXPECT_EQ(ShareRows(stats)[1].length, 125 + 11);
  const std::vector<StatRow> jobs = JobRows(stats);
  EXPECT_EQ(jobs[0].family, 2);  // equal numbers of jobs keep their file order
  EXPECT_EQ(jobs[1].family, 4);
  EXPECT_EQ(jobs[0].label, "50.000");
  EXPECT_EQ(stats.source, "source note");
  EXPECT_EQ(GrowthStep(10), 3);
}

}  // namespace
}  // namespace velmora
