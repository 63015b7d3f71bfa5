#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "graphics/palette.h"

namespace zentrel {
namespace {

TEST(Palette, EntriesFromEveryRunAndFixedRange) {
    const struct {
        int index;
        Rgb colour;
    } cases[] = {
        {0, {0, 0, 0}},         {1, {128, 0, 0}},       {7, {128, 128, 128}},
        {8, {192, 220, 192}},   {9, {166, 202, 240}},   {10, {42, 63, 170}},
        {11, {42, 63, 255}},    {12, {42, 95, 0}},      {17, {42, 127, 85}},
        {35, {42, 255, 255}},   {36, {85, 0, 0}},       {41, {85, 31, 85}},
        {71, {85, 255, 255}},   {72, {127, 0, 0}},      {107, {127, 255, 255}},
        {108, {170, 0, 0}},     {130, {170, 159, 170}}, {143, {170, 255, 255}},
        {144, {212, 0, 0}},     {179, {212, 255, 255}}, {180, {255, 0, 85}},
        {181, {255, 0, 170}},   {182, {255, 31, 0}},    {209, {255, 223, 255}},
        {210, {255, 255, 85}},  {211, {255, 255, 170}}, {212, {204, 204, 255}},
        {214, {51, 255, 255}},  {217, {204, 255, 255}}, {218, {0, 127, 0}},
        {233, {0, 223, 255}},   {234, {0, 255, 85}},    {235, {0, 255, 170}},
        {236, {42, 0, 0}},      {243, {42, 31, 255}},   {244, {42, 63, 0}},
        {245, {42, 63, 85}},    {246, {255, 251, 240}}, {247, {160, 160, 164}},
        {248, {128, 128, 128}}, {249, {255, 0, 0}},     {252, {0, 0, 255}},
        {255, {255, 255, 255}},
    };
    const auto& palette = standardPalette();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const Rgb& got = palette[static_cast<std::size_t>(c.index)];
        EXPECT_EQ(got.r, c.colour.r);
        EXPECT_EQ(got.g, c.colour.g);
        EXPECT_EQ(got.b, c.colour.b);
    }
}

TEST(Palette, ColourChoicesMapToIndices) {
    const std::uint8_t expected[] = {0,   1, 249, 2, 250, 3, 251, 4,
                                     252, 5, 253, 6, 254, 7, 247, 255};
    for (std::int32_t choice = 0; choice < 16; ++choice) {
        SCOPED_TRACE(choice);
        EXPECT_EQ(paletteIndex(static_cast<ColourChoice>(choice)), expected[choice]);
    }
    EXPECT_EQ(paletteIndex(ColourChoice::Red), 249);
    EXPECT_EQ(paletteIndex(ColourChoice::White), 255);
    for (const std::int32_t outside : {-1, 16, 255, 1 << 30}) {
        SCOPED_TRACE(outside);
        EXPECT_EQ(paletteIndex(static_cast<ColourChoice>(outside)), 0);
    }
}

}  // namespace
}  // namespace zentrel
