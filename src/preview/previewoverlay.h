#pragma once

#include <QRect>
#include <QRegion>
#include <QRgb>

#include <vector>

class QPainter;

namespace zef {

struct DeviceInfo;
struct PreviewViewState;

// Colours of what is drawn over the preview, as ARGB.
namespace overlaycolors {
constexpr QRgb ScreenGuide = 0xFF00C8FF;  // snapped to the screen's lines or circles
constexpr QRgb ElementGuide = 0xFFFF8C00; // snapped to another element
constexpr QRgb SpacingGuide = 0xFF3CDC3C; // equal gaps between neighbours
constexpr QRgb Selection = 0xFF3C8CFF;    // boxes of the selected elements, rubber band
constexpr QRgb RubberBandFill = 0x383C8CFF;
constexpr QRgb HandleFill = 0xFFFFFFFF;
constexpr QRgb HandleBorder = 0xFF000000;
constexpr QRgb PixelGrid = 0x40808080;
} // namespace overlaycolors

// Side of a handle's square, in screen pixels at every zoom.
constexpr int HandleSize = 7;

// Draws the view state's guides, selection boxes, rubber band and handles
// (device pixels) over the preview at its viewport, in client coordinates.
void drawOverlay(QPainter& painter, const PreviewViewState& view, const DeviceInfo& d);
// The client rectangles that drawOverlay paints into.
std::vector<QRect> overlayRects(const PreviewViewState& view, const DeviceInfo& d);

// Lines between the device pixels over the device screen (within its circle
// on a round screen), where the viewport enlarges them enough; within clip.
void drawPixelGrid(QPainter& painter, const PreviewViewState& view, const DeviceInfo& d,
                   const QRegion& clip);

} // namespace zef
