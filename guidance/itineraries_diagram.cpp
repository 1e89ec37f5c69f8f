#include "guidance/itineraries_diagram.h"

#include <algorithm>
#include <cmath>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "guidance/itineraries_codes.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

std::string Text(int line) { return std::string(TextLine(line)); }
std::string Chars(int line, int from, int count) { return std::string(Field(TextLine(line), from, count)); }

std::string_view Record(const LineTable& table, int count, int line) {
  if (line < 1 || line > count || line > kLineTableLines) return {};
  return table[static_cast<std::size_t>(line)].view();
}

DiagramLine Vertical(int x, int top = 55) { return {LinePoint(x, top), LinePoint(x, 440), true}; }

// The plain texts steps 2 and 3 both write.
std::vector<DiagramText> BachilleratoTexts() {
  return {{TextStyle::Plain, Text(88), 30, 38, 3, 5}, {TextStyle::Plain, Text(97), 31, 38, 9, 0}, {TextStyle::Plain, Text(98), 33, 39, 3, 0}};
}

// Hint texts of the buttons as text table lines; 0 an empty text, -1 button 40's own text.
constexpr std::array<std::array<int, 3>, kNodeButtons + 1> kHints = {{
    {0, 0, 0},       {83, 85, 106},   {83, 107, 92},   {200, 107, 92},  {111, 107, 92},  {83, 107, 97},
    {83, 99, 100},   {200, 107, 97},  {200, 99, 100},  {111, 107, 97},  {111, 99, 100},  {83, 99, 104},
    {83, 99, 112},   {200, 99, 104},  {200, 99, 112},  {111, 99, 104},  {111, 99, 112},  {83, 113, 0},
    {83, 107, 99},   {108, 99, 0},    {200, 107, 99},  {85, 106, 113},  {111, 107, 99},  {108, 92, 0},
    {108, 97, 0},    {87, 92, 0},     {108, 99, 100},  {87, 97, 0},     {87, 99, 100},   {87, 99, 104},
    {87, 99, 112},   {86, 99, 112},   {87, 99, 0},     {86, 0, 92},     {86, 0, 97},     {86, 99, 100},
    {86, 0, 99},     {86, 99, 0},     {85, 106, 113},  {114, 115, 88},  {114, -1, 106},  {118, 107, 102},
    {121, 107, 0},   {118, 107, 101}, {587, 588, 0},   {555, 0, 0},     {119, 120, 0},   {85, 106, 113},
    {119, 120, 0},   {108, 99, 104},  {108, 99, 112},
}};

using itineraries::kSectionButtons;
using itineraries::kSheets;
using itineraries::kSubjectButtons;

std::string Dashes() { return std::string(5, ' ') + std::string(18, '-'); }

}  // namespace

// ---- Geometry ---------------------------------------------------------------------------------

int GridX(int column) { return 10 * column + 40; }
int GridY(int row) { return 15 * (row - 1); }
PixelPoint LinePoint(int x, int y) { return {static_cast<int>(std::lround(1.25 * x)) + 48, y + 50}; }

const std::array<GridPoint, kDiagramNodes>& DiagramNodes() {
  static const std::array<GridPoint, kDiagramNodes> nodes = {{
      {7, 75},  {7, 32},  {10, 32}, {13, 32}, {7, 38},  {7, 44},  {10, 38}, {10, 44}, {13, 38}, {13, 44}, {7, 52},
      {7, 58},  {10, 52}, {10, 58}, {13, 52}, {13, 58}, {15, 72}, {7, 64},  {22, 64}, {10, 64}, {18, 72}, {13, 64},
      {22, 32}, {22, 38}, {17, 32}, {22, 44}, {17, 38}, {17, 44}, {17, 52}, {17, 58}, {27, 58}, {17, 64}, {27, 32},
      {27, 38}, {27, 44}, {27, 52}, {27, 64}, {27, 72}, {35, 48}, {35, 72}, {37, 41}, {23, 48}, {37, 55}, {22, 80},
      {41, 67}, {37, 75}, {22, 72}, {41, 75}, {22, 52}, {22, 58}, {13, 48},
  }};
  return nodes;
}

const std::array<GridBox, 13>& DiagramBoxes() {
  static const std::array<GridBox, 13> boxes = {{
      {1, 31, 4, 77},   {4, 27, 13, 30},  {4, 31, 13, 36},  {4, 37, 13, 49},  {4, 50, 13, 69},
      {15, 27, 35, 30}, {15, 31, 35, 36}, {15, 37, 35, 49}, {15, 50, 35, 69}, {15, 70, 35, 77},
      {36, 27, 44, 30}, {36, 31, 44, 73}, {36, 74, 44, 81},
  }};
  return boxes;
}

// ---- Steps ------------------------------------------------------------------------------------

DiagramStep DiagramStepContent(int step) {
  DiagramStep s;
  switch (step) {
    case 0:
      s.boxes = true;
      s.lines = {{LinePoint(232, 300), LinePoint(548, 300), false}};
      s.texts = {{TextStyle::Marker, Text(89), 2, 43, -3, 0},
                 {TextStyle::Note, Text(341) + " " + Text(514), 4, 28, 3, 0, true},
                 {TextStyle::Marker, Chars(87, 1, 2), 19, 28, 3, -5},
                 {TextStyle::Marker, Chars(86, 1, 2), 29, 28, -2, -5},
                 {TextStyle::Marker, Text(188), 36, 28, 3, -5},
                 {TextStyle::Note, Chars(2, 1, 3), 38, 28, 3, 0, true},
                 {TextStyle::Marker, "3\xBA", 42, 28, 0, -5}};
      s.help = 9;
      break;
    case 1:
      s.lines = {Vertical(260)};
      s.texts = {{TextStyle::Plain, Chars(88, 1, 5) + ".", 30, 31, 6, 0},
                 {TextStyle::Plain, Text(92), 32, 31, 6, 0},
                 {TextStyle::Note, Text(92), 4, 32, 4, 0}};
      s.help = 12;
      break;
    case 2:
      s.lines = {Vertical(312)};
      s.texts = {{TextStyle::Note, Chars(93, 1, 7), 4, 37, 3, 2}, {TextStyle::Note, Chars(93, 8, 7), 5, 38, 3, 0}};
      for (DiagramText& text : BachilleratoTexts()) s.texts.push_back(std::move(text));
      s.help = 13;
      break;
    case 3:
      s.lines = {Vertical(355)};
      s.texts = {{TextStyle::Note, Chars(94, 1, 7), 4, 43, 3, 5}, {TextStyle::Note, Chars(94, 8, 7), 5, 43, 3, 5}};
      for (DiagramText& text : BachilleratoTexts()) s.texts.push_back(std::move(text));
      s.help = 14;
      break;
    case 4:
      s.lines = {Vertical(420)};
      s.texts = {{TextStyle::Note, Text(99) + " - " + Text(96), 4, 53, 3, 0}, {TextStyle::Note, Chars(95, 1, 7), 5, 51, 3, 0}};
      s.help = 15;
      break;
    case 5:
      s.lines = {Vertical(468)};
      s.texts = {{TextStyle::Note, Chars(95, 8, 7), 5, 57, 3, 0},
                 {TextStyle::Plain, Text(88), 30, 55, 6, 0},
                 {TextStyle::Plain, Text(99), 32, 51, 6, 0}};
      s.help = 16;
      break;
    case 6:
      s.lines = {Vertical(516)};
      s.texts = {{TextStyle::Note, Text(99), 5, 62, 3, 0}, {TextStyle::Plain, Text(96), 32, 59, 6, 0}};
      s.help = 17;
      break;
    case 7:
      s.lines = {Vertical(581, 165)};
      s.texts = {{TextStyle::Note, Text(512), 13, 71, 4, 0},
                 {TextStyle::Plain, Chars(85, 1, 8) + ".", 30, 70, 6, 2},
                 {TextStyle::Plain, Chars(106, 1, 8) + ".", 32, 70, 6, 2},
                 {TextStyle::Plain, Text(555), 39, 63, 3, 0},
                 {TextStyle::Plain, Text(554), 39, 74, 3, 0},
                 {TextStyle::Note, Text(111), 15, 46, 0, 2}};
      s.help = 19;
      break;
    default: break;
  }
  return s;
}

// ---- Stepping ---------------------------------------------------------------------------------

Advance AdvanceDiagram(DiagramState& state) {
  Advance advance;
  if (state.DiagramIdle) {
    state.DiagramActive = true;
    if (state.DiagramStep < kDiagramSteps) advance.help = 9;
    state.DiagramIdle = false;
  }
  if (state.DiagramStep > kDiagramSteps - 2) {
    state.DiagramStepping = false;
  } else {
    ++state.DiagramStep;
    advance.drawStep = state.DiagramStep;
    if (state.DiagramStep > 0) advance.help = DiagramStepContent(state.DiagramStep).help;
  }
  if (state.DiagramStepping) return advance;
  advance.showNodes = true;
  advance.help = 22;
  state.DiagramIdle = true;
  return advance;
}

void ResetDiagram(DiagramState& state) {
  state.DiagramIdle = true;
  state.DiagramStep = -1;
  state.DiagramActive = false;
  state.DiagramStepping = false;
  state.ListOpen = false;
}

int LastPaintedStep(const DiagramState& state) {
  if (!state.DiagramActive || state.DiagramStep < 0) return -1;
  return state.DiagramStepping ? std::min(state.DiagramStep, kDiagramSteps - 1) : kDiagramSteps - 1;
}

std::array<int, 8> DiagramHelpLines(int message) {
  switch (message) {
    case 9: return {192, 193, 194, 195, 196, 0, 197, 198};
    case 12: return {245, 246, 0, 0, 0, 0, 197, 198};
    case 13: return {247, 0, 0, 0, 0, 0, 0, 0};
    case 14: return {0, 248, 0, 0, 0, 0, 0, 0};
    case 15: return {0, 249, 250, 0, 0, 0, 197, 198};
    case 16: return {0, 251, 0, 0, 0, 0, 0, 0};
    case 17: return {255, 0, 0, 0, 0, 0, 197, 198};
    case 19: return {258, 259, 0, 0, 0, 0, 0, 0};
    case 22: return {260, 261, 262, 0, 0, 0, 0, 0};
    default: return {};
  }
}

// ---- Node buttons -----------------------------------------------------------------------------

std::string NodeHint(int button) {
  if (button < 1 || button > kNodeButtons) return {};
  std::string hint;
  for (std::size_t k = 0; k < 3; ++k) {
    const int line = kHints[static_cast<std::size_t>(button)][k];
    if (k > 0) hint += ' ';
    if (line == -1) hint += Chars(252, 4, 4) + " " + Text(85);
    else if (line > 0) hint += Text(line);
  }
  return hint;
}

NodeAction NodeActionOf(int button) {
  NodeAction action;
  // Each of these buttons prints its own sheet.
  static constexpr std::array<std::pair<int, int>, 7> kSheetButtons = {{{1, 8}, {4, 1}, {5, 3}, {10, 4}, {11, 5}, {16, 7}, {17, 6}}};
  for (const auto& [sheetButton, sheet] : kSheetButtons)
    if (sheetButton == button) return {NodeActionKind::PrintSheets, sheet, {}, 0};
  for (const itineraries::ButtonCode& s : kSectionButtons)
    if (s.button == button) return {NodeActionKind::SectionList, 0, std::string(s.code), 0};
  for (const itineraries::ButtonCode& s : kSubjectButtons)
    if (s.button == button) return {NodeActionKind::SubjectList, 0, std::string(s.code), 0};
  return action;
}

// ---- Lists ------------------------------------------------------------------------------------

std::string SubjectListTitle(int button) {
  switch (button) {
    case 24:
    case 32: return Text(65);
    case 26:
    case 33: return Text(59);
    case 27:
    case 34: return Text(60);
    case 28:
    case 35: return Text(99) + " " + Text(104);
    case 29:
    case 30: return Text(99) + " " + Text(105);
    case 31:
    case 36: return Text(99);
    case 40:
    case 42: return Text(118);
    default: return {};
  }
}

std::vector<std::string> SectionList(std::string_view code) {
  const SharedTables& t = Tabs();
  std::vector<std::string> items;
  const bool withCommon = code.starts_with('2');
  for (int line = 1; line <= t.CountInforma; ++line) {
    const std::string_view record = Record(t.TabInforma, t.CountInforma, line);
    const std::string_view key = Field(record, 1, 2);
    if (key == code || (withCommon && key == "20")) items.emplace_back(TrimBlanks(Field(record, 3, 58)));
  }
  if (code == "99") {
    items.push_back(Text(580));
    items.emplace_back();
    for (int line = 562; line <= 568; ++line) items.push_back(Text(line));
  }
  return items;
}

std::vector<std::string> SubjectList(std::string_view code, std::string_view title) {
  const SharedTables& t = Tabs();
  std::vector<std::string> items;
  const bool full = code.size() == 7;
  if (full) {
    items.emplace_back(title);
    items.emplace_back(32, ' ');
  }
  // A pass adds a record once for each of its digits that names the record's block.
  const auto pass = [&](char course, std::string_view blocks) {
    for (int line = 1; line <= t.CountMaterias; ++line) {
      const std::string_view record = Record(t.TabMaterias, t.CountMaterias, line);
      if (record.empty() || record[0] != course) continue;
      for (const char block : blocks)
        if (record.size() > 1 && record[1] == block) items.emplace_back(TrimBlanks(Field(record, 3, 58)));
    }
  };
  if (code.size() >= 3) pass(code[0], code.substr(1, 2));
  if (full) pass(code[3], code.substr(4, 3));
  return items;
}

std::vector<std::string> BranchList(int branch, std::string_view title, bool forSheet) {
  const SharedTables& t = Tabs();
  std::vector<std::string> items{Text(58), forSheet ? std::string(4, ' ') : "-" + std::string(title), Text(168), Text(169), "",
                                 Text(170), ""};
  const int degreeBranch = branch == 0 ? 1 : branch;
  for (int degree = 1; degree <= DegreeCount(); ++degree)
    if (DegreeValue(degree, kBranch) == degreeBranch) items.emplace_back(TrimBlanks(DegreeName(degree)));
  items.emplace_back();
  items.push_back(std::string(7, ' ') + std::string(12, '-'));
  items.emplace_back();
  items.push_back(Text(171));
  items.emplace_back();
  const int column = branch == 0 ? 7 : std::clamp(branch, 1, 6);
  const char digit = static_cast<char>('0' + column);
  for (int line = 1; line <= t.CountFps; ++line) {
    const std::string_view record = Record(t.TabFps, t.CountFps, line);
    if (record.size() >= static_cast<std::size_t>(column) && record[static_cast<std::size_t>(column - 1)] == digit)
      items.emplace_back(TrimBlanks(Field(record, 8, 43)));
  }
  return items;
}

bool OffersMoreInformation(int actionNumber) {
  switch (actionNumber) {
    case 3: case 7: case 8: case 13: case 14: case 20: case 44: case 46: case 47: case 48: return true;
    default: return false;
  }
}

MoreInformationTarget MoreInformationOf(int actionNumber) {
  switch (actionNumber) {
    case 3: return {MoreInformation::BranchList, 0, 65};
    case 7: return {MoreInformation::BranchList, 1, 59};
    case 8: return {MoreInformation::BranchList, 3, 60};
    case 13: return {MoreInformation::BranchList, 4, 61};
    case 14: return {MoreInformation::BranchList, 5, 62};
    case 20: return {MoreInformation::BranchList, 2, 63};
    case 44: return {MoreInformation::Certificates, 0, 0};
    case 46:
    case 48: return {MoreInformation::BasicGrade, 0, 0};
    case 47: return {MoreInformation::MiddleGrade, 0, 0};
    default: return {};
  }
}

ListPopup ListPopupPlace(int actionNumber, ListKind kind, int items, int screenWidth, int screenHeight) {
  ListPopup popup;
  const GridPoint node = DiagramNodes()[static_cast<std::size_t>(std::clamp(actionNumber - 1, 0, kDiagramNodes - 1))];
  popup.left = GridX(node.column);
  popup.top = GridY(node.row);
  const bool tall = (kind == ListKind::Section && items >= 9) || kind == ListKind::Branch ||
                    (kind == ListKind::Subject && actionNumber <= 40);
  popup.height = tall ? 225 : 150;
  if (kind == ListKind::Section && OffersMoreInformation(actionNumber) && actionNumber <= 20) popup.height = 300;
  if (popup.left + 330 > screenWidth) popup.left = screenWidth - 330;
  // The square grows 4 pixels a step; a list that would end near the bottom climbs as it grows.
  for (int side = 4; side < popup.height; side += 4) {
    ++popup.growthSteps;
    if (popup.top + popup.height > screenHeight - 40) popup.top -= 4;
  }
  popup.top = std::max(popup.top, 0);
  return popup;
}

// ---- Print sheets -----------------------------------------------------------------------------

int BuildPrintSheet(int sheet) {
  std::vector<std::string> work(8);  // 1-based: lines 1..7
  work[1] = CentreName;
  work[3] = Text(66);
  const auto framed = [&work](const std::vector<std::string>& items) {
    work.emplace_back();
    work.push_back(Dashes());
    work.emplace_back();
    work.insert(work.end(), items.begin(), items.end());
  };
  int titleLine = 6;
  if (sheet == 7) {
    work.resize(2);  // appended from line 2
    for (const std::string_view section : itineraries::kSheet7Sections) framed(SectionList(section));
    titleLine = 5;
  } else {
    const itineraries::SheetCodes* found = nullptr;
    for (const itineraries::SheetCodes& s : kSheets)
      if (s.number == sheet) found = &s;
    if (found == nullptr) return 0;
    work[4] = Text(found->line4);
    work[6] = Text(found->line6);
    const auto course = [&work](int heading, std::string_view code) {
      work.push_back(Dashes());
      work.emplace_back();
      work.push_back(Text(heading));
      work.emplace_back();
      const std::vector<std::string> subjects = SubjectList(code, TextLine(73));
      work.insert(work.end(), subjects.begin(), subjects.end());
      work.emplace_back();
    };
    course(56, found->first);
    course(57, found->second);
    if (sheet == 8) work.emplace_back();
    framed(SectionList(found->sections));
    framed(BranchList(found->branch, {}, true));
    work.emplace_back();
    work.push_back(Dashes());
    work.emplace_back();
  }
  StartPrintLines(titleLine < static_cast<int>(work.size()) ? work[static_cast<std::size_t>(titleLine)] : std::string());
  for (std::size_t line = 2; line < work.size(); ++line) AddPrintLine(work[line]);
  return Tabs().PrintCount;
}

}  // namespace velmora
