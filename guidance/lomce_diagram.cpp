#include "guidance/lomce_diagram.h"

#include <algorithm>

#include "core/common.h"
#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {
namespace {

using lomce::kLastStep;

int UsableCount(int count, std::size_t rows) { return std::clamp(count, 0, static_cast<int>(rows)); }

std::vector<std::string> InformaLCoded(int code) {
  return CodedLines(Tabs().TabInformaL, Tabs().CountInformaL, code);
}

}  // namespace

// ---- Lines of the two tables -------------------------------------------------------------------

std::string CodeField(int code) {
  if (code < 0 || code > 99) return {};
  std::string field = std::to_string(code);
  return field.size() == 1 ? " " + field : field;
}

std::vector<std::string> CodedLines(const LineTable600& table, int count, int code) {
  std::vector<std::string> lines;
  const std::string field = CodeField(code);
  if (field.empty()) return lines;
  for (int i = 0; i < UsableCount(count, table.size()); ++i) {
    const std::string_view record = table[static_cast<std::size_t>(i)].view();
    if (Field(record, 1, 2) == field) lines.emplace_back(TrimBlanks(Field(record, 3, 58)));
  }
  return lines;
}

std::string InformaLRole(int line) {
  const SharedTables& t = Tabs();
  if (line < 1 || line > UsableCount(t.CountInformaL, t.TabInformaL.size())) return {};
  return std::string(TrimBothBlanks(Field(t.TabInformaL[static_cast<std::size_t>(line - 1)].view(), 4, 57)));
}

// ---- Lists ---------------------------------------------------------------------------------------

std::vector<std::string> StepExplanation(int step) {
  if (step < 0 || step > kLastStep) return {};
  std::vector<std::string> lines = InformaLCoded(lomce::kFirstStepCode + step);
  lines.emplace_back();
  if (step != kLastStep) lines.push_back(std::string(7, ' ') + InformaLRole(lomce::kLineNote));
  return lines;
}

std::vector<std::string> SectionList(int code) { return InformaLCoded(code); }

std::vector<std::string> SubjectList(int code, int also) {
  const SharedTables& t = Tabs();
  std::vector<std::string> lines{" " + InformaLRole(lomce::kLineSubjectsHeading)};
  for (std::string& line : CodedLines(t.TabMateriasL, t.CountMateriasL, code)) lines.push_back(std::move(line));
  if (also > 0) {
    lines.emplace_back();
    for (std::string& line : CodedLines(t.TabMateriasL, t.CountMateriasL, also)) lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> ButtonList(int button) {
  if (button < 0 || button >= lomce::kButtons) return {};
  const lomce::ButtonList& list = lomce::kButtonLists[static_cast<std::size_t>(button)];
  return list.kind == lomce::ListKind::Section ? SectionList(list.code) : SubjectList(list.code, list.also);
}

std::string ButtonHint(int button) {
  if (button < 0 || button >= lomce::kButtons) return {};
  return InformaLRole(button + 1);
}

CalendarCells ImplantationCalendar() {
  CalendarCells cells;
  const SharedTables& t = Tabs();
  for (int i = 0; i < UsableCount(t.CountInformaL, t.TabInformaL.size()); ++i) {
    const std::string_view record = t.TabInformaL[static_cast<std::size_t>(i)].view();
    const auto code = ParseInt(Field(record, 1, 2));
    // Only a code written as the diagram writes it: "7 0" or "+70" are not calendar lines.
    if (!code || *code < lomce::kFirstCalendarCode || *code > lomce::kLastCalendarCode) continue;
    if (Field(record, 1, 2) != CodeField(*code)) continue;
    const int cell = *code - lomce::kFirstCalendarCode;
    cells[static_cast<std::size_t>(cell / 2)][static_cast<std::size_t>(cell % 2)] = std::string(TrimBlanks(Field(record, 3, 58)));
  }
  return cells;
}

bool CalendarRowIsCream(int row) { return row == 1 || row == 2 || row == 3 || row == 7 || row == 10 || row == 11; }

ItemStyle ListItemStyle(std::string_view item) {
  if (item.starts_with("  ")) return ItemStyle::Red;
  if (item.starts_with('-')) return ItemStyle::Bullet;
  return ItemStyle::Plain;
}

// ---- Layout -------------------------------------------------------------------------------------
//
// Columns: the Bachillerato and the evaluation walls from x 56 to 385, the middle and higher grades
// from 400 to 545, FP Básica and the world of work from 560 to 737. Rows from the bottom: second,
// third and fourth ESO years, the ESO wall, the post-compulsory row, the Bachillerato wall, the
// higher-education row. The Bachillerato's six modality columns are 54 pixels wide, two to a
// course button; the university's branches are tiles of 109 pixels, three to a row.

namespace {

using enum ItemKind;

constexpr int kBtn = 24;  // the small square buttons

const std::vector<DiagramItem> kItems = {
    // Bands.
    {"PaintBox2", Band, {8, 48, 41, 633}},
    {"PaintBox1", Band, {56, 640, 681, 41}},
    {"PaintBox3", Band, {56, 580, 473, 41}},
    {"PaintBox4", Band, {560, 580, 177, 41}},
    {"PaintBox5", Band, {56, 516, 473, 41}},
    {"PaintBox6", Band, {560, 516, 177, 41}},
    {"PaintBox7", Band, {56, 272, 162, 205}},
    {"PaintBox9", Band, {223, 272, 162, 205}},
    {"PaintBox10", Band, {400, 272, 145, 205}},
    {"PaintBox11", Band, {560, 272, 177, 205}},
    {"PaintBox8", Band, {56, 48, 329, 173}},
    {"PaintBox12", Band, {400, 48, 145, 173}},
    {"PaintBox13", Band, {560, 48, 177, 173}},
    {"PaintBox14", Band, {600, 221, 97, 51}},
    // Walls, modality frames and arrows.
    {"ImageMuro1", Wall, {56, 497, 473, 20}},
    {"ImageMuro2", Wall, {56, 249, 329, 20}},
    {"Shape1", Frame, {60, 330, 46, 140}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 0},
    {"Shape2", Frame, {114, 330, 46, 140}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 0},
    {"Shape3", Frame, {168, 330, 46, 140}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 1},
    {"Shape4", Frame, {227, 330, 46, 140}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 4},
    {"Shape5", Frame, {281, 330, 46, 140}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 2},
    {"Shape6", Frame, {335, 330, 46, 140}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 5},
    {"Shape7", Arrow, {424, 477, 14, 18}, CaptionFrom::None, 0, 0, {}, Glyph::Up},
    {"Shape8", Arrow, {530, 477, 50, 38}, CaptionFrom::None, 0, 0, {}, Glyph::UpLeft},
    // The axis.
    {"LabelAno2", YearLabel, {22, 650, 14, 18}, CaptionFrom::Literal, 0, 0, "2"},
    {"LabelAno3", YearLabel, {22, 590, 14, 18}, CaptionFrom::Literal, 0, 0, "3"},
    {"LabelAno4", YearLabel, {22, 526, 14, 18}, CaptionFrom::Literal, 0, 0, "4"},
    // ESO.
    {"Label8", Label, {62, 651, 36, 18}, CaptionFrom::TextTable, 2},
    {"Label9", Label, {62, 591, 36, 18}, CaptionFrom::TextTable, 2},
    {"Label10", Label, {62, 527, 36, 18}, CaptionFrom::TextTable, 2},
    {"LabelMej1", Label, {290, 651, 128, 18}, CaptionFrom::InformaL, lomce::kLinePmar2},
    {"LabelMej2", Label, {290, 591, 128, 18}, CaptionFrom::InformaL, lomce::kLinePmar3},
    {"LabelEnsAca", Label, {106, 527, 148, 18}, CaptionFrom::InformaL, lomce::kLineAcademic},
    {"LabelEnsApli", Label, {290, 527, 138, 18}, CaptionFrom::InformaL, lomce::kLineApplied},
    {"LabelFPB1", Label, {566, 591, 78, 18}, CaptionFrom::InformaL, lomce::kLineBasic},
    {"LabelFPB2", Label, {566, 527, 78, 18}, CaptionFrom::InformaL, lomce::kLineBasic},
    {"LabelEva1", Plaque, {222, 498, 108, 18}, CaptionFrom::InformaL, lomce::kLineEvaluation},
    // Post-compulsory row.
    {"Label29", Label, {56, 276, 329, 18}, CaptionFrom::TextTable, 88},
    {"LabelBach1", Label, {56, 296, 54, 32}, CaptionFrom::TextTable, 92},
    {"LabelBach2", Label, {110, 296, 108, 32}, CaptionFrom::InformaL, lomce::kLineBachillerato},
    {"LabelBach3", Label, {223, 296, 162, 32}, CaptionFrom::TextTable, 99},
    {"LabelFPGM", Label, {400, 278, 145, 32}, CaptionFrom::TextTable, 113},
    {"Label30", Label, {600, 238, 97, 18}, CaptionFrom::InformaL, lomce::kLineWorld},
    {"LabelEva2", Plaque, {150, 250, 108, 18}, CaptionFrom::InformaL, lomce::kLineEvaluation},
    // Higher-education row.
    {"LabelUni", Label, {56, 52, 329, 18}, CaptionFrom::TextTable, 46},
    {"LabelFPGS", Label, {400, 54, 145, 32}, CaptionFrom::TextTable, 47},
    {"LabelIti1", Label, {56, 72, 109, 18}, CaptionFrom::TextTable, 92},
    {"LabelIti2", Label, {165, 72, 109, 18}, CaptionFrom::TextTable, 97},
    {"LabelIti3", Label, {274, 72, 109, 18}, CaptionFrom::TextTable, 100},
    {"LabelIti4", Label, {56, 138, 109, 32}, CaptionFrom::TextTable, 104, 99},
    {"LabelIti5", Label, {165, 138, 109, 32}, CaptionFrom::TextTable, 105, 99},
    {"LabelIti6", Label, {274, 138, 109, 32}, CaptionFrom::TextTable, 99},
    // The 40 buttons.
    {"BitESO1", Button, {102, 648, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Subjects},
    {"BitESO2", Button, {102, 588, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Subjects},
    {"BitESO3", Button, {258, 524, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Subjects},
    {"BitESO4", Button, {432, 524, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Subjects},
    {"BitMej1", Button, {422, 648, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitMej2", Button, {422, 588, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitBas1", Button, {636, 648, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Up},
    {"BitBas2", Button, {648, 588, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitBas3", Button, {678, 588, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitBas4", Button, {648, 524, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitBas5", Button, {678, 524, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitFleESO1", Button, {148, 495, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Up},
    {"BitFleESO2", Button, {419, 495, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Up},
    {"BitFleDejar", Button, {532, 524, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Right},
    {"BitGM1", Button, {460, 436, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitGM2", Button, {460, 326, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitFleFP", Button, {372, 223, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::UpRight},
    {"BitFleGM", Button, {460, 234, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Up},
    {"BitEva1", Button, {334, 495, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitEva2", Button, {262, 247, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitFleSel", Button, {196, 223, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Up},
    {"BitSal1", Button, {285, 430, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course1},
    {"BitCie1", Button, {339, 430, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course1},
    {"BitSoc1", Button, {172, 430, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course1},
    {"BitArt1", Button, {64, 430, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course1},
    {"BitIng1", Button, {231, 430, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course1},
    {"BitHu1", Button, {118, 430, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course1},
    {"BitArt2", Button, {64, 366, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course2},
    {"BitHu2", Button, {118, 366, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course2},
    {"BitSoc2", Button, {172, 366, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course2},
    {"BitIng2", Button, {231, 366, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course2},
    {"BitSal2", Button, {285, 366, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course2},
    {"BitCie2", Button, {339, 366, 38, 28}, CaptionFrom::None, 0, 0, {}, Glyph::Course2},
    {"BitGS", Button, {460, 130, kBtn, kBtn}, CaptionFrom::None, 0, 0, {}, Glyph::Section},
    {"BitArt3", Button, {88, 90, 44, 44}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 0},
    {"BitHu3", Button, {197, 90, 44, 44}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 0},
    {"BitSoc3", Button, {306, 90, 44, 44}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 1},
    {"BitIng3", Button, {88, 172, 44, 44}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 4},
    {"BitSal3", Button, {197, 172, 44, 44}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 2},
    {"BitCie3", Button, {306, 172, 44, 44}, CaptionFrom::None, 0, 0, {}, Glyph::Branch, 5},
    {"BitImplanta", Calendar, {520, 8, 217, 32}, CaptionFrom::InformaL, lomce::kLineImplanta},
};

const std::vector<std::string_view> kNone;

}  // namespace

const std::vector<DiagramItem>& LomceDiagramItems() { return kItems; }

const DiagramItem* FindDiagramItem(std::string_view name) {
  const auto found = std::find_if(kItems.begin(), kItems.end(), [&](const DiagramItem& item) { return item.name == name; });
  return found == kItems.end() ? nullptr : &*found;
}

std::string ItemCaption(const DiagramItem& item) {
  switch (item.from) {
    case CaptionFrom::InformaL: return InformaLRole(item.line);
    case CaptionFrom::TextTable: {
      std::string caption(TrimBothBlanks(TextLine(item.line)));
      if (item.before > 0) caption = std::string(TrimBothBlanks(TextLine(item.before))) + " " + caption;
      return caption;
    }
    case CaptionFrom::Literal: return std::string(item.literal);
    case CaptionFrom::None: break;
  }
  return {};
}

// ---- Steps ----------------------------------------------------------------------------------------

const std::vector<std::string_view>& BlinkParts(int step) {
  static const std::array<std::vector<std::string_view>, kLastStep + 1> parts = {{
      {},
      {"LabelEnsAca", "LabelEnsApli", "BitESO3", "BitESO4", "BitESO2"},
      {"LabelMej1", "LabelMej2", "BitESO1", "BitMej1", "BitMej2"},
      {"LabelFPB1", "LabelFPB2", "BitBas2", "BitBas3", "BitBas4", "BitBas5"},
      {"LabelEva1", "ImageMuro1", "BitFleESO1", "BitFleESO2"},
      {"Shape7", "Shape8", "BitGM1", "BitGM2"},
      {}, {}, {}, {},
  }};
  return step < 0 || step > kLastStep ? kNone : parts[static_cast<std::size_t>(step)];
}

const std::vector<std::string_view>& BlinkEndParts(int step) {
  static const std::vector<std::string_view> first = {"BitFleESO1", "BitFleESO2"};
  return step == 1 ? first : kNone;
}

const std::vector<std::string_view>& StepAdditions(int step) {
  static const std::vector<std::string_view> bachillerato = {"LabelBach1", "LabelBach2", "LabelBach3", "Shape1", "Shape2",
                                                             "Shape3",     "Shape4",     "Shape5",     "Shape6"};
  static const std::vector<std::string_view> evaluation = {"LabelEva2", "ImageMuro2", "BitFleFP", "BitFleSel"};
  static const std::vector<std::string_view> itineraries = {"LabelIti1", "LabelIti2", "LabelIti3",
                                                            "LabelIti4", "LabelIti5", "LabelIti6"};
  switch (step) {
    case 6: return bachillerato;
    case 7: return evaluation;
    case 8: return itineraries;
    default: return kNone;
  }
}

LomceDiagram::LomceDiagram() {
  for (const DiagramItem& item : kItems) visible_[std::string(item.name)] = item.kind != ItemKind::Button;
  for (int step = 0; step <= kLastStep; ++step) {
    for (const std::string_view part : BlinkParts(step)) SetVisible(part, false);
    for (const std::string_view part : StepAdditions(step)) SetVisible(part, false);
  }
  visible_["LabelFle"] = true;
  explanation_ = StepExplanation(0);
}

bool LomceDiagram::Visible(std::string_view name) const {
  const auto found = visible_.find(name);
  return found != visible_.end() && found->second;
}

void LomceDiagram::SetVisible(std::string_view name, bool visible) {
  if (const auto found = visible_.find(name); found != visible_.end()) found->second = visible;
}

void LomceDiagram::Next() {
  if (!NextEnabled()) return;
  // A step left half-way through its blinking would keep some parts hidden until the end.
  EndStepBlink();
  ++step_;
  fleBlinking_ = false;
  SetVisible("LabelFle", true);
  ShowStep();
}

void LomceDiagram::Back() {
  if (!BackEnabled()) return;
  EndStepBlink();
  --step_;
  ShowStep();
}

void LomceDiagram::ShowStep() {
  EndStepBlink();
  explanation_ = StepExplanation(step_);
  for (const std::string_view part : StepAdditions(step_)) SetVisible(part, true);
  if (step_ == kLastStep) ShowEverything();
  stepTicks_ = 0;
  stepBlinking_ = true;
}

void LomceDiagram::ExplainFirstStep() { explanation_ = StepExplanation(0); }

void LomceDiagram::StepBlinkTick() {
  if (!stepBlinking_) return;
  for (const std::string_view part : BlinkParts(step_)) SetVisible(part, !Visible(part));
  if (++stepTicks_ >= kStepBlinkTicks) EndStepBlink();
}

void LomceDiagram::EndStepBlink() {
  if (!stepBlinking_) return;
  for (const std::string_view part : BlinkParts(step_)) SetVisible(part, true);
  for (const std::string_view part : BlinkEndParts(step_)) SetVisible(part, true);
  stepBlinking_ = false;
}

void LomceDiagram::FleTick() {
  if (!fleBlinking_) return;
  SetVisible("LabelFle", !Visible("LabelFle"));
  if (++fleTicks_ >= kFleBlinkTicks) {
    SetVisible("LabelFle", true);
    fleBlinking_ = false;
  }
}

void LomceDiagram::CloseList() {
  listClosed_ = true;
  EndStepBlink();
  explanation_ = StepExplanation(kLastStep);
  ShowEverything();
}

void LomceDiagram::ShowEverything() {
  for (auto& [name, visible] : visible_) visible = true;
  // Once a list has been closed the calendar's button stays away.
  SetVisible("BitImplanta", !listClosed_);
}

}  // namespace velmora
