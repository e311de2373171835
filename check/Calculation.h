#pragma once

#include "check/ArithmeticFault.h"
#include "sheet/NumberText.h"

#include <optional>

namespace tarrowin {

// The inputs as the leading-number parse read them, in reading order.
struct StringerInputs {
    ParsedNumber horizontalLength;    // L, mm
    ParsedNumber verticalHeight;      // H, mm
    ParsedNumber flightWidth;         // B, mm
    ParsedNumber deadLoad;            // gk, kN/m2
    ParsedNumber liveLoad;            // qk, kN/m2
    ParsedNumber secondMomentOfArea;  // Ix, mm4
    ParsedNumber sectionModulus;      // Wx, elastic, mm3
    ParsedNumber webThickness;        // tw, mm
    ParsedNumber firstMomentOfArea;   // Sx, of the half section, mm3
    ParsedNumber sectionMass;         // kg/m
};

// Every working value of one run. Values after a fault are left at zero.
struct StringerValues {
    double a = 0;                    // width carried by one stringer, mm
    double g = 0;                    // self-weight line load, N/mm
    double q = 0;                    // design line load, N/mm
    double s = 0;                    // square of the inclined length, mm2
    double inclinedLength = 0;       // mm
    double cosine = 0;               // of the slope
    double allowableDeflection = 0;  // mm
    double moment = 0;               // N·mm
    double shearForce = 0;           // N
    double bendingStress = 0;        // N/mm2
    double shearStress = 0;          // N/mm2
    double w = 0;                    // characteristic line load, N/mm
    double sSquared = 0;             // mm4
    double deflection = 0;           // mm
};

struct StringerOutcome {
    StringerValues values;
    // The first fault, if any; the quantities before it are complete.
    std::optional<ArithmeticFault> fault;
};

// The stringer as a simply supported inclined beam carrying half the flight
// width, in the order, grouping and rounding of the hand calculation.
StringerOutcome calculateStringer(const StringerInputs& inputs);

// True when the quantity was computed in full, before any fault.
bool completed(const StringerOutcome& outcome, Quantity quantity);

}  // namespace tarrowin
