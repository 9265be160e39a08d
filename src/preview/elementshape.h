#pragma once

#include <QPointF>
#include <QRectF>

#include <vector>

namespace zef {

struct DeviceInfo;
struct LayoutElement;

// A straight stroke with flat ends: the rectangle `width` wide along from-to.
struct ShapeBand {
    QPointF from, to;
    qreal width = 1;
};

// The part of the ring between radius `inner` and `outer` about `centre` that
// lies from startDegrees over sweepDegrees (0 to 360), angles growing clockwise
// on the screen from three o'clock. A disc has inner 0, a whole ring sweep 360.
struct ShapeRing {
    QPointF centre;
    qreal inner = 0, outer = 0;
    qreal startDegrees = 0, sweepDegrees = 360;
};

// What a graphic element puts on the device screen, as simple pieces in
// device-screen pixels where pixel (i, j) covers the square from (i, j) to
// (i + 1, j + 1): filled boxes, bands and rings. The pieces follow the drawing
// of ElementPainter, whose pens paint without anti-aliasing and put the spare
// pixel of an odd width right of and below the line. Left out is what the
// device never shows: the guide marks (pivot cross, orbit, graph frame). A
// direction arrow or triangle turns about its pivot on the device, so its
// shape is the ring it sweeps at every heading; a graph covers the area its
// bars can fill.
struct ElementShape {
    std::vector<QRectF> boxes;
    std::vector<ShapeBand> bands;
    std::vector<ShapeRing> rings;

    bool isEmpty() const { return boxes.empty() && bands.empty() && rings.empty(); }
    // The smallest rectangle holding every piece; null when empty.
    QRectF bounds() const;
};

// The shape of graphic e on device d; empty for other kinds and for graphics
// that draw nothing (a graph whose second corner is not below and right of the
// first, an arc of no sweep, a shape of no size).
ElementShape graphicShape(const LayoutElement& e, const DeviceInfo& d);

// The four corners of a band, in order around it.
std::vector<QPointF> bandCorners(const ShapeBand& band);
// The bounds of a ring piece (of its sector only).
QRectF ringBounds(const ShapeRing& ring);
// Whether the clockwise angle a (degrees) lies within the ring's sweep.
bool ringCoversAngle(const ShapeRing& ring, qreal degrees);

} // namespace zef
