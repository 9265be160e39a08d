#pragma once

#include <QListView>

#include <vector>

namespace zef {

// The element list's view. Several rows can be selected (Ctrl+click, Shift+
// click, Shift+arrows); the current row is the one the property panel shows.
// It tells apart the user's selections (mouse and keyboard) from the ones the
// program makes: only the user's are reported, by userSelectedRows(). A click
// beside every row keeps the selection.
class ElementListView : public QListView {
    Q_OBJECT
public:
    explicit ElementListView(QWidget* parent = nullptr);

    // The current row when it is selected, else the first selected row, or -1.
    int selectedRow() const;
    // The selected rows, ascending.
    std::vector<int> selectedRows() const;
    // Selects the rows with `current` as the current row, without reporting it.
    void selectRows(const std::vector<int>& rows, int current);

signals:
    // The user changed the selection: the rows (ascending) and the current one.
    void userSelectedRows(const std::vector<int>& rows, int current);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    template <typename Handler> void asUser(Handler handler);
};

} // namespace zef
