#include "previewfixture.h"

#include "preview/elementhandles.h"

namespace zef::testing {
namespace {

using enum HandleRole;

TEST(ElementHandles, EachKindHasItsOwnHandles) {
    struct Row {
        GraphicKind kind;
        std::vector<HandleRole> roles;
    };
    const Row rows[] = {
        {GraphicKind::Line, {FirstPoint, SecondPoint}},
        {GraphicKind::Circle, {Radius}},
        {GraphicKind::CircleFilled, {Radius}},
        {GraphicKind::RectangleHorizontalFill, {FirstPoint, SecondPoint}},
        {GraphicKind::Arc, {Radius, StartAngle, EndAngle}},
        {GraphicKind::ArcFilled, {Radius, StartAngle, EndAngle}},
        {GraphicKind::DirectionArrow, {Radius, Offset}},
        {GraphicKind::DirectionTriangle, {Radius, Offset}},
        {GraphicKind::GraphRightBottom, {FirstPoint, SecondPoint}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(handleRoles(graphic(r.kind, 1, 2, 3, 4, 5)), r.roles) << int(r.kind);
    EXPECT_TRUE(handleRoles(valueElement(10, 10, 0, QStringLiteral("x"))).empty());
    EXPECT_TRUE(handleRoles(LayoutElement(KindDynamicColor)).empty());
}

TEST(ElementHandles, HandlesStandWhereTheirMembersPutThem) {
    const auto at = [](const LayoutElement& e, HandleRole role) {
        for (const ElementHandle& h : elementHandles(e))
            if (h.role == role) return h.at;
        return QPointF(-1, -1);
    };
    const LayoutElement line = graphic(GraphicKind::Line, 10, 20, 30, 40);
    EXPECT_EQ(at(line, FirstPoint), QPointF(10, 20));
    EXPECT_EQ(at(line, SecondPoint), QPointF(30, 40));
    EXPECT_EQ(at(graphic(GraphicKind::Circle, 100, 100, 0, 0, 25), Radius), QPointF(125, 100));
    const LayoutElement arc = graphic(GraphicKind::Arc, 100, 100, 0, 90, 50);
    EXPECT_NEAR(at(arc, StartAngle).x(), 150, 1e-9);
    EXPECT_NEAR(at(arc, EndAngle).y(), 150, 1e-9); // 90 degrees: six o'clock
    EXPECT_NEAR(at(arc, Radius).x(), 100 + 50 / std::sqrt(2.0), 1e-9);
    // The arrow's shape sits y2 above its pivot; its radius handle at the tip.
    const LayoutElement arrow = graphic(GraphicKind::DirectionArrow, 100, 100, 0, 30, 20);
    EXPECT_EQ(at(arrow, Offset), QPointF(100, 70));
    EXPECT_EQ(at(arrow, Radius), QPointF(100, 50));
}

struct HandleMoveCase {
    const char* reason;
    LayoutElement element;
    HandleRole role;
    QPointF to;
    ElementGeometry expected;
};

class HandleMoveTest : public ::testing::TestWithParam<HandleMoveCase> {};

TEST_P(HandleMoveTest, OnlyTheHandlesMemberChanges) {
    const HandleMoveCase& c = GetParam();
    EXPECT_EQ(geometryWithHandleAt(c.element, c.role, c.to), c.expected) << c.reason;
}

const HandleMoveCase HandleMoveCases[] = {
    {"line: the second point",
     graphic(GraphicKind::Line, 10, 20, 30, 40, 0, 3),
     SecondPoint,
     QPointF(50, 45),
     {10, 20, 50, 45, 0}},
    {"rectangle: the first point",
     graphic(GraphicKind::Rectangle, 10, 20, 30, 40),
     FirstPoint,
     QPointF(5, 8),
     {5, 8, 30, 40, 0}},
    {"circle: the radius is the distance along the handle's ray",
     graphic(GraphicKind::Circle, 100, 100, 7, 9, 25),
     Radius,
     QPointF(140, 130),
     {100, 100, 7, 9, 40}},
    {"circle: a radius never goes below 0",
     graphic(GraphicKind::Circle, 100, 100, 0, 0, 25),
     Radius,
     QPointF(60, 100),
     {100, 100, 0, 0, 0}},
    {"arc: the start angle",
     graphic(GraphicKind::Arc, 100, 100, 0, 90, 50),
     StartAngle,
     QPointF(100, 50),
     {100, 100, -90, 90, 50}},
    {"arc: the end angle keeps its turn (270 to 450 stays past 360)",
     graphic(GraphicKind::Arc, 100, 100, 270, 450, 50),
     EndAngle,
     QPointF(150, 120),
     {100, 100, 270, 382, 50}},
    {"arrow: the offset follows the handle's height",
     graphic(GraphicKind::DirectionArrow, 100, 100, 3, 30, 20),
     Offset,
     QPointF(140, 40),
     {100, 100, 3, 60, 20}},
    {"arrow: the radius from the shape's centre upwards",
     graphic(GraphicKind::DirectionTriangle, 100, 100, 3, 30, 20),
     Radius,
     QPointF(90, 35),
     {100, 100, 3, 30, 35}},
};

INSTANTIATE_TEST_SUITE_P(Cases, HandleMoveTest, ::testing::ValuesIn(HandleMoveCases));

TEST(ElementHandles, CursorsShowTheWayTheHandleMoves) {
    EXPECT_EQ(handleCursorShape(graphic(GraphicKind::Line, 0, 0, 9, 9), SecondPoint),
              Qt::CrossCursor);
    EXPECT_EQ(handleCursorShape(graphic(GraphicKind::Circle, 0, 0, 0, 0, 9), Radius),
              Qt::SizeHorCursor);
    EXPECT_EQ(handleCursorShape(graphic(GraphicKind::DirectionArrow, 0, 0, 0, 5, 9), Radius),
              Qt::SizeVerCursor);
    // At three o'clock an angle handle moves up and down.
    EXPECT_EQ(handleCursorShape(graphic(GraphicKind::Arc, 0, 0, 0, 90, 9), StartAngle),
              Qt::SizeVerCursor);
    EXPECT_EQ(handleCursorShape(graphic(GraphicKind::Arc, 0, 0, 0, 45, 9), EndAngle),
              Qt::SizeBDiagCursor);
}

} // namespace
} // namespace zef::testing
