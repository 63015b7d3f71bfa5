#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "graphics/glyph.h"
#include "graphics/pixel_math.h"
#include "graphics/world_transform.h"

namespace zentrel {

// Largest raster a canvas accepts, created or attached: at most 16384 pixels per side
// and 64 Mi pixels in all, so that width * height never overflows and one allocation
// stays modest. Larger requests fail like a non-positive size.
inline constexpr std::int32_t kMaxCanvasSide = 16384;
inline constexpr std::int64_t kMaxCanvasPixels = std::int64_t{1} << 26;

// An 8-bit indexed raster (each byte a palette index) with a world transform laid over
// it, a pen and a current colour, plus a bitmap font for numbers. The raster is either
// owned or a caller's buffer with any row stride; a negative stride describes a
// bottom-up bitmap whose row 0, the top of the picture, lies at the end of the block.
// Without a raster the canvas is 0 x 0: drawing changes only the pen.
//
// Every pixel write is bounds-checked. World coordinates follow the non-finite rule of
// WorldTransform: a segment, rectangle or pen move with a NaN or infinite coordinate
// (in the world or after scaling) draws and changes nothing.
class Canvas {
  public:
    Canvas() = default;
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Raster. Each of these first drops the current raster (freeing an owned one);
    // on failure the canvas is left without one. With resetTransform the transform
    // becomes the identity; either way the pen's world position is recomputed from
    // its pixel position.
    bool create(std::int32_t width, std::int32_t height, bool resetTransform);
    // Uses the caller's buffer, which must hold `height` rows of at least `width`
    // bytes `stride` apart (so |stride| >= width) and outlive the canvas's use of
    // it. The buffer is cleared to 0.
    bool attach(std::uint8_t* buffer, std::int32_t stride, std::int32_t width, std::int32_t height,
                bool resetTransform);
    // As attach, keeping the transform but shifting it so that the world point at
    // the centre of the old raster stays at the centre of the new one.
    bool attachCentred(std::uint8_t* buffer, std::int32_t stride, std::int32_t width,
                       std::int32_t height);

    // True for a size create and attach accept.
    static bool acceptsSize(std::int32_t width, std::int32_t height);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    std::int32_t stride() const { return stride_; }
    bool ownsPixels() const { return ownedPixels_ != nullptr; }
    const std::uint8_t* pixels() const { return pixels_; }

    // World transform. setWindow maps left to the middle of column 0, right to the
    // middle of the last column, top to row 0 and bottom to the last row; a window
    // with a zero or non-finite extent, or one giving a non-finite transform, is
    // refused and changes nothing.
    bool setWindow(double left, double bottom, double right, double top);
    void setTransform(const WorldTransform& transform);
    const WorldTransform& getTransform() const { return transform_; }
    double absScaleX() const { return absScaleX_; }
    double absScaleY() const { return absScaleY_; }

    // Pen and colour. movePen recomputes the world position from the pixels;
    // moveWorldPen keeps the world position exactly and converts it to pixels
    // (refused, pen unchanged, when the conversion is not finite).
    std::int32_t penX() const { return penX_; }
    std::int32_t penY() const { return penY_; }
    double penWorldX() const { return penWorldX_; }
    double penWorldY() const { return penWorldY_; }
    void movePen(std::int32_t x, std::int32_t y);
    bool moveWorldPen(double x, double y);
    std::uint8_t colour() const { return colour_; }
    void setColour(std::uint8_t colour) { colour_ = colour; }

    // Pixels. fillRect and fillWorldRect use the current colour; clear does not
    // change it. Outside the raster setPixel does nothing and getPixel answers 0.
    void clear(std::uint8_t colour);
    void fillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
    void fillWorldRect(double x, double y, double w, double h);
    bool setPixel(std::int32_t x, std::int32_t y, std::uint8_t colour);
    std::uint8_t getPixel(std::int32_t x, std::int32_t y) const;

    // Lines in the current colour; false when nothing remains after clipping (pen
    // unchanged). line leaves the pen at the clipped end point; worldLine puts the
    // pen's world position exactly at (x2, y2) and its pixels at that point converted.
    bool line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    bool worldLine(double x1, double y1, double x2, double y2);

    // Text in the glyph font, drawn from the pen. A glyph with bits needs a positive
    // rowWidth (refused otherwise); one without bits makes the entry empty.
    bool defineGlyph(unsigned char code, Glyph glyph);
    const Glyph& glyph(unsigned char code) const { return glyphs_[code]; }
    TextExtent measureText(std::string_view text) const;
    void drawText(std::string_view text, std::uint8_t colour);

  protected:
    // Integer Bresenham in the current colour; both directions give the same pixels.
    // The end points must come from clipLine against this raster, which bounds the
    // walk; pixels outside the raster are skipped.
    void drawSegment(const PixelSegment& segment);

  private:
    void releasePixels();
    void acceptRaster(std::uint8_t* buffer, std::int32_t stride, std::int32_t width,
                      std::int32_t height, bool resetTransform);
    void recomputePenWorld();
    void fillClipped(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h);
    void drawGlyph(const Glyph& glyph, std::uint8_t colour);
    std::uint8_t* row(std::int32_t y) const { return pixels_ + std::ptrdiff_t{y} * stride_; }
    bool contains(std::int64_t x, std::int64_t y) const {
        return x >= 0 && x < width_ && y >= 0 && y < height_;
    }

    std::uint8_t* pixels_ = nullptr;  // row 0
    std::int32_t stride_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::unique_ptr<std::uint8_t[]> ownedPixels_;  // set when the canvas allocated pixels_
    WorldTransform transform_;
    double absScaleX_ = 1.0;
    double absScaleY_ = 1.0;
    std::int32_t penX_ = 0;
    std::int32_t penY_ = 0;
    double penWorldX_ = 0.0;
    double penWorldY_ = 0.0;
    std::uint8_t colour_ = 0;
    std::array<Glyph, 256> glyphs_{};
};

}  // namespace zentrel
