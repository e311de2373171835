#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarrowin {

// The script's four escapes: \\ backslash, \t tab, \n line feed, \r carriage
// return. They keep every text on one line and every record's tabs its own.
std::string escapeText(std::string_view text);

// Undoes escapeText; nullopt when a backslash stands before anything else or
// at the very end.
std::optional<std::string> unescapeText(std::string_view text);

}  // namespace tarrowin
