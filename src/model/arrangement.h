#pragma once

#include <QPoint>
#include <QRectF>

#include <vector>

namespace zef {

// The Arrange commands on the selected elements.
enum class Alignment { Left, Centre, Right, Top, Middle, Bottom };

// The whole-pixel moves that line up the extents (device pixels, one per
// element) on one edge or centre line. Two or more extents are aligned to the
// outermost of their edges (left: the leftmost) or to the centre of their joint
// bounds; a single extent is aligned to the reference (the screen).
std::vector<QPoint> alignmentMoves(const std::vector<QRectF>& extents, Alignment alignment,
                                   const QRectF& reference);

// The whole-pixel moves that make the gaps between neighbours equal along the
// orientation (horizontal: left to right). The first and the last extent along
// it stay; the others keep their order. Fewer than three extents do not move.
std::vector<QPoint> distributionMoves(const std::vector<QRectF>& extents,
                                      Qt::Orientation orientation);

} // namespace zef
