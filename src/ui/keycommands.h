#pragma once

#include "editorcommand.h"

#include <QObject>

class QWidget;

namespace zef {

// What the keyboard shortcuts need from the designer window. The window
// implements it; tests implement it with a recording fake.
class KeyCommandTarget {
public:
    virtual ~KeyCommandTarget() = default;

    // The element list has the keyboard focus (its selection is asked apart).
    virtual bool listHasFocus() const = 0;
    // An element is selected in the list.
    virtual bool hasSelectedElement() const = 0;
    // A text field has the keyboard focus (its keys edit its text).
    virtual bool textFieldHasFocus() const { return false; }
    // Esc while the mouse drags on the preview: puts back what the drag
    // changed; false when no drag is going on (Esc keeps its other meaning).
    virtual bool cancelPointerDrag() { return false; }
    // The command can run now: there is something to undo, the field a key
    // steps is enabled for the selected element, the pointer was seen on the
    // screen, ...
    virtual bool commandApplies(EditorCommand command) const = 0;
    // Runs the command as its menu item does. repeated: the key is held and
    // this press is its auto-repeat (a held key is one undo step).
    virtual void runCommand(EditorCommand command, bool repeated) = 0;
};

// The window-wide keyboard shortcuts, bound by the command table
// (editorcommand.h). Installed as an application event filter, it sees every
// key press meant for the window or one of its controls before the focused
// control does; a shortcut that applies runs its command and swallows the
// key, any other key goes on to the control. Key presses for other windows
// (message boxes, file dialogs, open menus) are left alone.
class KeyCommands : public QObject {
    Q_OBJECT
public:
    KeyCommands(KeyCommandTarget& target, QWidget* window, QObject* parent = nullptr);
    ~KeyCommands() override;

    // Installs the filter on the application (removed when this object goes).
    void install();

    // Runs the shortcut for a key press with the modifiers held; true when a
    // shortcut took the key.
    bool handleKeyPress(int key, Qt::KeyboardModifiers modifiers, bool repeated = false);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyCommandTarget& m_target;
    QWidget* m_window;
};

} // namespace zef
