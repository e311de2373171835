#include "check/GuardedArithmetic.h"

#include <cmath>

// This file must be compiled with the power function kept as a library call
// (-fno-builtin-pow): compilers otherwise turn pow(x, 2.0) into x * x, which
// differs from the library's result in the last bit for some x.

namespace tarrowin {

double GuardedArithmetic::checked(double result) const
{
    // Operands are always finite here (a fault stops the computation before
    // an infinity or not-a-number can be used), so a non-finite result is
    // an overflow or an invalid operation, both reported as an overflow.
    if (!std::isfinite(result))
        fail(FaultKind::Overflow);
    return result;
}

double GuardedArithmetic::add(double x, double y) const { return checked(x + y); }

double GuardedArithmetic::multiply(double x, double y) const { return checked(x * y); }

double GuardedArithmetic::divide(double x, double y) const
{
    if (y == 0)
        fail(x == 0 ? FaultKind::Overflow : FaultKind::DivisionByZero);
    return checked(x / y);
}

double GuardedArithmetic::power(double x, double exponent) const { return checked(std::pow(x, exponent)); }

void GuardedArithmetic::fail(FaultKind kind) const { throw ArithmeticFault{kind, quantity_}; }

}  // namespace tarrowin
