#pragma once

#include <cstddef>
#include <string>

namespace tarrowin {

// What is wrong with a file, for the messages in other languages than the
// English `what`. `subject` says which key, grade or version it is about, or
// holds the system's own words on why a file could not be read or written.
enum class FileProblemKind {
    Other,             // anything else: `what` is all there is to say
    CannotRead,        // the system would not read it; subject: the system's words, systemError: why
    IsAFolder,         // the name is a folder's
    CannotSave,        // the system would not write it; subject: the system's words, systemError: why
    TextNotUtf8,       // a text to save is not UTF-8; subject: its key
    NotJson,           // line and column say where the JSON reader stopped
    NotAStringerFile,  // JSON, but not an object with the stringer file's "format"
    NewerVersion,      // a later format version; subject: that version
    InvalidVersion,    // "version" is no whole number of 1 or more
    MissingKey,        // subject: the key, "parent.key" inside an object
    DuplicateKey,      // an object has the key twice; subject: as for MissingKey; line and column: the second
    NotAText,          // subject: the key whose value should be a text
    NotAnObject,       // subject: the key whose value should be an object
    UnknownGrade,      // subject: the grade as written
};

// Why a file could not be read or written: the file as it was named, where
// in it if that is known, and what is wrong, in a few English words.
struct FileProblem {
    std::string file;
    std::size_t line = 0;    // counting from 1; 0 when the problem is not on one line
    std::size_t column = 0;  // in characters, counting from 1; 0 when not known
    std::string what;
    FileProblemKind kind = FileProblemKind::Other;
    std::string subject{};  // braced, so that a problem given by its first four members needs no more
    int systemError = 0;    // the errno value behind CannotRead and CannotSave, 0 when not known

    // "FILE:LINE:COLUMN: what", leaving out what is not known, as compilers
    // and GNU tools write it so that editors can jump to the place.
    std::string message() const;

    friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

}  // namespace tarrowin
