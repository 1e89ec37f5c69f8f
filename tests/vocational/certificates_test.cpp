// The certificate lists over small "certifica" and "certificah" files written by the test.
#include "vocational/certificates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/text_table.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += line + "\r\n";
  return joined;
}

// Nine family lines with the given keys (the others "Z", which heads nothing), then the entries.
std::vector<std::string> Certifica(const std::vector<std::string>& keys, const std::vector<std::string>& entries) {
  std::vector<std::string> lines;
  for (std::size_t f = 0; f < kCertificateFamilies; ++f) {
    std::string key = f < keys.size() ? keys[f] : "Z";
    key.resize(kFamilyKeyCharacters, ' ');
    lines.push_back(key + "Family " + std::to_string(f + 1));
  }
  lines.insert(lines.end(), entries.begin(), entries.end());
  return lines;
}

const std::vector<std::string> kLevels = {"1No requirement", "2Lower secondary", "3Access test",
                                          "4Level 2 of the family", "5Upper secondary", "6Level 3 of the area",
                                          "7Key competences two", "8Key competences three", "9Over twenty-five"};

std::vector<std::string> Certificah(const std::vector<std::string>& entries) {
  std::vector<std::string> lines = kLevels;
  lines.insert(lines.end(), entries.begin(), entries.end());
  return lines;
}

std::vector<std::string> Names(const std::vector<CertificateItem>& items) {
  std::vector<std::string> names;
  for (const CertificateItem& item : items) names.push_back(item.name + "@" + std::to_string(item.entry));
  return names;
}

class CertificateFiles : public ::testing::Test, public testing::CommonStateTest {
 protected:
  void Load(const std::vector<std::string>& certifica, const std::vector<std::string>& certificah) {
    folder.Write("certifica", Lines(certifica));
    folder.Write("certificah", Lines(certificah));
    LoadCertificateFiles();
  }
  testing::FixtureFolder folder;
};

TEST_F(CertificateFiles, BothFilesLoseTheirNineHeadLinesAndRunInParallel) {
  Load(Certifica({"AB", "C"}, {"A-Office work", "AFiling clerk", "ARecords keeper"}),
       Certificah({"       Office work", "1  300 Files and copies", "23 450 Keeps the records"}));
  ASSERT_TRUE(platform.messages.empty());
  EXPECT_EQ(Tabs().CountCertifica, 3);
  EXPECT_EQ(Tabs().CountCertificah, 3);
  EXPECT_EQ(Tabs().TabCertifica[1].view().substr(0, 13), "A-Office work");
  EXPECT_EQ(Tabs().TabCertifica[1].size(), 60u);  // shaped to the FP width
  EXPECT_TRUE(Tabs().TabCertifica[4].empty());    // the freed records are emptied
  EXPECT_EQ(Tabs().TabCertificah[2].view(), "1  300 Files and copies");
  EXPECT_EQ(Certificates().families[1].key, "AB");
  EXPECT_EQ(Certificates().families[2].name, "Family 2");
  EXPECT_EQ(Certificates().levels[3].view(), "3Access test");

  const CertificateDetails details = DetailsOf(3);  // parallel: entry 3 of both files
  EXPECT_EQ(details.hours, "450");
  EXPECT_EQ(details.description, "Keeps the records");
  EXPECT_EQ(details.requirements, (std::vector<std::string>{"Lower secondary", "Access test"}));
}

TEST_F(CertificateFiles, KeyCharactersOrderTheHeadingsAndAnAreaIsItsCharacter) {
  Load(Certifica({"BA", "C"},
                 {"A-Office", "ASecretary", "B-Kitchen", "BCook", "CBaker", "A-Front desk", "AReceptionist", "BWaiter"}),
       {});
  // Key "BA": the headings of group B, then those of group A, each group in entry order.
  EXPECT_EQ(Names(AreaHeadings(1)), (std::vector<std::string>{"-Kitchen@3", "-Office@1", "-Front desk@6"}));
  // A family whose key heads nothing has no areas.
  EXPECT_TRUE(AreaHeadings(2).empty());
  EXPECT_TRUE(AreaHeadings(0).empty());
  EXPECT_TRUE(AreaHeadings(10).empty());
  // Every certificate of the heading's character, wherever it stands.
  EXPECT_EQ(Names(CertificatesOfArea(3)), (std::vector<std::string>{"Cook@4", "Waiter@8"}));
  EXPECT_EQ(Names(CertificatesOfArea(1)), Names(CertificatesOfArea(6)));
  EXPECT_TRUE(CertificatesOfArea(0).empty());
  // The missing certificah leaves every entry without details, without a crash.
  const CertificateDetails none = DetailsOf(4);
  EXPECT_TRUE(none.requirements.empty());
  EXPECT_EQ(none.hours, "");
}

TEST_F(CertificateFiles, LevelsMatchInTheOrderOfTheCertificatesCharacters) {
  Load(Certifica({"A"}, {"A-Area", "AOne", "ATwo", "AThree"}),
       Certificah({"       Area", "13  90 Two levels", "x5  20 Unknown first", "31"}));
  EXPECT_EQ(DetailsOf(2).requirements, (std::vector<std::string>{"No requirement", "Access test"}));
  EXPECT_EQ(DetailsOf(3).requirements, (std::vector<std::string>{"Upper secondary"}));
  const CertificateDetails shortLine = DetailsOf(4);
  EXPECT_EQ(shortLine.requirements, (std::vector<std::string>{"Access test", "No requirement"}));
  EXPECT_EQ(shortLine.hours, "");
  EXPECT_EQ(shortLine.description, "");
}

TEST_F(CertificateFiles, TheScreenAddressesAtMost255Entries) {
  std::vector<std::string> entries{"A-Area"};
  for (int i = 2; i <= 260; ++i) entries.push_back("ACertificate " + std::to_string(i));
  Load(Certifica({"A"}, entries), Certificah({}));
  EXPECT_EQ(Tabs().CountCertifica, 260);
  EXPECT_EQ(CertificateEntryCount(), kCertificateEntries);
  const std::vector<CertificateItem> area = CertificatesOfArea(1);
  ASSERT_EQ(area.size(), 254u);
  EXPECT_EQ(area.back().entry, 255);
}

TEST_F(CertificateFiles, ShortFilesLeaveNoFamiliesAndNoEntries) {
  Load({"AB      Only family"}, {"1Only level"});
  EXPECT_EQ(Tabs().CountCertifica, 0);
  EXPECT_EQ(Tabs().CountCertificah, 0);
  EXPECT_EQ(Certificates().families[1].key, "AB");
  EXPECT_TRUE(Certificates().families[2].key.empty());
  EXPECT_TRUE(AreaHeadings(1).empty());
  EXPECT_TRUE(DetailsOf(1).requirements.empty());
}

TEST_F(CertificateFiles, AMissingFileIsReported) {
  folder.Write("certificah", Lines(kLevels));
  LoadCertificateFiles();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], MissingFileText("certifica"));
  EXPECT_TRUE(StartAborted);
  EXPECT_EQ(CertificateEntryCount(), 0);
}

TEST_F(CertificateFiles, ThePrintedAreaHasFourRowsThenFivePlusItsRequirementsPerCertificate) {
  Tabs().CountTextos = 600;
  for (const auto& [line, text] : {std::pair{580, "Certificates"}, {581, "Requirements:"}, {582, "Hours"}, {583, "Sector"}})
    Tabs().TabTextos[static_cast<std::size_t>(line)] = text;
  FillTextSlots();
  Load(Certifica({"A"}, {"A-Office work", "AFiling clerk", "ARecords keeper", "ADesk assistant"}),
       Certificah({"       Office work", "1  300 Files and copies", "13 450 Keeps the records", "6x2120 Helps at the desk"}));
  BuildAreaReport(CertificatesOfArea(1));
  const SharedTables& t = Tabs();
  const int requirementRows = 1 + 2 + 2;
  EXPECT_EQ(t.PrintCount + 1, 4 + 3 * 5 + requirementRows);  // row 0 is the heading
  const std::vector<std::string> expected = {
      "Certificates", "Sector:", "-Office work", "",
      "Filing clerk", "Files and copies", "Requirements:", "       No requirement", "Hours: 300", "",
      "Records keeper", "Keeps the records", "Requirements:", "       No requirement", "       Access test",
      "Hours: 450", "",
      "Desk assistant", "Helps at the desk", "Requirements:", "       Level 3 of the area", "       Lower secondary",
      "Hours: 120", ""};
  for (int row = 0; row <= t.PrintCount; ++row)
    EXPECT_EQ(t.PrintLines[static_cast<std::size_t>(row)].view(), expected[static_cast<std::size_t>(row)]) << row;
  EXPECT_EQ(BoldLines[0], 4);
  EXPECT_EQ((std::vector<int>(BoldLines.begin() + 1, BoldLines.begin() + 5)), (std::vector<int>{2, 4, 10, 17}));
}

TEST_F(CertificateFiles, APrintedRequirementIsCutTo25AndTheHeadingIsTheEntryBeforeTheFirstCertificate) {
  std::vector<std::string> certificah = kLevels;
  certificah[0] = "1A requirement of twenty-eight characters";
  certificah.insert(certificah.end(), {"", "", "1   10 Cooks", "1   10 Serves"});
  Load(Certifica({"AB"}, {"A-Office", "B-Kitchen", "ACook", "BWaiter"}), certificah);
  BuildAreaReport(CertificatesOfArea(1));
  // The area's heading is not directly before its certificate: the entry that is gets printed.
  EXPECT_EQ(Tabs().PrintLines[2].view(), "-Kitchen");
  EXPECT_EQ(Tabs().PrintLines[7].view(), "       A requirement of twenty-e");
  // At most 15 certificates are printed.
  BuildAreaReport(std::vector<CertificateItem>(20, CertificateItem{"Cook", 3}));
  EXPECT_EQ(Tabs().PrintCount, 3 + 15 * 6);
  EXPECT_EQ(BoldLines[0], 16);
}

}  // namespace
}  // namespace velmora
