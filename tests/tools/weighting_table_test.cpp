#include "tools/document_maker/weighting_table.h"

#include <gtest/gtest.h>

namespace velmora::tools {
namespace {

const QStringList kSubjects = {"Biología", "Química", "Física", "Matemáticas II", "Geografía"};

TEST(WeightingTable, TheMostSpecificRowWins) {
  QStringList problems;
  const WeightingTable table = WeightingTable::From({{"9", "g5", "Biología", "Geografía"},
                                                     {"9", "501", "Biología;Química", "Física"},
                                                     {"13", "g5", "Química", ""},
                                                     {"UCM", "g5", "Física", ""},
                                                     {"UCM", "501", "Matemáticas II", ""}},
                                                    kSubjects, problems);
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
  const auto heavy = [&](const char* university, int community, const char* degree) {
    const auto weighting = table.For(university, community, degree, 5);
    return weighting ? weighting->heavy.join(';').toStdString() : std::string("none");
  };
  EXPECT_EQ(heavy("UCM", 13, "501"), "Matemáticas II");  // university and degree
  EXPECT_EQ(heavy("UCM", 13, "502"), "Física");          // university and group
  EXPECT_EQ(heavy("UAM", 13, "502"), "Química");         // the community's group
  EXPECT_EQ(heavy("UB", 9, "501"), "Biología;Química");  // community and degree before its group
  EXPECT_EQ(heavy("UB", 9, "502"), "Biología");
  EXPECT_EQ(heavy("UNIOVI", 3, "501"), "none");  // no table: the caller keeps its own rule
  EXPECT_EQ(table.For("UB", 9, "501", 5)->light, QStringList{"Física"});
}

TEST(WeightingTable, EveryFaultOfARowIsNamed) {
  QStringList problems;
  WeightingTable::From({{"1", "g5", "Biología;Latín II", ""},   // not an admission subject
                        {"1", "501", "Biología", "Biología"},   // the same subject at both weights
                        {"1", "g5", "Química", ""},             // the same degrees twice
                        {"1", "five", "Química", ""},           // neither a code nor a group
                        {"1", "g6", "Química"}},                // a column missing
                       kSubjects, problems);
  ASSERT_EQ(problems.size(), 5) << problems.join('\n').toStdString();
  EXPECT_TRUE(problems[0].contains("row 1") && problems[0].contains("Latín II"));
  EXPECT_TRUE(problems[1].contains("row 2") && problems[1].contains("twice"));
  EXPECT_TRUE(problems[2].contains("row 3"));
  EXPECT_TRUE(problems[3].contains("row 4"));
  EXPECT_TRUE(problems[4].contains("row 5"));
}

}  // namespace
}  // namespace velmora::tools
