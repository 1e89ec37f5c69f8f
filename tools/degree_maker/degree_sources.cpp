#include "tools/degree_maker/degree_sources.h"

#include <charconv>
#include <cstdio>

namespace velmora::tools {
namespace {

void AppendInt32(std::string& bytes, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((bits >> shift) & 0xFF);
}

std::string Padded(std::string_view text, std::size_t width) {
  std::string padded(text.substr(0, width));
  padded.resize(width, ' ');
  return padded;
}

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%2d", value);
  return text;
}

}  // namespace

std::array<std::int32_t, kDegreeIntegers> DegreeIntegers(const DegreeSource& d) {
  return {d.branch,           d.group,           d.itinerary1,      d.itinerary2,      d.professions[0],
          d.professions[1],   d.professions[2],  d.professions[3],  d.family,          d.code,
          d.weighted[0],      d.weighted[1],     d.weighted[2],     d.weighted[3]};
}

std::string EncodeDegreeRecords(const std::vector<DegreeSource>& degrees) {
  std::string bytes;
  bytes.reserve(std::size_t{kMaxDegreeSlots} * kDegreeIntegers * 4);
  for (int slot = 0; slot < kMaxDegreeSlots; ++slot) {
    const auto integers = slot < static_cast<int>(degrees.size()) ? DegreeIntegers(degrees[static_cast<std::size_t>(slot)])
                                                                 : std::array<std::int32_t, kDegreeIntegers>{};
    for (const std::int32_t value : integers) AppendInt32(bytes, value);
  }
  return bytes;
}

std::string EncodeDegreeStrings(const std::vector<std::vector<std::uint8_t>>& strings) {
  constexpr std::size_t kField = 101;
  std::string bytes(kField * kMaxDegreeSlots, '\0');
  for (std::size_t i = 0; i < strings.size() && i < static_cast<std::size_t>(kMaxDegreeSlots); ++i) {
    const std::size_t length = std::min<std::size_t>(strings[i].size(), kField - 1);
    bytes[i * kField] = static_cast<char>(length);
    for (std::size_t k = 0; k < length; ++k) bytes[i * kField + 1 + k] = static_cast<char>(strings[i][k]);
  }
  return bytes;
}

std::optional<int> ParseCutOffMark(std::string_view text) {
  if (text.empty() || text == "-") return kNoCutOff;
  const auto point = text.find('.');
  if (point == std::string_view::npos || point + 2 != text.size() || point == 0) return std::nullopt;
  int whole = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + point, whole);
  const char tenth = text[point + 1];
  if (error != std::errc() || end != text.data() + point || tenth < '0' || tenth > '9') return std::nullopt;
  const int tenths = whole * 10 + (tenth - '0');
  if (tenths < 50 || tenths > 140) return std::nullopt;
  return tenths;
}

std::string DoubleMarkText(int tenths) {
  if (tenths == kNoCutOff) return "    ";
  char text[16];
  std::snprintf(text, sizeof text, "%2d,%d", tenths / 10, tenths % 10);
  return text;
}

std::string UniversityLine(int community, std::string_view name, std::string_view domain) {
  return TwoDigits(community) + Padded(name, kUniversityNameWidth) + std::string(domain);
}

std::string DoublesUniversityLine(int community, std::string_view name) {
  return TwoDigits(community) + Padded(name, kUniversityNameWidth);
}

std::string DoublesPairLine(int codeA, int codeB, std::string_view markText) {
  char codes[16];
  std::snprintf(codes, sizeof codes, "%03d%03d", codeA, codeB);
  return "    " + std::string(codes) + Padded(markText, 4);
}

}  // namespace velmora::tools
