// The itineraries diagram without its widgets: the grid it is laid out on, its boxes, lines and
// texts step by step, the stepping itself, the 50 node buttons with their hints and actions, the
// lists a node opens, where the list pops up, and the print sheets.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// ---- Geometry ---------------------------------------------------------------------------------

struct GridPoint {
  int row = 0;
  int column = 0;
};
// x = 10 column + 40, y = 15 (row - 1), on the screen's client area.
int GridX(int column);
int GridY(int row);
// A point of the lines' drawing space on the screen: (round(1.25 x) + 48, y + 50).
struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};
PixelPoint LinePoint(int x, int y);

inline constexpr int kDiagramNodes = 51;    // node records 0..50
inline constexpr int kNodeButtons = 50;     // buttons 1..50, button k at node k - 1
inline constexpr int kDiagramSteps = 8;     // steps 0..7
const std::array<GridPoint, kDiagramNodes>& DiagramNodes();

struct GridBox {
  int row1, column1, row2, column2;
};
const std::array<GridBox, 13>& DiagramBoxes();

// ---- What each step draws ---------------------------------------------------------------------

enum class TextStyle { Plain, Marker, Note };
struct DiagramText {
  TextStyle style;
  std::string text;  // Windows-1252
  int row, column, dy, dx;
  bool downwards = false;  // one character a row, from the row given
};
struct DiagramLine {
  PixelPoint from, to;  // drawing space
  bool red = true;      // red and 5 pixels wide; otherwise a thin black line
};
struct DiagramStep {
  bool boxes = false;
  std::vector<DiagramLine> lines;
  std::vector<DiagramText> texts;
  int help = 0;  // help message shown with the step
};
// Step 0..7 as its texts read now.
DiagramStep DiagramStepContent(int step);

// ---- Stepping ---------------------------------------------------------------------------------

struct DiagramState {
  int DiagramStep = -1;
  bool DiagramStepping = false;
  bool DiagramActive = false;
  bool DiagramIdle = true;
  bool ListOpen = false;
};
// What one advance did: the step drawn (none), the help message to show (0 none), and whether the
// node buttons come out now.
struct Advance {
  std::optional<int> drawStep;
  int help = 0;
  bool showNodes = false;
};
Advance AdvanceDiagram(DiagramState& state);
void ResetDiagram(DiagramState& state);
// The last step a repaint draws (steps 0..it): the steps drawn so far while stepping, all of
// them once the diagram is complete, none (-1) before it starts. A repaint keeps what the
// student has already seen.
int LastPaintedStep(const DiagramState& state);

// The help message's eight text table lines (0 = empty).
std::array<int, 8> DiagramHelpLines(int message);

// ---- Node buttons -----------------------------------------------------------------------------

// The hint of button k (1..50): its three texts joined by single blanks.
std::string NodeHint(int button);

enum class NodeActionKind { PrintSheets, SectionList, SubjectList };
struct NodeAction {
  NodeActionKind kind = NodeActionKind::SectionList;
  int sheet = 0;                // the print sheet
  std::string code;             // section (2 digits) or subject (7 or 3 digits) code
  int title = 0;                // subject list's title: text table line (or 0)
};
NodeAction NodeActionOf(int button);
// Button k's action number, k + 1; its list opens at node k.
inline int ActionNumber(int button) { return button + 1; }

// ---- Lists ------------------------------------------------------------------------------------

std::string SubjectListTitle(int button);
// Section list of a two-digit code (with the "20" lines for a code starting with "2"; code 99 its
// nine text lines after the section).
std::vector<std::string> SectionList(std::string_view code);
// Subject list of a 7- or 3-digit code; a 7-digit list starts with its title and 32 blanks.
std::vector<std::string> SubjectList(std::string_view code, std::string_view title);
// Branch list of branch 0..5; in a print sheet the title's line holds 4 blanks instead.
std::vector<std::string> BranchList(int branch, std::string_view title, bool forSheet);

// The nodes whose section list offers "Más información", and what it does there.
bool OffersMoreInformation(int actionNumber);
enum class MoreInformation { None, BranchList, Certificates, BasicGrade, MiddleGrade };
struct MoreInformationTarget {
  MoreInformation kind = MoreInformation::None;
  int branch = 0;
  int title = 0;
};
MoreInformationTarget MoreInformationOf(int actionNumber);

enum class ListKind { Section, Subject, Branch };
struct ListPopup {
  int left = 0, top = 0, width = 300, height = 150;
  int growthSteps = 0;  // 4-pixel steps of the growing square
};
// Where the list of an action pops up on a screen of that size, after it has grown.
ListPopup ListPopupPlace(int actionNumber, ListKind kind, int items, int screenWidth, int screenHeight);

// ---- Print sheets -----------------------------------------------------------------------------

// The print lines of sheet 1, 3..8 (record 0 the title); returns the last line.
int BuildPrintSheet(int sheet);

}  // namespace velmora
