// 计算书… in the window: the real header dialog prefilled from the file and
// what it gives back, the question that offers to show the report, and the
// messages over the window in its face. What the report command decides is
// the document controller's, tested as driver scenarios
// (tests/scenarios/files); what the PDF holds is the report library's.
#include "WindowTestSupport.h"

#include "ui/qt/ReportHeaderDialog.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

const QByteArray flightFile = R"({
  "format": "tarrowin-stringer", "version": 1,
  "section": "[14a",
  "section_properties": {"second_moment_of_area": "5640000", "section_modulus": "80500",
    "web_thickness": "6", "first_moment_of_area": "47500", "mass": "14.5"},
  "grade": "Q235B",
  "horizontal_length": "3000", "vertical_height": "1500", "flight_width": "1500",
  "dead_load": "1.0", "live_load": "3.5",
  "report": {"project": "某住宅楼", "member": "TL-9"}
})";

const QStringList headerBoxes{"project", "member", "designer", "checker", "reviewer", "date"};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A step that notes what the header dialog shows, writes the texts given
// into its boxes and then presses its button of that caption.
ModalAnswerer::Step answerHeader(QStringList* shown, const QMap<QString, QString>& typed, const QString& button)
{
    return [=](QWidget* widget) {
        auto* dialog = qobject_cast<ReportHeaderDialog*>(widget);
        if (!dialog)
            return false;
        for (const QString& name : headerBoxes) {
            auto* box = dialog->findChild<QLineEdit*>(name);
            *shown << (box->text().isEmpty() ? QStringLiteral("(%1)").arg(box->placeholderText()) : box->text());
            if (typed.contains(name))
                box->setText(typed[name]);
        }
        for (QPushButton* candidate : dialog->findChildren<QPushButton*>())
            if (candidate->text() == button)
                candidate->click();
        return true;
    };
}

}  // namespace

class WindowReportTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        flightPath = folder->filePath(QStringLiteral("梯段 A.tarrowin"));
        QFile file(flightPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(flightFile);
        file.close();
        session = makeSession(desktop);
        QVERIFY(showAndActivate(*session));
    }
    void cleanup()
    {
        session->window().hide();
        session.reset();
    }

    void aReportIsWrittenWhereTheUserChose_data();
    void aReportIsWrittenWhereTheUserChose();
    void aReportThatCannotBeWrittenSaysWhy();
    void theHeaderDialogSpeaksChinese();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString flightPath;
    std::unique_ptr<WindowSession> session;
    FakeDesktop* desktop = nullptr;
};

void WindowReportTest::aReportIsWrittenWhereTheUserChose_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("shown");
    QTest::newRow("打开") << "打开" << true;
    QTest::newRow("不打开") << "不打开" << false;
}

void WindowReportTest::aReportIsWrittenWhereTheUserChose()
{
    QFETCH(QString, answer);
    QFETCH(bool, shown);

    QVERIFY(session->window().openFileAt(flightPath));
    // Typed without the extension.
    const QString pdf = folder->filePath(QStringLiteral("TL-9 计算书.pdf"));
    desktop->answers << pdf.chopped(4);
    QStringList prefilled;
    QString question;
    ModalAnswerer answerer({answerHeader(&prefilled, {{QStringLiteral("designer"), QStringLiteral("张工")}},
                                         QStringLiteral("确定")),
                            pressInMessageBox(answer, &question)});
    session->window().makeReport();

    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));
    // The file's header; an empty date is today's, 8 December 2026.
    QCOMPARE(prefilled, (QStringList{"某住宅楼", "TL-9", "()", "()", "()", "(2026年12月8日)"}));
    QCOMPARE(desktop->questions, QStringList{QStringLiteral("保存计算书")});
    QVERIFY(fileBytes(pdf).startsWith("%PDF-"));
    QCOMPARE(question, QStringLiteral("计算书已保存为“%1”。要现在打开它吗？").arg(pdf));
    QCOMPARE(charactersMissingFrom(session->window().font(), question), QString());
    QCOMPARE(desktop->shown, shown ? QStringList{pdf} : QStringList{});

    // What the dialog gave back is the header the file keeps.
    session->window().saveFile();
    QVERIFY(fileBytes(flightPath).contains("\"designer\": \"张工\""));
}

void WindowReportTest::aReportThatCannotBeWrittenSaysWhy()
{
    const QString pdf = folder->filePath(QStringLiteral("无此文件夹/r.pdf"));
    desktop->answers << pdf;
    QStringList prefilled;
    QString error;
    ModalAnswerer answerer({answerHeader(&prefilled, {}, QStringLiteral("确定")),
                            pressInMessageBox(QStringLiteral("确定"), &error)});
    session->window().makeReport();

    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));
    QVERIFY2(error.startsWith(QStringLiteral("无法写入计算书文件“%1”：").arg(pdf)), qPrintable(error));
    // The path is the user's; the window's own words are in its face.
    QCOMPARE(charactersMissingFrom(session->window().font(), QString(error).remove(pdf)), QString());
}

void WindowReportTest::theHeaderDialogSpeaksChinese()
{
    const QRegularExpression chinese(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"));
    QStringList unnamed;
    QString texts;
    QStringList labels;
    ModalAnswerer answerer({[&](QWidget* widget) {
        auto* dialog = qobject_cast<ReportHeaderDialog*>(widget);
        if (!dialog)
            return false;
        texts += dialog->windowTitle();
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (auto* label = qobject_cast<QLabel*>(control)) {
                labels << label->text();
                texts += label->text();
            } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                texts += button->text();
            } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
                texts += box->placeholderText();
            }
            if (control->focusPolicy() == Qt::NoFocus)
                continue;
            const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            if (!name.contains(chinese))
                unnamed << control->objectName();
        }
        const QString missing = charactersMissingFrom(dialog->font(), texts);
        if (!missing.isEmpty())
            unnamed << QStringLiteral("not in the face: ") + missing;
        return dialog->close();
    }});
    session->window().makeReport();

    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));
    QCOMPARE(labels, (QStringList{"工程名称", "构件", "设计", "校对", "审核", "日期"}));
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    // Cancelled: nothing more is asked.
    QVERIFY(desktop->questions.isEmpty());
}

QTEST_MAIN(WindowReportTest)
#include "WindowReportTest.moc"
