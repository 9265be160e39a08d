#include "elementhittest.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zef {

namespace {

// Tests in 64 bits: coordinates and radii are stored unbounded.
using i64 = long long;

bool within(i64 lo, i64 v, i64 hi) {
    return lo <= v && v <= hi;
}
bool strictlyWithin(i64 lo, i64 v, i64 hi) {
    return lo < v && v < hi;
}

// What the hit tests of the graphic kinds share: the tolerance around a stroke
// and the element's box, distance and ring around its centre.
struct HitGeometry {
    i64 px, py;
    i64 T; // half the stroke plus four pixels
    i64 loX, hiX, loY, hiY;
    i64 R;
    double d2;    // squared distance from (x, y)
    double outer; // squared outer radius of the ring
    bool inBox;
    bool onRing;

    HitGeometry(const LayoutElement& e, i64 x, i64 y) : px(x), py(y) {
        T = e.stroke / 2 + 4;
        loX = std::min(e.x, e.x2), hiX = std::max(e.x, e.x2);
        loY = std::min(e.y, e.y2), hiY = std::max(e.y, e.y2);
        R = e.radius;
        // Squares in doubles: exact for any distance on a screen, no overflow for
        // elements placed far away.
        const double dx = double(px - e.x), dy = double(py - e.y);
        d2 = dx * dx + dy * dy;
        const double inner = double(R - T) * double(R - T);
        outer = double(R + T) * double(R + T);
        inBox = within(loX - T, px, hiX + T) && within(loY - T, py, hiY + T);
        onRing = inner <= d2 && d2 <= outer;
    }
};

bool lineHit(const LayoutElement& e, const HitGeometry& g) {
    if (e.x != e.x2 && e.y != e.y2) {
        const double m = double(i64(e.y2) - e.y) / double(i64(e.x2) - e.x);
        const double b = double(e.y) - m * double(e.x);
        const double y = double(g.py), x = double(g.px);
        return b - double(g.T) + m * x <= y && y <= b + double(g.T) + m * x && g.inBox;
    }
    return strictlyWithin(g.loX - g.T, g.px, g.hiX + g.T) &&
           strictlyWithin(g.loY - g.T, g.py, g.hiY + g.T);
}

bool rectangleOutlineHit(const HitGeometry& g) {
    const i64 T = g.T, px = g.px, py = g.py;
    const bool nearHorizontalSide =
        within(g.loY - T, py, g.loY + T) || within(g.hiY - T, py, g.hiY + T);
    const bool nearVerticalSide =
        within(g.loX - T, px, g.loX + T) || within(g.hiX - T, px, g.hiX + T);
    return (nearHorizontalSide && within(g.loX - T, px, g.hiX + T)) ||
           (nearVerticalSide && within(g.loY - T, py, g.hiY + T));
}

bool arcHit(const LayoutElement& e, const HitGeometry& g) {
    const i64 lo = std::min(e.x2, e.y2), hi = std::max(e.x2, e.y2);
    if (lo >= hi || !g.onRing) return false;
    // Past one full turn every degree has been tried.
    const i64 end = std::min(hi, lo + 360);
    for (i64 a = lo; a < end; ++a) {
        const double rad = double(a % 360) * std::numbers::pi / 180.0;
        const double ax = double(e.x) + double(g.R) * std::cos(rad) - double(g.px);
        const double ay = double(e.y) + double(g.R) * std::sin(rad) - double(g.py);
        if (ax * ax + ay * ay <= double(g.T * g.T)) return true;
    }
    return false;
}

bool graphicHit(const LayoutElement& e, i64 px, i64 py) {
    const HitGeometry g(e, px, py);
    const i64 T = g.T, R = g.R;
    switch (e.graphicKind()) {
    case GraphicKind::Line:
        return lineHit(e, g);
    case GraphicKind::Circle:
        return g.onRing;
    case GraphicKind::CircleFilled:
        return g.d2 <= g.outer;
    case GraphicKind::Rectangle:
        return rectangleOutlineHit(g);
    case GraphicKind::RectangleFilled:
    case GraphicKind::RectangleHorizontalFill:
    case GraphicKind::RectangleVerticalFill:
    case GraphicKind::GraphLeftTop:
    case GraphicKind::GraphRightTop:
    case GraphicKind::GraphLeftBottom:
    case GraphicKind::GraphRightBottom:
        return g.inBox;
    case GraphicKind::Arc:
    case GraphicKind::ArcFilled:
        return arcHit(e, g);
    case GraphicKind::DirectionArrow:
        return strictlyWithin(e.x - R / 5 - T, px, e.x + R / 5 + T) &&
               strictlyWithin(e.y - R - T, py, e.y + R + T);
    case GraphicKind::DirectionTriangle:
        return strictlyWithin(e.x - R - T, px, e.x + R + T) &&
               strictlyWithin(e.y - R - T, py, e.y + R + T);
    }
    return false;
}

} // namespace

bool elementHit(const LayoutElement& e, int px, int py) {
    switch (e.kind) {
    case KindValue:
        return within(e.textLeft, px, i64(e.textLeft) + e.textWidth) &&
               within(e.textTop, py, i64(e.textTop) + e.textHeight);
    case KindGraphic:
        return graphicHit(e, px, py);
    default:
        return false;
    }
}

int elementAtPoint(const std::vector<LayoutElement>& elements, const DeviceInfo& d, int px,
                   int py) {
    if (px < 0 || px > d.screenWidth || py < 0 || py > d.screenHeight) return -1;
    for (int i = static_cast<int>(elements.size()) - 1; i >= 0; --i)
        if (elementHit(elements[static_cast<std::size_t>(i)], px, py)) return i;
    return -1;
}

} // namespace zef
