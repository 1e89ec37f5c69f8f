#include "university/degree_requirements.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>

#include "core/common.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

constexpr const char* kHeader = "-     ";
constexpr const char* kBullet = "\x95  ";  // the bullet of Windows-1252
constexpr const char* kMarkerIndent = "    ";
constexpr const char* kSection = "-  ";
constexpr const char* kLastSection = "- ";
constexpr int kMarkerValue = 50;
constexpr int kMaxWeightedSubject = 30;

struct BranchSubjects {
  std::vector<int> subjects;  // lines of materiasp, in the order shown
  std::vector<int> extraLines;  // text lines shown as bullets after them
};
const BranchSubjects& SubjectsOfBranch(int branch) {
  static const std::array<BranchSubjects, kBranches + 1> kLists = {{
      {},
      {{}, {728}},
      {{3, 21, 4, 10, 23}, {}},
      {{9, 16, 13, 15, 18}, {729, 728}},
      {{4, 21, 7, 3, 10, 23, 8, 9}, {}},
      {{19, 11, 4}, {}},
  }};
  return kLists[static_cast<std::size_t>(std::clamp(branch, 0, kBranches))];
}

std::string Text(int line) { return std::string(TextLine(line)); }

std::string Subject(int s) {
  if (s < 1 || s > Tabs().CountMateriasp) return {};
  return std::string(TrimBlanks(Tabs().TabMateriasp[static_cast<std::size_t>(s - 1)].view()));
}

}  // namespace

DemandFigures DemandOf(int degree) {
  DemandFigures figures;
  const DegreeOffers offers(degree);
  int sum = 0;
  for (int k = 0; k < offers.size(); ++k) {
    const int mark = offers.Mark(k);
    if (mark <= 11) continue;
    ++figures.count;
    sum += mark;
    figures.over50 += mark > 50;
    figures.over60 += mark > 60;
  }
  if (figures.count > 0) figures.average = static_cast<double>(sum) / figures.count;
  return figures;
}

std::vector<std::string> RequirementLines(int degree, RequirementPart part) {
  std::vector<std::string> lines;
  if (degree < 1 || degree > DegreeCount()) return lines;
  const auto add = [&lines](std::string line) { lines.push_back(std::move(line)); };
  std::string header = kHeader + Text(277);
  header.resize(std::min<std::size_t>(header.size(), 26));
  add(header);
  add("");
  add(Text(674));
  const DemandFigures demand = DemandOf(degree);
  if (demand.NotDemanding()) add(Text(720));
  if (demand.Demanding()) {
    char average[16];
    std::snprintf(average, sizeof average, "%3.1f", demand.average / 10.0);
    add(Text(721) + " " + average);
  }
  if (demand.MixedDemand()) add(Text(722));
  const int branch = Tabs().BranchOfDegree[static_cast<std::size_t>(degree)];
  for (const std::string& line : {std::string(), Text(723), Text(724), std::string(BranchName(branch)), std::string(),
                                  kSection + Text(725), Text(726)})
    add(line);
  std::array<bool, kMaxWeightedSubject + 1> listed{};
  for (const DegreeField field : {kWeighted1, kWeighted2, kWeighted3, kWeighted4}) {
    const int s = DegreeValue(degree, field);
    if (s == kMarkerValue) {
      add(kMarkerIndent + Text(55));
      break;
    }
    if (s < 1 || s > kMaxWeightedSubject) continue;
    add(kBullet + Subject(s));
    listed[static_cast<std::size_t>(s)] = true;
  }
  add("");
  add(Text(727));
  const BranchSubjects& others = SubjectsOfBranch(branch);
  for (const int s : others.subjects)
    if (!listed[static_cast<std::size_t>(s)]) add(kBullet + Subject(s));
  for (const int line : others.extraLines) add(kBullet + Text(line));
  add("");
  add(Text(730));
  if (part == RequirementPart::ForCatalogue) return lines;
  for (const std::string& line : {Text(731), Text(732), std::string(), kLastSection + Text(717), Text(711), Text(712),
                                  Text(713), Text(714), Text(715)})
    add(line);
  return lines;
}

int WriteRequirementLines(int degree, int after, RequirementPart part) {
  LineTable& arts = Tabs().TabArts;
  int last = after;
  for (const std::string& line : RequirementLines(degree, part)) {
    if (last >= kLineTableLines) break;
    arts[static_cast<std::size_t>(++last)] = line;
  }
  return last;
}

}  // namespace velmora
