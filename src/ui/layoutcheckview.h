#pragma once

#include "check/layoutcheck.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QWidget;

namespace zef {

class ElementListModel;
class FindingsLine;
class LayoutDocument;
class PreviewRenderer;

// The layout check as the window shows it. After every change the check runs
// once on the selected device (a burst of changes, such as the ticks of a held
// "+" button, is checked once when it is over); its findings mark the element
// list's rows, are outlined on the preview and are counted in the line under
// the preview.
//
// The two view toggles are actions, so that a menu can carry them as they are:
// "Outline findings" (on at the start) and "Widest values".
class LayoutCheckView : public QObject {
    Q_OBJECT
public:
    // Places the findings line and the toggles' check boxes in window, below
    // the preview, and adds the actions to it for their shortcuts.
    LayoutCheckView(LayoutDocument& document, PreviewRenderer& renderer, ElementListModel& list,
                    QWidget* window);
    ~LayoutCheckView() override;

    QAction* outlinesAction() const { return m_outlines; }
    QAction* widestValuesAction() const { return m_widestValues; }
    FindingsLine* findingsLine() const { return m_line; }
    QCheckBox* outlinesBox() const { return m_outlinesBox; }
    QCheckBox* widestValuesBox() const { return m_widestValuesBox; }

    // Asks for a check once the change being made is over.
    void schedule();
    // While held (the pointer drags on the preview) a check asked for waits
    // and the outlines are away; the check runs once the hold ends.
    void setHeld(bool held);
    // The findings for the layout as it is now: a check still due runs first.
    const std::vector<Finding>& findings();

signals:
    // The user chose a finding in the line's list.
    void elementChosen(int element);

private:
    void run();
    void showOutlines();
    void setWidestValues(bool on);
    void repaintPreview();

    LayoutDocument& m_document;
    PreviewRenderer& m_renderer;
    ElementListModel& m_list;
    QWidget* m_window;
    std::unique_ptr<LayoutCheck> m_check;
    std::vector<Finding> m_findings;
    QTimer m_due;
    bool m_held = false;
    bool m_pending = false; // asked for while held
    QAction* m_outlines;
    QAction* m_widestValues;
    FindingsLine* m_line;
    QCheckBox* m_outlinesBox;
    QCheckBox* m_widestValuesBox;
};

} // namespace zef
