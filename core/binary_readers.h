// Readers of the binary record files and of the text files with codes of their own (places,
// double degrees, region names, community texts). A missing or short file is reported with the
// missing-file message and StartAborted; nothing is read past the file or written past a table.
#pragma once

#include <string_view>

#include "core/binary_tables.h"

namespace velmora {

// The first `records` records of recordSize bytes into dest (exactly that many bytes).
bool ReadRecords(std::string_view name, Bytes dest, std::size_t recordSize, int records);

// Groups of groupSize records until the end of the file; dest keeps the last complete group.
bool ReadRecordGroups(std::string_view name, Bytes dest, std::size_t recordSize, int groupSize);

// "datgrados": 350 records of 14 integers into degrees[1..350][1..14].
bool ReadDegreeRecords(std::string_view name, std::array<DegreeRecord, kMaxDegrees + 1>& degrees);

// "puntos3": one 281 x 636 integer matrix split into the three hit tables. A value outside
// 0..255 is no region code and is stored as 0.
bool LoadHitMaps(std::string_view name, HitMaps& maps);

inline constexpr std::string_view kHitMapFile = "puntos3";
// The start-up only checks that the hit-map file is whole (reported as missing when it is not);
// its codes are read the first time a map is pointed at, as most sessions never open one.
void PrepareHitMaps();
// The hit maps, read on the first call after PrepareHitMaps. A file gone since then is reported
// without stopping the program, and the maps find no region.
const HitMaps& MapHitCodes();

// "comarcas": 41 comarca lines stored at their codes, then further entries from 42 on.
// A line without a numeric code that fits the table shows "mal " + its number and stops
// (count not set).
void LoadRegionNames(std::string_view name, ComarcaTable& table, int& count, int width);

// "comarcasm": municipalities in file order with their zones; at the end, each zone's first
// three municipalities. A line without a numeric code shows "mal " + the lines accepted so far.
void LoadRegionNamesM(std::string_view name, MunicipalityTable& table, int& count, int width);

// "lugar": place codes (columns 1-2), names (3-37) and texts (38-137, trimmed, cut to 60).
void LoadPlaces(std::string_view name, LineTable& names, LineTable& texts, std::array<int, 1101>& codes,
                int& count);

// Position 1..degreeCount of the first degree whose 10th integer is code; 0 when none.
int DegreeIndex(int code, const std::array<DegreeRecord, kMaxDegrees + 1>& degrees, int degreeCount);

// "dobles": groups of double degrees; needs the degree records and the degree count.
void LoadDoubles(std::string_view name, DoubleDegreeTable& table, int& count,
                 const std::array<DegreeRecord, kMaxDegrees + 1>& degrees, int degreeCount);

// "comuint": texts 1..20 from columns 15-114 without trailing blanks.
void LoadCommunityTexts(std::string_view name, std::array<FixedString<100>, 21>& texts, int& count);

// "datcarnue": the last pair of records, then for each degree the distinct non-zero letter
// codes (at most 10) of its string in the second table, over the length its "datcarn" string has.
bool LoadDegreeLetters(std::string_view name, BinaryTables& tables, int degreeCount);

}  // namespace velmora
