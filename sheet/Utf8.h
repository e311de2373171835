#pragma once

#include <cstddef>
#include <string_view>

namespace tarrowin {

// Offset of the first byte that does not belong to well-formed UTF-8 (no
// overlong forms, no surrogates, nothing above U+10FFFF), or npos if none.
std::size_t firstInvalidUtf8(std::string_view text);

inline bool isValidUtf8(std::string_view text) { return firstInvalidUtf8(text) == std::string_view::npos; }

}  // namespace tarrowin
