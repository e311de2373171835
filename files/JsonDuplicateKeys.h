#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarrowin {

// A key that an object of a JSON text holds twice.
struct DuplicateKey {
    std::string path;     // "dead_load", or "section_properties.mass" inside an object
    std::size_t offset;   // of the opening quote of its second appearance
};

// The first key, in reading order, that appears a second time in the same
// object, at any depth. Keys are compared as the texts they stand for, so
// "dead_load" and "dead\u005fload" are the same key. Qt's JSON reader keeps
// the last of two silently; this pass runs beside it on the raw text, which
// is expected to be JSON that reader accepted (on anything else it stops
// without reading past the end).
std::optional<DuplicateKey> firstDuplicateKey(std::string_view json);

}  // namespace tarrowin
