#pragma once

#include <QDialog>

class QTableWidget;

namespace zef {

// Help > Keyboard shortcuts: every key binding of the command table, with
// where it applies and what it does. Built from the same table that binds the
// keys, so the two never differ.
class ShortcutWindow : public QDialog {
    Q_OBJECT
public:
    explicit ShortcutWindow(QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table;
};

} // namespace zef
