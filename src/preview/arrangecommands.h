#pragma once

#include "model/arrangement.h"

#include <qnamespace.h>

namespace zef {

class ElementSelection;
class LayoutDocument;
class PreviewRenderer;

// The Arrange commands on the selected elements, measured as the preview
// draws them (graphics by their painted pixels, values by their text box).
// Each is one undo step; elements without a place (dynamic colours,
// separators) stay. A single selected element is aligned to the screen.
void alignSelection(LayoutDocument& document, PreviewRenderer& renderer,
                    const ElementSelection& selection, Alignment alignment);
void distributeSelection(LayoutDocument& document, PreviewRenderer& renderer,
                         const ElementSelection& selection, Qt::Orientation orientation);

} // namespace zef
