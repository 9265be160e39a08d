#include "gridlayout.h"
#include "templatebuilders.h"

namespace zef {

namespace {

// How far from the centre of a round screen the rows may reach, as shares of
// the content radius: low rows are wide, high rows narrow.
const std::vector<qreal> RoundReaches = {0.5, 0.55, 0.6, 0.65, 0.7, 0.75, 0.8, 0.85, 0.9, 0.95};

// A grid over the whole screen: its rectangle less the margin, or on a round
// screen the rows within the reach that gives the largest values.
bool screenGrid(TemplateCanvas& canvas, int columns, int rows,
                const std::vector<TemplateField>& fields) {
    if (!canvas.isRound())
        return addGrid(canvas, canvas.margin(), canvas.height() - canvas.margin(), columns, rows,
                       fields);
    return keepLargest(canvas, RoundReaches, [&](TemplateCanvas& c, qreal reach) {
        const qreal half = reach * c.contentRadius();
        return addGrid(c, c.centre().y() - half, c.centre().y() + half, columns, rows, fields);
    });
}

} // namespace

bool buildBigValue(TemplateCanvas& canvas) {
    return screenGrid(canvas, 1, 1, {TemplateField::Speed});
}

bool buildTwoRows(TemplateCanvas& canvas) {
    return screenGrid(canvas, 1, 2, {TemplateField::Speed, TemplateField::HeartRate});
}

bool buildGrid4(TemplateCanvas& canvas) {
    return screenGrid(canvas, 2, 2,
                      {TemplateField::Speed, TemplateField::HeartRate, TemplateField::Power,
                       TemplateField::Cadence});
}

bool buildGrid6(TemplateCanvas& canvas) {
    const bool wide = canvas.width() > canvas.height();
    return screenGrid(canvas, wide ? 3 : 2, wide ? 2 : 3,
                      {TemplateField::Speed, TemplateField::HeartRate, TemplateField::Power,
                       TemplateField::Cadence, TemplateField::Distance, TemplateField::Time});
}

} // namespace zef
