#pragma once

#include "check/ArithmeticFault.h"
#include "report/document/ReportDocument.h"
#include "report/document/ReportRequest.h"

#include <string_view>
#include <variant>

namespace tarrowin {

// The title every report carries, also the PDF's title.
inline constexpr std::string_view reportTitle = "钢楼梯斜梁验算计算书";

// The calculation report of the stringer, from the same check the window runs
// on 计算: every number in it is a double of that run, and every result the
// window shows is that field's text. A run that meets an arithmetic fault
// makes no report: the fault comes back instead.
std::variant<ReportDocument, ArithmeticFault> buildReport(const ReportRequest& request);

// What every report opens with: the title, the header and 1 设计依据.
ReportDocument reportOpening(const ReportHeader& header, const CalendarDate& today);

}  // namespace tarrowin
