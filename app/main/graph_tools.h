#pragma once

#include <cstdint>
#include <optional>

#include "app/main/view_transform.h"
#include "graphics/graph_canvas.h"

namespace zentrel {

enum class GraphTool : std::uint8_t { Trace = 0, Hand = 1, BoxZoom = 2 };

// What the mouse tools need from the window around the graph area.
class GraphToolsHost {
  public:
    virtual ~GraphToolsHost() = default;
    // The traced values in the readouts, or empty readouts when !answer.ok.
    virtual void showTrace(const TraceAnswer& answer) = 0;
    // The grid and the kept samples drawn again with the canvas's transform.
    virtual void redrawView() = 0;
    // The transform changed for good: store it, mark it, draw again as the
    // options say. After a hand drag the kept samples stay and are extended.
    virtual void viewChanged(bool dragged) = 0;
    // Copies the bitmap to the screen.
    virtual void showBitmap() = 0;
};

// The three mouse tools of the graph area: trace, hand and box zoom. The
// marks they draw (crosshair, box) complement pixels, so that drawing them
// again erases them and the picture under them never needs redrawing.
class GraphTools {
  public:
    GraphTools(GraphCanvas& canvas, GraphToolsHost& host) : canvas_(canvas), host_(host) {}

    // A change of tool erases a crosshair left by keyboard tracing.
    void setTool(GraphTool tool);
    GraphTool tool() const { return tool_; }
    bool dragging() const { return dragging_; }

    // Mouse events in graph-area pixels. A press outside the canvas is ignored.
    void press(PixelPoint at);
    void move(PixelPoint at);
    void release();
    // Zooms about the bitmap's centre: in doubles the scales, out halves them.
    void zoom(bool in);

    // Keyboard tracing with the trace tool: moves the traced point `step`
    // pixel columns (rectangular) or kept samples (parametric, polar) on from
    // the last one traced by key or mouse, and leaves its crosshair drawn
    // until eraseCrosshair, the next trace or a new picture. With no traced
    // point yet it starts at the middle column, or at the first sample.
    void stepTrace(std::int32_t step);
    // Takes a crosshair left by keyboard tracing out of the picture.
    void eraseCrosshair();
    // A point traced by keys is in the picture (its values in the readouts).
    bool keyTraceShown() const { return crosshair_ && !dragging_; }
    // The picture was drawn afresh, so it holds no crosshair any more.
    void pictureRedrawn() { crosshair_.reset(); }

    // The crosshair of a traced point (values as traceAt gives them).
    void toggleCrosshairAt(const TraceAnswer& answer);

  private:
    // The point keyboard tracing goes on from: a pixel column in rectangular
    // mode, a sample index in the others, valid only in the mode it was set in.
    struct TracePlace {
        std::uint8_t mode = 0;
        std::int32_t index = 0;
    };

    void trace(PixelPoint at);
    void showTraced(const TraceAnswer& answer);
    TraceAnswer sampleAnswer(std::int32_t index) const;
    std::int32_t nextPlace(std::int32_t step, std::int32_t start, std::int32_t count);
    bool isMode(CoordinateMode mode) const { return canvas_.plotSettings().isMode(mode); }
    void moveBox(PixelPoint at);
    void releaseBox();
    WorldPoint worldAt(PixelPoint at) const;
    bool equalScales() const;

    GraphCanvas& canvas_;
    GraphToolsHost& host_;
    GraphTool tool_ = GraphTool::Trace;
    bool dragging_ = false;
    PixelPoint last_;
    // The crosshair in the picture: while the trace button is held, or after
    // a key moved the traced point.
    std::optional<TraceAnswer> crosshair_;
    std::optional<TracePlace> place_;
    PixelPoint handPress_;
    WorldTransform atPress_;
    WorldPoint boxFirst_;
    WorldPoint boxSecond_;
};

}  // namespace zentrel
