// Loading the degree files: every missing file is named in the program's message and stops the
// start-up; the language files come first.
#include "university/degree_files.h"

#include <gtest/gtest.h>

#include <string>

#include "core/common.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

constexpr const char* kLanguageFiles[] = {"materiasp", "carreran", "carrenue", "carreranb", "otros", "itinerar", "fp",
                                          "reqfp",     "asignafp", "asignaot", "activida",  "familias", "profesio"};
constexpr const char* kDataFiles[] = {"comunida", "lugar",     "comuint",   "lu1",    "lu2",   "lu3",      "lu4",
                                      "datgrub",  "datcarn",   "datcarnue", "datgrados", "datfps", "datluggs", "dobles"};

class DegreeFiles : public ::testing::Test {
 protected:
  DegreeFiles() {
    LanguageFolder = "cas\\";
    for (const char* name : kLanguageFiles) folder.Write(std::string("cas/") + name, testing::CrLf({"SALU Line one", "-Line two"}));
    for (const char* name : kDataFiles) folder.Write(name, std::string(460000, '\0'));
    folder.Write("lugar", testing::CrLf({" 1Universidad de Prueba                ugr.es"}));
    folder.Write("dobles", testing::CrLf({" 1Universidad de Prueba"}));
    folder.Write("comunida", testing::CrLf({"01Andalucía"}));
  }
  testing::FixtureFolder folder;
  testing::CommonStateTest state;
};

TEST_F(DegreeFiles, EveryFileLoadsAndTheTablesGetTheirHeadingsAndCodes) {
  LoadDegreeFiles();
  EXPECT_FALSE(StartAborted);
  EXPECT_TRUE(state.platform.messages.empty());
  const SharedTables& t = Tabs();
  EXPECT_EQ(t.CountLugar, 1);
  EXPECT_EQ(t.ActivityCodes[1].view(), "SALU");
  EXPECT_EQ(t.TabActivida[1].view(), "Line one");
  EXPECT_EQ(t.ProfessionCode1[1].view(), "SALU");
  EXPECT_EQ(t.ProfessionCode2[1].view(), "Line");
  EXPECT_EQ(t.CountMateriasp, 2);
  EXPECT_EQ(t.TabMateriasp[0].view(), "SALU Line one");  // line s is record s - 1
  EXPECT_EQ(t.Binary.TabDobles.count, 1);
}

TEST_F(DegreeFiles, EachMissingFileIsNamedAndStopsTheStart) {
  for (const char* name : kLanguageFiles) {
    SCOPED_TRACE(name);
    ResetCommonState();
    AllocateSharedTables();
    LanguageFolder = "cas\\";
    state.platform.messages.clear();
    folder.Remove(std::string("cas/") + name);
    LoadDegreeFiles();
    EXPECT_TRUE(StartAborted);
    ASSERT_EQ(state.platform.messages.size(), 1u);  // the data folder's files are not read after it
    EXPECT_EQ(state.platform.messages[0], std::string("Faltan ficheros (cas\\") + name + "). Vuelva a instalar el programa");
    folder.Write(std::string("cas/") + name, testing::CrLf({"SALU Line one"}));
  }
  for (const char* name : kDataFiles) {
    SCOPED_TRACE(name);
    ResetCommonState();
    AllocateSharedTables();
    LanguageFolder = "cas\\";
    state.platform.messages.clear();
    folder.Remove(name);
    LoadDegreeFiles();
    EXPECT_TRUE(StartAborted);
    ASSERT_FALSE(state.platform.messages.empty());
    EXPECT_EQ(state.platform.messages[0], std::string("Faltan ficheros (") + name + "). Vuelva a instalar el programa");
    folder.Write(name, std::string(460000, '\0'));
  }
}

}  // namespace
}  // namespace velmora
