#include "previewfixture.h"

#include "preview/elementpainter.h"

#include <QElapsedTimer>
#include <QPainter>

#include <numeric>
#include <string>
#include <vector>

namespace zef::testing {
namespace {

// Colour of a translucent ARGB drawn over opaque black.
QRgb overBlack(QRgb argb) {
    const int a = qAlpha(argb);
    auto ch = [a](int c) { return (c * a + 127) / 255; };
    return qRgb(ch(qRed(argb)), ch(qGreen(argb)), ch(qBlue(argb)));
}

bool near(QRgb a, QRgb b, int tolerance = 2) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

const QRgb Rest = overBlack(previewcolors::Rest);
const QRgb Guide = overBlack(previewcolors::Guide);

struct Probe {
    int x, y;
    QRgb color;
};

struct GeometryCase {
    const char* name;
    LayoutElement element;
    std::vector<Probe> probes;
};

std::ostream& operator<<(std::ostream& os, const GeometryCase& c) {
    return os << c.name;
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

// A line paints both end pixels, drawn either way round and at every stroke, as
// the rectangle outline paints its corners; the pen ends half its width past
// them (Rectangle outline (20, 30, 40, 20) of stroke 3 reaches 18 to 62).
GeometryCase lineEnds(const char* name, int x, int y, int x2, int y2, int stroke) {
    const int past = stroke / 2 + 1; // the first pixel past the pen's end
    const int dx = sign(x2 - x), dy = sign(y2 - y);
    return {name,
            graphic(GraphicKind::Line, x, y, x2, y2, 0, stroke),
            {{x, y, Red},
             {x2, y2, Red},
             {x - past * dx, y - past * dy, Black},
             {x2 + past * dx, y2 + past * dy, Black}}};
}

// "Circle filled" fills exactly its box (X - R, Y - R, 2R, 2R): the outermost
// rows and columns through the centre are painted, the ones past them are not.
GeometryCase filledCircleBox(const char* name, int x, int y, int r) {
    return {name,
            graphic(GraphicKind::CircleFilled, x, y, 0, 0, r),
            {{x - r, y, Red},
             {x + r - 1, y, Red},
             {x, y - r, Red},
             {x, y + r - 1, Red},
             {x - 1, y - r, Red},
             {x - 1, y + r - 1, Red},
             {x - r - 1, y, Black},
             {x + r, y, Black},
             {x, y - r - 1, Black},
             {x, y + r, Black}}};
}

// Device-screen probes of each graphic kind, drawn in red on the black screen.
const GeometryCase GeometryCases[] = {
    lineEnds("HorizontalLineOfStrokeZero", 10, 10, 100, 10, 0),
    lineEnds("HorizontalLineOfStrokeOne", 10, 10, 100, 10, 1),
    lineEnds("HorizontalLineOfStrokeThree", 10, 10, 100, 10, 3),
    lineEnds("ReversedHorizontalLineOfStrokeZero", 100, 10, 10, 10, 0),
    lineEnds("ReversedHorizontalLineOfStrokeOne", 100, 10, 10, 10, 1),
    lineEnds("ReversedHorizontalLineOfStrokeThree", 100, 10, 10, 10, 3),
    lineEnds("VerticalLineOfStrokeZero", 10, 10, 10, 100, 0),
    lineEnds("VerticalLineOfStrokeOne", 10, 10, 10, 100, 1),
    lineEnds("VerticalLineOfStrokeThree", 10, 10, 10, 100, 3),
    lineEnds("ReversedVerticalLineOfStrokeZero", 10, 100, 10, 10, 0),
    lineEnds("ReversedVerticalLineOfStrokeOne", 10, 100, 10, 10, 1),
    lineEnds("ReversedVerticalLineOfStrokeThree", 10, 100, 10, 10, 3),
    lineEnds("DiagonalLineOfStrokeZero", 10, 20, 70, 80, 0),
    lineEnds("DiagonalLineOfStrokeOne", 10, 20, 70, 80, 1),
    lineEnds("DiagonalLineOfStrokeThree", 10, 20, 70, 80, 3),
    lineEnds("ReversedDiagonalLineOfStrokeZero", 70, 80, 10, 20, 0),
    lineEnds("ReversedDiagonalLineOfStrokeOne", 70, 80, 10, 20, 1),
    lineEnds("ReversedDiagonalLineOfStrokeThree", 70, 80, 10, 20, 3),
    lineEnds("RisingDiagonalLineOfStrokeOne", 10, 80, 70, 20, 1),
    lineEnds("ReversedRisingDiagonalLineOfStrokeThree", 70, 20, 10, 80, 3),
    filledCircleBox("CircleFilledOfRadiusFive", 100, 100, 5),
    filledCircleBox("CircleFilledOfRadiusThirty", 100, 100, 30),
    filledCircleBox("CircleFilledOfRadiusHundred", 120, 120, 100),
    {"LineOfStrokeTwo",
     graphic(GraphicKind::Line, 0, 80, 239, 80, 0, 2),
     {{0, 80, Red},
      {120, 80, Red},
      {238, 79, Red},
      {120, 77, Black},
      {120, 82, Black},
      {241, 80, Black}}},
    {"DiagonalLine",
     graphic(GraphicKind::Line, 10, 20, 30, 40),
     {{10, 20, Red}, {15, 25, Red}, {15, 20, Black}}},
    {"CircleOutline",
     graphic(GraphicKind::Circle, 100, 100, 0, 0, 30),
     {{100, 100, Black}, {70, 100, Red}, {100, 70, Red}, {120, 100, Black}, {133, 100, Black}}},
    {"CircleFilled",
     graphic(GraphicKind::CircleFilled, 100, 100, 0, 0, 30),
     {{100, 100, Red}, {80, 100, Red}, {100, 125, Red}, {133, 100, Black}, {100, 67, Black}}},
    {"RectangleOutline",
     graphic(GraphicKind::Rectangle, 20, 30, 60, 50),
     {{20, 40, Red},
      {60, 40, Red},
      {40, 30, Red},
      {40, 50, Red},
      {40, 40, Black},
      {62, 40, Black}}},
    {"RectangleFilledInsideAndOutside",
     graphic(GraphicKind::RectangleFilled, 20, 30, 60, 50),
     {{20, 30, Red},
      {59, 49, Red},
      {40, 40, Red},
      {19, 40, Black},
      {60, 40, Black},
      {40, 29, Black},
      {40, 50, Black}}},
    {"RectangleFilledReversedCorners",
     graphic(GraphicKind::RectangleFilled, 60, 50, 20, 30),
     {{40, 40, Red}, {10, 40, Black}}},
    {"HorizontalBarThreeQuartersFromTheLeft",
     graphic(GraphicKind::RectangleHorizontalFill, 10, 10, 110, 30),
     {{10, 20, Red}, {84, 20, Red}, {85, 20, Rest}, {109, 20, Rest}, {110, 20, Black}}},
    {"VerticalBarThreeQuartersFromTheBottom",
     graphic(GraphicKind::RectangleVerticalFill, 10, 10, 30, 110),
     {{20, 109, Red}, {20, 35, Red}, {20, 34, Rest}, {20, 10, Rest}, {20, 110, Black}}},
    {"ArcFrom270To90RunsThroughNineOClock",
     graphic(GraphicKind::Arc, 120, 120, 270, 90, 40, 3),
     {{80, 120, Red},
      {100, 85, Red},
      {100, 154, Red},
      {92, 92, Red},
      {160, 120, Black},
      {140, 85, Black},
      {148, 148, Black}}},
    {"ArcFrom0To90RunsThroughSixOClock",
     graphic(GraphicKind::Arc, 120, 120, 0, 90, 40, 3),
     {{160, 120, Red}, {148, 148, Red}, {120, 160, Red}, {80, 120, Black}, {120, 80, Black}}},
    {"FilledArcPaintsWithTheElementColour",
     graphic(GraphicKind::ArcFilled, 120, 120, 0, 90, 40, 3),
     {{148, 148, Red}, {80, 120, Black}}},
    {"DirectionArrowWithoutOffset",
     graphic(GraphicKind::DirectionArrow, 100, 100, 0, 0, 30, 2),
     {{100, 70, Red}, // both ends of the shaft
      {100, 71, Red},
      {100, 100, Red},
      {100, 129, Red},
      {100, 130, Red},
      {97, 77, Red},
      {103, 77, Red},
      {100, 132, Black},
      {104, 100, Black}, // no pivot cross
      {110, 100, Black}}},
    {"DirectionArrowWithOffsetHasGuideMarks",
     graphic(GraphicKind::DirectionArrow, 100, 100, 0, 20, 30, 2),
     {{100, 50, Red},
      {100, 51, Red},
      {100, 109, Red},
      {100, 110, Red},
      {100, 112, Black},
      {120, 100, Guide},
      {80, 100, Guide},
      {100, 120, Guide},
      {104, 100, Guide},
      {94, 100, Guide}, // both ends of the pivot cross's horizontal arm
      {106, 100, Guide},
      {93, 100, Black},
      {107, 100, Black},
      {106, 90, Black}}},
    {"DirectionArrowFarFromItsPivotShowsTheWholeCross",
     graphic(GraphicKind::DirectionArrow, 100, 100, 0, 50, 30, 2),
     {{100, 20, Red}, // both ends of the shaft, centred on (100, 50)
      {100, 80, Red},
      {100, 17, Black},
      {100, 82, Black},
      {94, 100, Guide}, // both ends of both arms of the pivot cross
      {106, 100, Guide},
      {100, 94, Guide},
      {100, 106, Guide},
      {93, 100, Black},
      {107, 100, Black},
      {100, 93, Black},
      {100, 107, Black},
      {150, 100, Guide}, // the orbit
      {100, 150, Guide}}},
    {"DirectionTriangle",
     graphic(GraphicKind::DirectionTriangle, 100, 100, 0, 0, 30, 1),
     {{100, 70, Red},
      {80, 120, Red},
      {120, 120, Red},
      {90, 110, Red},
      {100, 100, Red}, // where the notch lines end
      {100, 110, Black},
      {100, 125, Black}}},
};

class GraphicGeometryTest : public PreviewFixture,
                            public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(GraphicGeometryTest, LandsWhereItsGeometrySays) {
    add(GetParam().element);
    const QImage image = render();
    for (const Probe& p : GetParam().probes)
        EXPECT_TRUE(near(at(image, p.x, p.y), p.color))
            << "at (" << p.x << ", " << p.y << "): " << std::hex << at(image, p.x, p.y)
            << " expected " << p.color;
}

INSTANTIATE_TEST_SUITE_P(Kinds, GraphicGeometryTest, ::testing::ValuesIn(GeometryCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Four Line elements along a rectangle's edges, drawn round it either way,
// paint exactly what the Rectangle outline paints, corners included.
class LinesAlongARectangleTest : public PreviewFixture {};

TEST_F(LinesAlongARectangleTest, PaintTheRectangleOutline) {
    for (int stroke : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE(stroke);
        document.elementsForDrawing().clear();
        add(graphic(GraphicKind::Rectangle, 20, 30, 60, 50, 0, stroke));
        const QImage outline = render();
        for (bool clockwise : {true, false}) {
            document.elementsForDrawing().clear();
            const QPoint corners[] = {{20, 30}, {60, 30}, {60, 50}, {20, 50}};
            for (int i = 0; i < 4; ++i) {
                QPoint a = corners[i], b = corners[(i + 1) % 4];
                if (!clockwise) std::swap(a, b);
                add(graphic(GraphicKind::Line, a.x(), a.y(), b.x(), b.y(), 0, stroke));
            }
            EXPECT_EQ(render(), outline) << (clockwise ? "clockwise" : "anticlockwise");
        }
    }
}

// Graphs: bar heights come from the pool, a bar i of a left graph stands at
// x + i * stroke + stroke / 2, of a right graph at x2 - stroke / 2 - i * stroke.
class GraphTest : public PreviewFixture {
protected:
    GraphTest() {
        auto& pool = renderer.viewState().randomPool;
        pool.resize(1024);
        for (int i = 0; i < 1024; ++i) pool[std::size_t(i)] = 3 + i % 20; // heights 3..22
        pool[1023] = 57;
    }
    // Height of the red run in column x starting at row y going by step.
    int redRun(const QImage& image, int x, int y, int step) {
        int n = 0;
        while (at(image, x, y + n * step) == Red) ++n;
        return n;
    }
};

TEST_F(GraphTest, BarsHangFromTheTopOrStandOnTheBottomInsideTheFrame) {
    struct Row {
        GraphicKind kind;
        bool fromLeft, fromTop;
    };
    for (Row r :
         {Row{GraphicKind::GraphLeftTop, true, true}, Row{GraphicKind::GraphRightTop, false, true},
          Row{GraphicKind::GraphLeftBottom, true, false},
          Row{GraphicKind::GraphRightBottom, false, false}}) {
        SCOPED_TRACE(int(r.kind));
        document.elementsForDrawing().clear();
        add(graphic(r.kind, 10, 100, 110, 160, 0, 10)); // 10 bars, frame height 60
        const QImage image = render();
        for (int i = 0; i < 10; ++i) {
            const int x = r.fromLeft ? 10 + i * 10 + 5 : 110 - 5 - i * 10;
            const int height = 3 + i % 20;
            // A bar of height h covers h rows from its base line, the frame's
            // top edge covering the first row of a hanging bar.
            if (r.fromTop)
                EXPECT_EQ(redRun(image, x, 101, 1), height - 1) << "bar " << i;
            else
                EXPECT_EQ(redRun(image, x, 159, -1), height) << "bar " << i;
        }
        EXPECT_TRUE(near(at(image, 10, 130), Guide));  // frame, left side
        EXPECT_TRUE(near(at(image, 110, 130), Guide)); // right side
        EXPECT_EQ(at(image, 60, 170), Black);          // nothing below the frame
    }
}

TEST_F(GraphTest, EmptyFrameDrawsNothingAtAll) {
    for (auto [x2, y2] : {std::pair{10, 160}, std::pair{5, 160}, std::pair{110, 100}}) {
        document.elementsForDrawing().clear();
        add(graphic(GraphicKind::GraphLeftBottom, 10, 100, x2, y2, 0, 10));
        const QImage image = render();
        for (int y = 90; y <= 170; ++y)
            for (int x = 0; x <= 120; ++x) ASSERT_EQ(at(image, x, y), Black) << x << "," << y;
    }
}

TEST_F(GraphTest, StrokeZeroDrawsOnlyTheFrame) {
    add(graphic(GraphicKind::GraphLeftBottom, 10, 100, 110, 160, 0, 0));
    const QImage image = render();
    EXPECT_TRUE(near(at(image, 10, 130), Guide));
    for (int x = 11; x < 110; ++x) EXPECT_EQ(at(image, x, 158), Black) << x;
}

TEST_F(GraphTest, BarsPastTheLastPoolValueTakeItsHeight) {
    // 1500 bars of stroke 1 from the right edge x2 = 1500: bar i stands at 1500 - i,
    // so bars 1024 and later are on the screen.
    add(graphic(GraphicKind::GraphRightTop, 0, 100, 1500, 200, 0, 1));
    const QImage image = render();
    for (int x : {476, 400, 300, 10}) EXPECT_EQ(redRun(image, x, 101, 1), 56) << x;
    EXPECT_EQ(redRun(image, 478, 101, 1), 2 + 1022 % 20); // bar 1022, before the cap
}

// Night mode and the dynamic-colour gradient choose the colours an element is drawn in.
class ElementColourTest : public PreviewFixture {};

TEST_F(ElementColourTest, NightModeInvertsOnlyDayNightElements) {
    LayoutElement switching =
        graphic(GraphicKind::RectangleFilled, 0, 0, 20, 20, 0, 1, 0x302010); // drawn 0x102030
    switching.dayNight = true;
    LayoutElement fixed = graphic(GraphicKind::RectangleFilled, 40, 0, 60, 20, 0, 1, 0x302010);
    add(switching);
    add(fixed);
    QImage image = render();
    EXPECT_EQ(at(image, 10, 10), 0xFF102030u);
    EXPECT_EQ(at(image, 50, 10), 0xFF102030u);
    renderer.viewState().nightMode = true;
    image = render();
    EXPECT_EQ(at(image, 10, 10), 0xFFEFDFCFu);
    EXPECT_EQ(at(image, 50, 10), 0xFF102030u);
}

LayoutElement dynamicColor(Bgr replace, std::initializer_list<std::pair<int, Bgr>> rows) {
    LayoutElement dc(KindDynamicColor);
    dc.replaceColor = replace;
    int k = 0;
    for (auto [value, color] : rows) {
        dc.dcValue[std::size_t(k)] = value;
        dc.dcColor[std::size_t(k)] = color;
        ++k;
    }
    return dc;
}

TEST_F(ElementColourTest, GradientSpansFirstToLastUsedRowOnlyWithTheOption) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 20, 100, 0, 1, RedBgr));
    // rows 0 (green), 1 (empty) and 2 (blue): the span runs green to blue.
    LayoutElement dc = dynamicColor(RedBgr, {{10, GreenBgr}, {EmptyDcValue, 0}, {30, 0xFF0000}});
    add(dc);
    QImage image = render();
    EXPECT_EQ(at(image, 10, 1), Red);
    EXPECT_EQ(at(image, 10, 98), Red);

    renderer.viewState().showDcGradient = true;
    image = render();
    EXPECT_TRUE(near(at(image, 10, 0), Green, 6));
    EXPECT_TRUE(near(at(image, 10, 99), 0xFF0000FF, 6));
    const QRgb middle = at(image, 10, 50);
    EXPECT_GT(qGreen(middle), 90);
    EXPECT_GT(qBlue(middle), 90);
}

TEST_F(ElementColourTest, DynamicColourWithEmptyFirstRowStopsTheScan) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 20, 100, 0, 1, RedBgr));
    add(dynamicColor(RedBgr, {{EmptyDcValue, GreenBgr}, {20, GreenBgr}}));
    add(dynamicColor(RedBgr, {{10, GreenBgr}, {20, GreenBgr}}));
    renderer.viewState().showDcGradient = true;
    const QImage image = render();
    EXPECT_EQ(at(image, 10, 50), Red);
}

TEST_F(ElementColourTest, HighlightedElementIsDrawnLastInTranslucentRed) {
    LayoutElement white = graphic(GraphicKind::RectangleFilled, 0, 0, 40, 40, 0, 1, WhiteBgr);
    add(white); // 0: selected
    add(graphic(GraphicKind::RectangleFilled, 20, 20, 60, 60, 0, 1,
                GreenBgr)); // 1: drawn over it normally
    document.setSelection(0);
    renderer.viewState().highlightSelected = true;
    const QImage image = render();
    const QRgb redOverBlack = overBlack(previewcolors::Highlight);
    EXPECT_TRUE(near(at(image, 10, 10), redOverBlack)); // only the red copy, over black
    // Over the green element: red blended on green.
    const QRgb overGreen = at(image, 30, 30);
    EXPECT_GT(qRed(overGreen), 150);
    EXPECT_GT(qGreen(overGreen), 40);
    EXPECT_LT(qGreen(overGreen), 120);
    EXPECT_EQ(at(image, 50, 50), Green);
}

TEST_F(ElementColourTest, NothingIsDrawnOutsideTheScreenFrame) {
    const QImage empty = render();
    add(graphic(GraphicKind::RectangleFilled, -200, -200, 2000,
                2000)); // covers far more than the screen
    add(graphic(GraphicKind::Line, -300, 400, 3000, 400, 0, 9));
    add(graphic(GraphicKind::Circle, 240, 400, 0, 0, 600, 30));
    const QImage image = render();
    ASSERT_EQ(image.size(), empty.size());
    const QRect screen = preview::screenRect(*device).translated(-preview::origin());
    const QRect frame = screen.adjusted(-5, -5, 5, 5);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            if (screen.contains(x, y)) {
                ASSERT_EQ(c, Red) << x << "," << y;
            } else if (frame.contains(x, y)) {
                // The frame shows the element where the picture lets it through.
                ASSERT_TRUE(c == Red || image.pixel(x, y) == empty.pixel(x, y)) << x << "," << y;
            } else {
                ASSERT_EQ(image.pixel(x, y), empty.pixel(x, y)) << x << "," << y;
            }
        }
}

TEST_F(ElementColourTest, FarOutGeometryIsDrawnQuicklyAndOnlyOnTheScreen) {
    const QImage empty = render();
    constexpr int Big = 2147483000;
    for (int position = 0; position < GraphicKindCount; ++position) {
        const GraphicKind kind = graphicKindAt(position);
        add(graphic(kind, -Big, -Big, Big, Big, Big, 1));
        add(graphic(kind, 10, 10, Big, 400, Big, Big));
    }
    add(graphic(GraphicKind::GraphRightTop, -Big, 0, Big, 800, 0,
                1)); // four billion bars, a few hundred visible
    for (int a : {0, 1, 2}) {
        add(valueElement(Big, Big, a, QStringLiteral("far")));
        add(valueElement(-Big, 10, a, QStringLiteral("far")));
    }
    QElapsedTimer clock;
    clock.start();
    const QImage image = render();
    EXPECT_LT(clock.elapsed(), 5000);
    const QRect frame = preview::frameRect(*device).translated(-preview::origin());
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (!frame.contains(x, y)) {
                ASSERT_EQ(image.pixel(x, y), empty.pixel(x, y)) << x << "," << y;
            }
}

// A round watch: the opaque bezel of the picture masks the corners of the
// square screen.
class RoundWatchTest : public PreviewFixture {
protected:
    RoundWatchTest() : PreviewFixture(QStringLiteral("fenix 7")) {}
};

TEST_F(RoundWatchTest, PictureBezelCoversElementsOutsideTheRoundScreen) {
    const QImage empty = render();
    ASSERT_GE(empty.width(), preview::frameRect(*device).right() + 1 - preview::OriginX);
    add(graphic(GraphicKind::RectangleFilled, -5, -5, device->screenWidth + 5,
                device->screenHeight + 5, 0, 1, GreenBgr));
    const QImage image = render();
    const int w = device->screenWidth, h = device->screenHeight;
    EXPECT_EQ(at(image, w / 2, h / 2), Green);
    EXPECT_EQ(at(image, w / 2, 10), Green);
    for (auto [x, y] : {std::pair{2, 2}, std::pair{w - 3, 2}, std::pair{2, h - 3},
                        std::pair{w - 3, h - 3}, std::pair{-4, h / 2}}) {
        EXPECT_EQ(at(image, x, y), at(empty, x, y)) << x << "," << y;
        EXPECT_NE(at(image, x, y), Green) << x << "," << y;
    }
}

} // namespace
} // namespace zef::testing
