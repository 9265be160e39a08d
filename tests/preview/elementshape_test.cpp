#include "previewfixture.h"

#include "preview/elementpainter.h"
#include "preview/elementshape.h"
#include "preview/facecache.h"
#include "preview/valuetextplacement.h"

#include <QLineF>

#include <cmath>

namespace zef::testing {
namespace {

// Whether the element painted screen pixel (x, y): neither the black screen
// nor a guide mark, which only the preview shows.
bool paintedAt(const QImage& image, const DeviceInfo& d, int x, int y) {
    const QRgb c = image.pixel(d.screenX + x, d.screenY + y) & 0xFFFFFFu;
    // The guide colour over black: an even grey of 200 * 0x64 / 255.
    const bool guide = qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && std::abs(qRed(c) - 78) <= 2;
    return c != 0 && !guide;
}

// Device-screen pixel squares the element was painted on, or a null rectangle.
QRectF paintedSquares(const QImage& image, const DeviceInfo& d) {
    QRect painted;
    for (int y = 0; y < d.screenHeight; ++y)
        for (int x = 0; x < d.screenWidth; ++x)
            if (paintedAt(image, d, x, y)) painted |= QRect(x, y, 1, 1);
    return painted.isNull() ? QRectF() : QRectF(painted);
}

void expectNear(const QRectF& measured, const QRectF& painted, qreal slack) {
    EXPECT_NEAR(measured.left(), painted.left(), slack);
    EXPECT_NEAR(measured.right(), painted.right(), slack);
    EXPECT_NEAR(measured.top(), painted.top(), slack);
    EXPECT_NEAR(measured.bottom(), painted.bottom(), slack);
}

struct ShapeCase {
    const char* name;
    LayoutElement element;
};

std::ostream& operator<<(std::ostream& os, const ShapeCase& c) {
    return os << c.name;
}

// Every piece of a graphic's shape agrees with what the preview paints to the
// pixel, strokes of odd and even width included; shapes that paint nothing are
// empty.
const ShapeCase ShapeCases[] = {
    {"LineStrokeOne", graphic(GraphicKind::Line, 100, 100, 200, 100, 0, 1)},
    {"LineStrokeTwo", graphic(GraphicKind::Line, 100, 100, 200, 100, 0, 2)},
    {"LineStrokeThree", graphic(GraphicKind::Line, 100, 100, 100, 200, 0, 3)},
    {"LineStrokeZeroPaintsOnePixel", graphic(GraphicKind::Line, 100, 100, 200, 100, 0, 0)},
    {"DiagonalLineStrokeFive", graphic(GraphicKind::Line, 100, 100, 180, 160, 0, 5)},
    {"LineOfNoLengthStrokeOne", graphic(GraphicKind::Line, 100, 100, 100, 100, 0, 1)},
    {"LineOfNoLengthStrokeThree", graphic(GraphicKind::Line, 100, 100, 100, 100, 0, 3)},
    {"CircleStrokeOne", graphic(GraphicKind::Circle, 200, 200, 0, 0, 40, 1)},
    {"CircleStrokeTwo", graphic(GraphicKind::Circle, 200, 200, 0, 0, 40, 2)},
    {"CircleStrokeThree", graphic(GraphicKind::Circle, 200, 200, 0, 0, 40, 3)},
    {"CircleNegativeRadius", graphic(GraphicKind::Circle, 200, 200, 0, 0, -40, 4)},
    {"CircleOfNoRadius", graphic(GraphicKind::Circle, 200, 200, 0, 0, 0, 3)},
    {"CircleFilled", graphic(GraphicKind::CircleFilled, 200, 200, 0, 0, 40)},
    {"RectangleStrokeOne", graphic(GraphicKind::Rectangle, 100, 100, 140, 130, 0, 1)},
    {"RectangleStrokeFourReversed", graphic(GraphicKind::Rectangle, 140, 130, 100, 100, 0, 4)},
    {"RectangleOfNoSize", graphic(GraphicKind::Rectangle, 100, 100, 100, 100, 0, 1)},
    {"RectangleFilled", graphic(GraphicKind::RectangleFilled, 100, 100, 140, 130)},
    {"BarHorizontal", graphic(GraphicKind::RectangleHorizontalFill, 100, 100, 201, 130)},
    {"BarVertical", graphic(GraphicKind::RectangleVerticalFill, 100, 100, 140, 177)},
    {"ArcQuarterStrokeOne", graphic(GraphicKind::Arc, 200, 200, 0, 90, 50, 1)},
    {"ArcBackwardsStrokeSix", graphic(GraphicKind::ArcFilled, 200, 200, 270, 90, 50, 6)},
    {"ArcWrappingTwelve", graphic(GraphicKind::Arc, 200, 200, 300, 420, 60, 3)},
    {"ArcOfNoSweep", graphic(GraphicKind::Arc, 200, 200, 45, 45, 50, 3)},
    {"GraphLeftTop", graphic(GraphicKind::GraphLeftTop, 100, 100, 160, 150, 0, 3)},
    {"GraphRightTop", graphic(GraphicKind::GraphRightTop, 100, 100, 161, 150, 0, 3)},
    {"GraphLeftBottom", graphic(GraphicKind::GraphLeftBottom, 100, 100, 160, 150, 0, 2)},
    {"GraphRightBottom", graphic(GraphicKind::GraphRightBottom, 100, 100, 160, 150, 0, 4)},
    {"GraphWithoutSize", graphic(GraphicKind::GraphLeftTop, 100, 100, 100, 150, 0, 3)},
};

class ElementShapeTest : public PreviewFixture, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(ElementShapeTest, CoversWhatThePreviewPaints) {
    const LayoutElement& e = GetParam().element;
    // Bars as high as the graph's frame: the most a value can show.
    renderer.viewState().randomPool.assign(1024, 49);
    add(e);
    const QRectF painted = paintedSquares(render(), *device);
    const ElementShape shape = graphicShape(e, *device);
    if (shape.isEmpty()) {
        EXPECT_TRUE(painted.isNull()) << "paints " << painted.width() << "x" << painted.height();
        return;
    }
    ASSERT_FALSE(painted.isNull());
    expectNear(shape.bounds(), painted, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ElementShapeTest, ::testing::ValuesIn(ShapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The preview paints a direction arrow pointing up; on the device it turns
// about its pivot, so its shape is the ring it sweeps.
TEST_F(PreviewFixture, DirectionArrowsSweepTheRingTheyTurnIn) {
    const ShapeCase cases[] = {
        {"ArrowAboutItsCentre", graphic(GraphicKind::DirectionArrow, 200, 200, 0, 0, 40, 3)},
        {"ArrowOnAnOrbit", graphic(GraphicKind::DirectionArrow, 200, 200, 0, 60, 30, 2)},
        {"TriangleOnAnOrbit", graphic(GraphicKind::DirectionTriangle, 200, 200, 0, 50, 30, 1)},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        document.elementsForDrawing() = {c.element};
        const QImage image = render();
        const ElementShape shape = graphicShape(c.element, *device);
        ASSERT_EQ(shape.rings.size(), 1u);
        const ShapeRing& ring = shape.rings.front();
        EXPECT_EQ(ring.sweepDegrees, 360);
        // The upright arrow's farthest pixel is as far from the pivot as the
        // ring reaches.
        qreal farthest = 0;
        for (int y = 0; y < device->screenHeight; ++y)
            for (int x = 0; x < device->screenWidth; ++x)
                if (paintedAt(image, *device, x, y))
                    farthest =
                        std::max(farthest, QLineF(ring.centre, QPointF(x + 0.5, y + 0.5)).length());
        EXPECT_NEAR(ring.outer, farthest, 1.5);
    }
}

// A value's text is measured where the preview paints it, with its sample
// reading or, with "widest values", with its widest digits.
TEST_F(PreviewFixture, ValueTextInkIsWhereThePreviewPaintsIt) {
    LayoutElement speed(KindValue);
    speed.valueType = 31; // "Current speed", sample 45.34
    speed.precision = 2;
    speed.color = WhiteBgr;
    FaceCache faces;
    for (int alignment : {0, 1, 2}) {
        for (bool widest : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "alignment " << alignment << " widest " << widest);
            speed.x = 240;
            speed.y = 300;
            speed.hAlignment = alignment;
            document.elementsForDrawing() = {speed};
            renderer.viewState().widestValues = widest;
            const QRectF painted = paintedSquares(render(), *device);
            const ValueTextExtent extent =
                valueTextExtent(speed, *device, sharedCatalogs(), faces, widest);
            ASSERT_TRUE(extent.hasFace);
            EXPECT_EQ(extent.text.contains(QLatin1String("45.34")), !widest);
            expectNear(extent.placement.ink, painted, 1.0);
        }
    }
}

} // namespace
} // namespace zef::testing
