#include "ui/configclipboard.h"

#include "config/configtestsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zef::test {
namespace {

const QString SaveQuestion = QStringLiteral("Do you want to save your changes?");

// A modified layout on another device than the one strings are read for.
class ClipboardLoadTest : public ConfigDocumentTest {
protected:
    void SetUp() override {
        ASSERT_GE(edgeIndex(), 0);
        setModifiedLayoutOn("Forerunner 965");
    }
};

using ClipboardCopyTest = ConfigDocumentTest;

TEST_F(ClipboardLoadTest, LoadFromClipboardAsksFirst) {
    platform.clipboard = referenceString();
    const ElementVector before = doc.elements();
    for (const auto answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        platform.messages.clear();
        platform.answers = {answer};
        OnLoadFromClipboard(doc);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, Question);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Question);
        EXPECT_TRUE(isSameLayout(doc.elements(), before));
    }

    // Yes to the load, No to saving the changes.
    platform.messages.clear();
    platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    OnLoadFromClipboard(doc);
    EXPECT_EQ(platform.messageTexts(), QStringList({Question, SaveQuestion}));
    EXPECT_EQ(doc.count(), 4);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.fileName().isEmpty()) << "a string is no file: the layout is untitled";
}

// The layout the string replaces has unsaved changes: they are offered for
// saving first, as before a Load.
TEST_F(ClipboardLoadTest, UnsavedChangesAreOfferedForSavingFirst) {
    const struct {
        const char* name;
        MessageAnswer answer;
        const char* saveTo; // in the temporary folder
        bool loaded;
        bool written;
    } cases[] = {
        {"cancel keeps the layout", MessageAnswer::Cancel, "mine.xml", false, false},
        {"no drops the changes", MessageAnswer::No, "mine.xml", true, false},
        {"yes saves, then loads", MessageAnswer::Yes, "mine.xml", true, true},
        {"a failed save keeps the layout", MessageAnswer::Yes, "gone/mine.xml", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        QTemporaryDir dir;
        const QString file = dir.filePath(QString::fromLatin1(c.saveTo));
        doc.markSaved(file);
        doc.selectedElement()->x = 79;
        doc.refresh();
        const ElementVector before = doc.elements();
        platform.messages.clear();
        platform.clipboard = referenceString();
        platform.answers = {MessageAnswer::Yes, c.answer};

        OnLoadFromClipboard(doc);
        EXPECT_EQ(platform.messageTexts().mid(0, 2), QStringList({Question, SaveQuestion}));
        EXPECT_EQ(QFileInfo::exists(file), c.written);
        if (c.loaded) {
            EXPECT_EQ(doc.count(), 4);
            EXPECT_TRUE(doc.fileName().isEmpty());
        } else {
            EXPECT_TRUE(isSameLayout(doc.elements(), before));
            EXPECT_TRUE(doc.isModified());
            EXPECT_EQ(doc.fileName(), file);
        }
    }
}

// The string is read with the selected device's font slots, and the device
// stays: an S_ font of an eighteen-slot device is kept.
TEST_F(ClipboardLoadTest, KeepsTheSelectedDeviceAndItsFonts) {
    selectDevice("fenix 7");
    const int fenix = deviceIndex("fenix 7");
    LayoutElement value(KindValue);
    value.valueType = valueTypePosition(60);
    value.font = QStringLiteral("S_MEDIUM");
    const QString s = build({value}, fenix);
    platform.clipboard = s;
    platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    OnLoadFromClipboard(doc);
    ASSERT_EQ(doc.count(), 1);
    EXPECT_EQ(doc.selectedDevice(), fenix);
    EXPECT_EQ(doc.elements()[0].font, QStringLiteral("S_MEDIUM"));
    EXPECT_EQ(build(doc.elements(), fenix), build(asShown({value}), fenix));
}

TEST_F(ClipboardLoadTest, LoadFromClipboardReportsBadText) {
    const struct {
        QString clipboard;
        QString message;
    } cases[] = {{QString(), TooShort},
                 {QStringLiteral("Cabc"), TooShort},
                 {QStringLiteral("D!!!!!!!!"), CannotLoad}};
    for (const auto& c : cases) {
        platform.messages.clear();
        platform.clipboard = c.clipboard;
        platform.answers = {MessageAnswer::Yes};
        OnLoadFromClipboard(doc);
        EXPECT_EQ(platform.messageTexts(), QStringList({Question, c.message}));
        EXPECT_EQ(doc.count(), 2);
    }
}

TEST_F(ClipboardCopyTest, PlacesTheStringAndChangesNothing) {
    doc.selectDevice(edgeIndex());
    setLayout(referenceLayout());
    const ElementVector before = doc.elements();
    doc.setSelection(1);
    platform.clipboard = QStringLiteral("old");

    OnCopyToClipboard(doc);
    EXPECT_EQ(platform.clipboard, build(asShown(referenceLayout())));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Config string copied to clipboard."));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(isSameLayout(doc.elements(), before));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.selection(), 1);
    EXPECT_EQ(doc.fileName(), QDir::current().absoluteFilePath(QStringLiteral("before.xml")));
    EXPECT_EQ(doc.history().count(), 0);
}

TEST_F(ClipboardCopyTest, WarnsAboutCutTexts) {
    doc.selectDevice(edgeIndex());
    ElementVector layout = referenceLayout();
    layout[1].text = QString(256, QLatin1Char('k'));
    layout.push_back(layout[1]);
    setLayout(layout);

    OnCopyToClipboard(doc);
    EXPECT_EQ(platform.clipboard, build(asShown(layout)));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Config string copied to clipboard."));
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Warning);
    EXPECT_EQ(platform.messages[1].text,
              QStringLiteral("The texts of elements 2, 6 are longer than 255 characters.\n"
                             "The config string carries only their first 255 characters."));
}

} // namespace
} // namespace zef::test
