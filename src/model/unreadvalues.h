#pragma once

#include "layoutelement.h"

#include <vector>

namespace zef {

class ValueTypeCatalog;

// The rows of the values that a dynamic colour recolours (their colour is its
// replace colour) but that have no value type ("-- None --", a fixed text):
// the data field has no reading to compare with the thresholds. The window
// asks the user to select a value type for them, and the layout check lists
// them.
std::vector<int> recoloredValuesWithoutValueType(const ElementVector& elements,
                                                 const ValueTypeCatalog& catalog);

} // namespace zef
