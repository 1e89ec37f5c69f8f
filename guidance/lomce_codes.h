// The codes of "informa_l" and "materias_l" that the education-system diagram looks up, and the
// list each of its 40 buttons opens. Header-only and free of Qt, so the data builder checks the
// files against the very table the screen reads.
#pragma once

#include <array>
#include <string_view>

namespace velmora::lomce {

inline constexpr int kLastStep = 9;
inline constexpr int kFirstStepCode = 50;  // step s is explained by the lines of code 50 + s
inline constexpr int kCalendarRows = 13;
inline constexpr int kFirstCalendarCode = 70;  // row r: code 70 + 2r on the left, 71 + 2r on the right
inline constexpr int kLastCalendarCode = kFirstCalendarCode + 2 * kCalendarRows - 1;
inline constexpr int kRoleLines = 53;  // lines 1..53 of informa_l: hints and captions, no code

// Lines of informa_l with a fixed role (1..40 are the buttons' hints, in button order).
inline constexpr int kLineImplanta = 41;
inline constexpr int kLineTitle = 42;
inline constexpr int kLineArrowsHint = 43;
inline constexpr int kLineNote = 44;
inline constexpr int kLineSubjectsHeading = 45;
inline constexpr int kLineWorld = 46;
inline constexpr int kLineBachillerato = 47;
inline constexpr int kLineEvaluation = 48;
inline constexpr int kLineAcademic = 49;
inline constexpr int kLineApplied = 50;
inline constexpr int kLinePmar2 = 51;
inline constexpr int kLinePmar3 = 52;
inline constexpr int kLineBasic = 53;

enum class ListKind { Section, Subjects };

// A section lists the informa_l lines of its code; a subject list the materias_l lines of code,
// then, when also is above 0, those of also after an empty line.
struct ButtonList {
  std::string_view name;
  ListKind kind;
  int code;
  int also;
};

inline constexpr int kButtons = 40;
inline constexpr std::array<ButtonList, kButtons> kButtonLists = {{
    {"BitESO1", ListKind::Subjects, 1, 0},     {"BitESO2", ListKind::Subjects, 2, 0},
    {"BitESO3", ListKind::Subjects, 3, 30},    {"BitESO4", ListKind::Subjects, 4, 30},
    {"BitMej1", ListKind::Section, 5, 0},      {"BitMej2", ListKind::Section, 6, 0},
    {"BitBas1", ListKind::Section, 8, 0},      {"BitBas2", ListKind::Section, 8, 0},
    {"BitBas3", ListKind::Section, 9, 0},      {"BitBas4", ListKind::Section, 10, 0},
    {"BitBas5", ListKind::Section, 11, 0},     {"BitFleESO1", ListKind::Section, 12, 0},
    {"BitFleESO2", ListKind::Section, 13, 0},  {"BitFleDejar", ListKind::Section, 14, 0},
    {"BitGM1", ListKind::Section, 15, 0},      {"BitGM2", ListKind::Section, 16, 0},
    {"BitFleFP", ListKind::Section, 17, 0},    {"BitFleGM", ListKind::Section, 18, 0},
    {"BitEva1", ListKind::Section, 19, 0},     {"BitEva2", ListKind::Section, 20, 0},
    {"BitFleSel", ListKind::Section, 21, 0},   {"BitSal1", ListKind::Subjects, 14, 10},
    {"BitCie1", ListKind::Subjects, 14, 10},   {"BitSoc1", ListKind::Subjects, 13, 10},
    {"BitArt1", ListKind::Subjects, 11, 10},   {"BitIng1", ListKind::Subjects, 14, 10},
    {"BitHu1", ListKind::Subjects, 12, 10},    {"BitArt2", ListKind::Subjects, 21, 20},
    {"BitHu2", ListKind::Subjects, 22, 20},    {"BitSoc2", ListKind::Subjects, 23, 20},
    {"BitIng2", ListKind::Subjects, 24, 20},   {"BitSal2", ListKind::Subjects, 24, 20},
    {"BitCie2", ListKind::Subjects, 24, 20},   {"BitGS", ListKind::Section, 34, 0},
    {"BitArt3", ListKind::Section, 41, 0},     {"BitHu3", ListKind::Section, 42, 0},
    {"BitSoc3", ListKind::Section, 43, 0},     {"BitIng3", ListKind::Section, 44, 0},
    {"BitSal3", ListKind::Section, 45, 0},     {"BitCie3", ListKind::Section, 46, 0},
}};

// Whether a code is one the diagram reads from informa_l: an explanation, a section or a
// calendar cell.
constexpr bool IsInformaLCode(int code) {
  if (code >= kFirstStepCode && code <= kFirstStepCode + kLastStep) return true;
  if (code >= kFirstCalendarCode && code <= kLastCalendarCode) return true;
  for (const ButtonList& button : kButtonLists)
    if (button.kind == ListKind::Section && button.code == code) return true;
  return false;
}

// Whether a code is a subject group some button lists from materias_l.
constexpr bool IsSubjectCode(int code) {
  for (const ButtonList& button : kButtonLists)
    if (button.kind == ListKind::Subjects && (button.code == code || (button.also > 0 && button.also == code))) return true;
  return false;
}

}  // namespace velmora::lomce
