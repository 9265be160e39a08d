#include "previewoverlay.h"

#include "catalog/screenshape.h"
#include "preview/previewgeometry.h"
#include "preview/previewviewstate.h"

#include <QPainter>

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
    const QRegion within = clip & screen.toAlignedRect();
    if (within.isEmpty()) return;
    const bool round = screenShape(d) == ScreenShape::Round;
    const QPointF centre = screen.center();
    const qreal radius = screen.width() / 2;

    // The lines across (one pixel every zoom pixels) are a tiled brush, one
    // span per row: a translucent fill per line would blend pixel by pixel.
    QImage tile(v.zoom, 1, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    tile.setPixel(0, 0, qPremultiply(overlaycolors::PixelGrid));
    const QBrush columns(tile);
    const QColor rowColor = QColor::fromRgba(overlaycolors::PixelGrid);
    const int firstLineX = int(std::lround(screen.left()));
    const int firstLineY = int(std::lround(screen.top()));

    painter.save();
    // Everything is cut to the region's rectangles (and the round screen's
    // circle) here rather than by a clip.
    painter.setClipping(false);
    painter.setBrushOrigin(firstLineX, 0);
    for (const QRect& r : within) {
        if (round) {
            // Row by row within the circle.
            for (int y = r.top(); y <= r.bottom(); ++y) {
                const qreal dy = y + 0.5 - centre.y();
                if (dy * dy >= radius * radius) continue;
                const qreal w = std::sqrt(radius * radius - dy * dy);
                const int left = std::max(r.left(), int(std::ceil(centre.x() - w)));
                const int right = std::min(r.right(), int(std::floor(centre.x() + w)));
                if (right < left) continue;
                const bool gridRow = (y - firstLineY) % v.zoom == 0;
                painter.fillRect(QRect(left, y, right - left + 1, 1),
                                 gridRow ? QBrush(rowColor) : columns);
            }
            continue;
        }
        painter.fillRect(r, columns);
        const int firstRow = firstLineY + ((r.top() - firstLineY + v.zoom - 1) / v.zoom) * v.zoom;
        for (int y = firstRow; y <= r.bottom(); y += v.zoom)
            painter.fillRect(QRect(r.left(), y, r.width(), 1), rowColor);
    }
    painter.restore();
}

} // namespace zef
