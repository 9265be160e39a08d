#pragma once

#include "model/elementgeometry.h"

#include <QPointF>
#include <qnamespace.h>

#include <vector>

namespace zef {

struct LayoutElement;

// The handles a selected graphic shows on the preview; dragging one changes
// only the member (or point) it stands for.
enum class HandleRole {
    None,
    FirstPoint,  // x, y of lines, rectangles, bars and graphs
    SecondPoint, // x2, y2 of the same kinds
    Radius,      // circles, arcs, direction arrows and triangles
    StartAngle,  // x2 of arcs
    EndAngle,    // y2 of arcs
    Offset,      // y2 ("-Y Offset") of direction arrows and triangles
};

// How a handle follows the pointer: freely, along a ray from the centre (a
// radius), around the centre (an angle), or up and down only (an offset).
enum class HandleMotion { Point, Ray, Angle, Vertical };

HandleMotion handleMotion(HandleRole role);
// The roles of e's handles, in the order they are drawn; none for values,
// dynamic colours, separators and graphic kinds without a place.
std::vector<HandleRole> handleRoles(const LayoutElement& e);

struct ElementHandle {
    HandleRole role = HandleRole::None;
    // The device point it stands for: pixel (i, j) is the point (i, j).
    QPointF at;
};
std::vector<ElementHandle> elementHandles(const LayoutElement& e);

// For a Ray handle: the centre it moves out from and the unit direction; for an
// Angle handle: the centre it turns about (direction unused).
QPointF handleOrigin(const LayoutElement& e, HandleRole role);
QPointF handleDirection(const LayoutElement& e, HandleRole role);

// The geometry of e with the handle moved to device point `at` (for a Ray the
// point's distance along the ray counts, for an Angle its direction from the
// centre, for an Offset its height). Only the handle's member changes; angles
// stay within a half turn of their old value, radii at 0 or more.
ElementGeometry geometryWithHandleAt(const LayoutElement& e, HandleRole role, QPointF at);

// The pointer shape over a handle: a cross for points (the element's body has
// the four-way arrow), a two-way arrow along the way the others move.
Qt::CursorShape handleCursorShape(const LayoutElement& e, HandleRole role);

} // namespace zef
