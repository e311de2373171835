#pragma once

#include "ui/document/Desktop.h"

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>

namespace tarrowin {

// What the user types into one box of the header dialog before 确定; no
// box for none.
struct HeaderTyping {
    std::string ReportHeader::*box = nullptr;
    std::string text;
};

// The user and the desktop as a script plays them: each question takes the
// next answer of its kind that the script queued, and every question, its
// answer and every message is printed as one record. A question with no
// answer queued gets the one Escape gives: a file dialog or the header
// dialog is cancelled, a question gets its last answer. A viewer takes every
// file unless the script says there is none.
class ScriptDesktop final : public Desktop {
public:
    explicit ScriptDesktop(std::ostream& out) : out_(out) {}

    // The answers to come, each kind in the order queued.
    std::deque<std::filesystem::path> files;        // an empty path cancels
    std::deque<std::optional<HeaderTyping>> headers;  // 确定 after the typing; nothing for 取消
    std::deque<Answer> answers;
    std::deque<bool> viewers;  // whether a viewer takes the file

    std::filesystem::path fileToOpen(const FileQuestion& question) override;
    std::filesystem::path fileToSave(const FileQuestion& question) override;
    std::optional<ReportHeader> reportHeader(const ReportHeader& start, const std::string& today) override;
    Answer ask(const Question& question) override;
    void tell(MessageKind kind, const std::string& title, const std::string& text) override;
    bool showFile(const std::filesystem::path& path) override;

private:
    std::filesystem::path chooseFile(const char* record, const FileQuestion& question);

    std::ostream& out_;
};

}  // namespace tarrowin
