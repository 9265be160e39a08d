#include "screenarea.h"

#include "catalog/deviceinfo.h"
#include "catalog/screenshape.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace zef {

namespace {

using Polygon = std::vector<QPointF>;

Polygon corners(const QRectF& r) {
    return {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
}

qreal degreesOf(QPointF v) {
    return std::atan2(v.y(), v.x()) * 180 / std::numbers::pi;
}

QPointF direction(qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180;
    return {std::cos(a), std::sin(a)};
}

bool closedIntersects(const QRectF& a, const QRectF& b) {
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

bool contains(const QRectF& outer, const QRectF& inner) {
    return outer.left() <= inner.left() && inner.right() <= outer.right() &&
           outer.top() <= inner.top() && inner.bottom() <= outer.bottom();
}

bool containsPoint(const QRectF& r, QPointF p) {
    return r.left() <= p.x() && p.x() <= r.right() && r.top() <= p.y() && p.y() <= r.bottom();
}

// Separating axes: a convex polygon (or a segment, as two points) and a
// rectangle meet unless their projections on an axis leave a gap.
bool polygonMeetsRect(const Polygon& poly, const QRectF& r) {
    std::vector<QPointF> axes = {{1, 0}, {0, 1}};
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const QPointF e = poly[(i + 1) % poly.size()] - poly[i];
        if (e != QPointF()) axes.push_back({-e.y(), e.x()});
    }
    const Polygon box = corners(r);
    for (const QPointF& axis : axes) {
        const auto project = [&axis](const Polygon& points, qreal& lo, qreal& hi) {
            lo = hi = QPointF::dotProduct(points[0], axis);
            for (const QPointF& p : points) {
                const qreal v = QPointF::dotProduct(p, axis);
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
        };
        qreal aLo, aHi, bLo, bHi;
        project(poly, aLo, aHi);
        project(box, bLo, bHi);
        if (aHi < bLo || bHi < aLo) return false;
    }
    return true;
}

qreal distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const qreal len2 = QPointF::dotProduct(ab, ab);
    const qreal t =
        len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, qreal(0), qreal(1)) : 0;
    return QLineF(p, a + t * ab).length();
}

// Distance from p to a convex polygon: 0 inside it.
qreal distanceToPolygon(QPointF p, const Polygon& poly) {
    bool inside = poly.size() >= 3;
    int side = 0;
    qreal nearest = std::numeric_limits<qreal>::max();
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
        nearest = std::min(nearest, distanceToSegment(p, a, b));
        const qreal cross = (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
        const int s = cross > 0 ? 1 : cross < 0 ? -1 : 0;
        if (s != 0) {
            if (side != 0 && s != side) inside = false;
            side = s;
        }
    }
    return inside ? 0 : nearest;
}

qreal farthestCorner(QPointF p, const Polygon& poly) {
    qreal farthest = 0;
    for (const QPointF& c : poly) farthest = std::max(farthest, QLineF(p, c).length());
    return farthest;
}

// The nearest and farthest points of a ring piece from p lie on its edges at
// the angles towards and away from p, or at the ends of its sweep.
qreal ringDistance(const ShapeRing& ring, QPointF p, bool farthest) {
    const QPointF v = ring.centre - p;
    if (v == QPointF()) return farthest ? ring.outer : ring.inner;
    std::vector<qreal> angles = {ring.startDegrees, ring.startDegrees + ring.sweepDegrees};
    const qreal towards = degreesOf(-v), away = degreesOf(v);
    if (ringCoversAngle(ring, farthest ? away : towards))
        angles.push_back(farthest ? away : towards);
    qreal best = farthest ? 0 : std::numeric_limits<qreal>::max();
    for (qreal a : angles) {
        const QPointF u = direction(a);
        if (farthest) {
            for (qreal r : {ring.inner, ring.outer})
                best = std::max(best, QLineF(QPointF(), v + r * u).length());
        } else {
            const qreal r = std::clamp(-QPointF::dotProduct(v, u), ring.inner, ring.outer);
            best = std::min(best, QLineF(QPointF(), v + r * u).length());
        }
    }
    return best;
}

bool inRing(const ShapeRing& ring, QPointF p) {
    const QPointF v = p - ring.centre;
    const qreal d = std::hypot(v.x(), v.y());
    if (d < ring.inner || d > ring.outer) return false;
    return d == 0 || ringCoversAngle(ring, degreesOf(v));
}

// Whether the circle of radius r about the ring's centre, over the ring's
// sweep, has a point in the rectangle: an end inside, or a crossing of an edge.
bool arcMeetsRect(const ShapeRing& ring, qreal r, const QRectF& rect) {
    const QPointF c = ring.centre;
    const qreal end = ring.startDegrees + ring.sweepDegrees;
    for (qreal a : {ring.startDegrees, end})
        if (containsPoint(rect, c + r * direction(a))) return true;
    for (qreal x : {rect.left(), rect.right()}) {
        const qreal dx = x - c.x();
        if (std::abs(dx) > r) continue;
        const qreal dy = std::sqrt(r * r - dx * dx);
        for (qreal y : {c.y() - dy, c.y() + dy})
            if (rect.top() <= y && y <= rect.bottom() &&
                ringCoversAngle(ring, degreesOf({dx, y - c.y()})))
                return true;
    }
    for (qreal y : {rect.top(), rect.bottom()}) {
        const qreal dy = y - c.y();
        if (std::abs(dy) > r) continue;
        const qreal dx = std::sqrt(r * r - dy * dy);
        for (qreal x : {c.x() - dx, c.x() + dx})
            if (rect.left() <= x && x <= rect.right() &&
                ringCoversAngle(ring, degreesOf({x - c.x(), dy})))
                return true;
    }
    return false;
}

// A ring piece meets a rectangle when a corner of the rectangle lies in it or
// its outline (both edges and, for a sector, its two ends) meets the rectangle.
bool ringMeetsRect(const ShapeRing& ring, const QRectF& rect) {
    if (!closedIntersects(ringBounds(ring), rect)) return false;
    for (const QPointF& c : corners(rect))
        if (inRing(ring, c)) return true;
    if (arcMeetsRect(ring, ring.outer, rect)) return true;
    if (ring.inner > 0 && arcMeetsRect(ring, ring.inner, rect)) return true;
    if (ring.sweepDegrees < 360) {
        for (qreal a : {ring.startDegrees, ring.startDegrees + ring.sweepDegrees}) {
            const QPointF u = direction(a);
            if (polygonMeetsRect({ring.centre + ring.inner * u, ring.centre + ring.outer * u},
                                 rect))
                return true;
        }
    }
    return false;
}

} // namespace

ScreenArea::ScreenArea(const DeviceInfo& device)
    : m_width(device.screenWidth), m_height(device.screenHeight),
      m_round(screenShape(device) == ScreenShape::Round),
      m_centre(device.screenWidth / 2.0, device.screenHeight / 2.0),
      m_radius(device.screenWidth / 2.0) {}

Coverage ScreenArea::coverage(const ElementShape& shape) const {
    if (shape.isEmpty() || wholeInside(shape)) return Coverage::Whole;
    return meets(shape) ? Coverage::Part : Coverage::None;
}

bool ScreenArea::wholeInside(const ElementShape& shape) const {
    if (!m_round) {
        const QRectF outer(-Slack, -Slack, m_width + 2 * Slack, m_height + 2 * Slack);
        return contains(outer, shape.bounds());
    }
    const qreal limit = m_radius + Slack;
    for (const QRectF& r : shape.boxes)
        if (farthestCorner(m_centre, corners(r)) > limit) return false;
    for (const ShapeBand& b : shape.bands)
        if (farthestCorner(m_centre, bandCorners(b)) > limit) return false;
    for (const ShapeRing& r : shape.rings)
        if (ringDistance(r, m_centre, true) > limit) return false;
    return true;
}

bool ScreenArea::meets(const ElementShape& shape) const {
    if (!m_round) {
        const QRectF inner(Slack, Slack, m_width - 2 * Slack, m_height - 2 * Slack);
        for (const QRectF& r : shape.boxes)
            if (closedIntersects(r, inner)) return true;
        for (const ShapeBand& b : shape.bands)
            if (polygonMeetsRect(bandCorners(b), inner)) return true;
        for (const ShapeRing& r : shape.rings)
            if (ringMeetsRect(r, inner)) return true;
        return false;
    }
    const qreal limit = m_radius - Slack;
    for (const QRectF& r : shape.boxes)
        if (distanceToPolygon(m_centre, corners(r)) <= limit) return true;
    for (const ShapeBand& b : shape.bands)
        if (distanceToPolygon(m_centre, bandCorners(b)) <= limit) return true;
    for (const ShapeRing& r : shape.rings)
        if (ringDistance(r, m_centre, false) <= limit) return true;
    return false;
}

Overshoot ScreenArea::overshoot(const ElementShape& shape) const {
    Overshoot o;
    if (shape.isEmpty()) return o;
    const QRectF b = shape.bounds();
    o.left = std::max<qreal>(0, -b.left());
    o.right = std::max<qreal>(0, b.right() - m_width);
    o.top = std::max<qreal>(0, -b.top());
    o.bottom = std::max<qreal>(0, b.bottom() - m_height);
    if (m_round) {
        qreal farthest = 0;
        for (const QRectF& r : shape.boxes)
            farthest = std::max(farthest, farthestCorner(m_centre, corners(r)));
        for (const ShapeBand& band : shape.bands)
            farthest = std::max(farthest, farthestCorner(m_centre, bandCorners(band)));
        for (const ShapeRing& r : shape.rings)
            farthest = std::max(farthest, ringDistance(r, m_centre, true));
        o.circle = std::max<qreal>(0, farthest - m_radius);
    }
    return o;
}

} // namespace zef
