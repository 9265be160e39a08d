#pragma once

#include <QListView>

namespace zef {

// The element list's view. It tells apart the user's selections (mouse and
// keyboard) from the ones the program makes: only the user's are reported, by
// userSelectedRow(). A click beside every row keeps the selection.
class ElementListView : public QListView {
    Q_OBJECT
public:
    explicit ElementListView(QWidget* parent = nullptr);

    // The selected row, or -1.
    int selectedRow() const;
    // Selects a row (-1: none) without reporting it.
    void selectRow(int row);

signals:
    void userSelectedRow(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    template <typename Handler> void asUser(Handler handler);
};

} // namespace zef
