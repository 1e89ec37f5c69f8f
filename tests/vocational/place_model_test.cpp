// The place model over small tables written by each test, and once over the built sample folder.
#include "vocational/place_model.h"
#include "university/degree_files.h"
#include "vocational/vocational_files.h"
#include "tests/support/built_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/binary_readers.h"
#include "core/line_loaders.h"
#include "core/shared_bitmaps.h"
#include "core/startup.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

std::string Padded(std::string_view text, std::size_t width = 60) {
  std::string line(text);
  line.resize(width, ' ');
  return line;
}

void SetLine(LineTable& table, int& count, int line, std::string_view text, std::size_t width = 60) {
  table[static_cast<std::size_t>(line)] = Padded(text, width);
  count = std::max(count, line);
}

// A centre line: area, town (17 or 35), the rest of the name up to column 45, phone.
std::string Centre(char area, std::string_view town, std::string_view name, std::string_view phone,
                   std::size_t townWidth = 17) {
  std::string line(1, area);
  line += Padded(town, townWidth);
  line += name;
  line = Padded(line, 45);
  line += phone;
  return line;
}

void SetOffer(std::array<std::byte, 4 * kOfferRecordSize>& offers, int file, int line, std::vector<int> titles) {
  const std::size_t base = static_cast<std::size_t>(file - 1) * kOfferRecordSize +
                           static_cast<std::size_t>(line - 1) * 26 * 4;
  auto put = [&](std::size_t at, std::int32_t value) {
    for (int b = 0; b < 4; ++b) offers[at + static_cast<std::size_t>(b)] = std::byte(static_cast<std::uint32_t>(value) >> (8 * b));
  };
  put(base, static_cast<std::int32_t>(titles.size()));
  for (std::size_t i = 0; i < titles.size(); ++i) put(base + 4 * (i + 1), titles[i]);
}

class PlaceModelTest : public ::testing::Test {
 protected:
  PlaceModelTest() {
    ResetPlaceModel();
    // Communities 1..19: community c starts at entry c * 3 - 2 except where set below.
    SharedTables& t = Tabs();
    for (int c = 1; c <= 19; ++c) {
      const std::string base = std::to_string(100 + c * 3 - 2).substr(1);
      SetLine(t.TabComunida, t.CountComunida, c, base + "Community " + std::to_string(c), 55);
    }
    // Community 1 (entries 1-3: 37, 38, 39 in lu3); community 2's place line between its lines.
    SetLine(t.TabComunida, t.CountComunida, 20, " 1Almeria", 55);
    SetLine(t.TabComunida, t.CountComunida, 21, " 2Elsewhere", 55);
    SetLine(t.TabComunida, t.CountComunida, 22, " 1Cadiz", 55);
    SetLine(t.TabComunida, t.CountComunida, 23, " 1Cordoba", 55);
    // Community 5 is one place: entry 15 = "11" of lu1.
    SetLine(t.TabComunida, t.CountComunida, 5, "15Asturias   ", 55);
    SetLine(t.TabFp, t.CountFp, 5, "Gestion Administrativa");
    SetLine(t.TabFp, t.CountFp, 6, "Cocina");
    SetLine(t.TabFp2, t.CountFp2, 2, "Soldadura");
    SetLine(t.TabFpba, t.CountFpba, 3, "-Servicios Administrativos");
  }
  ~PlaceModelTest() override { ResetPlaceModel(); }
  testing::CommonStateTest state;
};

TEST_F(PlaceModelTest, CommunitiesAndTheirPlaces) {
  const CommunityPlaces one = PlacesOfCommunity(1);
  EXPECT_EQ(one.PlaceBase, 1);
  ASSERT_EQ(one.PlaceCount, 3);
  EXPECT_EQ(one.PlaceNames[1], Padded("Cadiz", 35));  // file order, other communities skipped
  EXPECT_EQ(one.listNames[2], Padded("Cordoba", 53));

  // Without place lines the community is its own only place.
  const CommunityChoice five = ChooseCommunity(5);
  EXPECT_TRUE(five.chosen && five.singlePlace);
  ASSERT_EQ(five.placeList.size(), 1u);
  EXPECT_EQ(TrimBlanks(five.placeList[0]), "Asturias");
  EXPECT_EQ(Places.PlaceCount, 1);
  const auto place = ResolvePlace(1);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->file, 1);
  EXPECT_EQ(place->area, '1');
  EXPECT_FALSE(ResolvePlace(0));  // nothing selected in the list
  EXPECT_FALSE(ChooseCommunity(20).chosen);
  EXPECT_FALSE(ChooseCommunity(0).chosen);

  // The detailed regions resolve to lu4 and lu2, and only once a comarca or zone is picked.
  EXPECT_EQ(ChooseCommunity(9).detail, DetailMap::Comarcas);
  EXPECT_TRUE(ChooseCommunity(9).placeList.empty());
  EXPECT_FALSE(ResolvePlace(0));
  ClickComarca(3);
  EXPECT_EQ(ResolvePlace(0)->file, 4);
  EXPECT_EQ(ChooseCommunity(13).detail, DetailMap::Zones);
  EXPECT_FALSE(ResolvePlace(1));
  ClickZone(2);
  EXPECT_EQ(ResolvePlace(0)->file, 2);

  // Entry 13 is "1J", a wide place.
  Places.SelectedCommunity = 2;
  Places.PlaceBase = 13;
  Places.PlaceCount = 1;
  EXPECT_TRUE(ResolvePlace(1)->wide);
}

TEST_F(PlaceModelTest, CentresOfferingATitleByCommunity) {
  SharedTables& t = Tabs();
  SetLine(t.TabLu3, t.CountLu3, 1, Centre('7', "Almeria", "IES Uno", "950000001"));
  SetLine(t.TabLu3, t.CountLu3, 2, Centre('8', "Cadiz", "IES Dos", "956000002"));
  SetLine(t.TabLu3, t.CountLu3, 3, Centre('9', "Cordoba", "IES Tres", "957000003"));
  SetLine(t.TabLu3, t.CountLu3, 4, Centre('7', "Roquetas", "IES Cuatro", "950000004"));
  SetOffer(t.Binary.OfferGS, 3, 1, {5, 6, 5});  // listed twice
  SetOffer(t.Binary.OfferGS, 3, 2, {6});
  SetOffer(t.Binary.OfferGS, 3, 3, {5});
  SetOffer(t.Binary.OfferGS, 3, 4, {6});
  SetOffer(t.Binary.OfferGS, 4, 1, {5});  // same line number, other file: not community 1's

  const auto rows = CentresOfferingTitle(Grade::GS, 5, PlacesOfCommunity(1));
  const std::string blank(60, ' ');
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0].text, "- " + Padded("Almeria", 35) + "        ");
  EXPECT_EQ(rows[1].text, Padded(Padded("Almeria", 17) + "IES Uno", 44));
  EXPECT_EQ(rows[1].phone, "950000001");
  EXPECT_EQ(rows[2].text, rows[1].text);
  EXPECT_EQ(rows[3].text, blank);
  // Cadiz offers nothing: its header is withdrawn and Cordoba's follows the blank row.
  EXPECT_EQ(rows[4].text.substr(0, 9), "- Cordoba");
  EXPECT_EQ(rows[5].phone, "957000003");
  EXPECT_EQ(rows[6].text, blank);

  // A single-place community has no header rows.
  SetLine(t.TabLu1, t.CountLu1, 1, Centre('1', "Oviedo", "IES Cinco", "985000005"));
  SetOffer(t.Binary.OfferGS, 1, 1, {5});
  const auto single = CentresOfferingTitle(Grade::GS, 5, PlacesOfCommunity(5));
  ASSERT_EQ(single.size(), 2u);
  EXPECT_EQ(single[0].phone, "985000005");

  const auto none = CentresOfferingTitle(Grade::GS, 7, PlacesOfCommunity(1));
  EXPECT_TRUE(none.empty());
  const auto grid = TitleListGrid(none);
  ASSERT_EQ(grid.size(), 1u);
  EXPECT_EQ(grid[0].text, TextLine(292));
  EXPECT_EQ(TitleListGrid(rows)[1].text.size(), 44u);

  // Stars: community 1 and 5 offer title 5, community 1 only title 6.
  const auto marked = CommunitiesOfferingTitle(Grade::GS, 5);
  EXPECT_TRUE(marked[1]);
  EXPECT_TRUE(marked[5]);
  EXPECT_FALSE(marked[2]);
  EXPECT_EQ(std::count(marked.begin(), marked.end(), true), 2);
  EXPECT_FALSE(CommunitiesOfferingTitle(Grade::GM, 5)[1]);
}

TEST_F(PlaceModelTest, OfferEntriesAreReadAtTheirPlace) {
  SharedTables& t = Tabs();
  SetOffer(t.Binary.OfferGM, 4, 1100, {3, 9});
  const OfferEntry last = OfferEntryOf(t.Binary.OfferGM, 4, 1100);
  EXPECT_EQ(last.n, 2);
  EXPECT_EQ(last.titles[1], 9);
  EXPECT_EQ(OfferEntryOf(t.Binary.OfferGM, 4, 1099).n, 0);
  EXPECT_EQ(OfferEntryOf(t.Binary.OfferGM, 5, 1).n, 0);
  SetOffer(t.Binary.OfferGM, 2, 7, std::vector<int>(30, 1));  // a damaged count stops at 25
  EXPECT_EQ(OfferEntryOf(t.Binary.OfferGM, 2, 7).n, 25);
}

TEST_F(PlaceModelTest, TownStepAndGridOfAPlace) {
  SharedTables& t = Tabs();
  SetLine(t.TabLu1, t.CountLu1, 1, Centre('1', "Gijon", "IES A", "985000001"));
  SetLine(t.TabLu1, t.CountLu1, 2, Centre('1', "Oviedo", "IES B", "985000002"));
  SetLine(t.TabLu1, t.CountLu1, 3, Centre('1', "Aviles", "IES Nada", "985000003"));
  SetLine(t.TabLu1, t.CountLu1, 4, Centre('1', "Gijon", "IES C", "985000004"));
  SetLine(t.TabLu1, t.CountLu1, 5, Centre('2', "Otro", "IES D", "985000005"));
  SetOffer(t.Binary.OfferGS, 1, 1, {5});
  SetOffer(t.Binary.OfferGS, 1, 2, {5, 6});
  SetOffer(t.Binary.OfferGS, 1, 4, {6});
  SetOffer(t.Binary.OfferGS, 1, 5, {6});
  SetOffer(t.Binary.OfferGM, 1, 3, {2});

  ChooseCommunity(5);
  auto place = ResolvePlace(1);
  ASSERT_TRUE(place);
  const PlaceListing towns = CentresOfPlace(Grade::GS, *place);
  ASSERT_EQ(towns.step, ListingStep::Towns);
  // Aviles offers no GS title; the two Gijon runs stay apart.
  ASSERT_EQ(towns.towns.size(), 3u);
  EXPECT_EQ(towns.towns[0], Padded("Gijon", 17));
  EXPECT_EQ(towns.towns[2], Padded("Gijon", 17));
  EXPECT_EQ(Places.TownList[2].firstLine, 4);
  EXPECT_EQ(towns.placeCaption, "Asturias");
  EXPECT_TRUE(Places.TownMode);

  // No town chosen yet: nothing is built.
  EXPECT_EQ(CentresOfPlace(Grade::GS, *ResolvePlace(0)).step, ListingStep::Nothing);
  ChooseTown(3);
  const PlaceListing grid = CentresOfPlace(Grade::GS, *ResolvePlace(3));
  ASSERT_EQ(grid.step, ListingStep::Grid);
  const auto& rows = grid.rows;
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0].text, "-" + Padded(Padded("Gijon", 17) + "IES A", 44));
  EXPECT_EQ(rows[1].text, Padded("Gestion Administrativa"));
  EXPECT_EQ(rows[1].title, 5);
  EXPECT_EQ(rows[2].text, "");
  EXPECT_EQ(rows[4].title, 5);
  EXPECT_EQ(rows[5].title, 6);
  EXPECT_EQ(grid.topRow, 7);  // the second Gijon run, not the first
  EXPECT_EQ(rows[7].phone, "985000004");
  EXPECT_EQ(grid.titleCaption, std::string(TextLine(190)) + " - " + std::string(TextLine(392)));

  // The back button gives the place list again.
  EXPECT_EQ(LeaveTownMode().size(), 1u);
  EXPECT_FALSE(Places.TownMode);
}

TEST_F(PlaceModelTest, AllFpViewGroupsTheGrades) {
  SharedTables& t = Tabs();
  SetLine(t.TabLu1, t.CountLu1, 1, Centre('1', "Gijon", "Only GS", "1"));
  SetLine(t.TabLu1, t.CountLu1, 2, Centre('1', "Gijon", "Only GM", "2"));
  SetLine(t.TabLu1, t.CountLu1, 3, Centre('1', "Gijon", "Only basic", "3"));
  SetLine(t.TabLu1, t.CountLu1, 4, Centre('1', "Gijon", "Nothing", "4"));
  SetLine(t.TabLu1, t.CountLu1, 5, Centre('1', "Gijon", "All three", "5"));
  SetOffer(t.Binary.OfferGS, 1, 1, {5});
  SetOffer(t.Binary.OfferGM, 1, 2, {2});
  SetOffer(t.Binary.OfferBasic, 1, 3, {3});
  SetOffer(t.Binary.OfferGS, 1, 5, {6});
  SetOffer(t.Binary.OfferGM, 1, 5, {2});
  SetOffer(t.Binary.OfferBasic, 1, 5, {3});

  ChooseCommunity(5);
  // Normal view: only the GS centres take part.
  EXPECT_EQ(CentresOfPlace(Grade::GS, *ResolvePlace(1)).towns.size(), 1u);
  EXPECT_EQ(KeptCentres(Grade::GS, *ResolvePlace(1)).size(), 2u);
  // Toggling runs the town step again, with every centre of the area.
  const PlaceListing towns = ToggleAllFpView(Grade::GS, 1);
  EXPECT_TRUE(Places.AllFpView);
  EXPECT_EQ(towns.step, ListingStep::Towns);
  EXPECT_EQ(KeptCentres(Grade::GS, *ResolvePlace(1)).size(), 5u);
  ChooseTown(1);
  const PlaceListing grid = CentresOfPlace(Grade::GS, *ResolvePlace(1));
  const std::string basic = std::string(TextLine(172)) + "/" + std::string(TextLine(263)) + " ";
  std::vector<std::string> texts;
  for (const GridRow& row : grid.rows) texts.push_back(std::string(TrimBlanks(row.text)));
  const std::vector<std::string> expected = {
      "-Gijon            Only GS", "GS Gestion Administrativa", " -----", " -----", "",
      "-Gijon            Only GM", "GM Soldadura", " -----", "",
      "-Gijon            Only basic", std::string(TrimBlanks(basic + "Servicios Administrativos")), "",
      "-Gijon            All three", "GS Cocina", " -----", "GM Soldadura", " -----",
      std::string(TrimBlanks(basic + "Servicios Administrativos")), ""};
  EXPECT_EQ(texts, expected);
  for (const GridRow& row : grid.rows) EXPECT_EQ(row.title, 0);
  EXPECT_EQ(grid.titleCaption, std::string(TextLine(190)) + " - " + std::string(TextLine(391)));

  // FP Basica keeps only its own centres and closes each with 61 blanks.
  ResetPlaceModel();
  ChooseCommunity(5);
  CentresOfPlace(Grade::Basic, *ResolvePlace(1));
  ChooseTown(1);
  const PlaceListing basicGrid = CentresOfPlace(Grade::Basic, *ResolvePlace(1));
  ASSERT_EQ(basicGrid.rows.size(), 6u);
  EXPECT_EQ(basicGrid.rows[1].text, Padded("Servicios Administrativos", 59));
  EXPECT_EQ(basicGrid.rows[2].text, std::string(61, ' '));
  // Printing takes town 1 when none was chosen and appends after the rows already there.
  Places.ChosenTown = 0;
  t.PrintCount = 2;
  AppendPrintRows(CentresOfPlace(Grade::Basic, *ResolvePlace(1), {.printing = true}).rows);
  EXPECT_EQ(t.PrintCount, 8);
  EXPECT_EQ(TrimBlanks(t.PrintLines2[3].view()), "3");
}

TEST_F(PlaceModelTest, ZoneCodesOfLu4AndLu2) {
  SharedTables& t = Tabs();
  SetLine(t.TabLu4, t.CountLu4, 1, Centre('1', "Valencia", "IES V", "961"));
  std::string keyed = Centre('A', "Barcelona", "Institut X", "931", 35);
  keyed[44] = 'k';
  SetLine(t.TabLu4, t.CountLu4, 2, keyed);
  keyed[0] = '6';
  keyed[44] = '3';
  SetLine(t.TabLu4, t.CountLu4, 3, keyed);
  SetLine(t.TabLu4, t.CountLu4, 4, Centre('6', "Girona", "INS Sense", "972"));  // blank column 45
  std::string madrid = Centre('H', "Chamberi", "IES M", "911", 35);
  madrid[44] = '1';
  SetLine(t.TabLu2, t.CountLu2, 1, Centre('5', "Leon", "IES L", "987"));
  SetLine(t.TabLu2, t.CountLu2, 2, madrid);
  SetLine(t.TabLu2, t.CountLu2, 3, Centre('D', "Cuenca", "IES Q", "969"));
  SetLine(t.TabLu2, t.CountLu2, 4, Centre('8', "Despues", "IES R", "969"));
  PrepareCentreZoneCodes();

  EXPECT_EQ(CentreZoneCode.lu4[1].view(), "");
  EXPECT_EQ(CentreZoneCode.lu4[2].view(), "5k");
  EXPECT_EQ(t.TabLu4[2].view()[0], '5');
  EXPECT_EQ(t.TabLu4[2].view()[44], ' ');
  EXPECT_EQ(CentreZoneCode.lu4[3].view(), "63");
  EXPECT_EQ(CentreZoneCode.lu4[4].view(), "6 ");
  EXPECT_EQ(CentreZoneCode.lu2[1].view(), "");
  EXPECT_EQ(CentreZoneCode.lu2[2].view(), "81");
  EXPECT_EQ(CentreZoneCode.lu2[4].view(), "");  // past the first Cuenca line

  // Comarca 3 (key "63") lists line 3; a blank column 45 matches no comarca.
  t.Binary.Comarcas.key[3] = "63";
  t.Binary.Comarcas.name[3] = "Garrotxa";
  t.Binary.Comarcas.count = 41;
  ChooseCommunity(9);
  EXPECT_EQ(ClickComarca(3).action, DetailAction::ListCentres);
  EXPECT_EQ(KeptCentres(Grade::GS, *ResolvePlace(0)), std::vector<int>{3});
  SetOffer(t.Binary.OfferGS, 4, 3, {5});
  const PlaceListing grid = CentresOfPlace(Grade::GS, *ResolvePlace(0));
  EXPECT_EQ(grid.step, ListingStep::Grid);
  EXPECT_EQ(grid.rows.size(), 3u);
  EXPECT_EQ(grid.placeCaption, "Garrotxa");

  // Zone 2's first municipality has key "81".
  t.Binary.Municipalities.key[4] = "81";
  t.Binary.Municipalities.ZoneTable[2][1] = 4;
  ChooseCommunity(13);
  ClickZone(2);
  EXPECT_EQ(KeptCentres(Grade::GS, *ResolvePlace(0)), std::vector<int>{2});
  EXPECT_EQ(CentresOfPlace(Grade::GS, *ResolvePlace(0)).placeCaption, "Madrid");
  ClickZone(3);  // a zone without municipalities lists nothing
  EXPECT_TRUE(KeptCentres(Grade::GS, *ResolvePlace(0)).empty());

  // Without a Cuenca line no Madrid line gets a code.
  ResetPlaceModel();
  SetLine(t.TabLu2, t.CountLu2, 3, Centre('E', "Toledo", "IES Q", "925"));
  SetLine(t.TabLu2, t.CountLu2, 4, Centre('E', "Toledo", "IES R", "925"));
  PrepareCentreZoneCodes();
  EXPECT_EQ(CentreZoneCode.lu2[2].view(), "");
}

TEST_F(PlaceModelTest, HoverLabelsOfTheThreeMaps) {
  SharedTables& t = Tabs();
  t.Maps.HitMap[10][20] = 5;
  t.Maps.HitMap[11][20] = 20;
  t.Maps.HitMapC[1][220] = 37;
  t.Maps.HitMapM[281][1] = 7;
  t.Maps.HitMapM[281][2] = 8;
  t.Binary.Comarcas.name[37] = "Barcelones";
  MunicipalityTable& m = t.Binary.Municipalities;
  m.name[1] = "Alcobendas";
  m.name[2] = "San Sebastian de los R.";
  m.name[3] = "Tres Cantos";
  m.name[4] = "Getafe";
  m.ZoneTable[7] = {0, 1, 2, 3};
  m.ZoneTable[8] = {0, 4, 0, 0};

  HoverLabel label = HoverMap(MapKind::Communities, 10, 20);
  EXPECT_TRUE(label.shown);
  EXPECT_EQ(label.text, "Asturias");
  EXPECT_EQ(MapRegion, 5);
  EXPECT_EQ(label.top, 240);
  EXPECT_EQ(label.width, MapLabelWidth);
  EXPECT_EQ(HoverMap(MapKind::Communities, 11, 20).text, "");
  EXPECT_EQ(MapRegion, 20);
  EXPECT_FALSE(HoverMap(MapKind::Communities, 10, 197).shown);
  EXPECT_FALSE(HoverMap(MapKind::Comarcas, 0, 5).shown);

  label = HoverMap(MapKind::Comarcas, 1, 220);
  EXPECT_EQ(label.text, "Barcelones");
  EXPECT_TRUE(label.handCursor);
  EXPECT_FALSE(HoverMap(MapKind::Comarcas, 2, 220).handCursor);

  label = HoverMap(MapKind::Zones, 281, 1);
  EXPECT_EQ(label.text, "Alcobendas - San Sebastian de los R. - Tres Cantos");
  EXPECT_EQ(label.width, 250);
  EXPECT_EQ(HoverMap(MapKind::Zones, 281, 2).text, "Getafe - ");
}

TEST_F(PlaceModelTest, BarcelonaSubAreasAndCellKinds) {
  ComarcaTable& comarcas = Tabs().Binary.Comarcas;
  for (int i = 42; i <= 50; ++i) comarcas.name[static_cast<std::size_t>(i)] = "Area " + std::to_string(i);
  comarcas.count = 50;
  ChooseCommunity(9);
  const DetailChoice open = ClickComarca(37);
  EXPECT_EQ(open.action, DetailAction::OpenBarcelonaList);
  ASSERT_EQ(open.barcelonaList.size(), 9u);
  EXPECT_EQ(open.barcelonaList.front(), "Area 42");
  EXPECT_EQ(ClickBarcelonaEntry(4).action, DetailAction::Nothing);
  EXPECT_EQ(Places.SelectedComarca, 37);
  EXPECT_EQ(ClickBarcelonaEntry(5).action, DetailAction::ListCentres);
  EXPECT_EQ(Places.SelectedComarca, 47);
  EXPECT_EQ(ClickBarcelonaEntry(9).action, DetailAction::Nothing);  // past the count
  EXPECT_EQ(ClickComarca(42).action, DetailAction::Nothing);
  EXPECT_EQ(ClickZone(29).action, DetailAction::Nothing);

  EXPECT_EQ(GridCellKind("-IES Uno"), CellKind::Header);
  EXPECT_EQ(GridCellKind("- Cadiz"), CellKind::Header);
  EXPECT_EQ(GridCellKind(" -----"), CellKind::GridOwn);
  EXPECT_EQ(GridCellKind(""), CellKind::Cleared);
  EXPECT_EQ(GridCellKind(std::string(60, ' ')), CellKind::Cleared);
  EXPECT_EQ(GridCellKind("Cocina"), CellKind::Bullet);
}

TEST_F(PlaceModelTest, StarsTwinkleInThreePhases) {
  RegionAnchor[4] = {30, 40};
  std::array<bool, 20> marked{};
  marked[4] = true;
  StarBlinker stars(marked);
  const TColor yellow = RGB(0xFF, 0xFF, 0), navy = RGB(0, 0, 0x80), maroon = RGB(0x80, 0, 0);
  const int radii[] = {1, 2, 3, 1};
  const TColor brushes[] = {maroon, yellow, navy, maroon};
  for (int tick = 0; tick < 4; ++tick) {
    const auto drawn = stars.Tick();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].cx, 30);
    EXPECT_EQ(drawn[0].radius, radii[tick]);
    EXPECT_EQ(drawn[0].brush, brushes[tick]);
    EXPECT_EQ(drawn[0].pen, RGB(0xFF, 0xFF, 0xFF));
  }
}

// The built sample folder: every community lists centres for some title.
class SamplePlaces : public testing::BuiltFolderTest {
 protected:
  SamplePlaces() {
    ResetPlaceModel();
    LoadDegreeFiles();
    LoadVocationalFiles();
  }
  ~SamplePlaces() override { ResetPlaceModel(); }
};

TEST_F(SamplePlaces, EveryCommunityListsCentresAndTheDetailedRegionsToo) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  // Record 0 is a print heading, never a file line that a list could show.
  EXPECT_EQ(Tabs().TabComunida[0].view(), TextLine(275));
  EXPECT_EQ(Tabs().TabLu4[0].view(), TextLine(276));
  EXPECT_EQ(Tabs().TabFp[0].view(), TextLine(294));
  // Every basic title a centre offers names a title, not a family line or a heading.
  for (int file = 1; file <= 4; ++file)
    for (int line = 1; line <= kLineTableLines; ++line) {
      const OfferEntry basic = OfferEntryOf(OfferFile(Grade::Basic), file, line);
      for (int i = 0; i < basic.n; ++i) {
        const int title = basic.titles[static_cast<std::size_t>(i)];
        ASSERT_TRUE(title >= 1 && title <= Tabs().CountFpba) << title;
        const std::string_view name = Tabs().TabFpba[static_cast<std::size_t>(title)].view();
        EXPECT_NE(name.substr(1, 1), "-") << name;
      }
    }
  int gestion = 0;
  for (int title = 1; title <= Tabs().CountFp2; ++title)
    if (TrimBlanks(Tabs().TabFp2[static_cast<std::size_t>(title)].view()) == "Gesti\xF3n Administrativa") gestion = title;
  ASSERT_GT(gestion, 0);
  std::size_t total = 0;
  for (int c = 1; c <= kCommunities; ++c) {
    bool some = false;
    for (int title = 1; title <= Tabs().CountFp2 && !some; ++title)
      some = !CentresOfferingTitle(Grade::GM, title, PlacesOfCommunity(c)).empty();
    EXPECT_TRUE(some) << "community " << c;
    total += CentresOfferingTitle(Grade::GM, gestion, PlacesOfCommunity(c)).size();
  }
  EXPECT_GT(total, 150u);
  const auto marked = CommunitiesOfferingTitle(Grade::GM, gestion);
  EXPECT_GE(std::count(marked.begin() + 1, marked.end(), true), 17);

  // A wide place: the districts of Malaga capital (entry 7) are its towns.
  ChooseCommunity(1);
  const PlaceListing towns = CentresOfPlace(Grade::GM, *ResolvePlace(7));
  ASSERT_FALSE(towns.towns.empty());
  EXPECT_EQ(towns.towns[0].size(), 35u);
  ChooseTown(1);
  EXPECT_GT(CentresOfPlace(Grade::GM, *ResolvePlace(1)).rows.size(), 2u);

  // Every comarca and zone lists centres; the Barcelona heading entry is the fifth.
  ChooseCommunity(9);
  EXPECT_EQ(Tabs().Binary.Comarcas.key[46].view(), "--");
  EXPECT_EQ(ClickBarcelonaEntry(4).action, DetailAction::Nothing);
  for (int comarca = 1; comarca <= kComarcas; ++comarca) {
    if (comarca == kComarcaBarcelones) continue;
    ClickComarca(comarca);
    EXPECT_FALSE(KeptCentres(Grade::GM, *ResolvePlace(0)).empty()) << "comarca " << comarca;
  }
  ChooseCommunity(13);
  for (int zone = 1; zone <= kZones; ++zone) {
    ClickZone(zone);
    EXPECT_FALSE(KeptCentres(Grade::GM, *ResolvePlace(0)).empty()) << "zone " << zone;
  }
}

}  // namespace
}  // namespace velmora
