#pragma once

#include <string_view>

namespace tarrowin {

// U+FEFF in UTF-8. At the start of a file it marks the text as UTF-8, which
// spreadsheets look for; anywhere else it is a zero-width no-break space.
inline constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// The text without a byte-order mark at its start, if it has one.
inline std::string_view withoutByteOrderMark(std::string_view text)
{
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    return text;
}

}  // namespace tarrowin
