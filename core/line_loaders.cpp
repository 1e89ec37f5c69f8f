#include "core/line_loaders.h"

#include "core/common.h"
#include "core/data_file.h"

namespace velmora {
namespace {

constexpr int kBlockLineLimit26 = 5000;
constexpr int kBlockLineLimit51 = 2500;

enum class MissingFile { kReport, kSilent };

// Visits at most maxLines lines of the file (index from 0). False when it cannot be opened, or
// (reported) when it holds no line: every line file of the folder has at least one.
template <typename Visit>
bool VisitLines(std::string_view name, int maxLines, Visit&& visit, MissingFile missing = MissingFile::kReport) {
  int index = 0;
  const auto visitLine = [&](std::string_view line) {
    if (index >= maxLines) return false;
    visit(index++, line);
    return true;
  };
  if (missing == MissingFile::kSilent) return ForEachFileLine(name, visitLine);
  return ForEachRequiredLine(name, visitLine);
}

// The common shape of the table loaders: records first, first + 1, ... := store(line).
template <std::size_t N, std::size_t Rows, typename Store>
bool LoadRecords(std::string_view name, RecordTable<N, Rows>& table, int& count, int first, Store&& store,
                 MissingFile missing = MissingFile::kReport) {
  const int capacity = static_cast<int>(Rows) - first;
  int read = 0;
  const bool opened = VisitLines(
      name, capacity,
      [&](int index, std::string_view line) {
        store(table[static_cast<std::size_t>(first + index)], line);
        read = index + 1;
      },
      missing);
  if (opened) count = read;
  return opened;
}

template <std::size_t N, std::size_t Rows>
void LoadShapedTable(std::string_view name, RecordTable<N, Rows>& table, int& count, int width) {
  if (LoadRecords(name, table, count, 1, [width](auto& record, std::string_view line) {
        StoreShaped(record, line, width);
      }))
    table[0] = name;
}

template <std::size_t N, std::size_t Rows>
void ReadUnshapedTable(std::string_view name, RecordTable<N, Rows>& table, int& count) {
  if (LoadRecords(name, table, count, 1, [](auto& record, std::string_view line) { record = line; }))
    table[0] = name;
}

template <std::size_t Records, std::size_t Blocks>
void LoadBlocks(std::string_view name, std::array<RecordTable<60, Records>, Blocks>& table, int blockLines,
                int lineLimit) {
  int block = 0;
  int slot = 0;
  VisitLines(name, lineLimit, [&](int index, std::string_view line) {
    if (index % blockLines == 0) {
      ++block;
      slot = 0;
      return;
    }
    ++slot;
    if (block < static_cast<int>(Blocks) && slot < static_cast<int>(Records))
      StoreShaped(table[static_cast<std::size_t>(block)][static_cast<std::size_t>(slot)], line, WidthStd);
  });
}

}  // namespace

void LoadLineTable(std::string_view name, LineTable& table, int& count, int width) {
  LoadShapedTable(name, table, count, width);
}

void LoadLineTable75(std::string_view name, LineTable75& table, int& count, int width) {
  LoadShapedTable(name, table, count, width);
}

void LoadLongLineTable(std::string_view name, LongLineTable& table, int& count, int width) {
  LoadShapedTable(name, table, count, width);
}

void ReadLineTable(std::string_view name, LineTable& table, int& count) { ReadUnshapedTable(name, table, count); }

void ReadLineTable90(std::string_view name, LineTable90& table, int& count) {
  ReadUnshapedTable(name, table, count);
}

void LoadMarkedLines(std::string_view name, LineTable& table, int& count, MarkedLineNumbers& lineNumbers,
                     int width) {
  int marked = 0;
  int lineNumber = 0;
  const bool opened = ForEachRequiredLine(name, [&](std::string_view line) {
    ++lineNumber;
    if (line.empty() || line.front() != '-') return true;
    if (marked >= kLineTableLines) return false;
    lineNumbers[static_cast<std::size_t>(marked)] = lineNumber;
    StoreShaped(table[static_cast<std::size_t>(marked + 1)], line.substr(1), width);
    ++marked;
    return true;
  });
  if (opened) count = marked;
}

void LoadTextLines(std::string_view name, LineTable75& table, int& count) {
  if (LoadRecords(name, table, count, 1, [](auto& record, std::string_view line) { record = TrimBlanks(line); }))
    table[0] = name;
}

void LoadLines600(std::string_view name, LineTable600& table, int& count, int width) {
  LoadRecords(name, table, count, 0, [width](auto& record, std::string_view line) {
    StoreShaped(record, line, width);
  });
}

bool LoadLines200(std::string_view name, LineTable200& table, int& count) {
  return LoadRecords(
      name, table, count, 0, [](auto& record, std::string_view line) { StoreShaped(record, line, WidthStd); },
      MissingFile::kSilent);
}

void LoadBlocks26(std::string_view name, BlockTable& table, int /*expectedBlocks*/) {
  LoadBlocks(name, table, 26, kBlockLineLimit26);
}

void LoadBlocks51(std::string_view name, FiftyBlockTable& table) { LoadBlocks(name, table, 51, kBlockLineLimit51); }

}  // namespace velmora
