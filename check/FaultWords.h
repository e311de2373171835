#pragma once

#include "check/ArithmeticFault.h"

#include <string>
#include <string_view>

namespace tarrowin {

// The words for a kind of fault, written once for every message built on them.
struct FaultKindWords {
    std::string_view english;       // "division-by-zero", "overflow"
    std::string_view chinese;       // "除数为零", "溢出"
    std::string_view chineseShort;  // for a table cell: "除零", "溢出"
};

FaultKindWords faultKindWords(FaultKind kind);

// "division-by-zero" or "overflow".
std::string_view faultKindName(FaultKind kind);

// A few English words on what was being computed, for traces.
std::string_view quantityDescription(Quantity quantity);

// The same in Chinese, with its verb: "计算正应力", "读取梯段尺寸".
std::string quantityActivity(Quantity quantity);

// Which fault stopped a check and what was being computed, for the command
// line: "division-by-zero: design line load q".
std::string faultDetail(const ArithmeticFault& fault);

// The report shown to the user after an arithmetic fault, in Chinese: the
// kind of fault and what was being computed.
std::string faultMessageText(const ArithmeticFault& fault);

// The fault in a few words, for a table cell: the kind in short and what was
// being computed, such as "除零（计算正应力时）" or "溢出（读取梯段尺寸时）".
std::string faultSummaryInChinese(const ArithmeticFault& fault);

}  // namespace tarrowin
