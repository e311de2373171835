#pragma once

#include "catalogue/SteelGrades.h"
#include "check/Quantities.h"
#include "sheet/FieldTexts.h"

#include <array>

namespace tarrowin {

// One stringer as the engineer describes it: the picker's text, the five
// section properties in use, the grade and the five inputs, all as texts
// exactly as typed. A typed picker text need not match the properties in use,
// so both are kept.
struct Stringer {
    FieldTexts texts;  // only the fields of stringerFields count
    Grade grade = Grade::Q235B;

    friend bool operator==(const Stringer& a, const Stringer& b);
};

// The fields a stringer keeps, in the order the window lists them: the
// picker's text, the section's properties, the flight's inputs.
inline constexpr auto stringerFields = [] {
    std::array<Field, 1 + sectionInputs.size() + flightInputs.size()> fields{Field::SectionDesignation};
    std::size_t next = 1;
    for (const Input& input : sectionInputs)
        fields[next++] = input.field;
    for (const Input& input : flightInputs)
        fields[next++] = input.field;
    return fields;
}();

// The flight's inputs, in the order the window lists them.
inline constexpr auto inputFields = [] {
    std::array<Field, flightInputs.size()> fields{};
    std::ranges::transform(flightInputs, fields.begin(), &Input::field);
    return fields;
}();

// The stringer's texts with its grade's strengths in the strength fields:
// what a calculation and its verdicts read.
FieldTexts textsToCheck(const Stringer& stringer);

// The stringer that the texts and the selected grade describe.
Stringer stringerFrom(const FieldTexts& texts, Grade grade);

}  // namespace tarrowin
