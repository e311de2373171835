#pragma once

#include "check/ArithmeticFault.h"
#include "check/StringerCalculation.h"
#include "sheet/Field.h"

#include <array>
#include <string>
#include <string_view>

namespace tarrowin {

// How a result is written into the field that shows it.
enum class NumberForm {
    General,      // unrounded, in the general number form
    TwoDecimals,  // the judged results: rounded to two decimals, halves to even
};

// A result of the calculation: the quantity that computes it and the field
// that shows it.
struct Result {
    Quantity quantity;
    Field field;
    NumberForm form;
    double StringerValues::*value;
};

// The results in the order the calculation writes them. The order matters:
// the allowable deflection is on show before the deflection is judged, and
// the bending and shear verdicts are fresh when the deflection's verdict
// decides the overall message.
inline constexpr std::array<Result, 6> results = {{
    {Quantity::AllowableDeflection, Field::AllowableDeflection, NumberForm::General,
     &StringerValues::allowableDeflection},
    {Quantity::BendingMoment, Field::BendingMoment, NumberForm::General, &StringerValues::moment},
    {Quantity::ShearForce, Field::ShearForce, NumberForm::General, &StringerValues::shearForce},
    {Quantity::BendingStress, Field::BendingStress, NumberForm::TwoDecimals, &StringerValues::bendingStress},
    {Quantity::ShearStress, Field::ShearStress, NumberForm::TwoDecimals, &StringerValues::shearStress},
    {Quantity::Deflection, Field::Deflection, NumberForm::TwoDecimals, &StringerValues::deflection},
}};

// The result that the quantity computes; every quantity named by a check has one.
constexpr const Result& resultOf(Quantity quantity)
{
    for (const Result& result : results)
        if (result.quantity == quantity)
            return result;
    throw "no result computes this quantity";  // not a constant expression: a compile error where it can be
}

// The result shown in the field, or nullptr for a field that no result fills.
constexpr const Result* resultShownIn(Field field)
{
    for (const Result& result : results)
        if (result.field == field)
            return &result;
    return nullptr;
}

// The text that the result is written as.
std::string resultText(const Result& result, const StringerValues& values);

// One of the three checks: a result on show judged against its limit, the
// verdict word written into a field of its own.
struct Check {
    std::string_view englishName;
    std::string_view chineseName;
    Quantity demand;  // the result judged
    Field limit;      // a design strength, or the allowable deflection the calculation writes
    Field verdict;

    constexpr Field demandField() const { return resultOf(demand).field; }
};

// The checks in the order their results are written; the last one decides
// the overall message.
inline constexpr std::array<Check, 3> checks = {{
    {"bending stress", "正应力", Quantity::BendingStress, Field::DesignStrength, Field::BendingVerdict},
    {"shear stress", "剪应力", Quantity::ShearStress, Field::DesignShearStrength, Field::ShearVerdict},
    {"deflection", "挠度", Quantity::Deflection, Field::AllowableDeflection, Field::DeflectionVerdict},
}};

// The check that judges the quantity, or nullptr.
constexpr const Check* checkOf(Quantity quantity)
{
    for (const Check& check : checks)
        if (check.demand == quantity)
            return &check;
    return nullptr;
}

}  // namespace tarrowin
