#pragma once

#include "preview/elementshape.h"

#include <QRectF>

namespace zef {

struct DeviceInfo;

// How much of a shape shows on a screen.
enum class Coverage { Whole, Part, None };

// How far a shape reaches beyond a screen, in pixels (0 where it stays inside).
struct Overshoot {
    qreal left = 0, right = 0, top = 0, bottom = 0;
    qreal circle = 0; // beyond the circle of a round screen
};

// The part of a device's screen that shows: its rectangle, or the circle of a
// round screen. Shapes are measured in pixel squares (ElementShape); a pixel
// shows when its centre does, so a shape is held to show wholly while it
// reaches less than half a pixel past an edge, and to show at all once it
// reaches half a pixel inside.
class ScreenArea {
public:
    explicit ScreenArea(const DeviceInfo& device);

    bool isRound() const { return m_round; }
    qreal width() const { return m_width; }
    qreal height() const { return m_height; }

    // An empty shape shows wholly: there is nothing of it to miss.
    Coverage coverage(const ElementShape& shape) const;
    Overshoot overshoot(const ElementShape& shape) const;

    // Half a pixel: the slack of the measure above.
    static constexpr qreal Slack = 0.5;

private:
    bool wholeInside(const ElementShape& shape) const;
    bool meets(const ElementShape& shape) const;

    qreal m_width, m_height;
    bool m_round;
    QPointF m_centre;
    qreal m_radius;
};

} // namespace zef
