#include "ui/qt/QtDesktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace tarrowin {
namespace {

QString askForFile(QWidget* parent, const FileQuestion& question, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, question.caption, QString(), question.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(question.suffix);
    if (!question.suggested.isEmpty())
        dialog.selectFile(question.suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

}  // namespace

QString QtDesktop::fileToOpen(QWidget* parent, const FileQuestion& question)
{
    return askForFile(parent, question, QFileDialog::AcceptOpen);
}

QString QtDesktop::fileToSave(QWidget* parent, const FileQuestion& question)
{
    return askForFile(parent, question, QFileDialog::AcceptSave);
}

bool QtDesktop::showFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace tarrowin
