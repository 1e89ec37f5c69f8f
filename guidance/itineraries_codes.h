// The codes the itineraries diagram's nodes and print sheets read from "informa", "materias" and
// "fps", in one place: the diagram uses them, and the data builder fails a folder that lacks one.
#pragma once

#include <array>
#include <string_view>

namespace velmora::itineraries {

struct ButtonCode {
  int button;
  std::string_view code;
};

// Node buttons opening a section of "informa" (99: the certificates, written by the screen).
inline constexpr std::array<ButtonCode, 29> kSectionButtons = {{
    {2, "41"},  {6, "42"},  {7, "43"},  {12, "44"}, {13, "45"}, {19, "46"}, {37, "36"}, {44, "34"}, {45, "35"},
    {46, "37"}, {47, "31"}, {50, "30"}, {3, "23"},  {8, "21"},  {9, "22"},  {14, "25"}, {15, "24"}, {18, "15"},
    {20, "19"}, {21, "26"}, {22, "10"}, {23, "11"}, {25, "12"}, {38, "16"}, {39, "17"}, {41, "18"}, {43, "99"},
    {48, "13"}, {49, "14"},
}};

// Node buttons opening a subject list of "materias": course and blocks of one or two passes.
inline constexpr std::array<ButtonCode, 14> kSubjectButtons = {{
    {24, "2014038"}, {26, "2054058"}, {27, "2064058"}, {28, "2034048"}, {29, "2044048"}, {30, "1173048"}, {31, "2074068"},
    {32, "1123038"}, {33, "1143058"}, {34, "1153058"}, {35, "1133048"}, {36, "1163068"}, {40, "501"},     {42, "502"},
}};

struct SheetCodes {
  int number, line4, line6;
  std::string_view first, second, sections;
  int branch;
};
// The print sheets: their headings, both courses' subjects, their section and branch.
inline constexpr std::array<SheetCodes, 6> kSheets = {{
    {1, 68, 59, "1143058", "2054058", "21", 1}, {3, 68, 60, "1153058", "2064058", "22", 3},
    {4, 69, 61, "1133048", "2034048", "25", 4}, {5, 69, 62, "1173048", "2044048", "24", 5},
    {6, 69, 63, "1163048", "2074048", "26", 2}, {8, 71, 64, "1123038", "2014038", "23", 0},
}};
// Sheet 7 holds two sections.
inline constexpr std::array<std::string_view, 2> kSheet7Sections = {"36", "19"};

// Branches of the branch lists: 0 (Artes, "fps" column 7) to 5.
inline constexpr int kBranches = 6;

}  // namespace velmora::itineraries
