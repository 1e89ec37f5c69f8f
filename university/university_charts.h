// The three charts of university statistics by branch of knowledge (enrolment, success rate,
// employment): fixed figures of 2014-15 and of the 2010 graduates, turned into rows to draw.
#pragma once

#include <string>
#include <vector>

namespace velmora {

enum class UniversityChart { Enrolment, Success, Employment };

inline constexpr int kChartTop = 10;
inline constexpr int kChartRowPitch = 35;
inline constexpr int kChartNameRight = 340;
inline constexpr int kChartBarStart = 350;
inline constexpr int kChartBarHeight = 20;
inline constexpr int kChartLabelGap = 15;
inline constexpr int kChartLabelWidth = 60;

// A row of a chart, in drawing order (row 1 first).
struct ChartRow {
  enum class Kind { Heading, Bar, Empty, Caption, ColumnHeader, Comparison };
  Kind kind = Kind::Bar;
  std::string name;   // Windows-1252
  std::string label;  // a bar's label
  int branch = 0;     // a bar's branch kind 1..5, 0 for the other bars
  double value = 0;
  int a = 0, b = 0, c = 0;  // a comparison row's three figures
  bool sameRowAsNext = false;  // a caption drawn on the row of the column header after it
};
std::vector<ChartRow> ChartRows(UniversityChart chart);

// Where a bar ends: the name column, the chart's extra length and 2 pixels a unit, rounded to
// the nearest unit with halves to even.
int BarEnd(double value, UniversityChart chart);

// The picture of ImageListRamas for a branch kind (as in the branch list); 3 for the others.
int BranchImage(int branch);

// The two explanation lines of a chart.
struct ChartTexts {
  std::string title, explanation;
};
ChartTexts ChartLabels(UniversityChart chart);

}  // namespace velmora
