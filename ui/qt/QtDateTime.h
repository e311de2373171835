#pragma once

#include "ui/model/DateTime.h"

#include <QLocale>

namespace tarrowin {

// The local date and time as Qt reads the system clock.
class QtClock final : public Clock {
public:
    LocalDateTime now() const override;
};

// The short date and the long time of a Qt locale, the user's by default.
// Qt's long time ends in the time zone's name on many systems; the time
// stamp shows the local time to the second without it.
class QtDateTimeFormat final : public DateTimeFormat {
public:
    explicit QtDateTimeFormat(const QLocale& locale = QLocale());
    std::string shortDate(const LocalDateTime& moment) const override;
    std::string longTime(const LocalDateTime& moment) const override;

private:
    QLocale locale_;
    QString timePattern_;
};

// The locale's long time pattern without its time-zone field.
QString timePatternWithoutZone(const QString& pattern);

}  // namespace tarrowin
