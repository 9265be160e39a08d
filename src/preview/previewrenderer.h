#pragma once

#include "preview/elementextent.h"
#include "preview/previewgeometry.h"
#include "preview/previewviewstate.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace zef {

class LayoutDocument;
class ElementPainter;
class FaceCache;
class DevicePictures;

// What a paint found out that the window has to act on. Fields marked
// "preview" are only meaningful when previewPainted is true.
struct PaintResult {
    // The device screen, its elements and the picture were redrawn.
    bool previewPainted = false;
    // preview: text of the device summary edit above the preview.
    QString summaryText;
    // preview: whether the "Scale to device" button is enabled.
    bool scaleToDeviceEnabled = false;
    // preview: a dynamic colour targets a value element without value type.
    // The window shows PreviewRenderer::dcWarningText() once (OK only) AFTER the
    // paint event has returned (for instance through a queued call), never
    // from inside paintEvent; showDcWarning() does it through the platform.
    bool dcWarning = false;
    // preview: such a value element is the selected one. The window selects the
    // second entry of the value-type list, runs that list's change handling and
    // moves the focus to it, again after the paint event, before the warning.
    bool selectValueTypeForSelection = false;
    // Time the paint took, in milliseconds.
    double paintMs = 0;

    // The text of the paint-time edit: "<whole milliseconds> ms".
    QString paintTimeText() const;
};

// The preview of the designer window: repaint flags, the off-screen image of
// the client area, the drawing of the swatches, the device screen with every
// element and the device picture, and the mouse over the preview.
//
// The window owns one renderer for its whole life and calls:
//   - InvalidateView (or requestRepaint) from every command, then update() on
//     each returned rectangle;
//   - RenderClientArea from paintEvent with the event's region;
//   - OnMouseMove / OnLButtonDown / OnLButtonUp from its mouse events.
//
// The off-screen image persists between paints: a paint brings up to date only
// what the flags ask for and copies the update region to the screen, so a paint
// the system asks for alone (the window uncovered) shows what was last drawn
// instead of blank background.
class PreviewRenderer {
public:
    explicit PreviewRenderer(LayoutDocument& document);
    ~PreviewRenderer();
    PreviewRenderer(const PreviewRenderer&) = delete;
    PreviewRenderer& operator=(const PreviewRenderer&) = delete;

    LayoutDocument& document() const { return m_document; }

    PreviewViewState& viewState() { return m_view; }
    const PreviewViewState& viewState() const { return m_view; }

    // The preview faces the elements are drawn with, for others that measure
    // text the same way.
    FaceCache& faces();

    // --- requesting repaints ------------------------------------------------
    // The one way commands request a repaint:
    //  swatch: the colour swatch; dcSwatches: the ten dynamic-colour swatches;
    //  elementArea: the selected element (the whole preview for a value, the old
    //  and the new extent for a graphic, dynamic colour or separator; nothing and
    //  no commit when no element is selected); wholePreview: the whole preview.
    // Sets the matching flags, then commits the document (the undo step).
    // Returns the client rectangles the window must update(); the element's
    // current geometry becomes its previous geometry.
    std::vector<QRect> InvalidateView(bool swatch, bool dcSwatches, bool elementArea,
                                      bool wholePreview);
    // The same without the commit, for a document that has committed itself
    // (LayoutDocument::viewInvalidated is followed by its own commit()).
    std::vector<QRect> requestRepaint(bool swatch, bool dcSwatches, bool elementArea,
                                      bool wholePreview);

    // The element's repaint rectangles on device d: its extent at the previous
    // geometry and at the current one (one rectangle when they coincide). Does
    // not touch the element.
    static std::vector<QRect> elementRepaintRects(const LayoutElement& e, const DeviceInfo& d);

    bool repaintSwatch() const { return m_repaintSwatch; }
    bool repaintDcSwatches() const { return m_repaintDcSwatches; }
    bool repaintPreview() const { return m_repaintPreview; }

    // --- painting -------------------------------------------------------------
    // paintEvent: brings the off-screen image (client size clientSize) up to date
    // for the flags, clears them and copies updateRegion of it to painter (client
    // coordinates). An empty updateRegion means the whole client area. Drawing is
    // clipped to updateRegion: outside it the screen keeps what it shows, so the
    // off-screen image needs nothing there. Every value element's text box is
    // measured whatever the region. On a painter with a device pixel ratio above 1
    // (a HiDPI screen) the device screen is enlarged without smoothing, each device
    // pixel a sharp square block, and the device picture smoothly.
    PaintResult RenderClientArea(QPainter& painter, QSize clientSize,
                                 const QRegion& updateRegion = QRegion());

    // The off-screen image of the client area as last painted, at the painter's
    // device pixel ratio (clientSize times the ratio in pixels).
    const QImage& clientImage() const { return m_client; }

    // The preview alone as the window paints it with the preview flag set: pixel
    // (0, 0) is the client point (650, 35); the image is as large as the device
    // picture and at least as large as the screen frame. Uses the view state;
    // leaves the flags and the off-screen image alone. A null image when no
    // device is selected. result (optional) receives what the paint found.
    QImage RenderPreviewImage(PaintResult* result = nullptr);

    // Draws the device screen with every element, then the picture, into painter
    // (client coordinates), clipped to the screen frame and to clip (whole frame
    // when empty). Fills result's preview fields. Needs a selected device.
    void paintPreview(QPainter& painter, PaintResult& result, const QRegion& clip = QRegion());

    // --- zoom and overlay --------------------------------------------------------
    // The preview's content at 1x: from the picture's top-left corner (client
    // (650, 35)) over the picture and the screen frame. Empty with no device.
    QSize contentSize();
    // Sets the zoom (a step of ZoomLevels) and scroll, the scroll kept within
    // the content; returns the rectangles to update (the whole preview).
    std::vector<QRect> setViewport(const PreviewViewport& viewport);
    // Zooms to another step keeping the content under the client point anchor
    // (the pointer for the wheel, the preview's centre for keys) in place.
    std::vector<QRect> zoomAbout(int zoom, QPoint anchor);
    // Marks the preview for repainting within device-pixel rectangles (widened
    // by a pixel for unsmoothed edges); returns their client rectangles.
    std::vector<QRect> invalidateDeviceRects(const std::vector<QRectF>& deviceRects);
    // Marks the preview for repainting where element e was at its previous
    // geometry and is now (a value by its text, a graphic as InvalidateView
    // does); returns the client rectangles. Does not touch the element.
    std::vector<QRect> invalidateElement(const LayoutElement& e);
    // Marks the preview for repainting where the overlay of the view state is
    // drawn now (call before and after changing it); returns the rectangles.
    std::vector<QRect> invalidateOverlay();
    // Where an element lies on the selected device, measured as the preview
    // draws it (nothing without a device or for kinds without a place).
    std::optional<ElementExtent> elementExtent(const LayoutElement& e);

    // "Please select a value type if a dynamic color is used!"
    static QString dcWarningText();
    // Shows dcWarningText() through the document's platform when result asks
    // for it. Call after the paint event, never during it.
    void showDcWarning(const PaintResult& result);

    // --- mouse ------------------------------------------------------------------
    // Pointer moved to a client point. Nothing when no device is selected;
    // otherwise the text of the pointer-position edit ("-- / --" or "x / y").
    std::optional<QString> OnMouseMove(QPoint client);
    // Left button pressed at a client point: the element under it, or -1 (then
    // nothing changes). When an element is hit and the highlight is off, the
    // renderer remembers to switch it off again at the release; the window then
    // checks "Highlight (red) selected element" (running its command), selects
    // row j and runs its selection handling.
    int OnLButtonDown(QPoint client);
    // Left button released: true when the highlight switched on by the click is
    // to go off now (the window unchecks the box and runs its command).
    bool OnLButtonUp();
    bool holdHighlight() const { return m_holdHighlight; }

    // The last pointer position in device-screen pixels (unset before the first
    // move over a selected device). The keyboard places points there.
    std::optional<QPoint> pointer() const { return m_pointer; }
    // Pointer-position text for a device-screen point.
    static QString pointerText(QPoint screenPoint);

    // The topmost element hit at device-screen point (px, py) of the selected
    // device, or -1.
    int ElementAtPoint(int px, int py) const;

private:
    std::vector<QRect> invalidate(bool swatch, bool dcSwatches, bool elementArea, bool wholePreview,
                                  bool commit);
    void drawSwatches(QPainter& painter, bool swatch, bool dcSwatches);
    // paintPreview without the picture.
    void paintScreen(QPainter& painter, PaintResult& result, const QRegion& clip);
    // paintPreview for a painter with a device pixel ratio above 1: the screen
    // through m_screenLayer, at 1x.
    void paintScaledPreview(QPainter& painter, PaintResult& result, const QRegion& clip);
    // paintPreview for a zoomed or scrolled viewport: the content at 1x through
    // m_zoomLayer, enlarged without smoothing, then the pixel grid.
    void paintZoomedPreview(QPainter& painter, PaintResult& result, const QRegion& clip);
    QPoint clampedScroll(const PreviewViewport& viewport);
    void drawOutlines(QPainter& painter, const DeviceInfo& d, const QRegion& clip);
    QImage devicePictureFor(const DeviceInfo& d);

    LayoutDocument& m_document;
    PreviewViewState m_view;
    std::unique_ptr<ElementPainter> m_painter;
    std::unique_ptr<DevicePictures> m_pictures;
    QImage m_client;
    QImage m_screenLayer; // the preview area at 1x, for paintScaledPreview
    QImage m_zoomLayer;   // the content at 1x, for paintZoomedPreview
    bool m_repaintSwatch = false;
    bool m_repaintDcSwatches = false;
    bool m_repaintPreview = false;
    bool m_holdHighlight = false;
    std::optional<QPoint> m_pointer;
};

} // namespace zef
