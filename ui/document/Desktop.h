#pragma once

#include "stringer/ReportHeader.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tarrowin {

// What a file dialog asks: its caption, the files it lists, the file it
// starts at (a name, or a path with its folder; empty for none) and the
// extension (without its dot) that a name typed without one gets.
struct FileQuestion {
    std::string caption;
    std::string filter;
    std::filesystem::path suggested;
    std::string suffix;
};

// A question in a message box. The first answer is the default. With a
// third answer the box has three buttons and Escape gives the third;
// without, Escape gives the second.
struct Question {
    std::string title;
    std::string text;
    std::string yes;
    std::string no;
    std::string cancel;  // empty for a question of two answers
};

enum class Answer { Yes, No, Cancel };

// A message with one button to acknowledge it. A fault is the calculation's,
// shown as the 计算 button shows it.
enum class MessageKind { Information, Warning, Fault };

// Everything the document controller asks of the user and the desktop. The
// controller decides; this only asks and shows, so that tests and the script
// driver can answer without widgets. Texts are UTF-8.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The file chosen, or an empty path when the user cancelled.
    virtual std::filesystem::path fileToOpen(const FileQuestion& question) = 0;
    // The same; the dialog has the user confirm replacing a file that exists.
    virtual std::filesystem::path fileToSave(const FileQuestion& question) = 0;
    // The report's header as the user filled it in, starting from `start`;
    // `today` is the date an empty 日期 stands for. Nothing when cancelled.
    virtual std::optional<ReportHeader> reportHeader(const ReportHeader& start, const std::string& today) = 0;
    virtual Answer ask(const Question& question) = 0;
    virtual void tell(MessageKind kind, const std::string& title, const std::string& text) = 0;
    // Shows the file in the desktop's viewer for its type; whether one took it.
    virtual bool showFile(const std::filesystem::path& path) = 0;
};

}  // namespace tarrowin
