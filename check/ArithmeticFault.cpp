#include "check/ArithmeticFault.h"

#include "check/Checks.h"

namespace tarrowin {

std::string_view faultKindName(FaultKind kind)
{
    return kind == FaultKind::DivisionByZero ? "division-by-zero" : "overflow";
}

std::string_view quantityDescription(Quantity quantity)
{
    if (const Check* check = checkOf(quantity))
        return check->englishName;
    switch (quantity) {
    case Quantity::InputGeometry: return "reading the flight geometry";
    case Quantity::InputLoads: return "reading the loads and the section";
    case Quantity::DesignLineLoad: return "design line load q";
    case Quantity::Slope: return "inclined length and slope cosine";
    case Quantity::AllowableDeflection: return "allowable deflection";
    case Quantity::BendingMoment: return "bending moment M";
    case Quantity::ShearForce: return "shear force V";
    default: break;
    }
    return "calculation";
}

}  // namespace tarrowin
