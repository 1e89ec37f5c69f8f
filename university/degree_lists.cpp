#include "university/degree_lists.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/common.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

constexpr int kMaxGroups = 100;
constexpr int kItineraryNodes = 12;  // the degrees of the twelfth go under the eleventh
constexpr std::array<int, 2> kActivitiesLeftOut = {23, 24};
constexpr std::size_t kSortedCharacters = 10;

std::string Trimmed(std::string_view text) { return std::string(TrimBothBlanks(text)); }

std::string GroupName(int group) {
  if (group < 1 || group > Tabs().CountCarreranb) return {};
  return Trimmed(Tabs().TabCarreranb[static_cast<std::size_t>(group)].view());
}

bool HasLocalNames(int degree) { return Tabs().Binary.DegreeLetters[static_cast<std::size_t>(degree)][0] > 0; }

DegreeRow RowOf(int degree) {
  return {std::string(DegreeName(degree)), HasLocalNames(degree) ? "+" : "", degree, false};
}

TreeItem DegreeItem(int degree) { return {Trimmed(DegreeName(degree)), kImageDegree, degree, 1}; }

std::vector<TreeItem> GroupView() {
  std::vector<TreeItem> items;
  std::array<bool, kMaxGroups + 1> shown{};
  const int n = DegreeCount();
  for (int i = 1; i <= n; ++i) {
    const int group = DegreeValue(i, kGroup);
    if (group == 0) {
      items.push_back({Trimmed(DegreeName(i)), kImageDegree, i, 0});
      continue;
    }
    if (group < 0 || group > kMaxGroups || shown[static_cast<std::size_t>(group)]) continue;
    shown[static_cast<std::size_t>(group)] = true;
    const std::size_t node = items.size();
    items.push_back({GroupName(group), kImageGroup, 0, 0});
    int children = 0;
    for (int j = i; j <= n; ++j)
      if (DegreeValue(j, kGroup) == group) {
        items.push_back(DegreeItem(j));
        ++children;
      }
    items[node].text += " (" + std::to_string(children) + ")";
  }
  return items;
}

std::vector<TreeItem> ActivityView() {
  const SharedTables& t = Tabs();
  std::vector<TreeItem> items;
  const int n = DegreeCount();
  std::array<bool, kMaxDegrees + 1> marked{};
  std::array<bool, 251> professions{};
  for (int a = 1; a <= std::min(t.CountActivida, 30); ++a) {
    if (std::find(kActivitiesLeftOut.begin(), kActivitiesLeftOut.end(), a) != kActivitiesLeftOut.end()) continue;
    items.push_back({Trimmed(t.TabActivida[static_cast<std::size_t>(a)].view()), kImageGroup, 0, 0});
    const std::string_view code = t.ActivityCodes[static_cast<std::size_t>(a)].view();
    for (int p = 1; p <= std::min(t.CountProfesio, 250); ++p)
      professions[static_cast<std::size_t>(p)] = t.ProfessionCode1[static_cast<std::size_t>(p)].view() == code ||
                                                  t.ProfessionCode2[static_cast<std::size_t>(p)].view() == code;
    marked.fill(false);
    for (int c = 1; c <= n; ++c)
      for (const DegreeField field : {kProfession1, kProfession2, kProfession3, kProfession4}) {
        const int p = DegreeValue(c, field);
        if (p >= 1 && p <= 250 && professions[static_cast<std::size_t>(p)]) marked[static_cast<std::size_t>(c)] = true;
      }
    for (int c = 1; c <= n; ++c)
      if (marked[static_cast<std::size_t>(c)]) items.push_back(DegreeItem(c));
  }
  return items;
}

std::vector<TreeItem> ItineraryView() {
  std::vector<TreeItem> items;
  const int n = DegreeCount();
  for (int i = 1; i <= kItineraryNodes; ++i) {
    if (i < kItineraryNodes)
      items.push_back({Trimmed(Tabs().TabItinerar[static_cast<std::size_t>(i)].view()), kImageGroup, 0, 0});
    if (items.empty()) continue;
    for (const DegreeField field : {kItinerary1, kItinerary2})
      for (int d = 1; d <= n; ++d)
        if (DegreeValue(d, field) == i) items.push_back(DegreeItem(d));
  }
  return items;
}

std::vector<TreeItem> AlphabeticalView() {
  std::vector<TreeItem> items;
  for (int d = 1; d <= DegreeCount(); ++d) items.push_back({Trimmed(DegreeName(d)), kImageDegree, d, 0});
  // The file is in Castilian order; a translated one is put in order by its first characters only.
  if (NonCastilian) {
    std::stable_sort(items.begin(), items.end(), [](const TreeItem& a, const TreeItem& b) {
      const std::string_view x = DegreeName(a.degree).substr(0, kSortedCharacters);
      const std::string_view y = DegreeName(b.degree).substr(0, kSortedCharacters);
      return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char l, char r) {
        return static_cast<unsigned char>(l) < static_cast<unsigned char>(r);
      });
    });
  }
  return items;
}

}  // namespace

std::vector<DegreeRow> BranchDegreeRows(int item) {
  std::vector<DegreeRow> rows;
  const int branch = item + 1;
  const int n = DegreeCount();
  if (branch == 2 || branch == 5) {
    for (int d = 1; d <= n; ++d)
      if (DegreeValue(d, kBranch) == branch) rows.push_back(RowOf(d));
    return rows;
  }
  const bool all = item == kAllBranchesItem;
  for (int group = 1; group <= Tabs().CountCarreranb; ++group) {
    const std::size_t heading = rows.size();
    rows.push_back({GroupName(group), "", 0, true});
    for (int d = 1; d <= n; ++d)
      if (DegreeValue(d, kGroup) == group && (all || DegreeValue(d, kBranch) == branch)) rows.push_back(RowOf(d));
    if (rows.size() == heading + 1) rows.pop_back();
  }
  return rows;
}

std::vector<TreeItem> DegreeTree(DegreeView view) {
  switch (view) {
    case DegreeView::Groups: return GroupView();
    case DegreeView::Activities: return ActivityView();
    case DegreeView::Itineraries: return ItineraryView();
    case DegreeView::Alphabetical: return AlphabeticalView();
    case DegreeView::Branches: break;
  }
  return {};
}

std::string LocalNamesHint(int degree) {
  if (degree < 1 || degree > DegreeCount() || !HasLocalNames(degree)) return {};
  const auto& letters = Tabs().Binary.DegreeLetters[static_cast<std::size_t>(degree)];
  std::string hint = "    " + std::string(TextLine(538)) + "\r\n";
  for (std::size_t k = 1; k <= letters[0] && k < letters.size(); ++k)
    hint += "-" + std::string(LocalDegreeName(letters[k])) + "\r\n";
  return hint;
}

}  // namespace velmora
