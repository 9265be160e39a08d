#pragma once

#include <QObject>

#include <vector>

namespace zef {

class LayoutDocument;

// The selected elements: a set of list rows beside the document's own
// selection, which stays the "current" element (the one the property panel
// shows, the last clicked). The current row is always in the set.
//
// A change of the document's selection from elsewhere (the list, Add, undo,
// a load) makes the set that one row again; inserted and removed lines keep
// the set on the same elements.
class ElementSelection : public QObject {
    Q_OBJECT
public:
    explicit ElementSelection(LayoutDocument& document, QObject* parent = nullptr);

    // Ascending, each row once.
    const std::vector<int>& rows() const { return m_rows; }
    int count() const { return static_cast<int>(m_rows.size()); }
    bool contains(int row) const;
    // The document's selection (-1 for none).
    int current() const;

    // A plain click: only this row (-1: nothing).
    void select(int row);
    // Ctrl+click: adds the row and makes it current, or takes it out (the
    // current one then is the nearest remaining row before it, else after it).
    void toggle(int row);
    // Shift+click in the list: the rows from the current one to this one.
    void extendTo(int row);
    // The rows (a rubber band, the list's extended selection, pasted rows),
    // with `current` as the current row (the last of them when it is not one).
    void setRows(std::vector<int> rows, int current = -1);
    // Select All.
    void selectAll();

    // Commands on every selected element, one undo step each (one selected
    // element: the document's commands for the selected element).
    void nudge(int dx, int dy);
    void remove();
    void copy();
    void cut();
    void paste();
    void clone();

signals:
    void changed();

private:
    void setCurrent(int row);
    void followSelection(int row);
    void lineInserted(int row);
    void lineRemoved(int row);

    LayoutDocument& m_document;
    std::vector<int> m_rows;
    // Set while this class moves the document's selection itself.
    bool m_settingCurrent = false;
};

} // namespace zef
