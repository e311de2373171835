#pragma once

#include <QObject>

#include <filesystem>
#include <functional>

class QDropEvent;
class QWidget;

namespace tarrowin {

// Takes a drag of the files the document controller takes, dropped anywhere
// on the window, as a copy, and hands the file on once the drop is over.
// The text boxes would take it as text to insert, so they hand such a drag
// to it; any other drag goes where it would have gone.
class FileDrops : public QObject {
    Q_OBJECT

public:
    FileDrops(QWidget* window, std::function<void(const std::filesystem::path&)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool take(QDropEvent* event);

    std::function<void(const std::filesystem::path&)> dropped_;
};

}  // namespace tarrowin
