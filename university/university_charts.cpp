#include "university/university_charts.h"

#include <array>
#include <cmath>

#include "core/text_table.h"

namespace velmora {
namespace {

std::string Text(int line) { return std::string(TextLine(line)); }

struct BranchFigure {
  double value;
  const char* label;
};

// The five branches in their fixed order (lines 517, 518, 515, 519, 516, kinds 1..5).
constexpr std::array<int, 5> kBranchLines = {517, 518, 515, 519, 516};
constexpr std::array<std::array<BranchFigure, 5>, 3> kFigures = {{
    {{{46.6, "46,6%"}, {20.2, "20,2%"}, {9.5, "9,5%"}, {17.9, "17,9%"}, {5.7, "5,7%"}}},
    {{{78.5, "78.50%"}, {65.6, "65.60%"}, {75.5, "75.50%"}, {83.1, "83.10%"}, {70.3, "70.30%"}}},
    {{{63.8, "63,80%"}, {67.2, "67,20%"}, {48.8, "48,80%"}, {71.4, "71,40%"}, {63.7, "63,70%"}}},
}};

ChartRow Row(ChartRow::Kind kind, std::string name = {}) {
  ChartRow row;
  row.kind = kind;
  row.name = std::move(name);
  return row;
}
ChartRow Heading(std::string name) { return Row(ChartRow::Kind::Heading, std::move(name)); }
ChartRow Bar(std::string name, const char* label, double value, int branch = 0) {
  ChartRow row = Row(ChartRow::Kind::Bar, std::move(name));
  row.label = label;
  row.value = value;
  row.branch = branch;
  return row;
}

}  // namespace

std::vector<ChartRow> ChartRows(UniversityChart chart) {
  const auto index = static_cast<std::size_t>(chart);
  std::vector<ChartRow> rows;
  static constexpr std::array<const char*, 3> kTitleEnds = {"...", "", " - 2014"};
  rows.push_back(Heading(Text(375) + kTitleEnds[index]));
  std::vector<ChartRow> bars;
  for (std::size_t k = 0; k < kBranchLines.size(); ++k)
    bars.push_back(Bar(Text(kBranchLines[k]), kFigures[index][k].label, kFigures[index][k].value, static_cast<int>(k) + 1));
  // Largest first; neighbours swap only when the earlier is smaller, so equal values keep their order.
  for (std::size_t pass = 1; pass < bars.size(); ++pass)
    for (std::size_t i = bars.size() - 1; i >= pass; --i)
      if (bars[i - 1].value < bars[i].value) std::swap(bars[i - 1], bars[i]);
  rows.insert(rows.end(), bars.begin(), bars.end());
  switch (chart) {
    case UniversityChart::Enrolment:
      // The labels' own figures (the lengths 85.9 and 14.1 would not match what the labels say).
      rows.push_back(Heading(Text(421)));
      rows.push_back(Bar(Text(402), "87,60%", 87.6));
      rows.push_back(Bar(Text(403), "12,40%", 12.4));
      break;
    case UniversityChart::Success:
      rows.push_back(Bar(Text(426), "76.30%", 76.3));
      rows.push_back(Heading(Text(421)));
      rows.push_back(Bar(Text(402), "74.90%", 74.9));
      rows.push_back(Bar(Text(403), "85.50%", 85.5));
      break;
    case UniversityChart::Employment: {
      rows.push_back(Bar(Text(431) + " 2014", "64,4%", 64.4));
      rows.push_back(Row(ChartRow::Kind::Empty));
      rows.push_back(Row(ChartRow::Kind::Caption, Text(435) + " " + Text(488)));
      ChartRow caption = Row(ChartRow::Kind::Caption, Text(489));
      caption.sameRowAsNext = true;
      rows.push_back(caption);
      rows.push_back(Row(ChartRow::Kind::ColumnHeader, "Espa\xF1" "a" + std::string(35, ' ') + "UE" + std::string(18, ' ') + "OCDE"));
      for (const auto& [line, a, b, c] : std::array<std::array<int, 4>, 3>{{{432, 31, 14, 17}, {433, 22, 8, 9}, {434, 14, 5, 6}}}) {
        ChartRow row = Row(ChartRow::Kind::Comparison, Text(line));
        row.a = a;
        row.b = b;
        row.c = c;
        rows.push_back(row);
      }
      break;
    }
  }
  return rows;
}

int BarEnd(double value, UniversityChart chart) {
  const int extra = chart == UniversityChart::Enrolment ? 20 : 0;
  return kChartNameRight + extra + 2 * static_cast<int>(std::nearbyint(value));
}

int BranchImage(int branch) {
  static constexpr std::array<int, 6> kImages = {3, 1, 4, 0, 2, 5};
  return branch >= 1 && branch <= 5 ? kImages[static_cast<std::size_t>(branch)] : 3;
}

ChartTexts ChartLabels(UniversityChart chart) {
  switch (chart) {
    case UniversityChart::Enrolment:
      return {Text(418) + "   2014-15", Text(419) + " " + Text(517) + "\r" + Text(420) + " 87,60%"};
    case UniversityChart::Success:
      return {Text(422), Text(423) + "\r" + Text(424) + "\r" + Text(425) + " 76.30%"};
    case UniversityChart::Employment:
      return {Text(427) + " 2010", Text(428) + "\r" + Text(429) + " 43,4%\r" + Text(430) + " 64,4%"};
  }
  return {};
}

}  // namespace velmora
