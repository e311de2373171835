#pragma once

#include <cstddef>
#include <string>

namespace tarrowin {

// Why a file could not be read or written: the file as it was named, where
// in it if that is known, and what is wrong, in a few English words.
struct FileProblem {
    std::string file;
    std::size_t line = 0;    // counting from 1; 0 when the problem is not on one line
    std::size_t column = 0;  // in characters, counting from 1; 0 when not known
    std::string what;

    // "FILE:LINE:COLUMN: what", leaving out what is not known, as compilers
    // and GNU tools write it so that editors can jump to the place.
    std::string message() const;

    friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

}  // namespace tarrowin
