#pragma once

#include <cstddef>
#include <string_view>

namespace tarrowin {

// Where a byte offset stands, as an editor shows it, both counted from 1.
struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;  // in characters (code points) of UTF-8
};

// Lines break at LF, CR LF and a lone CR alike: a CR LF is one break, and a
// CR at the very end of the text counts as a lone one. An offset beyond the
// text stands at its end.
TextPosition positionOf(std::string_view text, std::size_t offset);

// The line breaks in the text, counted as positionOf counts them.
std::size_t lineBreaksIn(std::string_view text);

}  // namespace tarrowin
