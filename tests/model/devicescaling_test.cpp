#include "model/devicescaling.h"

#include "catalog/deviceinfo.h"

#include <gtest/gtest.h>

#include <limits>

namespace zef {
namespace {

DeviceInfo screen(int width, int height) {
    DeviceInfo d;
    d.screenWidth = width;
    d.screenHeight = height;
    return d;
}

// Values far beyond any screen (a hand-edited file) scale to the limits of
// 32 bits instead of overflowing.
TEST(DeviceScaling, FarOutValuesHoldAtTheLimits) {
    LayoutElement far(KindGraphic);
    far.x = 2000000000;
    far.y = -2000000000;
    far.x2 = 100;
    far.y2 = std::numeric_limits<std::int32_t>::min();
    LayoutElement dynamic(KindDynamicColor);
    dynamic.x = 100;
    std::vector<LayoutElement> elements = {far, dynamic};
    scaleElements(elements, screen(240, 240), screen(416, 480));
    EXPECT_EQ(elements[0].x, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(elements[0].y, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(elements[0].x2, 173);
    EXPECT_EQ(elements[0].y2, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(elements[0].prevX, 2000000000);
    EXPECT_EQ(elements[1].x, 100); // dynamic colours have no geometry
}

} // namespace
} // namespace zef
