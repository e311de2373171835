#pragma once

#include "ui/model/DateTime.h"

#include <iosfwd>
#include <optional>
#include <string_view>

namespace tarrowin {

struct DriverOptions {
    bool trace = false;                 // print every write and colour setting
    std::optional<LocalDateTime> now;   // the clock the start-up action reads
};

// Exit statuses of the driver.
inline constexpr int scriptCompleted = 0;  // faults included
inline constexpr int scriptRejected = 2;   // a line could not be understood

// Runs a script of commands (load, type, pick, click, dump), one a line, on a
// fresh window model, writing records to `out` and the first error, naming its
// line, to `err`. Lines before an error have run and printed; nothing after it
// runs. Input that is not UTF-8 is rejected before anything runs.
int runScript(std::string_view script, std::ostream& out, std::ostream& err, const DriverOptions& options);

// "YYYY-MM-DDTHH:MM:SS" as a valid date and time, or nullopt.
std::optional<LocalDateTime> parseMoment(std::string_view text);

}  // namespace tarrowin
