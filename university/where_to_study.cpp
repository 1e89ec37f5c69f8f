#include "university/where_to_study.h"

#include "core/common.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

constexpr std::size_t kNameColumn = 55;
constexpr std::size_t kMarkWidth = 4;

std::string Cut(std::string text, std::size_t width) {
  if (text.size() > width) text.resize(width);
  return text;
}

// Column 0 is the text without its last four characters, column 1 a blank and those four.
GridLine SplitAtMark(const std::string& text, int degree = 0) {
  const std::size_t cut = text.size() > kMarkWidth ? text.size() - kMarkWidth : 0;
  return {text.substr(0, cut), " " + text.substr(cut), degree};
}

std::string CommunityHeading(int community) {
  return "- " + std::string(Field(Tabs().TabComunida[static_cast<std::size_t>(community)].view(), 3, 53));
}

}  // namespace

DegreeGrid BuildDegreeGrid(int degree) {
  DegreeGrid grid;
  CommunityHasOffer.fill(false);
  CommunityFirstRow.fill(0);
  grid.texts.push_back(Cut("-" + std::string(17, ' ') + std::string(TextLine(593)), 38));
  grid.texts.push_back("Not.");
  const DegreeOffers offers(degree);
  for (int community = 1; community <= kRegions; ++community) {
    const std::size_t heading = grid.texts.size();
    grid.texts.push_back(CommunityHeading(community));
    for (int k = 0; k < offers.size(); ++k) {
      const int university = offers.University(k);
      if (CommunityOfUniversity(university) != community) continue;
      grid.texts.push_back("<" + std::string(UniversityName(university)) + MarkText(offers.Mark(k)));
    }
    if (grid.texts.size() == heading + 1) {
      grid.texts.pop_back();
      continue;
    }
    CommunityHasOffer[static_cast<std::size_t>(community)] = true;
    CommunityFirstRow[static_cast<std::size_t>(community)] = static_cast<int>(heading);
  }
  grid.lines.push_back({grid.texts[0], "", 0});
  grid.lines.push_back({"", "Not.", 0});
  for (std::size_t row = 2; row < grid.texts.size(); ++row) grid.lines.push_back(SplitAtMark(grid.texts[row]));
  if (grid.lines.size() > 2) grid.lines[2].mark.clear();
  return grid;
}

std::vector<CommunityUniversity> UniversitiesOfCommunity(int community) {
  std::vector<CommunityUniversity> list;
  const int wanted = UniversityCommunityOfRegion(community);
  for (int u = 1; u <= Tabs().CountLugar && list.size() < kMaxCommunityUniversities; ++u)
    if (CommunityOfUniversity(u) == wanted) list.push_back({std::string(UniversityName(u)), u});
  return list;
}

std::vector<GridLine> UniversityDegreeRows(int university) {
  struct Taught {
    std::string text;
    int degree;
    int branch;
  };
  std::vector<Taught> taught;
  for (int d = 1; d <= DegreeCount(); ++d) {
    const DegreeOffers offers(d);
    for (int k = 0; k < offers.size(); ++k)
      if (offers.University(k) == university)
        taught.push_back({"<" + PadTo(DegreeNameWithCode(d, offers.LocalName(k)), kNameColumn) + MarkText(offers.Mark(k)), d,
                          DegreeValue(d, kBranch)});
  }
  std::vector<GridLine> rows;
  // Column 0 the first 55 characters, column 1 a blank and the last four.
  const auto add = [&rows](const std::string& text, int degree) {
    const std::size_t mark = text.size() > kMarkWidth ? text.size() - kMarkWidth : 0;
    rows.push_back({text.substr(0, kNameColumn), " " + text.substr(mark), degree});
  };
  if (taught.size() < kBranchRegroupRows) {
    for (const Taught& t : taught) add(t.text, t.degree);
  } else {
    for (int branch = 1; branch <= kBranches; ++branch) {
      const std::size_t heading = rows.size();
      add(Cut("-   " + std::string(TextLine(514)) + std::string(BranchName(branch)), 39) + std::string(5, ' '), 0);
      for (const Taught& t : taught)
        if (t.branch == branch) add(t.text, t.degree);
      if (rows.size() == heading + 1) rows.pop_back();
    }
  }
  // The double degrees of the university: its entry in dobles has the same number.
  const DoubleDegreeTable& doubles = Tabs().Binary.TabDobles;
  if (university >= 1 && university <= doubles.count) {
    const auto u = static_cast<std::size_t>(university);
    const int pairs = std::min(doubles.mark[u][0], 50);
    if (pairs >= 1) {
      rows.push_back({"", "", 0});
      add(Cut("-" + std::string(16, ' ') + std::string(TextLine(242)), 42) + std::string(5, ' '), 0);
      for (int p = 1; p <= pairs; ++p) {
        const auto at = static_cast<std::size_t>(p);
        add(PadTo(DegreeNameAt(doubles.first[u][at], university), kNameColumn) + std::string(doubles.label[u][at].view()), 0);
        add(" + " + PadTo(DegreeNameAt(doubles.second[u][at], university), 51) + std::string(4, ' '), 0);
        add(std::string(17, ' ') + "-----" + std::string(5, ' '), 0);
      }
    }
  }
  return rows;
}

}  // namespace velmora
