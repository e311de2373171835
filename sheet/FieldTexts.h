#pragma once

#include "sheet/Field.h"

#include <array>
#include <string>

namespace tarrowin {

// The text of every field as a plain value, without the sheet's notices:
// what a survey, a stringer file or a row of a table of stringers works on.
class FieldTexts {
public:
    FieldTexts();  // every field at its text at start

    const std::string& operator[](Field field) const { return texts_[static_cast<std::size_t>(field)]; }
    std::string& operator[](Field field) { return texts_[static_cast<std::size_t>(field)]; }

    friend bool operator==(const FieldTexts&, const FieldTexts&) = default;

private:
    std::array<std::string, fieldCount> texts_;
};

}  // namespace tarrowin
