#include "tools/driver/ScriptRunner.h"

#include "check/FaultWords.h"
#include "check/StringerCheck.h"
#include "text/TextPosition.h"
#include "text/Utf8.h"
#include "tools/driver/Escapes.h"
#include "ui/model/WindowModel.h"

#include <array>
#include <ostream>
#include <string>

namespace tarrowin {
namespace {

std::string colourText(Rgb colour)
{
    return std::to_string(colour.red) + ',' + std::to_string(colour.green) + ',' + std::to_string(colour.blue);
}

class TraceObserver final : public SheetObserver {
public:
    explicit TraceObserver(std::ostream& out) : out_(out) {}

    void fieldWritten(Field field, const std::string& text) override
    {
        out_ << "write\t" << fieldName(field) << '\t' << escapeText(text) << '\n';
    }
    void messageColourSet(Rgb colour) override { out_ << "colour\tText12\t" << colourText(colour) << '\n'; }

private:
    std::ostream& out_;
};

void dump(const FieldSheet& sheet, std::ostream& out)
{
    for (Field field : allFields())
        out << "field\t" << fieldName(field) << '\t' << escapeText(sheet.text(field)) << '\n';
    out << "colour\tText12\t" << colourText(sheet.messageColour()) << '\n';
}

// What a click on each control that a script may name does: the two
// buttons, and the grade options Option1 onwards, one for each grade in the
// order of the grades.
enum class Click { Calculate, Clear, ChooseGrade };

struct ClickableControl {
    std::string_view name;
    Click click;
};

constexpr std::array<ClickableControl, 2> clickableButtons = {{
    {"Command1", Click::Calculate},  // 计算
    {"Command2", Click::Clear},      // 清零
}};

// One understood line, ready to run.
struct Command {
    enum class Kind { Load, Type, Pick, Click, Dump, Survey } kind;
    Field field = Field::SectionDesignation;  // for Type
    std::string text;                         // for Type and Pick, unescaped
    Click click = Click::Calculate;           // for Click
    Grade grade = Grade::Q235B;               // for a click on a grade option
};

bool onlyBlanks(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

Command parseLine(std::string_view line)
{
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    const bool hasArgument = blank != std::string_view::npos;
    const std::string_view argument = hasArgument ? line.substr(blank + 1) : std::string_view{};

    if (word == "load" || word == "dump" || word == "survey") {
        if (!onlyBlanks(argument))
            throw ScriptLineError{"'" + std::string(word) + "' takes no argument"};
        const auto kind = word == "load" ? Command::Kind::Load
                          : word == "dump" ? Command::Kind::Dump
                                           : Command::Kind::Survey;
        return {kind, {}, {}, {}, {}};
    }
    if (word == "type") {
        if (argument.empty())
            throw ScriptLineError{"'type' needs a field name"};
        const std::size_t textBlank = argument.find(' ');
        const std::string_view name = argument.substr(0, textBlank);
        const std::optional<Field> field = fieldFromName(name);
        if (!field)
            throw ScriptLineError{"unknown field '" + escapeText(name) + "'"};
        const std::string_view text =
            textBlank == std::string_view::npos ? std::string_view{} : argument.substr(textBlank + 1);
        return {Command::Kind::Type, *field, scriptText(text), {}, {}};
    }
    if (word == "pick")
        return {Command::Kind::Pick, Field::SectionDesignation, scriptText(argument), {}, {}};
    if (word == "click") {
        if (argument.empty())
            throw ScriptLineError{"'click' needs a control name"};
        for (const ClickableControl& control : clickableButtons)
            if (control.name == argument)
                return {Command::Kind::Click, Field::SectionDesignation, {}, control.click, {}};
        for (const SteelGrade& grade : steelGrades())
            if (argument == "Option" + std::to_string(gradeIndex(grade.grade) + 1))
                return {Command::Kind::Click, Field::SectionDesignation, {}, Click::ChooseGrade, grade.grade};
        throw ScriptLineError{"unknown control '" + escapeText(argument) + "'"};
    }
    throw ScriptLineError{"unknown command '" + escapeText(word) + "'"};
}

// KIND<TAB>WORDS, as fault records and the survey's fault rows end.
std::string faultText(const ArithmeticFault& fault)
{
    return std::string(faultKindName(fault.kind)) + '\t' + std::string(quantityDescription(fault.quantity));
}

void click(const Command& command, WindowModel& model, std::ostream& out)
{
    switch (command.click) {
    case Click::Calculate:
        if (const auto fault = model.calculate())
            out << "fault\t" << faultText(*fault) << '\n';
        break;
    case Click::Clear: model.clear(); break;
    case Click::ChooseGrade: model.chooseGrade(command.grade); break;
    }
}

// One record a section: what the result and verdict fields would show after
// picking it and pressing 计算, with the ratios, or the fault that stopped it.
void printSurvey(const SectionSurvey& survey, std::ostream& out)
{
    for (const SurveyRow& row : survey.rows) {
        out << "survey\t" << escapeText(row.section->designation) << '\t' << escapeText(row.massText);
        if (const auto& fault = row.check.fault()) {
            out << "\tfault\t" << faultText(*fault) << '\n';
            continue;
        }
        for (const Quantity result : shownResults)
            out << '\t' << escapeText(row.check.text(result));
        for (const Check& check : checks)
            out << '\t' << verdictWord(*row.check.verdict(check));
        for (const Check& check : checks)
            out << '\t' << utilisationText(row.check.utilisation(check));
        out << '\t' << (row.recommended ? "recommended" : "") << '\n';
    }
}

void run(const Command& command, WindowModel& model, std::ostream& out)
{
    switch (command.kind) {
    case Command::Kind::Load: model.load(); break;
    case Command::Kind::Type: model.typeInto(command.field, command.text); break;
    case Command::Kind::Pick: model.pickSection(command.text); break;
    case Command::Kind::Click: click(command, model, out); break;
    case Command::Kind::Dump: dump(model.sheet(), out); break;
    case Command::Kind::Survey: printSurvey(model.survey(), out); break;
    }
}

}  // namespace

int runScript(std::string_view script, std::ostream& out, std::ostream& err, const DriverOptions& options)
{
    if (const std::size_t bad = firstInvalidUtf8(script); bad != std::string_view::npos) {
        err << "tarrowin-driver: line " << positionOf(script, bad).line << ": input is not UTF-8\n";
        return scriptRejected;
    }

    const SystemClock systemClock;
    const FixedClock fixedClock(options.now.value_or(LocalDateTime{}));
    const LocaleDateTimeFormat format;
    WindowModel model(options.now ? static_cast<const Clock&>(fixedClock) : systemClock, format);
    TraceObserver trace(out);
    if (options.trace)
        model.setObserver(&trace);
    if (options.more)
        options.more->begin(model);

    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < script.size()) {
        const std::size_t end = std::min(script.find('\n', start), script.size());
        const std::string_view line = script.substr(start, end - start);
        start = end + 1;
        ++lineNumber;

        if (line.empty() || line.front() == '#')
            continue;
        try {
            if (line.find('\r') != std::string_view::npos)
                throw ScriptLineError{"raw carriage return (write \\r)"};
            const std::size_t blank = line.find(' ');
            const std::string_view argument = blank == std::string_view::npos ? "" : line.substr(blank + 1);
            if (!options.more || !options.more->run(line.substr(0, blank), argument, out))
                run(parseLine(line), model, out);
        } catch (const ScriptLineError& error) {
            out.flush();
            err << "tarrowin-driver: line " << lineNumber << ": " << error.message << '\n';
            return scriptRejected;
        }
    }
    out.flush();
    return scriptCompleted;
}

std::string scriptText(std::string_view text)
{
    std::optional<std::string> plain = unescapeText(text);
    if (!plain)
        throw ScriptLineError{"bad escape (only \\\\, \\t, \\n and \\r exist)"};
    return *std::move(plain);
}

std::optional<LocalDateTime> parseMoment(std::string_view text)
{
    // YYYY-MM-DDTHH:MM:SS, every digit in place.
    constexpr std::string_view shape = "dddd-dd-ddTdd:dd:dd";
    if (text.size() != shape.size())
        return std::nullopt;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digitWanted = shape[i] == 'd';
        const bool isDigit = text[i] >= '0' && text[i] <= '9';
        if (digitWanted ? !isDigit : text[i] != shape[i])
            return std::nullopt;
    }
    const auto number = [&text](std::size_t pos, std::size_t length) {
        int value = 0;
        for (std::size_t i = pos; i < pos + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    LocalDateTime moment{number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), number(17, 2)};
    const bool leap = (moment.year % 4 == 0 && moment.year % 100 != 0) || moment.year % 400 == 0;
    constexpr int daysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (moment.month < 1 || moment.month > 12)
        return std::nullopt;
    const int lastDay = daysInMonth[moment.month - 1] + (moment.month == 2 && leap ? 1 : 0);
    if (moment.day < 1 || moment.day > lastDay || moment.hour > 23 || moment.minute > 59 || moment.second > 59)
        return std::nullopt;
    return moment;
}

}  // namespace tarrowin
