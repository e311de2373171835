#pragma once

#include <string>

namespace tarrowin {

// The header of a calculation report, as the engineer fills it in; any
// entry may be empty (the report then leaves a line to sign on). Kept with
// the stringer in its file.
struct ReportHeader {
    std::string project;   // 工程名称
    std::string member;    // 构件
    std::string designer;  // 设计
    std::string checker;   // 校对
    std::string reviewer;  // 审核
    std::string date;      // 日期; empty means the day the report is made

    friend bool operator==(const ReportHeader&, const ReportHeader&) = default;
};

}  // namespace tarrowin
