#pragma once

#include "engine/interp/engine_canvas.h"

namespace zentrel {

// The engine canvas of an engine whose host gives it none: a canvas of 0 x 0
// pixels with the identity transform. Drawing changes nothing (every segment
// lies outside an empty raster, so lines leave the pen alone), pixels read 0 and
// plotting produces no samples; the pen, the colour and the plot settings are
// kept as on any canvas.
class StateOnlyCanvas final : public EngineCanvas {
  public:
    std::int32_t width() const override { return 0; }
    std::int32_t height() const override { return 0; }
    std::uint8_t colour() const override { return colour_; }
    void setColour(std::uint8_t colour) override { colour_ = colour; }

    std::int32_t penX() const override { return penX_; }
    std::int32_t penY() const override { return penY_; }
    double penWorldX() const override { return penWorldX_; }
    double penWorldY() const override { return penWorldY_; }
    void movePen(std::int32_t x, std::int32_t y) override;
    bool moveWorldPen(double x, double y) override;

    std::optional<std::int32_t> pixelX(double x) const override;
    std::optional<std::int32_t> pixelY(double y) const override { return pixelX(y); }
    double worldX(std::int32_t px) const override { return px; }
    double worldY(std::int32_t py) const override { return py; }

    void clear(std::uint8_t) override {}
    void fillRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void fillWorldRect(double, double, double, double) override {}
    bool setPixel(std::int32_t, std::int32_t, std::uint8_t) override { return false; }
    std::uint8_t getPixel(std::int32_t, std::int32_t) const override { return 0; }
    bool line(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override { return false; }
    bool worldLine(double, double, double, double) override { return false; }

    PlotSettings& plotSettings() override { return settings_; }

  private:
    std::uint8_t colour_ = 0;
    std::int32_t penX_ = 0;
    std::int32_t penY_ = 0;
    double penWorldX_ = 0.0;
    double penWorldY_ = 0.0;
    PlotSettings settings_;
};

}  // namespace zentrel
