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

bool graphicHit(const LayoutElement& e, i64 px, i64 py) {
    const i64 T = e.stroke / 2 + 4;
    const i64 loX = std::min(e.x, e.x2), hiX = std::max(e.x, e.x2);
    const i64 loY = std::min(e.y, e.y2), hiY = std::max(e.y, e.y2);
    const i64 R = e.radius;
    // Squares in doubles: exact for any distance on a screen, no overflow for
    // elements placed far away.
    const double dx = double(px - e.x), dy = double(py - e.y);
    const double d2 = dx * dx + dy * dy;
    const double inner = double(R - T) * double(R - T), outer = double(R + T) * double(R + T);
    const bool inBox = within(loX - T, px, hiX + T) && within(loY - T, py, hiY + T);
    const bool onRing = inner <= d2 && d2 <= outer;

    switch (e.graphicType) {
    case 4:
    case 5:
    case 6:
    case 11:
    case 12:
    case 13:
    case 14:
        return inBox;
    case 0: {
        if (e.x != e.x2 && e.y != e.y2) {
            const double m = double(i64(e.y2) - e.y) / double(i64(e.x2) - e.x);
            const double b = double(e.y) - m * double(e.x);
            const double y = double(py);
            return b - double(T) + m * double(px) <= y && y <= b + double(T) + m * double(px) &&
                   inBox;
        }
        return strictlyWithin(loX - T, px, hiX + T) && strictlyWithin(loY - T, py, hiY + T);
    }
    case 3: {
        const bool nearHorizontalSide =
            within(loY - T, py, loY + T) || within(hiY - T, py, hiY + T);
        const bool nearVerticalSide = within(loX - T, px, loX + T) || within(hiX - T, px, hiX + T);
        return (nearHorizontalSide && within(loX - T, px, hiX + T)) ||
               (nearVerticalSide && within(loY - T, py, hiY + T));
    }
    case 1:
        return onRing;
    case 2:
        return d2 <= outer;
    case GraphicArc:
    case GraphicArcFilled: {
        const i64 lo = std::min(e.x2, e.y2), hi = std::max(e.x2, e.y2);
        if (lo >= hi || !onRing) return false;
        // Past one full turn every degree has been tried.
        const i64 end = std::min(hi, lo + 360);
        for (i64 a = lo; a < end; ++a) {
            const double rad = double(a % 360) * std::numbers::pi / 180.0;
            const double ax = double(e.x) + double(R) * std::cos(rad) - double(px);
            const double ay = double(e.y) + double(R) * std::sin(rad) - double(py);
            if (ax * ax + ay * ay <= double(T * T)) return true;
        }
        return false;
    }
    case GraphicDirectionArrow:
        return strictlyWithin(e.x - R / 5 - T, px, e.x + R / 5 + T) &&
               strictlyWithin(e.y - R - T, py, e.y + R + T);
    case GraphicDirectionTriangle:
        return strictlyWithin(e.x - R - T, px, e.x + R + T) &&
               strictlyWithin(e.y - R - T, py, e.y + R + T);
    default:
        return false;
    }
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
