#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/interp/engine_canvas.h"
#include "engine/values/modes.h"
#include "graphics/world_transform.h"

namespace zentrel {

// The lines of the language the window adds to its history, so that the
// history file replays each draw.

// ":rad", ":deg" or ":grad".
std::string angleLine(AngleUnit unit);

// A call of the history file's function `window` that sets up the frame of a
// width x height bitmap under the transform, with the background and axis
// colours (palette indices). The corners named are the centres of the corner
// pixels, which is where :window puts the corners it is given, so that the
// replay gets the transform back exactly.
std::string windowLine(const WorldTransform& transform, std::int32_t width, std::int32_t height,
                       std::uint8_t background, std::uint8_t axes);

// The coordinate mode: ":parametric", ":polar", or ":rectangular" and then its
// log-scale line.
std::vector<std::string> modeLines(const PlotSettings& settings);

// What a :plot line holds besides the command.
struct PlotLine {
    std::vector<std::string> expressions;  // string constants; none when unchanged
    struct Range {
        double min;
        double max;
        double pitch;
    };
    std::optional<Range> range;          // parametric and polar
    std::optional<std::uint8_t> colour;  // after a colour change
};
std::string plotLine(const PlotLine& plot);

}  // namespace zentrel
