#pragma once

#include "model/layoutdocument.h"

#include <QString>

namespace zef {

class ValueTypeCatalog;

// Six upper-case hexadecimal digits, red, green, blue, of a 0x00BBGGRR colour.
QString ColorToHex(Bgr color);

// A value type's name without its "(M) " or "(H) " prefix.
QString shortValueTypeName(const QString& name);

// The text of element index's row in the element list; empty when the index
// is outside the elements.
QString ListItemText(const ElementVector& elements, int index, const ValueTypeCatalog& catalog);

} // namespace zef
