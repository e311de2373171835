#include "ui/model/DateTime.h"

#include "text/Utf8.h"

#include <chrono>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>

namespace tarrowin {
namespace {

std::tm toTm(const LocalDateTime& moment)
{
    std::tm tm{};
    tm.tm_year = moment.year - 1900;
    tm.tm_mon = moment.month - 1;
    tm.tm_mday = moment.day;
    tm.tm_hour = moment.hour;
    tm.tm_min = moment.minute;
    tm.tm_sec = moment.second;
    tm.tm_isdst = -1;
    // Fills in the weekday and day of the year that some formats print.
    std::tm normalised = tm;
    if (std::mktime(&normalised) != static_cast<std::time_t>(-1)) {
        tm.tm_wday = normalised.tm_wday;
        tm.tm_yday = normalised.tm_yday;
    }
    return tm;
}

std::string formatIn(const std::locale& locale, const LocalDateTime& moment, const char* pattern)
{
    std::ostringstream out;
    out.imbue(locale);
    const std::tm tm = toTm(moment);
    out << std::put_time(&tm, pattern);
    return out.str();
}

std::locale userLocale()
{
    try {
        return std::locale("");
    } catch (...) {
        return std::locale::classic();
    }
}

}  // namespace

LocalDateTime SystemClock::now() const
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
#if defined(_WIN32)
    localtime_s(&tm, &seconds);
#else
    localtime_r(&seconds, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

LocaleDateTimeFormat::LocaleDateTimeFormat()
{
    // A locale whose texts are not UTF-8 (a legacy Chinese code page, say)
    // would put bytes into the sheet that nothing else can read.
    try {
        const std::locale locale = userLocale();
        const LocalDateTime probe{2026, 12, 31, 23, 59, 58};
        useUserLocale_ = isValidUtf8(formatIn(locale, probe, "%x")) && isValidUtf8(formatIn(locale, probe, "%X"));
    } catch (...) {
        useUserLocale_ = false;
    }
}

std::string LocaleDateTimeFormat::format(const LocalDateTime& moment, const char* pattern) const
{
    try {
        if (useUserLocale_) {
            std::string text = formatIn(userLocale(), moment, pattern);
            if (isValidUtf8(text))
                return text;
        }
        return formatIn(std::locale::classic(), moment, pattern);
    } catch (...) {
        return {};
    }
}

std::string LocaleDateTimeFormat::shortDate(const LocalDateTime& moment) const { return format(moment, "%x"); }

std::string LocaleDateTimeFormat::longTime(const LocalDateTime& moment) const { return format(moment, "%X"); }

std::string generalDateTimeText(const LocalDateTime& moment, const DateTimeFormat& format)
{
    std::string text = format.shortDate(moment);
    if (!moment.isMidnight()) {
        text += ' ';
        text += format.longTime(moment);
    }
    return text;
}

}  // namespace tarrowin
