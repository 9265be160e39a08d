#pragma once

// Elements the tests place on a layout.

#include "model/layoutelement.h"

namespace zef {

// A graphic of a kind at a place, drawn in the colour given (white when none).
inline LayoutElement graphicElement(GraphicKind kind, int x, int y, int x2, int y2, int radius = 0,
                                    int stroke = 1, Bgr color = 0xFFFFFF) {
    LayoutElement e(KindGraphic);
    e.setGraphicKind(kind);
    e.x = x;
    e.y = y;
    e.x2 = x2;
    e.y2 = y2;
    e.radius = radius;
    e.stroke = stroke;
    e.color = color;
    return e;
}

} // namespace zef
