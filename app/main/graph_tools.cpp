#include "app/main/graph_tools.h"

#include <utility>

namespace zentrel {

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

// The old crosshair goes before the new one is traced, so that the trace
// reads the picture's own pixels nowhere and the marks never pile up.
void GraphTools::trace(PixelPoint at) {
    if (crosshair_) toggleCrosshairAt(*std::exchange(crosshair_, std::nullopt));
    const TraceAnswer answer = canvas_.traceAt(at.x, at.y);
    host_.showTrace(answer);
    if (answer.ok) {
        toggleCrosshairAt(answer);
        crosshair_ = answer;
    }
    host_.showBitmap();
}

void GraphTools::toggleCrosshairAt(const TraceAnswer& answer) {
    if (canvas_.plotSettings().isMode(CoordinateMode::Parametric)) {
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
    return !canvas_.plotSettings().isMode(CoordinateMode::Rectangular);
}

}  // namespace zentrel
