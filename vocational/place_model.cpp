#include "vocational/place_model.h"

#include <algorithm>

#include "core/binary_readers.h"
#include "core/code_table.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "vocational/grade_traits.h"

namespace velmora {

namespace {

constexpr std::size_t kIntsPerEntry = 26;
constexpr std::size_t kIntsPerBlock = kOfferRecordSize / 4;

const LineTable* basicLu2 = nullptr;
int basicLu2Count = 0;

std::string Cut(std::string text, std::size_t width = kGridTextWidth) {
  if (text.size() > width) text.resize(width);
  return text;
}

char AreaOf(std::string_view line) { return line.empty() ? '\0' : line[0]; }

bool IsWide(char file, char area) {
  const char code[2] = {file, area};
  const std::string_view view(code, 2);
  return std::find(WideTownAreas.begin(), WideTownAreas.end(), view) != WideTownAreas.end();
}

std::string_view CodeOf(int entry) {
  if (entry < 1 || entry >= static_cast<int>(CodeTable64.size())) return {};
  return CodeTable64[static_cast<std::size_t>(entry)];
}

// The title's name as a row shows it: the whole line, or the fpba line from column 2.
std::string TitleName(Grade grade, int title) {
  if (title < 1 || title > kLineTableLines) return {};
  const std::string_view line = TitleTable(grade)[static_cast<std::size_t>(title)].view();
  return std::string(TraitsOf(grade).nameAfterClass ? Field(line, 2, 255) : line);
}

bool Offers(const OfferEntry& entry, int title) {
  return std::find(entry.titles.begin(), entry.titles.begin() + entry.n, title) != entry.titles.begin() + entry.n;
}

void AddRow(std::vector<GridRow>& rows, std::size_t limit, std::string text, std::string phone = {},
            int title = 0) {
  if (rows.size() < limit) rows.push_back({Cut(std::move(text)), Cut(std::move(phone)), title});
}

// Gives every line of a block its zone code and blanks column 45.
void MarkZoneBlock(LineTable& table, int from, int to, std::array<FixedString<2>, kLineTableLines + 1>& codes) {
  for (int j = from; j <= to; ++j) {
    std::string line = table[static_cast<std::size_t>(j)].str();
    if (line.size() < 45) line.resize(45, ' ');
    const char code[2] = {line[0], line[44]};
    codes[static_cast<std::size_t>(j)] = std::string_view(code, 2);
    line[44] = ' ';
    table[static_cast<std::size_t>(j)] = line;
  }
}

void Recode(LineTable& table, int count, char from, char to) {
  for (int j = 1; j <= count; ++j) {
    std::string line = table[static_cast<std::size_t>(j)].str();
    if (!line.empty() && line[0] == from) {
      line[0] = to;
      table[static_cast<std::size_t>(j)] = line;
    }
  }
}

int FirstLineOfArea(const LineTable& table, int count, char area) {
  for (int j = 1; j <= count; ++j)
    if (AreaOf(table[static_cast<std::size_t>(j)].view()) == area) return j;
  return 0;
}

}  // namespace

// ---- Tables -------------------------------------------------------------------------------

const LineTable& TitleTable(Grade grade) {
  switch (grade) {
    case Grade::GM: return Tabs().TabFp2;
    case Grade::GS: return Tabs().TabFp;
    case Grade::Basic: break;
  }
  return Tabs().TabFpba;
}

int TitleCount(Grade grade) {
  switch (grade) {
    case Grade::GM: return Tabs().CountFp2;
    case Grade::GS: return Tabs().CountFp;
    case Grade::Basic: break;
  }
  return Tabs().CountFpba;
}

ConstBytes OfferFile(Grade grade) {
  switch (grade) {
    case Grade::GM: return Tabs().Binary.OfferGM;
    case Grade::GS: return Tabs().Binary.OfferGS;
    case Grade::Basic: break;
  }
  return Tabs().Binary.OfferBasic;
}

OfferEntry OfferEntryOf(ConstBytes offerFile, int file, int line) {
  OfferEntry entry;
  if (file < 1 || file > 4 || line < 1 || line > kLineTableLines) return entry;
  const std::size_t base = static_cast<std::size_t>(file - 1) * kIntsPerBlock +
                           static_cast<std::size_t>(line - 1) * kIntsPerEntry;
  entry.n = std::clamp(Int32At(offerFile, base), 0, kMaxOfferedTitles);
  for (int i = 0; i < entry.n; ++i)
    entry.titles[static_cast<std::size_t>(i)] = Int32At(offerFile, base + 1 + static_cast<std::size_t>(i));
  return entry;
}

CentreFileView CentreFile(int file, Grade grade) {
  SharedTables& t = Tabs();
  switch (file) {
    case 1: return {&t.TabLu1, t.CountLu1};
    case 2:
      if (TraitsOf(grade).ownMadridCentreFile && basicLu2 != nullptr) return {basicLu2, basicLu2Count};
      return {&t.TabLu2, t.CountLu2};
    case 3: return {&t.TabLu3, t.CountLu3};
    default: break;
  }
  return {&t.TabLu4, t.CountLu4};
}

void SetBasicCentreFile2(const LineTable* lines, int count) {
  basicLu2 = lines;
  basicLu2Count = count;
}

void PrepareCentreZoneCodes() {
  SharedTables& t = Tabs();
  CentreZoneCode = ZoneCodes{};
  // Barcelona's city lines are read as the province's, Madrid's districts as the capital's.
  Recode(t.TabLu4, t.CountLu4, 'A', '5');
  if (const int first = FirstLineOfArea(t.TabLu4, t.CountLu4, '5'); first > 0)
    MarkZoneBlock(t.TabLu4, first, t.CountLu4, CentreZoneCode.lu4);
  Recode(t.TabLu2, t.CountLu2, 'H', '8');
  const int first = FirstLineOfArea(t.TabLu2, t.CountLu2, '8');
  const int cuenca = FirstLineOfArea(t.TabLu2, t.CountLu2, 'D');
  if (first > 0 && cuenca > 0) MarkZoneBlock(t.TabLu2, first, cuenca - 1, CentreZoneCode.lu2);
}

void PrepareBasicCentreFile2(LineTable& lines, int count) {
  const int first = FirstLineOfArea(lines, count, '8');
  const int cuenca = FirstLineOfArea(lines, count, 'D');
  if (first == 0 || cuenca == 0) return;
  for (int line = first; line < cuenca; ++line) {
    std::string text(lines[static_cast<std::size_t>(line)].view());
    if (text.size() >= 45) {
      text[44] = ' ';
      lines[static_cast<std::size_t>(line)] = text;
    }
  }
}



// ---- 1. Choosing a community ---------------------------------------------------------------

bool UsesDetailedPlaces(int community, Grade grade) {
  return TraitsOf(grade).detailedPlaces && (community == kCommunityCatalonia || community == kCommunityMadrid);
}

CommunityChoice ChooseCommunity(int region, Grade grade) {
  CommunityChoice choice;
  if (region < 1 || region > kCommunities) return choice;
  CommunityPlaces places = PlacesOfCommunity(region);
  Places.SelectedCommunity = region;
  Places.PlaceBase = places.PlaceBase;
  Places.PlaceCount = places.PlaceCount;
  Places.PlaceNames = std::move(places.PlaceNames);
  Places.PlaceListNames = places.listNames;
  Places.TownMode = false;
  Places.TownList.clear();
  Places.ChosenTown = 0;
  Places.ComarcaChosen = false;
  Places.ZoneChosen = false;
  choice.chosen = true;
  if (UsesDetailedPlaces(region, grade)) choice.detail = region == kCommunityCatalonia ? DetailMap::Comarcas : DetailMap::Zones;
  if (choice.detail == DetailMap::None) choice.placeList = std::move(places.listNames);
  choice.singlePlace = Places.PlaceCount == 1;
  return choice;
}

// ---- 2. Resolving a place ----------------------------------------------------------------

std::optional<ResolvedPlace> ResolvePlace(int listPosition, Grade grade) {
  const int community = Places.SelectedCommunity;
  const bool detailed = UsesDetailedPlaces(community, grade);
  if (detailed && community == kCommunityMadrid && !Places.ZoneChosen) return std::nullopt;
  if (detailed && community == kCommunityCatalonia && !Places.ComarcaChosen) return std::nullopt;
  ResolvedPlace place;
  if (Places.TownMode && !detailed) {
    place.file = Places.TownAreaFile;
    place.area = Places.TownAreaChar;
    place.wide = Places.TownAreaWide;
    place.position = std::max(listPosition, 1);
    return place;
  }
  if (detailed) listPosition = std::max(listPosition, 1);
  if (listPosition < 1 || listPosition > Places.PlaceCount) return std::nullopt;
  int entry = Places.PlaceBase + listPosition - 1;
  if (TraitsOf(grade).capitalReadsAsProvince && entry == 35) entry = 34;
  const std::string_view code = CodeOf(entry);
  if (code.size() != 2) return std::nullopt;
  place.file = code[0] - '0';
  place.area = code[1];
  place.wide = IsWide(code[0], code[1]) && (TraitsOf(grade).madridDistrictsWide || code != "2H");
  place.position = listPosition;
  if (detailed && community == kCommunityCatalonia) place.file = 4;
  if (detailed && community == kCommunityMadrid) place.file = 2;
  return place;
}

// ---- 3. Centres of a community offering a title -----------------------------------------------

std::vector<GridRow> CentresOfferingTitle(Grade grade, int title, const CommunityPlaces& places) {
  std::vector<GridRow> rows;
  const std::string_view first = CodeOf(places.PlaceBase);
  if (first.size() != 2) return rows;
  const int file = first[0] - '0';
  const CentreFileView centres = CentreFile(file, grade);
  const ConstBytes offers = OfferFile(grade);
  const auto limit = static_cast<std::size_t>(kMaxTitleRows);
  for (int k = 1; k <= places.PlaceCount; ++k) {
    const std::string_view code = CodeOf(places.PlaceBase + k - 1);
    if (code.size() != 2) continue;
    const std::size_t before = rows.size();
    if (places.PlaceCount > 1)
      AddRow(rows, limit, "- " + places.PlaceNames[static_cast<std::size_t>(k - 1)] + std::string(8, ' '));
    const std::size_t afterHeader = rows.size();
    for (int j = 1; j <= centres.count; ++j) {
      const std::string_view line = centres.Line(j);
      if (AreaOf(line) != code[1]) continue;
      const OfferEntry entry = OfferEntryOf(offers, file, j);
      for (int i = 0; i < entry.n; ++i)
        if (entry.titles[static_cast<std::size_t>(i)] == title)
          AddRow(rows, limit, std::string(Field(line, 2, 44)), std::string(Field(line, 46, 9)));
    }
    if (rows.size() == afterHeader)
      rows.resize(before);
    else
      AddRow(rows, limit, std::string(60, ' '));
  }
  return rows;
}

std::vector<GridRow> TitleListGrid(const std::vector<GridRow>& rows) {
  if (rows.empty()) return {GridRow{std::string(TextLine(292)), {}, 0}};
  std::vector<GridRow> grid;
  grid.reserve(rows.size());
  for (const GridRow& row : rows) grid.push_back({Cut(row.text, 44), row.phone, row.title});
  return grid;
}

// ---- 4. Communities offering a title -----------------------------------------------------

std::array<bool, kCommunities + 1> CommunitiesOfferingTitle(Grade grade, int title) {
  std::array<bool, kCommunities + 1> marked{};
  const ConstBytes offers = OfferFile(grade);
  for (int c = 1; c <= kCommunities; ++c) {
    const int from = PlaceBaseOf(c);
    const int to = c == kCommunities ? from : PlaceBaseOf(c + 1) - 1;
    for (int entry = from; entry <= to && !marked[static_cast<std::size_t>(c)]; ++entry) {
      const std::string_view code = CodeOf(entry);
      if (code.size() != 2) continue;
      const int file = code[0] - '0';
      const CentreFileView centres = CentreFile(file, grade);
      for (int j = 1; j <= centres.count; ++j) {
        if (AreaOf(centres.Line(j)) != code[1]) continue;
        if (Offers(OfferEntryOf(offers, file, j), title)) {
          marked[static_cast<std::size_t>(c)] = true;
          break;
        }
      }
    }
  }
  return marked;
}


// ---- 5. Centres of a place ---------------------------------------------------------------

std::vector<int> KeptCentres(Grade grade, const ResolvedPlace& place) {
  std::vector<int> kept;
  const SharedTables& t = Tabs();
  const int community = Places.SelectedCommunity;
  const bool detailed = UsesDetailedPlaces(community, grade);
  if (detailed && community == kCommunityCatalonia) {
    const std::string_view key = t.Binary.Comarcas.key[static_cast<std::size_t>(
        std::clamp(Places.SelectedComarca, 0, 60))].view();
    for (int j = 1; j <= t.CountLu4; ++j)
      if (CentreZoneCode.lu4[static_cast<std::size_t>(j)].view() == key) kept.push_back(j);
    return kept;
  }
  if (detailed && community == kCommunityMadrid) {
    const MunicipalityTable& m = t.Binary.Municipalities;
    const int first = m.ZoneTable[static_cast<std::size_t>(std::clamp(Places.SelectedZone, 0, kZones))][1];
    if (first == 0) return kept;  // no zone table: nothing is listed
    const std::string_view key = m.key[static_cast<std::size_t>(first)].view();
    const CentreFileView centres = CentreFile(2, grade);
    for (int j = 1; j <= centres.count; ++j)
      if (CentreZoneCode.lu2[static_cast<std::size_t>(j)].view() == key) kept.push_back(j);
    return kept;
  }
  const CentreFileView centres = CentreFile(place.file, grade);
  const bool all = AllFpViewOn(grade);
  const ConstBytes offers = OfferFile(grade);
  for (int j = 1; j <= centres.count; ++j) {
    if (AreaOf(centres.Line(j)) != place.area) continue;
    if (all || OfferEntryOf(offers, place.file, j).n > 0) kept.push_back(j);
  }
  return kept;
}

PlaceListing CentresOfPlace(Grade grade, const ResolvedPlace& place, ListingRequest request) {
  PlaceListing listing;
  const int community = Places.SelectedCommunity;
  const bool detailed = UsesDetailedPlaces(community, grade);
  const std::vector<int> kept = KeptCentres(grade, place);
  // A place resolved on a detailed map already names lu4 or lu2.
  const CentreFileView centres = CentreFile(place.file, grade);

  if (!detailed && (!Places.TownMode || request.rerunTownStep)) {
    Places.TownList.clear();
    const int townLength = place.wide ? 35 : 17;
    std::string previous;
    for (std::size_t i = 0; i < kept.size() && i < static_cast<std::size_t>(kMaxTownCentres); ++i) {
      std::string town(Field(centres.Line(kept[i]), 2, townLength));
      if (i == 0 || town != previous) Places.TownList.push_back({town, kept[i]});
      previous = std::move(town);
    }
    if (!Places.TownMode) {
      const auto at = static_cast<std::size_t>(std::clamp(place.position, 1, Places.PlaceCount) - 1);
      if (at < Places.PlaceListNames.size()) listing.placeCaption = TrimBlanks(Places.PlaceListNames[at]);
    }
    Places.TownAreaFile = place.file;
    Places.TownAreaChar = place.area;
    Places.TownAreaWide = place.wide;
    Places.TownMode = true;
    Places.ChosenTown = 0;
    listing.step = ListingStep::Towns;
    for (const Town& town : Places.TownList) listing.towns.push_back(town.name);
    return listing;
  }

  int town = Places.ChosenTown;
  if (!detailed && town == 0 && request.printing && !Places.TownList.empty()) town = 1;
  if (!detailed && (town < 1 || town > static_cast<int>(Places.TownList.size()))) return listing;
  const int topLine = detailed ? 0 : Places.TownList[static_cast<std::size_t>(town - 1)].firstLine;

  listing.step = ListingStep::Grid;
  const bool allFp = AllFpViewOn(grade);
  if (allFp)
    listing.titleCaption = std::string(TextLine(190)) + " - " + std::string(TextLine(391));
  else if (TraitsOf(grade).captionAfterCentres)
    listing.titleCaption = std::string(TextLine(190)) + " - " + std::string(TextLine(TraitsOf(grade).ownViewLine));
  else
    listing.titleCaption = TextLine(TraitsOf(grade).ownViewLine);

  const auto limit = static_cast<std::size_t>(kMaxGridRows);
  std::vector<GridRow>& rows = listing.rows;
  for (const int j : kept) {
    const std::string_view line = centres.Line(j);
    const std::size_t centreRow = rows.size();
    AddRow(rows, limit, "-" + std::string(Field(line, 2, 44)), std::string(Field(line, 46, 9)));
    if (j == topLine) listing.topRow = static_cast<int>(centreRow);
    const auto written = [&] { return rows.size() > centreRow + 1; };
    if (!allFp) {
      const OfferEntry entry = OfferEntryOf(OfferFile(grade), place.file, j);
      for (int i = 0; i < entry.n; ++i) {
        const int title = entry.titles[static_cast<std::size_t>(i)];
        AddRow(rows, limit, TitleName(grade, title), {}, title);
      }
    } else {
      const OfferEntry gs = OfferEntryOf(OfferFile(Grade::GS), place.file, j);
      for (int i = 0; i < gs.n; ++i)
        AddRow(rows, limit, "GS " + TitleName(Grade::GS, gs.titles[static_cast<std::size_t>(i)]));
      if (written()) AddRow(rows, limit, " -----");
      const OfferEntry gm = OfferEntryOf(OfferFile(Grade::GM), place.file, j);
      for (int i = 0; i < gm.n; ++i)
        AddRow(rows, limit, "GM " + TitleName(Grade::GM, gm.titles[static_cast<std::size_t>(i)]));
      if (written()) AddRow(rows, limit, " -----");
      const OfferEntry basic = OfferEntryOf(OfferFile(Grade::Basic), place.file, j);
      const std::string prefix = std::string(TextLine(172)) + "/" + std::string(TextLine(263)) + " ";
      for (int i = 0; i < basic.n; ++i)
        AddRow(rows, limit, prefix + TitleName(Grade::Basic, basic.titles[static_cast<std::size_t>(i)]));
    }
    if (!written())
      rows.resize(centreRow);
    else
      AddRow(rows, limit, TraitsOf(grade).centreEndsWithBlanks ? std::string(61, ' ') : std::string());
  }
  if (detailed && community == kCommunityCatalonia)
    listing.placeCaption = Tabs().Binary.Comarcas.name[static_cast<std::size_t>(
        std::clamp(Places.SelectedComarca, 0, 60))].str();
  else if (detailed)
    listing.placeCaption = "Madrid";
  return listing;
}

void ChooseTown(int position) { Places.ChosenTown = position; }

bool AllFpViewOn(Grade grade) { return Places.AllFpView && TraitsOf(grade).allFpView; }

PlaceListing ToggleAllFpView(Grade grade, int listPosition) {
  Places.AllFpView = !Places.AllFpView;
  const std::optional<ResolvedPlace> place = ResolvePlace(listPosition, grade);
  if (!place) return {};
  return CentresOfPlace(grade, *place, {.rerunTownStep = true});
}

PlaceListing BackToTowns(Grade grade) {
  if (!Places.TownMode || Places.ChosenTown == 0) return {};
  const std::optional<ResolvedPlace> place = ResolvePlace(1, grade);
  if (!place) return {};
  return CentresOfPlace(grade, *place, {.rerunTownStep = true});
}

std::vector<std::string> LeaveTownMode() {
  Places.TownMode = false;
  Places.ChosenTown = 0;
  return Places.PlaceListNames;
}

void AppendPrintRows(const std::vector<GridRow>& rows) {
  SharedTables& t = Tabs();
  for (const GridRow& row : rows) {
    if (t.PrintCount >= kMaxGridRows) break;
    ++t.PrintCount;
    t.PrintLines[static_cast<std::size_t>(t.PrintCount)] = row.text;
    t.PrintLines2[static_cast<std::size_t>(t.PrintCount)] = row.phone;
  }
}

// ---- 6. Drawing a grid cell ---------------------------------------------------------------

CellKind GridCellKind(std::string_view text) {
  if (!text.empty() && text[0] == '-') return CellKind::Header;
  if (Field(text, 3, 3) == "---") return CellKind::GridOwn;
  return IsBlankLine(text) ? CellKind::Cleared : CellKind::Bullet;
}

// ---- 7. Detailed regions ----------------------------------------------------------------

DetailChoice ClickComarca(int region) {
  DetailChoice choice;
  if (region < 1 || region > kComarcas) return choice;
  Places.SelectedComarca = region;
  Places.ComarcaChosen = true;
  if (region != kComarcaBarcelones) {
    choice.action = DetailAction::ListCentres;
    return choice;
  }
  choice.action = DetailAction::OpenBarcelonaList;
  const ComarcaTable& comarcas = Tabs().Binary.Comarcas;
  for (int i = kComarcas + 1; i <= std::min(comarcas.count, 60); ++i)
    choice.barcelonaList.push_back(comarcas.name[static_cast<std::size_t>(i)].str());
  return choice;
}

DetailChoice ClickBarcelonaEntry(int index) {
  DetailChoice choice;
  // The fifth entry is the heading of the city's districts.
  if (index < 0 || index == 4 || index + kComarcas + 1 > std::min(Tabs().Binary.Comarcas.count, 60)) return choice;
  Places.SelectedComarca = index + kComarcas + 1;
  Places.ComarcaChosen = true;
  choice.action = DetailAction::ListCentres;
  return choice;
}

DetailChoice ClickZone(int region) {
  DetailChoice choice;
  if (region < 1 || region > kZones) return choice;
  Places.SelectedZone = region;
  Places.ZoneChosen = true;
  choice.action = DetailAction::ListCentres;
  return choice;
}

void ResetPlaceModel() {
  Places = PlaceSelection{};
  CentreZoneCode = ZoneCodes{};
  SetBasicCentreFile2(nullptr, 0);
}

}  // namespace velmora
