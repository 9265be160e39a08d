#include "arrangement.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zef {

namespace {

int wholePixels(qreal v) {
    return static_cast<int>(std::clamp<qreal>(std::round(v), -1e9, 1e9));
}

// Along the orientation: start and length of a rectangle.
qreal startOf(const QRectF& r, Qt::Orientation o) {
    return o == Qt::Horizontal ? r.left() : r.top();
}
qreal lengthOf(const QRectF& r, Qt::Orientation o) {
    return o == Qt::Horizontal ? r.width() : r.height();
}
QPoint along(Qt::Orientation o, int d) {
    return o == Qt::Horizontal ? QPoint(d, 0) : QPoint(0, d);
}

} // namespace

std::vector<QPoint> alignmentMoves(const std::vector<QRectF>& extents, Alignment alignment,
                                   const QRectF& reference) {
    QRectF bounds = reference;
    if (extents.size() >= 2) {
        bounds = extents.front();
        for (const QRectF& r : extents) bounds |= r;
    }
    std::vector<QPoint> moves;
    moves.reserve(extents.size());
    for (const QRectF& r : extents) {
        switch (alignment) {
        case Alignment::Left:
            moves.emplace_back(wholePixels(bounds.left() - r.left()), 0);
            break;
        case Alignment::Centre:
            moves.emplace_back(wholePixels(bounds.center().x() - r.center().x()), 0);
            break;
        case Alignment::Right:
            moves.emplace_back(wholePixels(bounds.right() - r.right()), 0);
            break;
        case Alignment::Top:
            moves.emplace_back(0, wholePixels(bounds.top() - r.top()));
            break;
        case Alignment::Middle:
            moves.emplace_back(0, wholePixels(bounds.center().y() - r.center().y()));
            break;
        case Alignment::Bottom:
            moves.emplace_back(0, wholePixels(bounds.bottom() - r.bottom()));
            break;
        }
    }
    return moves;
}

std::vector<QPoint> distributionMoves(const std::vector<QRectF>& extents,
                                      Qt::Orientation orientation) {
    std::vector<QPoint> moves(extents.size());
    const std::size_t n = extents.size();
    if (n < 3) return moves;
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t(0));
    // Equal starts keep the document order.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return startOf(extents[a], orientation) < startOf(extents[b], orientation);
    });
    const QRectF& first = extents[order.front()];
    const QRectF& last = extents[order.back()];
    const qreal span =
        startOf(last, orientation) + lengthOf(last, orientation) - startOf(first, orientation);
    qreal lengths = 0;
    for (const QRectF& r : extents) lengths += lengthOf(r, orientation);
    const qreal gap = (span - lengths) / qreal(n - 1);

    qreal start = startOf(first, orientation);
    for (std::size_t k = 0; k < n; ++k) {
        const QRectF& r = extents[order[k]];
        if (k > 0 && k + 1 < n)
            moves[order[k]] = along(orientation, wholePixels(start - startOf(r, orientation)));
        start += lengthOf(r, orientation) + gap;
    }
    return moves;
}

} // namespace zef
