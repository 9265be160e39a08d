#include "elementlistmodel.h"

#include "check/layoutcheck.h"
#include "controltooltips.h"
#include "listitemtext.h"
#include "model/color.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QStyle>

namespace zef {

namespace {

QColor toQColor(Bgr c) {
    return QColor::fromRgb(color::toArgb(c));
}

} // namespace

ElementListModel::ElementListModel(LayoutDocument& document, const ValueTypeCatalog& catalog,
                                   QObject* parent)
    : QAbstractListModel(parent), m_document(document), m_catalog(catalog) {
    connect(&m_document, &LayoutDocument::linesReset, this, &ElementListModel::onLinesReset);
    connect(&m_document, &LayoutDocument::lineInserted, this, &ElementListModel::onLineInserted);
    connect(&m_document, &LayoutDocument::lineRemoved, this, &ElementListModel::onLineRemoved);
    connect(&m_document, &LayoutDocument::lineChanged, this, &ElementListModel::onLineChanged);
    onLinesReset();
}

int ElementListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant ElementListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.text;
    case Qt::ToolTipRole:
        // Built when asked: the element's place changes without its row.
        return (index.row() < m_document.count()
                    ? elementToolTip(m_document.elements()[static_cast<std::size_t>(index.row())],
                                     row.text)
                    : row.text) +
               (row.findings.isEmpty() ? QString()
                                       : QLatin1Char('\n') + row.findings.join(QLatin1Char('\n')));
    case Qt::DecorationRole:
        return row.findings.isEmpty()
                   ? QVariant()
                   : QVariant(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning));
    case FindingsRole:
        return row.findings;
    case LineColorRole:
        return static_cast<uint>(row.color);
    case Qt::ForegroundRole:
        return row.color ? QVariant(toQColor(row.color)) : QVariant();
    default:
        return {};
    }
}

ElementListModel::Row ElementListModel::buildRow(int index) const {
    Row row;
    row.text = ListItemText(m_document.elements(), index, m_catalog);
    if (index >= 0 && index < m_document.count())
        row.color = elementLineColor(m_document.elements()[static_cast<std::size_t>(index)]);
    return row;
}

QString ElementListModel::listItemText(int index, bool silent) {
    Row row = buildRow(index);
    if (!silent && index >= 0 && index < rowCount()) {
        Row& shown = m_rows[static_cast<std::size_t>(index)];
        // Only a changed text rebuilds the row (and takes the element's colour).
        if (shown.text != row.text) {
            rebuild(shown, row);
            const QModelIndex i = this->index(index);
            emit dataChanged(i, i);
        }
    }
    return row.text;
}

void ElementListModel::refreshAllRows() {
    for (int i = 0; i < rowCount(); ++i) listItemText(i, false);
}

QString ElementListModel::rowText(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].text : QString();
}

Bgr ElementListModel::rowColor(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].color : 0;
}

void ElementListModel::rebuild(Row& shown, const Row& built) {
    shown.text = built.text;
    shown.color = built.color;
}

void ElementListModel::setFindings(const std::vector<Finding>& findings) {
    std::vector<QStringList> lines(m_rows.size());
    for (const Finding& finding : findings)
        if (finding.element >= 0 && std::size_t(finding.element) < lines.size())
            lines[std::size_t(finding.element)] << findingLine(finding);
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].findings == lines[row]) continue;
        m_rows[row].findings = std::move(lines[row]);
        const QModelIndex i = index(int(row));
        emit dataChanged(i, i, {Qt::DecorationRole, Qt::ToolTipRole, FindingsRole});
    }
}

QStringList ElementListModel::rowFindings(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].findings
                                        : QStringList();
}

void ElementListModel::onLinesReset() {
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(static_cast<std::size_t>(m_document.count()));
    for (int i = 0; i < m_document.count(); ++i) m_rows.push_back(buildRow(i));
    endResetModel();
}

void ElementListModel::onLineInserted(int row) {
    if (row < 0 || row > rowCount()) return onLinesReset();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(m_rows.begin() + row, buildRow(row));
    endInsertRows();
}

void ElementListModel::onLineRemoved(int row) {
    if (row < 0 || row >= rowCount()) return onLinesReset();
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void ElementListModel::onLineChanged(int row) {
    if (row < 0 || row >= rowCount()) return;
    Row& shown = m_rows[static_cast<std::size_t>(row)];
    const Row built = buildRow(row);
    // A move keeps the row's text and colour (its tooltip is built when asked).
    if (built.text == shown.text && built.color == shown.color) return;
    rebuild(shown, built);
    const QModelIndex i = index(row);
    emit dataChanged(i, i);
}

} // namespace zef
