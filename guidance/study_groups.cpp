#include "guidance/study_groups.h"

#include <algorithm>

#include "core/common.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "university/degree_tables.h"
#include "vocational/fp_titles.h"

namespace velmora {

std::string_view ItinerarRecord(int record) {
  const SharedTables& t = Tabs();
  if (record < 1 || record > t.CountItinerar || record > kLineTableLines) return {};
  return TrimBlanks(t.TabItinerar[static_cast<std::size_t>(record)].view());
}

std::string StudyGroupName(int group, std::size_t columns) { return PadTo(Field(ItinerarRecord(group), 1, static_cast<int>(columns)), columns); }

int StudyGroupPicture(int group) {
  // Each group's picture shows its field: sprout, atom, red cross, compass on a blueprint, bar
  // chart, scales, adult and child, book, column, microphone, palette, quavers, clapperboard.
  static constexpr int kPictures[] = {0, 1, 13, 16, 27, 25, 29, 14, 23, 24, 17, 9, 26, 36};
  return group >= 1 && group <= 13 ? kPictures[group] : -1;
}

std::vector<std::string> DegreesOfGroup(int group) {
  std::vector<std::string> names;
  for (int degree = 1; degree <= DegreeCount(); ++degree)
    if (DegreeValue(degree, kItinerary1) == group || DegreeValue(degree, kItinerary2) == group)
      names.emplace_back(TrimBlanks(DegreeName(degree)));
  return names;
}

std::vector<std::string> HigherTitlesOfGroup(int group) {
  std::vector<std::string> names;
  for (int title = 1; title <= std::min(Tabs().CountFp, kHigherTitles); ++title)
    for (const int linked : HigherTitleOf(title).groups)
      if (linked == group) names.push_back(TitleName(Grade::GS, title));
  return names;
}

std::vector<std::string> ArtsGroupOtherStudies() {
  std::vector<std::string> lines{std::string(TextLine(386)), ""};
  for (const int line : {387, 388, 389}) lines.emplace_back(TextLine(line));
  return lines;
}

}  // namespace velmora
