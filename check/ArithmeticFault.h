#pragma once

namespace tarrowin {

enum class FaultKind {
    // A non-zero value was divided by zero.
    DivisionByZero,
    // A result beyond the double range, a number text beyond it, or an
    // invalid operation such as 0 / 0: all reported as an overflow.
    Overflow,
};

// The quantity whose computation faulted, in the order the check computes them.
// Each is described once, as a stage or a result, in check/Quantities.h.
enum class Quantity {
    InputGeometry,      // reading L, H and B and halving the width
    InputLoads,         // reading the loads and the section, the self-weight
    DesignLineLoad,     // q
    Slope,              // L² + H², the inclined length, the cosine
    AllowableDeflection,
    BendingMoment,
    ShearForce,
    BendingStress,
    ShearStress,
    Deflection,
};

// An arithmetic fault stops the action that met it at that operation; what
// was written before stays written. The fault is carried out to whoever drives
// the model, which reports it and carries on: it never ends the program.
struct ArithmeticFault {
    FaultKind kind;
    Quantity quantity;
    friend bool operator==(const ArithmeticFault&, const ArithmeticFault&) = default;
};

}  // namespace tarrowin
