// Shapes of the data tables: fixed-capacity records in fixed-size, 1-based arrays.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/fixed_string.h"

namespace velmora {

template <std::size_t Capacity, std::size_t Rows>
using RecordTable = std::array<FixedString<Capacity>, Rows>;

// Record 0 holds the file name, records 1..1100 the lines.
using LineTable = RecordTable<60, 1101>;
using LineTable75 = RecordTable<75, 1101>;
using LineTable90 = RecordTable<90, 251>;
// The artistic-study files, read at 90 characters, record 0 the file name.
using LongLineTable = RecordTable<90, 1101>;
// Records 0..count-1 hold the lines.
using LineTable600 = RecordTable<100, 600>;
using LineTable200 = RecordTable<120, 200>;
// Print lines 0..1500, line 0 the heading.
using PrintTable = RecordTable<65, 1501>;

// Blocks 1..170 of records 1..25.
using BlockTable = std::array<RecordTable<60, 26>, 171>;
// Blocks 1..50 of records 1..60 (1..50 filled).
using FiftyBlockTable = std::array<RecordTable<60, 61>, 51>;

// File line numbers of the marked lines, entries 0..1099.
using MarkedLineNumbers = std::array<int, 1100>;

inline constexpr int kLineTableLines = 1100;

}  // namespace velmora
