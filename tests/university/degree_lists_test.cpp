// The degree lists, the where-to-study rows and the explanation diagram over small tables
// written straight into the shared state.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/common.h"
#include "core/text_helpers.h"
#include "tests/university/degree_fixture.h"
#include "university/degree_diagram.h"
#include "university/degree_lists.h"
#include "university/degree_tables.h"
#include "university/where_to_study.h"

namespace velmora {
namespace {
using testing::DegreeTablesTest;
using testing::Offer;

std::vector<std::string> Texts(const std::vector<TreeItem>& items) {
  std::vector<std::string> texts;
  for (const TreeItem& item : items) texts.push_back(std::string(item.level, '.') + item.text);
  return texts;
}

TEST(MarkText, TenthsWithACommaAndTheNoMarkDash) {
  EXPECT_EQ(MarkText(10), "  - ");
  EXPECT_EQ(MarkText(55), " 5,5");
  EXPECT_EQ(MarkText(140), "14,0");
  EXPECT_EQ(MarkText(123), "12,3");
}

TEST_F(DegreeTablesTest, BranchGridGroupsSomeBranchesAndListsOthersFlat) {
  AddGroup("Languages");
  AddGroup("Physics group");
  AddGroup("Unused");
  const int history = AddDegree("History", 1, 1);
  const int physics = AddDegree("Physics", 2, 2);
  const int english = AddDegree("English Studies", 1, 1);
  const int maths = AddDegree("Mathematics", 2, 2);
  Tabs().Binary.DegreeLetters[static_cast<std::size_t>(english)][0] = 1;

  const std::vector<DegreeRow> arts = BranchDegreeRows(0);
  ASSERT_EQ(arts.size(), 3u);  // the heading of group 1 only: the others have no branch-1 degree
  EXPECT_TRUE(arts[0].heading);
  EXPECT_EQ(arts[0].text, "Languages");
  EXPECT_EQ(arts[1].degree, history);
  EXPECT_EQ(arts[2].degree, english);
  EXPECT_EQ(arts[2].mark, "+");
  EXPECT_EQ(arts[1].mark, "");

  const std::vector<DegreeRow> sciences = BranchDegreeRows(1);
  ASSERT_EQ(sciences.size(), 2u);  // flat, in index order
  EXPECT_EQ(sciences[0].degree, physics);
  EXPECT_EQ(sciences[1].degree, maths);
  EXPECT_FALSE(sciences[0].heading);

  const std::vector<DegreeRow> all = BranchDegreeRows(kAllBranchesItem);
  ASSERT_EQ(all.size(), 6u);
  EXPECT_EQ(all[3].text, "Physics group");
}

TEST_F(DegreeTablesTest, GroupTreeCountsChildrenAndKeepsUngroupedDegreesOnTop) {
  AddGroup("  Health  ");
  AddGroup("Law");
  AddDegree("Medicine", 5, 1);
  AddDegree("Law", 3, 2);
  AddDegree("Nursing", 5, 1);
  AddDegree("Loose", 2, 0);
  EXPECT_EQ(Texts(DegreeTree(DegreeView::Groups)),
            (std::vector<std::string>{"Health (2)", ".Medicine", ".Nursing", "Law (1)", ".Law", "Loose"}));
  const std::vector<TreeItem> items = DegreeTree(DegreeView::Groups);
  EXPECT_EQ(items[0].degree, 0);
  EXPECT_EQ(items[0].image, kImageGroup);
  EXPECT_EQ(items[5].degree, 4);
}

TEST_F(DegreeTablesTest, ActivityTreeLeavesOutActivities23And24AndReachesEveryDegree) {
  SharedTables& t = Tabs();
  t.CountActivida = 24;
  for (int a = 1; a <= 24; ++a) {
    t.TabActivida[static_cast<std::size_t>(a)] = "Activity " + std::to_string(a);
    t.ActivityCodes[static_cast<std::size_t>(a)] = "A" + std::to_string(100 + a);
  }
  t.CountProfesio = 2;
  t.ProfessionCode1[1] = "A101";
  t.ProfessionCode2[2] = "A123";  // a profession of a left-out activity
  t.ProfessionCode1[2] = "A102";
  int last = 0;
  for (int d = 1; d <= 320; ++d) last = AddDegree("Degree " + std::to_string(d), 2, 0);
  t.Binary.TabDatgrados[static_cast<std::size_t>(last)][kProfession3] = 1;
  t.Binary.TabDatgrados[5][kProfession1] = 2;
  const std::vector<std::string> texts = Texts(DegreeTree(DegreeView::Activities));
  EXPECT_EQ(texts.size(), 22u + 2u);
  EXPECT_EQ(texts[0], "Activity 1");
  EXPECT_EQ(texts[1], ".Degree 320");  // past 300 too
  EXPECT_EQ(texts[2], "Activity 2");
  EXPECT_EQ(texts[3], ".Degree 5");
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Activity 23"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Activity 24"), 0);
}

TEST_F(DegreeTablesTest, ItineraryTreeListsBothItinerariesAndPutsTwelveUnderEleven) {
  SharedTables& t = Tabs();
  for (int i = 1; i <= 12; ++i) t.TabItinerar[static_cast<std::size_t>(i)] = "Itinerary " + std::to_string(i);
  AddDegree("Architecture", 4, 0, 3, 1);
  AddDegree("Biology", 2, 0, 1, 0);
  AddDegree("Dance", 1, 0, 12, 0);
  const std::vector<std::string> texts = Texts(DegreeTree(DegreeView::Itineraries));
  EXPECT_EQ(texts[0], "Itinerary 1");
  EXPECT_EQ(texts[1], ".Biology");  // first itinerary before second
  EXPECT_EQ(texts[2], ".Architecture");
  EXPECT_EQ(texts[5], ".Architecture");  // under 3 as well
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Itinerary 12"), 0);
  EXPECT_EQ(texts[texts.size() - 2], "Itinerary 11");
  EXPECT_EQ(texts.back(), ".Dance");
}

TEST_F(DegreeTablesTest, AlphabeticalOrderIsTheFileInCastilianAndTenCharactersElsewhere) {
  AddDegree("Zoology", 2, 0);
  AddDegree("Enginyeria B", 4, 0);
  AddDegree("Enginyeria A", 4, 0);
  AddDegree("Art", 1, 0);
  EXPECT_EQ(Texts(DegreeTree(DegreeView::Alphabetical)),
            (std::vector<std::string>{"Zoology", "Enginyeria B", "Enginyeria A", "Art"}));
  NonCastilian = true;
  const std::vector<TreeItem> sorted = DegreeTree(DegreeView::Alphabetical);
  // Names equal in their first ten characters keep their file order.
  EXPECT_EQ(Texts(sorted), (std::vector<std::string>{"Art", "Enginyeria B", "Enginyeria A", "Zoology"}));
  EXPECT_EQ(sorted[0].degree, 4);
}

TEST_F(DegreeTablesTest, LocalNamesHintHasAHeadingAndOneLinePerName) {
  AddLocalName("Name One");
  AddLocalName("Name Two");
  AddLocalName("Name Three");
  const int d = AddDegree("Degree", 2, 0);
  Tabs().Binary.DegreeLetters[static_cast<std::size_t>(d)] = {3, 1, 2, 3};
  const std::string hint = LocalNamesHint(d);
  EXPECT_EQ(std::count(hint.begin(), hint.end(), '\n'), 4);
  EXPECT_NE(hint.find("\r\n-Name Two\r\n"), std::string::npos);
  EXPECT_TRUE(hint.starts_with("    "));
  EXPECT_EQ(LocalNamesHint(AddDegree("Plain", 2, 0)), "");
}

TEST_F(DegreeTablesTest, DegreeGridGroupsUniversitiesByCommunityAndMarksTheStars) {
  const int north = AddUniversity("North University", 11);
  const int south = AddUniversity("South University", 1);
  const int south2 = AddUniversity("Second South", 1);
  const int d = AddDegree("Medicine", 5, 0);
  SetOffers(d, {{north, 125}, {south2, 10}, {south, 131}, {99, 80}});  // 99 is past lugar
  const DegreeGrid grid = BuildDegreeGrid(d);
  ASSERT_EQ(grid.texts.size(), 2u + 3u + 2u);
  EXPECT_EQ(grid.texts[1], "Not.");
  EXPECT_EQ(grid.texts[2], "- Community 1");
  EXPECT_EQ(grid.texts[3], PadTo("<Second South", 36) + "  - ");
  EXPECT_EQ(grid.texts[4], PadTo("<South University", 36) + "13,1");
  EXPECT_EQ(grid.texts[5], "- Community 11");
  EXPECT_EQ(grid.lines[6].mark, " 12,5");
  EXPECT_EQ(grid.lines[6].name, "<North University" + std::string(19, ' '));
  EXPECT_TRUE(CommunityHasOffer[1]);
  EXPECT_TRUE(CommunityHasOffer[11]);
  EXPECT_FALSE(CommunityHasOffer[13]);
  EXPECT_EQ(CommunityFirstRow[1], 2);
  EXPECT_EQ(CommunityFirstRow[11], 5);
  EXPECT_EQ(CommunityFirstRow[13], 0);

  const DegreeGrid nowhere = BuildDegreeGrid(AddDegree("Nowhere", 2, 0));
  EXPECT_EQ(nowhere.texts.size(), 2u);
  EXPECT_EQ(std::count(CommunityHasOffer.begin(), CommunityHasOffer.end(), true), 0);
}

TEST_F(DegreeTablesTest, UniversitiesOfCeutaAndMelillaAreThoseOfRegionOne) {
  AddUniversity("Granada", 1);
  AddUniversity("Madrid", 13);
  AddUniversity("Broken", 40);  // a community the map does not have
  for (const int region : {1, 18, 19}) {
    const std::vector<CommunityUniversity> list = UniversitiesOfCommunity(region);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].university, 1);
  }
  EXPECT_TRUE(UniversitiesOfCommunity(40).empty());
}

TEST_F(DegreeTablesTest, AUniversityOfSixteenDegreesListsThemByBranchAndThenItsDoubles) {
  const int u = AddUniversity("Big University", 13);
  AddLocalName("Local Maths");
  std::vector<int> degrees;
  for (int i = 1; i <= 16; ++i) degrees.push_back(AddDegree("Degree " + std::to_string(i), i % 2 == 0 ? 4 : 2, 0));
  for (const int d : degrees) SetOffers(d, {{u, 50 + d, d == 3 ? 1 : 0}});
  std::vector<GridLine> rows = UniversityDegreeRows(u);
  ASSERT_EQ(rows.size(), 18u);  // two branch headings: branches without degrees are left out
  EXPECT_TRUE(rows[0].name.starts_with("-   "));
  EXPECT_EQ(rows[0].degree, 0);
  EXPECT_EQ(rows[1].degree, 1);
  EXPECT_EQ(rows[2].name, "<Local Maths" + std::string(43, ' '));
  EXPECT_EQ(rows[1].mark, "  5,1");
  EXPECT_EQ(rows[9].degree, 0);  // branch 4 starts
  EXPECT_EQ(rows[10].degree, 2);

  SetOffers(degrees.back(), {});  // fifteen: in degree order without headings
  rows = UniversityDegreeRows(u);
  ASSERT_EQ(rows.size(), 15u);
  for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(rows[r].degree, static_cast<int>(r) + 1);

  DoubleDegreeTable& doubles = Tabs().Binary.TabDobles;
  doubles.count = 1;
  doubles.mark[1][0] = 1;
  doubles.first[1][1] = 3;
  doubles.second[1][1] = 4;
  doubles.label[1][1] = "12,0";
  rows = UniversityDegreeRows(u);
  ASSERT_EQ(rows.size(), 15u + 5u);
  EXPECT_EQ(rows[15].name, "");
  EXPECT_TRUE(rows[16].name.starts_with("-" + std::string(16, ' ')));
  EXPECT_EQ(rows[17].name, "Local Maths" + std::string(44, ' '));
  EXPECT_EQ(rows[17].mark, " 12,0");
  EXPECT_TRUE(rows[18].name.starts_with(" + Degree 4"));
  EXPECT_EQ(rows[19].name, std::string(17, ' ') + "-----" + std::string(5, ' '));
  for (std::size_t r = 15; r < rows.size(); ++r) EXPECT_EQ(rows[r].degree, 0);
}

TEST(DegreeDiagram, StepsOpenTheirPanelsAndThenShowTheirText) {
  std::array<DegreeDiagram::Cover, kCoverPanels> covers{};
  for (auto& cover : covers) cover = {100, 6};
  DegreeDiagram diagram(covers);
  const auto ticksToText = [&diagram] {
    int ticks = 1;
    while (!diagram.Step().text) ++ticks;
    return ticks;
  };
  // Steps 0-2 show their text at the first tick, each opening panel 1 by a pixel.
  for (int step = 0; step <= 2; ++step) {
    EXPECT_EQ(ticksToText(), 1);
    diagram.Advance();
  }
  EXPECT_EQ(diagram.cover(1).width, 3);
  EXPECT_EQ(ticksToText(), 3);  // step 3 opens the rest of panel 1, then shows its text
  EXPECT_EQ(diagram.cover(1).left, 106);
  diagram.Advance();
  EXPECT_FALSE(diagram.Step().text);  // step 4 closes panel 2 and opens panel 3
  EXPECT_EQ(diagram.cover(2).width, 0);
  EXPECT_EQ(diagram.cover(3).width, 5);
  EXPECT_EQ(ticksToText(), 5);
  for (int step = 5; step <= 6; ++step) {
    diagram.Advance();
    EXPECT_EQ(ticksToText(), 6);
    EXPECT_EQ(diagram.cover(step - 2).width, 0);
  }
  diagram.Advance();
  EXPECT_EQ(ticksToText(), 2);  // step 7 opens three pixels a tick
  diagram.Advance();
  EXPECT_EQ(ticksToText(), 6);
  diagram.Advance();
  const DegreeDiagram::Tick last = diagram.Step();
  EXPECT_TRUE(last.finished);
  EXPECT_FALSE(last.text);
  EXPECT_EQ(diagram.cover(7).width, 0);
}

}  // namespace
}  // namespace velmora
