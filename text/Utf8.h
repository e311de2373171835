#pragma once

#include <cstddef>
#include <string_view>

namespace tarrowin {

// Offset of the first byte that does not belong to well-formed UTF-8 (no
// overlong forms, no surrogates, nothing above U+10FFFF), or npos if none.
std::size_t firstInvalidUtf8(std::string_view text);

inline bool isValidUtf8(std::string_view text) { return firstInvalidUtf8(text) == std::string_view::npos; }

// True for a byte that begins a character: any byte but a continuation byte
// (10xxxxxx), so that a cut before it never splits a character.
inline bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace tarrowin
