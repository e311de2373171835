#include "tools/driver/ScriptDesktop.h"

#include "tools/driver/Escapes.h"

#include <ostream>

namespace tarrowin {
namespace {

template <typename Value>
std::optional<Value> next(std::deque<Value>& queue)
{
    if (queue.empty())
        return std::nullopt;
    Value value = std::move(queue.front());
    queue.pop_front();
    return value;
}

std::string_view kindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return "information";
    case MessageKind::Warning: return "warning";
    case MessageKind::Fault: return "fault";
    }
    return {};
}

}  // namespace

std::filesystem::path ScriptDesktop::chooseFile(const char* record, const FileQuestion& question)
{
    const std::filesystem::path chosen = next(files).value_or(std::filesystem::path());
    out_ << record << '\t' << escapeText(question.caption) << '\t' << escapeText(question.filter) << '\t'
         << escapeText(question.suggested.string()) << '\t' << escapeText(question.suffix) << '\t'
         << (chosen.empty() ? "cancelled" : "chose " + escapeText(chosen.string())) << '\n';
    return chosen;
}

std::filesystem::path ScriptDesktop::fileToOpen(const FileQuestion& question)
{
    return chooseFile("open-dialog", question);
}

std::filesystem::path ScriptDesktop::fileToSave(const FileQuestion& question)
{
    return chooseFile("save-dialog", question);
}

std::optional<ReportHeader> ScriptDesktop::reportHeader(const ReportHeader& start, const std::string& today)
{
    const std::optional<HeaderTyping> typing = next(headers).value_or(std::nullopt);
    out_ << "header-dialog";
    for (const std::string* box :
         {&start.project, &start.member, &start.designer, &start.checker, &start.reviewer, &start.date})
        out_ << '\t' << escapeText(*box);
    out_ << '\t' << escapeText(today) << '\t' << (typing ? "确定" : "取消") << '\n';
    if (!typing)
        return std::nullopt;
    ReportHeader header = start;
    if (typing->box)
        header.*(typing->box) = typing->text;
    return header;
}

Answer ScriptDesktop::ask(const Question& question)
{
    const bool three = !question.cancel.empty();
    Answer answer = next(answers).value_or(three ? Answer::Cancel : Answer::No);
    // Two answers: Escape, and so cancel, gives the second.
    if (!three && answer == Answer::Cancel)
        answer = Answer::No;
    const std::string& chosen = answer == Answer::Yes ? question.yes : answer == Answer::No ? question.no : question.cancel;
    out_ << "question\t" << escapeText(question.title) << '\t' << escapeText(question.text) << '\t'
         << escapeText(question.yes) << '/' << escapeText(question.no) << (three ? "/" + escapeText(question.cancel) : "")
         << '\t' << escapeText(chosen) << '\n';
    return answer;
}

void ScriptDesktop::tell(MessageKind kind, const std::string& title, const std::string& text)
{
    out_ << "message\t" << kindName(kind) << '\t' << escapeText(title) << '\t' << escapeText(text) << '\n';
}

bool ScriptDesktop::showFile(const std::filesystem::path& path)
{
    const bool shown = next(viewers).value_or(true);
    out_ << "show\t" << escapeText(path.string()) << '\t' << (shown ? "shown" : "no viewer") << '\n';
    return shown;
}

}  // namespace tarrowin
