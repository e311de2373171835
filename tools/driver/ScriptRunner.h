#pragma once

#include "ui/model/DateTime.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace tarrowin {

class WindowModel;

// A line that cannot be understood, and what is wrong with it.
struct ScriptLineError {
    std::string message;
};

// Commands that a program adds to the script's own, on the same window model.
class ScriptCommands {
public:
    virtual ~ScriptCommands() = default;
    // Once the script's window model exists, before the first line runs.
    virtual void begin(WindowModel& model) = 0;
    // Runs the line if its first word names one of these commands, and says
    // whether it did; throws ScriptLineError for a line it cannot understand.
    virtual bool run(std::string_view word, std::string_view argument, std::ostream& out) = 0;
};

struct DriverOptions {
    bool trace = false;                 // print every write and colour setting
    std::optional<LocalDateTime> now;   // the clock the start-up action reads
    ScriptCommands* more = nullptr;     // commands beyond the model's own, if any
};

// Exit statuses of the driver.
inline constexpr int scriptCompleted = 0;  // faults included
inline constexpr int scriptRejected = 2;   // a line could not be understood

// Runs a script of commands (load, type, pick, click, dump), one a line, on a
// fresh window model, writing records to `out` and the first error, naming its
// line, to `err`. Lines before an error have run and printed; nothing after it
// runs. Input that is not UTF-8 is rejected before anything runs.
int runScript(std::string_view script, std::ostream& out, std::ostream& err, const DriverOptions& options);

// A text of the script with its escapes undone; throws ScriptLineError for a
// bad escape.
std::string scriptText(std::string_view text);

// "YYYY-MM-DDTHH:MM:SS" as a valid date and time, or nullopt.
std::optional<LocalDateTime> parseMoment(std::string_view text);

}  // namespace tarrowin
