#include "ui/autosave.h"

#include "cli/documentio.h"
#include "ui/layoutfilecommands.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "files/filestestsupport.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace zef {
namespace {

const Catalogs& catalogs() {
    return test::builtOnce<Catalogs>();
}

class AutosaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QDir(Autosave::recoveryFolder()).removeRecursively();
        ASSERT_TRUE(userDir.isValid());
        userFile = userDir.filePath(QStringLiteral("mine.xml"));
    }
    void TearDown() override { QDir(Autosave::recoveryFolder()).removeRecursively(); }

    std::unique_ptr<LayoutDocument> newDocument() {
        return std::make_unique<LayoutDocument>(catalogs(), platform);
    }

    // A layout on the first device, with members off their defaults, as the
    // window shows it (values with their sample and pattern filled in).
    void fill(LayoutDocument& doc) {
        doc.selectDevice(0);
        LayoutElement value(KindValue);
        value.valueType = 3;
        value.x = 12;
        value.y = 34;
        value.color = 0x00336699;
        value.font = QStringLiteral("SMALL");
        value.hAlignment = 2;
        value.dayNight = true;
        LayoutElement line(KindGraphic);
        line.setGraphicKind(GraphicKind::Circle);
        line.x = 1;
        line.y = 2;
        line.x2 = 50;
        line.y2 = 60;
        line.stroke = 3;
        LayoutElement text(KindValue);
        text.fixedText = true;
        text.text = QStringLiteral("Hi \"there\" <&>");
        for (LayoutElement* e : {&value, &line, &text}) {
            fillShownTexts(*e, catalogs().valueTypes);
            ASSERT_TRUE(doc.addElement(e, true, true));
        }
        doc.setFileName(userFile);
        ASSERT_TRUE(doc.isModified());
    }

    bool recoveryExists(const Autosave& a) const { return QFileInfo::exists(a.recoveryFilePath()); }

    ScriptedPlatform platform;
    QTemporaryDir userDir;
    QString userFile;
};

TEST_F(AutosaveTest, TimerWritesAModifiedLayoutBesideNotOverTheUsersFile) {
    auto doc = newDocument();
    fill(*doc);
    Autosave autosave(*doc);
    ASSERT_TRUE(autosave.hasSlot());
    EXPECT_FALSE(autosave.timer().isActive()); // not running until started
    autosave.start(20);
    EXPECT_TRUE(autosave.timer().isActive());
    QTRY_VERIFY_WITH_TIMEOUT(recoveryExists(autosave), 10000);
    EXPECT_FALSE(QFileInfo::exists(userFile));
    EXPECT_TRUE(autosave.recoveryFilePath().startsWith(Autosave::recoveryFolder()));
    EXPECT_EQ(Autosave::DefaultInterval, 60000);
}

TEST_F(AutosaveTest, UnchangedCopyIsNotWrittenAgain) {
    auto doc = newDocument();
    fill(*doc);
    Autosave autosave(*doc);
    ASSERT_TRUE(autosave.saveNow());
    EXPECT_FALSE(autosave.saveNow());
    doc->setSelection(0);
    doc->selectedElement()->x += 1;
    EXPECT_TRUE(autosave.saveNow());
    doc->setFileName(userDir.filePath(QStringLiteral("renamed.xml")));
    EXPECT_TRUE(autosave.saveNow());
    // Gone from under us: written anew.
    QFile::remove(autosave.recoveryFilePath());
    EXPECT_TRUE(autosave.saveNow());
    EXPECT_TRUE(recoveryExists(autosave));
}

TEST_F(AutosaveTest, UnmodifiedLayoutIsNotWritten) {
    auto doc = newDocument();
    doc->selectDevice(0);
    Autosave autosave(*doc);
    EXPECT_FALSE(autosave.saveNow());
    EXPECT_FALSE(recoveryExists(autosave));
}

TEST_F(AutosaveTest, NextStartOffersTheCopyAndYesRestoresItExactly) {
    auto before = newDocument();
    fill(*before);
    {
        Autosave crashed(*before);
        ASSERT_TRUE(crashed.saveNow());
    } // the designer dies: nothing cleans up

    auto doc = newDocument();
    Autosave autosave(*doc);
    ASSERT_TRUE(recoveryExists(autosave));
    platform.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(autosave.offerRecovery());

    ASSERT_EQ(platform.messages.size(), 1u);
    const auto& question = platform.messages.front();
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral(R"re(^Recover the unsaved changes to ".*" from \d{4}-\d\d-\d\d \d\d:\d\d\?)re"))
            .match(question.text)
            .hasMatch())
        << question.text.toStdString();
    EXPECT_TRUE(question.text.contains(QDir::toNativeSeparators(userFile)));
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);

    EXPECT_TRUE(isSameLayout(doc->elements(), before->elements()));
    EXPECT_EQ(doc->selectedDevice(), before->selectedDevice());
    EXPECT_EQ(doc->fileName(), userFile); // Save goes to the user's file
    EXPECT_TRUE(doc->isModified());
    // Kept until saved, in case of a second crash.
    EXPECT_TRUE(recoveryExists(autosave));
}

TEST_F(AutosaveTest, RecoveredEmptyLayoutStaysModifiedAgainstTheUsersFile) {
    // The user emptied a saved layout and the designer died.
    auto before = newDocument();
    fill(*before);
    before->markSaved();
    before->clearElements();
    ASSERT_TRUE(before->isModified());
    {
        Autosave crashed(*before);
        ASSERT_TRUE(crashed.saveNow());
    }
    auto doc = newDocument();
    Autosave autosave(*doc);
    platform.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(autosave.offerRecovery());
    EXPECT_TRUE(doc->elements().empty());
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(isSameLayout(doc->savedElements(), before->savedElements()));
}

TEST_F(AutosaveTest, NoSetsTheCopyAside) {
    auto before = newDocument();
    fill(*before);
    { Autosave(*before).saveNow(); }

    auto doc = newDocument();
    {
        Autosave autosave(*doc);
        platform.answers = {MessageAnswer::No};
        EXPECT_FALSE(autosave.offerRecovery());
        EXPECT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(doc->elements().empty());
        EXPECT_FALSE(recoveryExists(autosave));
        EXPECT_FALSE(QFileInfo::exists(autosave.infoFilePath()));
        EXPECT_FALSE(QFileInfo::exists(autosave.savedCopyPath()));
        // A wrong answer is not the end of the work: the copy is set aside.
        EXPECT_TRUE(platform.messages[0].text.contains(
            QDir::toNativeSeparators(Autosave::setAsidePath())));
        const LayoutReadResult aside =
            readLayoutFile(Autosave::setAsidePath(), catalogs().valueTypes);
        ASSERT_EQ(aside.status, LoadStatus::Loaded);
        EXPECT_TRUE(isSameLayout(aside.content.elements, before->elements()));
    }
    // Asked once only: the next start finds nothing.
    Autosave again(*doc);
    EXPECT_FALSE(again.offerRecovery());
    EXPECT_EQ(platform.messages.size(), 1u);
}

// A file named by a relative path is kept by its absolute name: a recovery
// started from another folder, which has a file of the same relative name,
// restores to the file the work came from, and Save writes that one.
TEST_F(AutosaveTest, RecoveryFromAnotherFolderTargetsTheFileItCameFrom) {
    QTemporaryDir a, b;
    for (const QTemporaryDir* dir : {&a, &b})
        ASSERT_TRUE(QDir(dir->path()).mkpath(QStringLiteral("work1")));
    const QString previous = QDir::currentPath();
    const QString fileInA = QDir(a.path()).filePath(QStringLiteral("work1/a.xml"));
    const QString fileInB = QDir(b.path()).filePath(QStringLiteral("work1/a.xml"));
    ASSERT_TRUE(test::writeFile(fileInB, "B's own layout"));

    ASSERT_TRUE(QDir::setCurrent(a.path()));
    auto before = newDocument();
    fill(*before);
    before->setFileName(QStringLiteral("work1/a.xml"));
    EXPECT_EQ(before->fileName(), fileInA);
    { Autosave(*before).saveNow(); } // killed

    ASSERT_TRUE(QDir::setCurrent(b.path()));
    auto doc = newDocument();
    Autosave autosave(*doc);
    platform.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(autosave.offerRecovery());
    EXPECT_TRUE(platform.messages.back().text.contains(fileInA));
    EXPECT_EQ(doc->fileName(), fileInA);
    EXPECT_TRUE(saveLayout(*doc, false));
    QDir::setCurrent(previous);
    EXPECT_EQ(test::readFile(fileInB), QByteArray("B's own layout"));
    EXPECT_TRUE(test::readFile(fileInA).contains("<LayoutElement"));
}

// A record an older designer wrote with a relative name cannot say which
// folder it meant: the layout comes back untitled, and Save asks.
TEST_F(AutosaveTest, RecordWithARelativeNameRestoresUntitled) {
    auto before = newDocument();
    fill(*before);
    {
        Autosave crashed(*before);
        ASSERT_TRUE(crashed.saveNow());
        QFile info(crashed.infoFilePath());
        ASSERT_TRUE(info.open(QIODevice::WriteOnly));
        info.write(R"({"file": "work1/a.xml", "time": "2026-12-01T10:00:00.000"})");
    }
    auto doc = newDocument();
    Autosave autosave(*doc);
    platform.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(autosave.offerRecovery());
    EXPECT_TRUE(platform.messages.back().text.contains(QStringLiteral("an untitled layout")));
    EXPECT_TRUE(doc->fileName().isEmpty());
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(isSameLayout(doc->elements(), before->elements()));
}

TEST_F(AutosaveTest, NothingToOfferAsksNothing) {
    auto doc = newDocument();
    Autosave autosave(*doc);
    EXPECT_FALSE(autosave.offerRecovery());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AutosaveTest, UnreadableCopyIsDroppedWithoutAQuestion) {
    auto doc = newDocument();
    {
        Autosave first(*doc);
        QDir().mkpath(Autosave::recoveryFolder());
        QFile f(first.recoveryFilePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<ZEFLayout><Device name=");
    }
    Autosave autosave(*doc);
    EXPECT_FALSE(autosave.offerRecovery());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(recoveryExists(autosave));
}

TEST_F(AutosaveTest, CopyGoesAfterASuccessfulSave) {
    auto doc = newDocument();
    fill(*doc);
    Autosave autosave(*doc);
    ASSERT_TRUE(autosave.saveNow());
    ASSERT_TRUE(recoveryExists(autosave));
    ASSERT_TRUE(saveLayout(*doc, false));
    EXPECT_FALSE(recoveryExists(autosave));
    EXPECT_TRUE(QFileInfo::exists(userFile));
}

TEST_F(AutosaveTest, FailedSaveKeepsTheCopy) {
    auto doc = newDocument();
    fill(*doc);
    doc->setFileName(userDir.filePath(QStringLiteral("no/such/folder/mine.xml")));
    Autosave autosave(*doc);
    ASSERT_TRUE(autosave.saveNow());
    EXPECT_FALSE(saveLayout(*doc, false));
    EXPECT_TRUE(recoveryExists(autosave));
}

TEST_F(AutosaveTest, CloseRemovesTheCopyOnlyWithoutUnsavedChanges) {
    struct Case {
        const char* name;
        bool saveFirst;
        bool removed;
    } cases[] = {{"closed with unsaved changes", false, false},
                 {"closed after saving", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = newDocument();
        fill(*doc);
        Autosave autosave(*doc);
        autosave.start();
        ASSERT_TRUE(autosave.saveNow());
        if (c.saveFirst) {
            // Written directly, so that only the close can remove the copy.
            ASSERT_TRUE(writeLayoutFile(*doc, userFile, nullptr));
            doc->markSaved(userFile);
        }
        autosave.windowClosed();
        EXPECT_FALSE(autosave.timer().isActive());
        EXPECT_EQ(!recoveryExists(autosave), c.removed);
        autosave.discard();
    }
}

TEST_F(AutosaveTest, BackAtTheSavedStateTheCopyGoes) {
    auto doc = newDocument();
    fill(*doc);
    Autosave autosave(*doc);
    doc->markSaved();
    doc->refresh();
    doc->setSelection(0);
    doc->selectedElement()->x += 1;
    doc->refresh();
    ASSERT_TRUE(autosave.saveNow());
    doc->undo(); // back to the saved layout
    ASSERT_FALSE(doc->isModified());
    EXPECT_FALSE(autosave.saveNow());
    EXPECT_FALSE(recoveryExists(autosave));
}

TEST_F(AutosaveTest, StartupLoadBeforeTheQuestionKeepsTheCopy) {
    auto before = newDocument();
    fill(*before);
    { Autosave(*before).saveNow(); }
    ASSERT_TRUE(writeLayoutFile(*before, userFile, nullptr));

    auto doc = newDocument();
    Autosave autosave(*doc);
    // The window loads its start-up file, then asks.
    ASSERT_EQ(loadLayout(*doc, userFile, false).status, LoadStatus::Loaded);
    EXPECT_TRUE(recoveryExists(autosave));
    platform.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(autosave.offerRecovery());
}

// When a modified layout cannot be protected, the user is told once per run,
// not once a minute; an unmodified layout needs no protection and says nothing.
TEST_F(AutosaveTest, UnprotectedChangesAreToldOnce) {
    const struct {
        const char* name;
        bool folderIsAFile; // else the slot's copy cannot be written
    } cases[] = {{"the recovery folder cannot be made", true},
                 {"the copy cannot be written", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.clear();
        const QString folder = Autosave::recoveryFolder();
        QDir(folder).removeRecursively();
        if (c.folderIsAFile) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(folder).path()));
            QFile blocker(folder);
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        auto doc = newDocument();
        doc->selectDevice(0);
        Autosave autosave(*doc);
        EXPECT_FALSE(autosave.saveNow());
        EXPECT_TRUE(platform.messages.empty()) << "nothing to protect yet";
        fill(*doc);
        if (!c.folderIsAFile) {
            ASSERT_TRUE(autosave.hasSlot());
            ASSERT_TRUE(QDir().mkpath(autosave.recoveryFilePath()));
        }
        EXPECT_FALSE(autosave.saveNow());
        doc->setSelection(0);
        doc->selectedElement()->x += 1;
        EXPECT_FALSE(autosave.saveNow());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Warning);
        EXPECT_TRUE(platform.messages[0].text.startsWith(
            QStringLiteral("Unsaved changes are not protected")));
        EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(folder)))
            << platform.messages[0].text.toStdString();
        if (c.folderIsAFile) {
            QFile::remove(folder);
        } else {
            QDir(autosave.recoveryFilePath()).removeRecursively();
        }
    }
}

TEST_F(AutosaveTest, TwoDesignersKeepApartCopies) {
    auto first = newDocument();
    fill(*first);
    Autosave a(*first);
    ASSERT_TRUE(a.saveNow());

    auto second = newDocument();
    Autosave b(*second);
    ASSERT_TRUE(b.hasSlot());
    EXPECT_NE(a.recoveryFilePath(), b.recoveryFilePath());
    // The running designer's copy is not offered to the other one.
    EXPECT_FALSE(b.offerRecovery());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(recoveryExists(a));
}

TEST_F(AutosaveTest, AFreedSlotWithACopyIsPreferred) {
    auto doc = newDocument();
    fill(*doc);
    auto holder = std::make_unique<Autosave>(*doc);  // first slot
    auto crashed = std::make_unique<Autosave>(*doc); // second slot
    ASSERT_TRUE(crashed->saveNow());
    const QString crashedCopy = crashed->recoveryFilePath();
    crashed.reset();
    holder.reset(); // the first slot is free again, without a copy

    auto next = newDocument();
    Autosave autosave(*next);
    EXPECT_EQ(autosave.recoveryFilePath(), crashedCopy);
    platform.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(autosave.offerRecovery());
    EXPECT_TRUE(isSameLayout(next->elements(), doc->elements()));
}

} // namespace
} // namespace zef
