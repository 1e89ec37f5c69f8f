#include "tools/offer_maker/offer_sources.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace velmora::tools {

namespace {

std::string TrimRight(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  return text;
}

bool IsCatalanArea(char area) { return (area >= '5' && area <= '9') || area == 'A'; }
bool IsMadridArea(char area) { return area == '8' || area == '9' || (area >= 'A' && area <= 'C') || area == 'H'; }

}  // namespace

std::string SourceProblem::Text() const {
  return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

CsvTable ParseCsv(std::string_view text, const std::string& file, std::vector<SourceProblem>& problems) {
  CsvTable table;
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    // A field may be quoted to hold commas (title names do); "" inside quotes is one quote.
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"' && (quoted || fields.back().empty())) {
        quoted = !quoted;
      } else if (c == ',' && !quoted) {
        fields.emplace_back();
      } else {
        fields.back() += c;
      }
    }
    if (quoted) {
      problems.push_back({file, number, "a quote is not closed"});
      continue;
    }
    if (table.header.empty()) {
      table.header = fields;
    } else if (fields.size() != table.header.size()) {
      problems.push_back({file, number, "expected " + std::to_string(table.header.size()) + " fields, found " +
                                            std::to_string(fields.size())});
    } else {
      table.rows.push_back({number, fields});
    }
  }
  if (table.header.empty()) problems.push_back({file, 0, "no header line"});
  return table;
}

std::optional<Grade> GradeFromName(std::string_view name) {
  if (name == "GM") return Grade::Middle;
  if (name == "GS") return Grade::Higher;
  if (name == "FPB") return Grade::Basic;
  return std::nullopt;
}

std::string_view TitleFileName(Grade grade) {
  switch (grade) {
    case Grade::Middle: return "fp2";
    case Grade::Higher: return "fp";
    case Grade::Basic: return "fpba";
  }
  return "";
}

std::string_view OfferFileName(Grade grade) {
  switch (grade) {
    case Grade::Middle: return "datluggm";
    case Grade::Higher: return "datluggs";
    case Grade::Basic: return "datlugbas";
  }
  return "";
}

bool IsWidePlace(int file, char area) {
  // Not Madrid's districts (2H): only FP Básica lists them as towns, and it reads them 17 wide; the
  // other grades reach them through the zone map.
  static constexpr std::string_view kWide[] = {"1J", "2G", "3G", "3E", "41", "45", "4A"};
  const std::string code{static_cast<char>('0' + file), area};
  return std::find(std::begin(kWide), std::end(kWide), code) != std::end(kWide);
}

bool NeedsKey(int file, char area) {
  return (file == 4 && IsCatalanArea(area)) || (file == 2 && IsMadridArea(area));
}

char ReadArea(int file, char area) {
  if (file == 4 && area == 'A') return '5';
  if (file == 2 && area == 'H') return '8';
  return area;
}

std::optional<std::string> LayOutCentre(const Centre& centre, std::string& problem) {
  if (centre.file < 1 || centre.file > kCentreFiles) {
    problem = "the centre file must be 1 to 4";
    return std::nullopt;
  }
  if (!std::isalnum(static_cast<unsigned char>(centre.area))) {
    problem = "the area must be one letter or digit";
    return std::nullopt;
  }
  const bool keyed = NeedsKey(centre.file, centre.area);
  if (keyed && (centre.key.size() != 2 || centre.key[0] != ReadArea(centre.file, centre.area) || centre.key[1] == ' ')) {
    problem = std::string("this area needs a key of two characters starting with ") + ReadArea(centre.file, centre.area);
    return std::nullopt;
  }
  if (!keyed && !centre.key.empty()) {
    problem = "only Catalan lines of lu4 and Madrid lines of lu2 carry a key";
    return std::nullopt;
  }
  // The town column is padded so that the centres of one town share its characters; a blank
  // at its end always parts the town from the centre's name.
  const std::size_t townWidth = IsWidePlace(centre.file, centre.area) ? kWideTownWidth : kTownWidth;
  if (centre.town.empty() || centre.town.size() >= townWidth) {
    problem = "the town name must have 1 to " + std::to_string(townWidth - 1) + " characters";
    return std::nullopt;
  }
  std::string text = centre.town + std::string(townWidth - centre.town.size(), ' ') + centre.name;
  // The last column stays blank (or holds the key) so that a printed line, which runs the
  // telephone straight after it, never glues the name to the number.
  const std::size_t textWidth = kCentreTextWidth - 1;
  if (centre.name.empty() || text.size() > textWidth) {
    problem = "the centre name must have 1 to " + std::to_string(textWidth - townWidth) + " characters here";
    return std::nullopt;
  }
  text.resize(textWidth, ' ');
  text += keyed ? centre.key[1] : ' ';
  if (centre.phone.size() != kPhoneWidth ||
      !std::all_of(centre.phone.begin(), centre.phone.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    problem = "the telephone must be 9 digits";
    return std::nullopt;
  }
  return std::string(1, centre.area) + text + centre.phone;
}

std::vector<std::string> CheckFileOrder(int file, const std::vector<const Centre*>& lines, int& problemLine) {
  std::vector<std::string> problems;
  auto report = [&](const Centre* centre, std::string message) {
    problemLine = centre->sourceLine;
    problems.push_back(std::move(message));
  };
  if (file == 4) {
    const Centre* first = nullptr;
    for (const Centre* centre : lines) {
      const bool catalan = IsCatalanArea(centre->area);
      if (!first && catalan) {
        first = centre;
        if (ReadArea(4, centre->area) != '5') report(centre, "the first Catalan line of lu4 must be of area 5 or A");
      } else if (first && !catalan) {
        report(centre, "lines of lu4 after the first Catalan line must all be Catalan");
      }
      if (!problems.empty()) break;
    }
  } else if (file == 2) {
    std::size_t begin = lines.size(), end = lines.size();
    for (std::size_t i = 0; i < lines.size() && problems.empty(); ++i) {
      const Centre* centre = lines[i];
      const bool madrid = IsMadridArea(centre->area);
      if (madrid && begin == lines.size()) {
        begin = i;
        if (ReadArea(2, centre->area) != '8') report(centre, "the Madrid block of lu2 must start with a line of area 8 or H");
      } else if (madrid && end != lines.size()) {
        report(centre, "the Madrid lines of lu2 must form one block");
      } else if (!madrid && begin != lines.size() && end == lines.size()) {
        end = i;
        if (centre->area != 'D') report(centre, "the Madrid block of lu2 must be followed at once by a line of area D");
      } else if (centre->area == 'D' && begin == lines.size()) {
        report(centre, "no line of area D may come before the Madrid block of lu2");
      }
    }
    if (problems.empty() && begin != lines.size() && end == lines.size())
      report(lines.back(), "the Madrid block of lu2 must be followed at once by a line of area D");
  }
  return problems;
}

std::map<std::string, int> IndexTitles(Grade grade, const std::vector<std::string>& lines) {
  std::map<std::string, int> index;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    std::string name;
    if (grade == Grade::Basic) {
      if (number <= 9 || lines[i].size() < 2) continue;
      name = TrimRight(lines[i].substr(1));
      if (!name.empty() && name[0] == '-') continue;
      index.emplace(name, number - 9);
    } else {
      name = TrimRight(lines[i]);
      if (name.empty() || name[0] == '-') continue;
      index.emplace(name, number);
    }
  }
  return index;
}

std::vector<std::string> ReachableComarcaKeys(const std::vector<std::string>& comarcasLines) {
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < comarcasLines.size(); ++i) {
    const std::string& line = comarcasLines[i];
    if (line.size() < 2) continue;
    if (i < 41) {
      if (line.substr(2, 2) != "37") keys.push_back(line.substr(0, 2));
    } else if (i != 41 + 4) {
      keys.push_back(line.substr(0, 2));
    }
  }
  return keys;
}

std::vector<std::string> ReachableZoneKeys(const std::vector<std::string>& comarcasmLines) {
  std::vector<std::string> keys;
  std::set<std::string> zones;
  for (const std::string& line : comarcasmLines) {
    if (line.size() < 4) continue;
    if (zones.insert(line.substr(2, 2)).second) keys.push_back(line.substr(0, 2));
  }
  return keys;
}

std::string EncodeOffers(const OfferLists& offers) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(kCentreFiles) * kCentreCapacity * kEntryIntegers * 4);
  auto put = [&bytes](std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
  };
  for (const auto& block : offers) {
    for (int j = 0; j < kCentreCapacity; ++j) {
      std::array<std::int32_t, kEntryIntegers> entry{};
      if (j < static_cast<int>(block.size())) {
        const auto& titles = block[static_cast<std::size_t>(j)];
        const int count = std::min<int>(static_cast<int>(titles.size()), kOfferTitles);
        entry[0] = count;
        for (int t = 0; t < count; ++t) entry[static_cast<std::size_t>(t) + 1] = titles[static_cast<std::size_t>(t)];
      }
      for (std::int32_t value : entry) put(value);
    }
  }
  return bytes;
}

}  // namespace velmora::tools
