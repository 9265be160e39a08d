#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace zef {

// The four coordinate fields that the arrow keys step.
enum class CoordinateField { X, Y, X2, Y2 };

// What the keyboard shortcuts need from the designer window. The window
// implements it; tests implement it with a recording fake.
class KeyCommandTarget {
public:
    virtual ~KeyCommandTarget() = default;

    // --- state -------------------------------------------------------------
    // The element list has the keyboard focus (its selection is asked apart).
    virtual bool listHasFocus() const = 0;
    // An element is selected in the list.
    virtual bool hasSelectedElement() const = 0;
    // The panel's edit for the field is enabled (X2/Y2 are disabled for
    // elements that have no second point).
    virtual bool coordinateEnabled(CoordinateField field) const = 0;
    // The last pointer position over the preview in device-screen pixels;
    // negative when it was last seen left of or above the screen.
    virtual QPoint pointerPosition() const = 0;
    // The check box "Enable day/night switching" is enabled.
    virtual bool dayNightEnabled() const = 0;
    // The document's element clipboard holds an element.
    virtual bool clipboardHasElement() const = 0;

    // --- commands ----------------------------------------------------------
    // Closes the window through its close handling (which may ask to save).
    virtual void commandClose() = 0;
    // Sets the day/night check box to the opposite of the element's dayNight
    // and, unless the panel is being filled, stores it and repaints.
    virtual void commandToggleDayNight() = 0;
    // The "Remove" button.
    virtual void commandRemove() = 0;
    // The field's "-" (delta -1) or "+" (delta +1) button, with its limits.
    virtual void commandStep(CoordinateField field, int delta) = 0;
    // Ctrl+Shift+A: the first point (prevX/prevY kept) moves to the point;
    // the X and Y edits show it; repaint.
    virtual void commandFirstPointTo(QPoint point) = 0;
    // Ctrl+Shift+Y: the same for the second point (X2, Y2).
    virtual void commandSecondPointTo(QPoint point) = 0;
    virtual void commandSaveAs() = 0;
    // "Copy to clipboard": the config string.
    virtual void commandCopyConfig() = 0;
    virtual void commandUndo() = 0;
    virtual void commandAppend() = 0;
    virtual void commandLoad() = 0;
    virtual void commandSave() = 0;
    // Element clipboard: cutSelected(), copySelected(), pasteElement().
    virtual void commandCut() = 0;
    virtual void commandCopy() = 0;
    virtual void commandPaste() = 0;
};

// The window-wide keyboard shortcuts. Installed as an application event
// filter, it sees every key press meant for the window or one of its controls
// before the focused control does; a shortcut that applies runs its command
// and swallows the key, any other key goes on to the control. Key presses for
// other windows (message boxes, file dialogs) are left alone.
class KeyCommands : public QObject {
    Q_OBJECT
public:
    KeyCommands(KeyCommandTarget& target, QWidget* window, QObject* parent = nullptr);
    ~KeyCommands() override;

    // Installs the filter on the application (removed when this object goes).
    void install();

    // Runs the shortcut for a key press with the modifiers held; true when a
    // shortcut took the key.
    bool handleKeyPress(int key, Qt::KeyboardModifiers modifiers);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleSingleKey(int key, Qt::KeyboardModifiers modifiers);
    bool handleChord(int key, Qt::KeyboardModifiers modifiers);
    bool listFocus() const;

    KeyCommandTarget& m_target;
    QWidget* m_window;
};

} // namespace zef
