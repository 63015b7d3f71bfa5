#pragma once

#include <cstdint>
#include <optional>

#include "app/main/coordinate_systems.h"
#include "app/settings/settings.h"
#include "graphics/canvas.h"
#include "graphics/graph_canvas.h"
#include "graphics/world_transform.h"

namespace zentrel {

// A window in world units, as setWindow takes it.
struct ViewWindow {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;
};

// The transform scaled by `factor` about the bitmap's centre pixel (integer
// halves of the size), so that zooming in and out again returns to integral
// offsets exactly.
WorldTransform zoomedTransform(const WorldTransform& transform, std::int32_t width,
                               std::int32_t height, double factor);

// The transform of a hand drag: the picture follows the mouse from the press.
WorldTransform draggedTransform(const WorldTransform& atPress, PixelPoint press, PixelPoint mouse);

// The second corner of a box that must be square in world units: the larger
// side is used for both, each keeping the direction of the drag.
WorldPoint squareCorner(WorldPoint first, WorldPoint current);

// The window a dragged box asks for; with equal scales the x range is widened
// about its centre to the bitmap's aspect. Nothing for a box without area.
std::optional<ViewWindow> boxWindow(WorldPoint first, WorldPoint second, std::int32_t width,
                                    std::int32_t height, bool equalScales);

// Complements the box outline between two world corners: the top and bottom
// rows across every column, the side columns over the rows between them, so
// that the corners are complemented once and a second call restores the
// picture.
void toggleBox(Canvas& canvas, WorldPoint first, WorldPoint second);

// The canvas's transform into the mode's four view settings.
void storeModeTransform(Settings& settings, CoordinateMode mode, const WorldTransform& transform);

// What a view dialog shows of a transform: world x of columns 0 and width,
// world y of rows height and 0. Parametric and polar views have equal scales,
// so their y scale is taken as the negated x scale.
ViewWindow shownWindow(const WorldTransform& transform, std::int32_t width, std::int32_t height,
                       bool equalScales);

}  // namespace zentrel
