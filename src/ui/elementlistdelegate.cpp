#include "elementlistdelegate.h"

#include "elementlistmodel.h"
#include "model/color.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPen>
#include <QStyle>

namespace zef {

namespace {

QColor fromBgr(Bgr c) {
    return QColor::fromRgb(color::toArgb(c));
}

// Left margin of a row's text in pixels.
constexpr int TextIndent = 2;

} // namespace

int ElementListDelegate::rowHeight(const QStyleOptionViewItem& option) {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget);
    return std::max(indicator + 1, option.fontMetrics.height());
}

QSize ElementListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    return QSize(option.fontMetrics.horizontalAdvance(text) + 2 * TextIndent, rowHeight(option));
}

void ElementListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    if (!index.isValid()) return;
    const Bgr c = index.data(ElementListModel::LineColorRole).toUInt() & 0xFFFFFFu;
    const Bgr inv = color::inverted(c);
    const bool selected = option.state & QStyle::State_Selected;
    const bool enabled = option.state & QStyle::State_Enabled;
    const QPalette& palette = option.palette;

    painter->save();
    painter->fillRect(option.rect, selected ? fromBgr(c) : palette.color(QPalette::Base));

    QColor textColor;
    if (c != 0) {
        textColor =
            selected ? fromBgr(inv)
                     : (enabled ? fromBgr(c) : palette.color(QPalette::Disabled, QPalette::Text));
    } else {
        textColor = selected ? palette.color(QPalette::HighlightedText)
                             : (enabled ? palette.color(QPalette::Text)
                                        : palette.color(QPalette::Disabled, QPalette::Text));
    }
    QRect textRect = option.rect.adjusted(TextIndent, 0, 0, 0);
    const QIcon mark = index.data(Qt::DecorationRole).value<QIcon>();
    if (!mark.isNull()) {
        // The layout check's mark sits at the right end of the row as far as
        // the list shows it; the text stops short of it.
        const int size = option.rect.height() - 2;
        int right = option.rect.right();
        if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
            right = std::min(right, view->viewport()->rect().right());
        const QRect markRect(right - size - 1, option.rect.top() + 1, size, size);
        mark.paint(painter, markRect);
        textRect.setRight(markRect.left() - TextIndent);
    }
    painter->setPen(textColor);
    painter->setFont(option.font);
    // A long text is shown up to the row's end (or the mark) with an ellipsis,
    // and only the part that fits is laid out.
    const QString text = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                       Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);

    if (option.state & QStyle::State_HasFocus) {
        // The focus rectangle: a dotted outline that inverts what is under it.
        painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen pen(Qt::white, 1, Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

} // namespace zef
