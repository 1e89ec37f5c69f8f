#include "tools/data_builder/layout_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <map>
#include <set>

#include "core/text_helpers.h"
#include "core/text_table.h"
#include "guidance/itineraries_codes.h"
#include "guidance/lomce_codes.h"

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

// The codes written as the education-system diagram matches them: right-aligned in columns 1-2.
std::set<int> LineCodes(const Lines& lines, std::size_t first) {
  std::set<int> codes;
  for (std::size_t i = first; i <= lines.size(); ++i) {
    const std::string_view field = Field(lines[i - 1], 1, 2);
    const auto code = ParseInt(field);
    if (code && *code >= 0 && field == (*code < 10 ? " " : "") + std::to_string(*code)) codes.insert(*code);
  }
  return codes;
}

// "informa_l": lines 1-53 hold the diagram's hints and captions from column 4 and no code; every
// explanation, section and calendar cell the diagram shows must be there.
void CheckInformaL(const Lines& lines, Problems& problems) {
  CheckCodedLines(lines, problems);
  CheckCount(lines, lomce::kRoleLines, 600, problems);
  for (std::size_t i = 1; i <= std::min<std::size_t>(lines.size(), lomce::kRoleLines); ++i) {
    if (!IsBlankLine(Field(lines[i - 1], 1, 2)) || IsBlankLine(Field(lines[i - 1], 4, 57)))
      problems.push_back(At(i, "a hint or caption of the education-system diagram: columns 1-3 blank, the text from column 4"));
  }
  const std::set<int> codes = LineCodes(lines, lomce::kRoleLines + 1);
  for (int code = 0; code <= 99; ++code)
    if (lomce::IsInformaLCode(code) && !codes.contains(code))
      problems.push_back("lacks code " + std::to_string(code) + ", which the education-system diagram shows");
  std::set<int> cells;
  for (std::size_t i = lomce::kRoleLines + 1; i <= lines.size(); ++i) {
    const auto code = CodeAt(lines[i - 1], 1, 2);
    if (code && *code >= lomce::kFirstCalendarCode && *code <= lomce::kLastCalendarCode && !cells.insert(*code).second)
      problems.push_back(At(i, "a second line for calendar cell " + std::to_string(*code)));
  }
}

// "materias_l": every subject group a button of the education-system diagram lists.
void CheckMateriasL(const Lines& lines, Problems& problems) {
  CheckCodedLines(lines, problems);
  const std::set<int> codes = LineCodes(lines, 1);
  for (int code = 0; code <= 99; ++code)
    if (lomce::IsSubjectCode(code) && !codes.contains(code))
      problems.push_back("lacks subject group " + std::to_string(code) + ", which the education-system diagram lists");
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

// Vocational title files. Every line of "fp", "fp2" and the FP Básica titles owns a block of
// its "asigna" file, and the block tables hold 170 blocks.
constexpr std::size_t kBlockLines = 26;  // a title line, then 25 content lines
constexpr std::size_t kTitleBlocks = 170;
constexpr std::string_view kFamilyKeys = "123456789ABCDEFGHIJKLMNOPQ";

bool IsFamilyKey(char c) { return kFamilyKeys.find(c) != std::string_view::npos; }

// Lines 1-26 the professional families by key, an empty line 27 that ends the family chart,
// then the nine middle-grade groups (30-38) and the nine higher-grade groups (40-48).
void CheckFamilias(const Lines& lines, Problems& problems) {
  CheckCount(lines, 48, 1100, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  for (std::size_t i = 1; i <= std::min(lines.size(), kFamilyKeys.size()); ++i) {
    const std::string& line = lines[i - 1];
    if (line.empty() || line[0] != kFamilyKeys[i - 1] || IsBlankLine(Field(line, 2, 60)))
      problems.push_back(At(i, std::string("must be key ") + kFamilyKeys[i - 1] + " followed by the family name"));
  }
  if (lines.size() >= 27 && !IsBlankLine(lines[26])) problems.push_back(At(27, "must be empty: it ends the family chart"));
  for (const std::size_t first : {std::size_t{30}, std::size_t{40}}) {
    for (std::size_t i = first; i < first + 9 && i <= lines.size(); ++i) {
      const std::string& line = lines[i - 1];
      for (const int column : {1, 3, 5}) {
        const auto number = CodeAt(line, column, 2);
        if (!number || *number < 0) problems.push_back(At(i, "columns 1-6 hold three family numbers, 0 for none"));
      }
      if (IsBlankLine(Field(line, 7, 54))) problems.push_back(At(i, "a family group needs its name from column 7"));
    }
  }
}

// "fp" and "fp2": family headers "-" + name, each followed by its titles; the further
// families close the file and all begin "-|". No empty line: the title chart stops there.
void CheckTitleFile(const Lines& lines, Problems& problems) {
  CheckCount(lines, 2, kTitleBlocks, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  bool further = false;
  std::size_t header = 0;  // line of the header still waiting for a title
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string& line = lines[i - 1];
    if (IsBlankLine(line)) {
      problems.push_back(At(i, "empty line"));
    } else if (line[0] == '-') {
      if (header != 0) problems.push_back(At(header, "family without titles"));
      header = i;
      if (line.size() > 1 && line[1] == '|') further = true;
      else if (further) problems.push_back(At(i, "every family after the first further one begins \"-|\""));
    } else {
      if (i == 1) problems.push_back(At(i, "the file starts with a family header"));
      header = 0;
    }
  }
  if (header != 0) problems.push_back(At(header, "family without titles"));
}

// "fpba": nine family lines (classes in columns 1-3, a leading "0" searches by place, the
// name from column 5), then titles keyed by their professional family; "-" names are headings.
void CheckFpba(const Lines& lines, Problems& problems) {
  constexpr std::size_t kFamilies = 9;
  constexpr int kHeadings = 25;
  CheckCount(lines, kFamilies + 1, kFamilies + kTitleBlocks, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  int headings = 0;
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string& line = lines[i - 1];
    if (i <= kFamilies) {
      const std::string_view classes = TrimBlanks(Field(line, 1, 3));
      const bool byPlace = !classes.empty() && classes[0] == '0';
      if (classes.empty() || (!byPlace && !std::all_of(classes.begin(), classes.end(), IsFamilyKey)))
        problems.push_back(At(i, "columns 1-3 hold family keys, or \"0\" for the search by place"));
      if (IsBlankLine(Field(line, 5, 56))) problems.push_back(At(i, "the family name starts in column 5"));
      continue;
    }
    if (line.empty() || !IsFamilyKey(line[0])) problems.push_back(At(i, "column 1 is the key of a professional family"));
    if (IsBlankLine(Field(line, 2, 59))) problems.push_back(At(i, "a title needs a name"));
    if (line.size() > 1 && line[1] == '-' && ++headings > kHeadings) problems.push_back(At(i, "at most 25 headings"));
  }
}

// "certifica": nine family lines (up to eight area-group characters in columns 1-8, the name
// from column 9), then each area heading ("-" in column 2) directly before its certificates.
// An area is all the entries of its character, so each character heads one area only.
void CheckCertifica(const Lines& lines, Problems& problems) {
  constexpr std::size_t kFamilies = 9;
  constexpr std::size_t kEntries = 255;
  CheckCount(lines, kFamilies + 1, kFamilies + kEntries, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  std::set<char> headed;
  char area = 0;  // the character of the area being listed
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string& line = lines[i - 1];
    if (i <= kFamilies) {
      const std::string_view key = TrimBlanks(Field(line, 1, 8));
      if (key.empty() || !std::all_of(key.begin(), key.end(), IsFamilyKey))
        problems.push_back(At(i, "columns 1-8 hold the keys of the family's area groups"));
      if (IsBlankLine(Field(line, 9, 52))) problems.push_back(At(i, "the family name starts in column 9"));
      continue;
    }
    if (line.empty() || !IsFamilyKey(line[0])) problems.push_back(At(i, "column 1 is the key of a professional family"));
    if (IsBlankLine(Field(line, 2, 59))) problems.push_back(At(i, "an entry needs a name"));
    if (line.empty()) continue;
    if (line.size() > 1 && line[1] == '-') {
      if (!headed.insert(line[0]).second) problems.push_back(At(i, "a second heading for the same area group"));
      area = line[0];
    } else if (line[0] != area) {
      problems.push_back(At(i, "a certificate stands right after its area heading or another of its area"));
    }
  }
}

// "certificah": nine access levels (character, text in columns 2-29), then a line per certifica
// entry: up to three level characters, the hours in columns 4-6 and the description from column
// 8; an area heading's line leaves columns 1-6 blank.
void CheckCertificah(const Lines& lines, Problems& problems) {
  constexpr std::size_t kLevels = 9;
  CheckCount(lines, kLevels + 1, 250, problems);
  CheckWidth(lines, 1, kLevels, 29, problems);
  CheckWidth(lines, kLevels + 1, lines.size(), 90, problems);
  std::set<char> levels;
  for (std::size_t i = 1; i <= std::min(lines.size(), kLevels); ++i) {
    const std::string& line = lines[i - 1];
    if (line.size() < 2 || line[0] == ' ' || !levels.insert(line[0]).second)
      problems.push_back(At(i, "an access level starts with its own character, then its text"));
  }
  for (std::size_t i = kLevels + 1; i <= lines.size(); ++i) {
    const std::string& line = lines[i - 1];
    if (IsBlankLine(Field(line, 1, 6))) continue;
    const std::string_view given = TrimBlanks(Field(line, 1, 3));
    if (given.empty() || !std::all_of(given.begin(), given.end(), [&](char c) { return c == ' ' || levels.contains(c); }))
      problems.push_back(At(i, "columns 1-3 hold access level characters"));
    const auto hours = CodeAt(line, 4, 3);
    if (!hours || *hours <= 0) problems.push_back(At(i, "columns 4-6 hold the hours"));
    if (IsBlankLine(Field(line, 8, 83))) problems.push_back(At(i, "the description starts in column 8"));
  }
}

// "asignafp", "asignagm", "asignaba": whole blocks of a title line and 25 content lines.
void CheckBlockFile(const Lines& lines, Problems& problems) {
  CheckCount(lines, kBlockLines, kBlockLines * kTitleBlocks, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  if (lines.size() % kBlockLines != 0)
    problems.push_back("has " + std::to_string(lines.size()) + " lines, not whole blocks of 26");
}

// "informa": two-digit section codes in columns 1-2, text in columns 3-60.
void CheckInforma(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, 1100, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  std::set<std::string> codes;
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    if (!CodeAt(lines[i - 1], 1, 2)) problems.push_back(At(i, "columns 1-2 hold the section code"));
    codes.insert(std::string(Field(lines[i - 1], 1, 2)));
  }
  // Every section a node of the itineraries diagram or one of its print sheets shows.
  std::set<std::string> wanted;
  for (const itineraries::ButtonCode& button : itineraries::kSectionButtons) wanted.emplace(button.code);
  for (const itineraries::SheetCodes& sheet : itineraries::kSheets) wanted.emplace(sheet.sections);
  for (const std::string_view section : itineraries::kSheet7Sections) wanted.emplace(section);
  wanted.erase("99");  // the certificates' lines come from the text table
  for (const std::string& code : wanted)
    if (!codes.contains(code)) problems.push_back("lacks section " + code + ", which the itineraries diagram shows");
}

// "materias": a course digit, a block digit, the subject. Every subject list of the itineraries
// diagram finds subjects in each of its passes.
void CheckMaterias(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, 1100, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  std::set<std::string> blocks;
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string_view key = Field(lines[i - 1], 1, 2);
    if (key.size() < 2 || !std::isdigit(static_cast<unsigned char>(key[0])) || !std::isdigit(static_cast<unsigned char>(key[1])))
      problems.push_back(At(i, "columns 1-2 hold the course and block digits"));
    blocks.emplace(key);
  }
  const auto listed = [&blocks](char course, std::string_view digits) {
    return std::ranges::any_of(digits, [&](char block) { return blocks.contains(std::string{course, block}); });
  };
  std::set<std::string_view> codes;
  for (const itineraries::ButtonCode& button : itineraries::kSubjectButtons) codes.insert(button.code);
  for (const itineraries::SheetCodes& sheet : itineraries::kSheets) codes.insert({sheet.first, sheet.second});
  for (const std::string_view code : codes)
    if (!listed(code[0], code.substr(1, 2)) || (code.size() == 7 && !listed(code[3], code.substr(4, 3))))
      problems.push_back("lists nothing for subject code " + std::string(code) + ", which the itineraries diagram shows");
}

// "fps": branch flags in columns 1-7 (digit n in column n; 7 for Artes), the family from column 8.
void CheckFps(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, 1100, problems);
  CheckWidth(lines, 1, lines.size(), 50, problems);
  std::set<int> branches;
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string_view flags = Field(lines[i - 1], 1, 7);
    for (std::size_t column = 1; column <= flags.size(); ++column) {
      const char c = flags[column - 1];
      if (c == ' ') continue;
      if (c != static_cast<char>('0' + column)) problems.push_back(At(i, "column " + std::to_string(column) + " holds its own digit or a blank"));
      else branches.insert(static_cast<int>(column));
    }
    if (IsBlankLine(Field(lines[i - 1], 8, 43))) problems.push_back(At(i, "the family's name starts in column 8"));
  }
  for (int branch = 0; branch < itineraries::kBranches; ++branch)
    if (!branches.contains(branch == 0 ? 7 : branch))
      problems.push_back("no family for branch " + std::to_string(branch) + " of the itineraries diagram");
}

void CheckReqfp(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, 1100, problems);
  CheckWidth(lines, 1, lines.size(), 55, problems);
}

// Line files read into tables of a fixed number of lines and characters.
template <std::size_t MaxLines, std::size_t Width>
void CheckPlainLines(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, MaxLines, problems);
  CheckWidth(lines, 1, lines.size(), Width, problems);
}

// "activida": a four-character code, a blank, the name; at most 30 activities.
void CheckActivida(const Lines& lines, Problems& problems) {
  CheckCount(lines, 24, 30, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  std::set<std::string> codes;
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string& line = lines[i - 1];
    if (line.size() < 6 || line[4] != ' ' || IsBlankLine(Field(line, 1, 4)) || IsBlankLine(Field(line, 6, 55)))
      problems.push_back(At(i, "columns 1-4 hold the code, column 5 a blank, the name starts in column 6"));
    else if (!codes.insert(std::string(Field(line, 1, 4))).second)
      problems.push_back(At(i, "activity code used twice"));
  }
}

// A code field of four columns: four characters without blanks, or four blanks where allowed.
bool IsCodeField(std::string_view field, bool blankAllowed) {
  if (field.size() != 4) return false;
  if (IsBlankLine(field)) return blankAllowed;
  return field.find(' ') == std::string_view::npos;
}

// A statement number right-aligned in three columns; blanks read as none.
bool IsStatementField(std::string_view field) {
  const std::string_view number = TrimBothBlanks(field);
  return number.empty() || (std::ranges::all_of(number, [](char c) { return c >= '0' && c <= '9'; }) &&
                            field.substr(field.size() - number.size()) == number);
}

// Activity codes in columns 1-4 and 6-9 (the second may be blank) and a text of the given
// length from column 11, the layout profesio and fracortas share.
bool HasCodesAndText(const std::string& line, int textLength) {
  return line[4] == ' ' && line[9] == ' ' && IsCodeField(Field(line, 1, 4), false) && IsCodeField(Field(line, 6, 4), true) &&
         !IsBlankLine(Field(line, 11, textLength));
}

// "profesio": two activity codes in columns 1-4 and 6-9, the name in columns 11-50, then the
// numbers of two linked short statements in columns 51-53 and 54-56.
void CheckProfesio(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, 250, problems);
  CheckWidth(lines, 1, lines.size(), 56, problems);
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string line = lines[i - 1] + std::string(56, ' ');
    if (!HasCodesAndText(line, 40))
      problems.push_back(At(i, "codes in columns 1-4 and 6-9, the name in columns 11-50"));
    else if (!IsStatementField(Field(line, 51, 3)) || !IsStatementField(Field(line, 54, 3)))
      problems.push_back(At(i, "the linked statements are numbers right-aligned in columns 51-53 and 54-56"));
  }
}

// "cuesgm": eleven area lines, then the statements: area digits in columns 1 and 2 (the second
// 0 for none), the text in columns 3-72.
void CheckCuesgm(const Lines& lines, Problems& problems) {
  constexpr std::size_t kAreas = 11, kStatements = 100;
  CheckCount(lines, kAreas + 1, kAreas + kStatements, problems);
  CheckWidth(lines, 1, lines.size(), 72, problems);
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string& line = lines[i - 1];
    if (i <= kAreas) {
      if (IsBlankLine(line)) problems.push_back(At(i, "an area line needs its text"));
      continue;
    }
    const bool digits = line.size() > 2 && line[0] >= '1' && line[0] <= '9' && line[1] >= '0' && line[1] <= '9';
    if (!digits || IsBlankLine(Field(line, 3, 70)))
      problems.push_back(At(i, "area 1-9 in column 1, a second area 0-9 in column 2, the statement from column 3"));
    else if (line[0] == line[1])
      problems.push_back(At(i, "the second area repeats the first"));
  }
}

// "fralargas": the statement in columns 1-115, then up to four activity codes at 116, 121,
// 126 and 131, the first one required.
void CheckFralargas(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, 20, problems);
  CheckWidth(lines, 1, lines.size(), 134, problems);
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string line = lines[i - 1] + std::string(134, ' ');
    bool codes = IsCodeField(Field(line, 116, 4), false);
    for (const int column : {121, 126, 131}) codes = codes && IsCodeField(Field(line, column, 4), true) && line[static_cast<std::size_t>(column - 2)] == ' ';
    if (IsBlankLine(Field(line, 1, 115)) || !codes)
      problems.push_back(At(i, "the statement in columns 1-115, activity codes at columns 116, 121, 126 and 131"));
  }
}

// "fracortas": activity codes in columns 1-4 and 6-9 (the second may be blank), the text in 11-70.
void CheckFracortas(const Lines& lines, Problems& problems) {
  CheckCount(lines, 1, 120, problems);
  CheckWidth(lines, 1, lines.size(), 70, problems);
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string line = lines[i - 1] + std::string(70, ' ');
    if (!HasCodesAndText(line, 60))
      problems.push_back(At(i, "codes in columns 1-4 and 6-9, the statement in columns 11-70"));
  }
}

// "asignaot": whole blocks of a title line and 50 content lines.
void CheckFiftyBlockFile(const Lines& lines, Problems& problems) {
  constexpr std::size_t kFiftyBlockLines = 51;
  CheckCount(lines, kFiftyBlockLines, kFiftyBlockLines * 50, problems);
  CheckWidth(lines, 1, lines.size(), 60, problems);
  if (lines.size() % kFiftyBlockLines != 0)
    problems.push_back("has " + std::to_string(lines.size()) + " lines, not whole blocks of 51");
}

// "comuint": a line per community, the web text in columns 15-114.
void CheckComuint(const Lines& lines, Problems& problems) {
  CheckCount(lines, 19, 20, problems);
  CheckWidth(lines, 1, lines.size(), 114, problems);
  for (std::size_t i = 1; i <= lines.size(); ++i)
    if (IsBlankLine(Field(lines[i - 1], 15, 100))) problems.push_back(At(i, "the web address starts in column 15"));
}

// "cuestion": the weight class and the kind of answer, one digit each, then the statement.
// Questions 1..35 are the short test; a kind-6 row cannot be answered, so it is a heading
// and belongs after them.
void CheckCuestion(const Lines& lines, Problems& problems) {
  constexpr std::size_t kFirstPart = 35;
  CheckCount(lines, kFirstPart, 255, problems);  // the group file names questions in one byte
  CheckWidth(lines, 1, lines.size(), 50, problems);
  for (std::size_t i = 1; i <= lines.size(); ++i) {
    const std::string& line = lines[i - 1];
    const auto weight = CodeAt(line, 1, 1), kind = CodeAt(line, 2, 1);
    if (!kind || *kind < 2 || *kind > 6) {
      problems.push_back(At(i, "column 2 must be the kind of answer, 2..6"));
      continue;
    }
    if (IsBlankLine(Field(line, 3, 48))) problems.push_back(At(i, "the statement starts in column 3"));
    if (*kind == 6) {
      if (i <= kFirstPart) problems.push_back(At(i, "a heading (kind 6) cannot be one of the first 35 questions"));
      continue;
    }
    const bool fiveAnswers = *kind == 5;
    const bool scored = weight && (fiveAnswers ? (*weight == 8 || *weight == 9)
                                               : (*weight >= 2 && *weight <= 5) || (*kind == 2 && (*weight == 8 || *weight == 9)));
    if (!scored)
      problems.push_back(At(i, fiveAnswers ? "a five-answer question takes class 8 or 9"
                                           : "the class must let the top answer earn the maximum: 2..5 (or 8, 9 with two answers)"));
  }
}

const std::map<std::string, std::function<void(const Lines&, Problems&)>, std::less<>>& Rules() {
  static const std::map<std::string, std::function<void(const Lines&, Problems&)>, std::less<>> rules = {
      {"textos", CheckTextos},      {"informa_l", CheckInformaL},   {"materias_l", CheckMateriasL},
      {"comunida", CheckComunida},  {"comarcas", CheckComarcas},    {"comarcasm", CheckComarcasm},
      {"familias", CheckFamilias},  {"fp", CheckTitleFile},         {"fp2", CheckTitleFile},
      {"fpba", CheckFpba},          {"asignafp", CheckBlockFile},   {"asignagm", CheckBlockFile},
      {"asignaba", CheckBlockFile}, {"informa", CheckInforma},      {"reqfp", CheckReqfp},
      // Degree names are shown in 55 columns beside a university's cut-off mark.
      {"carreran", CheckPlainLines<350, 55>},  {"carreranb", CheckPlainLines<100, 60>},
      {"materiasp", CheckPlainLines<100, 70>}, {"otros", CheckPlainLines<1100, 55>},
      {"itinerar", CheckPlainLines<1100, 54>}, {"activida", CheckActivida},
      {"profesio", CheckProfesio},             {"asignaot", CheckFiftyBlockFile},
      {"comuint", CheckComuint},               {"certifica", CheckCertifica},
      {"certificah", CheckCertificah},         {"cuestion", CheckCuestion},
      {"materias", CheckMaterias},             {"fps", CheckFps},
      {"cualidad", CheckPlainLines<1100, 60>}, {"interes", CheckPlainLines<1100, 60>},
      {"cuesgm", CheckCuesgm},                 {"fralargas", CheckFralargas},
      {"fracortas", CheckFracortas},
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
