#pragma once

#include "ui/qt/Desktop.h"

namespace tarrowin {

// Qt's file dialogs, which are the desktop's own where the platform has
// them, and the desktop's viewers through QDesktopServices.
class QtDesktop final : public Desktop {
public:
    QString fileToOpen(QWidget* parent, const FileQuestion& question) override;
    QString fileToSave(QWidget* parent, const FileQuestion& question) override;
    bool showFile(const QString& path) override;
};

}  // namespace tarrowin
