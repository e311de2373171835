// The window as built: where every control stands, what sets it apart, the
// focus cycle, the names a screen reader reads, the font and the icon.
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRawFont>
#include <QSet>

using namespace tarrowin;
using namespace tarrowin::testing;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        session = makeSession();
        QVERIFY(showAndActivate(*session));
    }
    void cleanup() { session.reset(); }

    void windowIsFixedAndTitled();
    void controlGeometry_data();
    void controlGeometry();
    void textBoxMarks_data();
    void textBoxMarks();
    void hiddenFieldsNeverShow();
    void labelsLieBeneathTheirNeighbours();
    void startState();
    void focusCycle_data();
    void focusCycle();
    void optionPairIsOneStopLandingOnTheSelectedOption();
    void accessibleNamesAreChineseAndUnique();
    void fontCoversEveryCaption();
    void iconHasThreeTransparentSizes();

private:
    std::unique_ptr<WindowSession> session;
};

void WindowLayoutTest::windowIsFixedAndTitled()
{
    MainWindow& window = session->window();
    QCOMPARE(window.windowTitle(), QStringLiteral("TarrowinV1.0"));
    // 8205 x 5625 twips, 15 twips to a pixel.
    QCOMPARE(window.size(), QSize(547, 375));
    QCOMPARE(window.minimumSize(), QSize(547, 375));
    QCOMPARE(window.maximumSize(), QSize(547, 375));
}

void WindowLayoutTest::controlGeometry_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");

    // Twips divided by 15; 850 twips is 56.7 pixels and rounds to 57.
    QTest::newRow("Frame1") << "MainWindow" << QRect(40, 24, 337, 65);  // 600, 360, 5055, 975
    QTest::newRow("Command1") << "MainWindow" << QRect(392, 40, 49, 33);  // 5880, 600, 735, 495
    QTest::newRow("Command2") << "MainWindow" << QRect(464, 40, 49, 33);  // 6960, 600, 735, 495
    QTest::newRow("Frame2") << "MainWindow" << QRect(40, 104, 473, 113);  // 600, 1560, 7095, 1695
    QTest::newRow("Frame3") << "MainWindow" << QRect(40, 240, 473, 81);  // 600, 3600, 7095, 1215
    QTest::newRow("Label19") << "MainWindow" << QRect(48, 344, 185, 17);  // 720, 5160, 2775, 255
    QTest::newRow("Label18") << "MainWindow" << QRect(320, 344, 185, 18);  // 4800, 5160, 2775, 270
    QTest::newRow("Label1") << "Frame1" << QRect(16, 32, 49, 17);  // 240, 480, 735, 255
    QTest::newRow("Combo1") << "Frame1" << QRect(72, 32, 97, 20);  // 1080, 480, 1455, 300
    QTest::newRow("Label2") << "Frame1" << QRect(176, 32, 41, 17);  // 2640, 480, 615, 255
    QTest::newRow("Option1") << "Frame1" << QRect(208, 32, 57, 12);  // 3120, 480, 855, 180
    QTest::newRow("Option2") << "Frame1" << QRect(272, 32, 57, 12);  // 4080, 480, 855, 180
    QTest::newRow("Label3") << "Frame2" << QRect(16, 24, 57, 25);  // 240, 360, 855, 375
    QTest::newRow("Text1") << "Frame2" << QRect(72, 24, 57, 18);  // 1080, 360, 855, 270
    QTest::newRow("Label4") << "Frame2" << QRect(136, 24, 41, 17);  // 2040, 360, 615, 255
    QTest::newRow("Label6") << "Frame2" << QRect(168, 24, 65, 17);  // 2520, 360, 975, 255
    QTest::newRow("Text2") << "Frame2" << QRect(232, 24, 57, 18);  // 3480, 360, 855, 270
    QTest::newRow("Label7") << "Frame2" << QRect(296, 24, 49, 17);  // 4440, 360, 735, 255
    QTest::newRow("Label8") << "Frame2" << QRect(320, 24, 57, 25);  // 4800, 360, 855, 375
    QTest::newRow("Text3") << "Frame2" << QRect(376, 24, 57, 18);  // 5640, 360, 855, 270
    QTest::newRow("Label9") << "Frame2" << QRect(440, 24, 25, 17);  // 6600, 360, 375, 255
    QTest::newRow("Label10") << "Frame2" << QRect(16, 56, 73, 17);  // 240, 840, 1095, 255
    QTest::newRow("Text4") << "Frame2" << QRect(96, 56, 57, 18);  // 1440, 840, 855, 270
    QTest::newRow("Label11") << "Frame2" << QRect(160, 56, 33, 17);  // 2400, 840, 495, 255
    QTest::newRow("Label12") << "Frame2" << QRect(208, 56, 137, 17);  // 3120, 840, 2055, 255
    QTest::newRow("Label13") << "Frame2" << QRect(16, 80, 73, 17);  // 240, 1200, 1095, 255
    QTest::newRow("Text5") << "Frame2" << QRect(96, 80, 57, 18);  // 1440, 1200, 855, 270
    QTest::newRow("Label14") << "Frame2" << QRect(160, 80, 33, 17);  // 2400, 1200, 495, 255
    QTest::newRow("Label5") << "Frame3" << QRect(16, 32, 41, 17);  // 240, 480, 615, 255
    QTest::newRow("Text6") << "Frame3" << QRect(64, 32, 57, 18);  // 960, 480, 855, 270
    QTest::newRow("Label20") << "Frame3" << QRect(128, 32, 41, 18);  // 1920, 480, 615, 270
    QTest::newRow("Text9") << "Frame3" << QRect(168, 32, 57, 18);  // 2520, 480, 850, 270
    QTest::newRow("Label15") << "Frame3" << QRect(240, 32, 49, 25);  // 3600, 480, 735, 375
    QTest::newRow("Text7") << "Frame3" << QRect(280, 32, 60, 18);  // 4200, 480, 900, 270
    QTest::newRow("Label22") << "Frame3" << QRect(344, 32, 33, 18);  // 5160, 480, 495, 270
    QTest::newRow("Text10") << "Frame3" << QRect(392, 32, 57, 18);  // 5880, 480, 850, 270
    QTest::newRow("Label16") << "Frame3" << QRect(16, 56, 33, 17);  // 240, 840, 495, 255
    QTest::newRow("Text8") << "Frame3" << QRect(64, 56, 57, 18);  // 960, 840, 855, 270
    QTest::newRow("Label21") << "Frame3" << QRect(128, 56, 33, 18);  // 1920, 840, 495, 270
    QTest::newRow("Text11") << "Frame3" << QRect(168, 56, 57, 18);  // 2520, 840, 850, 270
    QTest::newRow("Label17") << "Frame3" << QRect(240, 56, 65, 17);  // 3600, 840, 975, 255
    QTest::newRow("Text12") << "Frame3" << QRect(336, 56, 113, 18);  // 5040, 840, 1695, 270
    QTest::newRow("Text15") << "MainWindow" << QRect(120, 8, 65, 18);  // 1800, 120, 975, 270
    QTest::newRow("Text16") << "MainWindow" << QRect(208, 8, 41, 18);  // 3120, 120, 615, 270
    QTest::newRow("Text17") << "MainWindow" << QRect(272, 8, 41, 18);  // 4080, 120, 615, 270
    QTest::newRow("Text18") << "MainWindow" << QRect(336, 8, 41, 18);  // 5040, 120, 615, 270
    QTest::newRow("Text19") << "MainWindow" << QRect(392, 8, 41, 18);  // 5880, 120, 615, 270
    QTest::newRow("Text22") << "MainWindow" << QRect(256, 336, 41, 18);  // 3840, 5040, 615, 270
    QTest::newRow("Text13") << "Frame2" << QRect(296, 80, 49, 18);  // 4440, 1200, 735, 270
    QTest::newRow("Text14") << "Frame2" << QRect(360, 80, 49, 18);  // 5400, 1200, 735, 270
    QTest::newRow("Text20") << "Frame3" << QRect(168, 8, 57, 18);  // 2520, 120, 855, 270
    QTest::newRow("Text21") << "Frame3" << QRect(392, 8, 57, 18);  // 5880, 120, 855, 270
}

void WindowLayoutTest::controlGeometry()
{
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    QWidget* widget = control(*session, QTest::currentDataTag());
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), pixels);
}

void WindowLayoutTest::textBoxMarks_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("centred");

    for (const char* input : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        QTest::newRow(input) << true << true << false << false;
    for (const char* result : {"Text6", "Text7", "Text8"})
        QTest::newRow(result) << true << true << true << false;
    QTest::newRow("Text9") << true << false << true << true;
    QTest::newRow("Text10") << true << false << true << true;
    QTest::newRow("Text11") << true << false << false << true;
    QTest::newRow("Text12") << true << true << true << true;
    for (const char* hidden : {"Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20",
                               "Text21", "Text22"})
        QTest::newRow(hidden) << false << true << false << false;
}

void WindowLayoutTest::textBoxMarks()
{
    QFETCH(bool, shown);
    QFETCH(bool, enabled);
    QFETCH(bool, readOnly);
    QFETCH(bool, centred);
    auto* box = control<QLineEdit>(*session, QTest::currentDataTag());
    QVERIFY(box);
    QCOMPARE(box->isVisible(), shown);
    QCOMPARE(box->isEnabled(), enabled);
    QCOMPARE(box->isReadOnly(), readOnly);
    QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, centred ? Qt::AlignHCenter : Qt::AlignLeft);
}

void WindowLayoutTest::hiddenFieldsNeverShow()
{
    // A calculation, a pick and a grade change all give the hidden fields new text.
    QTest::mouseClick(control(*session, "Command1"), Qt::LeftButton);
    QTest::mouseClick(control(*session, "Option2"), Qt::LeftButton);
    auto* picker = control<QComboBox>(*session, "Combo1");
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down);

    // Worked example: M = 5738625; [14b has Ix 6090000; Q355B has f 305.
    QCOMPARE(control<QLineEdit>(*session, "Text13")->text(), QStringLiteral("5738625"));
    QCOMPARE(control<QLineEdit>(*session, "Text15")->text(), QStringLiteral("6090000"));
    QCOMPARE(control<QLineEdit>(*session, "Text20")->text(), QStringLiteral("305"));
    for (const char* hidden : {"Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20",
                               "Text21", "Text22"}) {
        QWidget* box = control(*session, hidden);
        QVERIFY2(!box->isVisible(), hidden);
        QVERIFY2(!box->isVisibleTo(&session->window()), hidden);
    }
}

void WindowLayoutTest::labelsLieBeneathTheirNeighbours()
{
    // Later siblings draw over earlier ones; several labels reach under the
    // box beside them (Label6 under Text2, Label15 under Text7, Label20 under Text9).
    for (const char* container : {"MainWindow", "Frame1", "Frame2", "Frame3"}) {
        QWidget* parent = container == QLatin1String("MainWindow") ? &session->window()
                                                                      : control(*session, container);
        bool seenOther = false;
        for (QObject* child : parent->children()) {
            if (!child->isWidgetType() || child->objectName().isEmpty())
                continue;
            const bool isLabel = qobject_cast<QLabel*>(child) != nullptr;
            QVERIFY2(!(isLabel && seenOther), qPrintable(child->objectName()));
            seenOther = seenOther || !isLabel;
        }
    }
    for (QLabel* label : session->window().findChildren<QLabel*>()) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QVERIFY2(label->text().indexOf(QLatin1Char('&')) < 0, "no access keys");
    }
}

void WindowLayoutTest::startState()
{
    QCOMPARE(control<QComboBox>(*session, "Combo1")->currentText(), QStringLiteral("[14a"));
    QVERIFY(control<QRadioButton>(*session, "Option1")->isChecked());
    QVERIFY(!control<QRadioButton>(*session, "Option2")->isChecked());
    const QStringList startTexts{"3000", "1500", "1500", "1.0", "3.5"};
    for (int i = 0; i < startTexts.size(); ++i)
        QCOMPARE(control<QLineEdit>(*session, qPrintable(QStringLiteral("Text%1").arg(i + 1)))->text(),
                 startTexts[i]);
    for (const char* empty : {"Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12"})
        QVERIFY2(control<QLineEdit>(*session, empty)->text().isEmpty(), empty);
    QCOMPARE(control<QLabel>(*session, "Label18")->text(), QStringLiteral("Quellmark"));
    QCOMPARE(control<QLineEdit>(*session, "Text12")->palette().color(QPalette::Text), QColor(255, 0, 255));
    QCOMPARE(QApplication::focusWidget(), control(*session, "Combo1"));

    auto* picker = control<QComboBox>(*session, "Combo1");
    QVERIFY(picker->isEditable());
    QCOMPARE(picker->count(), 19);
    // Catalogue order, unsorted: the channels, then the H sections, then the boxes.
    QCOMPARE(picker->itemText(0), QStringLiteral("[14a"));
    QCOMPARE(picker->itemText(11), QStringLiteral("[25b"));
    QCOMPARE(picker->itemText(12), QStringLiteral("HN200x100"));
    QCOMPARE(picker->itemText(18), QStringLiteral("口250x150x5"));
}

void WindowLayoutTest::focusCycle_data()
{
    QTest::addColumn<bool>("backwards");
    QTest::newRow("Tab") << false;
    QTest::newRow("Shift+Tab") << true;
}

void WindowLayoutTest::focusCycle()
{
    QFETCH(bool, backwards);
    QStringList expected{"Option1", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                         "Text7", "Text8", "Text12", "Command1", "Command2", "Combo1"};
    if (backwards) {
        expected.removeLast();
        std::reverse(expected.begin(), expected.end());
        expected << QStringLiteral("Combo1");
    }
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void WindowLayoutTest::optionPairIsOneStopLandingOnTheSelectedOption()
{
    auto* option1 = control<QRadioButton>(*session, "Option1");
    auto* option2 = control<QRadioButton>(*session, "Option2");
    QTest::mouseClick(option2, Qt::LeftButton);
    QVERIFY(option2->isChecked() && !option1->isChecked());

    control(*session, "Combo1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), option2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), option2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Combo1"));
}

void WindowLayoutTest::accessibleNamesAreChineseAndUnique()
{
    QSet<QString> names;
    int named = 0;
    for (QWidget* widget : session->window().findChildren<QWidget*>()) {
        const bool needsName = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)
                               || qobject_cast<QAbstractButton*>(widget);
        if (!needsName || widget->objectName().isEmpty())
            continue;  // the picker's own edit part speaks through the picker
        const QString name = widget->accessibleName();
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(reader);
        QCOMPARE(reader->text(QAccessible::Name), name);
        ++named;
    }
    // 22 text boxes, the picker, two options, two buttons.
    QCOMPARE(named, 27);
    QCOMPARE(control(*session, "Text1")->accessibleName(), QStringLiteral("水平长度 mm"));
    QCOMPARE(control(*session, "Text4")->accessibleName(), QStringLiteral("恒荷载标准值 kN/m2"));
    QCOMPARE(control(*session, "Text9")->accessibleName(), QStringLiteral("正应力验算"));
}

void WindowLayoutTest::fontCoversEveryCaption()
{
    QString captions;
    const MainWindow& window = session->window();
    for (const QLabel* label : window.findChildren<QLabel*>())
        captions += label->text();
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
        captions += frame->title();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        captions += button->text();
    const auto* picker = control<QComboBox>(*session, "Combo1");
    for (int i = 0; i < picker->count(); ++i)
        captions += picker->itemText(i);
    // What the system writes later: verdicts, messages, the time stamp and its fault report.
    captions += QStringLiteral("满足不满足满足要求!超限,请重选截面!现在时间：运行时错误除数为零溢出计算已中止");

    QVERIFY(captions.contains(QStringLiteral("截面材质")));
    const QRawFont font = QRawFont::fromFont(window.font());
    QVERIFY(font.isValid());
    for (const uint code : captions.toUcs4()) {
        const char32_t character = code;
        QVERIFY2(font.supportsCharacter(character),
                 qPrintable(QStringLiteral("%1 missing from %2").arg(QString::fromUcs4(&character, 1),
                                                                      font.familyName())));
    }
}

void WindowLayoutTest::iconHasThreeTransparentSizes()
{
    const QIcon icon = session->window().windowIcon();
    for (const int side : {16, 32, 48}) {
        QVERIFY2(icon.availableSizes().contains(QSize(side, side)), qPrintable(QString::number(side)));
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        QVERIFY(image.hasAlphaChannel());
        // The rounded square leaves its corners clear; its middle is opaque.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(side / 2, side - 3)), 255);
        // Pixel for pixel the icon file that the package installs, as Qt reads it.
        const QString file = QStringLiteral(TARROWIN_ICON_DIR "/tarrowin-%1.png").arg(side);
        const QImage installed(file);
        QVERIFY2(!installed.isNull(), qPrintable(file));
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 installed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
