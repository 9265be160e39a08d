#include "elementlistdelegate.h"

#include "elementlistmodel.h"
#include "model/color.h"

#include <QApplication>
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
    painter->setPen(textColor);
    painter->setFont(option.font);
    const QRect textRect = option.rect.adjusted(TextIndent, 0, 0, 0);
    // A long text is shown up to the row's end with an ellipsis, and only the
    // part that fits is laid out.
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
