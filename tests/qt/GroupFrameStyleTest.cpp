// The frames' style: an outline where Fusion draws it, in Fusion's shades,
// and Fusion itself for everything else.
#include "WindowTestSupport.h"
#include "ui/qt/GroupFrameStyle.h"
#include "ui/qt/WindowFont.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QStyleFactory>

#include <algorithm>
#include <optional>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

QImage drawn(QWidget& widget, QStyle* style)
{
    widget.setStyle(style);
    widget.setFont(windowFont());
    widget.setAutoFillBackground(true);
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int darkness(QRgb pixel) { return 255 - qGray(pixel); }

// The first pixel along the line, from `from` in steps of `step`, that is
// clearly darker than the surface it starts on: where the outline crosses it.
std::optional<QPoint> firstEdge(const QImage& image, QPoint from, QPoint step)
{
    const int surface = darkness(image.pixel(from));
    for (QPoint at = from + step; image.rect().contains(at); at += step) {
        if (darkness(image.pixel(at)) > surface + 8)
            return at;
    }
    return std::nullopt;
}

}  // namespace

class GroupFrameStyleTest : public QObject {
    Q_OBJECT

private slots:
    void outlineLiesWhereFusionDrawsIt_data();
    void outlineLiesWhereFusionDrawsIt();
    void everythingElseIsFusion();
    void windowFramesUseIt();
    void otherStylesAreLeftAlone();
};

void GroupFrameStyleTest::outlineLiesWhereFusionDrawsIt_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("captioned") << QStringLiteral("截面验算");
    QTest::newRow("no caption") << QString();
}

void GroupFrameStyleTest::outlineLiesWhereFusionDrawsIt()
{
    QFETCH(QString, caption);
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    GroupFrameStyle framed;
    QGroupBox frame(caption);
    frame.resize(200, 90);
    const QImage expected = drawn(frame, fusion.get());
    const QImage actual = drawn(frame, &framed);

    // From the middle outwards: up, down, left and right.
    const QPoint centre(100, 60);
    for (const QPoint step : {QPoint(0, -1), QPoint(0, 1), QPoint(-1, 0), QPoint(1, 0)}) {
        const auto fusionEdge = firstEdge(expected, centre, step);
        const auto edge = firstEdge(actual, centre, step);
        QVERIFY(fusionEdge && edge);
        QCOMPARE(*edge, *fusionEdge);
        // The same shade, give or take the rounding of a blend.
        QVERIFY2(std::abs(qGray(actual.pixel(*edge)) - qGray(expected.pixel(*fusionEdge))) <= 3,
                 qPrintable(QStringLiteral("%1 against %2").arg(qGray(actual.pixel(*edge))).arg(
                     qGray(expected.pixel(*fusionEdge)))));
    }
    QVERIFY(std::abs(qGray(actual.pixel(centre)) - qGray(expected.pixel(centre))) <= 1);
}

void GroupFrameStyleTest::everythingElseIsFusion()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    GroupFrameStyle framed;
    QLineEdit box(QStringLiteral("3000"));
    box.resize(57, 18);
    QCOMPARE(drawn(box, &framed), drawn(box, fusion.get()));
}

void GroupFrameStyleTest::windowFramesUseIt()
{
    QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    const auto session = makeSession();
    const QList<QGroupBox*> frames = session->window().findChildren<QGroupBox*>();
    QCOMPARE(frames.size(), 3);
    for (const QGroupBox* frame : frames)
        QVERIFY2(dynamic_cast<GroupFrameStyle*>(frame->style()), qPrintable(frame->objectName()));
    // Only the frames: the other controls draw with the application's style.
    QCOMPARE(control(*session, "Text1")->style(), QApplication::style());
}

void GroupFrameStyleTest::otherStylesAreLeftAlone()
{
    const QString fusionName = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("windows"));
    const bool leftAlone = GroupFrameStyle::forFrames() == nullptr;
    const auto session = makeSession();
    const QStyle* frameStyle = control(*session, "Frame1")->style();
    const bool framesUseTheApplicationStyle = frameStyle == QApplication::style();
    QApplication::setStyle(fusionName);
    QVERIFY(leftAlone);
    QVERIFY(framesUseTheApplicationStyle);
}

QTEST_MAIN(GroupFrameStyleTest)
#include "GroupFrameStyleTest.moc"
