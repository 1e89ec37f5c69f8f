// The printed reports: a line table under the common header band, as a portrait list or a
// landscape list in three columns. Screens fill the table and BoldLines, then print.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/printing/print_canvas.h"
#include "core/tables.h"

namespace velmora {

// Element 0 = how many entries follow (0..200); elements 1..200 = line numbers printed bold.
// Every report routine empties it when it ends.
inline std::array<int, 201> BoldLines{};

inline constexpr std::string_view kPrintJobTitle = "el Velmora";
inline constexpr int kPrintLinesLast = 1500;
inline constexpr double kHeaderBand = 0.7;  // inches

bool IsBoldLine(int line);

// A print line "text\tmark" prints its mark ending at the column's right edge, so marks stand in
// one column whatever the font.
inline constexpr char kMarkSeparator = '\t';
// A row of a grid as paper shows it: the screen's picture marker "<" becomes a bullet, and the
// mark goes after the separator.
std::string PrintedGridRow(std::string_view name, std::string_view mark);

// Empties PrintLines, PrintLines2 and BoldLines, and gives the report its heading (record 0).
void StartPrintLines(std::string_view heading);
// Appends a line after PrintCount (nothing past the last print line); a bold one is also listed
// in BoldLines while there is room.
void AddPrintLine(std::string_view text, bool bold = false);

// Print lines first..last as they stand, e.g. to save a report as text.
std::vector<std::string> PrintLinesFrom(int first, int last);

// Header band of a portrait page: the girl, the title centred, the heading, the school year.
void PrintHeader(PrintCanvas& canvas, std::string_view title, std::string_view heading, double bandHeight);
// Header band of a landscape page, with the page number in a circle (none when 0).
void PrintHeaderWide(PrintCanvas& canvas, std::string_view title, std::string_view heading, int pageNumber,
                     double bandHeight);

// Portrait list of lines 1..count under the heading in record 0, size 12 (51 lines a page)
// or 10 (71 lines a page). Records after count are cleared first.
void PrintReport(PrintCanvas& canvas, PrintTable& lines, int count, bool monospace, int fontSize);
// Landscape list in three columns; 74 lines or fewer print as PrintReport in Courier New 10.
void PrintReportColumns(PrintCanvas& canvas, PrintTable& lines, int count, bool monospace);

// Shows the print dialog (a PDF file is proposed under the heading's name); when a printer is
// chosen, runs print on it and returns true. A cancelled dialog prints nothing and leaves
// BoldLines as it was.
bool PrintWithDialog(const std::function<void(PrintCanvas&)>& print, std::string_view heading = {});
bool PrintReportWithDialog(PrintTable& lines, int count, bool monospace, int fontSize);
bool PrintReportColumnsWithDialog(PrintTable& lines, int count, bool monospace);

}  // namespace velmora
