#pragma once

#include "catalog/deviceinfo.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace zef {

// The zoom steps of the preview: each device pixel becomes a zoom x zoom block.
constexpr int ZoomLevels[] = {1, 2, 3, 4, 6, 8};
// From this zoom on, the pixel grid can be drawn over the device screen.
constexpr int PixelGridMinZoom = 4;

// The next larger / smaller zoom step (the largest / smallest stays).
int zoomIn(int zoom);
int zoomOut(int zoom);
// The nearest zoom step at or below zoom (1 for anything smaller).
int zoomStep(int zoom);
// The largest zoom step at which content (at 1x) fits into area; 1 when even
// 1x does not fit.
int fitZoom(QSize content, QSize area);

// How the preview column shows its content: the device picture and screen as
// at 1x (where client point (650, 35) is the picture's top-left corner),
// enlarged by `zoom` and scrolled by `scroll` (in enlarged pixels) within the
// preview area. At zoom 1 and no scroll the mapping is the identity, and the
// preview is painted exactly as it always was.
struct PreviewViewport {
    int zoom = 1;
    QPoint scroll;

    bool isIdentity() const { return zoom == 1 && scroll.isNull(); }

    // A client point of the unzoomed preview to where it shows, and back.
    QPointF toClient(QPointF unzoomed) const;
    QPointF fromClient(QPointF client) const;
    // An unzoomed client rectangle to the client rectangle it covers now.
    QRect toClient(const QRect& unzoomed) const;
    QRectF toClient(const QRectF& unzoomed) const;
    // The unzoomed client rectangle whose pixels show in `client` (whole pixels).
    QRect fromClient(const QRect& client) const;

    // Device-screen coordinates (real: pixel (i, j) covers the square from
    // (i, j) to (i + 1, j + 1)) to client coordinates and back.
    QPointF deviceToClient(const DeviceInfo& d, QPointF device) const;
    QRectF deviceToClient(const DeviceInfo& d, const QRectF& device) const;
    QPointF clientToDevice(const DeviceInfo& d, QPointF client) const;
    // The device pixel a client pixel shows (whole pixels, rounded down).
    QPoint devicePixelAt(const DeviceInfo& d, QPoint client) const;

    // The scroll positions that keep the enlarged content within the area:
    // from (0, 0) to the content's overhang (none when it fits).
    QPoint maxScroll(QSize content, QSize area) const;
    // The viewport at another zoom that keeps the content point under the
    // client point `anchor` where it is, scrolled within the content.
    PreviewViewport zoomedAbout(int newZoom, QPoint anchor, QSize content, QSize area) const;
};

} // namespace zef
