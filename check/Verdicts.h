#pragma once

#include <string_view>

namespace tarrowin {

class FieldSheet;

inline constexpr std::string_view satisfied = "满足";
inline constexpr std::string_view notSatisfied = "不满足";
inline constexpr std::string_view allSatisfiedMessage = "满足要求!";
inline constexpr std::string_view limitExceededMessage = "超限,请重选截面!";

// Each verdict compares the rounded result text on show with its limit, both
// read by the leading-number parse; a limit equal to its demand passes. A
// number text beyond the double range reads as an infinity here: verdicts
// only compare and never fail.

// Text6 against the design strength Text20, into Text9.
void judgeBendingStress(FieldSheet& sheet);
// Text7 against the design shear strength Text21, into Text10.
void judgeShearStress(FieldSheet& sheet);
// Text8 against the allowable deflection Text22, into Text11, then the
// overall message in Text12 from the three verdict texts.
void judgeDeflection(FieldSheet& sheet);

// Hangs the three verdicts on the change notices of Text6, Text7 and Text8.
void attachVerdicts(FieldSheet& sheet);

}  // namespace tarrowin
