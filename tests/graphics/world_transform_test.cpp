#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "graphics/world_transform.h"
#include "tests/graphics/int32_bounds.h"

namespace zentrel {
namespace {

using test::kMax;
using test::kMin;

TEST(WorldTransform, PixelsTruncateTowardZeroAndSaturate) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const WorldTransform t{0.25, 0.0, 1.0, -1.0};
    const struct {
        double x;
        std::optional<std::int32_t> pixel;
    } cases[] = {
        {-0.75, 0},  // -0.5 goes to 0, not -1
        {-1.75, -1},          {2.7, 2},
        {-2.5, -2},           {1e300, kMax},
        {-1e300, kMin},       {2147483646.5, 2147483646},
        {2147483647.5, kMax}, {nan, std::nullopt},
        {inf, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(t.pixelX(c.x), c.pixel);
    }
    EXPECT_EQ(t.pixelY(0.5), 0);
    EXPECT_EQ(t.pixelY(1.5), -1);
    EXPECT_FALSE(t.toPixel(1.0, nan).has_value());
    EXPECT_EQ(t.worldX(3), 2.75);
    EXPECT_EQ(t.worldY(3), -3.0);
}

TEST(WorldTransform, SegmentsWithFarEndsArePulledIn) {
    const WorldTransform identity;
    const auto near = identity.segmentToPixels(-3.5, 2.5, 7.9, -1.1);
    ASSERT_TRUE(near.has_value());
    EXPECT_EQ(*near, (PixelSegment{{-3, 2}, {7, -1}}));

    const auto far = identity.segmentToPixels(0.0, 0.0, 4e15, -2e15);
    ASSERT_TRUE(far.has_value());
    EXPECT_EQ(far->from, (PixelPoint{0, 0}));
    EXPECT_NEAR(far->to.x, kFarPixel, 1.0);
    EXPECT_NEAR(far->to.y, -kFarPixel / 2, 1.0);

    // Passes the far square by: it cannot meet any raster.
    EXPECT_FALSE(identity.segmentToPixels(-4e15, 3e9, 4e15, 3e9).has_value());
    EXPECT_FALSE(identity.segmentToPixels(0.0, 0.0, 1.0, std::numeric_limits<double>::infinity())
                     .has_value());
}

}  // namespace
}  // namespace zentrel
