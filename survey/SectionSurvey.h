#pragma once

#include "catalogue/SectionCatalogue.h"
#include "check/StringerCheck.h"

#include <optional>
#include <string>
#include <vector>

namespace tarrowin {

class FieldTexts;

// One catalogue section checked in place of the chosen one.
struct SurveyRow {
    const Section* section;
    std::string massText;  // as the lookup writes it into the mass field
    StringerCheck check;   // what 计算 would show after picking this section
    bool recommended = false;

    // All three verdicts "满足"; a row that faulted never passes.
    bool passes() const;
};

// Every catalogue section checked for the same flight, loads and strengths,
// lightest first (catalogue order among equal masses). At most one row is
// recommended: the lightest that passes.
struct SectionSurvey {
    std::vector<SurveyRow> rows;

    const SurveyRow* recommended() const;
};

// Checks each catalogue section against the texts as they stand (the inputs
// and the strengths read exactly as the calculation and the verdicts read
// them), with the section's property texts in place of the fields' own.
// Writes nothing.
SectionSurvey surveySections(const FieldTexts& texts);

}  // namespace tarrowin
