#include "ui/qt/MainWindow.h"

#include "ui/document/DocumentController.h"
#include "ui/model/FaultMessage.h"
#include "text/ProgramVersion.h"
#include "ui/model/WindowModel.h"
#include "ui/qt/ControlTable.h"
#include "ui/qt/FileDrops.h"
#include "ui/qt/SectionPicker.h"
#include "ui/qt/SectionSurveyDialog.h"
#include "ui/qt/WindowCommands.h"
#include "ui/qt/WindowControls.h"
#include "ui/qt/WindowFont.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <new>

namespace tarrowin {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(WindowModel& model, DocumentController& document, QWidget* parent)
    : QWidget(parent), model_(model), document_(document)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QString::fromUtf8(programCaption.data(), static_cast<qsizetype>(programCaption.size())));
    setWindowIcon(programIcon());
    // The application's font too: a line edit lays out its text in the
    // application's font before its own font reaches it, and the first one
    // would load a second face just for that.
    const QFont font = windowFont();
    QApplication::setFont(font);
    setFont(font);
    setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));

    const FieldControls fields = buildWindowControls(this);
    textBoxes_ = fields.textBoxes;
    picker_ = fields.picker;
    timeStamp_ = fields.timeStamp;
    showSheet();
    bindNotices();
    buildCommands();
    // Owned by the window, as its child.
    new FileDrops(this, [this](const std::filesystem::path& path) {
        runNotice([&] { document_.drop(path); });
        showSelectedGrade();
    });
    model_.setObserver(this);
    // The first control of the focus cycle has the focus when the window opens.
    picker_->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() { model_.setObserver(nullptr); }

void MainWindow::showSheet()
{
    const FieldSheet& sheet = model_.sheet();
    for (Field field : allFields())
        fieldWritten(field, sheet.text(field));
    messageColourSet(sheet.messageColour());
}

void MainWindow::bindNotices()
{
    for (Field field : allFields()) {
        if (QLineEdit* box = textBoxes_[static_cast<std::size_t>(field)]) {
            connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
                runNotice([&] { model_.typeInto(field, text.toStdString()); });
            });
        }
    }
    connect(picker_, &SectionPicker::textTyped, this, [this](const QString& text) {
        runNotice([&] { model_.typeInto(Field::SectionDesignation, text.toStdString()); });
    });
    connect(picker_, &SectionPicker::entryPicked, this, [this](const QString& text) {
        runNotice([&] { model_.pickSection(text.toStdString()); });
    });

    // The grade options, Option1 onwards, in the order of the grades. Each
    // group is one stop of the Tab cycle, the selected option; the arrow keys
    // move between them.
    const auto choose = [this](Grade grade) { runNotice([&] { model_.chooseGrade(grade); }); };
    for (const SteelGrade& grade : steelGrades()) {
        auto* option = findChild<QRadioButton*>(QStringLiteral("Option%1").arg(gradeOptions_.size() + 1));
        gradeOptions_.push_back(option);
        const auto tabStopWhenSelected = [option](bool selected) {
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        };
        tabStopWhenSelected(option->isChecked());
        connect(option, &QRadioButton::toggled, option, tabStopWhenSelected);
        connect(option, &QRadioButton::clicked, this, [choose, chosen = grade.grade] { choose(chosen); });
    }

    auto* calculateButton = findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* clearButton = findChild<QPushButton*>(QStringLiteral("Command2"));
    connect(calculateButton, &QPushButton::clicked, this, [this] { runNotice([&] { document_.calculate(); }); });
    connect(clearButton, &QPushButton::clicked, this, [this] { runNotice([&] { model_.clear(); }); });
}

void MainWindow::buildCommands()
{
    for (const WindowCommand& command : windowCommands()) {
        auto* action = new QAction(QString::fromUtf8(command.caption), this);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(QKeySequence(command.shortcut));
        // Window-wide, so that it works with the focus in any control.
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, run = command.run] { runNotice([&] { (this->*run)(); }); });
        addAction(action);
        commands_ << action;
    }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // The window's surface, its frames and its labels leave a right click to
    // their container and end here; text boxes and the picker keep their own
    // menu.
    if (!commandMenu_) {
        commandMenu_ = new QMenu(this);
        commandMenu_->setObjectName(QStringLiteral("commandMenu"));
        // The style sets the longest key flush against the room it keeps for
        // a submenu's arrow, which reads as touching the edge; a margin of an
        // ideograph and a half sets the keys off from the right edge as far
        // as the captions stand from the left.
        const QFontMetrics metrics(commandMenu_->font());
        commandMenu_->setContentsMargins(
            0, 0, metrics.horizontalAdvance(QChar(0x4E00)) + metrics.horizontalAdvance(QLatin1Char('0')), 0);
        commandMenu_->addActions(commands_);
    }
    commandMenu_->popup(event->globalPos());
    event->accept();
}

void MainWindow::surveySections()
{
    auto* dialog = new SectionSurveyDialog(model_.surveyTable(), this);
    connect(dialog, &SectionSurveyDialog::sectionChosen, this, &MainWindow::pickSurveyedSection);
    // Window-modal and without waiting: the window's texts cannot change
    // under the survey while it is on show.
    dialog->open();
}

void MainWindow::pickSurveyedSection(const QString& designation)
{
    // As a pick from the list: the list's current entry moves to the section
    // too, so that the arrow keys go on from it; then the picker shows the
    // designation and the lookup runs.
    const int entry = picker_->findText(designation, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0)
        picker_->setCurrentIndex(entry);
    runNotice([&] { model_.pickSection(designation.toStdString()); });
}

void MainWindow::showSelectedGrade()
{
    // As the model has it, without a click: the grade's strengths are written already.
    gradeOptions_[gradeIndex(model_.selectedGrade())]->setChecked(true);
}

void MainWindow::openFile()
{
    document_.open();
    showSelectedGrade();
}

bool MainWindow::openFileAt(const QString& path)
{
    bool opened = false;
    runNotice([&] { opened = document_.openFile(QFile::encodeName(path).toStdString()); });
    showSelectedGrade();
    return opened;
}

void MainWindow::saveFile() { document_.save(); }

void MainWindow::saveFileAs() { document_.saveAs(); }

void MainWindow::makeReport() { document_.makeReport(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Anything but a clear answer keeps the window and the stringer.
    bool leave = false;
    runNotice([&] { leave = document_.mayLeave(); });
    event->setAccepted(leave);
}

void MainWindow::fieldWritten(Field field, const std::string& text)
{
    const QString shown = fromUtf8(text);
    if (field == Field::SectionDesignation) {
        picker_->showText(shown);
    } else if (field == Field::TimeStamp) {
        timeStamp_->setText(shown);
    } else if (QLineEdit* box = textBoxes_[static_cast<std::size_t>(field)]; box && box->text() != shown) {
        // Only a program write can differ from what the box shows; the
        // beginning of the new text is what comes into view.
        box->setText(shown);
        box->setCursorPosition(0);
    }
}

void MainWindow::messageColourSet(Rgb colour)
{
    QLineEdit* message = textBoxes_[static_cast<std::size_t>(Field::OverallMessage)];
    QPalette palette = message->palette();
    palette.setColor(QPalette::Text, QColor(colour.red, colour.green, colour.blue));
    message->setPalette(palette);
}

template <typename Notice>
void MainWindow::runNotice(Notice&& notice)
{
    // Nothing in an action throws but a failed allocation; the window stays
    // open and the user learns that the action did not finish.
    try {
        notice();
    } catch (const std::bad_alloc&) {
        QMessageBox::critical(this, fromUtf8(faultMessageTitle()), QStringLiteral("内存不足，操作未能完成。"));
    } catch (...) {
        QMessageBox::critical(this, fromUtf8(faultMessageTitle()), QStringLiteral("内部错误，操作未能完成。"));
    }
}

}  // namespace tarrowin
