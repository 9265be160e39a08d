#include "check/screenarea.h"

#include "catalog/catalogs.h"
#include "catalog/screenshape.h"
#include "common/builtonce.h"
#include "preview/devicepicture.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

const DeviceCatalog& devices() {
    return test::builtOnce<DeviceCatalog>();
}

const DeviceInfo& named(const char* name) {
    return devices().at(devices().findDeviceByName(QLatin1String(name)));
}

// The check's idea of which pixels show is the one the device pictures cut
// out of their bezels: along every row, the first and last pixel shown are
// clear in the picture and their outer neighbours are not.
class ScreenOfDevice : public ::testing::TestWithParam<int> {};

TEST_P(ScreenOfDevice, ShowsThePixelsItsPictureLeavesClear) {
    const DeviceInfo& d = devices().at(GetParam());
    const QImage picture = DevicePictures().picture(d);
    ASSERT_FALSE(picture.isNull());
    const auto clear = [&](int x, int y) {
        return qAlpha(picture.pixel(d.screenX + x, d.screenY + y)) == 0;
    };
    for (int y = 0; y < d.screenHeight; ++y) {
        int first = 0;
        while (first < d.screenWidth && !screenShowsPixel(d, first, y)) ++first;
        ASSERT_LT(first, d.screenWidth) << "row " << y << " shows nothing";
        const int last = d.screenWidth - 1 - first; // the screens are symmetric
        ASSERT_TRUE(screenShowsPixel(d, last, y));
        ASSERT_FALSE(screenShowsPixel(d, last + 1, y));
        ASSERT_TRUE(clear(first, y) && clear(last, y)) << "row " << y;
        ASSERT_FALSE(clear(first - 1, y) || clear(last + 1, y)) << "row " << y;
    }
    EXPECT_EQ(screenShape(d) == ScreenShape::Round, !screenShowsPixel(d, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(AllDevices, ScreenOfDevice, ::testing::Range(0, 162));

TEST(ScreenShape, RoundAndRectangularScreens) {
    const struct {
        const char* device;
        ScreenShape shape;
    } rows[] = {
        {"fenix 7", ScreenShape::Round},           {"Forerunner 965", ScreenShape::Round},
        {"Venu Sq 2", ScreenShape::Rectangle},     {"Venu Sq", ScreenShape::Rectangle},
        {"Edge 1030", ScreenShape::Rectangle},     {"Edge 130", ScreenShape::Rectangle},
        {"Venu 2", ScreenShape::Rectangle},        {"Forerunner 230", ScreenShape::Rectangle},
        {"vivoactive HR", ScreenShape::Rectangle},
    };
    for (const auto& row : rows) EXPECT_EQ(screenShape(named(row.device)), row.shape) << row.device;
}

ElementShape boxShape(qreal x, qreal y, qreal w, qreal h) {
    ElementShape s;
    s.boxes.push_back(QRectF(x, y, w, h));
    return s;
}

ElementShape bandShape(QPointF from, QPointF to, qreal width) {
    ElementShape s;
    s.bands.push_back({from, to, width});
    return s;
}

ElementShape ringShape(QPointF centre, qreal inner, qreal outer, qreal start = 0,
                       qreal sweep = 360) {
    ElementShape s;
    s.rings.push_back({centre, inner, outer, start, sweep});
    return s;
}

struct CoverageCase {
    const char* name;
    const char* device;
    ElementShape shape;
    Coverage coverage;
};

std::ostream& operator<<(std::ostream& os, const CoverageCase& c) {
    return os << c.name;
}

// A pixel shows when its centre does: a shape shows whole while it reaches
// less than half a pixel past the edge, and at all once it reaches half a
// pixel in. "Edge 130" is 230x303, "fenix 6" round and 260 across.
const CoverageCase CoverageCases[] = {
    {"Nothing", "Edge 130", ElementShape(), Coverage::Whole},
    {"WholeScreen", "Edge 130", boxShape(0, 0, 230, 303), Coverage::Whole},
    {"LessThanHalfAPixelOut", "Edge 130", boxShape(-0.4, 10, 20, 20), Coverage::Whole},
    {"MoreThanHalfAPixelOut", "Edge 130", boxShape(-0.6, 10, 20, 20), Coverage::Part},
    {"HalfAPixelIn", "Edge 130", boxShape(229.5, 10, 20, 20), Coverage::Part},
    {"LessThanHalfAPixelIn", "Edge 130", boxShape(229.6, 10, 20, 20), Coverage::None},
    {"BelowTheScreen", "Edge 130", boxShape(10, 303, 20, 20), Coverage::None},
    {"LastColumnLine", "Edge 130", bandShape({229.5, 10}, {229.5, 50}, 1), Coverage::Whole},
    {"ColumnPastTheScreen", "Edge 130", bandShape({230.5, 10}, {230.5, 50}, 1), Coverage::None},
    {"DiagonalAcrossACorner", "Edge 130", bandShape({-10, 20}, {20, -10}, 2), Coverage::Part},
    {"DiagonalBesideACorner", "Edge 130", bandShape({-20, 5}, {5, -20}, 2), Coverage::None},
    {"RingAroundTheScreen", "Edge 130", ringShape({115, 150}, 300, 302), Coverage::None},
    {"RingCrossingTheScreen", "Edge 130", ringShape({115, 150}, 150, 152), Coverage::Part},
    {"ArcOfThatRingOffTheScreen", "Edge 130", ringShape({115, 150}, 160, 162, 250, 40),
     Coverage::None},
    {"ArcOfThatRingOnTheScreen", "Edge 130", ringShape({115, 150}, 160, 162, 120, 40),
     Coverage::Part},
    {"SectorWithACornerInside", "Edge 130", ringShape({-50, -50}, 0, 200, 30, 30), Coverage::Part},
    {"RoundWhole", "fenix 6", ringShape({130, 130}, 0, 130.5), Coverage::Whole},
    {"RoundPastTheCircle", "fenix 6", ringShape({130, 130}, 129, 131), Coverage::Part},
    {"RoundScreenInsideARing", "fenix 6", ringShape({130, 130}, 130, 140), Coverage::None},
    {"RoundCorner", "fenix 6", boxShape(0, 0, 30, 30), Coverage::None},
    {"RoundCornerReachingIn", "fenix 6", boxShape(0, 0, 40, 40), Coverage::Part},
    {"RoundArcAwayFromTheScreen", "fenix 6", ringShape({300, 130}, 100, 110, 300, 120),
     Coverage::None},
    {"RoundArcTowardsTheScreen", "fenix 6", ringShape({300, 130}, 100, 110, 120, 120),
     Coverage::Part},
    {"RoundDiameter", "fenix 6", bandShape({0, 130}, {260, 130}, 2), Coverage::Whole},
    {"RoundPastTheDiameter", "fenix 6", bandShape({-10, 130}, {270, 130}, 2), Coverage::Part},
};

class ScreenCoverageTest : public ::testing::TestWithParam<CoverageCase> {};

TEST_P(ScreenCoverageTest, TellsHowMuchShows) {
    const CoverageCase& c = GetParam();
    EXPECT_EQ(ScreenArea(named(c.device)).coverage(c.shape), c.coverage);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ScreenCoverageTest, ::testing::ValuesIn(CoverageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenOvershoot, HowFarPastEachEdgeOrTheCircle) {
    const Overshoot rect = ScreenArea(named("Edge 130")).overshoot(boxShape(-3, 290, 240, 20));
    EXPECT_DOUBLE_EQ(rect.left, 3);
    EXPECT_DOUBLE_EQ(rect.right, 7);
    EXPECT_DOUBLE_EQ(rect.top, 0);
    EXPECT_DOUBLE_EQ(rect.bottom, 7);
    EXPECT_DOUBLE_EQ(rect.circle, 0);
    const Overshoot round =
        ScreenArea(named("fenix 6")).overshoot(ringShape({130, 130}, 0, 20, 0, 360));
    EXPECT_DOUBLE_EQ(round.circle, 0);
    EXPECT_DOUBLE_EQ(ScreenArea(named("fenix 6")).overshoot(ringShape({140, 130}, 0, 125)).circle,
                     5);
}

} // namespace
} // namespace zef
