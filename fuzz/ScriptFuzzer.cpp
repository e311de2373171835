// The driver's script reader over the whole window model. Whatever the bytes,
// the run must end (status 0, or 2 with a message naming the line), and its
// trace must tell a consistent story:
// - a verdict step runs exactly when a result's text changes, right inside
//   that write, and writes the word its demand and limit call for;
// - the overall message follows the three verdict words and comes in its own
//   colour, set just before it;
// - no number the system writes is an infinity or not-a-number;
// - the inputs change only when the script types into them;
// - the final dump shows every field, in order, holding the last text written
//   into it, so nothing is lost or changed behind the trace's back;
// - a survey changes no field, and each of its records is what picking that
//   section and pressing 计算 shows, lightest section first, the lightest
//   that passes marked.
// Fields the script types into may of course hold anything; the checks on
// what the system itself writes skip those.

#include "check/Quantities.h"
#include "check/Calculation.h"
#include "check/SheetCalculation.h"
#include "check/FaultWords.h"
#include "check/Verdict.h"
#include "catalogue/SectionCatalogue.h"
#include "fuzz/FuzzCheck.h"
#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"
#include "tools/driver/Escapes.h"
#include "tools/driver/ScriptRunner.h"
#include "ui/model/WindowModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tarrowin::fuzz::require;

constexpr std::array<std::string_view, 24> fieldNames = {
    "Combo1", "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
    "Text8",  "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15",
    "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Label19",
};

const std::string satisfied(tarrowin::verdictWord(tarrowin::Verdict::Satisfied));
const std::string notSatisfied(tarrowin::verdictWord(tarrowin::Verdict::NotSatisfied));
const std::string allSatisfied(tarrowin::overallMessage(true).text);
const std::string limitExceeded(tarrowin::overallMessage(false).text);
const std::string magenta = "255,0,255";
const std::string red = "255,0,0";

struct Event {
    enum class Kind { Write, Colour, Fault, Field, Survey, Other } kind;
    std::string field;
    std::string text;                  // for survey records, everything after "survey\t"
};

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string_view> splitColumns(std::string_view line)
{
    std::vector<std::string_view> columns;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        columns.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    columns.push_back(line.substr(start));
    return columns;
}

std::vector<Event> readTrace(std::string_view out)
{
    std::vector<Event> events;
    for (std::string_view line : splitLines(out)) {
        if (line.starts_with("survey\t")) {
            events.push_back({Event::Kind::Survey, {}, std::string(line.substr(7))});
            continue;
        }
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        require(tab2 != std::string_view::npos, "every trace record has three columns", line);
        require(line.find('\t', tab2 + 1) == std::string_view::npos, "texts in the trace are escaped", line);
        const std::string_view kind = line.substr(0, tab1);
        const std::string field(line.substr(tab1 + 1, tab2 - tab1 - 1));
        const std::optional<std::string> text = tarrowin::unescapeText(line.substr(tab2 + 1));
        require(text.has_value(), "texts in the trace unescape", line);
        Event::Kind k = Event::Kind::Other;
        if (kind == "write")
            k = Event::Kind::Write;
        else if (kind == "colour")
            k = Event::Kind::Colour;
        else if (kind == "fault")
            k = Event::Kind::Fault;
        else if (kind == "field")
            k = Event::Kind::Field;
        require(k != Event::Kind::Other, "only write, colour, fault and field records", line);
        events.push_back({k, field, *text});
    }
    return events;
}

// The fields a script line of the form "type FIELD ..." names, read loosely
// so that a field the driver might accept is never missed.
std::set<std::string> typedFields(std::string_view script)
{
    std::set<std::string> fields;
    for (std::string_view line : splitLines(script)) {
        if (line.substr(0, 5) != "type ")
            continue;
        const std::string_view rest = line.substr(5);
        fields.emplace(rest.substr(0, rest.find(' ')));
    }
    return fields;
}

// Each check by the control names of its result, limit and verdict.
struct Rule {
    std::string_view result, limit, verdict;
};
const std::array<Rule, tarrowin::checks.size()> rules = [] {
    std::array<Rule, tarrowin::checks.size()> all;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const tarrowin::Check& check = tarrowin::checks[i];
        all[i] = {tarrowin::fieldName(check.demandField()), tarrowin::fieldName(check.limit),
                  tarrowin::fieldName(check.verdict)};
    }
    return all;
}();
const Rule& lastRule = rules.back();  // its verdict step ends with the overall message

const Rule* ruleForResult(const std::string& field)
{
    for (const Rule& rule : rules)
        if (rule.result == field)
            return &rule;
    return nullptr;
}

// The ratio as the survey writes it, worked out here with printf's rounding
// (the exact stored value, ties to even) rather than the system's own.
std::string ratioText(double demand, double limit)
{
    if (limit == 0 || !std::isfinite(demand / limit))
        return "-";
    const double ratio = demand / limit;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.3f", ratio);
    const std::string text = buffer;
    if (text == "-0.000")
        return "0.000";
    if (std::strtod(buffer, nullptr) > 999.999)
        return ">999.999";
    if (std::strtod(buffer, nullptr) < -999.999)
        return "<-999.999";
    return text;
}

class NoonClock final : public tarrowin::Clock {
public:
    tarrowin::LocalDateTime now() const override { return {2026, 5, 4, 12, 0, 0}; }
};

class PlainFormat final : public tarrowin::DateTimeFormat {
public:
    std::string shortDate(const tarrowin::LocalDateTime&) const override { return "date"; }
    std::string longTime(const tarrowin::LocalDateTime&) const override { return "time"; }
};

// What a survey record for the section must say: the section picked on a
// model holding these texts, then 计算, read off the fields.
std::string expectedSurveyRecord(const std::map<std::string, std::string>& texts, const std::string& designation)
{
    const NoonClock clock;
    const PlainFormat format;
    tarrowin::WindowModel model(clock, format);
    for (std::string_view name : fieldNames)
        model.typeInto(*tarrowin::fieldFromName(name), texts.at(std::string(name)));
    model.pickSection(designation);
    const std::optional<tarrowin::ArithmeticFault> fault = model.calculate();
    const tarrowin::FieldSheet& sheet = model.sheet();
    const auto shown = [&sheet](const char* name) {
        return tarrowin::escapeText(sheet.text(*tarrowin::fieldFromName(name)));
    };
    std::string record = tarrowin::escapeText(designation) + '\t' + shown("Text19");
    if (fault)
        return record + "\tfault\t" + std::string(tarrowin::faultKindName(fault->kind)) + '\t'
               + std::string(tarrowin::quantityDescription(fault->quantity));
    for (const char* name : {"Text6", "Text7", "Text8", "Text22", "Text9", "Text10", "Text11"})
        record += '\t' + shown(name);
    const tarrowin::StringerValues values =
        tarrowin::calculateStringer(tarrowin::readStringerInputs(sheet.texts())).values;
    const auto number = [&sheet](const char* name) {
        return tarrowin::parseLeadingNumber(sheet.text(*tarrowin::fieldFromName(name))).value;
    };
    record += '\t' + ratioText(values.bendingStress, number("Text20"));
    record += '\t' + ratioText(values.shearStress, number("Text21"));
    record += '\t' + ratioText(values.deflection, values.allowableDeflection);
    return record;
}

class TraceChecker {
public:
    explicit TraceChecker(std::set<std::string> typed) : typed_(std::move(typed))
    {
        const tarrowin::FieldSheet start;
        for (std::size_t i = 0; i < fieldNames.size(); ++i)
            texts_[std::string(fieldNames[i])] = start.text(static_cast<tarrowin::Field>(i));
    }

    void check(const std::vector<Event>& events)
    {
        std::size_t i = 0;
        while (i < events.size())
            i = events[i].kind == Event::Kind::Field    ? checkDump(events, i)
                : events[i].kind == Event::Kind::Survey ? checkSurvey(events, i)
                                                        : step(events, i);
    }

private:
    bool typed(std::string_view field) const { return typed_.count(std::string(field)) != 0; }

    double number(std::string_view field) { return tarrowin::parseLeadingNumber(texts_[std::string(field)]).value; }

    // Checks the event at i and whatever it must set off; returns the index
    // of the next event to look at.
    std::size_t step(const std::vector<Event>& events, std::size_t i)
    {
        const Event& event = events[i];
        if (event.kind == Event::Kind::Fault) {
            require(event.field == "division-by-zero" || event.field == "overflow", "a fault is one of two kinds",
                    event.field);
            return i + 1;
        }
        if (event.kind == Event::Kind::Colour) {
            require(false, "the colour is set only by the overall message step", event.text);
            return i + 1;
        }
        const bool changed = texts_[event.field] != event.text;
        texts_[event.field] = event.text;
        checkSystemWrite(event);

        const Rule* rule = ruleForResult(event.field);
        if (!rule)
            return i + 1;
        if (!changed) {
            const bool verdictNext = i + 1 < events.size() && events[i + 1].kind == Event::Kind::Write
                                     && events[i + 1].field == rule->verdict;
            require(!verdictNext || typed(rule->verdict), "a write that changes nothing raises no notice",
                    event.field);
            return i + 1;
        }

        // The verdict runs inside the write: it must be the very next record.
        require(i + 1 < events.size() && events[i + 1].kind == Event::Kind::Write
                    && events[i + 1].field == rule->verdict,
                "a changed result is judged at once", event.field + " " + event.text);
        const std::string expected = number(rule->limit) >= number(rule->result) ? satisfied : notSatisfied;
        require(events[i + 1].text == expected, "the verdict compares the demand with its limit",
                event.field + " " + event.text + " -> " + events[i + 1].text);
        texts_[events[i + 1].field] = events[i + 1].text;
        if (rule != &lastRule)
            return i + 2;

        require(i + 3 < events.size() && events[i + 2].kind == Event::Kind::Colour
                    && events[i + 3].kind == Event::Kind::Write && events[i + 3].field == "Text12",
                "the deflection verdict ends with a colour, then the message");
        bool allOk = true;
        for (const Rule& each : rules)
            allOk = allOk && texts_[std::string(each.verdict)] == satisfied;
        require(events[i + 3].text == (allOk ? allSatisfied : limitExceeded),
                "the overall message follows the three verdict words", events[i + 3].text);
        require(events[i + 2].text == (allOk ? magenta : red), "each message in its own colour", events[i + 2].text);
        texts_["Text12"] = events[i + 3].text;
        colour_ = events[i + 2].text;
        return i + 4;
    }

    // What the system writes on its own into fields the script never types
    // into: verdict words, messages, or number texts that are finite.
    void checkSystemWrite(const Event& event)
    {
        if (typed(event.field))
            return;
        const std::string& f = event.field;
        const std::string& t = event.text;
        for (const Rule& rule : rules)
            if (f == rule.verdict)
                require(t.empty(), "a verdict word is written only right after its result changed", f + " " + t);
        if (f == "Text12")
            require(t.empty(), "a message is written only right after its colour", t);
        if (f == "Text1" || f == "Text2" || f == "Text3" || f == "Text4" || f == "Text5")
            require(false, "the system never writes the inputs", f);
        const auto field = tarrowin::fieldFromName(f);
        if (field && tarrowin::resultShownIn(*field))
            require(t.find("Infinity") == std::string::npos && t.find("NaN") == std::string::npos,
                    "no infinity or not-a-number is ever written as a result", f + " " + t);
    }

    // A survey: one record for each section, lightest first, each what a pick
    // and 计算 would show now, the lightest that passes marked. Returns the
    // index after it.
    std::size_t checkSurvey(const std::vector<Event>& events, std::size_t i)
    {
        std::set<std::string> designations;
        double previousMass = -std::numeric_limits<double>::infinity();
        bool recommendedYet = false;
        for (; i < events.size() && events[i].kind == Event::Kind::Survey; ++i) {
            const std::string& record = events[i].text;
            const std::vector<std::string_view> recorded = splitColumns(record);
            require(recorded.size() >= 2, "a survey record names the section and its mass", record);
            const std::optional<std::string> designation = tarrowin::unescapeText(recorded[0]);
            require(designation && designations.insert(*designation).second, "each section once", record);
            const double mass = tarrowin::parseLeadingNumber(recorded[1]).value;
            require(mass >= previousMass, "lightest first", record);
            previousMass = mass;

            const std::string expected = expectedSurveyRecord(texts_, *designation);
            // Designation, mass, four results, then the three verdict words.
            const std::vector<std::string_view> columns = splitColumns(expected);
            const bool faulted = columns[2] == "fault";
            const bool passes = !faulted && columns[6] == satisfied && columns[7] == satisfied && columns[8] == satisfied;
            const bool recommend = passes && !recommendedYet;
            recommendedYet = recommendedYet || recommend;
            const std::string mark = faulted ? "" : recommend ? "\trecommended" : "\t";
            require(record == expected + mark, "a survey record is what a pick and 计算 show",
                    record + "\n  wanted " + expected + mark);
        }
        require(designations.size() == tarrowin::sectionCatalogue().size(), "every section surveyed");
        return i;
    }

    // A dump: every field, then the colour. Returns the index after it.
    std::size_t checkDump(const std::vector<Event>& events, std::size_t i)
    {
        for (std::string_view name : fieldNames) {
            require(i < events.size() && events[i].kind == Event::Kind::Field && events[i].field == name,
                    "the dump lists every field in order", name);
            require(events[i].text == texts_[std::string(name)], "each field holds the last text written into it",
                    std::string(name) + " " + events[i].text);
            ++i;
        }
        require(i < events.size() && events[i].kind == Event::Kind::Colour, "the dump ends with the colour");
        if (!typed("Text12") && texts_["Text12"] == allSatisfied)
            require(events[i].text == magenta, "the message on show is in its own colour", events[i].text);
        if (!typed("Text12") && texts_["Text12"] == limitExceeded)
            require(events[i].text == red, "the message on show is in its own colour", events[i].text);
        require(events[i].text == colour_, "the colour is the one last set", events[i].text);
        return i + 1;
    }

    std::set<std::string> typed_;
    std::map<std::string, std::string> texts_;
    std::string colour_ = magenta;  // the colour at start
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string script(reinterpret_cast<const char*>(data), size);
    // The final state, read back after whatever the bytes did, then surveyed
    // and read back again.
    script += "\ndump\nsurvey\ndump\n";

    tarrowin::DriverOptions options;
    options.trace = true;
    options.now = tarrowin::LocalDateTime{2026, 5, 4, 9, 30, 0};
    std::ostringstream out;
    std::ostringstream err;
    const int status = tarrowin::runScript(script, out, err, options);

    require(status == tarrowin::scriptCompleted || status == tarrowin::scriptRejected, "status 0 or 2");
    if (status == tarrowin::scriptRejected) {
        require(err.str().find(": line ") != std::string::npos, "a rejected script names the line", err.str());
        if (err.str().ends_with(": input is not UTF-8\n"))
            require(out.str().empty(), "input that is not UTF-8 runs nothing", out.str());
    } else {
        require(err.str().empty(), "a completed script reports no error", err.str());
    }
    TraceChecker(typedFields(script)).check(readTrace(out.str()));
    if (status == tarrowin::scriptCompleted) {
        // Nothing but the survey's records between two identical dumps: a
        // survey writes no field and sets no colour.
        const std::string output = out.str();
        const std::vector<std::string_view> lines = splitLines(output);
        constexpr std::size_t dumpLines = fieldNames.size() + 1;
        const std::size_t surveyLines = tarrowin::sectionCatalogue().size();
        require(lines.size() >= 2 * dumpLines + surveyLines, "the final dumps and survey are there");
        const auto last = lines.end() - static_cast<std::ptrdiff_t>(dumpLines);
        const auto survey = last - static_cast<std::ptrdiff_t>(surveyLines);
        const auto first = survey - static_cast<std::ptrdiff_t>(dumpLines);
        require(std::equal(first, survey, last, lines.end()), "a survey changes no field");
        require(std::all_of(survey, last, [](std::string_view line) { return line.starts_with("survey\t"); }),
                "a survey prints only its records");
    }
    return 0;
}
