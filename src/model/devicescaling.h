#pragma once

#include "layoutelement.h"

#include <vector>

namespace zef {

struct DeviceInfo;

// Scale to device: maps every element but the dynamic colours from the screen
// of `from` to the screen of `to`, horizontal values (x, x2, radius, stroke) by
// the width ratio and vertical ones by the height ratio, in single precision,
// truncated towards zero. Arcs keep their angles; radius and stroke stay at
// least 1. The previous geometry is remembered for the repaint.
void scaleElements(std::vector<LayoutElement>& elements, const DeviceInfo& from,
                   const DeviceInfo& to);

} // namespace zef
