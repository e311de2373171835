#include "tools/cli/SurveyCsv.h"

#include "check/FaultWords.h"
#include "survey/SectionSurvey.h"
#include "tools/cli/NumberNotes.h"
#include "tools/cli/Outcome.h"

namespace tarrowin::cli {

bool writeSurveyTable(CsvWriter& out, const Stringer& stringer)
{
    for (std::string_view column : surveyColumns)
        out.cell(column);
    out.endRecord();

    // The stringer's own section plays no part: each row brings its own.
    const std::string notes = inputNotes(stringer);

    const SectionSurvey survey = surveySections(textsToCheck(stringer));
    for (const SurveyRow& row : survey.rows) {
        const StringerCheck& check = row.check;
        out.cell(row.section->designation);
        out.cell(row.massText);
        writeResultCells(out, check);
        writeRatioCells(out, check);
        out.cell(row.recommended ? "yes" : "");
        const Outcome outcome = check.fault() ? Outcome::Fault : row.passes() ? Outcome::Satisfied : Outcome::Exceeded;
        out.cell(outcomeWord(outcome));
        std::string detail = check.fault() ? faultDetail(*check.fault()) : std::string{};
        if (!notes.empty())
            detail += (detail.empty() ? "" : "; ") + notes;
        out.cell(detail);
        out.endRecord();
    }
    return survey.recommended() != nullptr;
}

}  // namespace tarrowin::cli
