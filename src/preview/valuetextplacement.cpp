#include "valuetextplacement.h"

#include "catalog/catalogs.h"
#include "catalog/samplevaluetext.h"
#include "model/layoutelement.h"
#include "preview/facecache.h"

namespace zef {

namespace {

// Text layout leaves a sixth of an em free before and after the text, as the
// drawing layer the layouts' font offsets were tuned with does; the measured box
// includes it, and the text box arithmetic of the painter expects it.
constexpr qreal TextPaddingEm = 1.0 / 6.0;

} // namespace

ValueTextPlacement placeValueText(FaceFont& font, const PreviewFace& face, qreal x, qreal y,
                                  int alignment, const QString& text) {
    ValueTextPlacement placed;
    const qreal ax = x + face.offsetForAlignment(alignment);
    const qreal top = y + face.offsetY; // the text's top line
    if (text.isEmpty()) {
        placed.box = QRectF(ax, top, 0, 0);
        placed.penX = ax;
        return placed;
    }
    const FaceFont::Shaped& shaped = font.shape(text);
    const qreal padding = TextPaddingEm * font.emSize();
    const qreal width = shaped.advance + 2 * padding;
    qreal left = ax;
    if (alignment == 0)
        left = ax - width;
    else if (alignment == 1)
        left = ax - width / 2;
    placed.box = QRectF(left, top, width, font.lineHeight());
    placed.penX = left + padding;
    if (!shaped.ink.isEmpty()) placed.ink = shaped.ink.translated(placed.penX, top + font.ascent());
    return placed;
}

QString shownValueText(LayoutElement& e, const ValueTypeCatalog& types, FaceFont* font,
                       bool widest) {
    const QString text = valueElementText(e, TextMode::Preview, types);
    if (!widest || !font || e.fixedText) return text;
    return font->widestDigits(text);
}

ValueTextExtent valueTextExtent(const LayoutElement& e, const DeviceInfo& d,
                                const Catalogs& catalogs, FaceCache& faces, bool widest) {
    ValueTextExtent extent;
    // Building the text may give the element its value type's sample; the
    // caller's element stays as it is.
    LayoutElement copy = e;
    const PreviewFace face = catalogs.fonts.faceFor(catalogs.fonts.fontNameFor(d.name, e.font));
    FaceFont* font = faces.font(face.faceId, face.pixelSize);
    extent.text = shownValueText(copy, catalogs.valueTypes, font, widest);
    if (!font) return extent;
    extent.hasFace = true;
    extent.placement = placeValueText(*font, face, e.x, e.y, e.hAlignment, extent.text);
    return extent;
}

} // namespace zef
