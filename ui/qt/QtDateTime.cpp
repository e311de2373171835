#include "ui/qt/QtDateTime.h"

#include <QDateTime>
#include <QRegularExpression>

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
    // The zone is one run of 't'/'tt'/'ttt'/'tttt' outside quotes, together
    // with the blanks that set it apart. Quoted literals pass untouched.
    static const QRegularExpression zone(QStringLiteral("('[^']*')|\\s*t+\\s*"));
    QString result;
    qsizetype copiedUpTo = 0;
    for (auto it = zone.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength(1) > 0)
            continue;
        result += pattern.mid(copiedUpTo, match.capturedStart() - copiedUpTo);
        const bool between = match.capturedStart() > 0 && match.capturedEnd() < pattern.size();
        if (between)
            result += QLatin1Char(' ');
        copiedUpTo = match.capturedEnd();
    }
    result += pattern.mid(copiedUpTo);
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
