#pragma once

#include "model/layoutelement.h"

#include <QString>

namespace zef {

class ValueTypeCatalog;

enum class TextMode { Preview, Edit };

// The preview text or the edit text of a value element. May fill the element's
// sampleText and text from its value type's sample and pattern.
QString valueElementText(LayoutElement& element, TextMode mode, const ValueTypeCatalog& catalog);

} // namespace zef
