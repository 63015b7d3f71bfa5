#include "app/main/view_transform.h"

#include <algorithm>
#include <cmath>

namespace zentrel {

WorldTransform zoomedTransform(const WorldTransform& transform, std::int32_t width,
                               std::int32_t height, double factor) {
    const double cx = width / 2;
    const double cy = height / 2;
    WorldTransform zoomed = transform;
    zoomed.offsetX = cx + (transform.offsetX - cx) * factor;
    zoomed.offsetY = cy + (transform.offsetY - cy) * factor;
    zoomed.scaleX *= factor;
    zoomed.scaleY *= factor;
    return zoomed;
}

WorldTransform draggedTransform(const WorldTransform& atPress, PixelPoint press, PixelPoint mouse) {
    WorldTransform dragged = atPress;
    dragged.offsetX = mouse.x - press.x + atPress.offsetX;
    dragged.offsetY = mouse.y - press.y + atPress.offsetY;
    return dragged;
}

WorldPoint squareCorner(WorldPoint first, WorldPoint current) {
    const double dx = current.x - first.x;
    const double dy = current.y - first.y;
    const double side = std::max(std::fabs(dx), std::fabs(dy));
    return {first.x + std::copysign(side, dx), first.y + std::copysign(side, dy)};
}

std::optional<ViewWindow> boxWindow(WorldPoint first, WorldPoint second, std::int32_t width,
                                    std::int32_t height, bool equalScales) {
    ViewWindow window{std::min(first.x, second.x), std::min(first.y, second.y),
                      std::max(first.x, second.x), std::max(first.y, second.y)};
    if (!(window.right > window.left) || !(window.top > window.bottom) || height < 2) {
        return std::nullopt;
    }
    if (equalScales) {
        // setWindow spreads a window over width - 1 and height - 1 pixel
        // steps (pixel centre to pixel centre), so that is the aspect giving
        // equal scales.
        const double centre = (window.left + window.right) / 2.0;
        const double half = (window.top - window.bottom) * (width - 1.0) / (height - 1.0) / 2.0;
        window.left = centre - half;
        window.right = centre + half;
    }
    return window;
}

void toggleBox(Canvas& canvas, WorldPoint first, WorldPoint second) {
    const WorldTransform& transform = canvas.getTransform();
    const auto a = transform.toPixel(first.x, first.y);
    const auto b = transform.toPixel(second.x, second.y);
    if (!a || !b) return;
    const auto invert = [&canvas](std::int32_t x, std::int32_t y) {
        if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) return;
        canvas.setPixel(x, y, static_cast<std::uint8_t>(255 - canvas.getPixel(x, y)));
    };
    const auto [left, right] = std::minmax(a->x, b->x);
    const auto [top, bottom] = std::minmax(a->y, b->y);
    // Clamped so that a box reaching far beyond the canvas costs no more than
    // one across it.
    const std::int32_t fromX = std::max(left, -1);
    const std::int32_t toX = std::min(right, canvas.width());
    for (std::int32_t x = fromX; x <= toX; ++x) {
        invert(x, top);
        if (bottom != top) invert(x, bottom);
    }
    const std::int32_t fromY = std::max(top + 1, -1);
    const std::int32_t toY = std::min(bottom - 1, canvas.height());
    for (std::int32_t y = fromY; y <= toY; ++y) {
        invert(left, y);
        if (right != left) invert(right, y);
    }
}

void storeModeTransform(Settings& settings, CoordinateMode mode, const WorldTransform& transform) {
    const ModeSettingKeys& keys = modeSettingKeys(mode);
    settings.*keys.offsetX = transform.offsetX;
    settings.*keys.offsetY = transform.offsetY;
    settings.*keys.ratioX = transform.scaleX;
    settings.*keys.ratioY = transform.scaleY;
}

ViewWindow shownWindow(const WorldTransform& transform, std::int32_t width, std::int32_t height,
                       bool equalScales) {
    WorldTransform shown = transform;
    if (equalScales) shown.scaleY = -shown.scaleX;
    return {shown.worldX(0), shown.worldY(height), shown.worldX(width), shown.worldY(0)};
}

}  // namespace zentrel
