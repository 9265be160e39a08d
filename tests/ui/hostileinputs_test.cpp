// Inputs far beyond anything the designer writes, opened in the window: they
// are bounded when read, so the window shows them as quickly as any layout.

#include "windowtestsupport.h"

#include "files/filestestsupport.h"
#include "files/layoutfile.h"
#include "ui/listitemtext.h"

namespace zef::test {
namespace {

class HostileInputsTest : public WindowTest {};

// Megabytes of text in a separator and a fixed text: cut to the bound with one
// message; the list rows and the preview lay out only the bounded texts.
TEST_F(HostileInputsTest, AFileWithMegabytesOfTextOpensBounded) {
    const QByteArray text(4 << 20, 'w');
    const QString file = dir.filePath(QStringLiteral("huge text.xml"));
    ASSERT_TRUE(test::writeFile(
        file, test::layoutXml("fenix 7", {"<LayoutElement type=\"3\" text=\"" + text + "\"/>",
                                          "<LayoutElement type=\"0\" eletype=\"FX\" text=\"" +
                                              text + "\" x=\"10\" y=\"10\"/>"})));
    dlg.reset();
    dlg = std::make_unique<CPellFieldDlg>(platform, QStringList{QStringLiteral("zef"), file});
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    dlg->grab();

    ASSERT_EQ(doc().count(), 2);
    EXPECT_EQ(doc().fileName(), file);
    EXPECT_EQ(doc().elements()[0].text.size(), MaxElementTextLength);
    EXPECT_EQ(doc().elements()[1].text.size(), MaxElementTextLength);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("2 elements")));
    EXPECT_LE(rows().rowText(0).size(), MaxElementTextLength);
    EXPECT_LE(rows().rowText(1).size(), MaxElementTextLength + 20);
    EXPECT_FALSE(doc().isModified());
}

// Files whose markup alone would cost gigabytes or minutes (a small element
// repeated millions of times, one element with a hundred thousand attributes)
// are refused before they are parsed: the window opens at once, untitled, and
// says why.
TEST_F(HostileInputsTest, FilesOfHostileMarkupAreRefusedAtOnce) {
    QByteArray attributes = "<LayoutElement type=\"0\"";
    for (int i = 0; i < 100000; ++i) attributes += " a" + QByteArray::number(i) + "=\"\"";
    const struct {
        const char* name;
        QByteArray element;
        int repeat;
    } cases[] = {
        {"tiny elements.xml", "<b/>", 4 << 20},
        {"many attributes.xml", attributes + "/>", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(test::writeFile(
            file, test::layoutXml("fenix 7", {"<LayoutElement type=\"3\"/>",
                                              c.element.repeated(c.repeat)})));
        dlg.reset();
        platform = ScriptedPlatform();
        dlg = std::make_unique<CPellFieldDlg>(platform, QStringList{QStringLiteral("zef"), file});
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        EXPECT_EQ(doc().count(), 0);
        EXPECT_TRUE(doc().fileName().isEmpty());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(file)))
            << platform.messages[0].text.toStdString();
    }
}

} // namespace
} // namespace zef::test
