#include "elementgeometry.h"

#include <algorithm>
#include <limits>

namespace zef {

namespace {

std::int32_t shifted(std::int32_t v, std::int64_t d) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t(v) + d, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

ElementGeometry geometryOf(const LayoutElement& e) {
    return {e.x, e.y, e.x2, e.y2, e.radius};
}

bool applyGeometry(LayoutElement& e, const ElementGeometry& g) {
    if (geometryOf(e) == g) return false;
    e.x = g.x;
    e.y = g.y;
    e.x2 = g.x2;
    e.y2 = g.y2;
    e.radius = g.radius;
    return true;
}

bool hasPosition(const LayoutElement& e) {
    return e.kind == KindValue || e.kind == KindGraphic;
}

ElementGeometry movedBy(const LayoutElement& e, std::int64_t dx, std::int64_t dy) {
    ElementGeometry g = geometryOf(e);
    if (!hasPosition(e)) return g;
    g.x = shifted(g.x, dx);
    g.y = shifted(g.y, dy);
    if (e.kind == KindGraphic && hasSecondPoint(e.graphicKind())) {
        g.x2 = shifted(g.x2, dx);
        g.y2 = shifted(g.y2, dy);
    }
    return g;
}

ElementVector offsetCopies(ElementVector copies, int screenWidth, int screenHeight) {
    // The farthest point right and down that the copies reach.
    std::int64_t right = std::numeric_limits<std::int64_t>::min();
    std::int64_t bottom = right;
    for (const LayoutElement& e : copies) {
        if (!hasPosition(e)) continue;
        const ElementGeometry g = geometryOf(e);
        right = std::max<std::int64_t>(right, g.x);
        bottom = std::max<std::int64_t>(bottom, g.y);
        if (e.kind == KindGraphic && hasSecondPoint(e.graphicKind())) {
            right = std::max<std::int64_t>(right, g.x2);
            bottom = std::max<std::int64_t>(bottom, g.y2);
        }
    }
    const int dx = right + CopyOffset < screenWidth ? CopyOffset : -CopyOffset;
    const int dy = bottom + CopyOffset < screenHeight ? CopyOffset : -CopyOffset;
    for (LayoutElement& e : copies) applyGeometry(e, movedBy(e, dx, dy));
    return copies;
}

} // namespace zef
