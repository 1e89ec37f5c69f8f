#include "university/double_degrees.h"

#include <algorithm>

#include "core/common.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

constexpr int kMaxPairs = 50;
constexpr std::size_t kPartnerWidth = 45;
constexpr std::size_t kGridNameWidth = 47;

const DoubleDegreeTable& Doubles() { return Tabs().Binary.TabDobles; }
int Entries() { return std::clamp(Doubles().count, 0, static_cast<int>(Doubles().groupName.size()) - 1); }
int Pairs(int entry) { return std::clamp(Doubles().mark[static_cast<std::size_t>(entry)][0], 0, kMaxPairs); }
int First(int entry, int pair) { return Doubles().first[static_cast<std::size_t>(entry)][static_cast<std::size_t>(pair)]; }
int Second(int entry, int pair) { return Doubles().second[static_cast<std::size_t>(entry)][static_cast<std::size_t>(pair)]; }
std::string Label(int entry, int pair) {
  return Doubles().label[static_cast<std::size_t>(entry)][static_cast<std::size_t>(pair)].str();
}
std::string EntryName(int entry) {
  return std::string(TrimBlanks(Doubles().groupName[static_cast<std::size_t>(entry)].view()));
}

// Columns of the marks grid: the first 47 characters, then a blank and characters 48-51.
GridLine GridRow(const std::string& text) {
  const std::string mark = text.size() > kGridNameWidth ? text.substr(kGridNameWidth, 4) : std::string();
  return {text.substr(0, kGridNameWidth), " " + mark, 0};
}

std::string Trimmed(int degree) { return std::string(TrimBothBlanks(DegreeName(degree))); }

}  // namespace

std::vector<DoublesListRow> DoubleDegreeList() {
  std::array<bool, kMaxDegrees + 1> marked{};
  for (int entry = 1; entry <= Entries(); ++entry)
    for (int pair = 1; pair <= Pairs(entry); ++pair)
      for (const int degree : {First(entry, pair), Second(entry, pair)})
        if (degree >= 1 && degree <= kMaxDegrees) marked[static_cast<std::size_t>(degree)] = true;
  std::vector<DoublesListRow> rows;
  for (int branch = 1; branch <= kBranches; ++branch) {
    rows.push_back({"- " + std::string(TrimBothBlanks(BranchName(branch))), 0});
    for (int degree = 1; degree <= DegreeCount(); ++degree)
      if (marked[static_cast<std::size_t>(degree)] && DegreeValue(degree, kBranch) == branch)
        rows.push_back({std::string(TrimBlanks(DegreeName(degree))), degree});
  }
  return rows;
}

std::vector<DoublesPageRow> DoublesOfDegree(int degree) {
  std::vector<DoublesPageRow> rows;
  if (degree < 1) return rows;
  const std::string own = Trimmed(degree).substr(0, 20);
  for (int entry = 1; entry <= Entries(); ++entry) {
    bool listed = false;
    const auto add = [&](int partner) {
      if (!listed) {
        rows.push_back({"", false});
        rows.push_back({(std::string(8, ' ') + EntryName(entry)).substr(0, 48), true});
        listed = true;
      }
      rows.push_back({" " + own + ". + " + Trimmed(partner), false});
    };
    for (int pair = 1; pair <= Pairs(entry); ++pair) {
      if (First(entry, pair) == degree) add(Second(entry, pair));
      if (Second(entry, pair) == degree) add(First(entry, pair));
    }
  }
  return rows;
}

std::vector<GridLine> DoublesGrid(int degree) {
  CommunityHasOffer.fill(false);
  std::vector<std::string> texts;
  for (int entry = 1; entry <= Entries(); ++entry) {
    bool listed = false;
    const auto add = [&](int partner, int pair) {
      if (!listed) texts.push_back("- " + EntryName(entry));
      listed = true;
      texts.push_back("+ " + PadTo(DegreeName(partner), kPartnerWidth) + Label(entry, pair));
    };
    for (int pair = 1; pair <= Pairs(entry); ++pair) {
      if (First(entry, pair) == degree) add(Second(entry, pair), pair);
      if (Second(entry, pair) == degree) add(First(entry, pair), pair);
    }
    const int community = Doubles().groupCode[static_cast<std::size_t>(entry)];
    if (listed && community >= 1 && community <= kRegions) CommunityHasOffer[static_cast<std::size_t>(community)] = true;
  }
  std::vector<GridLine> lines;
  if (texts.empty()) {
    std::string title = std::string(5, ' ') + std::string(TextLine(242)) + " de...";
    title.resize(std::min<std::size_t>(title.size(), 36));
    lines = {{title, "", 0}, {"- " + Trimmed(degree), "", 0}, {"", "", 0},
             {std::string(5, ' ') + std::string(TextLine(393)), "", 0}};
    return lines;
  }
  lines = {{"- " + Trimmed(degree), "", 0}, {std::string(5, ' ') + std::string(TextLine(593)) + "...", "", 0}, {"", "", 0}};
  for (const std::string& text : texts) lines.push_back(GridRow(text));
  return lines;
}

std::vector<GridLine> DoublesInCommunity(int degree, int community) {
  std::vector<GridLine> lines = {{std::string(5, ' ') + std::string(TextLine(242)) + " de...", " ", 0},
                                 {"- " + Trimmed(degree), "", 0},
                                 {std::string(5, ' ') + std::string(TextLine(593)) + "...", "", 0}};
  for (int entry = 1; entry <= Entries(); ++entry) {
    if (Doubles().groupCode[static_cast<std::size_t>(entry)] != community) continue;
    bool listed = false;
    for (int pair = 1; pair <= Pairs(entry); ++pair) {
      const int a = First(entry, pair), b = Second(entry, pair);
      if (a != degree && b != degree) continue;
      if (!listed) lines.push_back(GridRow("- " + std::string(Doubles().groupName[static_cast<std::size_t>(entry)].view())));
      listed = true;
      lines.push_back(GridRow("+ " + PadTo(DegreeName(a == degree ? b : a), kPartnerWidth) + Label(entry, pair)));
    }
  }
  return lines;
}

std::vector<CommunityUniversity> DoubleUniversitiesOfCommunity(int community) {
  std::vector<CommunityUniversity> list;
  const int wanted = UniversityCommunityOfRegion(community);
  for (int entry = 1; entry <= Entries() && list.size() < kMaxCommunityUniversities; ++entry)
    if (Doubles().groupCode[static_cast<std::size_t>(entry)] == wanted) list.push_back({EntryName(entry), entry});
  return list;
}

}  // namespace velmora
