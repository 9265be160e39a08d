#include "gridlayout.h"
#include "templatebuilders.h"

#include <cmath>

namespace zef {

namespace {

// Screens at least this much taller than wide have room for the strip.
constexpr qreal TallRatio = 1.25;
// Shares of the height within the margins: the strip, then the way to the
// next point; two rows of two share the rest.
constexpr qreal StripShare = 0.14;
constexpr qreal NextShare = 0.3;
constexpr std::uint32_t StripRgb = 0x1E4F91;

} // namespace

bool buildNavigation(TemplateCanvas& canvas) {
    if (canvas.isRound() || canvas.height() < TallRatio * canvas.width()) return false;
    const qreal m = canvas.margin();
    const qreal usable = canvas.height() - 2 * m;
    const qreal stripBottom = m + StripShare * usable;
    const qreal nextBottom = stripBottom + NextShare * usable;

    canvas.addFilledRectangle(QRect(0, 0, int(canvas.width()), int(std::lround(stripBottom))),
                              color::fromRgb24(StripRgb));
    if (!canvas.addTextValues({{canvas.band(m, stripBottom - 1), TemplateField::NextPointName}}))
        return false;
    if (!addGrid(canvas, stripBottom, nextBottom, 1, 1, {TemplateField::DistanceToNext}))
        return false;
    const int y = int(std::lround(nextBottom));
    canvas.addLine({int(std::ceil(m)), y},
                   {int(std::floor(canvas.width() - m)) - canvas.lineWidth(), y});
    return addGrid(canvas, nextBottom, canvas.height() - m, 2, 2,
                   {TemplateField::TimeToNext, TemplateField::DistanceToDestination,
                    TemplateField::Speed, TemplateField::Time});
}

} // namespace zef
