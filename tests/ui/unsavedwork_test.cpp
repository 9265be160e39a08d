// Work is never lost or overwritten unseen: a close whose save does not happen
// keeps the window, untitled layouts are never written without asking, New,
// the unsaved-changes mark, layouts that cannot be shown are not adopted, and
// opening a layout is not an edit. Each through the real window.

#include "windowtestsupport.h"

#include "cli/configcommands.h"
#include "cli/documentio.h"
#include "config/configstring.h"
#include "files/filestestsupport.h"
#include "files/layoutfile.h"
#include "ui/autosave.h"
#include "ui/terminationrequests.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>

namespace zef::test {
namespace {

const char* const Device = "fenix 7"; // eighteen font slots
const QString SaveQuestion = QStringLiteral("Do you want to save your changes?");

class UnsavedWorkTest : public WindowTest {
protected:
    // No recovery copy of another test is offered, and none is left behind.
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QDir(Autosave::recoveryFolder()).removeRecursively();
        WindowTest::SetUp();
    }
    void TearDown() override {
        dlg.reset();
        QDir(Autosave::recoveryFolder()).removeRecursively();
        WindowTest::TearDown();
    }
    // A new window on a clean slate, for the next case of a table.
    void restart() {
        dlg.reset();
        platform = ScriptedPlatform();
        SetUp();
    }
    // The recovery copies in the per-user folder.
    static QStringList recoveryCopies() {
        QStringList copies = QDir(Autosave::recoveryFolder())
                                 .entryList({QStringLiteral("recovery*.xml")}, QDir::Files);
        copies.removeIf(
            [](const QString& name) { return name.endsWith(QLatin1String("-saved.xml")); });
        return copies;
    }
    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&dlg->elementList(), key, modifiers);
    }
    // A window started on a file, as "zef-designer FILE" does.
    std::unique_ptr<CPellFieldDlg> openOn(const QString& file) {
        auto window =
            std::make_unique<CPellFieldDlg>(platform, QStringList{QStringLiteral("zef"), file});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
    int saveQuestions() const { return static_cast<int>(messages().count(SaveQuestion)); }
    // A value the panel has not shown yet: empty text and sample.
    static LayoutElement speedValue() {
        LayoutElement e(KindValue);
        e.valueType = test::catalogs().valueTypes.positionById(60); // "Current speed"
        e.x = 40;
        e.y = 50;
        return e;
    }
};

// The save chosen in the close question does not happen: the window stays
// with the edit, which can then be saved elsewhere.
TEST_F(UnsavedWorkTest, CloseKeepsTheWindowWhenItsSaveDoesNotHappen) {
    const struct {
        const char* name;
        bool titled;        // the layout has a file (whose folder then goes)
        const char* chosen; // the Save as dialog's answer for an untitled layout
    } cases[] = {
        {"the file's folder was deleted", true, nullptr},
        {"Save as was cancelled", false, nullptr},
        {"Save as chose a missing folder", false, "gone/mine.xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        chooseDevice(Device);
        add(KindValue);
        const QString folder = dir.filePath(QStringLiteral("layouts"));
        if (c.titled) {
            ASSERT_TRUE(QDir().mkpath(folder));
            platform.saveFileNames = {QDir(folder).filePath(QStringLiteral("mine.xml"))};
            click(ui().saveAs);
            ASSERT_FALSE(doc().isModified());
            ASSERT_TRUE(QDir(folder).removeRecursively());
        } else if (c.chosen) {
            platform.saveFileNames = {dir.filePath(QString::fromLatin1(c.chosen))};
        }
        type(ui().x.edit, QStringLiteral("123"));
        ASSERT_TRUE(doc().isModified());

        platform.answers = {MessageAnswer::Yes};
        keys(Qt::Key_Escape, Qt::NoModifier);
        EXPECT_EQ(saveQuestions(), 1);
        EXPECT_TRUE(dlg->isVisible()) << "the window stays";
        EXPECT_TRUE(doc().isModified());
        EXPECT_TRUE(dlg->isWindowModified());
        EXPECT_EQ(element().x, 123);
        if (c.titled || c.chosen) {
            ASSERT_EQ(platform.messages.size(), 2u) << "the failure is told";
            EXPECT_EQ(platform.messages[1].icon, MessageIcon::Critical);
        }

        // Saved elsewhere, the window closes without asking again.
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.xml"));
        platform.saveFileNames = {elsewhere};
        click(ui().saveAs);
        ASSERT_TRUE(QFileInfo::exists(elsewhere));
        EXPECT_FALSE(dlg->isWindowModified());
        EXPECT_TRUE(dlg->close());
        EXPECT_EQ(saveQuestions(), 1);
        Session reader;
        ASSERT_EQ(loadLayout(reader.document, elsewhere, false).status, LoadStatus::Loaded);
        EXPECT_EQ(reader.document.elements().at(0).x, 123);
    }
}

// Only an explicit No drops the changes; a close that went ahead with
// changes still unsaved leaves a fresh recovery copy.
TEST_F(UnsavedWorkTest, ClosingKeepsAFreshRecoveryCopyUnlessTheAnswerWasNo) {
    for (const auto answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        restart();
        chooseDevice(Device);
        add(KindValue); // an untitled layout: Yes shows Save as
        platform.answers = {answer};
        platform.saveFileNames = {dir.filePath(QStringLiteral("saved.xml"))};
        EXPECT_TRUE(dlg->close());
        EXPECT_TRUE(recoveryCopies().isEmpty()) << (answer == MessageAnswer::No ? "No" : "saved");
    }
    // The window has to go without a question (the session ends): the copy is
    // written then, not up to a minute later.
    restart();
    chooseDevice(Device);
    add(KindValue);
    type(ui().x.edit, QStringLiteral("77"));
    ASSERT_TRUE(recoveryCopies().isEmpty());
    dlg->keepUnsavedWork();
    ASSERT_EQ(recoveryCopies().size(), 1);
    Session reader;
    const QString copy = QDir(Autosave::recoveryFolder()).filePath(recoveryCopies().at(0));
    ASSERT_EQ(loadLayout(reader.document, copy, false).status, LoadStatus::Loaded);
    EXPECT_EQ(reader.document.elements().at(0).x, 77);
}

// Asked to terminate (SIGTERM, as a session's end or "kill" does), the window
// keeps the unsaved work as a recovery copy and goes without a question.
TEST_F(UnsavedWorkTest, TerminationKeepsTheWorkAndAsksNothing) {
    TerminationRequests termination;
    ASSERT_TRUE(termination.isActive());
    QObject::connect(&termination, &TerminationRequests::requested, dlg.get(),
                     &CPellFieldDlg::endWithoutQuestions);
    chooseDevice(Device);
    add(KindValue);
    type(ui().x.edit, QStringLiteral("31"));
    platform.messages.clear();

    ASSERT_EQ(::raise(SIGTERM), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 5000);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(recoveryCopies().size(), 1);
    QSettings settings;
    settings.beginGroup(CPellFieldDlg::settingsGroup());
    EXPECT_TRUE(settings.contains(QStringLiteral("window_position")));

    // The next start offers it back.
    dlg.reset();
    platform = ScriptedPlatform();
    WindowTest::SetUp();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_TRUE(platform.messages[0].text.startsWith(
        QStringLiteral("Recover the unsaved changes to an untitled layout")));
}

// A layout read from a string has no file: Save asks where, and nothing is
// written into the working directory.
TEST_F(UnsavedWorkTest, SaveAfterAClipboardLoadAsksAndWritesNothingUnasked) {
    QTemporaryDir workingDir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workingDir.path()));
    ASSERT_TRUE(test::writeFile(QStringLiteral("layout.xml"), "someone else's layout"));

    chooseDevice(Device);
    LayoutElement value = speedValue();
    platform.clipboard = BuildConfigString({value}, catalogs().valueTypes, {});
    platform.answers = {MessageAnswer::Yes};
    click(ui().loadFromClipboard);
    ASSERT_EQ(doc().count(), 1);
    EXPECT_TRUE(doc().fileName().isEmpty());
    EXPECT_EQ(dlg->windowTitle(), titleFor(QString()));
    EXPECT_FALSE(dlg->isWindowModified());

    type(ui().x.edit, QStringLiteral("9"));
    keys(Qt::Key_S); // Save: the dialog, cancelled
    EXPECT_EQ(platform.saveDialogs, 1);
    click(ui().save);
    EXPECT_EQ(platform.saveDialogs, 2);
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("layout.xml")});
    EXPECT_EQ(test::readFile(QStringLiteral("layout.xml")), "someone else's layout");
    EXPECT_TRUE(doc().isModified());
    ASSERT_TRUE(QDir::setCurrent(previous));
}

TEST_F(UnsavedWorkTest, NewAsksThenStartsAnEmptyUntitledLayoutOnTheSelectedDevice) {
    chooseDevice(Device);
    add(KindValue);
    add(KindGraphic);
    const QString file = dir.filePath(QStringLiteral("mine.xml"));
    platform.saveFileNames = {file};
    click(ui().saveAs);
    type(ui().x.edit, QStringLiteral("5"));
    const ElementVector edited = doc().elements();

    platform.answers = {MessageAnswer::Cancel};
    keys(Qt::Key_N);
    EXPECT_EQ(saveQuestions(), 1);
    EXPECT_TRUE(isSameLayout(doc().elements(), edited)) << "Cancel keeps the layout";
    EXPECT_EQ(doc().fileName(), file);

    platform.answers = {MessageAnswer::No};
    dlg->newAction()->trigger(); // what a menu entry does
    EXPECT_EQ(saveQuestions(), 2);
    EXPECT_EQ(doc().count(), 0);
    EXPECT_EQ(rows().rowCount(), 0);
    EXPECT_TRUE(doc().fileName().isEmpty());
    EXPECT_EQ(dlg->windowTitle(), titleFor(QString()));
    EXPECT_FALSE(dlg->isWindowModified());
    EXPECT_EQ(ui().deviceList->currentText(), QString::fromUtf8(Device));
    EXPECT_EQ(doc().designDevice(), doc().selectedDevice());
    EXPECT_EQ(ui().counts->text(), QStringLiteral("Val:0, Graph:0, DC:0, Total:0"));
    EXPECT_FALSE(doc().canUndo());
    EXPECT_EQ(test::readFile(file).count("<LayoutElement"), 2) << "the file stays as saved";

    // An unchanged layout is replaced without a question.
    keys(Qt::Key_N);
    EXPECT_EQ(saveQuestions(), 2);
    add(KindValue);
    EXPECT_TRUE(dlg->isWindowModified());
}

TEST_F(UnsavedWorkTest, TitleMarksUnsavedChangesAndFollowsUndo) {
    chooseDevice(Device);
    add(KindValue);
    EXPECT_TRUE(dlg->isWindowModified());
    const QString file = dir.filePath(QStringLiteral("mine.xml"));
    platform.saveFileNames = {file};
    keys(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dlg->windowTitle(), titleFor(file));
    EXPECT_FALSE(dlg->isWindowModified());

    const int added = element().x;
    type(ui().x.edit, QStringLiteral("7"));
    EXPECT_TRUE(dlg->isWindowModified());
    keys(Qt::Key_Z);
    EXPECT_EQ(element().x, added);
    EXPECT_FALSE(dlg->isWindowModified()) << "undo back to the saved state";
    keys(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_TRUE(dlg->isWindowModified());
    keys(Qt::Key_Z);
    EXPECT_FALSE(dlg->isWindowModified());
}

// A file for a device the catalog does not know is not shown on another
// device, so no Save can replace its elements with what that device keeps.
TEST_F(UnsavedWorkTest, AFileForAnUnknownDeviceIsNotAdopted) {
    QList<QByteArray> lines;
    for (int i = 0; i < 14; ++i)
        lines << QByteArray("<LayoutElement type=\"0\" eletype=\"CS\" x=\"%1\"/>")
                     .replace("%1", QByteArray::number(i));
    const QByteArray bytes = test::layoutXml("Edge 9000 Pro", lines);
    const QString file = dir.filePath(QStringLiteral("future.xml"));
    ASSERT_TRUE(test::writeFile(file, bytes));

    // At start-up (the user named the file).
    dlg.reset();
    platform.messages.clear();
    dlg = openOn(file);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("\"Edge 9000 Pro\"")))
        << platform.messages[0].text.toStdString();
    EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(file)));
    EXPECT_TRUE(doc().fileName().isEmpty());
    EXPECT_EQ(doc().count(), 0);

    chooseDevice(Device);
    add(KindGraphic);
    keys(Qt::Key_S); // asks where; cancelled
    EXPECT_EQ(platform.saveDialogs, 1);
    EXPECT_EQ(test::readFile(file), bytes);

    // Through Load, with work in the window: told before any question, and
    // the work stays.
    platform.messages.clear();
    platform.openFileNames = {file};
    click(ui().load);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("\"Edge 9000 Pro\"")));
    EXPECT_EQ(doc().count(), 1);
    EXPECT_EQ(ui().deviceList->currentText(), QString::fromUtf8(Device));
    EXPECT_TRUE(doc().fileName().isEmpty());
    EXPECT_EQ(test::readFile(file), bytes);
}

// Opening is not editing: the preview and the panel show every value without
// the layout counting as changed.
TEST_F(UnsavedWorkTest, AnOpenedLayoutIsNotModifiedByBeingShown) {
    Session writer(test::deviceIndex(Device));
    LayoutElement gear(KindValue);
    gear.valueType = catalogs().valueTypes.positionByCode(SelectValueTypes, QStringLiteral("BG"));
    LayoutElement text(KindValue);
    text.fixedText = true;
    writer.add({speedValue(), gear, text, LayoutElement(KindGraphic)});
    const QString file = dir.filePath(QStringLiteral("fresh.xml"));
    ASSERT_TRUE(writeLayoutFile(writer.document, file, nullptr));

    dlg.reset();
    dlg = openOn(file);
    dlg->grab();
    QCoreApplication::processEvents();
    for (int row = 0; row < rows().rowCount(); ++row) clickRow(row);
    dlg->grab();
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(dlg->isWindowModified());
    EXPECT_TRUE(dlg->close());
    EXPECT_EQ(saveQuestions(), 0);
}

// One string per layout: the command line prints what "Copy to clipboard"
// places for the same file opened in the window, a value with an empty text
// included.
TEST_F(UnsavedWorkTest, ExportConfigIsTheClipboardString) {
    Session writer(test::deviceIndex(Device));
    LayoutElement unit(KindValue);
    unit.fixedText = true;
    unit.text = QStringLiteral("km/h");
    unit.font = QStringLiteral("S_SMALL");
    writer.add({speedValue(), unit});
    const QString file = dir.filePath(QStringLiteral("export.xml"));
    ASSERT_TRUE(writeLayoutFile(writer.document, file, nullptr));

    dlg.reset();
    dlg = openOn(file);
    dlg->grab();
    clickRow(0);
    click(ui().copyToClipboard);

    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    ASSERT_EQ(exportConfigString(catalogs(), file, outStream, errStream), 0);
    outStream.flush();
    EXPECT_EQ(out, platform.clipboard + QLatin1Char('\n'));
    EXPECT_TRUE(platform.clipboard.contains(QStringLiteral("$V")));
}

// A string names no device: read with the selected device's font slots, an
// S_ font (index 12) stays what it was.
TEST_F(UnsavedWorkTest, ClipboardLoadKeepsTheSelectedDeviceAndItsShortFonts) {
    chooseDevice(Device);
    LayoutElement value = speedValue();
    value.font = QStringLiteral("S_MEDIUM");
    const int device = doc().selectedDevice();
    platform.clipboard =
        BuildConfigString({value}, catalogs().valueTypes,
                          catalogs().fonts.offeredFontSlots(catalogs().devices.at(device),
                                                            catalogs().valueTypes.fontSlots));
    platform.answers = {MessageAnswer::Yes};
    click(ui().loadFromClipboard);
    ASSERT_EQ(doc().count(), 1);
    EXPECT_EQ(doc().elements()[0].font, QStringLiteral("S_MEDIUM"));
    EXPECT_EQ(ui().font->currentText(), QStringLiteral("S_MEDIUM"));
    EXPECT_EQ(ui().deviceList->currentText(), QString::fromUtf8(Device));
}

} // namespace
} // namespace zef::test
