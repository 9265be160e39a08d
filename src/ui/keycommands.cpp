#include "keycommands.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace zef {

namespace {

struct ArrowRow {
    int key;
    CoordinateField shiftField; // with Shift: the second point
    CoordinateField ctrlField;  // with Ctrl alone: the first point
    int delta;
};

// Up moves towards the top of the screen, Left towards the left.
constexpr ArrowRow ArrowRows[] = {
    {Qt::Key_Left, CoordinateField::X2, CoordinateField::X, -1},
    {Qt::Key_Right, CoordinateField::X2, CoordinateField::X, +1},
    {Qt::Key_Up, CoordinateField::Y2, CoordinateField::Y, -1},
    {Qt::Key_Down, CoordinateField::Y2, CoordinateField::Y, +1},
};

} // namespace

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
    if (!handleKeyPress(key->key(), key->modifiers())) return false;
    event->accept();
    return true;
}

bool KeyCommands::listFocus() const {
    return m_target.listHasFocus() && m_target.hasSelectedElement();
}

bool KeyCommands::handleKeyPress(int key, Qt::KeyboardModifiers modifiers) {
    return handleSingleKey(key, modifiers) || handleChord(key, modifiers);
}

bool KeyCommands::handleSingleKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape) {
        m_target.commandClose();
        return true;
    }
    if (key == Qt::Key_Space) {
        if (!listFocus()) return false;
        if (m_target.hasSelectedElement() && m_target.dayNightEnabled())
            m_target.commandToggleDayNight();
        return true;
    }
    if (key == Qt::Key_Delete) {
        if (!listFocus()) return false;
        m_target.commandRemove();
        return true;
    }
    for (const ArrowRow& row : ArrowRows) {
        if (row.key != key) continue;
        CoordinateField field;
        if (modifiers & Qt::ShiftModifier)
            field = row.shiftField; // Ctrl is not consulted when Shift is held
        else if (modifiers & Qt::ControlModifier)
            field = row.ctrlField;
        else
            return false;
        if (!m_target.hasSelectedElement() || !m_target.coordinateEnabled(field)) return false;
        m_target.commandStep(field, row.delta);
        return true;
    }
    return false;
}

bool KeyCommands::handleChord(int key, Qt::KeyboardModifiers modifiers) {
    // Ctrl together with Alt is AltGr on many keyboards, which types letters
    // (such as z with dot above) in the edits rather than giving a command.
    if (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier)) return false;
    const bool shift = modifiers & Qt::ShiftModifier;

    if (shift && (key == Qt::Key_A || key == Qt::Key_Y)) {
        // Swallowed whenever these keys are down, also when nothing happens.
        const bool second = key == Qt::Key_Y;
        const QPoint pointer = m_target.pointerPosition();
        if (pointer.x() >= 0 && pointer.y() >= 0 && m_target.hasSelectedElement() &&
            m_target.coordinateEnabled(second ? CoordinateField::X2 : CoordinateField::X)) {
            if (second)
                m_target.commandSecondPointTo(pointer);
            else
                m_target.commandFirstPointTo(pointer);
        }
        return true;
    }
    switch (key) {
    case Qt::Key_S:
        // Ctrl+Shift+S is tested before Ctrl+S.
        if (shift)
            m_target.commandSaveAs();
        else
            m_target.commandSave();
        return true;
    case Qt::Key_B:
        m_target.commandCopyConfig();
        return true;
    case Qt::Key_Z:
        m_target.commandUndo();
        return true;
    case Qt::Key_I:
        m_target.commandAppend();
        return true;
    case Qt::Key_O:
        m_target.commandLoad();
        return true;
    case Qt::Key_X:
        if (!listFocus()) return false;
        m_target.commandCut();
        return true;
    case Qt::Key_C:
        // In an edit Ctrl+C copies the edit's text.
        if (!listFocus()) return false;
        m_target.commandCopy();
        return true;
    case Qt::Key_V:
        if (!listFocus() || !m_target.clipboardHasElement()) return false;
        m_target.commandPaste();
        return true;
    default:
        return false;
    }
}

} // namespace zef
