#pragma once

#include <QStyledItemDelegate>

namespace zef {

// Draws the element list's rows: text in the row's kind colour; the selected
// row as a bar in that colour with the text in the inverse colour. A row of
// colour 0 (fixed texts) uses the system colours: black bar with the
// highlighted-text colour when selected.
class ElementListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The row height for a list font: the height of a check-mark indicator,
    // or the font's line height where that is taller.
    static int rowHeight(const QStyleOptionViewItem& option);
};

} // namespace zef
