#pragma once

#include "check/Quantities.h"
#include "check/Calculation.h"
#include "check/Verdict.h"

#include <array>
#include <optional>
#include <string>

namespace tarrowin {

class FieldTexts;

// One calculation and its verdicts on plain texts: what the window would show
// after 计算 on a sheet holding these texts, computed without writing any
// field. It shares every step with the window's calculation (the same
// arithmetic, result texts and verdict rule), so the two cannot disagree.
class StringerCheck {
public:
    // Reads the inputs, the section's properties and the strengths from the
    // texts, as the calculation and the verdicts read them from the sheet.
    explicit StringerCheck(const FieldTexts& texts);
    // The same with the inputs already read from those texts: a survey reads
    // the flight once for every section.
    StringerCheck(const StringerInputs& inputs, const FieldTexts& texts);

    // The unrounded values, and the fault if the calculation met one.
    const StringerOutcome& outcome() const { return outcome_; }
    const std::optional<ArithmeticFault>& fault() const { return outcome_.fault; }

    // The text the result's field would hold; empty where the run did not get
    // that far (a fault stopped it first).
    std::string text(Quantity result) const;

    // The check's verdict; none where its result was not reached.
    std::optional<Verdict> verdict(const Check& check) const;

    // The overall message; none unless the run reached the last check.
    std::optional<OverallMessage> message() const;

    // The unrounded result over its unrounded limit: the design strength's
    // value, or the allowable deflection as computed. None where the result
    // was not reached, the limit is zero or the quotient is not a finite double.
    std::optional<double> utilisation(const Check& check) const;

private:
    static std::size_t resultIndex(Quantity result);
    // The result's text, formatted once.
    const std::string& formatted(Quantity result);
    std::size_t checkIndex(const Check& check) const { return static_cast<std::size_t>(&check - checks.data()); }

    StringerOutcome outcome_;
    // The texts the verdicts judged; the others are formatted when asked for.
    std::array<std::optional<std::string>, results.size()> resultTexts_;
    std::array<std::optional<Verdict>, checks.size()> verdicts_;
    std::array<double, checks.size()> limitValues_{};
};

// A utilisation ratio as text: rounded to three decimals by its exact stored
// value, halves to even, with exactly three decimals ("0.316", "1.000",
// "-0.250"); zero is never "-0.000". Beyond ±999.999 after rounding it reads
// ">999.999" or "<-999.999"; no ratio at all reads "-".
std::string utilisationText(std::optional<double> ratio);

}  // namespace tarrowin
