#include "devicescaling.h"

#include "catalog/deviceinfo.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zef {

namespace {

// Single-precision product, truncated towards zero; a product beyond 32 bits
// (a far out value on a larger screen) is held at the limit.
std::int32_t scaled(std::int32_t value, float factor) {
    const float product = std::trunc(static_cast<float>(value) * factor);
    constexpr float Lowest = static_cast<float>(std::numeric_limits<std::int32_t>::min());
    // 2^31, the first float above the largest 32-bit value.
    constexpr float Beyond = -Lowest;
    if (!(product < Beyond)) return std::numeric_limits<std::int32_t>::max();
    if (product < Lowest) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(product);
}

} // namespace

void scaleElements(std::vector<LayoutElement>& elements, const DeviceInfo& from,
                   const DeviceInfo& to) {
    const float sx = static_cast<float>(to.screenWidth) / static_cast<float>(from.screenWidth);
    const float sy = static_cast<float>(to.screenHeight) / static_cast<float>(from.screenHeight);
    for (auto& e : elements) {
        if (e.kind == KindDynamicColor) continue;
        e.prevX = e.x;
        e.x = scaled(e.x, sx);
        e.prevY = e.y;
        e.y = scaled(e.y, sy);
        if (!isArc(e.graphicKind())) {
            e.prevX2 = e.x2;
            e.x2 = scaled(e.x2, sx);
            e.prevY2 = e.y2;
            e.y2 = scaled(e.y2, sy);
        }
        e.prevRadius = e.radius;
        e.radius = std::max(scaled(e.radius, sx), 1);
        e.prevStroke = e.stroke;
        e.stroke = std::max(scaled(e.stroke, sx), 1);
    }
}

} // namespace zef
