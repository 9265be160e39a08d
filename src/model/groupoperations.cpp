// LayoutDocument's operations on several elements at once, and the geometry
// edits that dragging on the preview makes.
#include "layoutdocument.h"
#include "validrows.h"

#include <algorithm>

namespace zef {

namespace {

const LayoutElement& emptyElement() {
    static const LayoutElement empty;
    return empty;
}

} // namespace

const LayoutElement& LayoutDocument::clipboardElement() const {
    return m_clipboard.empty() ? emptyElement() : m_clipboard.front();
}

bool LayoutDocument::setGeometry(int row, const ElementGeometry& geometry) {
    if (row < 0 || row >= count()) return false;
    LayoutElement& e = m_elements[std::size_t(row)];
    if (geometryOf(e) == geometry) return false;
    e.rememberGeometry();
    applyGeometry(e, geometry);
    followGraphWidth(e);
    emit lineChanged(row);
    return true;
}

void LayoutDocument::moveElements(const std::vector<int>& rows, int dx, int dy) {
    for (int row : validRows(rows, count()))
        setGeometry(row, movedBy(m_elements[std::size_t(row)], dx, dy));
}

void LayoutDocument::arrangeElements(const std::vector<int>& rows,
                                     const std::vector<QPoint>& moves) {
    bool changed = false;
    for (std::size_t i = 0; i < rows.size() && i < moves.size(); ++i) {
        const int row = rows[i];
        if (row < 0 || row >= count()) continue;
        changed |=
            setGeometry(row, movedBy(m_elements[std::size_t(row)], moves[i].x(), moves[i].y()));
    }
    if (changed) refresh();
}

void LayoutDocument::removeElements(std::vector<int> rows) {
    rows = validRows(std::move(rows), count());
    if (rows.empty()) return;
    bool dynamicColorRemoved = false;
    m_selection = -1;
    // From the last: the rows still to go keep their numbers.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        dynamicColorRemoved |= m_elements[std::size_t(*it)].kind == KindDynamicColor;
        m_elements.erase(m_elements.begin() + *it);
        emit lineRemoved(*it);
    }
    if (m_elements.empty()) emit selectionChanged(-1);
    setSelection(std::min(rows.front(), count() - 1));
    emit showElementRequested();
    emit countsChanged();
    refresh();
    // Recoloured elements lose their mark: every line is rebuilt.
    if (dynamicColorRemoved) emit linesReset();
}

void LayoutDocument::copyElements(std::vector<int> rows) {
    rows = validRows(std::move(rows), count());
    if (rows.empty()) return;
    m_clipboard.clear();
    for (int row : rows) m_clipboard.push_back(m_elements[std::size_t(row)]);
}

void LayoutDocument::cutElements(const std::vector<int>& rows) {
    copyElements(rows);
    removeElements(rows);
}

std::vector<int> LayoutDocument::insertAfterSelection(const ElementVector& elements) {
    std::vector<int> added;
    beginAddBatch();
    for (const LayoutElement& e : elements)
        if (addElement(&e, false, true)) added.push_back(m_selection);
    endAddBatch();
    emit showElementRequested();
    emit countsChanged();
    refresh();
    return added;
}

std::vector<int> LayoutDocument::pasteElements() {
    if (m_clipboard.empty() || !device()) return {};
    return insertAfterSelection(visibleCopies(m_clipboard));
}

std::vector<int> LayoutDocument::cloneElements(std::vector<int> rows) {
    rows = validRows(std::move(rows), count());
    if (rows.empty() || !device()) return {};
    ElementVector copies;
    for (int row : rows) copies.push_back(m_elements[std::size_t(row)]);
    setSelection(rows.back());
    return insertAfterSelection(visibleCopies(copies));
}

} // namespace zef
