#pragma once

#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

namespace zef {

struct Catalogs;
struct DeviceInfo;
struct LayoutElement;
class FaceCache;

// Where an element is on the device screen, in device pixels (pixel (i, j)
// covers the square from (i, j) to (i + 1, j + 1)): what snapping, the rubber
// band and the Arrange commands work with.
struct ElementExtent {
    // A graphic: the bounds of the pixels it paints (ElementShape); a value:
    // the box of its text as the preview places it, or its anchor point when
    // the device has no face for it. A graphic that paints nothing is its
    // point (x, y).
    QRectF bounds;
    // A value's text anchor (x, y).
    std::optional<QPointF> anchor;
    // Where it paints: the bounds and, for a value, its glyphs' ink, which
    // may reach beyond the text's box.
    QRectF painted;
};

// The extent of e on device d; nothing for dynamic colours and separators,
// which have no place on the screen. widest: values measured with their
// widest digits, as the preview shows them in that view.
std::optional<ElementExtent> elementExtent(const LayoutElement& e, const DeviceInfo& d,
                                           const Catalogs& catalogs, FaceCache& faces,
                                           bool widest = false);

// The rows (ascending) whose extent meets the rectangle `band` (device pixels,
// edges included): what a rubber band selects.
std::vector<int> rowsMeeting(const std::vector<std::optional<ElementExtent>>& extents,
                             const QRectF& band);

} // namespace zef
