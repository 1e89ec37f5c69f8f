#include "core/printing/reports.h"

#include <algorithm>
#include <string>

#include "core/common.h"
#include "core/platform/platform.h"
#include "core/printing/page_geometry.h"
#include "core/shared_bitmaps.h"
#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {
namespace {

constexpr int kYearWordLine = 175;
constexpr int kReportRightColumn = 44;  // where a portrait report's marks end, in grid columns

int CeilDiv(int a, int b) { return (a + b - 1) / b; }

int ClampCount(int count) { return std::clamp(count, 0, kPrintLinesLast); }

void ClearAfter(PrintTable& lines, int count) {
  for (int i = count + 1; i <= kPrintLinesLast; ++i) lines[static_cast<std::size_t>(i)].clear();
}

std::string_view LineAt(const PrintTable& lines, int i) {
  if (i < 0 || i > kPrintLinesLast) return {};
  return lines[static_cast<std::size_t>(i)].view();
}

// A line at a grid place: its text from there, its mark (after the separator) ending at the
// right column.
void LineAtGrid(PrintCanvas& canvas, int column, int row, int rightColumn, std::string_view line) {
  const std::size_t separator = line.find(kMarkSeparator);
  MoveToGrid(column, row);
  TextAtPen(canvas, line.substr(0, separator));
  if (separator == std::string_view::npos) return;
  MoveToGrid(rightColumn, row);
  TextRightAtPen(canvas, TrimBothBlanks(line.substr(separator + 1)));
}

// Where a band's texts go, in inches: its right edge, the right end of the school year and the
// middle the title is centred on (written out, so rounding sees the same values as a reader).
struct Band {
  double right;
  double yearRight;
  double titleCentre;
};
constexpr Band kPortraitBand{7.3, 7.25, 3.9};
constexpr Band kLandscapeBand{10.2, 10.15, 5.35};

// Steps shared by both bands.
void HeaderBand(PrintCanvas& canvas, const Band& band, double bandHeight) {
  SetPageFontBold(canvas, true);
  RectangleUnits(canvas, 0.5, 0.1, band.right, 0.1 + bandHeight);
  PrintBitmap(canvas, UnitsRect(0.6, 0.13, 0.95, 0.68), *Bitmaps().BmpGirl);
  canvas.SetWhiteBrush(true);
  SetPageFontSize(canvas, 10);
  MoveToUnits(band.yearRight, 0.2);
  TextRightAtPen(canvas, TextLine(kYearWordLine));
  MoveToUnits(band.yearRight, 0.5);
  TextRightAtPen(canvas, kSchoolYear);
}

void CentredTitle(PrintCanvas& canvas, std::string_view title, const Band& band) {
  SetPageFontSize(canvas, 12);
  MoveToUnits(band.titleCentre, 0.2);
  TextCentredAtPen(canvas, title);
}

void EndReport(PrintCanvas& canvas) {
  canvas.EndDocument();
  BoldLines[0] = 0;
}

}  // namespace

std::string PrintedGridRow(std::string_view name, std::string_view mark) {
  std::string row = name.starts_with('<') ? "\x95 " + std::string(TrimBothBlanks(name.substr(1))) : std::string(TrimBlanks(name));
  const std::string_view shown = TrimBothBlanks(mark);
  if (!shown.empty()) row += kMarkSeparator + std::string(shown);
  return row;
}

bool IsBoldLine(int line) {
  const int count = std::clamp(BoldLines[0], 0, 200);
  return std::find(BoldLines.begin() + 1, BoldLines.begin() + 1 + count, line) != BoldLines.begin() + 1 + count;
}

void PrintHeader(PrintCanvas& canvas, std::string_view title, std::string_view heading, double bandHeight) {
  HeaderBand(canvas, kPortraitBand, bandHeight);
  CentredTitle(canvas, title, kPortraitBand);
  SetPageFontSize(canvas, 12);
  MoveToUnits(1.0, 0.5);
  TextAtPen(canvas, TrimBothBlanks(heading));
}

void PrintHeaderWide(PrintCanvas& canvas, std::string_view title, std::string_view heading, int pageNumber,
                     double bandHeight) {
  const double right = kLandscapeBand.right;
  HeaderBand(canvas, kLandscapeBand, bandHeight);
  EllipseUnits(canvas, right + 0.2, 0.1, right + bandHeight + 0.2, 0.1 + bandHeight);
  SetPageFontSize(canvas, 16);
  MoveToUnits(10.7, 0.3);
  if (pageNumber != 0) TextAtPen(canvas, std::to_string(pageNumber));
  CentredTitle(canvas, title, kLandscapeBand);
  SetPageFontSize(canvas, 11);
  MoveToUnits(1.0, 0.5);
  TextAtPen(canvas, heading);
}

void PrintReport(PrintCanvas& canvas, PrintTable& lines, int count, bool monospace, int fontSize) {
  count = ClampCount(count);
  ClearAfter(lines, count);
  const int perPage = fontSize == 12 ? 50 : 70;  // L: a page holds L + 1 lines
  if (!canvas.BeginDocument(kPrintJobTitle, false)) {
    BoldLines[0] = 0;
    return;
  }
  SetPageFont(canvas, {monospace ? "Courier New" : "Arial", fontSize, false});
  PageSetup(canvas, 50, perPage + 8, 1);
  PrintHeader(canvas, CentreName, LineAt(lines, 0), kHeaderBand);
  int row = 0;
  for (int j = 1; j <= count; ++j) {
    SetPageFont(canvas, {Geometry().font.family, fontSize, IsBoldLine(j)});
    LineAtGrid(canvas, 5, row + 6, kReportRightColumn, LineAt(lines, j));
    ++row;
    if (row > perPage && j < count) {
      canvas.NewPage();
      row = 0;
    }
  }
  EndReport(canvas);
}

void PrintReportColumns(PrintCanvas& canvas, PrintTable& lines, int count, bool monospace) {
  count = ClampCount(count);
  if (count <= 74) {
    PrintReport(canvas, lines, count, true, 10);
    return;
  }
  ClearAfter(lines, count);
  const bool singlePage = count <= 150;
  int rowsPerColumn = 0;
  int pages = 1;
  if (singlePage) {
    rowsPerColumn = CeilDiv(count, 3);
  } else if (monospace) {
    rowsPerColumn = 50;
    pages = CeilDiv(count, 150);
  } else {
    const int blocks = CeilDiv(count, 50);
    rowsPerColumn = CeilDiv(count, blocks);
    pages = CeilDiv(blocks, 3);
  }
  const int columnWidth = monospace ? 50 : 40;
  const int gap = monospace ? 0 : 2;
  const int gridColumns = monospace ? 150 : 130;
  const int columnX[3] = {gap + 2, columnWidth + 2 * gap, 2 * columnWidth + 3 * gap};

  if (!canvas.BeginDocument(kPrintJobTitle, true)) {
    BoldLines[0] = 0;
    return;
  }
  SetPageFont(canvas, {monospace ? "Courier New" : "Arial", 8, false});
  PageSetup(canvas, gridColumns, rowsPerColumn + 8, 1);
  int page = singlePage ? 0 : 1;
  PrintHeaderWide(canvas, CentreName, LineAt(lines, 0), page, kHeaderBand);
  int first = 1;
  for (;;) {
    int i = first;
    for (int j = 1; j <= rowsPerColumn; ++j, ++i) {
      for (int c = 0; c < 3; ++c) {
        const int line = i + c * rowsPerColumn;
        SetPageFont(canvas, {Geometry().font.family, 8, IsBoldLine(line)});
        // Only the first column drops its trailing blanks; the others reach the next column.
        const std::string_view text = LineAt(lines, line);
        LineAtGrid(canvas, columnX[c], j + 5, columnX[c] + columnWidth - 1, c == 0 ? TrimBlanks(text) : text);
      }
    }
    if (singlePage || page == pages) break;
    first = 3 * rowsPerColumn * page + 1;
    ++page;
    canvas.NewPage();
    PrintHeaderWide(canvas, CentreName, LineAt(lines, 0), page, kHeaderBand);
  }
  EndReport(canvas);
}

bool PrintWithDialog(const std::function<void(PrintCanvas&)>& print, std::string_view heading) {
  const std::unique_ptr<PrintCanvas> printer = CurrentPlatform().ChoosePrinter(heading);
  if (!printer) return false;
  print(*printer);
  return true;
}

void StartPrintLines(std::string_view heading) {
  SharedTables& t = Tabs();
  for (auto& line : t.PrintLines) line = std::string();
  for (auto& line : t.PrintLines2) line = std::string();
  t.PrintCount = 0;
  t.PrintLines[0] = std::string(heading);
  BoldLines.fill(0);
}

void AddPrintLine(std::string_view text, bool bold) {
  SharedTables& t = Tabs();
  if (t.PrintCount >= kPrintLinesLast) return;
  ++t.PrintCount;
  t.PrintLines[static_cast<std::size_t>(t.PrintCount)] = std::string(text);
  t.PrintLines2[static_cast<std::size_t>(t.PrintCount)] = std::string();
  if (bold && BoldLines[0] + 1 < static_cast<int>(BoldLines.size())) BoldLines[static_cast<std::size_t>(++BoldLines[0])] = t.PrintCount;
}

std::vector<std::string> PrintLinesFrom(int first, int last) {
  const SharedTables& t = Tabs();
  std::vector<std::string> lines;
  for (int n = std::max(first, 0); n <= std::min(last, kPrintLinesLast); ++n) lines.emplace_back(t.PrintLines[static_cast<std::size_t>(n)].view());
  return lines;
}

bool PrintReportWithDialog(PrintTable& lines, int count, bool monospace, int fontSize) {
  return PrintWithDialog([&](PrintCanvas& canvas) { PrintReport(canvas, lines, count, monospace, fontSize); },
                         LineAt(lines, 0));
}

bool PrintReportColumnsWithDialog(PrintTable& lines, int count, bool monospace) {
  return PrintWithDialog([&](PrintCanvas& canvas) { PrintReportColumns(canvas, lines, count, monospace); },
                         LineAt(lines, 0));
}

}  // namespace velmora
