// Runs the maker on a small folder: what it writes, and how it stops on a bad source.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

std::int32_t IntegerAt(const std::string& bytes, std::size_t index) {
  std::uint32_t value = 0;
  for (int b = 3; b >= 0; --b) value = (value << 8) | static_cast<unsigned char>(bytes[index * 4 + static_cast<std::size_t>(b)]);
  return static_cast<std::int32_t>(value);
}

class OfferMakerRun : public ::testing::Test {
protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("offer_maker_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    Write(root_ / "out/comarcas", "5e40Valles Occidental\r\n");
    Write(root_ / "out/comarcasm", "8101Madrid\r\n");
    Write(root_ / "out/cas/fp2", "-Administraci\xF3n\r\nGesti\xF3n Administrativa\r\n-Sanidad\r\nFarmacia y Parafarmacia\r\n");
    Write(root_ / "out/cas/fp", "-Administraci\xF3n\r\nAdministraci\xF3n y Finanzas\r\n");
    std::string basic;
    for (int i = 0; i < 9; ++i) basic += "2   Familia\r\n";
    Write(root_ / "out/cas/fpba", basic + "2-   Administraci\xF3n\r\n2Servicios Administrativos\r\n");
    Write(root_ / "src/centres.csv",
          "id,file,area,town,centre,phone,key\n"
          "a,1,6,Jaca,IES Pirineos,974360000,\n"
          "b,1,6,Jaca,CIFP Oroel,974360001,\n"
          "c,4,5,Terrassa,INS Rius,937830000,5e\n");
  }
  void TearDown() override { fs::remove_all(root_); }

  int Run() {
    const std::string command = std::string(OFFER_MAKER_PATH) + " --source " + (root_ / "src").string() + " --titles " +
                                (root_ / "out/cas").string() + " --out " + (root_ / "out").string() + " 2> " +
                                (root_ / "errors").string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path root_;
};

TEST_F(OfferMakerRun, WritesCentreLinesAndOfferNumbers) {
  Write(root_ / "src/offers.csv",
        "centre,grade,title\n"
        "b,GM,Farmacia y Parafarmacia\n"
        "b,GM,Gestión Administrativa\n"
        "a,GS,Administración y Finanzas\n"
        "c,FPB,Servicios Administrativos\n");
  ASSERT_EQ(Run(), 0) << Read(root_ / "errors");
  EXPECT_EQ(Read(root_ / "out/lu1"),
            "6Jaca             IES Pirineos               974360000\r\n"
            "6Jaca             CIFP Oroel                 974360001\r\n");
  EXPECT_EQ(Read(root_ / "out/lu4"), "5Terrassa" + std::string(27, ' ') + "INS Riuse937830000\r\n");
  EXPECT_EQ(Read(root_ / "out/lu2"), "");
  const std::string middle = Read(root_ / "out/datluggm");
  ASSERT_EQ(middle.size(), 457600u);
  EXPECT_EQ(IntegerAt(middle, 0), 0);
  EXPECT_EQ(IntegerAt(middle, 26), 2);   // centre b: Farmacia (line 4), then Gestión (line 2)
  EXPECT_EQ(IntegerAt(middle, 27), 4);
  EXPECT_EQ(IntegerAt(middle, 28), 2);
  EXPECT_EQ(IntegerAt(Read(root_ / "out/datluggs"), 1), 2);
  const std::string basic = Read(root_ / "out/datlugbas");
  EXPECT_EQ(IntegerAt(basic, 3u * 1100u * 26u), 1);  // lu4, its first line
  EXPECT_EQ(IntegerAt(basic, 3u * 1100u * 26u + 1), 2);  // line 11 of fpba is title 2
}

TEST_F(OfferMakerRun, StopsNamingFileAndLine) {
  Write(root_ / "src/offers.csv",
        "centre,grade,title\n"
        "a,GM,Gestión Administrativa\n"
        "a,GM,Gestion Administrativa\n"
        "z,GS,Administración y Finanzas\n"
        "a,FPB,Administración\n");
  EXPECT_EQ(Run(), 1);
  const std::string errors = Read(root_ / "errors");
  EXPECT_NE(errors.find("offers.csv:3: no title \"Gestion Administrativa\" in fp2"), std::string::npos) << errors;
  EXPECT_NE(errors.find("offers.csv:4: unknown centre z"), std::string::npos) << errors;
  EXPECT_NE(errors.find("offers.csv:5: no title"), std::string::npos) << errors;  // a heading is no title
  EXPECT_FALSE(fs::exists(root_ / "out/lu1"));

  Write(root_ / "src/offers.csv", "centre,grade,title\n");
  Write(root_ / "src/centres.csv",
        "id,file,area,town,centre,phone,key\n"
        "a,1,6,Jaca,IES Pirineos,974360000,\n"
        "c,4,5,Terrassa,INS Rius,937830000,5X\n");
  EXPECT_EQ(Run(), 1);
  EXPECT_NE(Read(root_ / "errors").find("centres.csv:3: key 5X"), std::string::npos) << Read(root_ / "errors");
}

}  // namespace
