// The education-system diagram without its widgets: the layout of the diagram as one table, the
// lines each step explains, the lists the diagram's buttons open, the implantation calendar, and
// the stepping with its blinking, as a state the screen copies onto its controls.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables.h"
#include "guidance/lomce_codes.h"

namespace velmora {

// ---- Lines of the two tables -------------------------------------------------------------------

// The two-character field a code is matched against, right-aligned: " 5" for 5, "50" for 50.
// Empty for codes outside 0..99, which match nothing.
std::string CodeField(int code);
// Columns 3-60 of the lines (records 0..count-1) whose columns 1-2 are the code's field, in order,
// without the blanks that pad them to the record's width (leading blanks are kept: they mark titles).
std::vector<std::string> CodedLines(const LineTable600& table, int count, int code);
// Line n (1-based) of informa_l from column 4, without blanks at either end; empty past the file.
std::string InformaLRole(int line);

// ---- Lists ---------------------------------------------------------------------------------------

// The lines of code 50 + step, an empty line and, but for the last step, 7 blanks and the note of
// line 44. Nothing for a step outside 0..9.
std::vector<std::string> StepExplanation(int step);
// The informa_l lines of the code.
std::vector<std::string> SectionList(int code);
// A blank and the heading of line 45, the materias_l lines of code, then, when also > 0, an empty
// line and the lines of also.
std::vector<std::string> SubjectList(int code, int also);
// What button 0..39 (in the order of lomce::kButtonLists) opens; nothing outside.
std::vector<std::string> ButtonList(int button);
// The hint of button 0..39: line button + 1.
std::string ButtonHint(int button);

// Cell [r][c] of the calendar: columns 3-60 of the last line of code 70 + 2r + c, without trailing
// blanks; empty when none.
using CalendarCells = std::array<std::array<std::string, 2>, lomce::kCalendarRows>;
CalendarCells ImplantationCalendar();
// Rows 1, 2, 3, 7, 10 and 11 are drawn cream, the others peach.
bool CalendarRowIsCream(int row);

// How ListBit and ListExplica draw an item.
enum class ItemStyle { Red, Bullet, Plain };
ItemStyle ListItemStyle(std::string_view item);

// ---- Layout -------------------------------------------------------------------------------------

inline constexpr int kPanelItiWidth = 761;
inline constexpr int kPanelItiHeight = 689;

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  constexpr int right() const { return x + width; }
  constexpr int bottom() const { return y + height; }
  constexpr bool Overlaps(const Box& o) const {
    return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
  }
  constexpr bool Inside(const Box& o) const { return x >= o.x && y >= o.y && right() <= o.right() && bottom() <= o.bottom(); }
};

enum class ItemKind {
  Band,       // a paint box: white to green
  Wall,       // an evaluation wall
  Frame,      // a modality's frame in the Bachillerato
  Arrow,      // a drawn arrow
  YearLabel,  // the ESO year on the axis
  Label,      // a caption
  Plaque,     // a caption on a wall
  Button,     // one of the 40 diagram buttons
  Calendar,   // BitImplanta
};
enum class Glyph { None, Subjects, Section, Up, UpLeft, UpRight, Right, Course1, Course2, Branch };
enum class CaptionFrom { None, InformaL, TextTable, Literal };

struct DiagramItem {
  std::string_view name;
  ItemKind kind;
  Box box;
  CaptionFrom from = CaptionFrom::None;
  int line = 0;    // of informa_l or the text table
  int before = 0;  // a text table line put before it, for branch names the table splits in two
  std::string_view literal = {};
  Glyph glyph = Glyph::None;
  int picture = -1;  // branch picture of a Branch button
};

// Every part of the diagram inside Paneliti, in drawing order (the bands first).
const std::vector<DiagramItem>& LomceDiagramItems();
const DiagramItem* FindDiagramItem(std::string_view name);
// The caption of an item, Windows-1252.
std::string ItemCaption(const DiagramItem& item);

// ---- Steps ----------------------------------------------------------------------------------------

inline constexpr int kStepBlinkTicks = 6;
inline constexpr int kFleBlinkTicks = 21;

// The parts a step blinks; the parts made visible when step 1's blinking ends; the parts steps
// 6, 7 and 8 add.
const std::vector<std::string_view>& BlinkParts(int step);
const std::vector<std::string_view>& BlinkEndParts(int step);
const std::vector<std::string_view>& StepAdditions(int step);

// The diagram's state: step, explanation, which parts show and both blinkings. The screen copies
// it onto its controls after each event; LabelFle and BitImplanta are parts like the others.
class LomceDiagram {
 public:
  LomceDiagram();  // step 0 explained, the designed parts hidden, LabelFle blinking

  int Step() const { return step_; }
  bool BackEnabled() const { return step_ > 0; }
  bool NextEnabled() const { return step_ < lomce::kLastStep; }
  const std::vector<std::string>& Explanation() const { return explanation_; }
  bool Visible(std::string_view name) const;
  bool StepBlinking() const { return stepBlinking_; }
  bool FleBlinking() const { return fleBlinking_; }
  int FleTicks() const { return fleTicks_; }

  void Next();
  void Back();
  // The explanation of the current step, its additions, and its blinking from the start.
  void ShowStep();
  // On activation only the explanation goes back to step 0.
  void ExplainFirstStep();
  void StepBlinkTick();  // every 500 ms
  void FleTick();        // every 300 ms
  // A list or the calendar closed: the complete diagram, step 9 explained, the calendar gone.
  void CloseList();

 private:
  void SetVisible(std::string_view name, bool visible);
  void EndStepBlink();
  void ShowEverything();

  int step_ = 0;
  int stepTicks_ = 0;
  bool stepBlinking_ = false;
  int fleTicks_ = 0;
  bool fleBlinking_ = true;
  bool listClosed_ = false;
  std::vector<std::string> explanation_;
  std::map<std::string, bool, std::less<>> visible_;
};

}  // namespace velmora
