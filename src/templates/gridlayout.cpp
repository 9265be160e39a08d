#include "gridlayout.h"

#include <cmath>

namespace zef {

namespace {

struct Segment {
    int x, top, bottom;
};

} // namespace

bool addGrid(TemplateCanvas& canvas, qreal top, qreal bottom, int columns, int rows,
             const std::vector<TemplateField>& fields) {
    if (rows < 1 || columns < 1 || fields.size() != std::size_t(rows) * std::size_t(columns))
        return false;
    const qreal rowHeight = (bottom - top) / rows;
    std::vector<TemplateCanvas::Cell> cells;
    // Column borders of every row, merged down the grid where they line up.
    std::vector<std::vector<Segment>> borders(std::size_t(columns - 1));
    for (int r = 0; r < rows; ++r) {
        const qreal y0 = top + r * rowHeight;
        const QRectF span = canvas.band(y0, y0 + rowHeight);
        if (span.isEmpty()) return false;
        const qreal cellWidth = span.width() / columns;
        for (int c = 0; c < columns; ++c) {
            cells.push_back({QRectF(span.left() + c * cellWidth, y0, cellWidth, rowHeight),
                             fields[std::size_t(r) * std::size_t(columns) + std::size_t(c)]});
            if (c == 0) continue;
            const Segment s{int(std::lround(span.left() + c * cellWidth)), int(std::lround(y0)),
                            int(std::lround(y0 + rowHeight))};
            std::vector<Segment>& column = borders[std::size_t(c - 1)];
            if (!column.empty() && column.back().x == s.x && column.back().bottom == s.top)
                column.back().bottom = s.bottom;
            else
                column.push_back(s);
        }
    }
    if (!canvas.addLabelledValues(cells)) return false;

    const int lw = canvas.lineWidth();
    for (int r = 1; r < rows; ++r) {
        const qreal y = top + r * rowHeight;
        const QRectF chord = canvas.band(y - lw, y + lw);
        if (chord.isEmpty()) return false;
        const int yi = int(std::lround(y));
        canvas.addLine({int(std::ceil(chord.left())), yi},
                       {int(std::floor(chord.right())) - lw, yi});
    }
    for (const std::vector<Segment>& column : borders)
        for (const Segment& s : column) canvas.addLine({s.x, s.top}, {s.x, s.bottom - lw});
    return true;
}

bool keepLargest(TemplateCanvas& canvas, const std::vector<qreal>& fractions,
                 const std::function<bool(TemplateCanvas&, qreal)>& build) {
    std::optional<TemplateCanvas> best;
    for (qreal fraction : fractions) {
        TemplateCanvas trial = canvas;
        if (!build(trial, fraction)) continue;
        if (!best || trial.smallestValueHeight() > best->smallestValueHeight()) best.emplace(trial);
    }
    if (!best) return false;
    canvas = *best;
    return true;
}

} // namespace zef
