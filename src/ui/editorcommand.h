#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <array>
#include <span>

namespace zef {

// Every command of the designer window: what its menu item, its button in the
// template and its keys run.
enum class EditorCommand {
    New,
    NewFromTemplate,
    Open,
    OpenRecent, // a submenu of the recently used files
    Append,
    Save,
    SaveAs,
    LoadConfigString,
    CopyConfigString,
    ShowQrCode,
    ExportPreview,
    Quit,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    Add,
    Clone,
    MoveUp,
    MoveDown,
    ScaleToDevice,
    HighlightSelected,
    DynamicColorGradient,
    NightMode,
    OutlineFindings, // the layout check's toggles
    WidestValues,
    Refresh,
    ZoomIn, // the preview's zoom and what is drawn over it
    ZoomOut,
    ActualSize,
    ZoomToFit,
    PixelGrid,
    Snapping,
    AlignLeft, // the Arrange menu
    AlignCentre,
    AlignRight,
    AlignTop,
    AlignMiddle,
    AlignBottom,
    DistributeHorizontally,
    DistributeVertically,
    KeyboardShortcuts,
    About,
    // Keys only: the "-" and "+" of the coordinate fields, the points to the
    // pointer, day/night switching.
    SecondPointLeft,
    SecondPointRight,
    SecondPointUp,
    SecondPointDown,
    FirstPointLeft,
    FirstPointRight,
    FirstPointUp,
    FirstPointDown,
    FirstPointToPointer,
    SecondPointToPointer,
    ToggleDayNight,
};

enum class CommandMenu { None, File, Edit, View, Arrange, Help };

// Where the keys of a command are taken.
enum class KeyScope {
    Window,      // anywhere in the window, edit fields included
    ElementList, // while the element list has the focus and a row is selected
    NotTyping,   // anywhere but in a text field (which keeps the key for its text)
};

// What becomes of a key whose command cannot run now.
enum class KeyMiss {
    Swallow, // taken all the same; nothing happens
    PassOn,  // goes on to the focused control, as if it were no shortcut
};

constexpr int MaxKeysPerCommand = 2;

// One row of the command table.
struct CommandRow {
    EditorCommand id;
    CommandMenu menu;
    bool separatorBefore; // in its menu
    const char* text;     // the menu text (UTF-8, "&" before the mnemonic)
    const char* toolTip;  // what it does, a sentence without the keys
    std::array<QKeyCombination, MaxKeysPerCommand> keys; // the first is shown in the menu
    KeyScope scope;
    KeyMiss miss;
    bool checkable;

    QList<QKeySequence> shortcuts() const;
    bool hasKeys() const { return shortcuts().size() > 0; }
    // The menu text without "&" and "…": "Save As".
    QString plainText() const;
};

// The command table, in menu order; keyboard-only rows come last.
std::span<const CommandRow> editorCommands();
const CommandRow& commandRow(EditorCommand id);

// The menus in the order of the menu bar, and their titles ("&File").
constexpr CommandMenu MenuBarMenus[] = {CommandMenu::File, CommandMenu::Edit, CommandMenu::View,
                                        CommandMenu::Arrange, CommandMenu::Help};
QString menuTitle(CommandMenu menu);

// The keys of a command as shown to the user: "Ctrl+Y or Ctrl+Shift+Z".
QString keysText(const CommandRow& row,
                 QKeySequence::SequenceFormat format = QKeySequence::NativeText);
// Where the keys apply: "anywhere", "element list" or "outside text fields".
QString scopeText(KeyScope scope);
// A tooltip with the keys: "Save the layout to its file (Ctrl+S)".
QString toolTipWithKeys(const CommandRow& row);

// The row a key press selects, whether or not its command can run: the
// binding whose modifiers are all held and which leaves out at most Shift and
// Ctrl (a chord names the keys that must be down, so Ctrl+Shift+B is Ctrl+B);
// the one with the most modifiers wins, then the earlier row. Alt is never
// left out (Ctrl+Alt is AltGr, which types letters). nullptr: no binding.
const CommandRow* commandForKey(int key, Qt::KeyboardModifiers modifiers);

// The keyboard shortcuts as a Markdown table (keys, where, command, what it
// does), as the README shows them.
QString shortcutTableMarkdown();

} // namespace zef
