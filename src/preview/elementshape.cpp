#include "elementshape.h"

#include "model/layoutelement.h"
#include "preview/previewgeometry.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zef {

namespace {

// The same arithmetic as ElementPainter's drawing, in client pixels with 64-bit
// integers: stored values are not bounded.
qint64 truncated(double v) {
    return static_cast<qint64>(std::clamp(std::trunc(v), -1e15, 1e15));
}

QRectF box(qreal x, qreal y, qreal w, qreal h) {
    return QRectF(x, y, w, h).normalized();
}

// A pen of width 0 or less paints one pixel wide.
qreal penWidth(qint64 stroke) {
    return stroke > 0 ? qreal(stroke) : 1;
}

// Aliased lines of an odd width put their spare pixel right of and below the
// line: half a pixel further on in pixel squares.
qreal lineShift(qreal width) {
    return std::fmod(width, 2) == 1 ? 0.5 : 0;
}

// Aliased ellipses and arcs do so only at width 1; wider ones are filled
// outlines that stay centred.
qreal ringShift(qreal width) {
    return width <= 1 ? 0.5 : 0;
}

class ShapeBuilder {
public:
    explicit ShapeBuilder(QPointF origin) : m_origin(origin) {}

    void addBox(const QRectF& r) {
        if (r.width() > 0 && r.height() > 0) m_shape.boxes.push_back(r.translated(-m_origin));
    }
    // The line from a to b as an aliased pen of the width paints it; with
    // square ends (lines and direction marks paint both end points) the pen
    // reaches half its width past each end.
    void addLine(QPointF a, QPointF b, qreal width, bool squareEnds = false) {
        const qreal s = lineShift(width);
        if (a == b) {
            // A line of no length shows its pen's square with square ends; with
            // flat ends one pixel at width 1 and nothing wider.
            if (squareEnds)
                addBox(QRectF(a - QPointF(width / 2 - s, width / 2 - s), QSizeF(width, width)));
            else if (width <= 1)
                addBox(QRectF(a, QSizeF(1, 1)));
            return;
        }
        if (squareEnds) {
            const QPointF d = b - a;
            const qreal length = std::hypot(d.x(), d.y());
            const QPointF reach = d * (width / 2 / length);
            a -= reach;
            b += reach;
        }
        m_shape.bands.push_back(
            {a + QPointF(s, s) - m_origin, b + QPointF(s, s) - m_origin, width});
    }
    void addRing(QPointF centre, qreal radius, qreal width, qreal start, qreal sweep) {
        if (radius <= 0 || sweep == 0) return;
        const qreal s = ringShift(width);
        if (sweep < 0) {
            start += sweep;
            sweep = -sweep;
        }
        start = std::fmod(start, 360);
        if (start < 0) start += 360;
        m_shape.rings.push_back({centre + QPointF(s, s) - m_origin,
                                 std::max<qreal>(0, radius - width / 2), radius + width / 2, start,
                                 std::min<qreal>(sweep, 360)});
    }
    void addDisc(QPointF centre, qreal radius) {
        if (radius > 0) m_shape.rings.push_back({centre - m_origin, 0, radius, 0, 360});
    }
    // Replaces the pieces so far by the ring they sweep turning about pivot.
    void sweepAbout(QPointF pivot) {
        const QPointF p = pivot - m_origin;
        qreal nearest = std::numeric_limits<qreal>::max(), farthest = 0;
        const auto take = [&](const std::vector<QPointF>& corners) {
            // The pieces are convex: their farthest points are corners; the
            // nearest is at most the distance to the nearest edge.
            for (std::size_t i = 0; i < corners.size(); ++i) {
                const QPointF a = corners[i], b = corners[(i + 1) % corners.size()];
                farthest = std::max(farthest, QLineF(p, a).length());
                nearest = std::min(nearest, distanceToSegment(p, a, b));
            }
        };
        for (const QRectF& r : m_shape.boxes)
            take({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()});
        for (const ShapeBand& b : m_shape.bands) take(bandCorners(b));
        const bool any = !m_shape.isEmpty();
        m_shape = ElementShape();
        if (any) m_shape.rings.push_back({p, nearest, farthest, 0, 360});
    }

    ElementShape take() { return std::move(m_shape); }

private:
    static qreal distanceToSegment(QPointF p, QPointF a, QPointF b) {
        const QPointF ab = b - a;
        const qreal len2 = QPointF::dotProduct(ab, ab);
        const qreal t =
            len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, qreal(0), qreal(1)) : 0;
        return QLineF(p, a + t * ab).length();
    }

    QPointF m_origin;
    ElementShape m_shape;
};

} // namespace

QRectF ElementShape::bounds() const {
    QRectF all;
    const auto unite = [&all](const QRectF& r) { all = all.isNull() ? r : all.united(r); };
    for (const QRectF& r : boxes) unite(r);
    for (const ShapeBand& b : bands) {
        const std::vector<QPointF> c = bandCorners(b);
        qreal left = c[0].x(), right = left, top = c[0].y(), bottom = top;
        for (const QPointF& p : c) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        unite(QRectF(QPointF(left, top), QPointF(right, bottom)));
    }
    for (const ShapeRing& r : rings) unite(ringBounds(r));
    return all;
}

std::vector<QPointF> bandCorners(const ShapeBand& band) {
    const QPointF d = band.to - band.from;
    const qreal length = std::hypot(d.x(), d.y());
    // Perpendicular to the band, half its width long.
    const QPointF n = length > 0 ? QPointF(-d.y(), d.x()) * (band.width / 2 / length) : QPointF();
    return {band.from + n, band.to + n, band.to - n, band.from - n};
}

bool ringCoversAngle(const ShapeRing& ring, qreal degrees) {
    if (ring.sweepDegrees >= 360) return true;
    qreal from = std::fmod(degrees - ring.startDegrees, 360);
    if (from < 0) from += 360;
    return from <= ring.sweepDegrees;
}

QRectF ringBounds(const ShapeRing& ring) {
    const QPointF c = ring.centre;
    if (ring.sweepDegrees >= 360)
        return QRectF(c.x() - ring.outer, c.y() - ring.outer, 2 * ring.outer, 2 * ring.outer);
    // The ends of both edges, and the outer edge where it points along an axis.
    qreal left = c.x(), right = c.x(), top = c.y(), bottom = c.y();
    bool first = true;
    const auto include = [&](qreal degrees, qreal r) {
        const qreal a = degrees * std::numbers::pi / 180;
        const QPointF p = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (first) {
            left = right = p.x();
            top = bottom = p.y();
            first = false;
        }
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    };
    const qreal end = ring.startDegrees + ring.sweepDegrees;
    for (qreal r : {ring.inner, ring.outer}) {
        include(ring.startDegrees, r);
        include(end, r);
    }
    for (int axis = 0; axis < 360; axis += 90)
        if (ringCoversAngle(ring, axis)) include(axis, ring.outer);
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

ElementShape graphicShape(const LayoutElement& e, const DeviceInfo& d) {
    if (e.kind != KindGraphic) return {};
    const QPoint o = preview::screenOrigin(d);
    ShapeBuilder shape(o);
    const qint64 X = o.x() + qint64(e.x), Y = o.y() + qint64(e.y);
    const qint64 X2 = o.x() + qint64(e.x2), Y2 = o.y() + qint64(e.y2);
    const qint64 W = qint64(e.x2) - e.x, H = qint64(e.y2) - e.y;
    const qint64 R = e.radius;
    const qreal S = penWidth(e.stroke);
    const QPointF centre(X, Y);

    switch (e.graphicKind()) {
    case GraphicKind::Line:
        shape.addLine(QPointF(X, Y), QPointF(X2, Y2), S, true);
        break;
    case GraphicKind::Circle:
        shape.addRing(centre, std::abs(R), S, 0, 360);
        break;
    case GraphicKind::CircleFilled:
        shape.addDisc(centre, std::abs(R));
        break;
    case GraphicKind::Rectangle: {
        if (W == 0 && H == 0) break;
        const QRectF r = box(X, Y, W, H);
        const qreal h = S / 2;
        shape.addLine(QPointF(r.left() - h, r.top()), QPointF(r.right() + h, r.top()), S);
        shape.addLine(QPointF(r.left() - h, r.bottom()), QPointF(r.right() + h, r.bottom()), S);
        shape.addLine(QPointF(r.left(), r.top() - h), QPointF(r.left(), r.bottom() + h), S);
        shape.addLine(QPointF(r.right(), r.top() - h), QPointF(r.right(), r.bottom() + h), S);
        break;
    }
    case GraphicKind::RectangleFilled:
        shape.addBox(box(X, Y, W, H));
        break;
    case GraphicKind::RectangleHorizontalFill: {
        const qint64 full = truncated(0.75 * double(W));
        const qint64 empty = truncated(0.25 * double(W));
        shape.addBox(box(X, Y, full, H));
        shape.addBox(box(X + full, Y, empty, H));
        break;
    }
    case GraphicKind::RectangleVerticalFill: {
        const qint64 top = truncated(double(Y) + 0.25 * double(H));
        shape.addBox(box(X, top, W, truncated(0.75 * double(H))));
        shape.addBox(box(X, Y, W, truncated(0.25 * double(H))));
        break;
    }
    case GraphicKind::Arc:
    case GraphicKind::ArcFilled: {
        const qint64 start = e.x2 % 360;
        const qint64 sweep = std::clamp<qint64>(qint64(e.y2) - e.x2, -360, 360);
        shape.addRing(centre, std::abs(R), S, qreal(start), qreal(sweep));
        break;
    }
    case GraphicKind::DirectionArrow:
    case GraphicKind::DirectionTriangle: {
        const qint64 Yc = Y - e.y2;
        if (e.graphicKind() == GraphicKind::DirectionArrow) {
            shape.addLine(QPointF(X, Yc - R), QPointF(X, Yc + R), S, true);
            shape.addLine(QPointF(X, Yc - R), QPointF(X - R / 5, Yc - R / 2), S, true);
            shape.addLine(QPointF(X, Yc - R), QPointF(X + R / 5, Yc - R / 2), S, true);
        } else {
            const qint64 D = (2 * R) / 3;
            shape.addLine(QPointF(X - D, Yc + D), QPointF(X, Yc - R), S, true);
            shape.addLine(QPointF(X + D, Yc + D), QPointF(X, Yc - R), S, true);
            shape.addLine(QPointF(X - D, Yc + D), QPointF(X, Yc), S, true);
            shape.addLine(QPointF(X + D, Yc + D), QPointF(X, Yc), S, true);
        }
        shape.sweepAbout(QPointF(X, Y) + QPointF(lineShift(S), lineShift(S)));
        break;
    }
    case GraphicKind::GraphLeftTop:
    case GraphicKind::GraphRightTop:
    case GraphicKind::GraphLeftBottom:
    case GraphicKind::GraphRightBottom: { // Graphs: bars of pen width stroke, as high as the frame
                                          // at most
        if (!(Y2 > Y && X2 > X) || e.stroke <= 0) break;
        const qint64 s = e.stroke;
        const qint64 n = W / s;
        if (n <= 0) break;
        const bool left = !isGraphFromRight(e.graphicKind());
        const qint64 firstX = left ? X + s / 2 : X2 - s / 2 - (n - 1) * s;
        const qint64 lastX = left ? X + (n - 1) * s + s / 2 : X2 - s / 2;
        // Across, the bars' pen widths; down, the whole frame a bar can fill.
        const qreal shift = lineShift(qreal(s));
        shape.addBox(QRectF(QPointF(qreal(firstX) - qreal(s) / 2 + shift, qreal(Y)),
                            QPointF(qreal(lastX) + qreal(s) / 2 + shift, qreal(Y2))));
        break;
    }
    default:
        break;
    }
    return shape.take();
}

} // namespace zef
