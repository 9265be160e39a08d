#pragma once

#include "model/layoutelement.h"
#include "preview/previewgeometry.h"
#include "preview/previewviewport.h"
#include "preview/snapping.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zef {

// What the window tells the preview beyond the document: the three view check
// boxes, the swatch colours of the property panel, the graph bar heights and
// where the program lives. The window owns the values and writes them here
// before requesting a repaint.
struct PreviewViewState {
    // Check box "Highlight (red) selected element".
    bool highlightSelected = false;
    // Check box "Show gradient on elements with dyn. colors".
    bool showDcGradient = false;
    // Check box "Show night mode".
    bool nightMode = false;
    // View "widest values": every value drawn with its widest digits instead
    // of its sample reading.
    bool widestValues = false;
    // Areas outlined over the preview, in device-screen pixels: the elements
    // the layout check found something about. Empty: nothing is outlined.
    std::vector<QRectF> outlines;

    // Colour shown in the colour swatch (the colour being edited), 0x00BBGGRR.
    Bgr swatchColor = 0;
    // Colours of the ten dynamic-colour swatches, 0x00BBGGRR.
    std::array<Bgr, 10> dcSwatchColors{};

    // Graph bar heights: 1024 values 0..32767 made once per window. Bars past
    // the end of the pool reuse its last value; an empty pool gives flat bars.
    std::vector<std::int32_t> randomPool;

    // Directory of the executable (device pictures may be looked up beside it).
    QString programDir;

    // Zoom and scroll of the preview column (identity: the preview as at 1:1).
    PreviewViewport viewport;
    // The part of the preview area the content shows in: the whole area less
    // the scroll bars the window lays over its right and bottom edges.
    QSize viewSize = preview::area().size();
    // View "pixel grid": lines between the device pixels from PixelGridMinZoom on.
    bool pixelGrid = true;

    // Drawn over the preview while the pointer works on it, in device pixels;
    // all empty, nothing is drawn. What snapped during a drag:
    std::vector<SnapGuide> guides;
    // The handles of the element the property panel shows.
    std::vector<QPointF> handles;
    // The extents of the selected elements when more than one is selected.
    std::vector<QRectF> selectionBoxes;
    // The rubber band being dragged.
    std::optional<QRectF> rubberBand;

    bool hasOverlay() const {
        return !guides.empty() || !handles.empty() || !selectionBoxes.empty() || rubberBand;
    }
};

} // namespace zef
