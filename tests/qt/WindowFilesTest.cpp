// Stringer files in the window: opening by the menu, at start and by a drop
// on any control, a refusal at start, and the offer to save over the window
// when it is closed. What opening, saving and the offer decide is the
// document controller's, tested as driver scenarios (tests/scenarios/files).
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUrl>


using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

// HN200x100 with a mass of its own (the catalogue's is 20.9), Q355B, a
// header, and a key that this version does not know.
const QByteArray handWrittenFile = R"({
  "format": "tarrowin-stringer", "version": 1,
  "section": "HN200x100",
  "section_properties": {"second_moment_of_area": "18100000", "section_modulus": "181000",
    "web_thickness": "5.5", "first_moment_of_area": "100070", "mass": "77.7"},
  "grade": "Q355B",
  "horizontal_length": "3,600", "vertical_height": "1800", "flight_width": "1200",
  "dead_load": "1.5", "live_load": "3.5 kN",
  "report": {"project": "某住宅楼", "member": "TL-9"},
  "colour": "blue"
})";

// Everything a user could see change: every field, the message's colour, the
// picker's text, the selected option.
QStringList windowState(WindowSession& session)
{
    QStringList state;
    for (Field field : allFields())
        state << fieldText(session, field);
    const Rgb colour = session.model().sheet().messageColour();
    state << QStringLiteral("colour %1 %2 %3").arg(colour.red).arg(colour.green).arg(colour.blue);
    state << control<QComboBox>(session, "Combo1")->currentText();
    state << QStringLiteral("Option1 %1").arg(control<QRadioButton>(session, "Option1")->isChecked());
    state << QStringLiteral("Option2 %1").arg(control<QRadioButton>(session, "Option2")->isChecked());
    return state;
}

QString shown(WindowSession& session, const char* name) { return control<QLineEdit>(session, name)->text(); }

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A drag entering the control, moving over it and dropped on it, as the
// platform delivers it: Qt hands it on to the first control up the line that
// takes drops. The file manager offers the path as text too. Whether the drop
// was taken as a copy.
bool dropOn(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    data.setText(urls.first().toString());
    const QPoint at = target->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

QWidget* dropTarget(WindowSession& session, const QString& name)
{
    if (name == QStringLiteral("MainWindow"))
        return &session.window();
    QWidget* target = control(session, qPrintable(name));
    if (auto* picker = qobject_cast<QComboBox*>(target))
        return picker->lineEdit();
    return target;
}

}  // namespace

class WindowFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        flightPath = folder->filePath(QStringLiteral("梯段 A.tarrowin"));
        writeFile(flightPath, handWrittenFile);
    }
    void cleanup()
    {
        if (session)
            session->window().hide();
        session.reset();
    }

    void eachWayOfOpeningShowsTheFile_data();
    void eachWayOfOpeningShowsTheFile();
    void aStringerFileOnTheWebIsNotTaken();
    void aFileRefusedAtStartLeavesTheWindowAsAtStart();
    void closingWithChangesAsksOverTheWindow_data();
    void closingWithChangesAsksOverTheWindow();

private:
    // A session of its own whose file dialogs `desktop` answers, shown.
    void startSession()
    {
        session = makeSession(desktop);
        QVERIFY(showAndActivate(*session));
    }
    std::unique_ptr<QTemporaryDir> folder;
    QString flightPath;
    std::unique_ptr<WindowSession> session;
    FakeDesktop* desktop = nullptr;
};

void WindowFilesTest::eachWayOfOpeningShowsTheFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("打开…") << "menu";
    QTest::newRow("tarrowin FILE") << "start";
    QTest::newRow("dropped on a text box") << "Text1";
    QTest::newRow("dropped on the picker") << "Combo1";
    QTest::newRow("dropped on a result") << "Text6";
    // Disabled, so Qt hands the drop on to the frame and then the window.
    QTest::newRow("dropped on a verdict box") << "Text9";
    QTest::newRow("dropped on the window's surface") << "MainWindow";
}

void WindowFilesTest::eachWayOfOpeningShowsTheFile()
{
    QFETCH(QString, how);

    if (how == QStringLiteral("start")) {
        session = makeSession(desktop);
        session->start(flightPath);
    } else {
        startSession();
        // Results on show, to be emptied as 清零 does.
        QTest::mouseClick(control(*session, "Command1"), Qt::LeftButton);
        QCOMPARE(shown(*session, "Text6"), QStringLiteral("67.89"));
        if (how == QStringLiteral("menu")) {
            desktop->answers << flightPath;
            session->window().openFile();
            QCOMPARE(desktop->questions, QStringList{QStringLiteral("打开")});
        } else {
            QVERIFY(dropOn(dropTarget(*session, how), {QUrl::fromLocalFile(flightPath)}));
        }
    }

    QVERIFY(session->window().isVisible());
    QCOMPARE(session->window().windowTitle(), QStringLiteral("TarrowinV1.0"));
    // What the boxes, the picker and the options show; what the fields hold
    // after opening is the open scenario's.
    QTRY_COMPARE(shown(*session, "Text1"), QStringLiteral("3,600"));
    QCOMPARE(shown(*session, "Text5"), QStringLiteral("3.5 kN"));
    QCOMPARE(control<QComboBox>(*session, "Combo1")->currentText(), QStringLiteral("HN200x100"));
    QVERIFY(control<QRadioButton>(*session, "Option2")->isChecked());
    QVERIFY(!control<QRadioButton>(*session, "Option1")->isChecked());
    QVERIFY(shown(*session, "Text6").isEmpty());
}

void WindowFilesTest::aStringerFileOnTheWebIsNotTaken()
{
    // Which local files are taken is the controller's; only a local file is one.
    startSession();
    const QStringList before = windowState(*session);
    QVERIFY(!dropOn(&session->window(), {QUrl(QStringLiteral("https://example.org/a.tarrowin"))}));
    QTest::qWait(20);
    QCOMPARE(windowState(*session), before);
}

void WindowFilesTest::aFileRefusedAtStartLeavesTheWindowAsAtStart()
{
    const QString missing = folder->filePath(QStringLiteral("missing.tarrowin"));
    QStringList atStart;
    {
        auto reference = makeSession();
        atStart = windowState(*reference);
    }

    QString message;
    ModalAnswerer answerer({[&message](QWidget* dialog) {
        // Over the window, which is already on show.
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box || !box->parentWidget() || !box->parentWidget()->isVisible())
            return false;
        return pressInMessageBox(QStringLiteral("确定"), &message)(dialog);
    }});
    session = makeSession(desktop);
    session->start(missing);

    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));
    QCOMPARE(message, QStringLiteral("文件“%1”：无法读取（文件或其所在的文件夹不存在）。").arg(missing));
    QCOMPARE(charactersMissingFrom(session->window().font(), QString(message).remove(missing)), QString());
    QVERIFY(session->window().isVisible());
    QCOMPARE(windowState(*session), atStart);
}

void WindowFilesTest::closingWithChangesAsksOverTheWindow_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("取消") << "取消" << false;
    QTest::newRow("不保存") << "不保存" << true;
}

void WindowFilesTest::closingWithChangesAsksOverTheWindow()
{
    QFETCH(QString, answer);
    QFETCH(bool, closed);

    startSession();
    QVERIFY(session->window().openFileAt(flightPath));
    retype(control(*session, "Text1"), QStringLiteral("5000"));
    const QStringList before = windowState(*session);

    QString offer;
    ModalAnswerer answerer({pressInMessageBox(answer, &offer)});
    QCOMPARE(session->window().close(), closed);

    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));
    QCOMPARE(offer, QStringLiteral("“梯段 A.tarrowin”中的钢梯斜梁已更改。要保存更改吗？"));
    QCOMPARE(charactersMissingFrom(session->window().font(), offer), QString());
    QCOMPARE(session->window().isVisible(), !closed);
    QCOMPARE(windowState(*session), before);
    QCOMPARE(fileBytes(flightPath), handWrittenFile);
}

QTEST_MAIN(WindowFilesTest)
#include "WindowFilesTest.moc"
