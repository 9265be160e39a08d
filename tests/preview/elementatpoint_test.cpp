#include "previewfixture.h"

#include "preview/elementhittest.h"

#include <string>
#include <vector>

namespace zef::testing {
namespace {

LayoutElement textBox(int left, int top, int width, int height) {
    LayoutElement v(KindValue);
    v.textLeft = left;
    v.textTop = top;
    v.textWidth = width;
    v.textHeight = height;
    return v;
}

LayoutElement ofKind(ElementKind kind) {
    LayoutElement e(kind);
    e.x2 = 400;
    e.y2 = 400;
    e.radius = 400;
    return e;
}

struct PickCase {
    const char* name;
    std::vector<LayoutElement> elements;
    int px, py;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const PickCase& c) {
    return os << c.name;
}

// "Edge 1050": a 480 x 800 screen. T = stroke / 2 + 4.
const PickCase PickCases[] = {
    {"EmptyLayout", {}, 10, 10, -1},
    {"LineEndPointIsHit", {graphic(GraphicKind::Line, 0, 0, 10, 5, 0, 1)}, 10, 5, 0},
    {"SlopedLineWithinTheBand", {graphic(GraphicKind::Line, 0, 0, 100, 50, 0, 1)}, 50, 29, 0},
    {"SlopedLineBesideTheBand", {graphic(GraphicKind::Line, 0, 0, 100, 50, 0, 1)}, 50, 30, -1},
    {"SlopedLineBeyondItsEnd", {graphic(GraphicKind::Line, 0, 0, 100, 50, 0, 1)}, 106, 53, -1},
    {"HorizontalLineStrictInside", {graphic(GraphicKind::Line, 10, 50, 100, 50, 0, 2)}, 60, 54, 0},
    {"HorizontalLineStrictEdge", {graphic(GraphicKind::Line, 10, 50, 100, 50, 0, 2)}, 60, 55, -1},
    {"VerticalLineStrictEnd", {graphic(GraphicKind::Line, 50, 10, 50, 100, 0, 1)}, 50, 104, -1},
    {"FilledRectangleMargin",
     {graphic(GraphicKind::RectangleFilled, 20, 30, 60, 50, 0, 4)},
     66,
     56,
     0},
    {"FilledRectangleBeyondMargin",
     {graphic(GraphicKind::RectangleFilled, 20, 30, 60, 50, 0, 4)},
     67,
     40,
     -1},
    {"ReversedBarCorners",
     {graphic(GraphicKind::RectangleHorizontalFill, 60, 50, 20, 30)},
     40,
     40,
     0},
    {"GraphBox", {graphic(GraphicKind::GraphLeftBottom, 10, 100, 110, 160, 0, 10)}, 60, 130, 0},
    {"RectangleOutlineNearASide", {graphic(GraphicKind::Rectangle, 20, 30, 120, 130)}, 24, 80, 0},
    {"RectangleOutlineInside", {graphic(GraphicKind::Rectangle, 20, 30, 120, 130)}, 70, 80, -1},
    {"RectangleOutlineBesideAnEdge",
     {graphic(GraphicKind::Rectangle, 20, 30, 120, 130)},
     70,
     135,
     -1},
    {"CircleOnTheRing", {graphic(GraphicKind::Circle, 100, 100, 0, 0, 30)}, 133, 100, 0},
    {"CircleInside", {graphic(GraphicKind::Circle, 100, 100, 0, 0, 30)}, 100, 100, -1},
    {"FilledCircleInside", {graphic(GraphicKind::CircleFilled, 100, 100, 0, 0, 30)}, 100, 100, 0},
    {"FilledCircleJustOutside",
     {graphic(GraphicKind::CircleFilled, 100, 100, 0, 0, 30)},
     135,
     100,
     -1},
    {"ArcAtZeroDegrees", {graphic(GraphicKind::Arc, 100, 100, 0, 90, 50, 1)}, 150, 100, 0},
    {"ArcAt180DegreesIsNotOnIt", {graphic(GraphicKind::Arc, 100, 100, 0, 90, 50, 1)}, 50, 100, -1},
    {"ArcNearItsLastWholeDegree",
     {graphic(GraphicKind::ArcFilled, 100, 100, 0, 90, 50, 1)},
     100,
     150,
     0},
    {"ArcSweptBackwardsCoversTheSameDegrees",
     {graphic(GraphicKind::Arc, 100, 100, 90, 0, 50, 1)},
     135,
     135,
     0},
    {"ArcWithoutSweepIsNeverHit",
     {graphic(GraphicKind::Arc, 100, 100, 45, 45, 50, 1)},
     135,
     135,
     -1},
    {"ArrowAroundThePivotWhateverTheOffset",
     {graphic(GraphicKind::DirectionArrow, 100, 100, 0, 60, 30, 1)},
     105,
     125,
     0},
    {"ArrowStrictSide",
     {graphic(GraphicKind::DirectionArrow, 100, 100, 0, 0, 30, 1)},
     110,
     100,
     -1},
    {"TriangleAroundThePivot",
     {graphic(GraphicKind::DirectionTriangle, 100, 100, 0, 0, 30, 1)},
     133,
     133,
     0},
    {"TriangleStrictEdge",
     {graphic(GraphicKind::DirectionTriangle, 100, 100, 0, 0, 30, 1)},
     134,
     100,
     -1},
    {"ValueTextBoxEdges", {textBox(50, 60, 40, 20)}, 90, 80, 0},
    {"ValueBesideItsTextBox", {textBox(50, 60, 40, 20)}, 91, 80, -1},
    {"NeverDrawnValueOnlyAtTheOrigin", {LayoutElement(KindValue)}, 0, 0, 0},
    {"DynamicColourIsNeverHit", {ofKind(KindDynamicColor)}, 0, 0, -1},
    {"SeparatorIsNeverHit", {ofKind(KindSeparator)}, 0, 0, -1},
    {"LaterOfTwoOverlappingWins",
     {graphic(GraphicKind::RectangleFilled, 0, 0, 100, 100),
      graphic(GraphicKind::RectangleFilled, 50, 50, 150, 150)},
     75,
     75,
     1},
    {"EarlierWhereOnlyItLies",
     {graphic(GraphicKind::RectangleFilled, 0, 0, 100, 100),
      graphic(GraphicKind::RectangleFilled, 50, 50, 150, 150)},
     10,
     10,
     0},
    {"RightEdgeOfTheScreenIsTested",
     {graphic(GraphicKind::RectangleFilled, 470, 0, 480, 10)},
     480,
     5,
     0},
    {"OnePixelBeyondTheRightEdgeIsNot",
     {graphic(GraphicKind::RectangleFilled, 470, 0, 490, 10)},
     481,
     5,
     -1},
    {"BottomEdgeOfTheScreenIsTested",
     {graphic(GraphicKind::RectangleFilled, 0, 790, 10, 800)},
     5,
     800,
     0},
    {"AboveTheScreenIsNot", {graphic(GraphicKind::RectangleFilled, 0, -10, 10, 10)}, 5, -1, -1},
};

class ElementAtPointTest : public PreviewFixture, public ::testing::WithParamInterface<PickCase> {};

TEST_P(ElementAtPointTest, PicksTheTopmostElementHit) {
    document.elementsForDrawing() = GetParam().elements;
    EXPECT_EQ(renderer.ElementAtPoint(GetParam().px, GetParam().py), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ElementAtPointTest, ::testing::ValuesIn(PickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ElementAtPointFarAway, ElementsPlacedFarOffTheScreenAreTestedWithoutOverflow) {
    DeviceInfo d;
    d.screenWidth = 480;
    d.screenHeight = 800;
    // The arc's ring passes through (240, 790), far from any whole-degree point of
    // its four billion degrees of sweep; one turn of them is enough to know.
    const std::vector<LayoutElement> far = {
        graphic(GraphicKind::Circle, 2147483000, -2147483000, 0, 0, 2147483000, 1),
        graphic(GraphicKind::Arc, 240 - 2147483600, 400, -2147483600, 2147483600, 2147483600, 1),
        graphic(GraphicKind::Line, -2147483600, -2147483600, 2147483600, 2147483600, 0, 1),
    };
    EXPECT_EQ(elementAtPoint(far, d, 0, 0), 2);
    EXPECT_EQ(elementAtPoint({far[0], far[1]}, d, 240, 790), -1);
    EXPECT_EQ(elementAtPoint({far[0], far[1]}, d, 240, 400), 1);
}

} // namespace
} // namespace zef::testing
