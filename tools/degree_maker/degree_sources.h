// The rules that turn the readable degree sources (degrees, universities, offers, double degrees)
// into the degree files of the data folder: the fixed-column university and double-degree lines,
// and the binary degree records and degree strings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tools {

inline constexpr int kMaxDegreeSlots = 350;
inline constexpr int kDegreeIntegers = 14;
inline constexpr int kMaxUniversities = 255;       // stored in single bytes
inline constexpr int kMaxUniversitiesPerCommunity = 40;
inline constexpr int kMaxOffersPerDegree = 100;    // a short string of 100 bytes
inline constexpr int kMaxLocalNames = 200;         // lines of carrenue
inline constexpr int kMaxLocalNamesPerDegree = 10;
inline constexpr int kMaxDoublesPerUniversity = 50;
inline constexpr int kNoCutOff = 10;               // the mark value that means "no cut-off mark"
inline constexpr std::size_t kUniversityNameWidth = 35;
inline constexpr std::size_t kLocalNameWidth = 55;

// A degree as degrees.csv gives it; its position in the file is its index.
struct DegreeSource {
  int code = 0;
  std::string name;
  int branch = 0, group = 0, itinerary1 = 0, itinerary2 = 0;
  std::array<int, 4> professions{};
  int family = 0;
  std::array<int, 4> weighted{};
};

// The 14 integers of a degree record, in file order.
std::array<std::int32_t, kDegreeIntegers> DegreeIntegers(const DegreeSource& degree);

// One 19600-byte record: 350 degree records of 14 little-endian int32, unused slots zero.
std::string EncodeDegreeRecords(const std::vector<DegreeSource>& degrees);

// 350 short strings (a length byte and 100 bytes), string i - 1 for degree i.
std::string EncodeDegreeStrings(const std::vector<std::vector<std::uint8_t>>& strings);

// A cut-off mark written "6.5" (0-14 scale, one decimal) in tenths; "-" or empty is kNoCutOff.
// Nothing for a text that is no such mark or lies outside 5.0-14.0.
std::optional<int> ParseCutOffMark(std::string_view text);

// The four-character mark text of a double degree ("12,3", " 9,8"); four blanks for no cut-off.
std::string DoubleMarkText(int tenths);

// Columns 1-2 the community, 3-37 the name, then the web domain.
std::string UniversityLine(int community, std::string_view name, std::string_view domain);
// The line that opens a university's entry in "dobles".
std::string DoublesUniversityLine(int community, std::string_view name);
// A pair line: blanks in columns 1-4, the two degree codes in 5-7 and 8-10, the mark text in 11-14.
std::string DoublesPairLine(int codeA, int codeB, std::string_view markText);

}  // namespace velmora::tools
