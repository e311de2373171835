#pragma once

#include "files/CsvWriter.h"
#include "files/StringerCsv.h"
#include "files/StringerEntry.h"
#include "tools/cli/Outcome.h"
#include "tools/cli/ResultCells.h"

#include <array>
#include <string_view>

namespace tarrowin::cli {

// The header of the table that `check` writes, one row per stringer.
// The columns of a CSV of stringers come first, as the stringer was given.
inline constexpr auto checkColumns =
    joinedColumns(stringerColumns, resultColumns, std::array<std::string_view, 1>{"message"}, ratioColumns,
                  std::array<std::string_view, 2>{"status", "detail"});

void writeCheckHeader(CsvWriter& out);

// Checks the stringer and writes its row: the input texts as given, then
// exactly the texts the window shows after 计算 (empty where a fault stopped
// the run first), the utilisation ratios as the survey writes them, the
// status and the detail (the fault, or why the row cannot be checked, and a
// note on each text not wholly one number). A row that cannot be checked
// keeps its inputs and leaves the results empty.
Outcome writeCheckRow(CsvWriter& out, const StringerEntry& entry);

}  // namespace tarrowin::cli
