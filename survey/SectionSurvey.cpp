#include "survey/SectionSurvey.h"

#include "check/SheetCalculation.h"
#include "sheet/FieldTexts.h"

#include <algorithm>

namespace tarrowin {

bool SurveyRow::passes() const
{
    for (const Check& each : checks)
        if (check.verdict(each) != Verdict::Satisfied)
            return false;
    return true;
}

const SurveyRow* SectionSurvey::recommended() const
{
    for (const SurveyRow& row : rows)
        if (row.recommended)
            return &row;
    return nullptr;
}

SectionSurvey surveySections(const FieldTexts& texts)
{
    SectionSurvey survey;
    survey.rows.reserve(sectionCatalogue().size());
    // The flight and its loads are the same for every section: read once.
    const StringerInputs flight = readStringerInputs(texts);
    for (const Section& section : sectionCatalogue()) {
        // The section's properties as the lookup would write them, read as
        // the calculation reads its fields.
        StringerInputs inputs = flight;
        std::string massText;
        for (const PropertyText& property : propertyTexts(section)) {
            readInput(inputs, property.field, property.text);
            if (property.field == Field::SectionMass)
                massText = property.text;
        }
        survey.rows.push_back({&section, std::move(massText), StringerCheck(inputs, texts)});
    }
    // Masses are compared as the catalogue's numbers; the sort is stable, so
    // equal masses keep catalogue order.
    std::stable_sort(survey.rows.begin(), survey.rows.end(),
                     [](const SurveyRow& a, const SurveyRow& b) { return a.section->mass < b.section->mass; });
    const auto lightestPassing = std::find_if(survey.rows.begin(), survey.rows.end(),
                                              [](const SurveyRow& row) { return row.passes(); });
    if (lightestPassing != survey.rows.end())
        lightestPassing->recommended = true;
    return survey;
}

}  // namespace tarrowin
