#pragma once

#include "layoutelement.h"

#include <cstdint>

namespace zef {

// The members that place an element on the screen: what dragging the element
// or one of its handles changes. Stroke and the rest of the element stay.
struct ElementGeometry {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    std::int32_t radius = 0;

    bool operator==(const ElementGeometry&) const = default;
};

ElementGeometry geometryOf(const LayoutElement& e);
// Writes g into e; returns whether any member changed.
bool applyGeometry(LayoutElement& e, const ElementGeometry& g);

// Whether the element has a place on the screen: values and graphics do,
// dynamic colours and separators do not.
bool hasPosition(const LayoutElement& e);

// The element's geometry moved by (dx, dy): x and y, and x2 and y2 where they
// are a second point (lines, rectangles, bars, graphs). Angles, the arrows'
// offset and the radius stay. Elements without a position do not move. Values
// are held within the 32-bit range.
ElementGeometry movedBy(const LayoutElement& e, std::int64_t dx, std::int64_t dy);

// How far a copy (Clone, Paste) lands from its original, in device pixels,
// right and down: beside it, where it can be seen and picked.
constexpr int CopyOffset = 4;

// The copies moved together by CopyOffset to the right and down, or to the
// left or up on an axis where that would take one of them past the screen's
// edge (screen width and height in device pixels).
ElementVector offsetCopies(ElementVector copies, int screenWidth, int screenHeight);

} // namespace zef
