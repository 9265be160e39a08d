#pragma once

#include "catalog/devicefonts.h"

#include <QRectF>
#include <QString>

namespace zef {

struct Catalogs;
struct DeviceInfo;
struct LayoutElement;
class FaceCache;
class FaceFont;
class ValueTypeCatalog;

// Where the preview puts one value text, in the anchor's coordinates.
struct ValueTextPlacement {
    // The measured box DrawValueText returns: the advance with a sixth of an
    // em free before and after it, one line high, its top on the text's top line.
    QRectF box;
    // Pen position of the first glyph's origin along the text's top line.
    qreal penX = 0;
    // Bounds of the glyphs' outlines; empty when the text has no ink.
    QRectF ink;
};

// The placement of text about the anchor (x, y) in the face's font: the
// face's offsets for the alignment and for y added, the text then ends at
// (alignment 0), is centred on (1) or starts at (2 and any other) that point.
ValueTextPlacement placeValueText(FaceFont& font, const PreviewFace& face, qreal x, qreal y,
                                  int alignment, const QString& text);

// The text a value element shows in the preview (the preview form of
// valueElementText), or with widest set every digit drawn as the font's widest
// digit: the widest reading a changing value can show. A fixed text, or a value
// without a font, is shown as it is.
QString shownValueText(LayoutElement& e, const ValueTypeCatalog& types, FaceFont* font,
                       bool widest);

// A value element as the preview draws it on device d, in device-screen pixels.
struct ValueTextExtent {
    QString text;
    // False when the element's slot has no device font on d or the device font
    // no usable preview face: the preview then draws nothing for it.
    bool hasFace = false;
    ValueTextPlacement placement;
};
ValueTextExtent valueTextExtent(const LayoutElement& e, const DeviceInfo& d,
                                const Catalogs& catalogs, FaceCache& faces, bool widest);

} // namespace zef
