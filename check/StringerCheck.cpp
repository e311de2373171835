#include "check/StringerCheck.h"

#include "check/SheetCalculation.h"
#include "sheet/FieldTexts.h"
#include "sheet/NumberText.h"

#include <charconv>
#include <cmath>

namespace tarrowin {

StringerCheck::StringerCheck(const FieldTexts& texts) : StringerCheck(readStringerInputs(texts), texts) {}

StringerCheck::StringerCheck(const StringerInputs& inputs, const FieldTexts& texts)
    : outcome_(calculateStringer(inputs))
{
    for (const Check& check : checks) {
        if (!completed(outcome_, check.demand))
            break;
        // A limit that the calculation itself writes is judged as this run
        // wrote it, as the window's verdict reads it just after the write.
        const Result* limitResult = resultShownIn(check.limit);
        const std::string limitText = limitResult ? formatted(limitResult->quantity) : texts[check.limit];
        verdicts_[checkIndex(check)] = judge(formatted(check.demand), limitText);
        limitValues_[checkIndex(check)] =
            limitResult ? outcome_.values.*limitResult->value : parseLeadingNumber(limitText).value;
    }
}

std::size_t StringerCheck::resultIndex(Quantity result)
{
    std::size_t i = 0;
    while (i + 1 < results.size() && results[i].quantity != result)
        ++i;
    return i;
}

const std::string& StringerCheck::formatted(Quantity result)
{
    const std::size_t i = resultIndex(result);
    if (!resultTexts_[i])
        resultTexts_[i] = resultText(results[i], outcome_.values);
    return *resultTexts_[i];
}

std::string StringerCheck::text(Quantity result) const
{
    if (!completed(outcome_, result))
        return {};
    const std::size_t i = resultIndex(result);
    return resultTexts_[i] ? *resultTexts_[i] : resultText(results[i], outcome_.values);
}

std::optional<Verdict> StringerCheck::verdict(const Check& check) const { return verdicts_[checkIndex(check)]; }

std::optional<OverallMessage> StringerCheck::message() const
{
    bool allSatisfied = true;
    for (const std::optional<Verdict>& verdict : verdicts_) {
        if (!verdict)
            return std::nullopt;
        allSatisfied = allSatisfied && *verdict == Verdict::Satisfied;
    }
    return overallMessage(allSatisfied);
}

std::optional<double> StringerCheck::utilisation(const Check& check) const
{
    const std::size_t i = checkIndex(check);
    if (!verdicts_[i] || limitValues_[i] == 0)
        return std::nullopt;
    const double ratio = outcome_.values.*resultOf(check.demand).value / limitValues_[i];
    if (!std::isfinite(ratio))
        return std::nullopt;
    return ratio;
}

std::string utilisationText(std::optional<double> ratio)
{
    if (!ratio)
        return "-";
    // Fixed notation rounds the exact binary value, ties to even. A ratio is
    // finite, so at most 309 digits before the point.
    char buffer[330];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, *ratio, std::chars_format::fixed, 3).ptr;
    std::string text(buffer, end);
    if (text == "-0.000")
        return "0.000";
    // Past 999.999 the text has more than three digits before the point.
    const bool negative = text.front() == '-';
    if (text.size() - (negative ? 1 : 0) > 7)
        return negative ? "<-999.999" : ">999.999";
    return text;
}

}  // namespace tarrowin
