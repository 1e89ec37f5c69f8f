// The fixed place codes of the vocational screens: entry k (1..64) names a centre file
// ("1".."4" for lu1..lu4) and the area character that marks the place's centres in it.
#pragma once

#include <array>
#include <string_view>

namespace velmora {

inline constexpr std::array<std::string_view, 65> CodeTable64 = {
    "",   "37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J", "1K", "11", "2E",
    "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13", "17", "1A", "1D", "1E", "1F", "1G",
    "1H", "45", "4A", "46", "47", "48", "49", "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H",
    "29", "2A", "2B", "2C", "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32"};

}  // namespace velmora
