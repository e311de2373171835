#include "ui/qt/QtDateTime.h"

#include <QDateTime>

namespace tarrowin {

LocalDateTime QtClock::now() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

QString timePatternWithoutZone(const QString& pattern)
{
    // The zone is one run of 't' outside quotes, together with the blanks
    // that set it apart; a blank stays where it stood between two parts.
    // Quoted literals pass untouched. A plain scan: this runs at start-up,
    // where a regular expression engine costs more than it is worth.
    QString result;
    const qsizetype size = pattern.size();
    qsizetype i = 0;
    while (i < size) {
        if (pattern[i] == QLatin1Char('\'')) {
            const qsizetype closing = pattern.indexOf(QLatin1Char('\''), i + 1);
            if (closing >= 0) {
                result += pattern.mid(i, closing - i + 1);
                i = closing + 1;
                continue;
            }
        }
        qsizetype end = i;
        while (end < size && pattern[end].isSpace())
            ++end;
        if (end < size && pattern[end] == QLatin1Char('t')) {
            while (end < size && pattern[end] == QLatin1Char('t'))
                ++end;
            while (end < size && pattern[end].isSpace())
                ++end;
            if (i > 0 && end < size)
                result += QLatin1Char(' ');
            i = end;
            continue;
        }
        result += pattern[i];
        ++i;
    }
    return result;
}

QtDateTimeFormat::QtDateTimeFormat(const QLocale& locale)
    : locale_(locale), timePattern_(timePatternWithoutZone(locale.timeFormat(QLocale::LongFormat)))
{
}

std::string QtDateTimeFormat::shortDate(const LocalDateTime& moment) const
{
    return locale_.toString(QDate(moment.year, moment.month, moment.day), QLocale::ShortFormat).toStdString();
}

std::string QtDateTimeFormat::longTime(const LocalDateTime& moment) const
{
    return locale_.toString(QTime(moment.hour, moment.minute, moment.second), timePattern_).toStdString();
}

}  // namespace tarrowin
