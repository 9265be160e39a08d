// The command table: its bindings, the README's shortcut table, and the
// window's menus, buttons and keys all running the one action of a command.

#include "windowtestsupport.h"

#include "common/qrdecode.h"
#include "preview/previewgeometry.h"
#include "ui/commandactions.h"
#include "ui/editorcommand.h"
#include "ui/qrcodewindow.h"
#include "ui/shortcutwindow.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <map>
#include <set>

namespace zef::test {
namespace {

// --- the table -----------------------------------------------------------------

TEST(CommandTable, EveryKeyIsBoundOnceAndSelectsItsOwnRow) {
    std::set<int> seen;
    int bindings = 0;
    for (const CommandRow& row : editorCommands()) {
        for (const QKeySequence& keys : row.shortcuts()) {
            ++bindings;
            const QKeyCombination k = keys[0];
            EXPECT_TRUE(seen.insert(k.toCombined()).second)
                << keys.toString().toStdString() << " is bound twice";
            const CommandRow* found = commandForKey(k.key(), k.keyboardModifiers());
            EXPECT_EQ(found, &row) << keys.toString().toStdString();
            // The keypad's arrows are the same keys.
            EXPECT_EQ(commandForKey(k.key(), k.keyboardModifiers() | Qt::KeypadModifier), &row);
        }
    }
    EXPECT_GT(bindings, 30);
}

// Alt and a letter reach one item: every menu item, and every menu of the
// bar, has a mnemonic of its own within its menu.
TEST(CommandTable, MnemonicsAreDistinctInEachMenu) {
    const auto mnemonic = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    std::set<QChar> titles;
    for (const CommandMenu menu : MenuBarMenus) {
        EXPECT_TRUE(titles.insert(mnemonic(menuTitle(menu))).second)
            << menuTitle(menu).toStdString();
        std::map<QChar, QString> seen;
        for (const CommandRow& row : editorCommands()) {
            if (row.menu != menu) continue;
            const QString text = QString::fromUtf8(row.text);
            const QChar letter = mnemonic(text);
            EXPECT_FALSE(letter.isNull()) << text.toStdString() << " has no mnemonic";
            const auto [it, added] = seen.emplace(letter, text);
            EXPECT_TRUE(added) << text.toStdString() << " and " << it->second.toStdString()
                               << " share a mnemonic";
        }
    }
}

TEST(CommandTable, ExtraModifiersFollowTheChordRules) {
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        EditorCommand expected; // Quit stands for "no command" where noted
        bool bound;
    } cases[] = {
        {"Ctrl+Shift+B is Ctrl+B", Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier,
         EditorCommand::CopyConfigString, true},
        {"Ctrl+Shift+S is Save As, not Save", Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier,
         EditorCommand::SaveAs, true},
        {"Ctrl+Shift+Z redoes", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier,
         EditorCommand::Redo, true},
        {"Ctrl+Shift+Left is the second point's row", Qt::Key_Left,
         Qt::ControlModifier | Qt::ShiftModifier, EditorCommand::SecondPointLeft, true},
        {"Shift+Delete still removes", Qt::Key_Delete, Qt::ShiftModifier, EditorCommand::Delete,
         true},
        {"Ctrl+Alt+Z is AltGr", Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier,
         EditorCommand::Quit, false},
        {"Alt+Z is no chord", Qt::Key_Z, Qt::AltModifier, EditorCommand::Quit, false},
        {"Z alone types", Qt::Key_Z, Qt::NoModifier, EditorCommand::Quit, false},
        {"Up alone moves in lists", Qt::Key_Up, Qt::NoModifier, EditorCommand::Quit, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandRow* row = commandForKey(c.key, c.modifiers);
        if (!c.bound) {
            EXPECT_EQ(row, nullptr);
            continue;
        }
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->id, c.expected);
    }
}

// The README's table is the command table's, so the two cannot drift.
TEST(CommandTable, TheReadmeListsTheBoundKeys) {
    QFile readme(QStringLiteral(SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(readme.readAll());
    const QString heading = QStringLiteral("## Keyboard shortcuts\n");
    const qsizetype start = text.indexOf(heading);
    ASSERT_GE(start, 0);
    const qsizetype tableStart = text.indexOf(QStringLiteral("| keys |"), start);
    ASSERT_GE(tableStart, 0);
    qsizetype tableEnd = text.indexOf(QStringLiteral("\n\n"), tableStart);
    if (tableEnd < 0) tableEnd = text.size();
    const QString table = text.mid(tableStart, tableEnd - tableStart + 1);
    EXPECT_EQ(table, shortcutTableMarkdown())
        << "Put this table into README.md under \"## Keyboard shortcuts\":\n"
        << shortcutTableMarkdown().toStdString();
}

// --- the window ----------------------------------------------------------------

class CommandWindowTest : public WindowTest {
protected:
    QAction* action(EditorCommand id) { return dlg->action(id); }

    void activate() {
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    // A value, a line and a value on the high-class device, the line selected,
    // an element on the element clipboard and the pointer on the screen.
    void arrange() {
        if (!doc().device()) chooseDevice("fenix 7");
        LayoutElement value(KindValue);
        LayoutElement line(KindGraphic);
        line.x2 = 40;
        line.y2 = 40;
        doc().replaceLayout({value, line, value}, doc().selectedDevice(), startFile);
        clickRow(1);
        doc().copySelected();
        QTest::mouseMove(dlg->templateArea(),
                         preview::screenOrigin(*doc().device()) + QPoint(20, 30));
    }

    // The user presses keys where they apply: in the element list or in an edit.
    void press(const QKeyCombination& k, KeyScope scope) {
        QWidget* target = scope == KeyScope::Window ? static_cast<QWidget*>(ui().x.edit)
                                                    : &dlg->elementList();
        target->setFocus();
        QTest::keyClick(target, k.key(), k.keyboardModifiers());
    }
};

TEST_F(CommandWindowTest, TheMenusHoldTheTablesCommandsWithTheirKeys) {
    const QList<QAction*> menus = dlg->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(std::size(MenuBarMenus)));
    for (qsizetype m = 0; m < menus.size(); ++m) {
        const CommandMenu menu = MenuBarMenus[m];
        EXPECT_EQ(menus[m]->text(), menuTitle(menu));
        QList<QAction*> expected;
        for (const CommandRow& row : editorCommands())
            if (row.menu == menu) expected << action(row.id);
        QList<QAction*> items;
        for (QAction* item : menus[m]->menu()->actions())
            if (!item->isSeparator()) items << item;
        EXPECT_EQ(items, expected) << menuTitle(menu).toStdString();
    }
    EXPECT_EQ(action(EditorCommand::Redo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    EXPECT_EQ(action(EditorCommand::New)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_TRUE(action(EditorCommand::Save)->toolTip().contains(QStringLiteral("Ctrl+S")));
    EXPECT_NE(action(EditorCommand::OpenRecent)->menu(), nullptr);
}

// Every bound key runs its command's action, as the menu item does: the same
// QAction is triggered, once.
TEST_F(CommandWindowTest, EveryKeyTriggersItsMenuItemsAction) {
    activate();
    for (const CommandRow& row : editorCommands()) {
        for (const QKeySequence& keys : row.shortcuts()) {
            SCOPED_TRACE(keys.toString().toStdString());
            arrange();
            if (row.id == EditorCommand::Redo) {
                type(ui().x.edit, QStringLiteral("9"));
                doc().undo();
            } else if (row.id == EditorCommand::Undo) {
                type(ui().x.edit, QStringLiteral("9"));
            } else if (row.id == EditorCommand::Quit) {
                type(ui().x.edit, QStringLiteral("9")); // modified: the question comes
                platform.answers = {MessageAnswer::Cancel};
            }
            QSignalSpy triggered(action(row.id), &QAction::triggered);
            press(keys[0], row.scope);
            EXPECT_EQ(triggered.count(), 1);
            // Windows the command opened leave; the designer is active again.
            for (QWidget* w : dlg->findChildren<QDialog*>()) w->close();
            ASSERT_TRUE(dlg->isVisible());
            activate();
        }
    }
}

TEST_F(CommandWindowTest, EveryButtonTriggersItsMenuItemsAction) {
    using C = EditorCommand;
    const std::pair<QAbstractButton*, EditorCommand> buttons[] = {
        {ui().add, C::Add},         {ui().clone, C::Clone},
        {ui().remove, C::Delete},   {ui().up, C::MoveUp},
        {ui().down, C::MoveDown},   {ui().load, C::Open},
        {ui().append, C::Append},   {ui().loadFromClipboard, C::LoadConfigString},
        {ui().refresh, C::Refresh}, {ui().saveAs, C::SaveAs},
        {ui().save, C::Save},       {ui().copyToClipboard, C::CopyConfigString},
    };
    for (const auto& [button, command] : buttons) {
        SCOPED_TRACE(button->text().toStdString());
        arrange();
        QSignalSpy triggered(action(command), &QAction::triggered);
        click(button);
        EXPECT_EQ(triggered.count(), 1);
        EXPECT_EQ(button->toolTip(), action(command)->toolTip());
    }
    // Scale to device: its button is enabled exactly when its action is, which
    // is when the layout was made for another device than the selected one.
    EXPECT_FALSE(ui().scaleToDevice->isEnabled());
    EXPECT_EQ(ui().scaleToDevice->isEnabled(), action(C::ScaleToDevice)->isEnabled());
    doc().setDesignDevice(doc().selectedDevice() == 0 ? 1 : 0);
    dlg->updateCommandStates();
    EXPECT_TRUE(ui().scaleToDevice->isEnabled());
    QSignalSpy scaled(action(C::ScaleToDevice), &QAction::triggered);
    click(ui().scaleToDevice);
    EXPECT_EQ(scaled.count(), 1);
}

TEST_F(CommandWindowTest, TheShortcutWindowListsEveryBinding) {
    action(EditorCommand::KeyboardShortcuts)->trigger();
    auto* window = dlg->findChild<ShortcutWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const QTableWidget* table = window->table();
    std::map<QString, QString> listed; // keys -> command
    for (int r = 0; r < table->rowCount(); ++r)
        listed[table->item(r, 0)->text()] = table->item(r, 2)->text();
    int bound = 0;
    for (const CommandRow& row : editorCommands()) {
        if (!row.hasKeys()) continue;
        ++bound;
        const auto it = listed.find(keysText(row));
        ASSERT_NE(it, listed.end()) << keysText(row).toStdString();
        EXPECT_EQ(it->second, row.plainText());
    }
    EXPECT_EQ(table->rowCount(), bound);
    EXPECT_TRUE(listed.count(QStringLiteral("Ctrl+Y or Ctrl+Shift+Z")));
}

// --- redo and the undo steps through the window -------------------------------

TEST_F(CommandWindowTest, RedoKeysAndTheMenusEnabledStates) {
    activate();
    arrange();
    EXPECT_FALSE(action(EditorCommand::Undo)->isEnabled());
    EXPECT_FALSE(action(EditorCommand::Redo)->isEnabled());
    type(ui().x.edit, QStringLiteral("12"));
    clickRow(0); // leaves the field
    type(ui().y.edit, QStringLiteral("34"));
    EXPECT_TRUE(action(EditorCommand::Undo)->isEnabled());
    EXPECT_FALSE(action(EditorCommand::Redo)->isEnabled());

    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc().elements()[1].x, 0);
    EXPECT_EQ(doc().elements()[0].y, 0);
    EXPECT_FALSE(action(EditorCommand::Undo)->isEnabled());
    EXPECT_TRUE(action(EditorCommand::Redo)->isEnabled());

    // Ctrl+Shift+Z redoes (it used to undo), as Ctrl+Y does; the selection
    // comes back with each step.
    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc().elements()[1].x, 12);
    EXPECT_EQ(doc().selection(), 1);
    EXPECT_EQ(dlg->elementList().selectedRow(), 1);
    EXPECT_EQ(ui().x.edit->text(), QStringLiteral("12"));
    QTest::keyClick(ui().y.edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(doc().elements()[0].y, 34);
    EXPECT_EQ(doc().selection(), 0);
    EXPECT_FALSE(action(EditorCommand::Redo)->isEnabled());

    // A new change after an undo: nothing to redo any more.
    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(action(EditorCommand::Redo)->isEnabled());
    click(ui().add);
    EXPECT_FALSE(action(EditorCommand::Redo)->isEnabled());
    QTest::keyClick(ui().y.edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(doc().elements()[0].y, 0);
}

TEST_F(CommandWindowTest, TypingIntoAFieldIsOneStepUntilItIsLeft) {
    activate();
    arrange();
    const int steps = doc().history().count();
    ui().y.edit->setFocus();
    ui().y.edit->selectAll();
    QTest::keyClicks(ui().y.edit, QStringLiteral("500"));
    // The element follows every keystroke.
    EXPECT_EQ(element().y, 500);
    dlg->elementList().setFocus(); // the field is left
    EXPECT_EQ(doc().history().count(), steps + 1);

    // Enter ends the edit too: the next keystrokes are a step of their own.
    ui().y.edit->setFocus();
    QTest::keyClick(ui().y.edit, Qt::Key_Backspace);
    QTest::keyClick(ui().y.edit, Qt::Key_Return);
    QTest::keyClicks(ui().y.edit, QStringLiteral("7"));
    EXPECT_EQ(element().y, 507);
    EXPECT_EQ(doc().history().count(), steps + 3);

    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(element().y, 50);
    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(element().y, 500);
    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(element().y, 0);
}

TEST_F(CommandWindowTest, AHeldPlusButtonOrArrowKeyIsOneStepPerPress) {
    activate();
    arrange();
    const int steps = doc().history().count();
    auto* plus = ui().x.plus;
    for (int press = 0; press < 2; ++press) {
        QTest::mousePress(plus, Qt::LeftButton, {}, plus->rect().center());
        for (int i = 0; i < 4; ++i) plus->repeatTick();
        QTest::mouseRelease(plus, Qt::LeftButton, {}, plus->rect().center());
    }
    EXPECT_EQ(element().x, 8);
    EXPECT_EQ(doc().history().count(), steps + 2);

    // Ctrl+Right held: the key's auto-repeat belongs to its first press.
    QWidget* list = &dlg->elementList();
    list->setFocus();
    for (int press = 0; press < 2; ++press) {
        for (int i = 0; i < 3; ++i) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::ControlModifier, QString(), i > 0);
            QApplication::sendEvent(list, &key);
        }
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::ControlModifier);
        QApplication::sendEvent(list, &release);
    }
    EXPECT_EQ(element().x, 14);
    EXPECT_EQ(doc().history().count(), steps + 4);
    doc().undo();
    EXPECT_EQ(element().x, 11);
}

TEST_F(CommandWindowTest, EnterInAnEditLeavesTheClipboardAlone) {
    activate();
    arrange();
    platform.clipboard = QStringLiteral("what the user copied");
    type(ui().x.edit, QStringLiteral("25"));
    QTest::keyClick(ui().x.edit, Qt::Key_Return);
    QTest::keyClick(ui().x.edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(platform.clipboard, QStringLiteral("what the user copied"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(element().x, 25);
    // Ctrl+B still copies the string.
    QTest::keyClick(ui().x.edit, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(platform.clipboard.startsWith(QLatin1Char('C')));
}

// --- the commands of the File menu that have no button ------------------------

TEST_F(CommandWindowTest, TheQrCodeHoldsTheStringCopyToClipboardGives) {
    if (!haveQrDecoder()) GTEST_SKIP() << "zbarimg (zbar-tools) reads the code back";
    arrange();
    click(ui().copyToClipboard);
    const QString copied = platform.clipboard;
    ASSERT_TRUE(copied.startsWith(QLatin1Char('C')));
    action(EditorCommand::ShowQrCode)->trigger();
    auto* window = dlg->findChild<QrCodeWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->lengthText(),
              QStringLiteral("Config string: %1 characters").arg(copied.size()));
    const QImage code = window->code();
    // Large enough to scan from the screen: at least 3 pixels a module.
    EXPECT_GE(code.width(), 3 * (21 + 8));
    const auto decoded = decodeQrImage(code);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, copied.toUtf8());
}

TEST_F(CommandWindowTest, ExportPreviewWritesThePreviewAsPng) {
    arrange();
    const QString png = dir.filePath(QStringLiteral("preview.png"));
    platform.saveFileNames = {png};
    action(EditorCommand::ExportPreview)->trigger();
    EXPECT_EQ(platform.lastSaveSuggestion, dir.filePath(QStringLiteral("none.png")));
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image, dlg->renderer().RenderPreviewImage());
    // Without a device there is no preview to export.
    auto other =
        std::make_unique<CPellFieldDlg>(platform, QStringList{QStringLiteral("zef-designer")});
    other->updateCommandStates();
    EXPECT_FALSE(other->action(EditorCommand::ExportPreview)->isEnabled());
}

TEST_F(CommandWindowTest, NewAsksToSaveThenStartsAnEmptyLayoutOnTheDevice) {
    arrange();
    const int device = doc().selectedDevice();
    type(ui().x.edit, QStringLiteral("5")); // modified
    platform.answers = {MessageAnswer::Cancel};
    action(EditorCommand::New)->trigger();
    EXPECT_EQ(doc().count(), 3);
    EXPECT_TRUE(messages().contains(QStringLiteral("Do you want to save your changes?")));

    platform.answers = {MessageAnswer::No};
    action(EditorCommand::New)->trigger();
    EXPECT_EQ(doc().count(), 0);
    EXPECT_EQ(rows().rowCount(), 0);
    EXPECT_EQ(doc().selectedDevice(), device);
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(doc().canUndo());
    EXPECT_TRUE(doc().fileName().isEmpty());
    EXPECT_EQ(dlg->windowTitle(), titleFor(QString()));
    // Untitled: Save asks where.
    add(KindValue);
    click(ui().save);
    EXPECT_EQ(platform.saveDialogs, 1);
}

} // namespace
} // namespace zef::test
