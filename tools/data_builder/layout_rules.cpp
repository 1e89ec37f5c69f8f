#include "tools/data_builder/layout_rules.h"

#include <array>
#include <functional>
#include <map>
#include <set>

#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora::tools {
namespace {

using Problems = std::vector<std::string>;
using Lines = std::vector<std::string>;

std::string At(std::size_t line, std::string_view what) { return "line " + std::to_string(line) + ": " + std::string(what); }

void CheckCount(const Lines& lines, std::size_t minimum, std::size_t maximum, Problems& problems) {
  if (lines.size() < minimum) problems.push_back("has " + std::to_string(lines.size()) + " lines, needs at least " + std::to_string(minimum));
  if (lines.size() > maximum) problems.push_back("has " + std::to_string(lines.size()) + " lines, holds at most " + std::to_string(maximum));
}

void CheckWidth(const Lines& lines, std::size_t from, std::size_t to, std::size_t width, Problems& problems) {
  for (std::size_t i = from; i <= std::min(to, lines.size()); ++i)
    if (lines[i - 1].size() > width)
      problems.push_back(At(i, std::to_string(lines[i - 1].size()) + " characters, at most " + std::to_string(width) + " are read"));
}

std::optional<int> CodeAt(const std::string& line, int column, int length) { return ParseInt(Field(line, column, length)); }

void CheckTextos(const Lines& lines, Problems& problems) {
  CheckCount(lines, kTextSlotLines, 1100, problems);
  CheckWidth(lines, 1, lines.size(), 75, problems);
  for (std::size_t i = 1; i <= std::min<std::size_t>(lines.size(), kTextSlotLines); ++i) {
    const auto capacity = static_cast<std::size_t>(TextSlotCapacity(static_cast<int>(i)));
    const std::string_view text = TrimBlanks(lines[i - 1]);
    if (capacity > 0 && text.size() > capacity)
      problems.push_back(At(i, "\"" + std::string(text) + "\" is longer than its slot of " + std::to_string(capacity)));
  }
}

// Two-character codes right-aligned in columns 1-2, text from column 3, within the 60 columns kept.
void CheckCodedLines(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, 600, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
}

void CheckComunida(const Lines& lines, Problems& problems) {
  constexpr std::size_t kCommunities = 19;
  CheckCount(lines, kCommunities, 1100, problems);
  CheckWidth(lines, 1, lines.size(), 55, problems);
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const auto code = CodeAt(lines[i - 1], 1, 2);
    if (i <= kCommunities && (!code || *code < 1 || *code > 64)) problems.push_back(At(i, "place base must be 1..64"));
    if (i > kCommunities && (!code || *code < 1 || *code > static_cast<int>(kCommunities)))
      problems.push_back(At(i, "community number must be 1..19"));
  }
}

void CheckComarcas(const Lines& lines, Problems& problems) {
  constexpr std::size_t kComarcas = 41;
  CheckCount(lines, kComarcas, 60, problems);
  CheckWidth(lines, 1, kComarcas, 24, problems);
  CheckWidth(lines, kComarcas + 1, lines.size(), 32, problems);
  std::set<int> codes;
  std::set<std::string> keys;
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    if (!keys.insert(std::string(Field(lines[i - 1], 1, 2))).second) problems.push_back(At(i, "key used twice"));
    if (i > kComarcas) continue;
    const auto code = CodeAt(lines[i - 1], 3, 2);
    if (!code || *code < 1 || *code > static_cast<int>(kComarcas) || !codes.insert(*code).second)
      problems.push_back(At(i, "comarca code must be 1..41, each once"));
  }
}

void CheckComarcasm(const Lines& lines, Problems& problems) {
  CheckCount(lines, 28, 100, problems);
  CheckWidth(lines, 1, lines.size(), 29, problems);
  std::map<int, int> perZone;
  std::set<std::string> keys;
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    if (!keys.insert(std::string(Field(lines[i - 1], 1, 2))).second) problems.push_back(At(i, "key used twice"));
    const auto zone = CodeAt(lines[i - 1], 3, 2);
    if (!zone || *zone < 1 || *zone > 28) problems.push_back(At(i, "zone must be 1..28"));
    else if (++perZone[*zone] > 3) problems.push_back(At(i, "a zone holds at most three municipalities"));
  }
  if (perZone.size() != 28 && problems.empty()) problems.push_back("every zone 1..28 needs a municipality");
}

const std::map<std::string, std::function<void(const Lines&, Problems&)>, std::less<>>& Rules() {
  static const std::map<std::string, std::function<void(const Lines&, Problems&)>, std::less<>> rules = {
      {"textos", CheckTextos},      {"informa_l", CheckCodedLines}, {"materias_l", CheckCodedLines},
      {"comunida", CheckComunida},  {"comarcas", CheckComarcas},    {"comarcasm", CheckComarcasm},
  };
  return rules;
}

}  // namespace

std::vector<std::string> CheckLayout(std::string_view name, const std::vector<std::string>& lines) {
  Problems problems;
  // Language files share their rules across the four language folders.
  const std::string_view base = name.substr(name.find_last_of('/') + 1);
  if (const auto rule = Rules().find(base); rule != Rules().end()) rule->second(lines, problems);
  return problems;
}

}  // namespace velmora::tools
