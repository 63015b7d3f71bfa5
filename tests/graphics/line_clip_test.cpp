#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>

#include "graphics/line_clip.h"
#include "tests/graphics/int32_bounds.h"

namespace zentrel {
namespace {

using test::kMax;
using test::kMin;

struct ClipCase {
    const char* what;
    PixelSegment input;
    ClipResult result;
    PixelSegment clipped;
};

std::ostream& operator<<(std::ostream& os, const ClipCase& c) {
    return os << c.what;
}

class ClipLineOnTenByTen : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipLineOnTenByTen, GivesResultAndEndPoints) {
    const ClipCase& c = GetParam();
    PixelSegment segment = c.input;
    EXPECT_EQ(clipLine(segment, 10, 10), c.result);
    EXPECT_EQ(segment.from.x, c.clipped.from.x);
    EXPECT_EQ(segment.from.y, c.clipped.from.y);
    EXPECT_EQ(segment.to.x, c.clipped.to.x);
    EXPECT_EQ(segment.to.y, c.clipped.to.y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipLineOnTenByTen,
    ::testing::Values(
        ClipCase{"inside", {{2, 3}, {7, 8}}, ClipResult::Accepted, {{2, 3}, {7, 8}}},
        ClipCase{"edges are inside", {{0, 0}, {10, 10}}, ClipResult::Accepted, {{0, 0}, {10, 10}}},
        ClipCase{"horizontal from the left",
                 {{-10, 5}, {10, 5}},
                 ClipResult::Accepted,
                 {{0, 5}, {10, 5}}},
        ClipCase{
            "horizontal through", {{-5, 5}, {15, 5}}, ClipResult::BothMoved, {{0, 5}, {10, 5}}},
        ClipCase{
            "diagonal through", {{-2, -2}, {12, 12}}, ClipResult::BothMoved, {{0, 0}, {10, 10}}},
        // y at x = 0 is 1.857..., truncated rather than rounded.
        ClipCase{"sloped from the left", {{-3, 1}, {4, 3}}, ClipResult::Accepted, {{0, 1}, {4, 3}}},
        ClipCase{"vertical from below", {{5, 5}, {5, 20}}, ClipResult::Accepted, {{5, 5}, {5, 10}}},
        // Moved onto x = 0 at y = 110, then onto y = 10 at x = -8.33: both left of the raster.
        ClipCase{"left of the raster",
                 {{-10, -10}, {-5, 50}},
                 ClipResult::Rejected,
                 {{-8, 10}, {-8, 10}}},
        ClipCase{
            "right of the raster", {{12, 0}, {15, 8}}, ClipResult::Rejected, {{12, 0}, {12, 0}}},
        // Crosses y = 0 at x = -0.5, which truncates toward zero to the corner.
        ClipCase{"past the corner", {{1, -3}, {-5, 9}}, ClipResult::Rejected, {{0, 0}, {0, 0}}},
        ClipCase{"vertical left", {{-1, 2}, {-1, 8}}, ClipResult::Rejected, {{0, 2}, {0, 8}}},
        ClipCase{"horizontal above", {{2, -1}, {8, -1}}, ClipResult::Rejected, {{2, 0}, {8, 0}}},
        ClipCase{"single point outside",
                 {{20, 20}, {20, 20}},
                 ClipResult::Rejected,
                 {{10, 10}, {10, 10}}},
        // On the left edge yet rejected: both ends end at x <= 0.
        ClipCase{"along the left edge", {{-5, 2}, {0, 8}}, ClipResult::Rejected, {{0, 8}, {0, 8}}},
        ClipCase{"extreme coordinates",
                 {{kMin, kMin}, {kMax, kMax}},
                 ClipResult::BothMoved,
                 {{0, 0}, {10, 10}}},
        ClipCase{"steep and long",
                 {{5, -2000000000}, {6, 2000000000}},
                 ClipResult::BothMoved,
                 {{5, 0}, {5, 10}}}));

TEST(ClipLine, EmptyRasterAcceptsOnlyTheOrigin) {
    PixelSegment origin{{0, 0}, {0, 0}};
    EXPECT_EQ(clipLine(origin, 0, 0), ClipResult::Accepted);
    PixelSegment other{{-3, -3}, {5, 5}};
    EXPECT_EQ(clipLine(other, 0, 0), ClipResult::Rejected);
}

}  // namespace
}  // namespace zentrel
