// The time stamp line: the locale's short date and long time through Qt,
// written once when the window loads.
#include "WindowTestSupport.h"

#include <QLabel>

using namespace tarrowin;
using namespace tarrowin::testing;

class TimeStampTest : public QObject {
    Q_OBJECT

private slots:
    void zoneLeavesTheTimePattern_data();
    void zoneLeavesTheTimePattern();
    void stampIsWrittenBeforeTheWindowShows_data();
    void stampIsWrittenBeforeTheWindowShows();
};

void TimeStampTest::zoneLeavesTheTimePattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("withoutZone");

    QTest::newRow("zone last") << "HH:mm:ss t" << "HH:mm:ss";
    QTest::newRow("12-hour, zone last") << "h:mm:ss AP t" << "h:mm:ss AP";
    QTest::newRow("long zone first") << "tttt HH:mm:ss" << "HH:mm:ss";
    QTest::newRow("zone between") << "AP t h:mm:ss" << "AP h:mm:ss";
    QTest::newRow("zone glued on") << "tHH:mm:ss" << "HH:mm:ss";
    QTest::newRow("t inside quotes stays") << "H'h'mm 'et' ss t" << "H'h'mm 'et' ss";
    QTest::newRow("no zone") << "HH:mm:ss" << "HH:mm:ss";
    QTest::newRow("blank before a quote stays") << "HH:mm 'Uhr' t" << "HH:mm 'Uhr'";
    QTest::newRow("unclosed quote is plain text") << "HH:mm:ss 'x t" << "HH:mm:ss 'x";
}

void TimeStampTest::zoneLeavesTheTimePattern()
{
    QFETCH(QString, pattern);
    QFETCH(QString, withoutZone);
    QCOMPARE(timePatternWithoutZone(pattern), withoutZone);
}

void TimeStampTest::stampIsWrittenBeforeTheWindowShows_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("stamp");

    // US short date M/d/yy and long time h:mm:ss AP.
    QTest::newRow("afternoon") << 17 << 30 << 5 << "现在时间：12/8/26 5:30:05 PM";
    QTest::newRow("one second past midnight") << 0 << 0 << 1 << "现在时间：12/8/26 12:00:01 AM";
    QTest::newRow("midnight shows the date alone") << 0 << 0 << 0 << "现在时间：12/8/26";
}

void TimeStampTest::stampIsWrittenBeforeTheWindowShows()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(QString, stamp);

    auto session = makeSession({2026, 12, 8, hour, minute, second});
    auto* label = control<QLabel>(*session, "Label19");
    QVERIFY(!session->window().isVisible());
    QCOMPARE(label->text(), stamp);
    QCOMPARE(fieldText(*session, Field::TimeStamp), stamp);

    // Nothing refreshes it while the window is open.
    QVERIFY(showAndActivate(*session));
    QTest::mouseClick(control(*session, "Command1"), Qt::LeftButton);
    QTest::mouseClick(control(*session, "Command2"), Qt::LeftButton);
    QCOMPARE(label->text(), stamp);
}

QTEST_MAIN(TimeStampTest)
#include "TimeStampTest.moc"
