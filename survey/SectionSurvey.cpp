#include "survey/SectionSurvey.h"

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
    FieldTexts withSection = texts;
    for (const Section& section : sectionCatalogue()) {
        for (const PropertyText& property : propertyTexts(section))
            withSection[property.field] = property.text;
        survey.rows.push_back({&section, withSection[Field::SectionMass], StringerCheck(withSection)});
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
