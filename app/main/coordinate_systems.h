#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/settings/settings.h"
#include "engine/interp/engine_canvas.h"
#include "graphics/world_transform.h"

namespace zentrel {

// One entry of the coordinate-system list: the graph canvas's mode and, for
// rectangular coordinates, which axes are scaled by the base-10 logarithm.
struct CoordinateSystem {
    CoordinateMode mode;
    bool logX;
    bool logY;
};

inline constexpr std::array<CoordinateSystem, kCoordinateChoices> kCoordinateSystems{{
    {CoordinateMode::Rectangular, false, false},
    {CoordinateMode::Rectangular, true, false},
    {CoordinateMode::Rectangular, false, true},
    {CoordinateMode::Rectangular, true, true},
    {CoordinateMode::Parametric, false, false},
    {CoordinateMode::Polar, false, false},
}};

// The labels of a mode: the trace argument and the two traced values, and
// the two expressions.
struct ModeLabels {
    std::string_view argument;
    std::string_view firstValue;
    std::string_view secondValue;
    std::string_view firstExpression;
    std::string_view secondExpression;
};
const ModeLabels& modeLabels(CoordinateMode mode);

// The letter whose variable receives the argument of a plot: x in
// rectangular coordinates, t otherwise.
char argumentLetter(CoordinateMode mode);

// The view settings each mode keeps for itself: its transform and, for
// parametric and polar coordinates, its range (polar in degrees).
struct ModeSettingKeys {
    double Settings::*offsetX;
    double Settings::*offsetY;
    double Settings::*ratioX;
    double Settings::*ratioY;
    double Settings::*min;  // null in rectangular mode
    double Settings::*max;
    double Settings::*pitch;
};
const ModeSettingKeys& modeSettingKeys(CoordinateMode mode);

WorldTransform modeTransform(const Settings& settings, CoordinateMode mode);

}  // namespace zentrel
