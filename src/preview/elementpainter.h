#pragma once

#include "catalog/devicefonts.h"
#include "model/layoutelement.h"

#include <QCache>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

namespace zef {

struct Catalogs;
struct DeviceInfo;
class FaceCache;
class FaceFont;

// Translucent colours of the preview, as ARGB.
namespace previewcolors {
constexpr QRgb Rest = 0x78C8C8C8;      // the empty part of a bar
constexpr QRgb Guide = 0x64C8C8C8;     // pivot cross, orbit, graph frame
constexpr QRgb Highlight = 0xB4FF0000; // the highlighted element
constexpr QRgb Outline = 0xFFFF00FF;   // an element the layout check found something about
} // namespace previewcolors

// What drawing one element found out.
struct DrawOutcome {
    // A dynamic colour targets a value element whose value type is "-- None --".
    bool missingValueType = false;
    // ... and that element is the document's selection (row selectedRow).
    bool missingValueTypeSelected = false;
};

// Draws layout elements onto the device screen as the data field shows them.
// Works in client coordinates: the device-screen point (0, 0) lies at
// (650 + screenX, 35 + screenY). Keeps the preview faces loaded across calls.
class ElementPainter {
public:
    explicit ElementPainter(const Catalogs& catalogs);
    ~ElementPainter();
    ElementPainter(const ElementPainter&) = delete;
    ElementPainter& operator=(const ElementPainter&) = delete;

    // Draws element e (document position selfIndex, -1 for a copy) of the layout
    // `all` with colour 1 and 2 and the rest colour (ARGB). Value elements get
    // their text box written; a dynamic colour checks the value elements it
    // colours. pool: the graph bar heights; selectedRow: the list selection.
    DrawOutcome DrawElement(QPainter& painter, LayoutElement& e, QRgb color1, QRgb color2,
                            QRgb rest, const DeviceInfo& d, const std::vector<LayoutElement>& all,
                            const std::vector<std::int32_t>& pool, int selectedRow);

    // Draws text with the preview face at the anchor (x, y) (client pixels)
    // plus the face's offsets, aligned 0 right, 1 centre, 2 left about it, with
    // a vertical gradient from colour 1 to colour 2. Returns the measured box,
    // or an empty (0, 0, 0, 0) box when the face cannot be loaded.
    QRectF DrawValueText(QPainter& painter, const PreviewFace& face, int x, int y, QRgb color1,
                         QRgb color2, int alignment, const QString& text);

    FaceCache& faces() { return *m_faces; }

    // Draw every value with its widest digits instead of its sample reading
    // (the worst case the layout check measures). Off by default.
    void setWidestValues(bool on) { m_widestValues = on; }

private:
    // A text as painted once in one face, colour pair and sub-pixel position,
    // kept to be blended again by the next paints: painting text glyph by glyph
    // (large sizes are filled as outlines) is what a paint spends its time on.
    struct TextKey {
        const FaceFont* font;
        QString text;
        int subPixel; // x of the glyph origin within its pixel, in 64ths
        QRgb color1, color2;
        bool operator==(const TextKey&) const = default;
        friend size_t qHash(const TextKey& k, size_t seed = 0) {
            return qHashMulti(seed, k.font, k.text, k.subPixel, k.color1, k.color2);
        }
    };
    struct RenderedText {
        QImage image;   // premultiplied, transparent around the glyphs
        QPoint topLeft; // of the image, from the glyph origin's pixel on the text's top line
    };
    // The cache holds at most this many bytes of images.
    static constexpr int TextCacheBytes = 48 * 1024 * 1024;

    const RenderedText* renderText(FaceFont& font, const QString& text, int subPixel,
                                   qreal lineHeight, QRgb color1, QRgb color2);
    void drawGraphic(QPainter& painter, const LayoutElement& e, QRgb color1, QRgb color2, QRgb rest,
                     const DeviceInfo& d, const std::vector<std::int32_t>& pool);

    const Catalogs& m_catalogs;
    std::unique_ptr<FaceCache> m_faces;
    QCache<TextKey, RenderedText> m_texts{TextCacheBytes};
    std::unique_ptr<RenderedText> m_oversized;
    bool m_widestValues = false;
};

} // namespace zef
