#include "previewviewport.h"

#include "preview/previewgeometry.h"

#include <algorithm>
#include <cmath>

namespace zef {

namespace {

// Floor division: pixels left of and above the origin round towards minus
// infinity, as the pixel they lie in.
int floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

int zoomIn(int zoom) {
    for (int z : ZoomLevels)
        if (z > zoom) return z;
    return std::end(ZoomLevels)[-1];
}

int zoomOut(int zoom) {
    int below = ZoomLevels[0];
    for (int z : ZoomLevels)
        if (z < zoom) below = z;
    return below;
}

int zoomStep(int zoom) {
    int step = ZoomLevels[0];
    for (int z : ZoomLevels)
        if (z <= zoom) step = z;
    return step;
}

int fitZoom(QSize content, QSize area) {
    int fit = ZoomLevels[0];
    for (int z : ZoomLevels)
        if (content.width() * z <= area.width() && content.height() * z <= area.height()) fit = z;
    return fit;
}

QPointF PreviewViewport::toClient(QPointF unzoomed) const {
    const QPointF o = preview::origin();
    return o - QPointF(scroll) + (unzoomed - o) * zoom;
}

QPointF PreviewViewport::fromClient(QPointF client) const {
    const QPointF o = preview::origin();
    return o + (client - o + QPointF(scroll)) / zoom;
}

QRect PreviewViewport::toClient(const QRect& unzoomed) const {
    const QPoint o = preview::origin();
    return QRect(o - scroll + (unzoomed.topLeft() - o) * zoom, unzoomed.size() * zoom);
}

QRectF PreviewViewport::toClient(const QRectF& unzoomed) const {
    return QRectF(toClient(unzoomed.topLeft()), unzoomed.size() * zoom);
}

QRect PreviewViewport::fromClient(const QRect& client) const {
    const QPoint o = preview::origin();
    const QPoint a = client.topLeft() - o + scroll;
    const QPoint b = client.topLeft() + QPoint(client.width(), client.height()) - o + scroll;
    const QPoint from(floorDiv(a.x(), zoom), floorDiv(a.y(), zoom));
    const QPoint to(-floorDiv(-b.x(), zoom), -floorDiv(-b.y(), zoom));
    return QRect(o + from, o + to - QPoint(1, 1));
}

QPointF PreviewViewport::deviceToClient(const DeviceInfo& d, QPointF device) const {
    return toClient(QPointF(preview::screenOrigin(d)) + device);
}

QRectF PreviewViewport::deviceToClient(const DeviceInfo& d, const QRectF& device) const {
    return toClient(device.translated(preview::screenOrigin(d)));
}

QPointF PreviewViewport::clientToDevice(const DeviceInfo& d, QPointF client) const {
    return fromClient(client) - QPointF(preview::screenOrigin(d));
}

QPoint PreviewViewport::devicePixelAt(const DeviceInfo& d, QPoint client) const {
    const QPoint o = preview::origin();
    const QPoint content = client - o + scroll;
    return QPoint(floorDiv(content.x(), zoom), floorDiv(content.y(), zoom)) + o -
           preview::screenOrigin(d);
}

QPoint PreviewViewport::maxScroll(QSize content, QSize area) const {
    return QPoint(std::max(0, content.width() * zoom - area.width()),
                  std::max(0, content.height() * zoom - area.height()));
}

PreviewViewport PreviewViewport::zoomedAbout(int newZoom, QPoint anchor, QSize content,
                                             QSize area) const {
    PreviewViewport v;
    v.zoom = zoomStep(newZoom);
    // The unzoomed point under the anchor, shown under the anchor again.
    const QPointF under = fromClient(QPointF(anchor));
    const QPointF o = preview::origin();
    const QPointF wanted = (under - o) * v.zoom - (QPointF(anchor) - o);
    const QPoint limit = v.maxScroll(content, area);
    v.scroll = QPoint(std::clamp(int(std::lround(wanted.x())), 0, limit.x()),
                      std::clamp(int(std::lround(wanted.y())), 0, limit.y()));
    return v;
}

} // namespace zef
