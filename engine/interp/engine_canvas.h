#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentrel {

// How plotting reads its samples: y = f(x), (x(t), y(t)) or r(t). The byte
// values are those the language and the settings use.
enum class CoordinateMode : std::uint8_t { Rectangular = 0, Parametric = 1, Polar = 2 };

// The logarithmic scale of one axis: where it is on, a coordinate v is drawn at
// ln(v) * factor, its logarithm to `base`.
struct LogScale {
    static constexpr double kInverseLn10 = 0.43429448190325182765;

    bool on = false;
    double base = 10.0;
    double factor = kInverseLn10;  // 1 / ln(base)

    // The base must be greater than 1; the caller checks.
    void enable(double newBase);
};

// What the plotter works on: the coordinate mode, the expression texts, the
// variable that receives the argument and the log scales.
struct PlotSettings {
    std::uint8_t mode = 0;  // a CoordinateMode; other values make plotting do nothing
    std::string expr1;      // f(x), x(t) or r(t)
    std::string expr2;      // y(t) in parametric mode
    std::uint8_t argVariable = 'x';
    LogScale logX;
    LogScale logY;

    bool isMode(CoordinateMode m) const { return mode == static_cast<std::uint8_t>(m); }
    // One expression (rectangular and polar): the second is emptied.
    void setExpression(std::string_view text) {
        expr1 = text;
        expr2.clear();
    }
    void setExpressions(std::string_view first, std::string_view second) {
        expr1 = first;
        expr2 = second;
    }
};

// The canvas the graphics commands and functions of the language act on. The
// engine only declares it; the graphics library implements it with real pixels
// and the host hands that to the top-level engine. Coordinates in pixels are
// those of the raster; world coordinates go through the canvas's transform.
class EngineCanvas {
  public:
    virtual ~EngineCanvas() = default;

    virtual std::int32_t width() const = 0;
    virtual std::int32_t height() const = 0;
    virtual std::uint8_t colour() const = 0;
    virtual void setColour(std::uint8_t colour) = 0;

    // The pen in pixels and in world units. movePen recomputes the world position
    // from the pixels; moveWorldPen keeps the world position exactly (false, pen
    // unchanged, when the point has no pixel).
    virtual std::int32_t penX() const = 0;
    virtual std::int32_t penY() const = 0;
    virtual double penWorldX() const = 0;
    virtual double penWorldY() const = 0;
    virtual void movePen(std::int32_t x, std::int32_t y) = 0;
    virtual bool moveWorldPen(double x, double y) = 0;

    // The truncating world-to-pixel conversion; nothing for a coordinate that is
    // not finite (in the world or after scaling).
    virtual std::optional<std::int32_t> pixelX(double x) const = 0;
    virtual std::optional<std::int32_t> pixelY(double y) const = 0;
    virtual double worldX(std::int32_t px) const = 0;
    virtual double worldY(std::int32_t py) const = 0;

    // Drawing, clipped to the raster; fills and lines use the current colour.
    virtual void clear(std::uint8_t colour) = 0;
    virtual void fillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) = 0;
    virtual void fillWorldRect(double x, double y, double w, double h) = 0;
    virtual bool setPixel(std::int32_t x, std::int32_t y, std::uint8_t colour) = 0;
    virtual std::uint8_t getPixel(std::int32_t x, std::int32_t y) const = 0;
    virtual bool line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    virtual bool worldLine(double x1, double y1, double x2, double y2) = 0;

    // The plot settings the commands change; the host plots with them.
    virtual PlotSettings& plotSettings() = 0;
};

}  // namespace zentrel
