#pragma once

#include "check/ArithmeticFault.h"

#include <string>

namespace tarrowin {

// The report shown to the user after an arithmetic fault, in Chinese: the
// kind of fault and what was being computed.
std::string faultMessageText(const ArithmeticFault& fault);

// The fault in a few words, for a table cell: the kind in short and what was
// being computed, such as "除零（计算正应力时）" or "溢出（读取梯段尺寸时）".
std::string faultSummaryInChinese(const ArithmeticFault& fault);

// The title of the report's message box.
std::string faultMessageTitle();

}  // namespace tarrowin
