#include "sheet/FieldTexts.h"

#include <string_view>

namespace tarrowin {
namespace {

// The window's design-time texts. They hold even where they are not numbers:
// the hidden results start as placeholder captions that the first calculation
// replaces. The section fields start as the row of "[14a" and the strengths as
// grade Q235B, matching the picker's and the options' state at start.
constexpr std::array<std::string_view, fieldCount> textsAtStart = {
    "[14a",     // Combo1
    "3000",     // Text1  horizontal length L, mm
    "1500",     // Text2  vertical height H, mm
    "1500",     // Text3  flight width B, mm
    "1.0",      // Text4  dead load gk, kN/m2
    "3.5",      // Text5  live load qk, kN/m2
    "",         // Text6  bending stress
    "",         // Text7  shear stress
    "",         // Text8  deflection
    "",         // Text9  bending-stress verdict
    "",         // Text10 shear-stress verdict
    "",         // Text11 deflection verdict
    "",         // Text12 overall message
    "弯矩M",    // Text13 bending moment
    "剪力V",    // Text14 shear force
    "5640000",  // Text15 Ix, mm4
    "80500",    // Text16 Wx, mm3
    "6",        // Text17 tw, mm
    "47500",    // Text18 Sx, mm3
    "14.5",     // Text19 mass, kg/m
    "215",      // Text20 f, N/mm2
    "125",      // Text21 fv, N/mm2
    "Text22",   // Text22 allowable deflection
    "",         // Label19 time stamp
};

}  // namespace

FieldTexts::FieldTexts()
{
    for (std::size_t i = 0; i < fieldCount; ++i)
        texts_[i] = textsAtStart[i];
}

}  // namespace tarrowin
