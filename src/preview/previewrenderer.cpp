#include "previewrenderer.h"

#include "catalog/catalogs.h"
#include "model/layoutdocument.h"
#include "model/platform.h"
#include "preview/devicepicture.h"
#include "preview/elementhittest.h"
#include "preview/elementpainter.h"
#include "preview/previewoverlay.h"

#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace zef {

namespace {

// The element's colour as drawn: night mode inverts elements that switch
// between day and night.
QRgb baseColor(const LayoutElement& e, bool nightMode) {
    return color::toArgb(nightMode && e.dayNight ? color::inverted(e.color) : e.color);
}

// The gradient an element shows for the dynamic colours that replace its
// colour: from a dynamic colour's first row to its last used row; a dynamic
// colour with an empty first row ends the search.
void gradientColors(const LayoutElement& e, const ElementVector& elements,
                    const std::vector<std::size_t>& dynamicColors, QRgb& c1, QRgb& c2) {
    for (std::size_t j : dynamicColors) {
        const LayoutElement& dc = elements[j];
        if (dc.replaceColor != e.color) continue;
        if (dc.dcValue[0] == EmptyDcValue) break;
        c1 = color::toArgb(dc.dcColor[0]);
        for (int k = DynamicColorRows - 1; k >= 1; --k) {
            if (dc.dcValue[std::size_t(k)] != EmptyDcValue) {
                c2 = color::toArgb(dc.dcColor[std::size_t(k)]);
                break;
            }
        }
    }
}

// Extent of one geometry (x, y, x2, y2, radius, stroke) of a graphic kind, as
// a client rectangle on device d.
QRect extentRect(int kind, int graphicType, qint64 x, qint64 y, qint64 x2, qint64 y2, qint64 radius,
                 qint64 stroke, const DeviceInfo& d) {
    qint64 loX = std::min<qint64>(x, 9999), hiX = std::max<qint64>(x, 0);
    qint64 loY = std::min<qint64>(y, 9999), hiY = std::max<qint64>(y, 0);
    const bool twoPoints = kind == KindGraphic && hasSecondPoint(graphicKindAt(graphicType));
    if (twoPoints) {
        loX = std::min(loX, x2);
        hiX = std::max(hiX, x2);
        loY = std::min(loY, y2);
        hiY = std::max(hiY, y2);
    }
    if (kind == KindGraphic && isDirectionMark(graphicKindAt(graphicType))) {
        // The arrow sits y2 above its pivot and its orbit has radius y2.
        const qint64 w = std::abs(y2);
        loX -= w;
        hiX += w;
        loY -= w;
        hiY += w;
    }
    // Half a pen and the odd pixel of an unsmoothed edge are covered by a pen
    // width plus one, a pen of width 0 or less still paints one pixel.
    const qint64 m = std::abs(radius) + std::max<qint64>(stroke, 1) + 1;
    const QPoint o = preview::screenOrigin(d);
    // Held within a range Qt's rectangles take; far outside the window anyway.
    auto clampCoord = [](qint64 v) { return int(std::clamp<qint64>(v, -1000000, 1000000)); };
    const int left = clampCoord(o.x() + loX - m), top = clampCoord(o.y() + loY - m);
    const int right = clampCoord(o.x() + hiX + m), bottom = clampCoord(o.y() + hiY + m);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

QString PaintResult::paintTimeText() const {
    return QStringLiteral("%1 ms").arg(static_cast<long>(paintMs));
}

PreviewRenderer::PreviewRenderer(LayoutDocument& document)
    : m_document(document), m_painter(std::make_unique<ElementPainter>(document.catalogs())),
      m_pictures(std::make_unique<DevicePictures>()) {}

PreviewRenderer::~PreviewRenderer() = default;

FaceCache& PreviewRenderer::faces() {
    return m_painter->faces();
}

QString PreviewRenderer::dcWarningText() {
    return QStringLiteral("Please select a value type if a dynamic color is used!");
}

void PreviewRenderer::showDcWarning(const PaintResult& result) {
    if (result.dcWarning)
        m_document.platform().showMessage(dcWarningText(), MessageButtons::Ok,
                                          MessageIcon::Warning);
}

// --- requesting repaints -------------------------------------------------------

std::vector<QRect> PreviewRenderer::InvalidateView(bool swatch, bool dcSwatches, bool elementArea,
                                                   bool wholePreview) {
    return invalidate(swatch, dcSwatches, elementArea, wholePreview, true);
}

std::vector<QRect> PreviewRenderer::requestRepaint(bool swatch, bool dcSwatches, bool elementArea,
                                                   bool wholePreview) {
    return invalidate(swatch, dcSwatches, elementArea, wholePreview, false);
}

std::vector<QRect> PreviewRenderer::invalidate(bool swatch, bool dcSwatches, bool elementArea,
                                               bool wholePreview, bool commit) {
    std::vector<QRect> rects;
    if (swatch) {
        rects.push_back(preview::swatchRect());
        m_repaintSwatch = true;
    }
    if (dcSwatches) {
        for (int i = 0; i < preview::DcSwatchCount; ++i) rects.push_back(preview::dcSwatchRect(i));
        m_repaintDcSwatches = true;
    }
    if (wholePreview) {
        rects.push_back(preview::area());
        m_repaintPreview = true;
    } else if (elementArea) {
        LayoutElement* e = m_document.selectedElement();
        if (!e) return rects;
        const DeviceInfo* d = m_document.device();
        if (e->kind == KindValue || !d) {
            rects.push_back(preview::area());
        } else {
            for (const QRect& r : elementRepaintRects(*e, *d))
                rects.push_back(m_view.viewport.isIdentity() ? r : m_view.viewport.toClient(r));
            e->rememberGeometry();
        }
        m_repaintPreview = true;
    }
    if (commit) m_document.commit();
    return rects;
}

std::vector<QRect> PreviewRenderer::elementRepaintRects(const LayoutElement& e,
                                                        const DeviceInfo& d) {
    const QRect before = extentRect(e.kind, e.graphicType, e.prevX, e.prevY, e.prevX2, e.prevY2,
                                    e.prevRadius, e.prevStroke, d);
    const QRect now =
        extentRect(e.kind, e.graphicType, e.x, e.y, e.x2, e.y2, e.radius, e.stroke, d);
    if (before == now || now.contains(before)) return {now};
    if (before.contains(now)) return {before};
    return {before, now};
}

// --- painting -------------------------------------------------------------------

PaintResult PreviewRenderer::RenderClientArea(QPainter& painter, QSize clientSize,
                                              const QRegion& updateRegion) {
    QElapsedTimer clock;
    clock.start();
    PaintResult result;

    const QRect client(QPoint(0, 0), clientSize);
    // The off-screen image has the painter's resolution (2 for a 2x screen), so
    // that copying it to the screen scales nothing.
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(clientSize) * dpr).toSize();
    if (m_client.size() != pixels || m_client.devicePixelRatioF() != dpr) {
        // A new image after one that was painted (the window moved to a screen of
        // another scale) has to be drawn again whole.
        if (!m_client.isNull()) m_repaintSwatch = m_repaintDcSwatches = m_repaintPreview = true;
        m_client = QImage(pixels, QImage::Format_RGB32);
        m_client.setDevicePixelRatio(dpr);
        m_client.fill(QColor::fromRgba(preview::BackgroundArgb));
    }
    const QRegion region = updateRegion.isEmpty() ? QRegion(client) : updateRegion & client;

    const DeviceInfo* d = m_document.device();
    if (!d) {
        m_repaintSwatch = true;
        m_repaintDcSwatches = true;
        m_repaintPreview = false;
    }
    if (!m_client.isNull()) {
        QPainter p(&m_client);
        p.setClipRegion(region);
        // With no device the preview column shows the background.
        if (!d) p.fillRect(client, QColor::fromRgba(preview::BackgroundArgb));
        if (m_repaintPreview) {
            const QRegion previewClip = region & preview::area();
            p.setClipRegion(previewClip);
            p.fillRect(preview::area(), QColor::fromRgba(preview::BackgroundArgb));
            if (!m_view.viewport.isIdentity())
                paintZoomedPreview(p, result, previewClip);
            else if (dpr == 1.0)
                paintPreview(p, result, previewClip);
            else
                paintScaledPreview(p, result, previewClip);
            if (d && m_view.hasOverlay()) {
                p.setClipRegion(previewClip);
                drawOverlay(p, m_view, *d);
            }
        }
        p.setClipRegion(region);
        drawSwatches(p, m_repaintSwatch, m_repaintDcSwatches);
    }
    m_repaintSwatch = false;
    m_repaintDcSwatches = false;
    m_repaintPreview = false;

    for (const QRect& r : region)
        painter.drawImage(QRectF(r), m_client,
                          QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
    result.paintMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return result;
}

void PreviewRenderer::drawSwatches(QPainter& painter, bool swatch, bool dcSwatches) {
    if (swatch)
        painter.fillRect(preview::swatchRect(), QColor::fromRgb(color::toArgb(m_view.swatchColor)));
    if (dcSwatches)
        for (int i = 0; i < preview::DcSwatchCount; ++i)
            painter.fillRect(preview::dcSwatchRect(i),
                             QColor::fromRgb(color::toArgb(m_view.dcSwatchColors[std::size_t(i)])));
}

QImage PreviewRenderer::RenderPreviewImage(PaintResult* result) {
    const DeviceInfo* d = m_document.device();
    if (!d) return QImage();
    const QImage& picture = devicePictureFor(*d);
    const QRect frame = preview::frameRect(*d).translated(-preview::origin());
    const QSize size(std::max(picture.width(), frame.right() + 1),
                     std::max(picture.height(), frame.bottom() + 1));
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromRgba(preview::BackgroundArgb));

    PaintResult own;
    QPainter p(&image);
    p.translate(-preview::origin());
    const QRect whole(preview::origin(), size);
    p.setClipRect(whole);
    paintPreview(p, result ? *result : own, QRegion(whole));
    return image;
}

void PreviewRenderer::paintPreview(QPainter& painter, PaintResult& result, const QRegion& clip) {
    const DeviceInfo* d = m_document.device();
    if (!d) return;
    paintScreen(painter, result, clip);
    painter.save();
    painter.setClipRegion(clip.isEmpty() ? QRegion(preview::area()) : clip);
    const QImage& picture = devicePictureFor(*d);
    if (!picture.isNull()) painter.drawImage(preview::origin(), picture);
    if (!m_view.outlines.empty()) drawOutlines(painter, *d, clip);
    painter.restore();
}

void PreviewRenderer::paintScaledPreview(QPainter& painter, PaintResult& result,
                                         const QRegion& clip) {
    const DeviceInfo* d = m_document.device();
    if (!d) return;
    // The device screen is drawn at its own pixels and enlarged without smoothing,
    // so that each device pixel stays a sharp square as on the device; the picture
    // around it is enlarged smoothly.
    const QRect area = preview::area();
    const QRegion within = clip.isEmpty() ? QRegion(area) : clip;
    if (m_screenLayer.size() != area.size())
        m_screenLayer = QImage(area.size(), QImage::Format_RGB32);
    {
        QPainter layer(&m_screenLayer);
        layer.translate(-area.topLeft());
        layer.setClipRegion(within);
        layer.fillRect(area, QColor::fromRgba(preview::BackgroundArgb));
        paintScreen(layer, result, within);
    }
    painter.save();
    painter.setClipRegion(within);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(area, m_screenLayer);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QImage& picture = devicePictureFor(*d);
    if (!picture.isNull()) painter.drawImage(preview::origin(), picture);
    if (!m_view.outlines.empty()) drawOutlines(painter, *d, clip);
    painter.restore();
}

void PreviewRenderer::paintZoomedPreview(QPainter& painter, PaintResult& result,
                                         const QRegion& clip) {
    const DeviceInfo* d = m_document.device();
    if (!d) return;
    m_view.viewport.scroll = clampedScroll(m_view.viewport);
    const PreviewViewport& v = m_view.viewport;
    const QRect area = preview::area();
    const QRegion within = clip.isEmpty() ? QRegion(area) : clip & area;
    const QSize content = contentSize();
    // The content is drawn at 1x where the region needs it, then enlarged, so
    // that each device pixel becomes a sharp square block and the picture
    // keeps its place around the screen.
    const QRect needed = v.fromClient(within.boundingRect()) & QRect(preview::origin(), content);
    if (m_zoomLayer.size() != content) m_zoomLayer = QImage(content, QImage::Format_RGB32);
    if (!needed.isEmpty()) {
        QPainter layer(&m_zoomLayer);
        layer.translate(-preview::origin());
        layer.setClipRect(needed);
        layer.fillRect(needed, QColor::fromRgba(preview::BackgroundArgb));
        paintScreen(layer, result, QRegion(needed));
        layer.setClipRect(needed);
        const QImage& picture = devicePictureFor(*d);
        if (!picture.isNull()) layer.drawImage(preview::origin(), picture);
    }
    painter.save();
    painter.setClipRegion(within);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!needed.isEmpty())
        painter.drawImage(QRectF(v.toClient(needed)), m_zoomLayer,
                          QRectF(needed.translated(-preview::origin())));
    drawPixelGrid(painter, m_view, *d, within);
    if (!m_view.outlines.empty()) drawOutlines(painter, *d, clip);
    painter.restore();
}

QSize PreviewRenderer::contentSize() {
    const DeviceInfo* d = m_document.device();
    if (!d) return QSize();
    const QImage& picture = devicePictureFor(*d);
    const QRect frame = preview::frameRect(*d).translated(-preview::origin());
    return QSize(std::max(picture.width(), frame.right() + 1),
                 std::max(picture.height(), frame.bottom() + 1));
}

QPoint PreviewRenderer::clampedScroll(const PreviewViewport& viewport) {
    const QPoint limit = viewport.maxScroll(contentSize(), m_view.viewSize);
    return QPoint(std::clamp(viewport.scroll.x(), 0, limit.x()),
                  std::clamp(viewport.scroll.y(), 0, limit.y()));
}

std::vector<QRect> PreviewRenderer::setViewport(const PreviewViewport& viewport) {
    PreviewViewport v = viewport;
    v.zoom = zoomStep(v.zoom);
    v.scroll = clampedScroll(v);
    m_view.viewport = v;
    return requestRepaint(false, false, false, true);
}

std::vector<QRect> PreviewRenderer::zoomAbout(int zoom, QPoint anchor) {
    return setViewport(
        m_view.viewport.zoomedAbout(zoom, anchor, contentSize(), m_view.viewSize));
}

std::vector<QRect> PreviewRenderer::invalidateDeviceRects(const std::vector<QRectF>& deviceRects) {
    std::vector<QRect> rects;
    const DeviceInfo* d = m_document.device();
    if (!d) return rects;
    const QRect area = preview::area();
    for (const QRectF& r : deviceRects) {
        // A pixel around: pens without smoothing may reach into the next pixel.
        const QRect client =
            m_view.viewport.deviceToClient(*d, r.adjusted(-1, -1, 1, 1)).toAlignedRect() & area;
        if (!client.isEmpty()) rects.push_back(client);
    }
    if (!rects.empty()) m_repaintPreview = true;
    return rects;
}

std::vector<QRect> PreviewRenderer::invalidateElement(const LayoutElement& e) {
    const DeviceInfo* d = m_document.device();
    if (!d) return {};
    if (e.kind == KindValue) {
        LayoutElement before = e;
        before.x = e.prevX;
        before.y = e.prevY;
        std::vector<QRectF> boxes;
        for (const LayoutElement* at : {static_cast<const LayoutElement*>(&before), &e})
            if (const auto extent = elementExtent(*at)) boxes.push_back(extent->painted);
        return invalidateDeviceRects(boxes);
    }
    std::vector<QRect> rects;
    const QRect area = preview::area();
    for (const QRect& r : elementRepaintRects(e, *d))
        if (const QRect client = m_view.viewport.toClient(r) & area; !client.isEmpty())
            rects.push_back(client);
    if (!rects.empty()) m_repaintPreview = true;
    return rects;
}

std::vector<QRect> PreviewRenderer::invalidateOverlay() {
    std::vector<QRect> rects;
    const DeviceInfo* d = m_document.device();
    if (!d) return rects;
    const QRect area = preview::area();
    for (const QRect& r : overlayRects(m_view, *d))
        if (const QRect within = r & area; !within.isEmpty()) rects.push_back(within);
    if (!rects.empty()) m_repaintPreview = true;
    return rects;
}

std::optional<ElementExtent> PreviewRenderer::elementExtent(const LayoutElement& e) {
    const DeviceInfo* d = m_document.device();
    if (!d) return std::nullopt;
    return zef::elementExtent(e, *d, m_document.catalogs(), m_painter->faces(),
                              m_view.widestValues);
}

void PreviewRenderer::paintScreen(QPainter& painter, PaintResult& result, const QRegion& clip) {
    const DeviceInfo& d = *m_document.device();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QRect frame = preview::frameRect(d);
    const QRegion elementClip = clip.isEmpty() ? QRegion(frame) : clip & frame;
    painter.setClipRegion(elementClip);
    painter.fillRect(frame, Qt::black);

    std::vector<LayoutElement>& elements = m_document.elementsForDrawing();
    const int selected = m_document.selection();
    std::vector<std::size_t> dynamicColors;
    for (std::size_t j = 0; j < elements.size(); ++j)
        if (elements[j].kind == KindDynamicColor) dynamicColors.push_back(j);

    m_painter->setWidestValues(m_view.widestValues);
    std::optional<LayoutElement> highlighted;
    bool warned = false;
    // A graphic wholly outside what is painted now is left out (values are
    // drawn always: drawing measures their text box).
    const QRect painted = elementClip.boundingRect();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        LayoutElement& e = elements[i];
        const QRgb base = baseColor(e, m_view.nightMode);
        if (static_cast<int>(i) == selected && m_view.highlightSelected) {
            highlighted = e;
            continue;
        }
        if (e.kind == KindGraphic && !clip.isEmpty() &&
            !extentRect(e.kind, e.graphicType, e.x, e.y, e.x2, e.y2, e.radius, e.stroke, d)
                 .intersects(painted))
            continue;
        QRgb c1 = base, c2 = base;
        if (m_view.showDcGradient) gradientColors(e, elements, dynamicColors, c1, c2);
        const DrawOutcome outcome = m_painter->DrawElement(
            painter, e, c1, c2, previewcolors::Rest, d, elements, m_view.randomPool, selected);
        if (outcome.missingValueTypeSelected) result.selectValueTypeForSelection = true;
        if (outcome.missingValueType && !warned) {
            warned = true;
            result.dcWarning = true;
        }
    }
    if (highlighted && (highlighted->kind == KindValue || highlighted->kind == KindGraphic)) {
        // A copy: the element's own text box keeps what the last normal pass measured.
        m_painter->DrawElement(painter, *highlighted, previewcolors::Highlight,
                               previewcolors::Highlight, previewcolors::Highlight, d, elements,
                               m_view.randomPool, selected);
    }
    painter.restore();

    result.previewPainted = true;
    result.summaryText = DeviceCatalog::deviceSummaryText(d);
    const int shown = m_document.selectedDevice();
    result.scaleToDeviceEnabled =
        m_document.designDevice() != -1 && m_document.designDevice() != shown;
}

void PreviewRenderer::drawOutlines(QPainter& painter, const DeviceInfo& d, const QRegion& clip) {
    // Over the picture too: an element outside the screen shows where it went.
    QPen pen(QColor::fromRgba(previewcolors::Outline), 1, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    constexpr qreal Margin = 2; // clear of the element's own pixels
    // Far out areas are cut a little beyond the preview, where no edge shows,
    // rather than handed to the rasteriser whole.
    const QRectF reach = QRectF(preview::area()).adjusted(-10, -10, 10, 10);
    // Outlines wholly outside what is painted now are left out (a pixel
    // around for the pen).
    const QRectF painted =
        clip.isEmpty() ? reach : QRectF(clip.boundingRect()).adjusted(-1, -1, 1, 1);
    for (const QRectF& area : m_view.outlines) {
        const QRectF r =
            m_view.viewport.deviceToClient(d, area).adjusted(-Margin, -Margin, Margin, Margin);
        if (!r.adjusted(-1, -1, 1, 1).intersects(painted)) continue;
        if (r.intersects(reach)) painter.drawRect(r.intersected(reach));
    }
}

QImage PreviewRenderer::devicePictureFor(const DeviceInfo& d) {
    if (m_pictures->programDir() != m_view.programDir) m_pictures->setProgramDir(m_view.programDir);
    return m_pictures->picture(d);
}

// --- mouse ------------------------------------------------------------------------

QString PreviewRenderer::pointerText(QPoint p) {
    if (p.x() <= -50 || p.y() <= -50) return QStringLiteral("-- / --");
    return QStringLiteral("%1 / %2").arg(p.x()).arg(p.y());
}

std::optional<QString> PreviewRenderer::OnMouseMove(QPoint client) {
    const DeviceInfo* d = m_document.device();
    if (!d) return std::nullopt;
    m_pointer = m_view.viewport.devicePixelAt(*d, client);
    return pointerText(*m_pointer);
}

int PreviewRenderer::OnLButtonDown(QPoint client) {
    const DeviceInfo* d = m_document.device();
    if (!d) return -1;
    const QPoint p = m_view.viewport.devicePixelAt(*d, client);
    const int j = ElementAtPoint(p.x(), p.y());
    if (j == -1) return -1;
    if (!m_view.highlightSelected) m_holdHighlight = true;
    return j;
}

bool PreviewRenderer::OnLButtonUp() {
    const bool release = m_holdHighlight;
    m_holdHighlight = false;
    return release;
}

int PreviewRenderer::ElementAtPoint(int px, int py) const {
    const DeviceInfo* d = m_document.device();
    if (!d) return -1;
    return elementAtPoint(m_document.elements(), *d, px, py);
}

} // namespace zef
