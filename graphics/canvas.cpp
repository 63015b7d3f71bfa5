#include "graphics/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>

namespace zentrel {

namespace {

bool isFiniteTransform(const WorldTransform& t) {
    return std::isfinite(t.offsetX) && std::isfinite(t.offsetY) && std::isfinite(t.scaleX) &&
           std::isfinite(t.scaleY);
}

// Start and length of the pixel span between two converted corners. A reversed
// span starts one pixel after the second corner, so it covers the pixels up to and
// including the first.
std::pair<std::int64_t, std::int64_t> spanBetween(std::int32_t first, std::int32_t second) {
    const std::int64_t length = std::int64_t{second} - first;
    if (length < 0) return {std::int64_t{second} + 1, -length};
    return {first, length};
}

}  // namespace

bool Canvas::acceptsSize(std::int32_t width, std::int32_t height) {
    return width >= 1 && height >= 1 && width <= kMaxCanvasSide && height <= kMaxCanvasSide &&
           std::int64_t{width} * height <= kMaxCanvasPixels;
}

void Canvas::releasePixels() {
    ownedPixels_.reset();
    pixels_ = nullptr;
    stride_ = width_ = height_ = 0;
}

void Canvas::acceptRaster(std::uint8_t* buffer, std::int32_t stride, std::int32_t width,
                          std::int32_t height, bool resetTransform) {
    pixels_ = buffer;
    stride_ = stride;
    width_ = width;
    height_ = height;
    if (resetTransform)
        setTransform(WorldTransform{});
    else
        recomputePenWorld();
}

bool Canvas::create(std::int32_t width, std::int32_t height, bool resetTransform) {
    releasePixels();
    if (!acceptsSize(width, height)) return false;
    const auto count = static_cast<std::size_t>(std::int64_t{width} * height);
    ownedPixels_.reset(new (std::nothrow) std::uint8_t[count]());
    if (!ownedPixels_) return false;
    acceptRaster(ownedPixels_.get(), width, width, height, resetTransform);
    return true;
}

bool Canvas::attach(std::uint8_t* buffer, std::int32_t stride, std::int32_t width,
                    std::int32_t height, bool resetTransform) {
    releasePixels();
    if (buffer == nullptr || !acceptsSize(width, height) ||
        std::abs(std::int64_t{stride}) < width) {
        return false;
    }
    acceptRaster(buffer, stride, width, height, resetTransform);
    for (std::int32_t y = 0; y < height_; ++y)
        std::memset(row(y), 0, static_cast<std::size_t>(width_));
    return true;
}

bool Canvas::attachCentred(std::uint8_t* buffer, std::int32_t stride, std::int32_t width,
                           std::int32_t height) {
    const std::int32_t oldWidth = width_;
    const std::int32_t oldHeight = height_;
    if (!attach(buffer, stride, width, height, false)) return false;
    WorldTransform moved = transform_;
    moved.offsetX += (double(width) - oldWidth) / 2.0;
    moved.offsetY += (double(height) - oldHeight) / 2.0;
    setTransform(moved);
    return true;
}

bool Canvas::setWindow(double left, double bottom, double right, double top) {
    const double extentX = right - left;
    const double extentY = bottom - top;
    if (extentX == 0.0 || extentY == 0.0 || !std::isfinite(extentX) || !std::isfinite(extentY)) {
        return false;
    }
    WorldTransform window;
    window.scaleX = (double(width_) - 1.0) / extentX;
    window.scaleY = (double(height_) - 1.0) / extentY;
    window.offsetX = 0.5 - left * window.scaleX;
    window.offsetY = 0.5 - top * window.scaleY;
    if (!isFiniteTransform(window)) return false;
    setTransform(window);
    return true;
}

void Canvas::setTransform(const WorldTransform& transform) {
    transform_ = transform;
    absScaleX_ = std::fabs(transform.scaleX);
    absScaleY_ = std::fabs(transform.scaleY);
    recomputePenWorld();
}

void Canvas::recomputePenWorld() {
    penWorldX_ = transform_.worldX(penX_);
    penWorldY_ = transform_.worldY(penY_);
}

void Canvas::movePen(std::int32_t x, std::int32_t y) {
    penX_ = x;
    penY_ = y;
    recomputePenWorld();
}

bool Canvas::moveWorldPen(double x, double y) {
    const auto pixel = transform_.toPixel(x, y);
    if (!pixel) return false;
    penX_ = pixel->x;
    penY_ = pixel->y;
    penWorldX_ = x;
    penWorldY_ = y;
    return true;
}

void Canvas::clear(std::uint8_t colour) {
    for (std::int32_t y = 0; y < height_; ++y) {
        std::memset(row(y), colour, static_cast<std::size_t>(width_));
    }
}

void Canvas::fillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    fillClipped(x, y, w, h);
}

// Works in 64 bits: moving a negative corner to 0 adds it to the size, which could
// leave the 32-bit range.
void Canvas::fillClipped(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    if (x < 0) {
        w += x;
        x = 0;
    }
    if (y < 0) {
        h += y;
        y = 0;
    }
    w = std::min(w, width_ - x);
    h = std::min(h, height_ - y);
    if (w <= 0 || h <= 0) return;
    for (std::int64_t r = y; r < y + h; ++r) {
        std::memset(row(static_cast<std::int32_t>(r)) + x, colour_, static_cast<std::size_t>(w));
    }
}

void Canvas::fillWorldRect(double x, double y, double w, double h) {
    const auto corner = transform_.toPixel(x, y);
    const auto opposite = transform_.toPixel(x + w, y + h);
    if (!corner || !opposite) return;
    const auto [left, pixelWidth] = spanBetween(corner->x, opposite->x);
    const auto [topRow, pixelHeight] = spanBetween(corner->y, opposite->y);
    fillClipped(left, topRow, pixelWidth, pixelHeight);
}

bool Canvas::setPixel(std::int32_t x, std::int32_t y, std::uint8_t colour) {
    if (!contains(x, y)) return false;
    row(y)[x] = colour;
    return true;
}

std::uint8_t Canvas::getPixel(std::int32_t x, std::int32_t y) const {
    return contains(x, y) ? row(y)[x] : std::uint8_t{0};
}

}  // namespace zentrel
