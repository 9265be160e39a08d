#include "elementlistview.h"

#include <QItemSelectionModel>

namespace zef {

ElementListView::ElementListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
}

int ElementListView::selectedRow() const {
    if (!selectionModel()) return -1;
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void ElementListView::selectRow(int row) {
    if (!model() || !selectionModel()) return;
    if (row < 0 || row >= model()->rowCount()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

template <typename Handler> void ElementListView::asUser(Handler handler) {
    const int before = selectedRow();
    handler();
    const int after = selectedRow();
    if (after == before) return;
    if (after < 0) {
        // A list box keeps its selection when the click hits no row.
        selectRow(before);
        return;
    }
    emit userSelectedRow(after);
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
    asUser([&] { QListView::keyPressEvent(event); });
}

} // namespace zef
