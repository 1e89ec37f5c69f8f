// Runs the data builder on a small source folder: malformed UTF-8 stops it with file, line and
// column, and nothing is written for that file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class DataBuilderRun : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("data_builder_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "src/cas");
  }
  void TearDown() override { fs::remove_all(root_); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(root_ / "src" / name, std::ios::binary) << text;
  }
  std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
  }
  int Run() {
    const std::string command = std::string(DATA_BUILDER_PATH) + " --source " + (root_ / "src").string() + " --out " +
                                (root_ / "out").string() + " 2> " + (root_ / "errors").string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  fs::path root_;
};

TEST_F(DataBuilderRun, MalformedUtf8IsNamedByFileLineAndColumn) {
  Write("cas/notas.txt",
        "Ni\xC3\xB1o\r\n"
        "ab\xC0\x8A" "cd\r\n"          // an overlong line feed would split the line
        "x\xED\xA0\x80\n"              // a surrogate
        "\xE2\x80\xA2 Lista\n"         // the bullet is fine
        "corte \xE2\x82\n"             // cut
        "\xE4\xB8\xAD\n");             // valid, but no Windows-1252 form
  EXPECT_EQ(Run(), 1);
  const std::string errors = Read(root_ / "errors");
  EXPECT_NE(errors.find("data/folder/cas/notas.txt:2:3: malformed UTF-8"), std::string::npos) << errors;
  EXPECT_NE(errors.find("data/folder/cas/notas.txt:3:2: malformed UTF-8"), std::string::npos) << errors;
  EXPECT_NE(errors.find("data/folder/cas/notas.txt:5:7: malformed UTF-8"), std::string::npos) << errors;
  EXPECT_NE(errors.find("data/folder/cas/notas.txt:6:1: character has no Windows-1252 form"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("notas.txt:1:"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("notas.txt:4:"), std::string::npos) << errors;
  EXPECT_FALSE(fs::exists(root_ / "out/cas/notas"));
}

TEST_F(DataBuilderRun, WellFormedSourcesBecomeWindows1252) {
  Write("cas/notas.txt", "Ni\xC3\xB1o\n\xE2\x80\xA2 \xE2\x82\xAC\n");
  ASSERT_EQ(Run(), 0) << Read(root_ / "errors");
  EXPECT_EQ(Read(root_ / "out/cas/notas"), "Ni\xF1o\r\n\x95 \x80\r\n");
}

TEST_F(DataBuilderRun, QuestionLinesNeedTheirKindAClassItCanEarnAndHeadingsAfterTheShortTest) {
  std::string lines;
  for (int n = 1; n <= 35; ++n) lines += n == 3 ? "5 Sin tipo\n" : n == 4 ? "66Cabecera\n" : n == 5 ? "35Cinco respuestas\n" : "53Pregunta\n";
  lines += "92Sí o no con clase 9\n";
  Write("cas/cuestion.txt", lines);
  EXPECT_EQ(Run(), 1);
  const std::string errors = Read(root_ / "errors");
  EXPECT_NE(errors.find("line 3: column 2 must be the kind of answer"), std::string::npos) << errors;
  EXPECT_NE(errors.find("line 4: a heading (kind 6) cannot be one of the first 35"), std::string::npos) << errors;
  EXPECT_NE(errors.find("line 5: a five-answer question takes class 8 or 9"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("line 36"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("line 1:"), std::string::npos) << errors;
}

TEST_F(DataBuilderRun, TheItinerariesFilesMustHoldEveryCodeTheDiagramShows) {
  Write("cas/informa.txt", "17Requisitos\n21Humanidades\n");
  Write("cas/materias.txt", "11Lengua I\n");
  Write("cas/fps.txt", " 2     Qu\xC3\xADmica\n  4    Sanidad\n");
  EXPECT_EQ(Run(), 1);
  const std::string errors = Read(root_ / "errors");
  EXPECT_NE(errors.find("informa.txt: lacks section 10, which the itineraries diagram shows"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("lacks section 21"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("lacks section 99"), std::string::npos) << errors;
  EXPECT_NE(errors.find("materias.txt: lists nothing for subject code 2014038"), std::string::npos) << errors;
  EXPECT_NE(errors.find("fps.txt: line 2: column 3 holds its own digit or a blank"), std::string::npos) << errors;
  EXPECT_NE(errors.find("no family for branch 0"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("no family for branch 2"), std::string::npos) << errors;
}


TEST_F(DataBuilderRun, TheEducationSystemFilesMustHoldEveryCodeTheDiagramShows) {
  std::string informa;
  for (int line = 1; line <= 53; ++line) informa += line == 44 ? "44 Nota\n" : "   Texto\n";
  std::vector<int> codes = {6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 34, 41, 42, 43, 44, 45, 46};
  for (int code = 50; code <= 94; ++code)
    if (code != 57 && (code < 60 || code >= 70)) codes.push_back(code);
  for (const int code : codes) informa += (code < 10 ? " " : "") + std::to_string(code) + "Texto\n";
  informa += "5 Alineado a la izquierda\n70Otra vez\n";
  Write("cas/informa_l.txt", informa);
  Write("cas/materias_l.txt", " 1Lengua\n 2Lengua\n 3Lengua\n 4Lengua\n10Lengua\n11A\n12H\n13S\n14C\n20L\n21A\n22H\n23S\n24C\n");
  EXPECT_EQ(Run(), 1);
  const std::string errors = Read(root_ / "errors");
  EXPECT_NE(errors.find("informa_l.txt: line 44: a hint or caption of the education-system diagram"), std::string::npos) << errors;
  for (const char* missing : {"lacks code 5,", "lacks code 57,", "lacks code 95,"})
    EXPECT_NE(errors.find(missing), std::string::npos) << missing << errors;
  EXPECT_EQ(errors.find("lacks code 50,"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("lacks code 7,"), std::string::npos) << errors;  // no button lists it
  EXPECT_NE(errors.find("a second line for calendar cell 70"), std::string::npos) << errors;
  EXPECT_NE(errors.find("materias_l.txt: lacks subject group 30,"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("lacks subject group 1,"), std::string::npos) << errors;
}

}  // namespace

TEST_F(DataBuilderRun, TheQuestionnaireLinesKeepTheirColumns) {
  std::string cuesgm;
  for (int area = 1; area <= 11; ++area) cuesgm += "\xC3\x81rea " + std::to_string(area) + "\n";
  cuesgm += "15Me gusta arreglar aparatos\n0 Sin \xC3\xA1rea\n33Dos veces la misma\n";
  Write("cas/cuesgm.txt", cuesgm);
  Write("cas/fralargas.txt", std::string(115, 'x') + "SALU CIEN\n" + std::string(115, 'x') + "SALUXCIEN\n");
  Write("cas/fracortas.txt", "SALU      Atiendo a pacientes\nSALU CI N Con un hueco\n");
  Write("cas/profesio.txt", "SALU CIEN M\xC3\xA9" "dico/a" + std::string(32, ' ') + " 12  0\nSALU      Cirujano/a" +
                                std::string(30, ' ') + "1 2\n");
  EXPECT_EQ(Run(), 1);
  const std::string errors = Read(root_ / "errors");
  EXPECT_EQ(errors.find("cuesgm.txt: line 12"), std::string::npos) << errors;
  EXPECT_NE(errors.find("cuesgm.txt: line 13: area 1-9 in column 1"), std::string::npos) << errors;
  EXPECT_NE(errors.find("cuesgm.txt: line 14: the second area repeats the first"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("fralargas.txt: line 1"), std::string::npos) << errors;
  EXPECT_NE(errors.find("fralargas.txt: line 2: the statement in columns 1-115"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("fracortas.txt: line 1"), std::string::npos) << errors;
  EXPECT_NE(errors.find("fracortas.txt: line 2: codes in columns 1-4 and 6-9"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("profesio.txt: line 1"), std::string::npos) << errors;
  EXPECT_NE(errors.find("profesio.txt: line 2: the linked statements are numbers right-aligned"), std::string::npos) << errors;
}

TEST_F(DataBuilderRun, ALanguageFolderMustMatchTheCastilianOneLineForLine) {
  Write("cas/informa.txt", "17Requisitos\n10Secci\xC3\xB3n\n");
  Write("cas/activida.txt", std::string("SALU Sanidad\n") + "TERA Terapias\n");
  Write("cas/grados.txt.txt", "<<110\nAnimaci\xC3\xB3n\n<< 12\nArte\n");
  Write("cas/otros.txt", "Uno\n\nTres\n");
  fs::create_directories(root_ / "src/catVal");
  Write("catVal/informa.txt", "17Requisits\n11Secci\xC3\xB3\n");          // a code changed
  Write("catVal/activida.txt", "SALU Sanitat\n");                         // a line short
  Write("catVal/grados.txt.txt", "<<110\nAnimaci\xC3\xB3\n<< 13\nArt\n"); // a marker changed
  Write("catVal/otros.txt", "U\nDos\nTres\n");                            // a blank line filled
  Write("catVal/extra.txt", "x\n");
  EXPECT_EQ(Run(), 1);
  const std::string errors = Read(root_ / "errors");
  EXPECT_NE(errors.find("catVal/informa: line 2: its codes or columns differ"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("catVal/informa: line 1"), std::string::npos) << errors;
  EXPECT_NE(errors.find("catVal/activida: has 1 lines, the Castilian file 2"), std::string::npos) << errors;
  EXPECT_NE(errors.find("catVal/grados.txt: its degree markers differ"), std::string::npos) << errors;
  EXPECT_NE(errors.find("catVal/otros: line 2: is blank in the Castilian file"), std::string::npos) << errors;
  EXPECT_NE(errors.find("catVal/extra: not in the Castilian folder"), std::string::npos) << errors;
  fs::remove(root_ / "src/catVal/extra.txt");
  fs::remove(root_ / "src/catVal/otros.txt");
  EXPECT_EQ(Run(), 1);
  EXPECT_NE(Read(root_ / "errors").find("catVal/otros: missing"), std::string::npos);
}

namespace {

TEST_F(DataBuilderRun, SetCentreChangesOnlyTheSettingsItIsGiven) {
  const fs::path folder = root_ / "installed";
  fs::create_directories(folder);
  const auto setCentre = [&](const std::string& options) {
    const std::string command = std::string(DATA_BUILDER_PATH) + " --set-centre " + folder.string() + " " + options;
    return std::system(command.c_str());
  };
  std::ofstream(folder / "clave16", std::ios::binary) << std::string(86, '\0');
  ASSERT_EQ(setCentre("--centre \"IES Prueba\" --enlarge 0"), 0);
  std::string record = Read(folder / "clave16");
  ASSERT_EQ(record.size(), 86u);
  EXPECT_EQ(record.substr(1, 10), "IES Prueba");
  EXPECT_EQ(record[58], 1);  // the screens kept at 1024 x 768
  ASSERT_EQ(setCentre("--animation 0"), 0);
  record = Read(folder / "clave16");
  EXPECT_EQ(record.substr(1, 10), "IES Prueba");
  EXPECT_EQ(record[58], 1);
  ASSERT_EQ(setCentre("--enlarge 1"), 0);
  EXPECT_EQ(Read(folder / "clave16")[58], 0);
}

}  // namespace
