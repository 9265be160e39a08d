#include "editorcommand.h"

#include <QStringList>

#include <algorithm>
#include <bit>

namespace zef {

namespace {

using C = EditorCommand;
using M = CommandMenu;
constexpr auto Window = KeyScope::Window;
constexpr auto List = KeyScope::ElementList;
constexpr auto NotTyping = KeyScope::NotTyping;
constexpr auto Swallow = KeyMiss::Swallow;
constexpr auto PassOn = KeyMiss::PassOn;

constexpr std::array<QKeyCombination, MaxKeysPerCommand> keys() {
    return {};
}
constexpr std::array<QKeyCombination, MaxKeysPerCommand> keys(QKeyCombination a) {
    return {a, QKeyCombination()};
}
constexpr std::array<QKeyCombination, MaxKeysPerCommand> keys(QKeyCombination a,
                                                              QKeyCombination b) {
    return {a, b};
}

constexpr auto Ctrl = Qt::CTRL;
constexpr auto Shift = Qt::SHIFT;
constexpr auto Alt = Qt::ALT;

// The keys follow the desktop's standard ones (QKeySequence's New, Open,
// Save, SaveAs, Quit, Undo, Redo, Cut, Copy, Paste, Delete, HelpContents,
// Refresh), written out so that they are the same on every platform; the rest
// are the designer's own.
// clang-format off
constexpr CommandRow Commands[] = {
    // id                     menu     sep    text, tooltip, keys, scope, miss, checkable
    {C::New,                  M::File, false, "&New",
     "Start an empty layout for the selected device (asks to save unsaved changes first)",
     keys(Ctrl | Qt::Key_N), Window, Swallow, false},
    {C::NewFromTemplate,      M::File, false, "New from &template…",
     "Start from a starter layout made for the selected device's screen and fonts (asks to "
     "save unsaved changes first)",
     keys(Ctrl | Shift | Qt::Key_N), Window, Swallow, false},
    {C::Open,                 M::File, false, "&Open…",
     "Load a layout file in place of this one (asks to save unsaved changes first)",
     keys(Ctrl | Qt::Key_O), Window, Swallow, false},
    {C::OpenRecent,           M::File, false, "Open &Recent",
     "Load one of the last ten layout files", keys(), Window, Swallow, false},
    {C::Append,               M::File, false, "A&ppend…",
     "Add the elements of a layout file after this layout's elements",
     keys(Ctrl | Qt::Key_I), Window, Swallow, false},
    {C::Save,                 M::File, true,  "&Save",
     "Save the layout to its file", keys(Ctrl | Qt::Key_S), Window, Swallow, false},
    {C::SaveAs,               M::File, false, "Save &As…",
     "Save the layout to a file you choose", keys(Ctrl | Shift | Qt::Key_S), Window, Swallow, false},
    {C::LoadConfigString,     M::File, true,  "&Load config string from clipboard…",
     "Read a config string from the clipboard in place of this layout (select the device "
     "afterwards)", keys(), Window, Swallow, false},
    {C::CopyConfigString,     M::File, false, "&Copy config string to clipboard",
     "Put the layout's config string on the clipboard, for the data field's settings",
     keys(Ctrl | Qt::Key_B), Window, Swallow, false},
    {C::ShowQrCode,           M::File, false, "Show config string as QR co&de",
     "Show the config string as a QR code to scan with the phone that sets up the data field",
     keys(), Window, Swallow, false},
    {C::ExportPreview,        M::File, false, "&Export preview as PNG…",
     "Save the preview of the device with the layout as a PNG image",
     keys(Ctrl | Qt::Key_E), Window, Swallow, false},
    {C::Quit,                 M::File, true,  "&Quit",
     "Close the designer (asks to save unsaved changes)",
     keys(Ctrl | Qt::Key_Q, QKeyCombination(Qt::Key_Escape)), Window, Swallow, false},

    {C::Undo,                 M::Edit, false, "&Undo",
     "Undo the last change of the layout (up to 100 steps)",
     keys(Ctrl | Qt::Key_Z), Window, Swallow, false},
    {C::Redo,                 M::Edit, false, "&Redo",
     "Redo what was undone last", keys(Ctrl | Qt::Key_Y, Ctrl | Shift | Qt::Key_Z),
     Window, Swallow, false},
    {C::Cut,                  M::Edit, true,  "Cu&t",
     "Copy the selected elements, then remove them (in an edit field the keys edit its text)",
     keys(Ctrl | Qt::Key_X), List, Swallow, false},
    {C::Copy,                 M::Edit, false, "&Copy",
     "Copy the selected elements (in an edit field the keys copy its text)",
     keys(Ctrl | Qt::Key_C), List, Swallow, false},
    {C::Paste,                M::Edit, false, "&Paste",
     "Add the copied elements after the selected one, in their order (in an edit field the "
     "keys paste text)",
     keys(Ctrl | Qt::Key_V), List, PassOn, false},
    {C::Delete,               M::Edit, false, "&Delete",
     "Remove the selected elements", keys(QKeyCombination(Qt::Key_Delete)), List, Swallow, false},
    {C::SelectAll,            M::Edit, false, "Select &All",
     "Select every element of the layout (in an edit field the keys select its text)",
     keys(Ctrl | Qt::Key_A), NotTyping, PassOn, false},
    {C::Add,                  M::Edit, true,  "Add &element",
     "Add an element of the kind chosen in the element-kind list, after the selected one",
     keys(), Window, Swallow, false},
    {C::Clone,                M::Edit, false, "C&lone",
     "Add copies of the selected elements after the last of them", keys(Ctrl | Qt::Key_D), Window, Swallow,
     false},
    {C::MoveUp,               M::Edit, false, "&Move Up",
     "Move the selected element one place up in the list (drawn earlier)",
     keys(Alt | Qt::Key_Up), List, Swallow, false},
    {C::MoveDown,             M::Edit, false, "Move Do&wn",
     "Move the selected element one place down in the list (drawn later)",
     keys(Alt | Qt::Key_Down), List, Swallow, false},
    {C::ScaleToDevice,        M::Edit, true,  "&Scale to device",
     "Scale every element from the device the layout was made for to the selected device",
     keys(), Window, Swallow, false},

    {C::HighlightSelected,    M::View, false, "&Highlight selected element",
     "Draw the selected element in red", keys(), Window, Swallow, true},
    {C::DynamicColorGradient, M::View, false, "&Gradient on dynamic colours",
     "Draw elements with dynamic colours in a gradient over their thresholds' colours",
     keys(), Window, Swallow, true},
    {C::NightMode,            M::View, false, "&Night mode",
     "Show the layout as the device shows it at night", keys(), Window, Swallow, true},
    {C::OutlineFindings,      M::View, true,  "&Outline findings",
     "Outline on the preview what the layout check found",
     keys(Ctrl | Shift | Qt::Key_F), Window, Swallow, true},
    {C::WidestValues,         M::View, false, "&Widest values",
     "Draw every value with its widest digits, as the layout check measures it",
     keys(Ctrl | Shift | Qt::Key_W), Window, Swallow, true},
    {C::Refresh,              M::View, true,  "&Refresh",
     "Repaint the preview and rebuild every line of the element list",
     keys(QKeyCombination(Qt::Key_F5)), Window, Swallow, false},
    {C::ZoomIn,               M::View, true,  "Zoom &In",
     "Enlarge the preview to the next step (1x, 2x, 3x, 4x, 6x, 8x)",
     keys(Ctrl | Qt::Key_Plus, Ctrl | Qt::Key_Equal), Window, Swallow, false},
    {C::ZoomOut,              M::View, false, "Zoom O&ut",
     "Shrink the preview to the step before", keys(Ctrl | Qt::Key_Minus), Window, Swallow, false},
    {C::ActualSize,           M::View, false, "&Actual Size",
     "Show the preview at 1:1, one screen pixel per device pixel",
     keys(Ctrl | Qt::Key_0), Window, Swallow, false},
    {C::ZoomToFit,            M::View, false, "&Fit",
     "The largest zoom at which the whole device picture fits the preview",
     keys(Ctrl | Qt::Key_9), Window, Swallow, false},
    {C::PixelGrid,            M::View, false, "&Pixel grid",
     "Draw lines between the device pixels from 4x zoom on", keys(), Window, Swallow, true},
    {C::Snapping,             M::View, false, "&Snapping",
     "Snap dragged elements and handles to the screen and to other elements (Alt held: "
     "not now)", keys(), Window, Swallow, true},

    {C::AlignLeft,            M::Arrange, false, "Align &Left",
     "Line up the selected elements' left edges (one element: at the screen's left edge)",
     keys(), Window, Swallow, false},
    {C::AlignCentre,          M::Arrange, false, "Align &Centre",
     "Line up the selected elements' centres across (one element: at the screen's centre)",
     keys(), Window, Swallow, false},
    {C::AlignRight,           M::Arrange, false, "Align &Right",
     "Line up the selected elements' right edges (one element: at the screen's right edge)",
     keys(), Window, Swallow, false},
    {C::AlignTop,             M::Arrange, true,  "Align &Top",
     "Line up the selected elements' top edges (one element: at the screen's top edge)",
     keys(), Window, Swallow, false},
    {C::AlignMiddle,          M::Arrange, false, "Align &Middle",
     "Line up the selected elements' middles down (one element: at the screen's middle)",
     keys(), Window, Swallow, false},
    {C::AlignBottom,          M::Arrange, false, "Align &Bottom",
     "Line up the selected elements' bottom edges (one element: at the screen's bottom edge)",
     keys(), Window, Swallow, false},
    {C::DistributeHorizontally, M::Arrange, true, "Distribute &Horizontally",
     "Make the gaps between three or more selected elements equal from left to right",
     keys(), Window, Swallow, false},
    {C::DistributeVertically, M::Arrange, false, "Distribute &Vertically",
     "Make the gaps between three or more selected elements equal from top to bottom",
     keys(), Window, Swallow, false},

    {C::KeyboardShortcuts,    M::Help, false, "&Keyboard shortcuts",
     "List every keyboard shortcut of the designer", keys(QKeyCombination(Qt::Key_F1)),
     Window, Swallow, false},
    {C::About,                M::Help, false, "&About ZEF Designer…",
     "The designer's name and version", keys(), Window, Swallow, false},

    // Keys only. With Shift held the second point's row takes an arrow key,
    // also with Ctrl (these rows come first), and when it cannot run the key
    // goes on to the control without the first point's row being tried.
    {C::SecondPointLeft,      M::None, false, "Second point left",
     "X2 \"-\" of the selected element (held: one undo step per press)",
     keys(Shift | Qt::Key_Left), Window, PassOn, false},
    {C::SecondPointRight,     M::None, false, "Second point right",
     "X2 \"+\" of the selected element", keys(Shift | Qt::Key_Right), Window, PassOn, false},
    {C::SecondPointUp,        M::None, false, "Second point up",
     "Y2 \"-\" of the selected element (up is towards the top of the screen)",
     keys(Shift | Qt::Key_Up), Window, PassOn, false},
    {C::SecondPointDown,      M::None, false, "Second point down",
     "Y2 \"+\" of the selected element", keys(Shift | Qt::Key_Down), Window, PassOn, false},
    {C::FirstPointLeft,       M::None, false, "First point left",
     "X \"-\" of the selected element, or move the selected elements one pixel left "
     "(held: one undo step per press)",
     keys(Ctrl | Qt::Key_Left), Window, PassOn, false},
    {C::FirstPointRight,      M::None, false, "First point right",
     "X \"+\" of the selected element", keys(Ctrl | Qt::Key_Right), Window, PassOn, false},
    {C::FirstPointUp,         M::None, false, "First point up",
     "Y \"-\" of the selected element (up is towards the top of the screen)",
     keys(Ctrl | Qt::Key_Up), Window, PassOn, false},
    {C::FirstPointDown,       M::None, false, "First point down",
     "Y \"+\" of the selected element", keys(Ctrl | Qt::Key_Down), Window, PassOn, false},
    {C::FirstPointToPointer,  M::None, false, "First point to the pointer",
     "Move the first point (X, Y) to where the pointer was last seen on the preview",
     keys(Ctrl | Shift | Qt::Key_A), Window, Swallow, false},
    {C::SecondPointToPointer, M::None, false, "Second point to the pointer",
     "Move the second point (X2, Y2) to where the pointer was last seen on the preview",
     keys(Ctrl | Shift | Qt::Key_Y), Window, Swallow, false},
    {C::ToggleDayNight,       M::None, false, "Day/night switching",
     "Switch \"Enable day/night switching\" of the selected element on or off",
     keys(QKeyCombination(Qt::Key_Space)), List, Swallow, false},
};
// clang-format on

constexpr bool coversEveryCommandInOrder() {
    for (std::size_t i = 0; i < std::size(Commands); ++i)
        if (static_cast<std::size_t>(Commands[i].id) != i) return false;
    return std::size(Commands) == static_cast<std::size_t>(C::ToggleDayNight) + 1;
}

// Modifiers a key press may hold beyond those of a binding.
constexpr Qt::KeyboardModifiers Ignorable = Qt::ShiftModifier | Qt::ControlModifier;
constexpr Qt::KeyboardModifiers Relevant =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

int modifierCount(Qt::KeyboardModifiers modifiers) {
    return std::popcount(static_cast<unsigned>(modifiers.toInt()));
}

} // namespace

QList<QKeySequence> CommandRow::shortcuts() const {
    QList<QKeySequence> list;
    for (const QKeyCombination& k : keys)
        if (k.key() != Qt::Key_unknown) list << QKeySequence(k);
    return list;
}

QString CommandRow::plainText() const {
    QString s = QString::fromUtf8(text);
    s.remove(QLatin1Char('&'));
    s.remove(QChar(0x2026));
    return s;
}

std::span<const CommandRow> editorCommands() {
    static_assert(coversEveryCommandInOrder(), "one row per command, in the enum's order");
    return Commands;
}

const CommandRow& commandRow(EditorCommand id) {
    return Commands[static_cast<std::size_t>(id)];
}

QString menuTitle(CommandMenu menu) {
    switch (menu) {
    case CommandMenu::File:
        return QStringLiteral("&File");
    case CommandMenu::Edit:
        return QStringLiteral("&Edit");
    case CommandMenu::View:
        return QStringLiteral("&View");
    case CommandMenu::Arrange:
        return QStringLiteral("&Arrange");
    case CommandMenu::Help:
        return QStringLiteral("&Help");
    case CommandMenu::None:
        break;
    }
    return {};
}

QString keysText(const CommandRow& row, QKeySequence::SequenceFormat format) {
    QStringList texts;
    for (const QKeySequence& k : row.shortcuts()) texts << k.toString(format);
    return texts.join(QStringLiteral(" or "));
}

QString scopeText(KeyScope scope) {
    switch (scope) {
    case KeyScope::ElementList:
        return QStringLiteral("element list");
    case KeyScope::NotTyping:
        return QStringLiteral("outside text fields");
    case KeyScope::Window:
        break;
    }
    return QStringLiteral("anywhere");
}

QString toolTipWithKeys(const CommandRow& row) {
    const QString tip = QString::fromUtf8(row.toolTip);
    if (!row.hasKeys()) return tip;
    return QStringLiteral("%1 (%2)").arg(tip, keysText(row));
}

const CommandRow* commandForKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held = modifiers & Relevant;
    const CommandRow* best = nullptr;
    int bestCount = -1;
    for (const CommandRow& row : Commands) {
        for (const QKeyCombination& k : row.keys) {
            if (k.key() == Qt::Key_unknown || k.key() != key) continue;
            const Qt::KeyboardModifiers bound = k.keyboardModifiers();
            if ((bound & held) != bound || ((held & ~bound) & ~Ignorable)) continue;
            const int count = modifierCount(bound);
            if (count > bestCount) {
                best = &row;
                bestCount = count;
            }
        }
    }
    return best;
}

QString shortcutTableMarkdown() {
    QStringList lines{QStringLiteral("| keys | where | command | what it does |"),
                      QStringLiteral("|---|---|---|---|")};
    for (const CommandRow& row : Commands) {
        if (!row.hasKeys()) continue;
        lines << QStringLiteral("| %1 | %2 | %3 | %4 |")
                     .arg(keysText(row, QKeySequence::PortableText), scopeText(row.scope),
                          row.plainText(), QString::fromUtf8(row.toolTip));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace zef
