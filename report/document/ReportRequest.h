#pragma once

#include "stringer/ReportHeader.h"
#include "stringer/Stringer.h"

#include <string>

namespace tarrowin {

struct CalendarDate {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
};

// A date as a Chinese report writes it: "2026年12月8日".
std::string calendarDateText(const CalendarDate& date);

// What a report is made from: the stringer as the window holds it (or as its
// file keeps it), the header the engineer filled in, and where it came from.
struct ReportRequest {
    Stringer stringer;
    ReportHeader header;
    std::string stringerFileName;  // the file's name for the footer; empty when there is no file
    CalendarDate today;            // stands in for the header's date when that is empty
};

}  // namespace tarrowin
