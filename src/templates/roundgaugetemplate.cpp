#include "gridlayout.h"
#include "templatebuilders.h"

#include <cmath>

namespace zef {

namespace {

// The gauge runs over the top of the bezel, from ten to two o'clock (angles
// grow clockwise from three o'clock).
constexpr int GaugeStart = 200;
constexpr int GaugeEnd = 340;
constexpr std::uint32_t TrackRgb = 0x505050;

const std::vector<qreal> Reaches = {0.7, 0.75, 0.8, 0.85, 0.9, 0.95};

// Three rows within `reach` of the centre: one value on top, two side by side
// in the middle, one below, with lines between them.
bool addFourFields(TemplateCanvas& c, qreal reach) {
    const QPointF centre = c.centre();
    const qreal outer = reach * c.contentRadius();
    const qreal inner = outer / 3;
    const QRectF top = c.band(centre.y() - outer, centre.y() - inner);
    const QRectF middle = c.band(centre.y() - inner, centre.y() + inner);
    const QRectF bottom = c.band(centre.y() + inner, centre.y() + outer);
    if (top.isEmpty() || middle.isEmpty() || bottom.isEmpty()) return false;
    const QRectF left(middle.left(), middle.top(), middle.width() / 2, middle.height());
    const QRectF right(centre.x(), middle.top(), middle.width() / 2, middle.height());
    if (!c.addLabelledValues({{top, TemplateField::HeartRate},
                              {left, TemplateField::Speed},
                              {right, TemplateField::Power},
                              {bottom, TemplateField::Time}}))
        return false;
    const int lw = c.lineWidth();
    for (qreal y : {centre.y() - inner, centre.y() + inner}) {
        const QRectF chord = c.band(y - lw, y + lw);
        const int yi = int(std::lround(y));
        c.addLine({int(std::ceil(chord.left())), yi}, {int(std::floor(chord.right())) - lw, yi});
    }
    const int x = int(std::lround(centre.x()));
    c.addLine({x, int(std::lround(centre.y() - inner))},
              {x, int(std::lround(centre.y() + inner)) - lw});
    return true;
}

} // namespace

bool buildRoundGauge(TemplateCanvas& canvas) {
    if (!canvas.isRound()) return false;
    const std::optional<FieldChoice> gauge = canvas.field(TemplateField::HeartRate);
    if (!gauge) return false;
    const int stroke = std::max(3, int(std::lround(canvas.width() / 40)));
    // The arc's middle line, so that its outer edge keeps the margin.
    const int radius = int(std::floor(canvas.width() / 2 - canvas.margin() - stroke / 2.0)) - 1;
    canvas.addArc(GraphicKind::Arc, radius, GaugeStart, GaugeEnd, stroke,
                  color::fromRgb24(TrackRgb));
    canvas.addArc(GraphicKind::ArcFilled, radius, GaugeStart, GaugeEnd, stroke, gauge->captionColor,
                  gauge->valueType);
    canvas.setContentRadius(radius - stroke / 2.0 - canvas.margin());
    return keepLargest(canvas, Reaches, addFourFields);
}

} // namespace zef
