#pragma once

#include "templatecanvas.h"

#include <functional>
#include <vector>

namespace zef {

// Labelled values in rows between top and bottom, each row split into
// `columns` cells across the band the screen shows at that row, with separator
// lines between rows and between cells. Fields fill the cells row by row.
bool addGrid(TemplateCanvas& canvas, qreal top, qreal bottom, int columns, int rows,
             const std::vector<TemplateField>& fields);

// Tries the layout at each of the fractions (of the content radius, for a
// round screen, where the rows' height and width trade against each other) and
// keeps the one whose values come out largest. False when none can be made.
bool keepLargest(TemplateCanvas& canvas, const std::vector<qreal>& fractions,
                 const std::function<bool(TemplateCanvas&, qreal)>& build);

} // namespace zef
