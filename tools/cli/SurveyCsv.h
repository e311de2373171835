#pragma once

#include "files/CsvWriter.h"
#include "stringer/Stringer.h"
#include "tools/cli/ResultCells.h"

#include <array>
#include <string_view>

namespace tarrowin::cli {

// The header of the table that `survey` writes, one row per catalogue section.
inline constexpr auto surveyColumns =
    joinedColumns(std::array<std::string_view, 2>{"section", "mass"}, resultColumns, ratioColumns,
                  std::array<std::string_view, 3>{"recommended", "status", "detail"});

// Every catalogue section checked for the stringer's flight, loads and grade,
// lightest first, with its header: the texts 计算 would show after picking
// that section, the ratios, "yes" on the recommended row, the status, and
// the detail (the fault, and a note on each input not wholly one number).
// True when some section passes.
bool writeSurveyTable(CsvWriter& out, const Stringer& stringer);

}  // namespace tarrowin::cli
