#pragma once

#include "catalog/deviceinfo.h"

#include <QPoint>
#include <QRect>

namespace zef {

// Fixed places of the designer window's client area that the preview paints.
// Rectangles are QRect(left, top, width, height) in client pixels.
namespace preview {

// Top-left corner of the device picture.
constexpr int OriginX = 650;
constexpr int OriginY = 35;
inline QPoint origin() {
    return {OriginX, OriginY};
}

// The whole preview column: client (650, 35) up to, not including, (1203, 854).
inline QRect area() {
    return {OriginX, OriginY, 1203 - OriginX, 854 - OriginY};
}

constexpr int DcSwatchCount = 10;
// The colour swatch right of the colour edit.
inline QRect swatchRect() {
    return {590, 29, 30, 19};
}
// Dynamic-colour swatch i (0..9) right of the row's colour edit.
inline QRect dcSwatchRect(int i) {
    return {590, 554 + 29 * i, 29, 20};
}

// Light grey of the window background, as ARGB.
constexpr unsigned BackgroundArgb = 0xFFF0F0F0;

// The screen's black surround extends this far beyond the screen on every side;
// nothing of an element is drawn outside it.
constexpr int FrameMargin = 5;

// Client point of the device-screen point (0, 0).
inline QPoint screenOrigin(const DeviceInfo& d) {
    return {OriginX + d.screenX, OriginY + d.screenY};
}
// The device screen in client pixels.
inline QRect screenRect(const DeviceInfo& d) {
    return {OriginX + d.screenX, OriginY + d.screenY, d.screenWidth, d.screenHeight};
}
// The black frame: the screen plus FrameMargin on every side, in client pixels.
inline QRect frameRect(const DeviceInfo& d) {
    return screenRect(d).adjusted(-FrameMargin, -FrameMargin, FrameMargin, FrameMargin);
}
// Device-screen pixels of a client point.
inline QPoint clientToScreen(const DeviceInfo& d, QPoint client) {
    return client - screenOrigin(d);
}

} // namespace preview
} // namespace zef
