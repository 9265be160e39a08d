#include "elementselection.h"

#include "layoutdocument.h"
#include "validrows.h"

#include <algorithm>

namespace zef {

ElementSelection::ElementSelection(LayoutDocument& document, QObject* parent)
    : QObject(parent), m_document(document) {
    connect(&document, &LayoutDocument::selectionChanged, this, &ElementSelection::followSelection);
    connect(&document, &LayoutDocument::lineInserted, this, &ElementSelection::lineInserted);
    connect(&document, &LayoutDocument::lineRemoved, this, &ElementSelection::lineRemoved);
    connect(&document, &LayoutDocument::linesReset, this,
            [this] { followSelection(m_document.selection()); });
    followSelection(document.selection());
}

bool ElementSelection::contains(int row) const {
    return std::binary_search(m_rows.begin(), m_rows.end(), row);
}

int ElementSelection::current() const {
    return m_document.selection();
}

void ElementSelection::setCurrent(int row) {
    m_settingCurrent = true;
    m_document.setSelection(row);
    m_settingCurrent = false;
}

void ElementSelection::select(int row) {
    setRows(row >= 0 ? std::vector<int>{row} : std::vector<int>{}, row);
}

void ElementSelection::toggle(int row) {
    if (row < 0 || row >= m_document.count()) return;
    std::vector<int> rows = m_rows;
    if (!contains(row)) {
        rows.push_back(row);
        setRows(std::move(rows), row);
        return;
    }
    rows.erase(std::find(rows.begin(), rows.end(), row));
    int next = current();
    if (next == row) {
        const auto before = std::lower_bound(rows.begin(), rows.end(), row);
        next = before != rows.begin() ? *(before - 1) : (rows.empty() ? -1 : rows.front());
    }
    setRows(std::move(rows), next);
}

void ElementSelection::extendTo(int row) {
    if (row < 0 || row >= m_document.count()) return;
    const int from = current() >= 0 ? current() : row;
    std::vector<int> rows;
    for (int r = std::min(from, row); r <= std::max(from, row); ++r) rows.push_back(r);
    setRows(std::move(rows), row);
}

void ElementSelection::setRows(std::vector<int> rows, int current) {
    rows = validRows(std::move(rows), m_document.count());
    if (!std::binary_search(rows.begin(), rows.end(), current))
        current = rows.empty() ? -1 : rows.back();
    const bool same = rows == m_rows && current == this->current();
    m_rows = std::move(rows);
    setCurrent(current);
    if (!same) emit changed();
}

void ElementSelection::selectAll() {
    std::vector<int> rows(static_cast<std::size_t>(m_document.count()));
    for (int i = 0; i < m_document.count(); ++i) rows[std::size_t(i)] = i;
    setRows(std::move(rows), current());
}

void ElementSelection::nudge(int dx, int dy) {
    if (m_rows.empty()) return;
    m_document.moveElements(m_rows, dx, dy);
    m_document.refresh();
}

// One element goes through the document's commands for the selected element,
// exactly as they always worked; several are taken together.
void ElementSelection::remove() {
    if (m_rows.size() > 1)
        m_document.removeElements(m_rows);
    else
        m_document.removeSelected();
}

void ElementSelection::copy() {
    if (m_rows.size() > 1)
        m_document.copyElements(m_rows);
    else
        m_document.copySelected();
}

void ElementSelection::cut() {
    if (m_rows.size() > 1)
        m_document.cutElements(m_rows);
    else
        m_document.cutSelected();
}

void ElementSelection::paste() {
    if (m_document.clipboardElements().size() <= 1) {
        m_document.pasteElement();
        return;
    }
    // Several pasted elements come selected together.
    const std::vector<int> added = m_document.pasteElements();
    if (!added.empty()) setRows(added, added.back());
}

void ElementSelection::clone() {
    if (m_rows.size() <= 1) {
        m_document.cloneSelected();
        return;
    }
    const std::vector<int> added = m_document.cloneElements(m_rows);
    if (!added.empty()) setRows(added, added.back());
}

void ElementSelection::followSelection(int row) {
    if (m_settingCurrent) return;
    if (row >= 0 && contains(row) && m_rows.size() == 1) return;
    m_rows = row >= 0 ? std::vector<int>{row} : std::vector<int>{};
    emit changed();
}

void ElementSelection::lineInserted(int row) {
    for (int& r : m_rows)
        if (r >= row) ++r;
}

void ElementSelection::lineRemoved(int row) {
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), row);
    if (it != m_rows.end() && *it == row) m_rows.erase(it);
    for (int& r : m_rows)
        if (r > row) --r;
}

} // namespace zef
