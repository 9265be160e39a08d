#include "files/filestestsupport.h"
#include "ui/layoutfilecommands.h"
#include "ui/layoutfilewatcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>

namespace zef {
namespace {

using test::Session;

// A save file whose writes stop after a number of bytes: either cut short with
// no error recorded (what a full disk can look like) or failing outright.
class FaultySaveFile : public QSaveFile {
public:
    enum class Mode { ShortWrite, Error };
    FaultySaveFile(const QString& path, qint64 budget, Mode mode)
        : QSaveFile(path), m_budget(budget), m_mode(mode) {}

protected:
    qint64 writeData(const char* data, qint64 length) override {
        if (m_budget <= 0 && m_mode == Mode::Error) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 allowed = std::min(length, m_budget);
        const qint64 written = allowed > 0 ? QSaveFile::writeData(data, allowed) : 0;
        m_budget -= std::max<qint64>(written, 0);
        return written;
    }

private:
    qint64 m_budget;
    Mode m_mode;
};

// Installs a factory for the test's duration.
class FactoryGuard {
public:
    explicit FactoryGuard(SaveFileFactory factory)
        : m_previous(setSaveFileFactory(std::move(factory))) {}
    ~FactoryGuard() { setSaveFileFactory(std::move(m_previous)); }

private:
    SaveFileFactory m_previous;
};

ElementVector values(int n, int textLength = 8) {
    ElementVector out;
    for (int i = 0; i < n; ++i) {
        LayoutElement e(KindValue);
        e.valueType = 31;
        e.x = i;
        e.text = QString(textLength, QChar(u'a' + i % 26));
        out.push_back(e);
    }
    return out;
}

struct SaveFailureCase {
    const char* name;
    int elements;  // values in the layout (200 characters of text each)
    qint64 budget; // bytes the disk takes; -1: no fault injected
    FaultySaveFile::Mode mode;
    const char* target; // relative to the temporary directory
    bool oldFile;       // an earlier file is at the target
};

void PrintTo(const SaveFailureCase& c, std::ostream* os) {
    *os << c.name;
}

const SaveFailureCase SaveFailureCases[] = {
    {"ShortWriteMidFile", 3, 100, FaultySaveFile::Mode::ShortWrite, "layout.xml", true},
    {"ShortWriteInALaterChunk", 500, 70000, FaultySaveFile::Mode::ShortWrite, "layout.xml", true},
    {"ShortWriteAtTheLastByte", 3, -2, FaultySaveFile::Mode::ShortWrite, "layout.xml", true},
    {"ErrorAtTheFirstWrite", 3, 0, FaultySaveFile::Mode::Error, "Mein Layout ä.xml", true},
    {"ErrorInALaterChunk", 500, 65536, FaultySaveFile::Mode::Error, "layout.xml", true},
    {"DirectoryDoesNotExist", 3, -1, FaultySaveFile::Mode::Error, "missing dir/layout.xml", false},
    {"TargetIsADirectory", 3, -1, FaultySaveFile::Mode::Error, "adir", false},
};

class SaveFailures : public ::testing::TestWithParam<SaveFailureCase> {};

TEST_P(SaveFailures, LeaveTheOldFileAndTellTheUser) {
    const SaveFailureCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QString::fromUtf8(c.target));
    const QByteArray oldBytes =
        "<?xml version=\"1.0\"?>\r\n<ZEFLayout>hours of work</ZEFLayout>\r\n";
    if (c.oldFile) {
        ASSERT_TRUE(test::writeFile(path, oldBytes));
    }
    if (QByteArray(c.name) == "TargetIsADirectory") {
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("adir")));
    }

    Session s(test::deviceIndex("Edge 1030"));
    s.add(values(c.elements, 200));
    s.document.setFileName(path);
    const qint64 size = layoutFileBytes(s.document, QDateTime::currentDateTime()).size();
    const qint64 budget = c.budget == -2 ? size - 1 : c.budget;
    std::optional<FactoryGuard> guard;
    if (c.budget != -1) {
        guard.emplace([budget, mode = c.mode](const QString& p) {
            return std::make_unique<FaultySaveFile>(p, budget, mode);
        });
    }

    EXPECT_FALSE(saveLayout(s.document, false));
    EXPECT_TRUE(s.document.isModified()) << "a failed save is not a save";
    EXPECT_EQ(s.document.fileName(), path);
    ASSERT_EQ(s.platform.messages.size(), 1u);
    const QString message = s.platform.messages[0].text;
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
    EXPECT_GT(message.size(), QDir::toNativeSeparators(path).size() + 40)
        << "the reason is given: " << message.toStdString();
    EXPECT_EQ(s.platform.messages[0].icon, MessageIcon::Critical);
    if (c.budget >= 0 && c.mode == FaultySaveFile::Mode::Error) {
        EXPECT_TRUE(message.contains(QStringLiteral("Input/output error")))
            << "the system's reason";
    }
    EXPECT_EQ(s.platform.saveDialogs, 0);

    if (c.oldFile) {
        EXPECT_EQ(test::readFile(path), oldBytes) << "the earlier file is intact";
    }
    // No temporary file is left behind.
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(entries.size(), c.oldFile || QByteArray(c.name) == "TargetIsADirectory" ? 1 : 0)
        << entries.join(QStringLiteral(", ")).toStdString();

    // Once the disk takes the bytes again, the same Save works.
    guard.reset();
    if (c.budget != -1) {
        EXPECT_TRUE(saveLayout(s.document, false));
        EXPECT_FALSE(s.document.isModified());
        EXPECT_EQ(test::withFixedTime(test::readFile(path)),
                  test::withFixedTime(layoutFileBytes(s.document, QDateTime::currentDateTime())));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, SaveFailures, ::testing::ValuesIn(SaveFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// When Save and Save as show the dialog, where they write, and what the
// document says afterwards. Paths are inside a fresh temporary directory.
struct SaveCase {
    const char* name;
    const char* fileName; // before; nullptr: the two-letter-short name "a"
    bool startupLoad;     // fileName was tried at start-up (and is missing)
    int elements;
    bool saveAs;
    const char* answer; // the dialog's answer; nullptr: cancelled
    bool result;
    int dialogs;
    const char* written;       // the file that exists afterwards; nullptr: none
    const char* fileNameAfter; // nullptr: "a"
    bool modifiedAfter;
    int messages;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.name;
}

const SaveCase SaveCases[] = {
    {"EmptyLayoutIsNeverSaved", "layout.xml", false, 0, false, "chosen.xml", false, 0, nullptr,
     "layout.xml", false, 0},
    {"EmptyLayoutIsNeverSavedAs", "layout.xml", false, 0, true, "chosen.xml", false, 0, nullptr,
     "layout.xml", false, 0},
    // A start-up file that could not be loaded is not the layout's file: Save
    // asks, and nothing is written where the user did not choose.
    {"StartupFileThatWasNotLoadedIsNotWrittenUnasked", "program dir/layout.xml", true, 1, false,
     "chosen.xml", true, 1, "chosen.xml", "chosen.xml", false, 0},
    {"StartupFileThatWasNotLoadedAndCancelledSaveWriteNothing", "program dir/layout.xml", true, 1,
     false, nullptr, false, 1, nullptr, "", true, 0},
    {"SaveWritesTheLayoutsFileWithoutDialog", "program dir/layout.xml", false, 1, false, nullptr,
     true, 0, "program dir/layout.xml", "program dir/layout.xml", false, 0},
    {"SaveAsAsksWithTheNamePresetAndMayBeCancelled", "program dir/layout.xml", false, 1, true,
     nullptr, false, 1, nullptr, "program dir/layout.xml", true, 0},
    {"SaveAsWritesTheChosenFile", "layout.xml", false, 2, true, "zweites Layout ü.xml", true, 1,
     "zweites Layout ü.xml", "zweites Layout ü.xml", false, 0},
    {"EmptyNameAsks", "", false, 1, false, "x.xml", true, 1, "x.xml", "x.xml", false, 0},
    {"FailedSaveAsKeepsTheChosenName", "layout.xml", false, 1, true, "no such dir/x.xml", false, 1,
     nullptr, "no such dir/x.xml", true, 1},
};

class SaveDialogs : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveDialogs, DialogTargetAndState) {
    const SaveCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("program dir")));
    const auto inDir = [&dir](const char* name) {
        if (!name) return QStringLiteral("a");
        return *name ? dir.filePath(QString::fromUtf8(name)) : QString();
    };

    Session s;
    s.document.setFileName(inDir(c.fileName));
    if (c.startupLoad) {
        EXPECT_EQ(loadStartupLayout(s.document).status, LoadStatus::Unreadable);
        EXPECT_TRUE(s.platform.messages.empty()) << "a missing start-up file is not reported";
        EXPECT_TRUE(s.document.fileName().isEmpty()) << "the layout is untitled";
        EXPECT_EQ(s.document.suggestedFileName(), inDir(c.fileName)) << "Save as starts there";
    }
    s.document.selectDevice(test::deviceIndex("Edge 1030"));
    for (int i = 0; i < c.elements; ++i) s.document.addNew();
    if (c.answer) s.platform.saveFileNames = {inDir(c.answer)};
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);

    EXPECT_EQ(saveLayout(s.document, c.saveAs), c.result);
    EXPECT_EQ(s.platform.saveDialogs, c.dialogs);
    if (c.dialogs) {
        EXPECT_EQ(s.platform.lastSaveSuggestion, inDir(c.fileName));
    }
    EXPECT_EQ(s.document.fileName(), inDir(c.fileNameAfter));
    EXPECT_EQ(s.document.isModified(), c.modifiedAfter);
    EXPECT_EQ(static_cast<int>(s.platform.messages.size()), c.messages);

    QStringList after;
    QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) after << it.next();
    if (c.written) {
        EXPECT_EQ(after, QStringList{inDir(c.written)});
        EXPECT_TRUE(test::readFile(inDir(c.written)).contains("<LayoutElement type=\"0\""));
    } else {
        EXPECT_TRUE(after.isEmpty()) << after.join(QStringLiteral(", ")).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, SaveDialogs, ::testing::ValuesIn(SaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The message says what happened: the folder when it is the cause, and the
// existing file only when there is one.
TEST(LayoutSave, FailureMessagesNameTheCause) {
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeFile(dir.filePath(QStringLiteral("a file")), "x"));
    ASSERT_TRUE(test::writeFile(dir.filePath(QStringLiteral("old.xml")), "x"));
    const struct {
        const char* name;
        QString path;
        const char* says;
        bool existingFile;
    } cases[] = {
        {"missing folder", dir.filePath(QStringLiteral("gone/mine.xml")), "does not exist", false},
        {"a file where the folder should be", dir.filePath(QStringLiteral("a file/mine.xml")),
         "is not a folder", false},
        {"a write error over an existing file", dir.filePath(QStringLiteral("old.xml")),
         "Input/output error", true},
        {"a folder the system refuses", QStringLiteral("/proc/zef-designer-test.xml"), "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = saveFailureText(c.path, QStringLiteral("Input/output error"));
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(c.path)));
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.says))) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("existing file")), c.existingFile)
            << text.toStdString();
        if (QByteArray(c.says) != "Input/output error" && *c.says) {
            EXPECT_TRUE(text.contains(QDir::toNativeSeparators(QFileInfo(c.path).absolutePath())));
        }
    }
}

TEST(LayoutSave, SavingReplacesAnExistingFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("layout.xml"));
    ASSERT_TRUE(test::writeFile(path, QByteArray(100000, 'x')));
    Session s(test::deviceIndex("Edge 1030"));
    s.add(values(2));
    s.document.setFileName(path);
    ASSERT_TRUE(saveLayout(s.document, false));
    const QByteArray bytes = test::readFile(path);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    EXPECT_TRUE(bytes.endsWith("</ZEFLayout>\r\n"));
    EXPECT_FALSE(bytes.contains('x' + QByteArray("xxxxxxxx")));
}

TEST(LayoutAppend, KeepsDeviceAndNameAndMarksModified) {
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other.xml"));
    ASSERT_TRUE(test::writeFile(
        other, test::layoutXml("Edge 530", {"<LayoutElement type=\"3\" text=\"appended\"/>",
                                            "<LayoutElement type=\"0\" eletype=\"AS\"/>"})));

    Session s;
    ASSERT_EQ(loadLayout(s.document, test::dataPath("every-kind.xml"), false).status,
              LoadStatus::Loaded);
    const int device = s.document.selectedDevice();
    const QString name = s.document.fileName();
    const int before = s.document.count();
    EXPECT_FALSE(s.document.isModified());
    s.document.setSelection(0); // Append adds at the end, not after the selection

    const LoadResult result = loadLayout(s.document, other, true);
    ASSERT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(s.document.selectedDevice(), device);
    EXPECT_EQ(s.document.designDevice(), device);
    EXPECT_EQ(s.document.fileName(), name);
    ASSERT_EQ(s.document.count(), before + 2);
    EXPECT_EQ(s.document.elements()[before].text, QStringLiteral("appended"));
    EXPECT_EQ(s.document.elements()[before + 1].valueType, 32);
    EXPECT_EQ(s.document.selection(), before + 1);
    EXPECT_TRUE(s.document.isModified());

    s.document.undo();
    EXPECT_EQ(s.document.count(), before) << "an Append can be undone";
}

TEST(LayoutLoad, LoadAdoptsTheFileAndTellsTheWindow) {
    Session s(test::deviceIndex("Edge 530"));
    s.document.addNew();
    s.document.addNew();
    QSignalSpy linesReset(&s.document, &LayoutDocument::linesReset);
    QSignalSpy counts(&s.document, &LayoutDocument::countsChanged);
    QSignalSpy show(&s.document, &LayoutDocument::showElementRequested);
    QSignalSpy focus(&s.document, &LayoutDocument::listFocusRequested);
    QSignalSpy view(&s.document, &LayoutDocument::viewInvalidated);
    QSignalSpy device(&s.document, &LayoutDocument::deviceChanged);
    QSignalSpy title(&s.document, &LayoutDocument::fileNameChanged);

    ASSERT_EQ(loadLayout(s.document, test::dataPath("every-kind.xml"), false).status,
              LoadStatus::Loaded);
    EXPECT_GE(linesReset.count(), 1);
    EXPECT_GE(counts.count(), 1);
    EXPECT_GE(show.count(), 1);
    EXPECT_EQ(focus.count(), 1);
    EXPECT_GE(view.count(), 1);
    EXPECT_EQ(device.count(), 2) << "selected, then the handler runs again after the load";
    EXPECT_EQ(title.count(), 1);
    EXPECT_FALSE(s.document.canUndo()) << "undo on a freshly loaded layout does nothing";
    EXPECT_FALSE(s.document.isModified());

    // The first edit after the load can be undone back to the loaded state.
    const ElementVector loaded = s.document.elements();
    s.document.moveSelectedUp();
    EXPECT_TRUE(s.document.canUndo());
    s.document.undo();
    EXPECT_TRUE(isSameLayout(s.document.elements(), loaded));
}

TEST(LayoutLoad, FileWithoutDeviceOnlyRefreshesTheCounts) {
    Session s(test::deviceIndex("Edge 530"));
    s.document.addNew();
    QSignalSpy counts(&s.document, &LayoutDocument::countsChanged);
    QSignalSpy lines(&s.document, &LayoutDocument::linesReset);
    const LoadResult r =
        loadLayoutFromBytes(s.document, "<ZEFLayout><LayoutElement type=\"3\"/></ZEFLayout>",
                            QStringLiteral("x"), false);
    EXPECT_EQ(r.status, LoadStatus::NoDevice);
    EXPECT_EQ(counts.count(), 1);
    EXPECT_EQ(lines.count(), 0);
    EXPECT_EQ(s.document.count(), 1);
}

struct DialogCase {
    const char* name;
    QByteArray content; // empty with missing true: the file does not exist
    bool missing;
    bool loads;
};

void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.name;
}

const DialogCase DialogCases[] = {
    {"Layout", test::layoutXml("Edge 1030", {"<LayoutElement type=\"3\"/>"}), false, true},
    {"Missing", {}, true, false},
    {"Empty", {}, false, false},
    {"NotXml", "hello", false, false},
    {"XmlButNoDevice", "<Settings><Value/></Settings>", false, false},
};

class LoadDialog : public ::testing::TestWithParam<DialogCase> {};

TEST_P(LoadDialog, TellsWhenTheChosenFileIsNoLayout) {
    const DialogCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gewählt %1.xml").arg(QLatin1String(c.name)));
    if (!c.missing) {
        ASSERT_TRUE(test::writeFile(path, c.content));
    }
    for (const bool append : {false, true}) {
        Session s(test::deviceIndex("Edge 530"));
        s.document.addNew();
        s.document.setFileName(QStringLiteral("/before.xml"));
        s.document.markSaved(); // no unsaved work: Load asks nothing first
        s.platform.openFileNames = {path};
        EXPECT_EQ(openLayoutDialog(s.document, append), c.loads);
        EXPECT_EQ(s.platform.openDialogs, 1);
        if (c.loads) {
            EXPECT_TRUE(s.platform.messages.empty());
            EXPECT_EQ(s.document.fileName(), append ? QStringLiteral("/before.xml") : path);
        } else {
            ASSERT_EQ(s.platform.messages.size(), 1u);
            EXPECT_TRUE(s.platform.messages[0].text.contains(QDir::toNativeSeparators(path)));
            EXPECT_EQ(s.document.count(), 1);
            EXPECT_EQ(s.document.fileName(), QStringLiteral("/before.xml"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, LoadDialog, ::testing::ValuesIn(DialogCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutLoad, FileAboveTheMaximumChosenInTheDialogIsToldWhy) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge layout.xml"));
    ASSERT_TRUE(test::writeOversizedLayout(path));
    Session s(test::deviceIndex("Edge 530"));
    s.document.addNew();
    s.document.markSaved(); // no unsaved work: Load asks nothing first
    s.platform.openFileNames = {path};
    EXPECT_FALSE(openLayoutDialog(s.document, false));
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_TRUE(s.platform.messages[0].text.contains(QStringLiteral("64 MiB")));
    EXPECT_EQ(s.document.count(), 1);
}

TEST(LayoutLoad, CancelledDialogDoesNothing) {
    Session s(test::deviceIndex("Edge 530"));
    s.document.addNew();
    EXPECT_FALSE(openLayoutDialog(s.document, false));
    EXPECT_EQ(s.platform.openDialogs, 1);
    EXPECT_TRUE(s.platform.messages.empty());
    EXPECT_EQ(s.document.count(), 1);
}

} // namespace
} // namespace zef

namespace zef {
namespace {

// Two windows on one file: each change saved in one is noticed by the other
// before it could be overwritten.
class TwoWindowsOnOneFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("shared.xml"));
        Session writer(test::deviceIndex("Edge 1030"));
        writer.document.addNew();
        ASSERT_TRUE(writeLayoutFile(writer.document, path, nullptr));
        for (Session* s : {&first, &second})
            ASSERT_EQ(loadLayout(s->document, path, false).status, LoadStatus::Loaded);
    }
    // A change of element 1's X and a save; true when the file was written.
    static bool moveAndSave(Session& s, int x) {
        s.document.setSelection(0);
        s.document.selectedElement()->x = x;
        s.document.refresh();
        return saveLayout(s.document, false);
    }
    int savedX() const {
        Session reader;
        loadLayout(reader.document, path, false);
        return reader.document.count() ? reader.document.elements()[0].x : -1;
    }

    QTemporaryDir dir;
    QString path;
    Session first, second;
};

TEST_F(TwoWindowsOnOneFile, SaveAsksBeforeReplacingTheOtherWindowsChange) {
    ASSERT_TRUE(moveAndSave(first, 11));
    EXPECT_TRUE(first.platform.messages.empty());

    // Cancel: the first window's change stays in the file.
    EXPECT_FALSE(moveAndSave(second, 22));
    ASSERT_EQ(second.platform.messages.size(), 1u);
    EXPECT_EQ(second.platform.messages[0].text, changedOnDiskText(path));
    EXPECT_EQ(second.platform.messages[0].buttons, MessageButtons::ReplaceSaveAsCancel);
    EXPECT_EQ(savedX(), 11);
    EXPECT_TRUE(second.document.isModified());

    // Save As: the layout goes to another file, the shared one is left alone.
    const QString other = dir.filePath(QStringLiteral("other.xml"));
    second.platform.answers = {MessageAnswer::SaveAs};
    second.platform.saveFileNames = {other};
    EXPECT_TRUE(saveLayout(second.document, false));
    EXPECT_EQ(second.document.fileName(), other);
    EXPECT_EQ(savedX(), 11);

    // Replace, asked for: the other window's change goes.
    ASSERT_TRUE(moveAndSave(first, 12));
    ASSERT_EQ(loadLayout(second.document, path, false).status, LoadStatus::Loaded);
    ASSERT_TRUE(moveAndSave(first, 13));
    second.platform.answers = {MessageAnswer::Replace};
    EXPECT_TRUE(moveAndSave(second, 23));
    EXPECT_EQ(savedX(), 23);
    // Its own saves in a row ask nothing.
    EXPECT_TRUE(moveAndSave(second, 24));
    EXPECT_EQ(second.platform.messages.size(), 3u);
}

TEST_F(TwoWindowsOnOneFile, AFileTouchedButNotChangedIsTheSameFile) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_TRUE(moveAndSave(second, 5));
    EXPECT_TRUE(second.platform.messages.empty());
}

TEST_F(TwoWindowsOnOneFile, AnUnchangedWindowOffersToReloadAndAChangedOneWaitsForSave) {
    LayoutFileWatcher watchingSecond(second.document);
    const int original = second.document.elements()[0].x;
    ASSERT_TRUE(moveAndSave(first, 11));

    // No: the layout stays, and the same change is not asked about again.
    second.platform.answers = {MessageAnswer::No};
    EXPECT_FALSE(watchingSecond.check());
    EXPECT_FALSE(watchingSecond.check());
    ASSERT_EQ(second.platform.messages.size(), 1u);
    EXPECT_TRUE(second.platform.messages[0].text.contains(QStringLiteral("Reload it?")));
    EXPECT_EQ(second.document.elements()[0].x, original);

    // A newer change is asked about; Yes reloads it.
    ASSERT_TRUE(moveAndSave(first, 12));
    second.platform.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(watchingSecond.check());
    EXPECT_EQ(second.document.elements()[0].x, 12);
    EXPECT_FALSE(second.document.isModified());

    // With unsaved changes the watcher is quiet: Save asks instead.
    second.document.setSelection(0);
    second.document.selectedElement()->y = 7;
    second.document.refresh();
    ASSERT_TRUE(moveAndSave(first, 13));
    const std::size_t asked = second.platform.messages.size();
    EXPECT_FALSE(watchingSecond.check());
    EXPECT_EQ(second.platform.messages.size(), asked);
}

// The watcher follows a file replaced by renaming (as every save is) and
// calls check() by itself once the writer is done.
TEST_F(TwoWindowsOnOneFile, TheWatcherNoticesASaveOfTheOtherWindow) {
    LayoutFileWatcher watchingSecond(second.document);
    second.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    ASSERT_TRUE(moveAndSave(first, 11));
    QTRY_COMPARE_WITH_TIMEOUT(second.document.elements()[0].x, 11, 5000);
    ASSERT_TRUE(moveAndSave(first, 12));
    QTRY_COMPARE_WITH_TIMEOUT(second.document.elements()[0].x, 12, 5000);
}

} // namespace
} // namespace zef
