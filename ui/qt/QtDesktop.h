#pragma once

#include "ui/document/Desktop.h"

class QWidget;

namespace tarrowin {

// The desktop through Qt: its file dialogs, which are the desktop's own
// where the platform has them, message boxes and the report's header dialog
// over the window, and the desktop's viewers through QDesktopServices.
class QtDesktop : public Desktop {
public:
    // The window that dialogs stand over; none until it is set.
    void setWindow(QWidget* window) { window_ = window; }

    std::filesystem::path fileToOpen(const FileQuestion& question) override;
    std::filesystem::path fileToSave(const FileQuestion& question) override;
    std::optional<ReportHeader> reportHeader(const ReportHeader& start, const std::string& today) override;
    Answer ask(const Question& question) override;
    void tell(MessageKind kind, const std::string& title, const std::string& text) override;
    bool showFile(const std::filesystem::path& path) override;

protected:
    QWidget* window() const { return window_; }

private:
    QWidget* window_ = nullptr;
};

}  // namespace tarrowin
