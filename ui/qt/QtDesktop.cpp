#include "ui/qt/QtDesktop.h"

#include "ui/qt/ReportHeaderDialog.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace tarrowin {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Paths go to and from the dialogs as the file system spells them.
QString shownPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray(path.c_str())); }
std::filesystem::path localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::filesystem::path askForFile(QWidget* parent, const FileQuestion& question, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, fromUtf8(question.caption), QString(), fromUtf8(question.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(fromUtf8(question.suffix));
    if (!question.suggested.empty())
        dialog.selectFile(shownPath(question.suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return localPath(dialog.selectedFiles().first());
}

QPushButton* addButton(QMessageBox& box, const std::string& text, QMessageBox::ButtonRole role, const char* name)
{
    QPushButton* button = box.addButton(fromUtf8(text), role);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

std::filesystem::path QtDesktop::fileToOpen(const FileQuestion& question)
{
    return askForFile(window_, question, QFileDialog::AcceptOpen);
}

std::filesystem::path QtDesktop::fileToSave(const FileQuestion& question)
{
    return askForFile(window_, question, QFileDialog::AcceptSave);
}

std::optional<ReportHeader> QtDesktop::reportHeader(const ReportHeader& start, const std::string& today)
{
    ReportHeaderDialog dialog(start, fromUtf8(today), window_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.header();
}

Answer QtDesktop::ask(const Question& question)
{
    // File names and the user's texts are never read as markup.
    QMessageBox box(QMessageBox::Question, fromUtf8(question.title), fromUtf8(question.text), QMessageBox::NoButton,
                    window_);
    box.setTextFormat(Qt::PlainText);
    if (question.cancel.empty()) {
        QPushButton* yes = addButton(box, question.yes, QMessageBox::AcceptRole, "yesButton");
        QPushButton* no = addButton(box, question.no, QMessageBox::RejectRole, "noButton");
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton* yes = addButton(box, question.yes, QMessageBox::AcceptRole, "saveButton");
    QPushButton* no = addButton(box, question.no, QMessageBox::DestructiveRole, "discardButton");
    QPushButton* cancel = addButton(box, question.cancel, QMessageBox::RejectRole, "cancelButton");
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

void QtDesktop::tell(MessageKind kind, const std::string& title, const std::string& text)
{
    switch (kind) {
    case MessageKind::Fault:
        QMessageBox::critical(window_, fromUtf8(title), fromUtf8(text));
        return;
    case MessageKind::Information:
    case MessageKind::Warning: break;
    }
    QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information, fromUtf8(title),
                    fromUtf8(text), QMessageBox::NoButton, window_);
    box.setTextFormat(Qt::PlainText);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

bool QtDesktop::showFile(const std::filesystem::path& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(shownPath(path)));
}

}  // namespace tarrowin
