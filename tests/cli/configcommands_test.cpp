#include "cli/configcommands.h"
#include "cli/consoleplatform.h"
#include "cli/documentio.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "config/configstring.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace zef {
namespace {

const Catalogs& catalogs() {
    return test::builtOnce<Catalogs>();
}

const QString Reference = QStringLiteral(
    "C!\"%WB!ww*!$:,Mp!!!!!!!iQ)\";3Oly0Z;p!!!!!km/h!!iQ*!ri6zyeYI*!!!\"NywW]m!!*$!!!!!!zljo)"
    "!!!zq");

class ConfigCommandsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString out;
    QString err;
    QTextStream outStream{&out};
    QTextStream errStream{&err};

    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    int runExport(const QString& file) {
        out.clear();
        err.clear();
        const int rc = exportConfigString(catalogs(), file, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return rc;
    }
    int runImport(const QString& string, const QString& file) {
        err.clear();
        const int rc = importConfigString(catalogs(), string, file, errStream);
        errStream.flush();
        return rc;
    }
    // A layout file written by Save for the named device.
    QString saveLayoutFor(const char* device, const ElementVector& elements, const char* name) {
        ScriptedPlatform platform;
        LayoutDocument doc(catalogs(), platform);
        doc.selectDevice(catalogs().devices.findDeviceByName(QString::fromUtf8(device)));
        for (const auto& e : elements) doc.addElement(&e, true, true);
        QString error;
        EXPECT_TRUE(writeLayoutFile(doc, path(name), &error)) << error.toStdString();
        return path(name);
    }
    static void writeBytes(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(ConfigCommandsTest, ImportWritesTheLayoutAndExportGivesTheStringBack) {
    const QString file = path("imported.xml");
    ASSERT_EQ(runImport(Reference, file), 0);
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();

    ScriptedPlatform platform;
    LayoutDocument doc(catalogs(), platform);
    ASSERT_EQ(loadLayout(doc, file, false).status, LoadStatus::Loaded);
    EXPECT_EQ(doc.selectedDevice(),
              catalogs().devices.findDeviceByName(QStringLiteral("Edge 1030")));
    ASSERT_EQ(doc.count(), 4);
    EXPECT_EQ(doc.elements()[1].text, QStringLiteral("km/h"));
    EXPECT_TRUE(doc.elements()[1].fixedText);
    EXPECT_EQ(doc.elements()[3].dcValue[1], 250);

    // The speed value's empty text comes back as the pattern the window shows
    // for it, and the string of that layout is stable from then on.
    ASSERT_EQ(runExport(file), 0);
    EXPECT_EQ(out,
              BuildConfigString(doc.elements(), catalogs().valueTypes, documentFontSlots(doc)) +
                  QLatin1Char('\n'));
    EXPECT_TRUE(out.contains(QStringLiteral("$V"))) << out.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
}

TEST_F(ConfigCommandsTest, ExportUsesTheFontsOfTheStoredDevice) {
    LayoutElement value(KindValue);
    value.valueType = catalogs().valueTypes.positionById(60);
    value.font = QStringLiteral("S_SMALL");
    const ElementVector layout = {value};
    for (const char* device : {"Edge 1030", "Forerunner 965"}) {
        const QString file = saveLayoutFor(device, layout, "fonts.xml");
        ASSERT_EQ(runExport(file), 0) << device;
        const int index = catalogs().devices.findDeviceByName(QString::fromUtf8(device));
        const QStringList slots_ = catalogs().fonts.offeredFontSlots(
            catalogs().devices.at(index), catalogs().valueTypes.fontSlots);
        LayoutElement shown = value;
        fillShownTexts(shown, catalogs().valueTypes);
        EXPECT_EQ(out,
                  BuildConfigString({shown}, catalogs().valueTypes, slots_) + QLatin1Char('\n'))
            << device;
    }
    // S_SMALL is slot 11 on a device that offers it, index 0 on one that does not.
    EXPECT_EQ(DecodeConfigNumber(QStringView(out).sliced(11, 5)) >> 20 & 0x1F, 11u);
}

TEST_F(ConfigCommandsTest, ExportWarnsAboutCutTexts) {
    LayoutElement value(KindValue);
    value.fixedText = true;
    value.text = QString(300, QLatin1Char('t'));
    ASSERT_EQ(runExport(saveLayoutFor("Edge 1030", {value}, "long.xml")), 0);
    EXPECT_EQ(out.size(), 1 + 20 + 255 + 1);
    EXPECT_EQ(err, QStringLiteral("zef-designer: The text of element 1 is longer than 255 "
                                  "characters. The "
                                  "config string carries only its first 255 characters.\n"));
}

TEST_F(ConfigCommandsTest, ExportRefusesWhatIsNoLayoutOfAKnownDevice) {
    const QString valid = saveLayoutFor("Edge 1030", {LayoutElement(KindGraphic)}, "valid.xml");
    QFile f(valid);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray unknown = f.readAll();
    unknown.replace("Edge 1030", "Edge 9999");

    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty.xml", QByteArray()},
        {"garbage.xml", QByteArray("this is not xml")},
        {"nodevice.xml", QByteArray("<ZEFLayout><LayoutElement type=\"1\"/></ZEFLayout>")},
        {"unknown.xml", unknown},
    };
    for (const auto& c : cases) {
        writeBytes(path(c.name), c.bytes);
        EXPECT_EQ(runExport(path(c.name)), 1) << c.name;
        EXPECT_TRUE(out.isEmpty()) << c.name;
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.name))) << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    }
    EXPECT_EQ(runExport(path("missing.xml")), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("missing.xml")));
}

TEST_F(ConfigCommandsTest, ImportRefusalsLeaveTheFileUnwritten) {
    struct Case {
        QString string;
        QString message;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("zef-designer: The string is too short!\n")},
        {QStringLiteral("C!!!"), QStringLiteral("zef-designer: The string is too short!\n")},
        {QStringLiteral("X!\"%WB!ww*!$:,Mp!!!!!"),
         QStringLiteral("zef-designer: The string cannot be loaded!\n")},
        {QStringLiteral("C") + QString(MaxConfigStringLength, QLatin1Char('!')),
         QStringLiteral("zef-designer: The string is too long! A config string has at most "
                        "1048576 characters.\n")},
    };
    const QString file = path("refused.xml");
    for (const auto& c : cases) {
        EXPECT_EQ(runImport(c.string, file), 1);
        EXPECT_EQ(err, c.message);
        EXPECT_FALSE(QFile::exists(file));
    }
    // A file that exists already stays as it was.
    writeBytes(file, "keep");
    EXPECT_EQ(runImport(QStringLiteral("C!!!"), file), 1);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("keep"));
}

TEST_F(ConfigCommandsTest, ImportReportsSurplusElementsOnOneLine) {
    QString s = QStringLiteral("C");
    for (int i = 0; i < 510; ++i)
        s += EncodeConfigNumber(1u | 1u << 19) + QStringLiteral("!!!!!!!!!!!!!!!");
    ASSERT_EQ(runImport(s, path("full.xml")), 0);
    EXPECT_EQ(err, QStringLiteral("zef-designer: You have reached the maximum number of elements "
                                  "for this device! 10 elements were not added.\n"));
    ScriptedPlatform platform;
    LayoutDocument doc(catalogs(), platform);
    ASSERT_EQ(loadLayout(doc, path("full.xml"), false).status, LoadStatus::Loaded);
    EXPECT_EQ(doc.count(), 500);
}

// --device: the string is read with that device's font slots and the file
// is for it; an S_ font survives where "Edge 1030" would turn it into XTINY.
TEST_F(ConfigCommandsTest, ImportReadsForTheNamedDevice) {
    LayoutElement value(KindValue);
    value.valueType = catalogs().valueTypes.positionById(60);
    value.font = QStringLiteral("S_MEDIUM");
    const int fenix = catalogs().devices.findDeviceByName(QStringLiteral("fenix 7"));
    const QString string =
        BuildConfigString({value}, catalogs().valueTypes,
                          catalogs().fonts.offeredFontSlots(catalogs().devices.at(fenix),
                                                            catalogs().valueTypes.fontSlots));
    const struct {
        const char* device; // nullptr: no --device
        const char* font;
    } cases[] = {{"fenix 7", "S_MEDIUM"}, {nullptr, "XTINY"}};
    for (const auto& c : cases) {
        const QString file = path(c.device ? "fenix.xml" : "edge.xml");
        err.clear();
        ASSERT_EQ(importConfigString(catalogs(), string, file, errStream,
                                     c.device ? QString::fromUtf8(c.device) : QString()),
                  0);
        ScriptedPlatform platform;
        LayoutDocument doc(catalogs(), platform);
        ASSERT_EQ(loadLayout(doc, file, false).status, LoadStatus::Loaded);
        EXPECT_EQ(doc.device()->name,
                  c.device ? QString::fromUtf8(c.device) : QStringLiteral("Edge 1030"));
        EXPECT_EQ(doc.elements().at(0).font, QString::fromLatin1(c.font));
    }
    const QString unknown = path("unknown.xml");
    EXPECT_EQ(
        importConfigString(catalogs(), string, unknown, errStream, QStringLiteral("fenix 99")), 2);
    errStream.flush();
    EXPECT_TRUE(err.contains(QStringLiteral("\"fenix 99\""))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(unknown));
}

TEST_F(ConfigCommandsTest, ImportIntoAMissingDirectoryFails) {
    const QString file = path("no/such/dir/out.xml");
    EXPECT_EQ(runImport(Reference, file), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("zef-designer: The layout could not be saved to")))
        << err.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

TEST(ConfigStringArgument, DashReadsTheInputWithoutItsFinalLineBreak) {
    struct Case {
        QByteArray input;
        QString expected;
    };
    const Case cases[] = {
        {"C!!!!!\n", QStringLiteral("C!!!!!")},
        {"C!!!!!\r\n", QStringLiteral("C!!!!!")},
        {"C!!!!!", QStringLiteral("C!!!!!")},
        {"C!!!!!\n\n", QStringLiteral("C!!!!!\n")},
        {"", QString()},
        // UTF-8 when the bytes are UTF-8, otherwise the 8-bit code page.
        {"C\xC3\xA9\n", QStringLiteral("C\u00e9")},
        {"C\xE9\x80\n", QStringLiteral("C\u00e9\u20ac")},
    };
    for (const auto& c : cases) {
        QByteArray bytes = c.input;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        EXPECT_EQ(configStringArgument(QStringLiteral("-"), buffer), c.expected)
            << c.input.toStdString();
    }
    QByteArray unused("ignored");
    QBuffer buffer(&unused);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_EQ(configStringArgument(QStringLiteral("C!!!!!\n"), buffer), QStringLiteral("C!!!!!\n"));
}

TEST(ConsolePlatform, MessagesBecomeSingleLines) {
    QString text;
    QTextStream stream(&text);
    ConsolePlatform platform(stream);
    EXPECT_EQ(platform.showMessage(QStringLiteral("One\ntwo\n\n  three \x1b]52;c;eA\a"),
                                   MessageButtons::Ok, MessageIcon::Warning),
              MessageAnswer::Ok);
    EXPECT_EQ(
        platform.showMessage(QStringLiteral("Sure?"), MessageButtons::YesNo, MessageIcon::Question),
        MessageAnswer::No);
    EXPECT_EQ(platform.showMessage(QStringLiteral("Save?"), MessageButtons::YesNoCancel,
                                   MessageIcon::Question),
              MessageAnswer::Cancel);
    stream.flush();
    EXPECT_EQ(text.toStdString(), "zef-designer: One two three \\x1b]52;c;eA\\x07\n"
                                  "zef-designer: Sure?\n"
                                  "zef-designer: Save?\n");
    EXPECT_TRUE(platform.clipboardText().isEmpty());
    EXPECT_TRUE(platform.getOpenFileName(QString(), QString()).isEmpty());
}

} // namespace
} // namespace zef
