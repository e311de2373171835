#include "text/TextPosition.h"

#include "text/Utf8.h"

#include <algorithm>

namespace tarrowin {
namespace {

// True when the byte at i ends a line: an LF, or a CR that no LF follows.
bool endsLine(std::string_view text, std::size_t i)
{
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

}  // namespace

TextPosition positionOf(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    TextPosition position;
    for (std::size_t i = 0; i < offset; ++i) {
        if (endsLine(text, i)) {
            ++position.line;
            position.column = 1;
        } else if (startsCharacter(text[i]) && text[i] != '\r') {
            ++position.column;
        }
    }
    return position;
}

std::size_t lineBreaksIn(std::string_view text)
{
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (endsLine(text, i))
            ++breaks;
    return breaks;
}

}  // namespace tarrowin
