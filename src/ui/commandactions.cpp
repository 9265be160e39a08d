#include "commandactions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace zef {

CommandActions::CommandActions(QWidget* window,
                               std::initializer_list<std::pair<EditorCommand, QAction*>> adopted)
    : QObject(window) {
    for (const CommandRow& row : editorCommands()) {
        QAction* action = nullptr;
        for (const auto& [id, existing] : adopted)
            if (id == row.id) action = existing;
        if (!action) action = new QAction(window);
        action->setText(QString::fromUtf8(row.text));
        action->setObjectName(row.plainText());
        action->setShortcuts(row.shortcuts());
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setToolTip(toolTipWithKeys(row));
        action->setStatusTip(QString::fromUtf8(row.toolTip));
        action->setCheckable(row.checkable);
        m_actions.push_back(action);
    }
    m_recentMenu = new QMenu(window);
    action(EditorCommand::OpenRecent)->setMenu(m_recentMenu);
}

QAction* CommandActions::action(EditorCommand id) const {
    return m_actions[static_cast<std::size_t>(id)];
}

void CommandActions::fillMenuBar(QMenuBar* bar) {
    for (CommandMenu menu : MenuBarMenus) {
        QMenu* m = bar->addMenu(menuTitle(menu));
        m->setToolTipsVisible(true);
        connect(m, &QMenu::aboutToShow, this, &CommandActions::menuAboutToShow);
        for (const CommandRow& row : editorCommands()) {
            if (row.menu != menu) continue;
            if (row.separatorBefore) m->addSeparator();
            m->addAction(action(row.id));
        }
    }
    connect(m_recentMenu, &QMenu::aboutToShow, this, &CommandActions::menuAboutToShow);
}

} // namespace zef
