#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "graphics/canvas.h"

namespace zentrel {

// The raster as text, one line per row: '.' for index 0, the digit for 1-9 and '#'
// for anything else, so that expected pictures can be written out in the test.
inline std::string picture(const Canvas& canvas) {
    std::string text;
    for (std::int32_t y = 0; y < canvas.height(); ++y) {
        for (std::int32_t x = 0; x < canvas.width(); ++x) {
            const std::uint8_t v = canvas.getPixel(x, y);
            text += v == 0 ? '.' : v <= 9 ? static_cast<char>('0' + v) : '#';
        }
        text += '\n';
    }
    return text;
}

// A fresh zero-filled raster with the identity transform, drawing in colour 1.
inline void makeBlank(Canvas& canvas, std::int32_t width, std::int32_t height) {
    ASSERT_TRUE(canvas.create(width, height, true));
    canvas.setColour(1);
}

}  // namespace zentrel
