#include "ui/keycommands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <set>

namespace zef {
namespace {

// The four coordinate fields the arrow keys step.
enum class CoordinateField { X, Y, X2, Y2 };

QString fieldName(CoordinateField f) {
    switch (f) {
    case CoordinateField::X:
        return QStringLiteral("X");
    case CoordinateField::Y:
        return QStringLiteral("Y");
    case CoordinateField::X2:
        return QStringLiteral("X2");
    case CoordinateField::Y2:
        return QStringLiteral("Y2");
    }
    return {};
}

// The arrow keys' commands: which field they step and which way.
struct StepRow {
    EditorCommand command;
    CoordinateField field;
    int delta;
};
const StepRow Steps[] = {
    {EditorCommand::FirstPointLeft, CoordinateField::X, -1},
    {EditorCommand::FirstPointRight, CoordinateField::X, +1},
    {EditorCommand::FirstPointUp, CoordinateField::Y, -1},
    {EditorCommand::FirstPointDown, CoordinateField::Y, +1},
    {EditorCommand::SecondPointLeft, CoordinateField::X2, -1},
    {EditorCommand::SecondPointRight, CoordinateField::X2, +1},
    {EditorCommand::SecondPointUp, CoordinateField::Y2, -1},
    {EditorCommand::SecondPointDown, CoordinateField::Y2, +1},
};
const StepRow* stepRow(EditorCommand c) {
    for (const StepRow& s : Steps)
        if (s.command == c) return &s;
    return nullptr;
}

// Answers from plain members, as the window answers from its document and
// panel, and writes every command into a log.
class FakeTarget : public KeyCommandTarget {
public:
    bool listFocused = false;
    bool selected = true;
    std::set<CoordinateField> enabledFields{CoordinateField::X, CoordinateField::Y,
                                            CoordinateField::X2, CoordinateField::Y2};
    QPoint pointer{5, 7};
    bool dayNight = true;
    bool clipboardElement = true;

    QStringList log;
    QList<bool> repeats; // the repeated flag of each command run
    mutable std::set<CoordinateField> askedFields;

    bool textFocused = false;

    bool listHasFocus() const override { return listFocused; }
    bool textFieldHasFocus() const override { return textFocused; }
    bool hasSelectedElement() const override { return selected; }
    bool fieldEnabled(CoordinateField field) const {
        askedFields.insert(field);
        return enabledFields.count(field) > 0;
    }
    bool commandApplies(EditorCommand c) const override {
        if (const StepRow* step = stepRow(c)) return selected && fieldEnabled(step->field);
        switch (c) {
        case EditorCommand::FirstPointToPointer:
            return pointer.x() >= 0 && pointer.y() >= 0 && selected &&
                   fieldEnabled(CoordinateField::X);
        case EditorCommand::SecondPointToPointer:
            return pointer.x() >= 0 && pointer.y() >= 0 && selected &&
                   fieldEnabled(CoordinateField::X2);
        case EditorCommand::ToggleDayNight:
            return selected && dayNight;
        case EditorCommand::Paste:
            return clipboardElement;
        default:
            return true;
        }
    }
    void runCommand(EditorCommand c, bool repeated) override {
        log << name(c);
        repeats << repeated;
    }

    QString name(EditorCommand c) const {
        if (const StepRow* step = stepRow(c))
            return QStringLiteral("step %1 %2").arg(fieldName(step->field)).arg(step->delta);
        switch (c) {
        case EditorCommand::FirstPointToPointer:
            return QStringLiteral("first %1,%2").arg(pointer.x()).arg(pointer.y());
        case EditorCommand::SecondPointToPointer:
            return QStringLiteral("second %1,%2").arg(pointer.x()).arg(pointer.y());
        case EditorCommand::Quit:
            return QStringLiteral("close");
        case EditorCommand::ToggleDayNight:
            return QStringLiteral("dayNight");
        case EditorCommand::Delete:
            return QStringLiteral("remove");
        case EditorCommand::SaveAs:
            return QStringLiteral("saveAs");
        case EditorCommand::CopyConfigString:
            return QStringLiteral("copyConfig");
        case EditorCommand::Open:
            return QStringLiteral("load");
        case EditorCommand::MoveUp:
            return QStringLiteral("up");
        case EditorCommand::KeyboardShortcuts:
            return QStringLiteral("shortcuts");
        default:
            return commandRow(c).plainText().toLower();
        }
    }
};

constexpr auto None = Qt::NoModifier;
constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
constexpr auto CtrlAlt = Qt::ControlModifier | Qt::AltModifier;
constexpr auto Alt = Qt::AltModifier;
constexpr auto CtrlPad = Qt::ControlModifier | Qt::KeypadModifier;
constexpr auto CtrlShiftAlt = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;

enum Focus { Edit, List };
enum Tweak {
    Plain,
    NoSelection,
    X2Disabled,
    XDisabled,
    DayNightDisabled,
    ClipboardEmpty,
    PointerLeft,
    PointerAbove
};

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    Focus focus;
    Tweak tweak;
    const char* action; // the one command run, "" for none
    bool handled;       // false: the key goes on to the focused control
};

const KeyCase KeyCases[] = {
    {"Esc asks to close", Qt::Key_Escape, None, Edit, Plain, "close", true},
    {"Esc in the list asks to close", Qt::Key_Escape, None, List, Plain, "close", true},

    {"Space in the list toggles day/night", Qt::Key_Space, None, List, Plain, "dayNight", true},
    {"Space in the list, check box disabled: swallowed", Qt::Key_Space, None, List,
     DayNightDisabled, "", true},
    {"Space in an edit types a blank", Qt::Key_Space, None, Edit, Plain, "", false},
    {"Space in the list without a selected row", Qt::Key_Space, None, List, NoSelection, "", false},

    {"Delete in the list removes the element", Qt::Key_Delete, None, List, Plain, "remove", true},
    {"Delete in an edit deletes a character", Qt::Key_Delete, None, Edit, Plain, "", false},
    {"Delete in the list without a selected row", Qt::Key_Delete, None, List, NoSelection, "",
     false},

    {"Shift+Left", Qt::Key_Left, Shift, Edit, Plain, "step X2 -1", true},
    {"Shift+Right", Qt::Key_Right, Shift, Edit, Plain, "step X2 1", true},
    {"Shift+Up", Qt::Key_Up, Shift, List, Plain, "step Y2 -1", true},
    {"Shift+Down", Qt::Key_Down, Shift, Edit, Plain, "step Y2 1", true},
    {"Ctrl+Left", Qt::Key_Left, Ctrl, Edit, Plain, "step X -1", true},
    {"Ctrl+Right", Qt::Key_Right, Ctrl, List, Plain, "step X 1", true},
    {"Ctrl+Up", Qt::Key_Up, Ctrl, Edit, Plain, "step Y -1", true},
    {"Ctrl+Down", Qt::Key_Down, Ctrl, Edit, Plain, "step Y 1", true},
    {"Ctrl+keypad Left", Qt::Key_Left, CtrlPad, Edit, Plain, "step X -1", true},
    {"Ctrl+Shift+Left takes the Shift row", Qt::Key_Left, CtrlShift, Edit, Plain, "step X2 -1",
     true},
    {"Shift+Left with X2 disabled does nothing", Qt::Key_Left, Shift, Edit, X2Disabled, "", false},
    {"Ctrl+Shift+Left with X2 disabled: Ctrl not tried", Qt::Key_Left, CtrlShift, Edit, X2Disabled,
     "", false},
    {"Ctrl+Left with X disabled", Qt::Key_Left, Ctrl, Edit, XDisabled, "", false},
    {"Ctrl+Left without a selection", Qt::Key_Left, Ctrl, Edit, NoSelection, "", false},
    {"Left alone moves the cursor", Qt::Key_Left, None, Edit, Plain, "", false},

    {"Ctrl+Shift+A: first point to the pointer", Qt::Key_A, CtrlShift, Edit, Plain, "first 5,7",
     true},
    {"Ctrl+Shift+A, pointer left of the screen: swallowed", Qt::Key_A, CtrlShift, Edit, PointerLeft,
     "", true},
    {"Ctrl+Shift+A, pointer above the screen: swallowed", Qt::Key_A, CtrlShift, Edit, PointerAbove,
     "", true},
    {"Ctrl+Shift+A without a selection: swallowed", Qt::Key_A, CtrlShift, List, NoSelection, "",
     true},
    {"Ctrl+Shift+A with X disabled: swallowed", Qt::Key_A, CtrlShift, Edit, XDisabled, "", true},
    {"Ctrl+A selects in the edit", Qt::Key_A, Ctrl, Edit, Plain, "", false},
    {"Ctrl+A in the list selects every element", Qt::Key_A, Ctrl, List, Plain, "select all",
     true},
    {"Ctrl+A in the list with nothing selected", Qt::Key_A, Ctrl, List, NoSelection,
     "select all", true},
    {"Ctrl+Shift+Y: second point to the pointer", Qt::Key_Y, CtrlShift, Edit, Plain, "second 5,7",
     true},
    {"Ctrl+Shift+Y with X2 disabled: swallowed", Qt::Key_Y, CtrlShift, Edit, X2Disabled, "", true},
    {"Ctrl+Shift+Y, pointer left of the screen: swallowed", Qt::Key_Y, CtrlShift, Edit, PointerLeft,
     "", true},
    {"Ctrl+Y redoes", Qt::Key_Y, Ctrl, Edit, Plain, "redo", true},

    {"Ctrl+Shift+S saves under a new name", Qt::Key_S, CtrlShift, Edit, Plain, "saveAs", true},
    {"Ctrl+S saves", Qt::Key_S, Ctrl, Edit, Plain, "save", true},
    {"Ctrl+B copies the config string", Qt::Key_B, Ctrl, Edit, Plain, "copyConfig", true},
    {"Ctrl+Shift+B also copies the config string", Qt::Key_B, CtrlShift, List, Plain, "copyConfig",
     true},
    {"Ctrl+Z in an edit undoes the layout", Qt::Key_Z, Ctrl, Edit, Plain, "undo", true},
    {"Ctrl+Shift+Z redoes, it no longer undoes", Qt::Key_Z, CtrlShift, Edit, Plain, "redo", true},
    {"Ctrl+N starts a new layout", Qt::Key_N, Ctrl, List, Plain, "new", true},
    {"Ctrl+Shift+N starts one from a template, not an empty one", Qt::Key_N, CtrlShift, Edit,
     Plain, "new from template", true},
    {"Ctrl+Q quits", Qt::Key_Q, Ctrl, Edit, Plain, "close", true},
    {"Ctrl+D clones", Qt::Key_D, Ctrl, Edit, Plain, "clone", true},
    {"F1 lists the shortcuts", Qt::Key_F1, None, Edit, Plain, "shortcuts", true},
    {"Alt+Up in the list moves the element up", Qt::Key_Up, Alt, List, Plain, "up", true},
    {"Alt+Up in an edit or drop-down list goes on (opens the list)", Qt::Key_Up, Alt, Edit, Plain,
     "", false},
    {"AltGr+Y (Ctrl+Alt) types a letter", Qt::Key_Y, CtrlAlt, Edit, Plain, "", false},
    {"Ctrl+I appends", Qt::Key_I, Ctrl, Edit, Plain, "append", true},
    {"Ctrl+O loads", Qt::Key_O, Ctrl, List, Plain, "load", true},

    {"Ctrl+X in the list cuts", Qt::Key_X, Ctrl, List, Plain, "cut", true},
    {"Ctrl+X in an edit cuts its text", Qt::Key_X, Ctrl, Edit, Plain, "", false},
    {"Ctrl+X in the list without a selection", Qt::Key_X, Ctrl, List, NoSelection, "", false},
    {"Ctrl+C in the list copies the element", Qt::Key_C, Ctrl, List, Plain, "copy", true},
    {"Ctrl+C in an edit copies its text", Qt::Key_C, Ctrl, Edit, Plain, "", false},
    {"Ctrl+Shift+C in the list copies the element", Qt::Key_C, CtrlShift, List, Plain, "copy",
     true},
    {"Ctrl+V in the list pastes the element", Qt::Key_V, Ctrl, List, Plain, "paste", true},
    {"Ctrl+V in the list, element clipboard empty", Qt::Key_V, Ctrl, List, ClipboardEmpty, "",
     false},
    {"Ctrl+V in an edit pastes text", Qt::Key_V, Ctrl, Edit, Plain, "", false},

    {"a letter alone", Qt::Key_S, None, Edit, Plain, "", false},
    {"Shift+letter types a capital", Qt::Key_S, Shift, Edit, Plain, "", false},
    {"AltGr (Ctrl+Alt) types a letter", Qt::Key_Z, CtrlAlt, Edit, Plain, "", false},
    {"AltGr with Shift", Qt::Key_A, CtrlShiftAlt, Edit, Plain, "", false},
    {"Return goes to the dialog", Qt::Key_Return, None, Edit, Plain, "", false},
};

class KeyCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        edit = new QLineEdit(window.get());
        list = new QListWidget(window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(edit);
        layout->addWidget(list);
        keys = std::make_unique<KeyCommands>(target, window.get());
    }

    void apply(const KeyCase& c) {
        target = FakeTarget();
        target.listFocused = c.focus == List;
        target.textFocused = c.focus == Edit;
        switch (c.tweak) {
        case Plain:
            break;
        case NoSelection:
            target.selected = false;
            break;
        case X2Disabled:
            target.enabledFields.erase(CoordinateField::X2);
            break;
        case XDisabled:
            target.enabledFields.erase(CoordinateField::X);
            break;
        case DayNightDisabled:
            target.dayNight = false;
            break;
        case ClipboardEmpty:
            target.clipboardElement = false;
            break;
        case PointerLeft:
            target.pointer = {-1, 7};
            break;
        case PointerAbove:
            target.pointer = {5, -12};
            break;
        }
    }

    FakeTarget target;
    std::unique_ptr<QWidget> window;
    QLineEdit* edit = nullptr;
    QListWidget* list = nullptr;
    std::unique_ptr<KeyCommands> keys;
};

TEST_F(KeyCommandsTest, KeyTableThroughTheEventFilter) {
    for (const KeyCase& c : KeyCases) {
        SCOPED_TRACE(c.name);
        apply(c);
        QWidget* receiver = c.focus == List ? static_cast<QWidget*>(list) : edit;
        QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        const bool handled = keys->eventFilter(receiver, &event);
        EXPECT_EQ(handled, c.handled);
        const QStringList expected =
            *c.action ? QStringList{QString::fromLatin1(c.action)} : QStringList{};
        EXPECT_EQ(target.log, expected);
    }
}

TEST_F(KeyCommandsTest, ShiftArrowWithFailingConditionNeverAsksTheCtrlField) {
    const struct {
        int key;
        CoordinateField shiftField;
        CoordinateField ctrlField;
    } arrows[] = {{Qt::Key_Left, CoordinateField::X2, CoordinateField::X},
                  {Qt::Key_Right, CoordinateField::X2, CoordinateField::X},
                  {Qt::Key_Up, CoordinateField::Y2, CoordinateField::Y},
                  {Qt::Key_Down, CoordinateField::Y2, CoordinateField::Y}};
    for (const auto& a : arrows) {
        target = FakeTarget();
        target.enabledFields = {a.ctrlField};
        EXPECT_FALSE(keys->handleKeyPress(a.key, CtrlShift));
        EXPECT_EQ(target.askedFields, std::set<CoordinateField>{a.shiftField});
        EXPECT_TRUE(target.log.isEmpty());
    }
}

TEST_F(KeyCommandsTest, AHeldKeysAutoRepeatIsTold) {
    // One undo step per press-and-hold: the window hears which presses repeat.
    QKeyEvent first(QEvent::KeyPress, Qt::Key_Right, Ctrl);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Ctrl, QString(), true);
    EXPECT_TRUE(keys->eventFilter(edit, &first));
    EXPECT_TRUE(keys->eventFilter(edit, &repeat));
    EXPECT_EQ(target.log, (QStringList{QStringLiteral("step X 1"), QStringLiteral("step X 1")}));
    EXPECT_EQ(target.repeats, (QList<bool>{false, true}));
}

TEST_F(KeyCommandsTest, OnlyKeyPressesAreExamined) {
    const QEvent::Type others[] = {QEvent::KeyRelease, QEvent::ShortcutOverride};
    for (QEvent::Type type : others) {
        QKeyEvent event(type, Qt::Key_Escape, Qt::NoModifier);
        EXPECT_FALSE(keys->eventFilter(edit, &event));
    }
    EXPECT_TRUE(target.log.isEmpty());
}

TEST_F(KeyCommandsTest, KeysOfOtherWindowsAreLeftAlone) {
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(keys->eventFilter(otherEdit, &esc));
    EXPECT_FALSE(keys->eventFilter(&other, &esc));
    // A message box or file dialog opened over the window is a window too.
    QDialog box(window.get());
    auto* boxEdit = new QLineEdit(&box);
    EXPECT_FALSE(keys->eventFilter(boxEdit, &esc));
    EXPECT_FALSE(keys->eventFilter(&box, &esc));
    EXPECT_TRUE(target.log.isEmpty());
    // The window itself and its controls are watched.
    EXPECT_TRUE(keys->eventFilter(window.get(), &esc));
    EXPECT_EQ(target.log, QStringList{QStringLiteral("close")});
}

// The filter installed on the application, with real focus and real key
// presses: a shortcut never reaches the control, any other key does.
class KeyCommandsFocusTest : public KeyCommandsTest {
protected:
    // What the window does: the list has the focus when it is the focus widget.
    class FocusTarget : public FakeTarget {
    public:
        QListWidget* list = nullptr;
        bool listHasFocus() const override { return list->hasFocus(); }
    };

    void SetUp() override {
        KeyCommandsTest::SetUp();
        focusTarget.list = list;
        list->addItems({QStringLiteral("one"), QStringLiteral("two")});
        list->setCurrentRow(0);
        keys = std::make_unique<KeyCommands>(focusTarget, window.get());
        keys->install();
        edit->installEventFilter(&editSpy);
        list->installEventFilter(&listSpy);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void focus(QWidget* w) {
        w->setFocus();
        ASSERT_TRUE(w->hasFocus());
    }

    // Records the key presses that reached a control.
    class KeySpy : public QObject {
    public:
        QList<int> keys;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::KeyPress) keys << static_cast<QKeyEvent*>(event)->key();
            return false;
        }
    };

    FocusTarget focusTarget;
    KeySpy editSpy;
    KeySpy listSpy;
};

TEST_F(KeyCommandsFocusTest, SpaceTypesInTheEditAndTogglesInTheList) {
    focus(edit);
    QTest::keyClicks(edit, QStringLiteral("a b"));
    EXPECT_EQ(edit->text(), QStringLiteral("a b"));
    EXPECT_TRUE(focusTarget.log.isEmpty());

    focus(list);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(focusTarget.log, QStringList{QStringLiteral("dayNight")});
    EXPECT_FALSE(listSpy.keys.contains(Qt::Key_Space));
}

TEST_F(KeyCommandsFocusTest, DeleteEditsTextInTheEditAndRemovesInTheList) {
    focus(edit);
    edit->setText(QStringLiteral("ab"));
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("b"));
    EXPECT_TRUE(focusTarget.log.isEmpty());

    focus(list);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(focusTarget.log, QStringList{QStringLiteral("remove")});
}

TEST_F(KeyCommandsFocusTest, CtrlCReachesTheEditButCopiesTheElementInTheList) {
    focus(edit);
    edit->setText(QStringLiteral("12"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(editSpy.keys.contains(Qt::Key_C));
    EXPECT_TRUE(focusTarget.log.isEmpty());

    focus(list);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(listSpy.keys.contains(Qt::Key_C));
    EXPECT_EQ(focusTarget.log, QStringList{QStringLiteral("copy")});
}

TEST_F(KeyCommandsFocusTest, CtrlZInAnEditUndoesTheLayoutNotTheEdit) {
    focus(edit);
    QTest::keyClicks(edit, QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    EXPECT_EQ(focusTarget.log, QStringList{QStringLiteral("undo")});
}

TEST_F(KeyCommandsFocusTest, ShiftLeftFailingStillSelectsInTheEdit) {
    focusTarget.enabledFields.erase(CoordinateField::X2);
    focus(edit);
    edit->setText(QStringLiteral("123"));
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("3"));
    EXPECT_TRUE(focusTarget.log.isEmpty());
}

TEST_F(KeyCommandsFocusTest, EscapeAsksToCloseOnce) {
    focus(edit);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(focusTarget.log, QStringList{QStringLiteral("close")});
    EXPECT_FALSE(editSpy.keys.contains(Qt::Key_Escape));
}

TEST_F(KeyCommandsFocusTest, FilterGoesWithItsObject) {
    keys.reset();
    focus(edit);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_TRUE(focusTarget.log.isEmpty());
}

} // namespace
} // namespace zef
