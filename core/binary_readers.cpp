#include "core/binary_readers.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/common.h"
#include "core/data_file.h"
#include "core/line_loaders.h"
#include "core/text_helpers.h"

namespace velmora {
namespace {

// The file's bytes, or nothing (reported) when it cannot be opened or holds fewer than minimum.
bool ReadBinaryFile(std::string_view name, std::string& buffer, std::size_t minimum) {
  if (ReadWholeFile(name, buffer) && buffer.size() >= minimum) return true;
  ReportMissingFile(name);
  return false;
}

ConstBytes AsBytes(const std::string& buffer) { return std::as_bytes(std::span(buffer.data(), buffer.size())); }

template <std::size_t N>
void AssignField(FixedString<N>& target, std::string_view line, int column, int length) {
  target = Field(line, column, length);
}

void DecodeHitMaps(const std::string& buffer, HitMaps& maps) {
  // The file holds little-endian 32-bit codes; one outside 0..255 (a higher byte set) is no
  // region. Each x holds the three maps' columns one after another.
  const auto* codes = reinterpret_cast<const unsigned char*>(buffer.data());
  const auto copyColumns = [&](auto& row, int first) {
    const unsigned char* code = codes + static_cast<std::size_t>(first) * 4;
    for (std::size_t y = 1; y < row.size(); ++y, code += 4)
      row[y] = (code[1] | code[2] | code[3]) == 0 ? code[0] : 0;
  };
  for (std::size_t x = 1; x <= kMapWidth; ++x) {
    const int rowStart = static_cast<int>(x - 1) * kHitMatrixColumns;
    copyColumns(maps.HitMap[x], rowStart);
    copyColumns(maps.HitMapC[x], rowStart + kMapHeight);
    copyColumns(maps.HitMapM[x], rowStart + kMapHeight + kDetailMapHeight);
  }
}

}  // namespace

std::uint32_t LittleEndianAt(ConstBytes bytes, std::size_t at, std::size_t size) {
  if (at > bytes.size() || size > bytes.size() - at) return 0;
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;) value = (value << 8) | std::to_integer<std::uint32_t>(bytes[at + i]);
  return value;
}

std::int32_t Int32At(ConstBytes bytes, std::size_t index) {
  return static_cast<std::int32_t>(LittleEndianAt(bytes, index * 4, 4));
}

std::string_view ShortStringAt(ConstBytes bytes, std::size_t fieldSize, std::size_t index) {
  const std::size_t at = index * fieldSize;
  if (fieldSize == 0 || at + fieldSize > bytes.size()) return {};
  const std::size_t length = std::min<std::size_t>(std::to_integer<std::size_t>(bytes[at]), fieldSize - 1);
  return {reinterpret_cast<const char*>(bytes.data() + at + 1), length};
}

bool ReadRecords(std::string_view name, Bytes dest, std::size_t recordSize, int records) {
  const std::size_t wanted = recordSize * static_cast<std::size_t>(records);
  if (dest.size() < wanted) return false;
  if (ReadFilePart(name, 0, dest.first(wanted))) return true;
  ReportMissingFile(name);
  return false;
}

bool ReadRecordGroups(std::string_view name, Bytes dest, std::size_t recordSize, int groupSize) {
  const std::size_t groupBytes = recordSize * static_cast<std::size_t>(groupSize);
  if (groupBytes == 0 || dest.size() < groupBytes) return false;
  // Each group overwrites the one before, so only the last complete group remains.
  const auto size = DataFileSize(name);
  if (size && *size >= groupBytes && ReadFilePart(name, (*size / groupBytes - 1) * groupBytes, dest.first(groupBytes)))
    return true;
  ReportMissingFile(name);
  return false;
}

bool ReadDegreeRecords(std::string_view name, std::array<DegreeRecord, kMaxDegrees + 1>& degrees) {
  constexpr std::size_t kIntegers = 14;
  std::string buffer;
  if (!ReadBinaryFile(name, buffer, kMaxDegrees * kIntegers * 4)) return false;
  const ConstBytes bytes = AsBytes(buffer);
  for (std::size_t n = 1; n <= kMaxDegrees; ++n)
    for (std::size_t k = 1; k <= kIntegers; ++k) degrees[n][k] = Int32At(bytes, (n - 1) * kIntegers + k - 1);
  return true;
}

bool LoadHitMaps(std::string_view name, HitMaps& maps) {
  std::string buffer;
  if (!ReadBinaryFile(name, buffer, kHitRecordSize)) return false;
  DecodeHitMaps(buffer, maps);
  return true;
}

void PrepareHitMaps() {
  const auto size = DataFileSize(kHitMapFile);
  if (!size || *size < kHitRecordSize) return ReportMissingFile(kHitMapFile);
  Tabs().HitMapsPending = true;
}

const HitMaps& MapHitCodes() {
  SharedTables& t = Tabs();
  if (t.HitMapsPending) {
    t.HitMapsPending = false;
    std::string buffer;
    if (ReadWholeFile(kHitMapFile, buffer) && buffer.size() >= kHitRecordSize)
      DecodeHitMaps(buffer, t.Maps);
    else
      ShowMessage(MissingFileText(kHitMapFile));
  }
  return t.Maps;
}

void LoadRegionNames(std::string_view name, ComarcaTable& table, int& count, int width) {
  constexpr int kComarcas = 41;
  const int lastEntry = static_cast<int>(table.name.size()) - 1;
  int lineNumber = 0;
  int entry = kComarcas;
  bool bad = false;
  const bool opened = ForEachRequiredLine(name, [&](std::string_view line) {
    ++lineNumber;
    if (lineNumber <= kComarcas) {
      const auto code = ParseInt(Field(line, 3, 2));
      if (!code || *code < 1 || *code > lastEntry) {
        bad = true;
        return false;
      }
      const auto at = static_cast<std::size_t>(*code);
      table.order[static_cast<std::size_t>(lineNumber)] = *code;
      AssignField(table.name[at], line, 5, width);
      AssignField(table.key[at], line, 1, 2);
      return true;
    }
    if (entry >= lastEntry) return false;
    const auto at = static_cast<std::size_t>(++entry);
    AssignField(table.name[at], line, 3, width + 10);
    AssignField(table.key[at], line, 1, 2);
    return true;
  });
  if (!opened) return;
  // A file of fewer than 41 lines lacks the code of the first missing line.
  if (!bad && lineNumber < kComarcas) {
    bad = true;
    lineNumber = lineNumber + 1;
  }
  if (bad) return ShowMessage("mal " + std::to_string(lineNumber));
  count = entry;
  table.count = entry;
}

void LoadRegionNamesM(std::string_view name, MunicipalityTable& table, int& count, int width) {
  const int capacity = static_cast<int>(table.name.size()) - 1;
  int accepted = 0;
  bool bad = false;
  const bool opened = ForEachRequiredLine(name, [&](std::string_view line) {
    const auto zone = ParseInt(Field(line, 3, 2));
    if (!zone) {
      bad = true;
      return false;
    }
    if (accepted >= capacity) return false;
    const auto at = static_cast<std::size_t>(++accepted);
    table.zone[at] = *zone;
    AssignField(table.name[at], line, 5, width);
    AssignField(table.key[at], line, 1, 2);
    return true;
  });
  if (!opened) return;
  if (bad) return ShowMessage("mal " + std::to_string(accepted));
  const int zones = static_cast<int>(table.ZoneTable.size()) - 1;
  for (int zone = 1; zone <= zones; ++zone) {
    std::size_t slot = 0;
    for (int k = 1; k <= accepted && slot < 3; ++k)
      if (table.zone[static_cast<std::size_t>(k)] == zone) table.ZoneTable[static_cast<std::size_t>(zone)][++slot] = k;
  }
  count = accepted;
  table.count = accepted;
}

void LoadPlaces(std::string_view name, LineTable& names, LineTable& texts, std::array<int, 1101>& codes,
                int& count) {
  int i = 0;
  const bool opened = ForEachRequiredLine(name, [&](std::string_view line) {
    if (i >= kLineTableLines) return false;
    const auto at = static_cast<std::size_t>(++i);
    codes[at] = ParseInt(Field(line, 1, 2)).value_or(0);
    names[at] = Field(line, 3, 35);
    texts[at] = TrimBlanks(Field(line, 38, 100));
    return true;
  });
  if (!opened) return;
  names[0] = name;
  count = i;
}

int DegreeIndex(int code, const std::array<DegreeRecord, kMaxDegrees + 1>& degrees, int degreeCount) {
  const int last = std::min(degreeCount, kMaxDegrees);
  for (int n = 1; n <= last; ++n)
    if (degrees[static_cast<std::size_t>(n)][10] == code) return n;
  return 0;
}

void LoadDoubles(std::string_view name, DoubleDegreeTable& table, int& count,
                 const std::array<DegreeRecord, kMaxDegrees + 1>& degrees, int degreeCount) {
  constexpr std::size_t kGroups = 200;
  constexpr std::size_t kDetails = 50;
  std::size_t group = 0;
  std::size_t details = 0;
  const bool opened = ForEachRequiredLine(name, [&](std::string_view line) {
    if (const auto value = ParseInt(Field(line, 1, 2))) {
      if (*value > 0 && *value < 100) {
        if (group >= kGroups) return false;
        ++group;
        table.groupCode[group] = *value;
        table.groupName[group] = Field(line, 3, 35);
        details = 0;
      }
      return true;
    }
    // A detail line before any header, or beyond a group's capacity, has nowhere to go.
    if (group == 0 || details >= kDetails) return true;
    ++details;
    table.mark[group][details] = 0;
    auto degreeAt = [&](int column, int& target) {
      if (const auto code = ParseInt(Field(line, column, 3)))
        target = DegreeIndex(*code, degrees, degreeCount);
      else
        ShowMessage("ERROR en fichero de dobles");
    };
    degreeAt(5, table.first[group][details]);
    degreeAt(8, table.second[group][details]);
    const std::string_view label = Field(line, 11, 4);
    table.label[group][details] = IsBlankLine(label) ? std::string_view(" -  ") : label;
    table.mark[group][0] = static_cast<int>(details);
    return true;
  });
  if (!opened) return;
  table.groupName[0] = name;
  count = static_cast<int>(group);
  table.count = count;
}

void LoadCommunityTexts(std::string_view name, std::array<FixedString<100>, 21>& texts, int& count) {
  std::size_t i = 0;
  const bool opened = ForEachRequiredLine(name, [&](std::string_view line) {
    if (i + 1 >= texts.size()) return false;
    texts[++i] = TrimBlanks(Field(line, 15, 100));
    return true;
  });
  if (!opened) return;
  count = static_cast<int>(i);
}

bool LoadDegreeLetters(std::string_view name, BinaryTables& tables, int degreeCount) {
  if (!ReadRecordGroups(name, std::as_writable_bytes(std::span(tables.Datcarnue)), kDegreeStringsSize, 2))
    return false;
  const ConstBytes lengths = std::as_bytes(std::span(tables.Datcarn[0]));
  const ConstBytes letters = std::as_bytes(std::span(tables.Datcarnue[1]));
  const int last = std::clamp(degreeCount, 0, kMaxDegrees);
  for (int i = 1; i <= last; ++i) {
    auto& index = tables.DegreeLetters[static_cast<std::size_t>(i)];
    index.fill(0);
    const std::size_t field = static_cast<std::size_t>(i - 1) * kDegreeStringField;
    const std::size_t length = std::min<std::size_t>(std::to_integer<std::size_t>(lengths[field]), kDegreeStringField - 1);
    std::size_t found = 0;
    for (std::size_t c = 1; c <= length && found < 10; ++c) {
      const auto letter = std::to_integer<std::uint8_t>(letters[field + c]);
      const auto end = index.begin() + 1 + static_cast<std::ptrdiff_t>(found);
      if (letter != 0 && std::find(index.begin() + 1, end, letter) == end) index[++found] = letter;
    }
    index[0] = static_cast<std::uint8_t>(found);
  }
  return true;
}

}  // namespace velmora
