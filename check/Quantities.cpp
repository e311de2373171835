#include "check/Quantities.h"

#include "sheet/NumberText.h"

namespace tarrowin {

std::string plainSymbol(std::string_view symbol)
{
    std::string plain;
    for (const char c : symbol)
        if (c != '_')
            plain += c;
    return plain;
}

std::string resultText(const Result& result, const StringerValues& values)
{
    const double value = values.*result.value;
    return result.form == NumberForm::TwoDecimals ? twoDecimalText(value) : generalNumberText(value);
}

}  // namespace tarrowin
