#pragma once

#include "check/layoutcheck.h"

#include <QToolButton>

#include <vector>

class QMenu;

namespace zef {

// The line under the preview that counts the layout check's findings. A click
// lists them, one entry "N: kind: message" each; choosing one reports its
// element.
class FindingsLine : public QToolButton {
    Q_OBJECT
public:
    explicit FindingsLine(QWidget* parent = nullptr);

    void setFindings(const std::vector<Finding>& findings);

    // "No findings", "1 finding", "2 findings".
    static QString countText(std::size_t count);

    // The list a click shows; filled anew each time it is shown.
    QMenu* findingsMenu() const { return m_menu; }
    // Pops the list up beside the line (nothing without findings).
    void showFindings();

signals:
    void elementChosen(int element);

protected:
    // Drawn as a link rather than a button: the line is only 12 pixels high,
    // too low for a button's frame around its text.
    void paintEvent(QPaintEvent* event) override;

private:
    void fillMenu();

    QMenu* m_menu;
    std::vector<Finding> m_findings;
};

} // namespace zef
