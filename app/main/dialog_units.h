#pragma once

#include <cstdint>

#include "app/main/main_controls.h"

namespace zentrel {

struct PixelRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// How dialog units become pixels for the dialog's font: a horizontal unit is a
// quarter of the average character width, a vertical one an eighth of the
// character height, each product rounded to the nearest pixel.
class DialogUnits {
  public:
    // `letterExtent` is the width in pixels of the 52 letters A-Z and a-z
    // written in a row; the average width is taken from it as the platform
    // does, so that a font whose own average counts wide characters (a
    // Japanese font) still gives a dialog of the usual proportions.
    static DialogUnits fromFont(std::int32_t letterExtent, std::int32_t characterHeight);

    std::int32_t baseWidth() const { return baseWidth_; }
    std::int32_t baseHeight() const { return baseHeight_; }
    std::int32_t toPixelsX(std::int32_t units) const;
    std::int32_t toPixelsY(std::int32_t units) const;
    PixelRect toPixels(const DialogRect& rect) const;

  private:
    DialogUnits(std::int32_t baseWidth, std::int32_t baseHeight)
        : baseWidth_(baseWidth), baseHeight_(baseHeight) {}

    std::int32_t baseWidth_;
    std::int32_t baseHeight_;
};

}  // namespace zentrel
