// Destinations of the binary record files and of the structured readers (places, doubles,
// region names, community texts, degree letters). Integers in the files are 32-bit
// little-endian; texts are length-prefixed short strings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/fixed_string.h"
#include "core/tables.h"

namespace velmora {

inline constexpr int kMapWidth = 281;
inline constexpr int kMapHeight = 196;        // map of Spain
inline constexpr int kDetailMapHeight = 220;  // Catalonia and Madrid
inline constexpr int kHitMatrixColumns = kMapHeight + 2 * kDetailMapHeight;  // 636
inline constexpr std::size_t kHitRecordSize = std::size_t{kMapWidth} * kHitMatrixColumns * 4;

// Region codes under each pixel, indexed [x][y] from 1; 0 = no region.
template <int Height>
using HitTable = std::array<std::array<std::uint8_t, Height + 1>, kMapWidth + 1>;
struct HitMaps {
  HitTable<kMapHeight> HitMap{};
  HitTable<kDetailMapHeight> HitMapC{};
  HitTable<kDetailMapHeight> HitMapM{};
};

inline constexpr int kMaxDegrees = 350;
inline constexpr std::size_t kOfferRecordSize = 114400;  // 1100 entries of 26 integers
inline constexpr std::size_t kDegreeStringsSize = 35350;  // 350 short strings of 100 characters
inline constexpr std::size_t kDegreeStringField = 101;
inline constexpr std::size_t kGroupRecordSize = 1020;

// Integers 1..14 of a degree record (element 0 unused).
using DegreeRecord = std::array<std::int32_t, 15>;

using Bytes = std::span<std::byte>;
using ConstBytes = std::span<const std::byte>;

// The unsigned little-endian number of size bytes (1..4) at a byte offset; 0 past the end.
std::uint32_t LittleEndianAt(ConstBytes bytes, std::size_t at, std::size_t size);
// The integer at a 0-based integer position of a record.
std::int32_t Int32At(ConstBytes bytes, std::size_t index);
// The short string at a 0-based field position, fields of fieldSize bytes (length byte first);
// the length is clipped to the field.
std::string_view ShortStringAt(ConstBytes bytes, std::size_t fieldSize, std::size_t index);

// Catalonia's comarcas: entries 1..41 at their codes, sub-areas from 42 on.
struct ComarcaTable {
  std::array<FixedString<30>, 61> name{};
  std::array<FixedString<2>, 61> key{};
  std::array<int, 42> order{};
  int count = 0;
};

// Madrid's municipalities in file order, and each zone's first three municipalities.
struct MunicipalityTable {
  std::array<FixedString<25>, 101> name{};
  std::array<FixedString<2>, 101> key{};
  std::array<int, 101> zone{};
  std::array<std::array<int, 4>, 29> ZoneTable{};  // [zone 1..28][slot 1..3]
  int count = 0;
};

// Groups of double degrees: a header (code, name) and up to 50 pairs of degree positions.
struct DoubleDegreeTable {
  std::array<FixedString<40>, 201> groupName{};
  std::array<int, 201> groupCode{};
  std::array<std::array<int, 51>, 201> first{};
  std::array<std::array<int, 51>, 201> second{};
  std::array<std::array<FixedString<4>, 51>, 201> label{};
  std::array<std::array<int, 51>, 201> mark{};  // element 0: number of details
  int count = 0;
};

struct BinaryTables {
  std::array<std::byte, 4 * kOfferRecordSize> OfferGS{}, OfferGM{}, OfferBasic{};
  std::array<std::byte, 20000> Datfps{};
  std::array<std::byte, 5600> Datfpm{};
  std::array<DegreeRecord, kMaxDegrees + 1> TabDatgrados{};
  std::array<std::array<std::byte, kDegreeStringsSize>, 2> Datcarn{};
  std::array<std::array<std::byte, kDegreeStringsSize>, 2> Datcarnue{};
  std::array<std::array<std::uint8_t, 11>, kMaxDegrees + 1> DegreeLetters{};  // [i][0] = how many
  std::array<std::array<std::byte, kGroupRecordSize>, 3> Datgrub{};

  ComarcaTable Comarcas;
  MunicipalityTable Municipalities;
  std::array<int, 1101> PlaceCodes{};
  DoubleDegreeTable TabDobles;
  std::array<FixedString<100>, 21> CommunityTexts{};
  int CountCommunityTexts = 0;
};

}  // namespace velmora
