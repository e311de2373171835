#include "check/Verdict.h"

#include "sheet/NumberText.h"

namespace tarrowin {
namespace {

constexpr std::string_view satisfiedWord = "满足";

}  // namespace

std::string_view verdictWord(Verdict verdict) { return verdict == Verdict::Satisfied ? satisfiedWord : "不满足"; }

Verdict judge(std::string_view demandText, std::string_view limitText)
{
    // The limit is read first, as the verdict steps always have.
    const double limit = parseLeadingNumber(limitText).value;
    const double demand = parseLeadingNumber(demandText).value;
    return limit >= demand ? Verdict::Satisfied : Verdict::NotSatisfied;
}

bool isSatisfiedWord(std::string_view verdictText) { return verdictText == satisfiedWord; }

OverallMessage overallMessage(bool allSatisfied)
{
    if (allSatisfied)
        return {"满足要求!", magenta};
    return {"超限,请重选截面!", red};
}

}  // namespace tarrowin
