#pragma once

#include "check/ArithmeticFault.h"

namespace tarrowin {

// Double arithmetic that stops at the first fault: each operation is one IEEE
// operation rounded to nearest, and a division of a non-zero value by zero, an
// invalid operation or a result beyond the double range throws the fault,
// naming the quantity being computed. Underflow and inexact results pass.
class GuardedArithmetic {
public:
    // Names the quantity that the following operations compute.
    void computing(Quantity quantity) { quantity_ = quantity; }

    double add(double x, double y) const;
    double multiply(double x, double y) const;
    double divide(double x, double y) const;
    // Squares and square roots go through the C library's power function, as
    // x to the power 2 and x to the power 0.5; never x * x or sqrt.
    double power(double x, double exponent) const;

    [[noreturn]] void fail(FaultKind kind) const;

private:
    double checked(double result) const;

    Quantity quantity_ = Quantity::InputGeometry;
};

}  // namespace tarrowin
