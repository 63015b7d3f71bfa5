#pragma once

namespace zentrel {

// The value of pi the angle conversions use.
inline constexpr double kPi = 3.141592653589793;

// What a scalar function consults besides its arguments, and the invalid-argument
// flag it raises for an argument outside its domain. Made for one call.
struct MathScope {
    bool realDomain = true;  // a real, fraction or integer mode
    bool radianFlag = true;
    double halfTurn = 200.0;
    bool invalidArgument = false;

    // An angle given by the user, in radians.
    double angleIn(double x) const { return radianFlag ? x : x * kPi / halfTurn; }
    // An angle computed in radians, in the current unit.
    double angleOut(double a) const { return radianFlag ? a : a * halfTurn / kPi; }
    // angleOut only in the real domain: complex modes give inverse functions in radians.
    double realAngleOut(double a) const { return realDomain ? angleOut(a) : a; }
};

}  // namespace zentrel
