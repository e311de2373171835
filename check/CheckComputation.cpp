#include "check/CheckComputation.h"

#include "check/Checks.h"
#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"

namespace tarrowin {

StringerInputs readStringerInputs(const FieldTexts& texts)
{
    const auto read = [&texts](Field field) { return parseLeadingNumber(texts[field]); };
    StringerInputs inputs;
    inputs.horizontalLength = read(Field::HorizontalLength);
    inputs.verticalHeight = read(Field::VerticalHeight);
    inputs.flightWidth = read(Field::FlightWidth);
    inputs.deadLoad = read(Field::DeadLoad);
    inputs.liveLoad = read(Field::LiveLoad);
    inputs.secondMomentOfArea = read(Field::SecondMomentOfArea);
    inputs.sectionModulus = read(Field::SectionModulus);
    inputs.webThickness = read(Field::WebThickness);
    inputs.firstMomentOfArea = read(Field::FirstMomentOfArea);
    inputs.sectionMass = read(Field::SectionMass);
    return inputs;
}

void blankJudgedResults(FieldSheet& sheet)
{
    for (const Check& check : checks)
        sheet.write(check.demandField(), "");
    for (const Check& check : checks)
        sheet.write(check.verdict, "");
    sheet.write(Field::OverallMessage, "");
}

std::optional<ArithmeticFault> runCheckComputation(FieldSheet& sheet)
{
    blankJudgedResults(sheet);

    // The arithmetic never looks at the sheet, so computing everything first
    // and then writing each result only if its quantity was completed leaves
    // the sheet exactly as a run that stopped at the faulting operation.
    const StringerOutcome outcome = calculateStringer(readStringerInputs(sheet.texts()));
    for (const Result& result : results) {
        if (!completed(outcome, result.quantity))
            break;
        sheet.write(result.field, resultText(result, outcome.values));
    }
    return outcome.fault;
}

}  // namespace tarrowin
