#include "app/main/graph_tools.h"

#include <algorithm>
#include <utility>

namespace zentrel {

void GraphTools::setTool(GraphTool tool) {
    if (tool != tool_) eraseCrosshair();
    tool_ = tool;
}

void GraphTools::press(PixelPoint at) {
    if (at.x < 0 || at.y < 0 || at.x >= canvas_.width() || at.y >= canvas_.height()) return;
    dragging_ = true;
    last_ = at;
    switch (tool_) {
        case GraphTool::Trace:
            trace(at);
            break;
        case GraphTool::Hand:
            handPress_ = at;
            atPress_ = canvas_.getTransform();
            break;
        case GraphTool::BoxZoom:
            boxFirst_ = boxSecond_ = worldAt(at);
            toggleBox(canvas_, boxFirst_, boxSecond_);
            host_.showBitmap();
            break;
    }
}

void GraphTools::move(PixelPoint at) {
    if (!dragging_ || at == last_) return;
    last_ = at;
    switch (tool_) {
        case GraphTool::Trace:
            trace(at);
            break;
        case GraphTool::Hand:
            canvas_.setTransform(draggedTransform(atPress_, handPress_, at));
            host_.redrawView();
            break;
        case GraphTool::BoxZoom:
            moveBox(at);
            break;
    }
}

void GraphTools::release() {
    if (!dragging_) return;
    dragging_ = false;
    switch (tool_) {
        case GraphTool::Trace:
            if (crosshair_) toggleCrosshairAt(*std::exchange(crosshair_, std::nullopt));
            host_.showBitmap();
            break;
        case GraphTool::Hand:
            host_.viewChanged(false);
            break;
        case GraphTool::BoxZoom:
            releaseBox();
            break;
    }
}

void GraphTools::zoom(bool in) {
    canvas_.setTransform(
        zoomedTransform(canvas_.getTransform(), canvas_.width(), canvas_.height(), in ? 2.0 : 0.5));
    host_.viewChanged(false);
}

// A mouse trace also sets the place that keyboard tracing goes on from.
void GraphTools::trace(PixelPoint at) {
    const std::uint8_t mode = canvas_.plotSettings().mode;
    if (isMode(CoordinateMode::Rectangular)) {
        place_ = TracePlace{mode, at.x};
        return showTraced(canvas_.traceAt(at.x, at.y));
    }
    const double x = canvas_.worldX(at.x);
    const double y = canvas_.worldY(at.y);
    const std::int32_t nearest = isMode(CoordinateMode::Polar) ? canvas_.nearestPolarSample(x, y)
                                                               : canvas_.nearestSample(x, y);
    if (nearest >= 0) place_ = TracePlace{mode, nearest};
    showTraced(sampleAnswer(nearest));
}

void GraphTools::stepTrace(std::int32_t step) {
    if (tool_ != GraphTool::Trace || dragging_ || canvas_.width() <= 0) return;
    if (isMode(CoordinateMode::Rectangular)) {
        const std::int32_t column = nextPlace(step, canvas_.width() / 2, canvas_.width());
        return showTraced(canvas_.traceAt(column, 0));
    }
    if (canvas_.sampleCount() == 0) return showTraced({});
    showTraced(sampleAnswer(nextPlace(step, 0, canvas_.sampleCount())));
}

// A parametric or polar sample's values as traceAt gives them; none for -1.
TraceAnswer GraphTools::sampleAnswer(std::int32_t index) const {
    if (index < 0) return {};
    const Sample& s = canvas_.samples()[static_cast<std::size_t>(index)];
    return {true, s.a, s.b, isMode(CoordinateMode::Polar) ? 0.0 : s.c};
}

// The place `step` on from the kept one, kept within 0 .. count - 1; `start`
// when there is none for the current mode.
std::int32_t GraphTools::nextPlace(std::int32_t step, std::int32_t start, std::int32_t count) {
    const std::uint8_t mode = canvas_.plotSettings().mode;
    if (!place_ || place_->mode != mode) {
        place_ = TracePlace{mode, start};
    } else {
        const std::int64_t moved = std::int64_t{place_->index} + step;
        place_->index = static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, 0, count - 1));
    }
    return place_->index;
}

void GraphTools::eraseCrosshair() {
    if (!crosshair_) return;
    toggleCrosshairAt(*std::exchange(crosshair_, std::nullopt));
    host_.showBitmap();
}

// The old crosshair goes before the new one is drawn, so that the marks never
// pile up and the readouts always belong to the crosshair shown.
void GraphTools::showTraced(const TraceAnswer& answer) {
    if (crosshair_) toggleCrosshairAt(*std::exchange(crosshair_, std::nullopt));
    host_.showTrace(answer);
    if (answer.ok) {
        toggleCrosshairAt(answer);
        crosshair_ = answer;
    }
    host_.showBitmap();
}

void GraphTools::toggleCrosshairAt(const TraceAnswer& answer) {
    if (isMode(CoordinateMode::Parametric)) {
        canvas_.toggleCrosshair(answer.b, answer.c);
    } else {
        canvas_.toggleCrosshair(answer.a, answer.b);
    }
}

void GraphTools::moveBox(PixelPoint at) {
    toggleBox(canvas_, boxFirst_, boxSecond_);
    boxSecond_ = worldAt(at);
    if (equalScales()) boxSecond_ = squareCorner(boxFirst_, boxSecond_);
    toggleBox(canvas_, boxFirst_, boxSecond_);
    host_.showBitmap();
}

void GraphTools::releaseBox() {
    toggleBox(canvas_, boxFirst_, boxSecond_);
    const auto window =
        boxWindow(boxFirst_, boxSecond_, canvas_.width(), canvas_.height(), equalScales());
    if (window && canvas_.setWindow(window->left, window->bottom, window->right, window->top)) {
        host_.viewChanged(false);
    } else {
        host_.showBitmap();
    }
}

WorldPoint GraphTools::worldAt(PixelPoint at) const {
    return {canvas_.worldX(at.x), canvas_.worldY(at.y)};
}

bool GraphTools::equalScales() const {
    return !isMode(CoordinateMode::Rectangular);
}

}  // namespace zentrel
