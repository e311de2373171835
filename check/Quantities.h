#pragma once

#include "check/ArithmeticFault.h"
#include "check/Calculation.h"
#include "sheet/Field.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

// Every input, result and check described once. The window model, the survey,
// the files, the command-line tool, the driver and the report iterate these
// tables; none of them lists a quantity of its own.

namespace tarrowin {

// Where an input's text comes from.
enum class InputSource {
    Flight,    // typed by the engineer: the flight and its loads
    Section,   // a property of the section in use, which the catalogue's lookup writes
    Strength,  // a design strength, which the grade writes; only the verdicts read it
};

// A text the calculation or a verdict reads from a field.
struct Input {
    Field field;
    InputSource source;
    ParsedNumber StringerInputs::*read;  // what the calculation reads it into; nullptr for a strength
    std::string_view key;                // in stringer files and CSVs; empty for a strength, which the grade names
    std::string_view caption;            // as the window captions it
    std::string_view unit;               // as the window writes it ("kN/m2")
    std::string_view symbol;             // in the report's notation ("g_k")
};

// The inputs: first those the calculation reads, in reading order, then the strengths.
inline constexpr std::array<Input, 12> inputs = {{
    {Field::HorizontalLength, InputSource::Flight, &StringerInputs::horizontalLength, "horizontal_length", "水平长度",
     "mm", "L"},
    {Field::VerticalHeight, InputSource::Flight, &StringerInputs::verticalHeight, "vertical_height", "垂直高度", "mm",
     "H"},
    {Field::FlightWidth, InputSource::Flight, &StringerInputs::flightWidth, "flight_width", "梯段宽度", "mm", "B"},
    {Field::DeadLoad, InputSource::Flight, &StringerInputs::deadLoad, "dead_load", "恒荷载标准值", "kN/m2", "g_k"},
    {Field::LiveLoad, InputSource::Flight, &StringerInputs::liveLoad, "live_load", "活荷载标准值", "kN/m2", "q_k"},
    {Field::SecondMomentOfArea, InputSource::Section, &StringerInputs::secondMomentOfArea, "second_moment_of_area",
     "截面惯性矩", "mm4", "I_x"},
    {Field::SectionModulus, InputSource::Section, &StringerInputs::sectionModulus, "section_modulus", "截面模量",
     "mm3", "W_x"},
    {Field::WebThickness, InputSource::Section, &StringerInputs::webThickness, "web_thickness", "腹板厚度", "mm",
     "t_w"},
    {Field::FirstMomentOfArea, InputSource::Section, &StringerInputs::firstMomentOfArea, "first_moment_of_area",
     "半截面面积矩", "mm3", "S_x"},
    {Field::SectionMass, InputSource::Section, &StringerInputs::sectionMass, "mass", "截面每米质量", "kg/m", "m"},
    {Field::DesignStrength, InputSource::Strength, nullptr, "", "抗弯强度设计值", "N/mm2", "f"},
    {Field::DesignShearStrength, InputSource::Strength, nullptr, "", "抗剪强度设计值", "N/mm2", "f_v"},
}};

// The inputs from one source, in the order of the table.
template <InputSource source>
constexpr auto inputsFrom()
{
    constexpr auto count = static_cast<std::size_t>(std::ranges::count(inputs, source, &Input::source));
    std::array<Input, count> chosen{};
    std::ranges::copy_if(inputs, chosen.begin(), [](const Input& input) { return input.source == source; });
    return chosen;
}

inline constexpr auto flightInputs = inputsFrom<InputSource::Flight>();
inline constexpr auto sectionInputs = inputsFrom<InputSource::Section>();
inline constexpr auto strengthInputs = inputsFrom<InputSource::Strength>();

// The input read from the field, or nullptr.
constexpr const Input* inputIn(Field field)
{
    for (const Input& input : inputs)
        if (input.field == field)
            return &input;
    return nullptr;
}

// A symbol of the report's notation as plain text: "f_v" reads "fv".
std::string plainSymbol(std::string_view symbol);

// A stage of the calculation before its first result, for the words of a
// fault met there.
struct Stage {
    Quantity quantity;
    std::string_view englishName;  // what was being done, in a few words
    std::string_view activity;     // the same in Chinese, with its verb
};

inline constexpr std::array<Stage, 4> stages = {{
    {Quantity::InputGeometry, "reading the flight geometry", "读取梯段尺寸"},
    {Quantity::InputLoads, "reading the loads and the section", "读取荷载与截面参数"},
    {Quantity::DesignLineLoad, "design line load q", "计算设计线荷载"},
    {Quantity::Slope, "inclined length and slope cosine", "计算斜长与坡度"},
}};

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
    std::string_view key;          // its column in the command line's tables
    std::string_view englishName;  // in the command line's and the driver's fault words
    std::string_view caption;      // as the window captions it
    std::string_view unit;         // as the window writes it ("N/mm2")
    std::string_view symbol;       // in the report's notation
};

// The results in the order the calculation writes them. The order matters:
// the allowable deflection is on show before the deflection is judged, and
// the bending and shear verdicts are fresh when the deflection's verdict
// decides the overall message.
inline constexpr std::array<Result, 6> results = {{
    {Quantity::AllowableDeflection, Field::AllowableDeflection, NumberForm::General,
     &StringerValues::allowableDeflection, "allowable_deflection", "allowable deflection", "允许挠度", "mm", "[δ]"},
    {Quantity::BendingMoment, Field::BendingMoment, NumberForm::General, &StringerValues::moment, "bending_moment",
     "bending moment M", "弯矩M", "N·mm", "M"},
    {Quantity::ShearForce, Field::ShearForce, NumberForm::General, &StringerValues::shearForce, "shear_force",
     "shear force V", "剪力V", "N", "V"},
    {Quantity::BendingStress, Field::BendingStress, NumberForm::TwoDecimals, &StringerValues::bendingStress,
     "bending_stress", "bending stress", "正应力", "N/mm2", "σ"},
    {Quantity::ShearStress, Field::ShearStress, NumberForm::TwoDecimals, &StringerValues::shearStress,
     "shear_stress", "shear stress", "剪应力", "N/mm2", "τ"},
    {Quantity::Deflection, Field::Deflection, NumberForm::TwoDecimals, &StringerValues::deflection, "deflection",
     "deflection", "挠度", "mm", "δ"},
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

// A check: a result on show judged against its limit, the verdict word
// written into a field of its own.
struct Check {
    Quantity demand;  // the result judged
    Field limit;      // a design strength, or the allowable deflection the calculation writes
    Field verdict;
    std::string_view verdictKey;  // the command line's column of the verdict word
    std::string_view ratioKey;    // and of the utilisation
    std::string_view rule;        // the rule of GB 50017-2017 the report cites

    constexpr const Result& demandResult() const { return resultOf(demand); }
    constexpr Field demandField() const { return demandResult().field; }
    // The check's name: its result's caption.
    constexpr std::string_view caption() const { return demandResult().caption; }
};

// The checks in the order their results are written; the last one decides
// the overall message.
inline constexpr std::array<Check, 3> checks = {{
    {Quantity::BendingStress, Field::DesignStrength, Field::BendingVerdict, "bending_verdict", "bending_ratio",
     "式 (6.1.1)"},
    {Quantity::ShearStress, Field::DesignShearStrength, Field::ShearVerdict, "shear_verdict", "shear_ratio",
     "式 (6.1.3)"},
    {Quantity::Deflection, Field::AllowableDeflection, Field::DeflectionVerdict, "deflection_verdict",
     "deflection_ratio", "表 B.1.1"},
}};

// The check that judges the quantity, or nullptr.
constexpr const Check* checkOf(Quantity quantity)
{
    for (const Check& check : checks)
        if (check.demand == quantity)
            return &check;
    return nullptr;
}

// The check's limit as a symbol of the report's notation.
constexpr std::string_view limitSymbol(const Check& check)
{
    if (const Result* computed = resultShownIn(check.limit))
        return computed->symbol;
    return inputIn(check.limit)->symbol;
}

// What the tables of checked stringers show of one calculation: each check's
// result, then each limit that the calculation computes, in the order of the
// checks ("bending_stress", "shear_stress", "deflection", "allowable_deflection").
// Fields are compared, not pointers: gcc's null-pointer sanitizer makes a
// pointer test no constant expression.
inline constexpr auto shownResults = [] {
    constexpr auto computedLimits =
        static_cast<std::size_t>(std::ranges::count_if(checks, [](const Check& check) {
            return std::ranges::count(results, check.limit, &Result::field) > 0;
        }));
    std::array<Quantity, checks.size() + computedLimits> shown{};
    std::size_t next = 0;
    for (const Check& check : checks)
        shown[next++] = check.demand;
    for (const Check& check : checks)
        for (const Result& result : results)
            if (result.field == check.limit)
                shown[next++] = result.quantity;
    return shown;
}();

// Every quantity is one stage or one result (the quantities are numbered from
// zero without a gap), and exactly the inputs the calculation reads have a key.
constexpr bool describesEveryQuantity()
{
    for (std::size_t q = 0; q < stages.size() + results.size(); ++q) {
        const auto quantity = static_cast<Quantity>(q);
        if (std::ranges::count(stages, quantity, &Stage::quantity) + std::ranges::count(results, quantity, &Result::quantity)
            != 1)
            return false;
    }
    for (const Input& input : inputs)
        if ((input.read != nullptr) == input.key.empty())
            return false;
    return true;
}
static_assert(describesEveryQuantity(), "each quantity needs one stage or one result, each input read a key");

}  // namespace tarrowin
