// The window driven as a user drives it: mouse clicks, typing, the option
// pair, keys that must do nothing, fault reports and very long input.
#include "WindowTestSupport.h"

#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

// Counts the pixels drawn in roughly the given colour; anti-aliased edges
// blend, but the cores of the glyphs carry the colour itself.
int pixelsLike(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 40 && std::abs(pixel.green() - colour.green()) < 40
                && std::abs(pixel.blue() - colour.blue()) < 40)
                ++count;
        }
    return count;
}

const QStringList judgedBoxes{"Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12"};

}  // namespace

class WindowInteractionTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        session = makeSession();
        QVERIFY(showAndActivate(*session));
    }
    void cleanup() { session.reset(); }

    void clickOnCalculateShowsTheWorkedExample();
    void failedCheckShowsRedUntilCleared();
    void typingWritesEachKeystrokeWithoutMovingTheCaret();
    void optionPair();
    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();
    void faultIsReportedAndTheWindowCarriesOn_data();
    void faultIsReportedAndTheWindowCarriesOn();
    void megabyteOfPastedTextIsKept();

private:
    QString shown(const char* name) { return control<QLineEdit>(*session, name)->text(); }
    void click(const char* name) { QTest::mouseClick(control(*session, name), Qt::LeftButton); }
    QColor messageColour() { return control<QLineEdit>(*session, "Text12")->palette().color(QPalette::Text); }

    std::unique_ptr<WindowSession> session;
};

void WindowInteractionTest::clickOnCalculateShowsTheWorkedExample()
{
    click("Command1");

    // Worked example from the texts at start: sigma 67.8926, tau 9.6063 and
    // delta 4.4657 rounded to two decimals; all within 215, 125 and
    // 3354.1/250 = 13.4164, so every check is satisfied.
    QCOMPARE(shown("Text6"), QStringLiteral("67.89"));
    QCOMPARE(shown("Text7"), QStringLiteral("9.61"));
    QCOMPARE(shown("Text8"), QStringLiteral("4.47"));
    QCOMPARE(shown("Text9"), QStringLiteral("满足"));
    QCOMPARE(shown("Text10"), QStringLiteral("满足"));
    QCOMPARE(shown("Text11"), QStringLiteral("满足"));
    QCOMPARE(shown("Text12"), QStringLiteral("满足要求!"));
    QCOMPARE(messageColour(), QColor(255, 0, 255));
    QVERIFY(pixelsLike(control(*session, "Text12")->grab().toImage(), QColor(255, 0, 255)) > 10);
}

void WindowInteractionTest::failedCheckShowsRedUntilCleared()
{
    // qk = 20: q = (1.3 x 1.0 + 1.5 x 20) x 750/1000 + 1.3 x 0.145 = 23.6635 N/mm,
    // M = q (3000² + 1500²) / 10 = 26621437.5, sigma = M / (1.05 x 80500) = 314.953 > 215.
    // tau scales with q: 9.6063 x 23.6635 / 5.101 = 44.56 <= 125.
    // delta uses the unfactored load (1.0 + 20) x 0.75 + 0.145 = 15.895 against 3.52:
    // 4.4657 x 15.895 / 3.52 = 20.17 > 13.4164.
    retype(control(*session, "Text5"), QStringLiteral("20"));
    click("Command1");
    QCOMPARE(shown("Text6"), QStringLiteral("314.95"));
    QCOMPARE(shown("Text9"), QStringLiteral("不满足"));
    QCOMPARE(shown("Text10"), QStringLiteral("满足"));
    QCOMPARE(shown("Text11"), QStringLiteral("不满足"));
    QCOMPARE(shown("Text12"), QStringLiteral("超限,请重选截面!"));
    QCOMPARE(messageColour(), QColor(255, 0, 0));
    const QImage message = control(*session, "Text12")->grab().toImage();
    QVERIFY(pixelsLike(message, QColor(255, 0, 0)) > 10);
    QCOMPARE(pixelsLike(message, QColor(255, 0, 255)), 0);

    click("Command2");
    for (const QString& result : judgedBoxes)
        QVERIFY2(shown(qPrintable(result)).isEmpty(), qPrintable(result));
    QCOMPARE(messageColour(), QColor(255, 0, 255));
    QCOMPARE(shown("Text5"), QStringLiteral("20"));
    QCOMPARE(control<QLineEdit>(*session, "Text13")->text(), QStringLiteral("26621437.5"));
}

void WindowInteractionTest::typingWritesEachKeystrokeWithoutMovingTheCaret()
{
    auto* box = control<QLineEdit>(*session, "Text1");
    box->setFocus(Qt::MouseFocusReason);
    box->setCursorPosition(2);  // "30|00"
    QTest::keyClick(box, Qt::Key_7);
    QCOMPARE(fieldText(*session, Field::HorizontalLength), QStringLiteral("30700"));
    QCOMPARE(box->cursorPosition(), 3);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(fieldText(*session, Field::HorizontalLength), QStringLiteral("3000"));
    QCOMPARE(box->cursorPosition(), 2);
    QTest::keyClicks(box, QStringLiteral(".5"));
    QCOMPARE(fieldText(*session, Field::HorizontalLength), QStringLiteral("30.500"));
    QCOMPARE(box->cursorPosition(), 4);
    // Undo and redo are edits too: the field follows the box.
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(box->text() != QStringLiteral("30.500"));
    QCOMPARE(fieldText(*session, Field::HorizontalLength), box->text());
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fieldText(*session, Field::HorizontalLength), box->text());

    // The read-only results take the focus but no typing.
    auto* result = control<QLineEdit>(*session, "Text6");
    result->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(result, QStringLiteral("99"));
    QVERIFY(fieldText(*session, Field::BendingStress).isEmpty());
    QVERIFY(shown("Text9").isEmpty());

    // A program write shows at once.
    session->model().typeInto(Field::VerticalHeight, "2400");
    QCOMPARE(shown("Text2"), QStringLiteral("2400"));
}

void WindowInteractionTest::optionPair()
{
    auto* option1 = control<QRadioButton>(*session, "Option1");
    auto* option2 = control<QRadioButton>(*session, "Option2");
    int checkedAtSomeMoment = 0;
    int momentsWithoutExactlyOne = 0;
    for (QRadioButton* option : {option1, option2})
        connect(option, &QRadioButton::toggled, this, [&] {
            ++checkedAtSomeMoment;
            momentsWithoutExactlyOne += (option1->isChecked() + option2->isChecked()) != 1;
        });

    // Q355B: f 305, fv 175; Q235B: f 215, fv 125.
    click("Option2");
    QVERIFY(option2->isChecked() && !option1->isChecked());
    QCOMPARE(shown("Text20"), QStringLiteral("305"));
    QCOMPARE(shown("Text21"), QStringLiteral("175"));

    // The arrow keys move the selection inside the pair and raise its notice.
    QCOMPARE(QApplication::focusWidget(), option2);
    QTest::keyClick(option2, Qt::Key_Left);
    QVERIFY(option1->isChecked() && !option2->isChecked());
    QCOMPARE(QApplication::focusWidget(), option1);
    QCOMPARE(shown("Text20"), QStringLiteral("215"));
    QCOMPARE(shown("Text21"), QStringLiteral("125"));
    QTest::keyClick(option1, Qt::Key_Right);
    QVERIFY(option2->isChecked());
    QCOMPARE(shown("Text20"), QStringLiteral("305"));

    // Choosing the selected grade again changes nothing.
    click("Option2");
    QVERIFY(option2->isChecked() && !option1->isChecked());
    QCOMPARE(shown("Text21"), QStringLiteral("175"));

    QVERIFY(checkedAtSomeMoment >= 6);
    QCOMPARE(momentsWithoutExactlyOne, 0);
}

void WindowInteractionTest::enterAndEscapePressNothing_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("calculateFirst");

    for (const auto& [name, key] : {std::pair{"Return", Qt::Key_Return}, std::pair{"Enter", Qt::Key_Enter},
                                    std::pair{"Escape", Qt::Key_Escape}}) {
        QTest::addRow("%s on Command1", name) << "Command1" << int(key) << false;
        QTest::addRow("%s on Command2 after a calculation", name) << "Command2" << int(key) << true;
        QTest::addRow("%s in Text1", name) << "Text1" << int(key) << false;
        QTest::addRow("%s in Combo1", name) << "Combo1" << int(key) << false;
        QTest::addRow("%s on Option1", name) << "Option1" << int(key) << false;
    }
}

void WindowInteractionTest::enterAndEscapePressNothing()
{
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(bool, calculateFirst);

    for (const char* button : {"Command1", "Command2"}) {
        auto* pushButton = control<QPushButton>(*session, button);
        QVERIFY(!pushButton->isDefault() && !pushButton->autoDefault());
    }
    if (calculateFirst)
        click("Command1");
    QStringList before;
    for (Field field : allFields())
        before << fieldText(*session, field);

    QWidget* target = control(*session, qPrintable(focused));
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QStringList after;
    for (Field field : allFields())
        after << fieldText(*session, field);
    QCOMPARE(after, before);
    QVERIFY(session->window().isVisible());
    QCOMPARE(QApplication::focusWidget(), target);
}

void WindowInteractionTest::faultIsReportedAndTheWindowCarriesOn_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("momentAfterFault");

    // A length beyond the double range is an overflow while the inputs are
    // read, before anything is computed: the moment keeps its text at start.
    QTest::newRow("length beyond the double range") << "Text1" << "1e999" << true << "溢出" << "弯矩M";
    QTest::newRow("negative width beyond the range") << "Text3" << "-1e400" << true << "溢出" << "弯矩M";
    // Wx of 0: the moment 5738625 is written, then sigma = M / (1.05 x 0).
    QTest::newRow("section modulus of zero") << "Text16" << "" << false << "除数为零" << "5738625";
}

void WindowInteractionTest::faultIsReportedAndTheWindowCarriesOn()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(QString, kind);
    QFETCH(QString, momentAfterFault);

    const QString original = fieldText(*session, qPrintable(field));
    auto setField = [&](const QString& value) {
        if (typed)
            retype(control(*session, qPrintable(field)), value);
        else
            session->model().typeInto(*fieldFromName(field.toStdString()), value.toStdString());
    };

    setField(text);
    QString report;
    closeNextMessageBox(&report);
    click("Command1");
    QVERIFY2(report.contains(kind), qPrintable(report));
    QVERIFY(session->window().isVisible());
    QCOMPARE(control<QLineEdit>(*session, "Text13")->text(), momentAfterFault);
    QVERIFY(shown("Text8").isEmpty());
    QVERIFY(shown("Text12").isEmpty());
    QCOMPARE(shown(qPrintable(field)), text);

    // Mended input: the next calculation is the worked example again.
    setField(original);
    click("Command1");
    QCOMPARE(shown("Text6"), QStringLiteral("67.89"));
    QCOMPARE(shown("Text8"), QStringLiteral("4.47"));
    QCOMPARE(shown("Text12"), QStringLiteral("满足要求!"));
}

void WindowInteractionTest::megabyteOfPastedTextIsKept()
{
    // A leading 3000 followed by a megabyte of letters still reads as 3000.
    const QString pasted = QStringLiteral("3000") + QString(1'000'000, QLatin1Char('x'));
    QApplication::clipboard()->setText(pasted);
    auto* box = control<QLineEdit>(*session, "Text1");
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(fieldText(*session, Field::HorizontalLength).size(), pasted.size());
    QCOMPARE(box->text().size(), pasted.size());
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Y);
    QCOMPARE(fieldText(*session, Field::HorizontalLength).size(), pasted.size() + 1);

    click("Command1");
    QCOMPARE(shown("Text6"), QStringLiteral("67.89"));
    QCOMPARE(shown("Text12"), QStringLiteral("满足要求!"));
    QVERIFY(QTest::qWaitForWindowExposed(&session->window()));
}

QTEST_MAIN(WindowInteractionTest)
#include "WindowInteractionTest.moc"
