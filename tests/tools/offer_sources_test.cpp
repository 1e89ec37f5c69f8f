#include "tools/offer_maker/offer_sources.h"

#include <gtest/gtest.h>

#include <cstring>

namespace velmora::tools {
namespace {

Centre MakeCentre(int file, char area, std::string town, std::string name, std::string key = "") {
  Centre centre;
  centre.file = file;
  centre.area = area;
  centre.town = std::move(town);
  centre.name = std::move(name);
  centre.phone = "950123456";
  centre.key = std::move(key);
  return centre;
}

std::string Lay(const Centre& centre) {
  std::string problem;
  const auto line = LayOutCentre(centre, problem);
  return line ? *line : "error: " + problem;
}

TEST(CentreLine, ColumnsOfNarrowWideAndKeyedPlaces) {
  const std::string narrow = Lay(MakeCentre(3, '7', "Níjar", "IES Argar"));
  ASSERT_EQ(narrow.size(), 54u);
  EXPECT_EQ(narrow[0], '7');
  EXPECT_EQ(narrow.substr(1, 17), "Níjar" + std::string(17 - std::strlen("Níjar"), ' '));
  EXPECT_EQ(narrow.substr(18, 9), "IES Argar");
  EXPECT_EQ(narrow.substr(45, 9), "950123456");

  const std::string wide = Lay(MakeCentre(3, 'E', "Sevilla - Triana", "IES Jara"));
  ASSERT_EQ(wide.size(), 54u);
  EXPECT_EQ(wide.substr(1, 35), "Sevilla - Triana" + std::string(19, ' '));
  EXPECT_EQ(wide.substr(36, 9), "IES Jara ");  // column 45 parts the name from the telephone
}

TEST(CentreLine, KeyGoesToColumn45) {
  const std::string line = Lay(MakeCentre(4, '6', "Olot", "Institut Garrotxa", "6I"));
  ASSERT_EQ(line.size(), 54u);
  EXPECT_EQ(line[44], 'I');
  EXPECT_EQ(line[43], ' ');
  // Area A is read as Barcelona (5), area H as the capital of Madrid (8).
  EXPECT_EQ(Lay(MakeCentre(4, 'A', "Barcelona - Gràcia", "INS Mila", "5p")).substr(44, 1), "p");
  EXPECT_EQ(Lay(MakeCentre(2, 'H', "Chamberí", "IES Goya", "81")).substr(44, 1), "1");
}

TEST(CentreLine, RejectsWhatBreaksTheColumns) {
  EXPECT_NE(Lay(MakeCentre(1, '6', "Sabiñánigo de Arriba", "IES Pirineo")).find("town name must have 1 to 16"),
            std::string::npos);
  EXPECT_NE(Lay(MakeCentre(1, '6', "Jaca", "IES Domingo Miral de la Jacetania")).find("centre name"), std::string::npos);
  EXPECT_NE(Lay(MakeCentre(3, 'E', "Sevilla - Triana", "IES Itaca")).find("1 to 8 characters"), std::string::npos);
  Centre phone = MakeCentre(1, '6', "Jaca", "IES Pirineos");
  phone.phone = "97436000";
  EXPECT_NE(Lay(phone).find("telephone"), std::string::npos);
  EXPECT_NE(Lay(MakeCentre(4, '6', "Olot", "Institut Garrotxa")).find("needs a key"), std::string::npos);
  EXPECT_NE(Lay(MakeCentre(4, '6', "Olot", "Institut Garrotxa", "7I")).find("needs a key"), std::string::npos);
  EXPECT_NE(Lay(MakeCentre(4, '1', "Valencia", "IES Lluís Vives", "11")).find("only Catalan"), std::string::npos);
  EXPECT_NE(Lay(MakeCentre(5, '1', "Valencia", "IES Lluís Vives")).find("1 to 4"), std::string::npos);
}

std::vector<std::string> Order(int file, const std::vector<Centre>& centres) {
  std::vector<const Centre*> lines;
  for (const Centre& centre : centres) lines.push_back(&centre);
  int line = 0;
  return CheckFileOrder(file, lines, line);
}

TEST(FileOrder, CataloniaFollowsValenciaInLu4) {
  const Centre valencia = MakeCentre(4, '2', "Elche", "IES Sixto Marco");
  const Centre barcelona = MakeCentre(4, '5', "Terrassa", "INS Rius", "5e");
  const Centre girona = MakeCentre(4, '6', "Olot", "Institut Garrotxa", "6I");
  EXPECT_TRUE(Order(4, {valencia, barcelona, girona}).empty());
  EXPECT_FALSE(Order(4, {valencia, girona, barcelona}).empty());  // the first must be of Barcelona
  EXPECT_FALSE(Order(4, {barcelona, valencia, girona}).empty());
}

TEST(FileOrder, MadridIsOneBlockBeforeCuencaInLu2) {
  const Centre toledo = MakeCentre(2, '7', "Talavera", "IES Ribera del Tajo");
  const Centre capital = MakeCentre(2, '8', "Madrid", "IES San Isidro", "81");
  const Centre district = MakeCentre(2, 'H', "Chamberí", "IES Goya", "81");
  const Centre south = MakeCentre(2, 'A', "Getafe", "IES Satafi", "AF");
  const Centre cuenca = MakeCentre(2, 'D', "Cuenca", "IES Alfonso VIII");
  EXPECT_TRUE(Order(2, {toledo, capital, district, south, cuenca, toledo}).empty());
  EXPECT_TRUE(Order(2, {toledo, district, south, cuenca}).empty());
  EXPECT_FALSE(Order(2, {south, capital, cuenca}).empty());
  EXPECT_FALSE(Order(2, {capital, toledo, cuenca}).empty());
  EXPECT_FALSE(Order(2, {capital, cuenca, south}).empty());
  EXPECT_FALSE(Order(2, {cuenca, capital, cuenca}).empty());
  EXPECT_FALSE(Order(2, {toledo, capital}).empty());
  EXPECT_TRUE(Order(1, {toledo, capital}).empty());  // other files have no order
}

TEST(TitleIndex, NumbersAreLineNumbersWithoutHeaders) {
  const auto middle = IndexTitles(Grade::Middle, {"-Administración", "Técnico en Gestión Administrativa   ",
                                                  "-|Otras", "Técnico en Cocina", "Técnico en Gestión Administrativa"});
  EXPECT_EQ(middle.size(), 2u);
  EXPECT_EQ(middle.at("Técnico en Gestión Administrativa"), 2);  // the first of two keeps its number
  EXPECT_EQ(middle.at("Técnico en Cocina"), 4);

  std::vector<std::string> basic(9, "0AB Familia");
  basic.push_back("1-Administración");
  basic.push_back("1Servicios Administrativos  ");
  basic.push_back("2Cocina y Restauración");
  const auto titles = IndexTitles(Grade::Basic, basic);
  EXPECT_EQ(titles.size(), 2u);
  EXPECT_EQ(titles.at("Servicios Administrativos"), 2);
  EXPECT_EQ(titles.at("Cocina y Restauración"), 3);
}

TEST(MapKeys, OnlyKeysAClickLooksUp) {
  std::vector<std::string> comarcas;
  for (int n = 1; n <= 41; ++n) comarcas.push_back("k" + std::to_string(n % 10) + (n < 10 ? "0" : "") + std::to_string(n) + "Name");
  comarcas[36] = "5b37Barcelonès";
  for (const char* sub : {"5gA", "5hB", "5iC", "5jD", "--Barcelona (districtes):", "5kE"}) comarcas.push_back(sub);
  const auto keys = ReachableComarcaKeys(comarcas);
  EXPECT_EQ(std::count(keys.begin(), keys.end(), "5b"), 0);
  EXPECT_EQ(std::count(keys.begin(), keys.end(), "--"), 0);
  EXPECT_EQ(std::count(keys.begin(), keys.end(), "5k"), 1);
  EXPECT_EQ(keys.size(), 40u + 5u);

  const auto zones = ReachableZoneKeys({"8101Madrid", "9202Alcobendas", "9a02S. Sebastián", "9303Tres Cantos"});
  EXPECT_EQ(zones, (std::vector<std::string>{"81", "92", "93"}));
}

std::int32_t IntegerAt(const std::string& bytes, std::size_t index) {
  std::uint32_t value = 0;
  for (int b = 3; b >= 0; --b) value = (value << 8) | static_cast<unsigned char>(bytes[index * 4 + static_cast<std::size_t>(b)]);
  return static_cast<std::int32_t>(value);
}

TEST(OfferFile, FourBlocksOfEntriesOfTwentySixIntegers) {
  OfferLists offers;
  offers[0] = {{}, {3, 300}};
  offers[3] = {{7}};
  const std::string bytes = EncodeOffers(offers);
  ASSERT_EQ(bytes.size(), 4u * 114400u);
  EXPECT_EQ(IntegerAt(bytes, 0), 0);
  EXPECT_EQ(IntegerAt(bytes, 26), 2);  // block 1, entry 2
  EXPECT_EQ(IntegerAt(bytes, 27), 3);
  EXPECT_EQ(IntegerAt(bytes, 28), 300);
  EXPECT_EQ(IntegerAt(bytes, 29), 0);
  const std::size_t fourth = 3u * 1100u * 26u;
  EXPECT_EQ(IntegerAt(bytes, fourth), 1);
  EXPECT_EQ(IntegerAt(bytes, fourth + 1), 7);
}

TEST(Csv, CommentsHeaderAndWrongWidth) {
  std::vector<SourceProblem> problems;
  const CsvTable table = ParseCsv("# note\nid,file\r\na,1\n\nb,2,3\nc,4", "x.csv", problems);
  EXPECT_EQ(table.header, (std::vector<std::string>{"id", "file"}));
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[1].line, 6);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].Text(), "x.csv:5: expected 2 fields, found 3");
  problems.clear();
  const CsvTable quoted = ParseCsv("a,b\nx,\"Obras de Interior, Decoración\"\ny,\"say \"\"hi\"\"\"\nz,\"open\n", "q.csv", problems);
  ASSERT_EQ(quoted.rows.size(), 2u);
  EXPECT_EQ(quoted.rows[0].fields[1], "Obras de Interior, Decoración");
  EXPECT_EQ(quoted.rows[1].fields[1], "say \"hi\"");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].line, 4);
  EXPECT_EQ(GradeFromName("FPB"), Grade::Basic);
  EXPECT_FALSE(GradeFromName("GB"));
}

}  // namespace
}  // namespace velmora::tools
