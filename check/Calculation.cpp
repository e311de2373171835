#include "check/Calculation.h"

#include "check/GuardedArithmetic.h"

namespace tarrowin {
namespace {

// Reading a number text beyond the double range is an overflow at that read.
double read(const GuardedArithmetic& arithmetic, const ParsedNumber& number)
{
    if (number.overflowed)
        arithmetic.fail(FaultKind::Overflow);
    return number.value;
}

void compute(const StringerInputs& in, StringerValues& v)
{
    GuardedArithmetic m;

    m.computing(Quantity::InputGeometry);
    const double L = read(m, in.horizontalLength);
    const double H = read(m, in.verticalHeight);
    const double B = read(m, in.flightWidth);
    v.a = m.multiply(B, 0.5);

    m.computing(Quantity::InputLoads);
    const double gk = read(m, in.deadLoad);
    const double qk = read(m, in.liveLoad);
    const double Ix = read(m, in.secondMomentOfArea);
    const double Wx = read(m, in.sectionModulus);
    const double tw = read(m, in.webThickness);
    const double Sx = read(m, in.firstMomentOfArea);
    const double mass = read(m, in.sectionMass);
    v.g = m.multiply(mass, 0.01);  // 10 N per kg, per mm

    // q = (((a × 1.3) × gk) / 1000 + g × 1.3) + ((a × 1.5) × qk) / 1000
    m.computing(Quantity::DesignLineLoad);
    // Named steps keep the operations in the written order: C++ leaves the
    // order of function arguments open, and the first fault must be the one
    // met reading left to right.
    const double dead = m.divide(m.multiply(m.multiply(v.a, 1.3), gk), 1000);
    const double deadAndSelfWeight = m.add(dead, m.multiply(v.g, 1.3));
    const double live = m.divide(m.multiply(m.multiply(v.a, 1.5), qk), 1000);
    v.q = m.add(deadAndSelfWeight, live);

    m.computing(Quantity::Slope);
    const double lSquared = m.power(L, 2);
    const double hSquared = m.power(H, 2);
    v.s = m.add(lSquared, hSquared);
    v.inclinedLength = m.power(v.s, 0.5);
    v.cosine = m.divide(L, v.inclinedLength);

    m.computing(Quantity::AllowableDeflection);
    v.allowableDeflection = m.divide(v.inclinedLength, 250);

    // The span of the moment is the horizontal length: M = L² × (q × 0.125).
    m.computing(Quantity::BendingMoment);
    const double eighthOfLoad = m.multiply(v.q, 0.125);
    v.moment = m.multiply(lSquared, eighthOfLoad);

    // The support reaction q·L/2 times the cosine.
    m.computing(Quantity::ShearForce);
    v.shearForce = m.multiply(m.multiply(m.multiply(v.q, 0.5), L), v.cosine);

    // 1.05 is the plasticity factor of the section in bending.
    m.computing(Quantity::BendingStress);
    const double plasticModulus = m.multiply(Wx, 1.05);
    v.bendingStress = m.divide(v.moment, plasticModulus);

    m.computing(Quantity::ShearStress);
    const double shearFlow = m.multiply(v.shearForce, Sx);
    const double webStiffness = m.multiply(tw, Ix);
    v.shearStress = m.divide(shearFlow, webStiffness);

    // The deflection takes the unfactored load and the inclined length, whose
    // fourth power is taken from S: δ = ((S² × ((w × 5) × c)) / 79104000) / Ix,
    // where 79104000 is 384 × E with E = 206000 N/mm2.
    m.computing(Quantity::Deflection);
    const double deadWithSelfWeight = m.add(m.divide(m.multiply(gk, v.a), 1000), v.g);
    const double liveUnfactored = m.divide(m.multiply(v.a, qk), 1000);
    v.w = m.add(deadWithSelfWeight, liveUnfactored);
    v.sSquared = m.power(v.s, 2);
    const double load = m.multiply(m.multiply(v.w, 5), v.cosine);
    v.deflection = m.divide(m.divide(m.multiply(v.sSquared, load), 79104000), Ix);
}

}  // namespace

StringerOutcome calculateStringer(const StringerInputs& inputs)
{
    StringerOutcome outcome;
    try {
        compute(inputs, outcome.values);
    } catch (const ArithmeticFault& fault) {
        outcome.fault = fault;
    }
    return outcome;
}

bool completed(const StringerOutcome& outcome, Quantity quantity)
{
    return !outcome.fault || quantity < outcome.fault->quantity;
}

}  // namespace tarrowin
