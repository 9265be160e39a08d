#pragma once

#include "model/layoutelement.h"
#include "templatefields.h"
#include "textfit.h"

#include <QPointF>
#include <QRectF>

#include <vector>

namespace zef {

struct Catalogs;
struct DeviceInfo;
class FaceCache;

// A starter layout in the making on one device: the part of the screen that
// shows, the fields the device offers, and the elements placed so far.
// Graphics are drawn before texts, so backgrounds stay behind them.
class TemplateCanvas {
public:
    TemplateCanvas(const Catalogs& catalogs, FaceCache& faces, const DeviceInfo& device);

    const DeviceInfo& device() const { return *m_device; }
    bool isRound() const { return m_round; }
    qreal width() const;
    qreal height() const;
    QPointF centre() const { return {width() / 2, height() / 2}; }
    // Pixels kept free along the screen's edge.
    qreal margin() const { return m_margin; }
    // Width of separator lines and gauges: thicker on large screens.
    int lineWidth() const;

    // The radius inside which texts and lines are placed on a round screen:
    // the screen's own less the margin, or less once a gauge runs along the bezel.
    qreal contentRadius() const { return m_contentRadius; }
    void setContentRadius(qreal radius) { m_contentRadius = radius; }

    // The widest rectangle over the rows top..bottom that lies inside the
    // content area (the screen less its margin; the content circle of a round
    // screen). Empty when those rows leave no room.
    QRectF band(qreal top, qreal bottom) const;

    std::optional<FieldChoice> field(TemplateField f) const;

    // Labelled values, one per cell: a caption on top and the value below it.
    // All captions share one text slot, all values one slot: each the largest
    // in which every widest text fits its cell. False when a field is not
    // offered or nothing fits.
    struct Cell {
        QRectF rect;
        TemplateField field;
    };
    bool addLabelledValues(const std::vector<Cell>& cells);
    // Values without captions, centred in their cells, in text slots (for
    // readings that are words).
    bool addTextValues(const std::vector<Cell>& cells);

    // A separator line from a to b (whole pixels), grey.
    void addLine(QPoint a, QPoint b);
    // A filled rectangle behind texts.
    void addFilledRectangle(const QRect& rect, Bgr color);
    // An arc about the screen's centre from start to end degrees (clockwise
    // from three o'clock): a plain arc, or one the value type fills.
    void addArc(GraphicKind kind, int radius, int startDegrees, int endDegrees, int stroke,
                Bgr color, std::int32_t valueType = 0);

    // The smallest text height of the values placed so far (for comparing
    // variants of one template); 0 before any.
    qreal smallestValueHeight() const { return m_smallestValueHeight; }

    // The layout: graphics, then texts, with what showing them fills in.
    ElementVector elements() const;

private:
    // Room kept between a text and its cell's edges.
    qreal padding(const QRectF& cell) const;

    const Catalogs* m_catalogs;
    const DeviceInfo* m_device;
    TextFit m_fit;
    bool m_round = false;
    qreal m_margin = 2;
    qreal m_contentRadius = 0;
    qreal m_smallestValueHeight = 0;
    ElementVector m_graphics;
    ElementVector m_texts;
};

} // namespace zef
