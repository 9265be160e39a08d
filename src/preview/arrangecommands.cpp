#include "arrangecommands.h"

#include "model/elementselection.h"
#include "model/layoutdocument.h"
#include "preview/previewrenderer.h"

namespace zef {

namespace {

// The selected rows that have a place, and their extents.
struct Placed {
    std::vector<int> rows;
    std::vector<QRectF> extents;
};

Placed placedSelection(const LayoutDocument& document, PreviewRenderer& renderer,
                       const ElementSelection& selection) {
    Placed placed;
    for (int row : selection.rows()) {
        if (const auto extent = renderer.elementExtent(document.elements()[std::size_t(row)])) {
            placed.rows.push_back(row);
            placed.extents.push_back(extent->bounds);
        }
    }
    return placed;
}

} // namespace

void alignSelection(LayoutDocument& document, PreviewRenderer& renderer,
                    const ElementSelection& selection, Alignment alignment) {
    const DeviceInfo* d = document.device();
    if (!d) return;
    const Placed placed = placedSelection(document, renderer, selection);
    const QRectF screen(0, 0, d->screenWidth, d->screenHeight);
    document.arrangeElements(placed.rows, alignmentMoves(placed.extents, alignment, screen));
}

void distributeSelection(LayoutDocument& document, PreviewRenderer& renderer,
                         const ElementSelection& selection, Qt::Orientation orientation) {
    if (!document.device()) return;
    const Placed placed = placedSelection(document, renderer, selection);
    document.arrangeElements(placed.rows, distributionMoves(placed.extents, orientation));
}

} // namespace zef
