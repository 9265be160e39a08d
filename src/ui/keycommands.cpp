#include "keycommands.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace zef {

KeyCommands::KeyCommands(KeyCommandTarget& target, QWidget* window, QObject* parent)
    : QObject(parent), m_target(target), m_window(window) {}

KeyCommands::~KeyCommands() = default;

void KeyCommands::install() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

bool KeyCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    // Only keys for the window itself or one of its controls; a message box or
    // file dialog opened from the window has its own keys.
    const auto* widget = static_cast<QWidget*>(watched);
    if (m_window && widget->window() != m_window) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!handleKeyPress(key->key(), key->modifiers(), key->isAutoRepeat())) return false;
    event->accept();
    return true;
}

bool KeyCommands::handleKeyPress(int key, Qt::KeyboardModifiers modifiers, bool repeated) {
    if (key == Qt::Key_Escape && m_target.cancelPointerDrag()) return true;
    const CommandRow* row = commandForKey(key, modifiers);
    if (!row) return false;
    if (row->scope == KeyScope::ElementList &&
        !(m_target.listHasFocus() && m_target.hasSelectedElement()))
        return false;
    if (row->scope == KeyScope::NotTyping && m_target.textFieldHasFocus()) return false;
    if (!m_target.commandApplies(row->id)) return row->miss == KeyMiss::Swallow;
    m_target.runCommand(row->id, repeated);
    return true;
}

} // namespace zef
