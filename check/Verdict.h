#pragma once

#include "sheet/FieldSheet.h"

#include <string_view>

namespace tarrowin {

// The outcome of one check, shown as a word in its verdict field.
enum class Verdict {
    Satisfied,     // "满足": the limit is not exceeded
    NotSatisfied,  // "不满足": the limit is exceeded
};

std::string_view verdictWord(Verdict verdict);

// A verdict compares the rounded result text on show with its limit, both read
// by the leading-number parse; a limit equal to its demand passes. A number
// text beyond the double range reads as an infinity here: verdicts only
// compare and never fail.
Verdict judge(std::string_view demandText, std::string_view limitText);

// The overall message is decided on the three verdict texts, whatever they
// hold: only the exact word "满足" (no blank, nothing else) counts as satisfied.
bool isSatisfiedWord(std::string_view verdictText);

struct OverallMessage {
    std::string_view text;
    Rgb colour;
};

// "满足要求!" in magenta when all three checks are satisfied, otherwise
// "超限,请重选截面!" in red. The comma and the exclamation mark are ASCII.
OverallMessage overallMessage(bool allSatisfied);

}  // namespace tarrowin
