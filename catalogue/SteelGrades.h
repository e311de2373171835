#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tarrowin {

class FieldSheet;

enum class Grade { Q235B, Q355B };

// A steel grade and its design strengths in N/mm2, kept as the texts the
// strength fields are given: no number is converted.
struct SteelGrade {
    Grade grade;
    std::string_view name;                 // the option's caption
    std::string_view designStrength;       // f
    std::string_view designShearStrength;  // fv
};

// The grades, in the order of their options (Option1 onwards): the window's
// options and the driver's clicks follow this table.
const std::array<SteelGrade, 2>& steelGrades();

// The grade's place in that order.
std::size_t gradeIndex(Grade grade);

const SteelGrade& steelGrade(Grade grade);

// The grade of that exact name ("Q235B"), or none.
std::optional<Grade> gradeNamed(std::string_view name);

// Writes the grade's design strength, then its design shear strength.
void selectGrade(FieldSheet& sheet, Grade grade);

}  // namespace tarrowin
