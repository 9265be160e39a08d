// What the designer remembers: the view check boxes, the folder of each file
// dialog and the recent files.

#include "windowtestsupport.h"

#include "ui/commandactions.h"
#include "ui/designersettings.h"
#include "ui/previewinteraction.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>

namespace zef::test {
namespace {

using namespace designersettings;

TEST(RecentFiles, NewestFirstOnceAndAtMostTen) {
    QStringList list;
    for (int i = 0; i < 12; ++i) list = withRecentFile(list, QStringLiteral("/l/%1.xml").arg(i));
    ASSERT_EQ(list.size(), MaxRecentFiles);
    EXPECT_EQ(list.first(), QStringLiteral("/l/11.xml"));
    EXPECT_EQ(list.last(), QStringLiteral("/l/2.xml"));
    // Opened again: moves to the front, not listed twice; the same file by
    // another spelling of its path is the same entry.
    list = withRecentFile(list, QStringLiteral("/l/x/../5.xml"));
    EXPECT_EQ(list.first(), QStringLiteral("/l/5.xml"));
    EXPECT_EQ(list.count(QStringLiteral("/l/5.xml")), 1);
    EXPECT_EQ(list.size(), MaxRecentFiles);
    EXPECT_EQ(withRecentFile(list, QString()), list);
}

class RememberedTest : public WindowTest {
protected:
    // A saved layout file in the test folder.
    QString savedLayout(const char* name) {
        if (!doc().device()) chooseDevice("fenix 7");
        if (doc().count() == 0) add(KindValue);
        const QString file = dir.filePath(QString::fromUtf8(name));
        platform.saveFileNames.push_back(file);
        click(ui().saveAs);
        EXPECT_TRUE(QFileInfo::exists(file));
        return file;
    }
    std::unique_ptr<CPellFieldDlg> reopen() {
        dlg.reset();
        auto next = std::make_unique<CPellFieldDlg>(
            platform, QStringList{QStringLiteral("zef-designer"), startFile});
        next->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(next.get()));
        return next;
    }
};

TEST_F(RememberedTest, ViewOptionsFollowTheMenuAndComeBack) {
    QAction* night = dlg->action(EditorCommand::NightMode);
    QAction* gradient = dlg->action(EditorCommand::DynamicColorGradient);
    // The check box moves the menu item, the menu item the check box.
    click(ui().nightMode);
    EXPECT_TRUE(night->isChecked());
    EXPECT_TRUE(dlg->renderer().viewState().nightMode);
    gradient->trigger();
    EXPECT_TRUE(ui().gradient->isChecked());
    EXPECT_TRUE(dlg->renderer().viewState().showDcGradient);
    night->trigger();
    EXPECT_FALSE(ui().nightMode->isChecked());
    EXPECT_FALSE(dlg->renderer().viewState().nightMode);
    night->trigger();
    ASSERT_TRUE(dlg->close());

    dlg = reopen();
    EXPECT_TRUE(ui().nightMode->isChecked());
    EXPECT_TRUE(ui().gradient->isChecked());
    EXPECT_FALSE(ui().highlight->isChecked());
    EXPECT_TRUE(dlg->action(EditorCommand::NightMode)->isChecked());
    EXPECT_TRUE(dlg->renderer().viewState().nightMode);
    EXPECT_TRUE(dlg->renderer().viewState().showDcGradient);
}

// Pixel grid and snapping are on at first; turned off, they stay off.
TEST_F(RememberedTest, PixelGridAndSnappingComeBack) {
    EXPECT_TRUE(dlg->action(EditorCommand::PixelGrid)->isChecked());
    EXPECT_TRUE(dlg->previewInteraction().drags().snapping());
    dlg->action(EditorCommand::PixelGrid)->trigger();
    dlg->action(EditorCommand::Snapping)->trigger();
    EXPECT_FALSE(dlg->renderer().viewState().pixelGrid);
    EXPECT_FALSE(dlg->previewInteraction().drags().snapping());
    ASSERT_TRUE(dlg->close());

    dlg = reopen();
    EXPECT_FALSE(dlg->action(EditorCommand::PixelGrid)->isChecked());
    EXPECT_FALSE(dlg->action(EditorCommand::Snapping)->isChecked());
    EXPECT_FALSE(dlg->renderer().viewState().pixelGrid);
    EXPECT_FALSE(dlg->previewInteraction().drags().snapping());
}

TEST_F(RememberedTest, EachFileDialogStartsInItsLastFolder) {
    QDir(dir.path()).mkpath(QStringLiteral("opened"));
    QDir(dir.path()).mkpath(QStringLiteral("appended"));
    const QString saved = savedLayout("a.xml");
    const QString opened = dir.filePath(QStringLiteral("opened/b.xml"));
    const QString appended = dir.filePath(QStringLiteral("appended/c.xml"));
    QFile::copy(saved, opened);
    QFile::copy(saved, appended);

    platform.openFileNames = {opened};
    click(ui().load);
    platform.openFileNames = {appended};
    click(ui().append);
    ASSERT_EQ(doc().count(), 2);

    click(ui().load); // cancelled: no file
    EXPECT_EQ(platform.lastOpenDirectory, QFileInfo(opened).absolutePath());
    click(ui().append);
    EXPECT_EQ(platform.lastOpenDirectory, QFileInfo(appended).absolutePath());
    // Save as: the layout's own name in the folder Save as was last used in.
    click(ui().saveAs);
    EXPECT_EQ(platform.lastSaveSuggestion, dir.filePath(QStringLiteral("b.xml")));
}

TEST_F(RememberedTest, RecentFilesMenuOpensAndGreysWhatIsGone) {
    const QString first = savedLayout("first.xml");
    const QString second = savedLayout("second.xml");
    const QString gone = savedLayout("gone.xml");
    QFile::remove(gone);

    QMenu* menu = dlg->commands().recentFilesMenu();
    emit menu->aboutToShow();
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[0]->text().endsWith(QDir::toNativeSeparators(gone)));
    EXPECT_FALSE(items[0]->isEnabled());
    EXPECT_TRUE(items[1]->text().endsWith(QDir::toNativeSeparators(second)));
    EXPECT_TRUE(items[1]->isEnabled());

    // Opening one asks to save a modified layout first, as Open does.
    add(KindValue);
    platform.answers = {MessageAnswer::No};
    items[2]->trigger();
    EXPECT_EQ(doc().fileName(), first);
    EXPECT_EQ(doc().count(), 1);
    EXPECT_TRUE(messages().contains(QStringLiteral("Do you want to save your changes?")));
    emit menu->aboutToShow();
    EXPECT_TRUE(menu->actions().at(0)->text().endsWith(QDir::toNativeSeparators(first)));
}

} // namespace
} // namespace zef::test
