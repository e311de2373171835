#include "check/CheckComputation.h"

#include "check/StringerCalculation.h"
#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"

namespace tarrowin {

StringerInputs readStringerInputs(const FieldSheet& sheet)
{
    const auto read = [&sheet](Field field) { return parseLeadingNumber(sheet.text(field)); };
    StringerInputs inputs;
    inputs.horizontalLength = read(Field::Text1);
    inputs.verticalHeight = read(Field::Text2);
    inputs.flightWidth = read(Field::Text3);
    inputs.deadLoad = read(Field::Text4);
    inputs.liveLoad = read(Field::Text5);
    inputs.ix = read(Field::Text15);
    inputs.wx = read(Field::Text16);
    inputs.tw = read(Field::Text17);
    inputs.sx = read(Field::Text18);
    inputs.mass = read(Field::Text19);
    return inputs;
}

std::optional<ArithmeticFault> runCheckComputation(FieldSheet& sheet)
{
    for (Field field : {Field::Text6, Field::Text7, Field::Text8, Field::Text9, Field::Text10, Field::Text11,
                        Field::Text12})
        sheet.write(field, "");

    const StringerInputs inputs = readStringerInputs(sheet);

    // The arithmetic never looks at the sheet, so computing everything first
    // and then writing each result only if its quantity was completed leaves
    // the sheet exactly as a run that stopped at the faulting operation.
    const StringerOutcome outcome = calculateStringer(inputs);
    const StringerValues& v = outcome.values;
    const auto writeIfCompleted = [&](Quantity quantity, Field field, std::string text) {
        if (!completed(outcome, quantity))
            return false;
        sheet.write(field, text);
        return true;
    };

    writeIfCompleted(Quantity::AllowableDeflection, Field::Text22, generalNumberText(v.allowableDeflection))
        && writeIfCompleted(Quantity::BendingMoment, Field::Text13, generalNumberText(v.moment))
        && writeIfCompleted(Quantity::ShearForce, Field::Text14, generalNumberText(v.shearForce))
        && writeIfCompleted(Quantity::BendingStress, Field::Text6, twoDecimalText(v.bendingStress))
        && writeIfCompleted(Quantity::ShearStress, Field::Text7, twoDecimalText(v.shearStress))
        && writeIfCompleted(Quantity::Deflection, Field::Text8, twoDecimalText(v.deflection));
    return outcome.fault;
}

}  // namespace tarrowin
