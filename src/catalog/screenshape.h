#pragma once

#include "deviceinfo.h"

namespace zef {

// The shape of a device's screen inside its screen rectangle. Square watch
// screens are round, except the square Venu Sq models; bike computers,
// handhelds and the other watches are rectangular.
enum class ScreenShape { Rectangle, Round };

ScreenShape screenShape(const DeviceInfo& device);

// Whether the device shows screen pixel (x, y): inside the rectangle, and for a
// round screen inside its circle.
bool screenShowsPixel(const DeviceInfo& device, int x, int y);

// Whether pixel (x, y) of a round screen `diameter` pixels across shows: its
// centre lies inside the circle.
bool roundScreenShowsPixel(int diameter, int x, int y);

} // namespace zef
