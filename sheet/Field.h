#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tarrowin {

// One named text of the sheet. Inside the system a field is called by what
// it holds; the control that shows it (Text1, Combo1, Label19) is its name at
// the boundary, kept with its text at start in the field table (Field.cpp).
// The enumerators are in the order the sheet is listed: the picker, the text
// boxes Text1 to Text22, the time stamp.
enum class Field {
    SectionDesignation,   // Combo1, the picker's text
    HorizontalLength,     // Text1, L, mm
    VerticalHeight,       // Text2, H, mm
    FlightWidth,          // Text3, B, mm
    DeadLoad,             // Text4, gk, kN/m2
    LiveLoad,             // Text5, qk, kN/m2
    BendingStress,        // Text6, N/mm2, two decimals
    ShearStress,          // Text7, N/mm2, two decimals
    Deflection,           // Text8, mm, two decimals
    BendingVerdict,       // Text9
    ShearVerdict,         // Text10
    DeflectionVerdict,    // Text11
    OverallMessage,       // Text12, with its fore colour
    BendingMoment,        // Text13, N·mm
    ShearForce,           // Text14, N
    SecondMomentOfArea,   // Text15, Ix, mm4
    SectionModulus,       // Text16, Wx, mm3
    WebThickness,         // Text17, tw, mm
    FirstMomentOfArea,    // Text18, Sx, mm3
    SectionMass,          // Text19, kg/m
    DesignStrength,       // Text20, f, N/mm2
    DesignShearStrength,  // Text21, fv, N/mm2
    AllowableDeflection,  // Text22, mm
    TimeStamp,            // Label19
};

inline constexpr std::size_t fieldCount = 24;

// Every field, in listing order.
const std::array<Field, fieldCount>& allFields();

// The name of the control that shows the field, such as "Text12".
std::string_view fieldName(Field field);

// The text the field holds when the window starts.
std::string_view fieldStartText(Field field);

// Exact, case-sensitive match of a control name such as "Text12".
std::optional<Field> fieldFromName(std::string_view name);

}  // namespace tarrowin
