#pragma once

#include "layoutelement.h"

#include <vector>

namespace zef {

class ValueTypeCatalog;

// A dynamic colour recolours the values and graphics drawn in its colour to
// replace; the first one in the list does (the data field takes the first).

// The row of the dynamic colour that recolours the colour, or -1.
int recoloringRow(const ElementVector& elements, Bgr color);
inline bool isRecolored(const ElementVector& elements, Bgr color) {
    return recoloringRow(elements, color) >= 0;
}

// The rows of the values that a dynamic colour recolours but that have no
// value type ("-- None --"): the data field has no reading to compare with
// the thresholds. The window asks the user to select a value type for them,
// and the layout check lists them.
std::vector<int> recoloredValuesWithoutValueType(const ElementVector& elements,
                                                 const ValueTypeCatalog& catalog);

} // namespace zef
