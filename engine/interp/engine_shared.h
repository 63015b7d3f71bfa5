#pragma once

#include "engine/interp/random_generator.h"
#include "engine/interp/stop_request.h"
#include "engine/values/modes.h"

namespace zentrel {

// State that belongs to the whole process rather than to one engine: the
// top-level Engine owns it and every nested engine (made for a function call)
// works on the same object.
struct EngineShared {
    EngineModes modes;
    int callDepth = 0;  // called bodies running now, bounded by kMaxCallDepth
    // How the built-in functions read and give angles: radians as they are, else
    // through the half turn of the unit (180 for degrees, 200 for grads).
    bool radianFlag = true;
    double halfTurn = 200.0;
    RandomGenerator random;
    StopRequest stop;

    // Sets the angle unit with the conversion state that goes with it; the half
    // turn keeps 200 for radians, where it is not used.
    void selectAngleUnit(AngleUnit unit) {
        modes.angleUnit = unit;
        radianFlag = unit == AngleUnit::Radian;
        halfTurn = unit == AngleUnit::Degree ? 180.0 : 200.0;
    }
};

}  // namespace zentrel
