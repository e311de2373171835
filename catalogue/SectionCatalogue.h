#pragma once

#include "sheet/Field.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarrowin {

class FieldSheet;

// One steel section. For the hollow sections tw is both webs together.
struct Section {
    std::string_view designation;  // "[" channels, "HN" narrow-flange H, "口" boxes
    std::int64_t ix;               // second moment of area, mm4
    std::int64_t wx;               // elastic section modulus, mm3
    double tw;                     // web thickness, mm
    std::int64_t sx;               // first moment of area of the half section, mm3
    double mass;                   // kg/m
};

inline constexpr std::size_t sectionCount = 19;

// The catalogue in list order, which is also the order of the picker.
const std::array<Section, sectionCount>& sectionCatalogue();

// One property of a section as the lookup writes it into its field.
struct PropertyText {
    Field field;
    std::string text;
};

// The five property texts of a catalogue row, in the order the lookup writes
// them: Ix, Wx, tw, Sx, mass. Whole values are integer text, the thickness
// and the mass are in the general number form ("6.5", "23", "30.62").
const std::array<PropertyText, 5>& propertyTexts(const Section& section);

// The row whose designation equals the text exactly (byte for byte, no
// trimming, case-sensitive), or nullptr.
const Section* findSection(std::string_view designation);

// The section lookup: the row whose designation equals the text of Combo1
// exactly (byte for byte, no trimming, case-sensitive) has its five properties
// written into Text15 to Text19, in that order. No match writes nothing.
void lookUpSection(FieldSheet& sheet);

}  // namespace tarrowin
