#pragma once

#include <QString>

class QWidget;

namespace tarrowin {

// What a file dialog asks: its caption, the files it lists, the file it
// starts at (a name, or a path with its folder) and the extension (without
// its dot) that a name typed without one gets.
struct FileQuestion {
    QString caption;
    QString filter;
    QString suggested;
    QString suffix;
};

// What the window asks of the desktop: a file to open, a file to save under,
// and to show a file in the desktop's viewer for its type. The window asks
// only through this, so that tests can answer without dialogs.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The file chosen, or an empty text when the user cancelled.
    virtual QString fileToOpen(QWidget* parent, const FileQuestion& question) = 0;
    // The same; the dialog has the user confirm replacing a file that exists.
    virtual QString fileToSave(QWidget* parent, const FileQuestion& question) = 0;
    // Whether a viewer took the file.
    virtual bool showFile(const QString& path) = 0;
};

}  // namespace tarrowin
