#include "check/ArithmeticFault.h"

namespace tarrowin {

std::string_view faultKindName(FaultKind kind)
{
    return kind == FaultKind::DivisionByZero ? "division-by-zero" : "overflow";
}

std::string_view quantityDescription(Quantity quantity)
{
    switch (quantity) {
    case Quantity::InputGeometry: return "reading the flight geometry";
    case Quantity::InputLoads: return "reading the loads and the section";
    case Quantity::DesignLineLoad: return "design line load q";
    case Quantity::Slope: return "inclined length and slope cosine";
    case Quantity::AllowableDeflection: return "allowable deflection";
    case Quantity::BendingMoment: return "bending moment M";
    case Quantity::ShearForce: return "shear force V";
    case Quantity::BendingStress: return "bending stress";
    case Quantity::ShearStress: return "shear stress";
    case Quantity::Deflection: return "deflection";
    }
    return "calculation";
}

}  // namespace tarrowin
