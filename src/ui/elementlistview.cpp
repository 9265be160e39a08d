#include "elementlistview.h"

#include <QKeyEvent>
#include <QItemSelectionModel>

#include <algorithm>

namespace zef {

ElementListView::ElementListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
}

std::vector<int> ElementListView::selectedRows() const {
    std::vector<int> rows;
    if (!selectionModel()) return rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ElementListView::selectedRow() const {
    if (!selectionModel()) return -1;
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current)) return current.row();
    const std::vector<int> rows = selectedRows();
    return rows.empty() ? -1 : rows.front();
}

void ElementListView::selectRows(const std::vector<int>& rows, int current) {
    if (!model() || !selectionModel()) return;
    const int count = model()->rowCount();
    if (current < 0 || current >= count) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    if (rows == selectedRows() && selectionModel()->currentIndex().row() == current) return;
    QItemSelection selection;
    for (int row : rows)
        if (row >= 0 && row < count)
            selection.select(model()->index(row, 0), model()->index(row, 0));
    const QModelIndex index = model()->index(current, 0);
    selection.select(index, index);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
}

template <typename Handler> void ElementListView::asUser(Handler handler) {
    const std::vector<int> before = selectedRows();
    const int beforeRow = selectedRow();
    handler();
    const std::vector<int> after = selectedRows();
    const int afterRow = selectedRow();
    if (after == before && afterRow == beforeRow) return;
    if (after.empty()) {
        // A list box keeps its selection when the click hits no row.
        selectRows(before, beforeRow);
        return;
    }
    emit userSelectedRows(after, afterRow);
}

void ElementListView::mousePressEvent(QMouseEvent* event) {
    asUser([&] { QListView::mousePressEvent(event); });
}

void ElementListView::mouseMoveEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseMoveEvent(event); });
}

void ElementListView::mouseReleaseEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseReleaseEvent(event); });
}

void ElementListView::keyPressEvent(QKeyEvent* event) {
    // Shift+Up and Shift+Down belong to the second point; where an element has
    // none they move the one selection, as plain Up and Down do, rather than
    // widening it unseen (a Delete after them would take several elements).
    // Several elements are selected with Ctrl+click and Shift+click.
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), event->count());
        asUser([&] { QListView::keyPressEvent(&plain); });
        event->setAccepted(plain.isAccepted());
        return;
    }
    asUser([&] { QListView::keyPressEvent(event); });
}

} // namespace zef
