#include "elementhandles.h"

#include "model/layoutelement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace zef {

namespace {

using enum HandleRole;

// The handles of each graphic kind.
struct HandleRow {
    GraphicKind kind;
    std::array<HandleRole, 3> roles;
};

constexpr HandleRow HandleRows[] = {
    {GraphicKind::Line, {FirstPoint, SecondPoint, None}},
    {GraphicKind::Circle, {Radius, None, None}},
    {GraphicKind::CircleFilled, {Radius, None, None}},
    {GraphicKind::Rectangle, {FirstPoint, SecondPoint, None}},
    {GraphicKind::RectangleFilled, {FirstPoint, SecondPoint, None}},
    {GraphicKind::RectangleHorizontalFill, {FirstPoint, SecondPoint, None}},
    {GraphicKind::RectangleVerticalFill, {FirstPoint, SecondPoint, None}},
    {GraphicKind::Arc, {Radius, StartAngle, EndAngle}},
    {GraphicKind::ArcFilled, {Radius, StartAngle, EndAngle}},
    {GraphicKind::DirectionArrow, {Radius, Offset, None}},
    {GraphicKind::DirectionTriangle, {Radius, Offset, None}},
    {GraphicKind::GraphLeftTop, {FirstPoint, SecondPoint, None}},
    {GraphicKind::GraphRightTop, {FirstPoint, SecondPoint, None}},
    {GraphicKind::GraphLeftBottom, {FirstPoint, SecondPoint, None}},
    {GraphicKind::GraphRightBottom, {FirstPoint, SecondPoint, None}},
};

// What each role changes and how it moves.
struct RoleRow {
    HandleRole role;
    HandleMotion motion;
};

constexpr RoleRow RoleRows[] = {
    {FirstPoint, HandleMotion::Point}, {SecondPoint, HandleMotion::Point},
    {Radius, HandleMotion::Ray},       {StartAngle, HandleMotion::Angle},
    {EndAngle, HandleMotion::Angle},   {Offset, HandleMotion::Vertical},
};

qreal radians(qreal degrees) {
    return degrees * std::numbers::pi / 180;
}

QPointF unitAt(qreal degrees) {
    return {std::cos(radians(degrees)), std::sin(radians(degrees))};
}

// Where the arrow's shape is centred: y2 above the pivot.
QPointF arrowCentre(const LayoutElement& e) {
    return {qreal(e.x), qreal(e.y) - qreal(e.y2)};
}

std::int32_t whole(qreal v) {
    return static_cast<std::int32_t>(std::clamp<qreal>(std::round(v),
                                                       std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::int32_t>::max()));
}

// The angle of `direction` in whole degrees, the turn nearest to `old`.
std::int32_t angleNear(QPointF direction, std::int32_t old) {
    qreal a = std::atan2(direction.y(), direction.x()) * 180 / std::numbers::pi;
    a += 360 * std::round((qreal(old) - a) / 360);
    return whole(a);
}

// The size cursors by the direction (modulo a half turn) they point in.
Qt::CursorShape sizeCursorAlong(QPointF direction) {
    qreal a = std::atan2(direction.y(), direction.x()) * 180 / std::numbers::pi;
    a = std::fmod(a + 360, 180); // 0..180, y growing downwards
    if (a < 22.5 || a >= 157.5) return Qt::SizeHorCursor;
    if (a < 67.5) return Qt::SizeFDiagCursor;
    if (a < 112.5) return Qt::SizeVerCursor;
    return Qt::SizeBDiagCursor;
}

} // namespace

HandleMotion handleMotion(HandleRole role) {
    for (const RoleRow& r : RoleRows)
        if (r.role == role) return r.motion;
    return HandleMotion::Point;
}

std::vector<HandleRole> handleRoles(const LayoutElement& e) {
    std::vector<HandleRole> roles;
    if (e.kind != KindGraphic) return roles;
    for (const HandleRow& row : HandleRows)
        if (row.kind == e.graphicKind())
            for (HandleRole r : row.roles)
                if (r != None) roles.push_back(r);
    return roles;
}

QPointF handleOrigin(const LayoutElement& e, HandleRole role) {
    if (isDirectionMark(e.graphicKind()) && role == Radius) return arrowCentre(e);
    return {qreal(e.x), qreal(e.y)};
}

QPointF handleDirection(const LayoutElement& e, HandleRole role) {
    if (role != Radius) return {};
    // Arrows point up; an arc's radius handle sits midway along it.
    if (isDirectionMark(e.graphicKind())) return {0, -1};
    if (isArc(e.graphicKind())) return unitAt((qreal(e.x2) + qreal(e.y2)) / 2);
    return {1, 0};
}

std::vector<ElementHandle> elementHandles(const LayoutElement& e) {
    std::vector<ElementHandle> handles;
    for (HandleRole role : handleRoles(e)) {
        QPointF at;
        switch (role) {
        case FirstPoint:
            at = QPointF(e.x, e.y);
            break;
        case SecondPoint:
            at = QPointF(e.x2, e.y2);
            break;
        case Radius:
            at = handleOrigin(e, role) + handleDirection(e, role) * qreal(e.radius);
            break;
        case StartAngle:
            at = QPointF(e.x, e.y) + unitAt(e.x2) * qreal(e.radius);
            break;
        case EndAngle:
            at = QPointF(e.x, e.y) + unitAt(e.y2) * qreal(e.radius);
            break;
        case Offset:
            at = arrowCentre(e);
            break;
        case None:
            continue;
        }
        handles.push_back({role, at});
    }
    return handles;
}

ElementGeometry geometryWithHandleAt(const LayoutElement& e, HandleRole role, QPointF at) {
    ElementGeometry g = geometryOf(e);
    switch (role) {
    case FirstPoint:
        g.x = whole(at.x());
        g.y = whole(at.y());
        break;
    case SecondPoint:
        g.x2 = whole(at.x());
        g.y2 = whole(at.y());
        break;
    case Radius:
        g.radius = std::max(
            0, whole(QPointF::dotProduct(at - handleOrigin(e, role), handleDirection(e, role))));
        break;
    case StartAngle:
        g.x2 = angleNear(at - QPointF(e.x, e.y), e.x2);
        break;
    case EndAngle:
        g.y2 = angleNear(at - QPointF(e.x, e.y), e.y2);
        break;
    case Offset:
        g.y2 = whole(qreal(e.y) - at.y());
        break;
    case None:
        break;
    }
    return g;
}

Qt::CursorShape handleCursorShape(const LayoutElement& e, HandleRole role) {
    switch (handleMotion(role)) {
    case HandleMotion::Point:
        // The body moves under the four-way arrow; a point is placed exactly.
        return Qt::CrossCursor;
    case HandleMotion::Ray:
        return sizeCursorAlong(handleDirection(e, role));
    case HandleMotion::Angle: {
        // Along the circle: across the radius to the handle.
        const qreal a = role == StartAngle ? e.x2 : e.y2;
        const QPointF radial = unitAt(a);
        return sizeCursorAlong(QPointF(-radial.y(), radial.x()));
    }
    case HandleMotion::Vertical:
        return Qt::SizeVerCursor;
    }
    return Qt::ArrowCursor;
}

} // namespace zef
