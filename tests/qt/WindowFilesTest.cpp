// Stringer files in the window: opening by the menu, at start and by a drop,
// refusals that change nothing, saving and saving as, and the offer to save
// when the window is left with changes.
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUrl>

#include <csignal>
#include <sys/resource.h>

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
    void otherDragsAreNotTaken_data();
    void otherDragsAreNotTaken();
    void aRefusedFileChangesNothing_data();
    void aRefusedFileChangesNothing();
    void aFileRefusedAtStartLeavesTheWindowAsAtStart();
    void savingAsAndOpeningGivesTheSameWindow();
    void savingWithoutAFileAsksWhereThenSavesInPlace();
    void aNameCompletedToAnExistingFileAsksFirst_data();
    void aNameCompletedToAnExistingFileAsksFirst();
    void savingKeepsTheReportHeaderAndUnknownKeys();
    void aFailedSaveKeepsTheOldFileAndTheWindow();
    void leavingOffersToSaveOnlyChangesToAFile_data();
    void leavingOffersToSaveOnlyChangesToAFile();

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
            QCOMPARE(desktop->questions.size(), 1);
            QCOMPARE(desktop->questions.first().caption, QStringLiteral("打开"));
            QVERIFY(desktop->questions.first().filter.endsWith(QStringLiteral("(*.tarrowin)")));
        } else {
            QVERIFY(dropOn(dropTarget(*session, how), {QUrl::fromLocalFile(flightPath)}));
        }
    }

    QVERIFY(session->window().isVisible());
    QCOMPARE(session->window().windowTitle(), QStringLiteral("TarrowinV1.0"));
    // The file's texts as written; the picker's text without a lookup (the
    // catalogue's HN200x100 weighs 20.9 kg/m); Q355B's strengths.
    QTRY_COMPARE(shown(*session, "Text1"), QStringLiteral("3,600"));
    QCOMPARE(shown(*session, "Text2"), QStringLiteral("1800"));
    QCOMPARE(shown(*session, "Text3"), QStringLiteral("1200"));
    QCOMPARE(shown(*session, "Text4"), QStringLiteral("1.5"));
    QCOMPARE(shown(*session, "Text5"), QStringLiteral("3.5 kN"));
    QCOMPARE(control<QComboBox>(*session, "Combo1")->currentText(), QStringLiteral("HN200x100"));
    QCOMPARE(fieldText(*session, "Text15"), QStringLiteral("18100000"));
    QCOMPARE(fieldText(*session, "Text19"), QStringLiteral("77.7"));
    QCOMPARE(fieldText(*session, "Text20"), QStringLiteral("305"));
    QCOMPARE(fieldText(*session, "Text21"), QStringLiteral("175"));
    QVERIFY(control<QRadioButton>(*session, "Option2")->isChecked());
    QVERIFY(!control<QRadioButton>(*session, "Option1")->isChecked());
    for (const char* result : {"Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12"})
        QVERIFY2(shown(*session, result).isEmpty(), result);
}

void WindowFilesTest::otherDragsAreNotTaken_data()
{
    QTest::addColumn<QStringList>("urls");
    QTest::newRow("two stringer files") << QStringList{QStringLiteral("file:///a.tarrowin"),
                                                       QStringLiteral("file:///b.tarrowin")};
    QTest::newRow("a text file") << QStringList{QStringLiteral("file:///a.txt")};
    QTest::newRow("a stringer file on the web") << QStringList{QStringLiteral("https://example.org/a.tarrowin")};
}

void WindowFilesTest::otherDragsAreNotTaken()
{
    QFETCH(QStringList, urls);
    startSession();
    const QStringList before = windowState(*session);
    QList<QUrl> dragged;
    for (const QString& url : urls)
        dragged << QUrl(url);

    QVERIFY(!dropOn(&session->window(), dragged));
    QTest::qWait(20);
    QCOMPARE(windowState(*session), before);
}

void WindowFilesTest::aRefusedFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("whatIsWrong");

    // The x after `{"section": "口口"} ` is the 19th character of line 1.
    QTest::newRow("not JSON") << QByteArray("{\"section\": \"口口\"} x") << "第 1 行第 19 列：不是有效的 JSON 格式。";
    QTest::newRow("a newer version")
        << QByteArray(handWrittenFile).replace("\"version\": 1", "\"version\": 2")
        << "：由更新版本的 Tarrowin 保存（文件格式版本 2），本程序只能读取文件格式版本 1。";
    QTest::newRow("an unknown grade") << QByteArray(handWrittenFile).replace("Q355B", "Q420")
                                      << "：未知的材质“Q420”（可选的材质为 Q235B、Q355B）。";
    QTest::newRow("no file") << QByteArray() << "：无法读取（文件或其所在的文件夹不存在）。";
}

void WindowFilesTest::aRefusedFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, whatIsWrong);

    const QString path = folder->filePath(QString::fromUtf8(QTest::currentDataTag()) + QStringLiteral(".tarrowin"));
    if (!bytes.isEmpty())
        writeFile(path, bytes);
    startSession();
    QTest::mouseClick(control(*session, "Command1"), Qt::LeftButton);
    const QStringList before = windowState(*session);

    QString message;
    ModalAnswerer answerer({pressInMessageBox(QStringLiteral("确定"), &message)});
    desktop->answers << path;
    session->window().openFile();

    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));
    QCOMPARE(message, QStringLiteral("文件“%1”").arg(path) + whatIsWrong);
    QCOMPARE(charactersMissingFrom(session->window().font(), message), QString());
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
    QVERIFY(session->window().isVisible());
    QCOMPARE(windowState(*session), atStart);
}

void WindowFilesTest::savingAsAndOpeningGivesTheSameWindow()
{
    startSession();
    retype(control(*session, "Combo1"), QStringLiteral("口200x100x4 改"));
    retype(control(*session, "Text1"), QStringLiteral("4,200"));
    retype(control(*session, "Text5"), QStringLiteral("2.0kN"));
    QTest::mouseClick(control(*session, "Option2"), Qt::LeftButton);
    const QStringList saved = windowState(*session);

    // Typed without the extension, which the window adds.
    const QString typed = folder->filePath(QStringLiteral("flight"));
    desktop->answers << typed;
    session->window().saveFileAs();
    QCOMPARE(desktop->questions.size(), 1);
    QCOMPARE(desktop->questions.first().caption, QStringLiteral("另存为"));
    QCOMPARE(desktop->questions.first().suffix, QStringLiteral("tarrowin"));
    QVERIFY(!QFile::exists(typed));
    QVERIFY(QFile::exists(typed + QStringLiteral(".tarrowin")));

    session.reset();
    startSession();
    QVERIFY(session->window().openFileAt(typed + QStringLiteral(".tarrowin")));
    QCOMPARE(windowState(*session), saved);
}

void WindowFilesTest::savingWithoutAFileAsksWhereThenSavesInPlace()
{
    startSession();
    const QString path = folder->filePath(QStringLiteral("new.tarrowin"));
    desktop->answers << path;
    session->window().saveFile();
    QCOMPARE(desktop->questions.size(), 1);
    QCOMPARE(desktop->questions.first().caption, QStringLiteral("另存为"));
    QVERIFY(fileBytes(path).contains("\"horizontal_length\": \"3000\""));

    retype(control(*session, "Text1"), QStringLiteral("3300"));
    session->window().saveFile();
    QCOMPARE(desktop->questions.size(), 1);
    QVERIFY(fileBytes(path).contains("\"horizontal_length\": \"3300\""));
}

void WindowFilesTest::aNameCompletedToAnExistingFileAsksFirst_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("替换") << "替换" << true;
    QTest::newRow("取消") << "取消" << false;
}

void WindowFilesTest::aNameCompletedToAnExistingFileAsksFirst()
{
    QFETCH(QString, answer);
    QFETCH(bool, replaced);

    // The dialog asked about "梯段 A" as typed, which does not exist; the
    // name with the extension is the file opened below.
    startSession();
    retype(control(*session, "Text1"), QStringLiteral("4800"));
    desktop->answers << flightPath.chopped(9);
    QString question;
    ModalAnswerer answerer({pressInMessageBox(answer, &question)});
    session->window().saveFileAs();

    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));
    QCOMPARE(question, QStringLiteral("文件“%1”已存在。要替换它吗？").arg(flightPath));
    QCOMPARE(fileBytes(flightPath).contains("\"horizontal_length\": \"4800\""), replaced);
    QCOMPARE(fileBytes(flightPath) == handWrittenFile, !replaced);
}

void WindowFilesTest::savingKeepsTheReportHeaderAndUnknownKeys()
{
    startSession();
    QVERIFY(session->window().openFileAt(flightPath));
    retype(control(*session, "Text1"), QStringLiteral("4000"));
    session->window().saveFile();

    QVERIFY(desktop->questions.isEmpty());
    const QString written = QString::fromUtf8(fileBytes(flightPath));
    QVERIFY2(written.contains(QStringLiteral("\"horizontal_length\": \"4000\"")), qPrintable(written));
    QVERIFY2(written.contains(QStringLiteral("\"colour\": \"blue\"")), qPrintable(written));
    QVERIFY2(written.contains(QStringLiteral("\"member\": \"TL-9\"")), qPrintable(written));
    QVERIFY2(written.contains(QStringLiteral("\"project\": \"某住宅楼\"")), qPrintable(written));
}

void WindowFilesTest::aFailedSaveKeepsTheOldFileAndTheWindow()
{
    startSession();
    QVERIFY(session->window().openFileAt(flightPath));
    // A text far past the file-size limit set below, as on a full disk: the
    // limit holds for root too, and the write fails with EFBIG.
    session->model().typeInto(Field::LiveLoad, std::string(100000, '1'));

    rlimit old{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    QString failure;
    ModalAnswerer answerer({pressInMessageBox(QStringLiteral("保存")),
                            pressInMessageBox(QStringLiteral("确定"), &failure)});
    const bool closed = session->window().close();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));
    QCOMPARE(failure,
             QStringLiteral("文件“%1”：无法保存（文件太大）。原有的同名文件保持不变。").arg(flightPath));
    QVERIFY(!closed);
    QVERIFY(session->window().isVisible());
    QCOMPARE(fileBytes(flightPath), handWrittenFile);
    QCOMPARE(fieldText(*session, "Text5").size(), 100000);
}

void WindowFilesTest::leavingOffersToSaveOnlyChangesToAFile_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("change");  // a box to retype, or "计算"
    QTest::addColumn<QString>("leave");   // "close", or "open" another file
    QTest::addColumn<bool>("offered");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("horizontalLengthInFile");

    // Before any file the window keeps nothing, and asks nothing, as always.
    QTest::newRow("no file, changed") << false << "Text1" << "close" << false << "" << true << "";
    QTest::newRow("opened, unchanged") << true << "" << "close" << false << "" << true << "3,600";
    // Results are no part of the file.
    QTest::newRow("opened, calculated") << true << "计算" << "close" << false << "" << true << "3,600";
    QTest::newRow("opened, changed, 取消") << true << "Text1" << "close" << true << "取消" << false << "3,600";
    QTest::newRow("opened, changed, 不保存") << true << "Text1" << "close" << true << "不保存" << true << "3,600";
    QTest::newRow("opened, changed, 保存") << true << "Text1" << "close" << true << "保存" << true << "5000";
    QTest::newRow("picker changed, 保存") << true << "Combo1" << "close" << true << "保存" << true << "3,600";
    // Opening another file over changes asks the same before the dialog.
    QTest::newRow("opening over changes, 取消") << true << "Text1" << "open" << true << "取消" << false << "3,600";
    QTest::newRow("opening over changes, 不保存")
        << true << "Text1" << "open" << true << "不保存" << true << "3,600";
}

void WindowFilesTest::leavingOffersToSaveOnlyChangesToAFile()
{
    QFETCH(bool, opened);
    QFETCH(QString, change);
    QFETCH(QString, leave);
    QFETCH(bool, offered);
    QFETCH(QString, answer);
    QFETCH(bool, left);
    QFETCH(QString, horizontalLengthInFile);

    startSession();
    if (opened)
        QVERIFY(session->window().openFileAt(flightPath));
    if (change == QStringLiteral("计算"))
        QTest::mouseClick(control(*session, "Command1"), Qt::LeftButton);
    else if (!change.isEmpty())
        retype(control(*session, qPrintable(change)), QStringLiteral("5000"));
    const QStringList before = windowState(*session);

    // 取消 where no offer is expected, so that one that comes anyway is seen.
    QString offer;
    ModalAnswerer answerer({pressInMessageBox(offered ? answer : QStringLiteral("取消"), &offer)});
    bool hasLeft = false;
    if (leave == QStringLiteral("close")) {
        hasLeft = session->window().close();
    } else {
        session->window().openFile();
        hasLeft = !desktop->questions.isEmpty();
    }

    QCOMPARE(answerer.done(), offered);
    if (offered) {
        QCOMPARE(offer, QStringLiteral("“梯段 A.tarrowin”中的钢梯斜梁已更改。要保存更改吗？"));
        QCOMPARE(charactersMissingFrom(session->window().font(), offer), QString());
    }
    QCOMPARE(hasLeft, left);
    if (leave == QStringLiteral("close"))
        QCOMPARE(session->window().isVisible(), !left);
    if (!left)
        QCOMPARE(windowState(*session), before);
    if (!horizontalLengthInFile.isEmpty()) {
        const QByteArray line = "\"horizontal_length\": \"" + horizontalLengthInFile.toUtf8() + "\"";
        QVERIFY2(fileBytes(flightPath).contains(line), line.constData());
    }
}

QTEST_MAIN(WindowFilesTest)
#include "WindowFilesTest.moc"
