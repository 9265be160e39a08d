#pragma once

#include "model/layoutdocument.h"

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

namespace zef {

struct Finding;
class ValueTypeCatalog;

// The element list: one row per element of the document, in document order.
// Rows keep their texts and colours as they were built; a row's text is
// rebuilt where the document says a line changed and where a refresh asks for
// it (a row's text can depend on other elements: the "*" mark).
class ElementListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The row's colour, 0x00BBGGRR (elementLineColor of the element); 0 stands
    // for the system colours.
    static constexpr int LineColorRole = Qt::UserRole + 1;
    // The layout check's findings about the row's element, "N: kind: message"
    // each (a QStringList). A row with findings also shows a warning icon
    // (Qt::DecorationRole) and lists them in its tooltip under its text.
    static constexpr int FindingsRole = Qt::UserRole + 2;

    ElementListModel(LayoutDocument& document, const ValueTypeCatalog& catalog,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The text of element index's row. Unless silent, the row is rebuilt when
    // its shown text differs from it.
    QString listItemText(int index, bool silent);
    // Rebuilds every row whose text changed (the Refresh command).
    void refreshAllRows();

    // The text and colour the row shows now.
    QString rowText(int row) const;
    Bgr rowColor(int row) const;

    // Marks each row with the findings about its element (by element index);
    // rows built anew start unmarked.
    void setFindings(const std::vector<Finding>& findings);
    QStringList rowFindings(int row) const;

private:
    struct Row {
        QString text;
        Bgr color = 0;
        QStringList findings;
    };
    // Takes a rebuilt row's text and colour; the row keeps its findings.
    void rebuild(Row& shown, const Row& built);
    Row buildRow(int index) const;

    void onLinesReset();
    void onLineInserted(int row);
    void onLineRemoved(int row);
    void onLineChanged(int row);

    LayoutDocument& m_document;
    const ValueTypeCatalog& m_catalog;
    std::vector<Row> m_rows;
};

} // namespace zef
