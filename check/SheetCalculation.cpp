#include "check/SheetCalculation.h"

#include "check/Quantities.h"
#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"

namespace tarrowin {

StringerInputs readStringerInputs(const FieldTexts& texts)
{
    StringerInputs read;
    for (const Input& input : inputs)
        if (input.read)
            read.*input.read = parseLeadingNumber(texts[input.field]);
    return read;
}

void readInput(StringerInputs& read, Field field, std::string_view text)
{
    if (const Input* input = inputIn(field); input && input->read)
        read.*input->read = parseLeadingNumber(text);
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
