// Every caption shows whole in the window's own font: measured against the
// room its control gives it, and, for the unit labels, in the pixels drawn.
#include "WindowTestSupport.h"

#include "ui/qt/WindowCommands.h"
#include "ui/qt/WindowFont.h"

#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cmath>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

// The text a control shows and the width it has for it: a label's whole box,
// a frame's top edge from where its caption starts, the part of an option
// right of its indicator, and a button within its bevel.
struct Room {
    QString caption;
    int width = -1;
};

Room roomOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return {label->text(), label->contentsRect().width()};
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.lineWidth = 1;
        const QRect caption =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return {frame->title(), frame->width() - caption.left()};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool isOption = qobject_cast<QRadioButton*>(button) != nullptr;
        const QRect contents = button->style()->subElementRect(
            isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
        return {button->text(), contents.width()};
    }
    return {};
}

}  // namespace

class WindowCaptionFitTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        session = makeSession();
        QVERIFY(showAndActivate(*session));
    }
    void cleanup() { session.reset(); }

    void everyCaptionFits_data();
    void everyCaptionFits();
    void unitLabelsShowTheirLastCharacter_data();
    void unitLabelsShowTheirLastCharacter();
    void menuItemsShowWhole();

private:
    std::unique_ptr<WindowSession> session;
};

void WindowCaptionFitTest::everyCaptionFits_data()
{
    QTest::addColumn<int>("unused");
    // Label19 holds the time stamp of the test moment, "现在时间：12/8/26 5:30:05 PM".
    for (int label = 1; label <= 22; ++label)
        QTest::addRow("Label%d", label) << 0;
    for (const char* other : {"Frame1", "Frame2", "Frame3", "Option1", "Option2", "Command1", "Command2"})
        QTest::newRow(other) << 0;
}

void WindowCaptionFitTest::everyCaptionFits()
{
    QWidget* control = tarrowin::testing::control(*session, QTest::currentDataTag());
    QVERIFY(control);
    // The face the window actually draws with, not a stand-in.
    QCOMPARE(QFontInfo(control->font()).family(), QString::fromLatin1(windowFontFamily));

    const Room room = roomOf(control);
    QVERIFY(!room.caption.isEmpty());
    QVERIFY(room.width > 0);
    const qreal advance = QFontMetricsF(control->font()).horizontalAdvance(room.caption);
    QVERIFY2(advance <= room.width, qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3 px")
                                                   .arg(room.caption)
                                                   .arg(advance)
                                                   .arg(room.width)));
}

void WindowCaptionFitTest::unitLabelsShowTheirLastCharacter_data()
{
    QTest::addColumn<QString>("unit");
    // Beside the two loads (33 px each) and the two stresses (41 and 33 px).
    QTest::newRow("Label11") << "kN/m2";
    QTest::newRow("Label14") << "kN/m2";
    QTest::newRow("Label20") << "N/mm2";
    QTest::newRow("Label22") << "N/mm2";
}

void WindowCaptionFitTest::unitLabelsShowTheirLastCharacter()
{
    QFETCH(QString, unit);
    auto* label = control<QLabel>(*session, QTest::currentDataTag());
    QVERIFY(label);
    QCOMPARE(label->text(), unit);

    // What the window shows in the label's box, with any control that lies
    // over the label drawn over it.
    MainWindow& window = session->window();
    const QImage shown = window.grab(QRect(label->mapTo(&window, QPoint(0, 0)), label->size())).toImage();
    QCOMPARE(shown.size(), label->size());

    // The right half of the last character's ink ("2"), with the text laid
    // out from the label's left edge as a left-aligned label draws it.
    const QFontMetricsF metrics(label->font());
    const qreal lastStart = metrics.horizontalAdvance(unit.chopped(1));
    const QRectF lastInk = metrics.boundingRect(unit.back()).translated(lastStart, 0);
    const int from = int(std::floor(lastInk.center().x()));
    const int to = int(std::ceil(lastInk.right()));
    QVERIFY2(to <= shown.width(), qPrintable(QStringLiteral("the last character ends at %1 px, the box at %2 px")
                                                 .arg(lastInk.right())
                                                 .arg(shown.width())));

    // Ink is at least half way from the surface's shade to the text's.
    const int surface = qGray(label->palette().color(QPalette::Window).rgb());
    const int text = qGray(label->palette().color(QPalette::WindowText).rgb());
    const int inkAtMost = (surface + text) / 2;
    int inkPixels = 0;
    for (int x = from; x < to; ++x) {
        for (int y = 0; y < shown.height(); ++y)
            inkPixels += qGray(shown.pixel(x, y)) <= inkAtMost;
    }
    QVERIFY2(inkPixels > 0, qPrintable(QStringLiteral("no ink between %1 and %2 px").arg(from).arg(to)));
}

// Each item of the window's menu, its caption and its key, drawn with as
// much clear room after its ink as the captions have before theirs: measured
// in the pixels drawn, as a user sees them.
void WindowCaptionFitTest::menuItemsShowWhole()
{
    MainWindow& window = session->window();
    const QPoint surface(4, 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, surface, window.mapToGlobal(surface));
    QApplication::sendEvent(&window, &event);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("commandMenu"));
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    // No row highlighted, so that every row is drawn alike.
    menu->setActiveAction(nullptr);
    const QImage shown = menu->grab().toImage();

    // Ink is at least half way from the menu's shade to its text's.
    const int back = qGray(menu->palette().color(QPalette::Window).rgb());
    const int text = qGray(menu->palette().color(QPalette::WindowText).rgb());
    const int inkAtMost = (back + text) / 2;
    const auto isInk = [&](int x, int y) { return qGray(shown.pixel(x, y)) <= inkAtMost; };
    // Inside the frame, which is drawn in a dark shade too.
    const int frame = menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu);
    QCOMPARE(menu->actions().size(), int(windowCommands().size()));
    for (QAction* action : menu->actions()) {
        const QRect row = menu->actionGeometry(action);
        int firstInk = shown.width();
        int lastInk = -1;
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = frame; x < shown.width() - frame; ++x) {
                if (isInk(x, y)) {
                    firstInk = std::min(firstInk, x);
                    lastInk = std::max(lastInk, x);
                }
            }
        }
        QVERIFY2(lastInk >= 0, qPrintable(action->text()));
        const int before = firstInk;
        const int after = shown.width() - 1 - lastInk;
        QVERIFY2(after >= before, qPrintable(QStringLiteral("\"%1\" with %2: %3 px clear before, %4 px after")
                                                 .arg(action->text(), action->shortcut().toString())
                                                 .arg(before)
                                                 .arg(after)));
    }
    menu->close();
}

QTEST_MAIN(WindowCaptionFitTest)
#include "WindowCaptionFitTest.moc"
