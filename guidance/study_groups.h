// The study groups the questionnaires rank (records 1..13 of itinerar): their names, pictures,
// and the degrees and higher-grade cycles each leads to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A record of the group and result texts without the blanks the loader padded it with.
std::string_view ItinerarRecord(int record);

// The group's name in the columns a ranking shows, padded with blanks.
std::string StudyGroupName(int group, std::size_t columns);

// The group's picture in the main menu's icons; -1 for a number that is no study group.
int StudyGroupPicture(int group);

// Degrees whose first or second itinerary is the group, in degree order (names trimmed).
std::vector<std::string> DegreesOfGroup(int group);
// Higher-grade cycles whose entry names the group, once per naming, in title order.
std::vector<std::string> HigherTitlesOfGroup(int group);

// Group 11's other studies: line 386, an empty line, lines 387..389.
std::vector<std::string> ArtsGroupOtherStudies();

}  // namespace velmora
