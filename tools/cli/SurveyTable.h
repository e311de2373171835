#pragma once

#include "files/CsvWriter.h"
#include "stringer/Stringer.h"

#include <array>
#include <string_view>

namespace tarrowin::cli {

// The header of the table that `survey` writes, one row per catalogue section.
inline constexpr std::array<std::string_view, 15> surveyColumns = {
    "section", "mass", "bending_stress", "shear_stress", "deflection", "allowable_deflection",
    "bending_verdict", "shear_verdict", "deflection_verdict", "bending_ratio", "shear_ratio", "deflection_ratio",
    "recommended", "status", "detail",
};

// Every catalogue section checked for the stringer's flight, loads and grade,
// lightest first, with its header: the texts 计算 would show after picking
// that section, the ratios, "yes" on the recommended row, the status, and
// the detail (the fault, and a note on each input not wholly one number).
// True when some section passes.
bool writeSurveyTable(CsvWriter& out, const Stringer& stringer);

}  // namespace tarrowin::cli
