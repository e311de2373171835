#include "ui/qt/FileDrops.h"

#include "ui/document/DocumentController.h"

#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <vector>

namespace tarrowin {
namespace {

// The files a drag carries, as the file system spells them; an empty path
// for anything that is no local file.
std::vector<std::filesystem::path> draggedFiles(const QMimeData* data)
{
    std::vector<std::filesystem::path> files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        files.push_back(url.isLocalFile() ? QFile::encodeName(url.toLocalFile()).toStdString() : std::string());
    return files;
}

}  // namespace

FileDrops::FileDrops(QWidget* window, std::function<void(const std::filesystem::path&)> dropped)
    : QObject(window), dropped_(std::move(dropped))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (take(static_cast<QDropEvent*>(event)))
            return true;
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

bool FileDrops::take(QDropEvent* event)
{
    const std::vector<std::filesystem::path> files = draggedFiles(event->mimeData());
    if (!DocumentController::takesDrop(files) || !(event->possibleActions() & Qt::CopyAction))
        return false;
    // A copy, so that no source ever deletes the file after a move.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (event->type() == QEvent::Drop) {
        // Once the drop is over: the drag's source waits for it to finish.
        QTimer::singleShot(0, this, [this, path = files.front()] { dropped_(path); });
    }
    return true;
}

}  // namespace tarrowin
