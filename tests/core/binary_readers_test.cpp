#include "core/binary_readers.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

using testing::CrLf;

std::string Integers(const std::vector<std::int32_t>& values) {
  std::string bytes;
  for (const std::int32_t value : values) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((u >> shift) & 0xFF));
  }
  return bytes;
}

// A record of 350 short strings of 100 characters.
std::string DegreeStrings(const std::vector<std::string>& strings) {
  std::string bytes(kDegreeStringsSize, '\0');
  for (std::size_t i = 0; i < strings.size(); ++i) {
    bytes[i * kDegreeStringField] = static_cast<char>(strings[i].size());
    bytes.replace(i * kDegreeStringField + 1, strings[i].size(), strings[i]);
  }
  return bytes;
}

class BinaryReaders : public ::testing::Test, public testing::CommonStateTest {
 protected:
  testing::FixtureFolder folder;
  BinaryTables& binary = Tabs().Binary;
  int count = -1;
};

TEST_F(BinaryReaders, HitMatrixIsSplitIntoTheThreeMaps) {
  std::vector<std::int32_t> matrix(static_cast<std::size_t>(kMapWidth) * kHitMatrixColumns, 0);
  auto at = [&](int x, int column) -> std::int32_t& {
    return matrix[static_cast<std::size_t>(x - 1) * kHitMatrixColumns + static_cast<std::size_t>(column - 1)];
  };
  at(5, 200) = 12;   // map C, y = 4
  at(1, 1) = 3;      // map of Spain
  at(281, 196) = 19;
  at(7, 417) = 28;   // map M, y = 1
  at(281, 636) = 9;
  at(2, 2) = 300;    // no region code
  at(3, 3) = -1;
  at(4, 4) = 0x105;
  at(4, 5) = 0x1000005;
  folder.Write("puntos3", Integers(matrix));
  ASSERT_TRUE(LoadHitMaps("puntos3", Tabs().Maps));
  const HitMaps& maps = Tabs().Maps;
  EXPECT_EQ(maps.HitMapC[5][4], 12);
  EXPECT_EQ(maps.HitMap[1][1], 3);
  EXPECT_EQ(maps.HitMap[281][196], 19);
  EXPECT_EQ(maps.HitMapM[7][1], 28);
  EXPECT_EQ(maps.HitMapM[281][220], 9);
  EXPECT_EQ(maps.HitMap[2][2], 0);
  EXPECT_EQ(maps.HitMap[3][3], 0);
  EXPECT_EQ(maps.HitMap[4][4], 0);
  EXPECT_EQ(maps.HitMap[4][5], 0);
}

TEST_F(BinaryReaders, MissingAndShortFilesAreReported) {
  folder.Write("puntos3", std::string(1000, '\0'));
  EXPECT_FALSE(LoadHitMaps("puntos3", Tabs().Maps));
  EXPECT_FALSE(ReadRecords("datluggm", std::as_writable_bytes(std::span(binary.OfferGM)), kOfferRecordSize, 4));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0], "Faltan ficheros (puntos3). Vuelva a instalar el programa");
  EXPECT_EQ(platform.messages[1], "Faltan ficheros (datluggm). Vuelva a instalar el programa");
  EXPECT_TRUE(StartAborted);
}

TEST_F(BinaryReaders, RecordsAndGroupsKeepTheLastCompleteGroup) {
  std::string file = Integers({1, 2, 3});
  file.resize(5600, '\0');
  folder.Write("datfpm", file + "extra");
  ASSERT_TRUE(ReadRecords("datfpm", std::as_writable_bytes(std::span(binary.Datfpm)), 5600, 1));
  EXPECT_EQ(Int32At(std::as_bytes(std::span(binary.Datfpm)), 2), 3);

  // Four records: the buffers hold records 3 and 4; a fifth, incomplete pair is not read.
  folder.Write("datcarn", DegreeStrings({"r1"}) + DegreeStrings({"r2"}) + DegreeStrings({"r3"}) +
                              DegreeStrings({"r4"}) + DegreeStrings({"r5"}));
  ASSERT_TRUE(ReadRecordGroups("datcarn", std::as_writable_bytes(std::span(binary.Datcarn)), kDegreeStringsSize, 2));
  EXPECT_EQ(ShortStringAt(std::as_bytes(std::span(binary.Datcarn[0])), kDegreeStringField, 0), "r3");
  EXPECT_EQ(ShortStringAt(std::as_bytes(std::span(binary.Datcarn[1])), kDegreeStringField, 0), "r4");
}

TEST_F(BinaryReaders, DegreeRecordsAndTheirIndexByCode) {
  std::vector<std::int32_t> values(kMaxDegrees * 14, 0);
  values[0 * 14 + 9] = 501;  // degree 1, 10th integer
  values[2 * 14 + 9] = 777;  // degree 3
  values[3 * 14 + 9] = 777;  // degree 4: the first match wins
  values[5 * 14 + 9] = 900;  // degree 6, beyond the count below
  values[2 * 14 + 0] = -5;
  folder.Write("datgrados", Integers(values));
  auto& degrees = binary.TabDatgrados;
  ASSERT_TRUE(ReadDegreeRecords("datgrados", degrees));
  EXPECT_EQ(degrees[3][1], -5);
  EXPECT_EQ(DegreeIndex(501, degrees, 5), 1);
  EXPECT_EQ(DegreeIndex(777, degrees, 5), 3);
  EXPECT_EQ(DegreeIndex(900, degrees, 5), 0);
  EXPECT_EQ(DegreeIndex(900, degrees, 6), 6);
  EXPECT_EQ(DegreeIndex(123, degrees, 5), 0);
}

TEST_F(BinaryReaders, DegreeLettersCollectDistinctCodesOverTheFirstFileLength) {
  folder.Write("datcarn", DegreeStrings({"abc", "xxxxxxxxxxxxxxx", ""}) + DegreeStrings({}));
  ASSERT_TRUE(ReadRecordGroups("datcarn", std::as_writable_bytes(std::span(binary.Datcarn)), kDegreeStringsSize, 2));
  std::string second = DegreeStrings({"BBAD", "ABCDEFGHIJKLMN", "Z"});
  second[kDegreeStringField * 0 + 2] = '\0';  // a zero code is skipped: "B\0AD"
  folder.Write("datcarnue", DegreeStrings({}) + second);
  ASSERT_TRUE(LoadDegreeLetters("datcarnue", binary, 3));
  const auto& letters = binary.DegreeLetters;
  EXPECT_EQ(letters[1][0], 2);  // length 3 in datcarn: "B", "\0", "A"
  EXPECT_EQ(letters[1][1], 'B');
  EXPECT_EQ(letters[1][2], 'A');
  EXPECT_EQ(letters[2][0], 10);  // at most ten
  EXPECT_EQ(letters[2][10], 'J');
  EXPECT_EQ(letters[3][0], 0);   // an empty datcarn string gives none
}

TEST_F(BinaryReaders, ComarcasAreStoredAtTheirCodesThenTheSubAreas) {
  std::string file;
  for (int n = 1; n <= 41; ++n) {
    const int code = 42 - n;  // file order differs from code order
    char line[64];
    std::snprintf(line, sizeof line, "5%c%2dComarca %-12d", 'A' + (n % 26), code, code);
    file += std::string(line) + "\r\n";
  }
  file += "5zBarcelona sub-area one with more text\r\n";
  file += "5ySecond sub-area\r\n";
  folder.Write("comarcas", file);
  ComarcaTable& table = binary.Comarcas;
  LoadRegionNames("comarcas", table, count, 20);
  EXPECT_EQ(count, 43);
  EXPECT_EQ(table.order[1], 41);
  EXPECT_EQ(table.name[41].view(), "Comarca 41          ");
  EXPECT_EQ(table.key[41].view(), "5B");
  EXPECT_EQ(table.name[42].view(), "Barcelona sub-area one with mo");  // 30 characters
  EXPECT_EQ(table.key[43].view(), "5y");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(BinaryReaders, ABadComarcaLineStopsWithItsNumber) {
  std::string file;
  for (int n = 1; n <= 41; ++n) file += (n == 7 ? std::string("5Axx") : "5A" + std::string(n < 10 ? " " : "") + std::to_string(n)) + "Name\r\n";
  folder.Write("comarcas", file);
  LoadRegionNames("comarcas", binary.Comarcas, count, 20);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "mal 7");
  EXPECT_EQ(count, -1);

  folder.Write("short", CrLf({"5A 1Uno", "5B 2Dos"}));
  LoadRegionNames("short", binary.Comarcas, count, 20);
  EXPECT_EQ(platform.messages.back(), "mal 3");
}

TEST_F(BinaryReaders, MunicipalitiesFillTheirZonesFirstThreeSlots) {
  MunicipalityTable& table = binary.Municipalities;
  table.ZoneTable[5] = {0, 91, 92, 93};  // a zone without lines keeps its slots
  folder.Write("comarcasm", CrLf({"8a 1Madrid", "8b 3Alcobendas", "8c 2Getafe", "8d 1Pozuelo", "8e 3Tres Cantos",
                                  "8f 2Leganes", "8g 4Parla", "8h 1Boadilla", "8i 3Colmenar", "8j 3Fourth"}));
  LoadRegionNamesM("comarcasm", table, count, 25);
  EXPECT_EQ(count, 10);
  EXPECT_EQ((table.ZoneTable[3]), (std::array<int, 4>{0, 2, 5, 9}));
  EXPECT_EQ((table.ZoneTable[1]), (std::array<int, 4>{0, 1, 4, 8}));
  EXPECT_EQ((table.ZoneTable[5]), (std::array<int, 4>{0, 91, 92, 93}));
  EXPECT_EQ(table.name[2].view(), "Alcobendas");
  EXPECT_EQ(table.key[7].view(), "8g");

  folder.Write("bad", CrLf({"8a 1Madrid", "8b 2Getafe", "8cXXNo"}));
  LoadRegionNamesM("bad", table, count, 25);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "mal 2");
  EXPECT_EQ(count, 10);
}

TEST_F(BinaryReaders, PlacesCarryCodeNameAndTrimmedText) {
  const std::string name35 = "Universidad de Salamanca" + std::string(11, ' ');
  folder.Write("lugar", CrLf({" 8" + name35 + "usal.es   ", "xx" + name35}));
  LoadPlaces("lugar", Tabs().TabLugarName, Tabs().TabLugarText, binary.PlaceCodes, count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(binary.PlaceCodes[1], 8);
  EXPECT_EQ(binary.PlaceCodes[2], 0);
  EXPECT_EQ(Tabs().TabLugarName[0].view(), "lugar");
  EXPECT_EQ(Tabs().TabLugarName[1].view(), name35);
  EXPECT_EQ(Tabs().TabLugarText[1].view(), "usal.es");
  EXPECT_EQ(Tabs().TabLugarText[2].view(), "");
}

TEST_F(BinaryReaders, DoublesGroupsDetailsLabelsAndBadCodes) {
  auto& degrees = binary.TabDatgrados;
  degrees[1][10] = 101;
  degrees[2][10] = 202;
  DoubleDegreeTable& doubles = binary.TabDobles;
  doubles.second[1][2] = 55;
  folder.Write("dobles", CrLf({"07Derecho y ADE", "    101202 A  ", "    202xx1    ", "00ignored header", "12Otro grupo",
                               "    202101", "99Last entry"}));
  LoadDoubles("dobles", doubles, count, degrees, 2);
  EXPECT_EQ(count, 3);  // 99 still opens an entry; 00 does not
  EXPECT_EQ(doubles.groupCode[3], 99);
  EXPECT_EQ(doubles.groupName[0].view(), "dobles");
  EXPECT_EQ(doubles.groupCode[1], 7);
  EXPECT_EQ(doubles.groupName[1].view(), "Derecho y ADE");
  EXPECT_EQ(doubles.mark[1][0], 2);
  EXPECT_EQ(doubles.first[1][1], 1);
  EXPECT_EQ(doubles.second[1][1], 2);
  EXPECT_EQ(doubles.label[1][1].view(), " A  ");
  EXPECT_EQ(doubles.first[1][2], 2);
  EXPECT_EQ(doubles.second[1][2], 55);  // a bad code leaves its entry alone
  EXPECT_EQ(doubles.label[1][2].view(), " -  ");
  EXPECT_EQ(doubles.groupCode[2], 12);
  EXPECT_EQ(doubles.label[2][1].view(), " -  ");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "ERROR en fichero de dobles");
}

TEST_F(BinaryReaders, CommunityTextsFromColumn15) {
  folder.Write("comuint", CrLf({"Andalucia     www.juntadeandalucia.es   ", "Aragon        "}));
  LoadCommunityTexts("comuint", binary.CommunityTexts, count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(binary.CommunityTexts[1].view(), "www.juntadeandalucia.es");
  EXPECT_EQ(binary.CommunityTexts[2].view(), "");
}

}  // namespace
}  // namespace velmora
