// The catalogue by professional family over the built sample folder: the keys, the five lists,
// the information panels, the printed lists and the ways out.
#include "guidance/catalogue_screen.h"

#include <QCloseEvent>
#include <gtest/gtest.h>

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
#include "university/degree_tables.h"
#include "vocational/certificates.h"
#include "vocational/fp_titles.h"
#include "vocational/middle_grade_questionnaire.h"
#include "vocational/vocational_files.h"

namespace velmora {
namespace {

constexpr char kSanidad = 'L';

class Catalogue : public testing::BuiltFolderTest {
 protected:
  Catalogue() {
    AnimationOn = false;
    LoadDegreeFiles();
    LoadVocationalFiles();
    LoadLines600(LanguageFolder + "informa_l", Tabs().TabInformaL, Tabs().CountInformaL, WidthStd);
    LoadBlocks26(LanguageFolder + "asignaba", Tabs().TabAsignaba, Tabs().CountFpba);
    LoadCertificateFiles();
    Navigation().mainMenu = &menu;
  }
  ~Catalogue() override {
    ClearDoorOpeners();
    Navigation() = {};
  }
  static std::vector<std::string> Texts(const std::vector<CatalogueLine>& lines) {
    std::vector<std::string> texts;
    for (const CatalogueLine& line : lines) texts.push_back(line.heading ? "[" + line.text + "]" : line.text);
    return texts;
  }
  QWidget menu;
};

TEST_F(Catalogue, KeysNameFamiliesByDigitAndLetter) {
  EXPECT_EQ(FamilyNumberOfKey('1'), 1);
  EXPECT_EQ(FamilyNumberOfKey('9'), 9);
  EXPECT_EQ(FamilyNumberOfKey('A'), 10);
  EXPECT_EQ(FamilyNumberOfKey('Q'), 26);
  for (const char other : {'0', 'R', 'a', ' ', '-'}) EXPECT_EQ(FamilyNumberOfKey(other), 0) << other;
  EXPECT_EQ(FamilyKeyAt(21), kSanidad);
  EXPECT_EQ(FamilyNameAt(21), "Sanidad");
  EXPECT_EQ(FamilyKeyAt(27), ' ');
  EXPECT_TRUE(CatalogueOfFamily('R')[0].empty());
}

TEST_F(Catalogue, EachListHoldsItsKindOfTheFamilyAndNoHeading) {
  const CatalogueLists lists = CatalogueOfFamily(kSanidad);
  for (const CatalogueItem& item : lists[0]) EXPECT_EQ(DegreeValue(item.number, kCatalogueValue), 21) << item.text;
  for (const CatalogueItem& item : lists[1]) EXPECT_EQ(HigherTitleOf(item.number).family, 21) << item.text;
  for (const CatalogueItem& item : lists[2]) EXPECT_EQ(MiddleGradeEntryOf(item.number).family, 21) << item.text;
  EXPECT_FALSE(lists[0].empty());
  EXPECT_FALSE(lists[1].empty());
  EXPECT_FALSE(lists[2].empty());
  EXPECT_FALSE(lists[4].empty());
  for (const CatalogueItem& item : lists[4]) {
    const std::string_view line = Tabs().TabCertifica[static_cast<std::size_t>(item.number)].view();
    EXPECT_EQ(line[0], kSanidad);
    EXPECT_NE(line[1], '-');  // area headings stay out
  }
  // Every family shows something in at least three of the five lists.
  for (int line = 1; line <= kProfessionalFamilies; ++line) {
    const CatalogueLists family = CatalogueOfFamily(FamilyKeyAt(line));
    EXPECT_GE(std::ranges::count_if(family, [](const auto& list) { return !list.empty(); }), 3) << FamilyNameAt(line);
  }
}

TEST_F(Catalogue, TheArtsFamilyEndsWithTheArtisticCyclesOnce) {
  const CatalogueLists lists = CatalogueOfFamily(kArtsFamilyKey);
  ASSERT_FALSE(lists[1].empty());
  ASSERT_FALSE(lists[2].empty());
  EXPECT_EQ(lists[1].back().text, TextLine(176));
  EXPECT_EQ(lists[1].back().number, TitleCount(Grade::GS));
  EXPECT_EQ(lists[2].back().text, TextLine(177));
  EXPECT_EQ(lists[2].back().number, TitleCount(Grade::GM));
  EXPECT_EQ(std::ranges::count(lists[2], TitleCount(Grade::GM), &CatalogueItem::number), 1);
  // Their panels keep the requirements and leave out the jobs.
  const std::vector<std::string> texts = Texts(CatalogueInformation(CatalogueKind::HigherTitle, lists[1].back().number, '5'));
  EXPECT_EQ(texts.front(), "[" + std::string(TextLine(277)) + "]");
  EXPECT_EQ(std::ranges::count(texts, "[" + std::string(TextLine(271)) + "]"), 0);
}

TEST_F(Catalogue, InformationPanelsOfEachKind) {
  // A higher-grade title without requirement lines: its heading, the empty line, the jobs.
  const int title = CatalogueOfFamily(kSanidad)[1].front().number;
  auto& bytes = Tabs().Binary.Datfps;
  std::fill_n(bytes.begin() + (title - 1) * 25 * 4 + 4 * 4, 13 * 4, std::byte{0});
  std::vector<std::string> texts = Texts(CatalogueInformation(CatalogueKind::HigherTitle, title, kSanidad));
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0], "[" + std::string(TextLine(277)) + "]");
  EXPECT_EQ(texts[1], "");
  EXPECT_EQ(texts[2], "[" + std::string(TextLine(271)) + "]");
  EXPECT_EQ(texts.size(), 8u);

  // FP Básica: its five lines without those that begin with five blanks.
  const int basic = CatalogueOfFamily('2')[3].front().number;
  Tabs().TabAsignaba[static_cast<std::size_t>(basic)][2] = "     sangrada";
  Tabs().TabAsignaba[static_cast<std::size_t>(basic)][3] = "";
  texts = Texts(CatalogueInformation(CatalogueKind::BasicTitle, basic, '2'));
  EXPECT_EQ(texts.front(), "[" + std::string(TextLine(29)) + "]");
  EXPECT_EQ(std::ranges::count(texts, "     sangrada"), 0);
  const auto jobs = std::ranges::find(texts, "[" + std::string(TextLine(271)) + "]");
  ASSERT_NE(jobs, texts.end());
  // The heading, then the lines 1, 3 (empty), 4 and 5 that do not begin with five blanks.
  const auto kept = std::ranges::count_if(std::array{1, 3, 4, 5}, [&](int line) {
    return !Tabs().TabAsignaba[static_cast<std::size_t>(basic)][static_cast<std::size_t>(line)].view().starts_with("     ");
  });
  EXPECT_EQ(texts.end() - jobs, 1 + kept);

  // A certificate: its levels, hours and description under their headings.
  const int certificate = CatalogueOfFamily(kSanidad)[4].front().number;
  const CertificateDetails details = DetailsOf(certificate);
  texts = Texts(CatalogueInformation(CatalogueKind::Certificate, certificate, kSanidad));
  EXPECT_EQ(texts.front(), "[" + std::string(TextLine(29)) + "]");
  EXPECT_EQ(texts[details.requirements.size() + 1], "[" + std::string(TextLine(582)) + "]");
  EXPECT_EQ(texts[details.requirements.size() + 2], details.hours);
  EXPECT_EQ(texts.back(), details.description);

  // A degree: the first part of its requirement page, without headings.
  const CatalogueItem degree = CatalogueOfFamily(kSanidad)[0].front();
  for (const CatalogueLine& line : CatalogueInformation(CatalogueKind::Degree, degree.number, kSanidad)) EXPECT_FALSE(line.heading);
}

TEST_F(Catalogue, AListStopsAtSixHundredItems) {
  SharedTables& t = Tabs();
  for (int n = 1; n <= 700; ++n) t.TabFpba[static_cast<std::size_t>(n)] = "1T\xEDtulo";
  t.CountFpba = 700;
  EXPECT_EQ(CatalogueOfFamily('1')[3].size(), static_cast<std::size_t>(kMaxCatalogueItems));
}

TEST_F(Catalogue, TheReportPrintsTheListsThatHaveItemsUnderBoldCaptions) {
  CatalogueLists lists;
  lists[0] = {{"Medicina", 1}};
  lists[2] = {{"Farmacia y Parafarmacia", 7}, {std::string(80, 'x'), 8}};
  const int count = BuildCatalogueReport("Sanidad", lists);
  const std::array<std::string, kCatalogueLists> captions = CatalogueCaptions();
  EXPECT_EQ(PrintLinesFrom(0, count),
            (std::vector<std::string>{std::string(TrimBlanks(TextLine(103))) + ": Sanidad", "", captions[0], " -Medicina", "",
                                      captions[2], " -Farmacia y Parafarmacia", " -" + std::string(63, 'x')}));
  EXPECT_EQ(BoldLines[0], 2);
  EXPECT_EQ(BoldLines[1], 2);
  EXPECT_EQ(BoldLines[2], 5);
}

TEST_F(Catalogue, TheScreenFillsItsListsOpensPanelsAndLeaves) {
  TFormCat screen;
  ASSERT_EQ(PrepareDoor(kDoorCatalogue), &screen);
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  EXPECT_EQ(screen.ListFam->count(), kProfessionalFamilies);
  screen.show();
  EXPECT_EQ(screen.LabelAyu0->x(), 300);
  while (screen.TimerAyu.isActive()) screen.TimerAyuTimer();
  EXPECT_EQ(screen.LabelAyu0->x(), 100);

  screen.ListFamClick(20);  // Sanidad
  EXPECT_EQ(screen.FamilyKey, kSanidad);
  for (int k = 0; k < kCatalogueLists; ++k)
    EXPECT_EQ(screen.ListCat[static_cast<std::size_t>(k)]->count(), static_cast<int>(screen.Lists[static_cast<std::size_t>(k)].size()));
  screen.ListCatClick(1, 0);
  EXPECT_FALSE(screen.panelsel->isHidden());
  EXPECT_EQ(screen.panelsel->y(), screen.ListCat[1]->geometry().bottom() + 1);
  screen.botcerrarClick();
  EXPECT_TRUE(screen.panelsel->isHidden());
  screen.ListCatClick(4, 0);
  EXPECT_EQ(screen.panelsel->geometry().bottom() + 1, screen.ListCat[4]->y() - 2);
  screen.ListFamClick(0);  // another family hides the panel
  EXPECT_TRUE(screen.panelsel->isHidden());

  RecordingCanvas* canvas = nullptr;
  platform.printerChoice = [&canvas] {
    auto made = std::make_unique<RecordingCanvas>();
    canvas = made.get();
    return made;
  };
  screen.BotImprimirMouseUp();
  EXPECT_NE(canvas, nullptr);

  screen.BotRetrocederMouseUp();
  EXPECT_TRUE(screen.isHidden());
  EXPECT_TRUE(menu.isVisible());
  QWidget assistant;
  Navigation().assistant = &assistant;
  InAssistant = true;
  screen.show();
  screen.BotRetrocederMouseUp();
  EXPECT_TRUE(assistant.isVisible());
  // The close box goes to the corridor, not the assistant, and asks nothing.
  menu.hide();
  screen.show();
  EXPECT_FALSE(screen.close());
  EXPECT_TRUE(screen.isHidden());
  EXPECT_TRUE(menu.isVisible());
  EXPECT_TRUE(platform.questions.empty());
  InAssistant = false;
  // The family and its lists stay for the next visit.
  screen.show();
  EXPECT_EQ(screen.FamilyKey, '1');
}

}  // namespace
}  // namespace velmora
