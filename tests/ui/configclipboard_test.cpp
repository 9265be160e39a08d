#include "ui/configclipboard.h"

#include "config/configtestsupport.h"

namespace zef::test {
namespace {

const QString TooShort = QStringLiteral("The string is too short!");
const QString CannotLoad = QStringLiteral("The string cannot be loaded!");
const QString Question = QStringLiteral(
    "Do you want to load a configuration string\nfrom the clipboard to your layout?\n"
    "(You must select correct device manually afterwards!)");

// A modified layout on another device than the one strings are read for.
class ClipboardLoadTest : public ConfigDocumentTest {
protected:
    void SetUp() override {
        ASSERT_GE(edgeIndex(), 0);
        selectDevice("Forerunner 965");
        LayoutElement old(KindGraphic);
        old.x = 77;
        setLayout({old, old});
        doc.selectedElement()->x = 78;
        doc.refresh();
        ASSERT_TRUE(doc.isModified());
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

    platform.messages.clear();
    platform.answers = {MessageAnswer::Yes};
    OnLoadFromClipboard(doc);
    EXPECT_EQ(platform.messageTexts(), QStringList{Question});
    EXPECT_EQ(doc.count(), 4);
    EXPECT_FALSE(doc.isModified());
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
    EXPECT_EQ(platform.clipboard, referenceString());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Config string copied to clipboard."));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(isSameLayout(doc.elements(), before));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.selection(), 1);
    EXPECT_EQ(doc.fileName(), QStringLiteral("before.xml"));
    EXPECT_EQ(doc.history().count(), 0);
}

TEST_F(ClipboardCopyTest, WarnsAboutCutTexts) {
    doc.selectDevice(edgeIndex());
    ElementVector layout = referenceLayout();
    layout[1].text = QString(256, QLatin1Char('k'));
    layout.push_back(layout[1]);
    setLayout(layout);

    OnCopyToClipboard(doc);
    EXPECT_EQ(platform.clipboard, build(layout));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Config string copied to clipboard."));
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Warning);
    EXPECT_EQ(platform.messages[1].text,
              QStringLiteral("The texts of elements 2, 6 are longer than 255 characters.\n"
                             "The config string carries only their first 255 characters."));
}

} // namespace
} // namespace zef::test
