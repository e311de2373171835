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
//   into it, so nothing is lost or changed behind the trace's back.
// Fields the script types into may of course hold anything; the checks on
// what the system itself writes skip those.

#include "fuzz/FuzzCheck.h"
#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"
#include "tools/driver/Escapes.h"
#include "tools/driver/ScriptRunner.h"

#include <array>
#include <cstdint>
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

const std::string satisfied = "满足";
const std::string notSatisfied = "不满足";
const std::string allSatisfied = "满足要求!";
const std::string limitExceeded = "超限,请重选截面!";
const std::string magenta = "255,0,255";
const std::string red = "255,0,0";

struct Event {
    enum class Kind { Write, Colour, Fault, Field, Other } kind;
    std::string field;
    std::string text;
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

std::vector<Event> readTrace(std::string_view out)
{
    std::vector<Event> events;
    for (std::string_view line : splitLines(out)) {
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

struct Rule {
    std::string_view result, limit, verdict;
};
constexpr std::array<Rule, 3> rules = {{
    {"Text6", "Text20", "Text9"},
    {"Text7", "Text21", "Text10"},
    {"Text8", "Text22", "Text11"},
}};

const Rule* ruleForResult(const std::string& field)
{
    for (const Rule& rule : rules)
        if (rule.result == field)
            return &rule;
    return nullptr;
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
            i = events[i].kind == Event::Kind::Field ? checkDump(events, i) : step(events, i);
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
        if (rule->result != "Text8")
            return i + 2;

        require(i + 3 < events.size() && events[i + 2].kind == Event::Kind::Colour
                    && events[i + 3].kind == Event::Kind::Write && events[i + 3].field == "Text12",
                "the deflection verdict ends with a colour, then the message");
        const bool allOk = texts_["Text9"] == satisfied && texts_["Text10"] == satisfied
                           && texts_["Text11"] == satisfied;
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
        if (f == "Text9" || f == "Text10" || f == "Text11")
            require(t.empty(), "a verdict word is written only right after its result changed", f + " " + t);
        if (f == "Text12")
            require(t.empty(), "a message is written only right after its colour", t);
        if (f == "Text1" || f == "Text2" || f == "Text3" || f == "Text4" || f == "Text5")
            require(false, "the system never writes the inputs", f);
        if (f == "Text6" || f == "Text7" || f == "Text8" || f == "Text13" || f == "Text14" || f == "Text22")
            require(t.find("Infinity") == std::string::npos && t.find("NaN") == std::string::npos,
                    "no infinity or not-a-number is ever written as a result", f + " " + t);
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
    script += "\ndump\n";  // the final state, read back after whatever the bytes did

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
    return 0;
}
