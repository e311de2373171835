#pragma once

#include "catalogue/SteelGrades.h"
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

// The fields a stringer keeps, in the order the window lists them.
inline constexpr std::array<Field, 11> stringerFields = {
    Field::SectionDesignation, Field::SecondMomentOfArea, Field::SectionModulus, Field::WebThickness,
    Field::FirstMomentOfArea,  Field::SectionMass,        Field::HorizontalLength, Field::VerticalHeight,
    Field::FlightWidth,        Field::DeadLoad,           Field::LiveLoad,
};

// The five inputs, in the order the window lists them.
inline constexpr std::array<Field, 5> inputFields = {
    Field::HorizontalLength, Field::VerticalHeight, Field::FlightWidth, Field::DeadLoad, Field::LiveLoad,
};

// The stringer's texts with its grade's strengths in the strength fields:
// what a calculation and its verdicts read.
FieldTexts textsToCheck(const Stringer& stringer);

// The stringer that the texts and the selected grade describe.
Stringer stringerFrom(const FieldTexts& texts, Grade grade);

}  // namespace tarrowin
