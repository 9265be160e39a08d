#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

namespace zef {

struct DeviceInfo;

// How close (in screen pixels, whatever the zoom) a dragged edge, centre or
// point must come to a guide to snap to it.
constexpr qreal SnapDistancePixels = 6;
// The circles of a round screen that snap: its edge and circles inset from it
// by these many device pixels.
constexpr qreal RoundScreenInsets[] = {0, 10, 20, 30};
// Angles of arcs snap to multiples of this (degrees); Shift steps by the finer one.
constexpr qreal SnapAngleStep = 45;
constexpr qreal ConstrainedAngleStep = 15;

// Where a guide comes from; the preview draws each source in its own colour.
enum class SnapSource { Screen, Element, Spacing };

// A line or circle the dragged thing snapped to, in device pixels, to be drawn
// while the drag lasts.
struct SnapGuide {
    SnapSource source = SnapSource::Screen;
    QLineF line;
    // A circle guide has a radius above 0; its line is unused.
    QPointF centre;
    qreal radius = 0;

    bool isCircle() const { return radius > 0; }
    bool operator==(const SnapGuide&) const = default;
};

// What can be snapped to, in device pixels: the screen (its edges and centre
// lines; a round screen's circle and the circles inset from it), the extents
// of the elements that are not dragged (their edges and centre lines, and the
// spacing between them) and fixed points (the text anchors of values, the
// point of a line that is not dragged).
struct SnapScene {
    QRectF screen;
    bool roundScreen = false;
    std::vector<QRectF> extents;
    std::vector<QPointF> anchors;

    // The screen of device d, with nothing on it yet.
    static SnapScene forScreen(const DeviceInfo& d);
};

// What is dragged, at the place the pointer proposes.
struct SnapSubject {
    // A dragged element (or group): its edges, centre lines, the spacing to its
    // neighbours and, on a round screen, its corner farthest from the centre.
    std::optional<QRectF> box;
    // Dragged points (a handle, the text anchors of dragged values): they snap
    // to lines and circles.
    std::vector<QPointF> points;
    // Axes along which the subject may move (Shift holds one of them).
    bool moveX = true;
    bool moveY = true;
};

struct SnapResult {
    // To add to the proposed position.
    QPointF offset;
    std::vector<SnapGuide> guides;
};

// Snaps the subject to the nearest guide along each axis within the snap
// distance at this zoom (screen pixels per device pixel); on a round screen a
// subject not held on both axes then snaps onto a circle, sliding along it
// where one axis is held.
SnapResult snapPosition(const SnapScene& scene, const SnapSubject& subject, qreal zoom);

// A handle that moves along a ray (a radius): the length from `origin` along
// the unit vector `direction` that puts the handle on the nearest line or
// circle within the snap distance, else `length` unchanged.
struct RaySnap {
    qreal length = 0;
    std::vector<SnapGuide> guides;
};
RaySnap snapAlongRay(const SnapScene& scene, QPointF origin, QPointF direction, qreal length,
                     qreal zoom);

// An angle handle on a circle of `radius` about `centre` (degrees clockwise
// from three o'clock): snapped to the nearest multiple of SnapAngleStep when
// its point on the circle is within the snap distance of that angle's point.
struct AngleSnap {
    qreal degrees = 0;
    std::vector<SnapGuide> guides;
};
AngleSnap snapAngle(QPointF centre, qreal radius, qreal degrees, qreal zoom);

} // namespace zef
