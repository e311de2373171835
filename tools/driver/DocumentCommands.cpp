#include "tools/driver/DocumentCommands.h"

#include "tools/driver/Escapes.h"

#include <array>
#include <ostream>
#include <utility>

namespace tarrowin {
namespace {

// The header dialog's boxes by the names its object names give them.
constexpr std::array<std::pair<std::string_view, std::string ReportHeader::*>, 6> headerBoxes{{
    {"project", &ReportHeader::project},
    {"member", &ReportHeader::member},
    {"designer", &ReportHeader::designer},
    {"checker", &ReportHeader::checker},
    {"reviewer", &ReportHeader::reviewer},
    {"date", &ReportHeader::date},
}};

std::pair<std::string_view, std::string_view> firstWord(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

void noArgument(std::string_view word, std::string_view argument)
{
    if (argument.find_first_not_of(' ') != std::string_view::npos)
        throw ScriptLineError{"'" + std::string(word) + "' takes no argument"};
}

HeaderTyping headerTyping(std::string_view typed)
{
    if (typed.empty())
        return {};
    const auto [name, text] = firstWord(typed);
    for (const auto& [boxName, box] : headerBoxes)
        if (boxName == name)
            return {box, scriptText(text)};
    throw ScriptLineError{"unknown header box '" + escapeText(name) + "'"};
}

}  // namespace

DocumentCommands::DocumentCommands(std::ostream& out, std::function<void()> beforeReport)
    : desktop_(out), beforeReport_(std::move(beforeReport))
{
}

void DocumentCommands::begin(WindowModel& model) { controller_ = std::make_unique<DocumentController>(model, desktop_); }

bool DocumentCommands::run(std::string_view word, std::string_view argument, std::ostream& out)
{
    if (word == "answer") {
        queueAnswer(argument);
    } else if (word == "drop") {
        const std::filesystem::path path = scriptText(argument);
        const bool taken = DocumentController::takesDrop({path});
        out << "drop\t" << (taken ? "taken" : "not taken") << '\n';
        if (taken)
            controller_->drop(path);
    } else if (word == "open" || word == "save" || word == "save-as" || word == "report" || word == "close") {
        noArgument(word, argument);
        if (word == "open") {
            controller_->open();
        } else if (word == "save") {
            controller_->save();
        } else if (word == "save-as") {
            controller_->saveAs();
        } else if (word == "report") {
            beforeReport_();
            controller_->makeReport();
        } else {
            const bool closed = controller_->mayLeave();
            out << "close\t" << (closed ? "closed" : "kept open") << '\n';
        }
    } else {
        return false;
    }
    return true;
}

void DocumentCommands::queueAnswer(std::string_view argument)
{
    const auto [kind, rest] = firstWord(argument);
    if (kind == "file") {
        desktop_.files.push_back(scriptText(rest));
    } else if (kind == "header") {
        const auto [button, typed] = firstWord(rest);
        if (button == "cancel" && typed.empty())
            desktop_.headers.push_back(std::nullopt);
        else if (button == "ok")
            desktop_.headers.push_back(headerTyping(typed));
        else
            throw ScriptLineError{"'answer header' takes ok [BOX TEXT] or cancel"};
    } else if (kind == "yes" || kind == "no" || kind == "cancel") {
        noArgument("answer " + std::string(kind), rest);
        desktop_.answers.push_back(kind == "yes" ? Answer::Yes : kind == "no" ? Answer::No : Answer::Cancel);
    } else if (kind == "viewer" && rest == "missing") {
        desktop_.viewers.push_back(false);
    } else {
        throw ScriptLineError{"unknown answer '" + escapeText(argument) + "'"};
    }
}

}  // namespace tarrowin
