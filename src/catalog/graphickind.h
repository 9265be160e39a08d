#pragma once

#include <cstdint>

namespace zef {

// The kinds a graphic element can have. An element stores the kind's position in
// the graphic-kind list; positions and config string ids are the same numbers.
enum class GraphicKind : std::int32_t {
    Line = 0,
    Circle = 1,
    CircleFilled = 2,
    Rectangle = 3,
    RectangleFilled = 4,
    RectangleHorizontalFill = 5,
    RectangleVerticalFill = 6,
    Arc = 7,
    ArcFilled = 8,
    DirectionArrow = 9,
    DirectionTriangle = 10,
    GraphLeftTop = 11,
    GraphRightTop = 12,
    GraphLeftBottom = 13,
    GraphRightBottom = 14,
};

constexpr int GraphicKindCount = 15;

// The kind at a position of the graphic-kind list. A stray position (from a
// record that is not a graphic) keeps its number and matches no named kind.
constexpr GraphicKind graphicKindAt(std::int32_t position) {
    return static_cast<GraphicKind>(position);
}
constexpr bool isKnownGraphicKind(GraphicKind kind) {
    return static_cast<std::int32_t>(kind) >= 0 &&
           static_cast<std::int32_t>(kind) < GraphicKindCount;
}

// Start and end angle in x2/y2 instead of a second point.
constexpr bool isArc(GraphicKind kind) {
    return kind == GraphicKind::Arc || kind == GraphicKind::ArcFilled;
}
// A pointer around (x, y) whose y2 is an offset ("-Y Offset").
constexpr bool isDirectionMark(GraphicKind kind) {
    return kind == GraphicKind::DirectionArrow || kind == GraphicKind::DirectionTriangle;
}
// Bar graphs of recent values between (x, y) and (x2, y2); radius is the limit.
constexpr bool isGraph(GraphicKind kind) {
    return kind >= GraphicKind::GraphLeftTop && kind <= GraphicKind::GraphRightBottom;
}
// Graphs whose bars start at the right / at the bottom of their box.
constexpr bool isGraphFromRight(GraphicKind kind) {
    return kind == GraphicKind::GraphRightTop || kind == GraphicKind::GraphRightBottom;
}
constexpr bool isGraphFromBottom(GraphicKind kind) {
    return kind == GraphicKind::GraphLeftBottom || kind == GraphicKind::GraphRightBottom;
}
// Boxes filled, wholly or by the value (horizontally or vertically).
constexpr bool isFilledRectangle(GraphicKind kind) {
    return kind == GraphicKind::RectangleFilled || kind == GraphicKind::RectangleHorizontalFill ||
           kind == GraphicKind::RectangleVerticalFill;
}
// A box from (x, y) to (x2, y2): rectangles and graphs.
constexpr bool isBox(GraphicKind kind) {
    return kind == GraphicKind::Rectangle || isFilledRectangle(kind) || isGraph(kind);
}
// x2/y2 hold a second point (lines and boxes).
constexpr bool hasSecondPoint(GraphicKind kind) {
    return kind == GraphicKind::Line || isBox(kind);
}
constexpr bool isCircle(GraphicKind kind) {
    return kind == GraphicKind::Circle || kind == GraphicKind::CircleFilled;
}
// Drawn around (x, y) with a radius.
constexpr bool hasRadius(GraphicKind kind) {
    return isCircle(kind) || isArc(kind) || isDirectionMark(kind);
}
// Drawn with a line width (filled shapes have none).
constexpr bool hasStroke(GraphicKind kind) {
    return kind == GraphicKind::Line || kind == GraphicKind::Circle ||
           kind == GraphicKind::Rectangle || isArc(kind) || isDirectionMark(kind) || isGraph(kind);
}

} // namespace zef
