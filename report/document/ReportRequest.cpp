#include "report/document/ReportRequest.h"

namespace tarrowin {

std::string calendarDateText(const CalendarDate& date)
{
    return std::to_string(date.year) + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
}

}  // namespace tarrowin
