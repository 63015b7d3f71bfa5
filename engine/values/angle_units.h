#pragma once

#include <numbers>

#include "engine/values/modes.h"

namespace zentrel {

// Half a turn in the unit: pi radians, 180 degrees, 200 grads.
constexpr double halfTurnOf(AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Degree:
            return 180.0;
        case AngleUnit::Grad:
            return 200.0;
        case AngleUnit::Radian:
            break;
    }
    return std::numbers::pi;
}

// An angle given in one unit, expressed in another.
constexpr double convertAngle(double x, AngleUnit from, AngleUnit to) {
    return from == to ? x : x * halfTurnOf(to) / halfTurnOf(from);
}

}  // namespace zentrel
