#pragma once

#include <string>

namespace tarrowin {

// A local calendar date and time of day, to the second.
struct LocalDateTime {
    int year = 1970;
    int month = 1;   // 1 to 12
    int day = 1;     // 1 to 31
    int hour = 0;    // 0 to 23
    int minute = 0;
    int second = 0;
    bool isMidnight() const { return hour == 0 && minute == 0 && second == 0; }
};

// The system clock, as the platform gives it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The user's date and time formats, as the platform gives them.
class DateTimeFormat {
public:
    virtual ~DateTimeFormat() = default;
    virtual std::string shortDate(const LocalDateTime& moment) const = 0;
    virtual std::string longTime(const LocalDateTime& moment) const = 0;
};

// The local time from the standard library's clock.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

// Always the same moment.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime moment) : moment_(moment) {}
    LocalDateTime now() const override { return moment_; }

private:
    LocalDateTime moment_;
};

// The standard library's formats of the user's locale ("%x" and "%X"). Where
// that locale cannot be loaded, or does not produce UTF-8, the classic locale
// stands in; constructing or using it never throws.
class LocaleDateTimeFormat final : public DateTimeFormat {
public:
    LocaleDateTimeFormat();
    std::string shortDate(const LocalDateTime& moment) const override;
    std::string longTime(const LocalDateTime& moment) const override;

private:
    std::string format(const LocalDateTime& moment, const char* pattern) const;

    bool useUserLocale_ = false;
};

// The general date-time form: short date, one blank, long time; at exactly
// midnight the date alone.
std::string generalDateTimeText(const LocalDateTime& moment, const DateTimeFormat& format);

}  // namespace tarrowin
