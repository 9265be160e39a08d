#pragma once

#include "catalog/deviceinfo.h"
#include "model/layoutelement.h"

#include <vector>

namespace zef {

// Whether a click at device-screen point (px, py) hits element e: a value by
// the text box of its last paint, a graphic by its kind's shape widened by
// stroke / 2 + 4 pixels. Dynamic colours and separators are never hit.
bool elementHit(const LayoutElement& e, int px, int py);

// The topmost element (the last in the document) hit at (px, py) on device d,
// or -1; points outside the screen (its right and bottom edge included) hit
// nothing.
int elementAtPoint(const std::vector<LayoutElement>& elements, const DeviceInfo& d, int px, int py);

} // namespace zef
