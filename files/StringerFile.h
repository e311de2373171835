#pragma once

#include "files/FileProblem.h"
#include "stringer/ReportHeader.h"
#include "stringer/Stringer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarrowin {

// A stringer as its file (.tarrowin) holds it: JSON in UTF-8, every field as
// the text it holds, never as a number, so that opening the file gives back
// exactly the window that was saved ("1,500" stays "1,500").
//
//   format, version         "tarrowin-stringer", 1
//   section                 the picker's text
//   section_properties      second_moment_of_area, section_modulus,
//                           web_thickness, first_moment_of_area, mass: the
//                           texts in use, which a typed picker text need not match
//   grade                   "Q235B" or "Q355B"
//   horizontal_length, vertical_height, flight_width, dead_load, live_load
//   report (optional)       project, member, designer, checker, reviewer,
//                           date, each optional
//
// Keys are written sorted and indented, so that files diff well.
struct StringerFile {
    Stringer stringer;
    ReportHeader report;
    // Every key that this version does not know, at the top or inside
    // section_properties or report, as one compact JSON object ("" when
    // none), so that saving a file written by a later version keeps them.
    std::string otherKeys;

    friend bool operator==(const StringerFile&, const StringerFile&) = default;
};

inline constexpr std::string_view stringerFileFormat = "tarrowin-stringer";
inline constexpr int stringerFileVersion = 1;

// The file read, or why it was refused (never both).
struct StringerFileReading {
    std::optional<StringerFile> file;
    std::optional<FileProblem> problem;
};

// A file is refused when it cannot be read, is not JSON (the problem then
// gives the line and the column, counted in characters, where the JSON
// reader stopped), has a key twice in one object (the problem gives the line
// and the column of the second), is not a JSON object of this format, has a newer or no
// whole-number version, lacks a key, holds a value of the wrong type, or
// names an unknown grade.
StringerFileReading readStringerFile(const std::filesystem::path& path);

// The same on the file's bytes; `fileName` names the file in a problem.
StringerFileReading parseStringerFile(std::string_view bytes, const std::string& fileName);

// The file's text. The texts must be UTF-8.
std::string stringerFileText(const StringerFile& file);

// Saves the file without ever leaving half of it (see writeFileAtomically).
// A text that is not UTF-8 would come back changed, so it is refused
// before anything is written. Returns the problem if it failed.
std::optional<FileProblem> saveStringerFile(const std::filesystem::path& path, const StringerFile& file);

}  // namespace tarrowin
