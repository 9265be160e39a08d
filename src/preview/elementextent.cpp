#include "elementextent.h"

#include "model/layoutelement.h"
#include "preview/elementshape.h"
#include "preview/valuetextplacement.h"

namespace zef {

std::optional<ElementExtent> elementExtent(const LayoutElement& e, const DeviceInfo& d,
                                           const Catalogs& catalogs, FaceCache& faces,
                                           bool widest) {
    const QPointF point(e.x, e.y);
    if (e.kind == KindGraphic) {
        QRectF bounds = graphicShape(e, d).bounds();
        if (bounds.isNull()) bounds = QRectF(point, QSizeF(0, 0));
        return ElementExtent{bounds, {}, bounds};
    }
    if (e.kind == KindValue) {
        const ValueTextExtent text = valueTextExtent(e, d, catalogs, faces, widest);
        const QRectF bounds =
            text.hasFace ? text.placement.box.normalized() : QRectF(point, QSizeF(0, 0));
        QRectF painted = bounds;
        if (text.hasFace && !text.placement.ink.isEmpty()) painted |= text.placement.ink;
        return ElementExtent{bounds, point, painted};
    }
    return std::nullopt;
}

std::vector<int> rowsMeeting(const std::vector<std::optional<ElementExtent>>& extents,
                             const QRectF& band) {
    const QRectF b = band.normalized();
    std::vector<int> rows;
    for (std::size_t i = 0; i < extents.size(); ++i) {
        if (!extents[i]) continue;
        const QRectF& r = extents[i]->bounds;
        // Closed intervals: a line of no width or a point counts where it lies.
        if (r.left() <= b.right() && r.right() >= b.left() && r.top() <= b.bottom() &&
            r.bottom() >= b.top())
            rows.push_back(static_cast<int>(i));
    }
    return rows;
}

} // namespace zef
