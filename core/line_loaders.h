// Loaders of the line-record data files: each fills a fixed table from a file, shaping every
// line to a width, and never writes past the table. The "reports" loaders show the
// missing-file message and set StartAborted when the file cannot be opened, leaving the table
// and the count as they were, or when it holds no line at all.
#pragma once

#include <algorithm>
#include <string_view>

#include "core/common.h"
#include "core/data_file.h"
#include "core/tables.h"
#include "core/text_helpers.h"

namespace velmora {

// ForEachFileLine for a file the program cannot do without: one that cannot be opened or holds
// no line is reported (missing-file message, StartAborted) and gives false.
template <typename Visit>
bool ForEachRequiredLine(std::string_view name, Visit&& visit) {
  bool any = false;
  const bool opened = ForEachFileLine(name, [&](std::string_view line) {
    any = true;
    return visit(line);
  });
  if (opened && any) return true;
  ReportMissingFile(name);
  return false;
}

// Stores the line shaped to width into the record (cut to the record's capacity) without allocating.
template <std::size_t N>
void StoreShaped(FixedString<N>& record, std::string_view line, int width) {
  char shaped[N];
  const std::size_t length = std::min(ShapedLength(line.size(), width), N);
  const std::size_t copied = std::min(length, line.size());
  std::copy_n(line.data(), copied, shaped);
  std::fill(shaped + copied, shaped + length, ' ');
  record.assign(std::string_view(shaped, length));
}

// Takes records 1..lines out of a loaded table (files whose first lines are a list of their own),
// moving the others up and emptying the records freed at the end; count goes down by as many.
template <std::size_t N, std::size_t Rows>
void TakeOutLeadingLines(RecordTable<N, Rows>& table, int& count, int lines) {
  count = std::clamp(count, 0, static_cast<int>(Rows) - 1);
  const int taken = std::clamp(lines, 0, count);
  const auto first = table.begin() + 1;
  std::move(first + taken, first + count, first);
  std::fill(first + count - taken, first + count, FixedString<N>());
  count -= taken;
}

// Records 1..count := the lines shaped to width; record 0 := the name. Reports.
void LoadLineTable(std::string_view name, LineTable& table, int& count, int width);
void LoadLineTable75(std::string_view name, LineTable75& table, int& count, int width);
void LoadLongLineTable(std::string_view name, LongLineTable& table, int& count, int width);

// Records 1..count := the first 60 (90) characters of each line as they stand. Reports.
void ReadLineTable(std::string_view name, LineTable& table, int& count);
void ReadLineTable90(std::string_view name, LineTable90& table, int& count);

// Only the lines beginning with "-": record k + 1 := the line from its 2nd character, shaped;
// lineNumbers[k] := its number in the file. Record 0 is not written. Reports.
void LoadMarkedLines(std::string_view name, LineTable& table, int& count, MarkedLineNumbers& lineNumbers,
                     int width);

// Records 1..count := each line without trailing blanks, cut to 75; record 0 := the name. Reports.
void LoadTextLines(std::string_view name, LineTable75& table, int& count);

// Records 0..count-1 := the lines shaped to width (at most 600). Reports.
void LoadLines600(std::string_view name, LineTable600& table, int& count, int width);

// Records 0..count-1 := the lines shaped to the standard width (at most 200). Does not report:
// returns false when the file cannot be opened.
bool LoadLines200(std::string_view name, LineTable200& table, int& count);

// Block files: a title line and 25 (50) content lines, repeated. Block b, record s := the s-th
// content line of the b-th block; unreached blocks and records keep their contents. Report.
// expectedBlocks is the line count of the matching list file; the blocks are not checked against it.
void LoadBlocks26(std::string_view name, BlockTable& table, int expectedBlocks);
void LoadBlocks51(std::string_view name, FiftyBlockTable& table);

}  // namespace velmora
