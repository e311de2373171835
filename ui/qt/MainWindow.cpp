#include "ui/qt/MainWindow.h"

#include "files/FileProblemMessage.h"
#include "files/StringerFile.h"
#include "report/pdf/ReportPdf.h"
#include "ui/model/FaultMessage.h"
#include "ui/model/WindowModel.h"
#include "ui/qt/ControlTable.h"
#include "ui/qt/Desktop.h"
#include "ui/qt/GroupFrameStyle.h"
#include "ui/qt/ReportHeaderDialog.h"
#include "ui/qt/SectionPicker.h"
#include "ui/qt/SectionSurveyDialog.h"
#include "ui/qt/WindowCommands.h"
#include "ui/qt/WindowFont.h"

#include "IconPixels.h"  // written at build time

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <map>
#include <new>
#include <string_view>
#include <vector>

namespace tarrowin {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Paths go to and from the files library as the file system spells them.
std::filesystem::path localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString shownPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray(path.c_str())); }

const QString stringerFileFilter = QStringLiteral("Tarrowin 钢梯斜梁文件 (*.tarrowin)");
const QString reportFileFilter = QStringLiteral("PDF 文件 (*.pdf)");

// Extensions as the file dialogs take them, without the dot.
QString dialogSuffix(std::string_view extension) { return QString::fromLatin1(extension.substr(1)); }

// A message with one button to acknowledge it. File names and the user's
// texts are never read as markup.
void tell(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

// A question with two answers; true for the first. Escape gives the second.
bool ask(QWidget* parent, const QString& title, const QString& text, const QString& yes, const QString& no)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    yesButton->setObjectName(QStringLiteral("yesButton"));
    QPushButton* noButton = box.addButton(no, QMessageBox::RejectRole);
    noButton->setObjectName(QStringLiteral("noButton"));
    box.setDefaultButton(yesButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

// The one local stringer file a drag carries, or an empty text.
QString draggedStringerFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QLatin1String(stringerFileExtension), Qt::CaseInsensitive) ? path : QString();
}

QIcon programIcon()
{
    QIcon icon;
    for (const IconImage& image : programIconImages) {
        // The words are 0xAARRGGBB, which is how QImage keeps ARGB32 pixels.
        const QImage pixels(reinterpret_cast<const uchar*>(image.pixels), image.side, image.side,
                            QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(pixels));
    }
    return icon;
}

QStringList sectionEntries()
{
    QStringList entries;
    for (const std::string& entry : WindowModel::sectionEntries())
        entries << fromUtf8(entry);
    return entries;
}

QWidget* createControl(const ControlEntry& entry, QWidget* container, QStyle* frameStyle)
{
    const QString caption = QString::fromUtf8(entry.caption);
    switch (entry.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, container);
        if (frameStyle)
            frame->setStyle(frameStyle);
        // A frame hides whatever lies on the window beneath it.
        frame->setAutoFillBackground(true);
        return frame;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(container);
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setReadOnly(entry.marks & ReadOnly);
        box->setAlignment((entry.marks & Centred) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, container);
        option->setChecked(entry.marks & Selected);
        return option;
    }
    case ControlKind::ComboBox:
        return new SectionPicker(sectionEntries(), container);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, container);
        // Enter and Escape press nothing.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    }
    return nullptr;
}

Container frameNamed(std::string_view name)
{
    return name == "Frame1" ? Container::Frame1 : name == "Frame2" ? Container::Frame2 : Container::Frame3;
}

bool takesFocus(const ControlEntry& entry)
{
    return entry.kind != ControlKind::Frame && entry.kind != ControlKind::Label;
}

}  // namespace

MainWindow::MainWindow(WindowModel& model, Desktop& desktop, QWidget* parent)
    : QWidget(parent), model_(model), desktop_(desktop)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("TarrowinV1.0"));
    setWindowIcon(programIcon());
    // The application's font too: a line edit lays out its text in the
    // application's font before its own font reaches it, and the first one
    // would load a second face just for that.
    const QFont font = windowFont();
    QApplication::setFont(font);
    setFont(font);
    setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));

    buildControls();
    showSheet();
    bindNotices();
    buildCommands();
    bindFileDrops();
    model_.setObserver(this);
    // The first control of the focus cycle has the focus when the window opens.
    picker_->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() { model_.setObserver(nullptr); }

void MainWindow::buildControls()
{
    std::map<Container, QWidget*> containers{{Container::Window, this}};
    QStyle* frameStyle = GroupFrameStyle::forFrames();
    std::vector<std::pair<int, QWidget*>> focusCycle;

    for (const ControlEntry& entry : windowControls()) {
        QWidget* control = createControl(entry, containers.at(entry.container), frameStyle);
        const QString name = QString::fromLatin1(entry.name);
        control->setObjectName(name);
        control->setGeometry(pixelRect(entry.twips));
        if (*entry.accessibleName)
            control->setAccessibleName(QString::fromUtf8(entry.accessibleName));
        control->setEnabled(!(entry.marks & Disabled));
        control->setVisible(!(entry.marks & Hidden));

        if (entry.kind == ControlKind::Frame)
            containers[frameNamed(entry.name)] = control;
        if (takesFocus(entry))
            focusCycle.emplace_back(entry.tabIndex, control);

        if (const auto field = fieldFromName(entry.name)) {
            if (auto* box = qobject_cast<QLineEdit*>(control))
                textBoxes_[static_cast<std::size_t>(*field)] = box;
            else if (auto* picker = qobject_cast<SectionPicker*>(control))
                picker_ = picker;
            else
                timeStamp_ = qobject_cast<QLabel*>(control);
        }
    }

    std::sort(focusCycle.begin(), focusCycle.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusCycle.size(); ++i)
        setTabOrder(focusCycle[i - 1].second, focusCycle[i].second);
}

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
    connect(calculateButton, &QPushButton::clicked, this, [this] { runNotice([&] { calculate(); }); });
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
    if (!offerToSave())
        return;
    const QString chosen = desktop_.fileToOpen(this, {QStringLiteral("打开"), stringerFileFilter,
                                                      shownPath(document_.path()), dialogSuffix(stringerFileExtension)});
    if (!chosen.isEmpty())
        openFileAt(chosen);
}

bool MainWindow::openFileAt(const QString& path)
{
    const std::filesystem::path file = localPath(QFileInfo(path).absoluteFilePath());
    StringerFileReading reading = readStringerFile(file);
    if (reading.problem) {
        tell(this, QMessageBox::Warning, QStringLiteral("无法打开文件"),
             fromUtf8(fileProblemMessageText(*reading.problem)));
        return false;
    }
    model_.open(reading.file->stringer);
    showSelectedGrade();
    document_.opened(file, model_.stringer(), std::move(reading.file->report), std::move(reading.file->otherKeys));
    return true;
}

void MainWindow::saveFile() { save(); }

void MainWindow::saveFileAs() { saveAs(); }

bool MainWindow::save() { return document_.hasFile() ? saveTo(document_.path()) : saveAs(); }

bool MainWindow::saveAs()
{
    const QString chosen = desktop_.fileToSave(this, {QStringLiteral("另存为"), stringerFileFilter,
                                                      shownPath(document_.suggestedStringerPath()),
                                                      dialogSuffix(stringerFileExtension)});
    const std::filesystem::path path = savePath(chosen, stringerFileExtension);
    return !path.empty() && saveTo(path);
}

bool MainWindow::saveTo(const std::filesystem::path& path)
{
    const Stringer stringer = model_.stringer();
    if (const auto problem =
            saveStringerFile(path, StringerFile{stringer, document_.reportHeader(), document_.otherKeys()})) {
        tell(this, QMessageBox::Warning, QStringLiteral("无法保存文件"), fromUtf8(fileProblemMessageText(*problem)));
        return false;
    }
    document_.saved(path, stringer);
    return true;
}

std::filesystem::path MainWindow::savePath(const QString& chosen, std::string_view extension)
{
    if (chosen.isEmpty())
        return {};
    const std::filesystem::path typed = localPath(chosen);
    const std::filesystem::path path = withExtension(typed, extension);
    // The dialog asked about the name as typed; a file under the name with
    // the extension is asked about here.
    if (path != typed && QFileInfo::exists(shownPath(path))
        && !ask(this, QStringLiteral("确认替换"),
                QStringLiteral("文件“%1”已存在。要替换它吗？").arg(shownPath(path)), QStringLiteral("替换"),
                QStringLiteral("取消")))
        return {};
    return path;
}

bool MainWindow::offerToSave()
{
    if (!document_.offersToSave(model_.stringer()))
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("保存更改"),
                    QStringLiteral("“%1”中的钢梯斜梁已更改。要保存更改吗？")
                        .arg(shownPath(document_.path().filename())),
                    QMessageBox::NoButton, this);
    box.setTextFormat(Qt::PlainText);
    QPushButton* saveButton = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    QPushButton* discardButton = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
    discardButton->setObjectName(QStringLiteral("discardButton"));
    QPushButton* cancelButton = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    box.setDefaultButton(saveButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == saveButton)
        return save();
    return box.clickedButton() == discardButton;
}

void MainWindow::makeReport()
{
    // The same calculation as the button's, so that the report and the
    // window show the same; a fault ends it with the button's message.
    if (!calculate())
        return;

    const LocalDateTime now = model_.now();
    const CalendarDate today{now.year, now.month, now.day};
    ReportHeaderDialog headerDialog(document_.reportHeader(), fromUtf8(calendarDateText(today)), this);
    if (headerDialog.exec() != QDialog::Accepted)
        return;
    // Kept even if no report follows, and written into the file at the next save.
    document_.keepReportHeader(headerDialog.header());

    const QString chosen = desktop_.fileToSave(this, {QStringLiteral("保存计算书"), reportFileFilter,
                                                      shownPath(document_.suggestedReportPath()),
                                                      dialogSuffix(reportFileExtension)});
    const std::filesystem::path path = savePath(chosen, reportFileExtension);
    if (path.empty())
        return;

    const Stringer stringer = model_.stringer();
    const ReportRequest request{stringer, document_.reportHeader(), document_.reportFileName(stringer), today};
    if (const auto error = writeReportPdf(request, path)) {
        tell(this, QMessageBox::Warning, QStringLiteral("未生成计算书"), fromUtf8(error->message));
        return;
    }
    offerToShowReport(path);
}

void MainWindow::offerToShowReport(const std::filesystem::path& path)
{
    const QString shown = shownPath(path);
    if (!ask(this, QStringLiteral("计算书"), QStringLiteral("计算书已保存为“%1”。要现在打开它吗？").arg(shown),
             QStringLiteral("打开"), QStringLiteral("不打开")))
        return;
    if (!desktop_.showFile(shown))
        tell(this, QMessageBox::Information, QStringLiteral("计算书"),
             QStringLiteral("没有能打开“%1”的程序。计算书已保存，可用 PDF 阅读器打开。").arg(shown));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Anything but a clear answer keeps the window and the stringer.
    bool leave = false;
    runNotice([&] { leave = offerToSave(); });
    event->setAccepted(leave);
}

void MainWindow::bindFileDrops()
{
    // A stringer file dropped anywhere on the window opens. The text boxes
    // would take it as text to insert, so they hand such a drag to the window.
    setAcceptDrops(true);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

bool MainWindow::takeFileDrag(QDropEvent* event)
{
    const QString path = draggedStringerFile(event->mimeData());
    if (path.isEmpty() || !(event->possibleActions() & Qt::CopyAction))
        return false;
    // A copy, so that no source ever deletes the file after a move.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (event->type() == QEvent::Drop) {
        // Once the drop is over: the drag's source waits for it to finish.
        QTimer::singleShot(0, this, [this, path] {
            runNotice([&] {
                if (offerToSave())
                    openFileAt(path);
            });
        });
    }
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) { takeFileDrag(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent* event) { takeFileDrag(event); }

void MainWindow::dropEvent(QDropEvent* event) { takeFileDrag(event); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (takeFileDrag(static_cast<QDropEvent*>(event)))
            return true;
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
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

bool MainWindow::calculate()
{
    if (const auto fault = model_.calculate()) {
        reportFault(*fault);
        return false;
    }
    return true;
}

void MainWindow::reportFault(const ArithmeticFault& fault)
{
    QMessageBox::critical(this, fromUtf8(faultMessageTitle()), fromUtf8(faultMessageText(fault)));
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
