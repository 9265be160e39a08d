#include "previewoverlay.h"

#include "catalog/screenshape.h"
#include "preview/previewgeometry.h"
#include "preview/previewviewstate.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zef {

namespace {

QRgb guideColor(SnapSource source) {
    switch (source) {
    case SnapSource::Screen:
        return overlaycolors::ScreenGuide;
    case SnapSource::Element:
        return overlaycolors::ElementGuide;
    case SnapSource::Spacing:
        return overlaycolors::SpacingGuide;
    }
    return overlaycolors::ElementGuide;
}

QPen thinPen(QRgb color, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(QColor::fromRgba(color), 1, style);
    pen.setCosmetic(true);
    return pen;
}

// A handle's square about the centre of the pixel it stands for.
QRectF handleSquare(const PreviewViewState& view, const DeviceInfo& d, QPointF at) {
    const QPointF c = view.viewport.deviceToClient(d, at + QPointF(0.5, 0.5));
    const QPointF corner(std::floor(c.x()) - HandleSize / 2, std::floor(c.y()) - HandleSize / 2);
    return QRectF(corner, QSizeF(HandleSize - 1, HandleSize - 1));
}

QRectF guideBounds(const PreviewViewState& view, const DeviceInfo& d, const SnapGuide& g) {
    if (g.isCircle())
        return view.viewport.deviceToClient(
            d, QRectF(g.centre - QPointF(g.radius, g.radius), QSizeF(2 * g.radius, 2 * g.radius)));
    return QRectF(view.viewport.deviceToClient(d, g.line.p1()),
                  view.viewport.deviceToClient(d, g.line.p2()))
        .normalized();
}

QRect outward(const QRectF& r, int margin) {
    return r.toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

} // namespace

void drawOverlay(QPainter& painter, const PreviewViewState& view, const DeviceInfo& d) {
    if (!view.hasOverlay()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const PreviewViewport& v = view.viewport;

    painter.setPen(thinPen(overlaycolors::Selection, Qt::DashLine));
    for (const QRectF& box : view.selectionBoxes)
        painter.drawRect(v.deviceToClient(d, box).adjusted(-1, -1, 0, 0));

    for (const SnapGuide& g : view.guides) {
        painter.setPen(thinPen(guideColor(g.source)));
        if (g.isCircle()) {
            const qreal r = g.radius * v.zoom;
            painter.drawEllipse(v.deviceToClient(d, g.centre), r, r);
        } else {
            painter.drawLine(
                QLineF(v.deviceToClient(d, g.line.p1()), v.deviceToClient(d, g.line.p2())));
        }
    }

    if (view.rubberBand) {
        painter.setPen(thinPen(overlaycolors::Selection));
        painter.setBrush(QColor::fromRgba(overlaycolors::RubberBandFill));
        painter.drawRect(v.deviceToClient(d, view.rubberBand->normalized()));
    }

    painter.setPen(thinPen(overlaycolors::HandleBorder));
    painter.setBrush(QColor::fromRgba(overlaycolors::HandleFill));
    for (const QPointF& h : view.handles) painter.drawRect(handleSquare(view, d, h));
    painter.restore();
}

std::vector<QRect> overlayRects(const PreviewViewState& view, const DeviceInfo& d) {
    std::vector<QRect> rects;
    const PreviewViewport& v = view.viewport;
    for (const QRectF& box : view.selectionBoxes)
        rects.push_back(outward(v.deviceToClient(d, box), 2));
    for (const SnapGuide& g : view.guides) rects.push_back(outward(guideBounds(view, d, g), 2));
    if (view.rubberBand)
        rects.push_back(outward(v.deviceToClient(d, view.rubberBand->normalized()), 2));
    for (const QPointF& h : view.handles) rects.push_back(outward(handleSquare(view, d, h), 2));
    return rects;
}

void drawPixelGrid(QPainter& painter, const PreviewViewState& view, const DeviceInfo& d,
                   const QRegion& clip) {
    const PreviewViewport& v = view.viewport;
    if (!view.pixelGrid || v.zoom < PixelGridMinZoom) return;
    const QRectF screen = v.deviceToClient(d, QRectF(0, 0, d.screenWidth, d.screenHeight));
    const QRect visible = (clip.boundingRect() & screen.toAlignedRect());
    if (visible.isEmpty()) return;
    painter.save();
    painter.setClipRegion(clip & screen.toAlignedRect(), Qt::IntersectClip);
    if (screenShape(d) == ScreenShape::Round) {
        QPainterPath circle;
        circle.addEllipse(screen);
        painter.setClipPath(circle, Qt::IntersectClip);
    }
    const QColor color = QColor::fromRgba(overlaycolors::PixelGrid);
    // Only the device pixels that show in the visible part.
    const QPointF from = v.clientToDevice(d, QPointF(visible.topLeft()));
    const QPointF to = v.clientToDevice(d, QPointF(visible.bottomRight()) + QPointF(1, 1));
    const int firstX = std::max(0, int(std::floor(from.x())));
    const int lastX = std::min(d.screenWidth, int(std::ceil(to.x())));
    const int firstY = std::max(0, int(std::floor(from.y())));
    const int lastY = std::min(d.screenHeight, int(std::ceil(to.y())));
    for (int x = firstX; x <= lastX; ++x) {
        const int cx = int(std::lround(v.deviceToClient(d, QPointF(x, 0)).x()));
        painter.fillRect(QRect(cx, visible.top(), 1, visible.height()), color);
    }
    for (int y = firstY; y <= lastY; ++y) {
        const int cy = int(std::lround(v.deviceToClient(d, QPointF(0, y)).y()));
        painter.fillRect(QRect(visible.left(), cy, visible.width(), 1), color);
    }
    painter.restore();
}

} // namespace zef
