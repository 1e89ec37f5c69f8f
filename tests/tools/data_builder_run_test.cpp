// Runs the data builder on a small source folder: malformed UTF-8 stops it with file, line and
// column, and nothing is written for that file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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

}  // namespace
