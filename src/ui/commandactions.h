#pragma once

#include "editorcommand.h"

#include <QObject>

#include <initializer_list>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace zef {

// One QAction per row of the command table, carrying its text, keys, tooltip,
// check state and enabled state; the menu bar, the template's buttons, the
// keys and the shortcut window all use them.
//
// The actions' keys are shown in the menus but never bound through Qt's
// shortcut map (their context is the menu widget alone): KeyCommands takes
// the keys first, with the command table's rules for where a key applies.
class CommandActions : public QObject {
    Q_OBJECT
public:
    // adopted: actions made elsewhere that are the commands' actions (the
    // layout check's toggles, which its check boxes show); they take the
    // table's text, keys and tooltip.
    explicit CommandActions(QWidget* window,
                            std::initializer_list<std::pair<EditorCommand, QAction*>> adopted = {});

    QAction* action(EditorCommand id) const;
    // The "Open Recent" submenu (filled by its owner when it is about to show).
    QMenu* recentFilesMenu() const { return m_recentMenu; }

    // The menus of the table, in its order, on the bar.
    void fillMenuBar(QMenuBar* bar);

signals:
    // A menu is about to open: enabled states should be brought up to date.
    void menuAboutToShow();

private:
    std::vector<QAction*> m_actions; // by EditorCommand
    QMenu* m_recentMenu = nullptr;
};

} // namespace zef
