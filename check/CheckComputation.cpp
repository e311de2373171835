#include "check/CheckComputation.h"

#include "check/Checks.h"
#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"

#include <array>

namespace tarrowin {

namespace {

// Each input by the field it is read from, in reading order.
struct InputField {
    Field field;
    ParsedNumber StringerInputs::*input;
};

constexpr std::array<InputField, 10> inputReads = {{
    {Field::HorizontalLength, &StringerInputs::horizontalLength},
    {Field::VerticalHeight, &StringerInputs::verticalHeight},
    {Field::FlightWidth, &StringerInputs::flightWidth},
    {Field::DeadLoad, &StringerInputs::deadLoad},
    {Field::LiveLoad, &StringerInputs::liveLoad},
    {Field::SecondMomentOfArea, &StringerInputs::secondMomentOfArea},
    {Field::SectionModulus, &StringerInputs::sectionModulus},
    {Field::WebThickness, &StringerInputs::webThickness},
    {Field::FirstMomentOfArea, &StringerInputs::firstMomentOfArea},
    {Field::SectionMass, &StringerInputs::sectionMass},
}};

}  // namespace

StringerInputs readStringerInputs(const FieldTexts& texts)
{
    StringerInputs inputs;
    for (const InputField& read : inputReads)
        inputs.*read.input = parseLeadingNumber(texts[read.field]);
    return inputs;
}

void readInput(StringerInputs& inputs, Field field, std::string_view text)
{
    for (const InputField& read : inputReads)
        if (read.field == field)
            inputs.*read.input = parseLeadingNumber(text);
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
