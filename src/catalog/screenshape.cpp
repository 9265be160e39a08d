#include "screenshape.h"

#include <QLatin1String>

namespace zef {

namespace {

// Name prefixes of the devices whose square screens are not round.
constexpr const char* SquareButNotRound[] = {
    "Edge", "GPSMAP", "Oregon", "Rino", "Montana", "eTrex", "Venu Sq",
};

} // namespace

ScreenShape screenShape(const DeviceInfo& device) {
    if (device.screenWidth != device.screenHeight) return ScreenShape::Rectangle;
    for (const char* prefix : SquareButNotRound)
        if (device.name.startsWith(QLatin1String(prefix))) return ScreenShape::Rectangle;
    return ScreenShape::Round;
}

bool screenShowsPixel(const DeviceInfo& device, int x, int y) {
    if (x < 0 || y < 0 || x >= device.screenWidth || y >= device.screenHeight) return false;
    return screenShape(device) == ScreenShape::Rectangle ||
           roundScreenShowsPixel(device.screenWidth, x, y);
}

bool roundScreenShowsPixel(int diameter, int x, int y) {
    const double r = diameter / 2.0;
    const double dx = x + 0.5 - r, dy = y + 0.5 - r;
    return dx * dx + dy * dy <= r * r;
}

} // namespace zef
