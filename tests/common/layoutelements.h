#pragma once

// Elements the tests place on a layout.

#include "model/layoutelement.h"

#include <QString>

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

// A fixed text at a place with an alignment (0 right-aligned, 1 centred,
// 2 left-aligned), white unless a colour is given.
inline LayoutElement valueElement(int x, int y, int alignment, const QString& text,
                                  Bgr color = 0xFFFFFF) {
    LayoutElement e(KindValue);
    e.x = x;
    e.y = y;
    e.hAlignment = alignment;
    e.text = text;
    e.fixedText = true;
    e.color = color;
    return e;
}

} // namespace zef
