#include "cli/configcommands.h"
#include "cli/qrcodeimage.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "common/qrdecode.h"
#include "config/configstring.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace zef::test {
namespace {

const Catalogs& catalogs() {
    return builtOnce<Catalogs>();
}

// A layout of n elements of every kind, with texts, as the config string of
// a high-class device.
QString configStringOf(int n) {
    const auto& vt = catalogs().valueTypes;
    const DeviceInfo& device =
        catalogs().devices.at(catalogs().devices.findDeviceByName(QStringLiteral("Edge 1030")));
    const QStringList fontSlots = catalogs().fonts.offeredFontSlots(device, vt.fontSlots);
    ElementVector elements;
    for (int i = 0; i < n; ++i) {
        LayoutElement e(static_cast<ElementKind>(i % 3));
        e.x = 7 * i;
        e.y = 11 * i % 400;
        e.x2 = e.x + 30;
        e.y2 = e.y + 20;
        e.color = static_cast<Bgr>(0x102030 * (i + 1)) & 0xFFFFFF;
        e.valueType = i % static_cast<int>(vt.valueTypes.size());
        e.text = i % 2 ? QStringLiteral("km/h") : QStringLiteral("$V");
        e.font = fontSlots.at(i % fontSlots.size());
        e.graphicType = i % 15;
        e.replaceColor = 0x0000FF;
        e.dcValue[0] = 100 * i;
        e.dcColor[0] = 0x00FF00;
        elements.push_back(e);
    }
    return BuildConfigString(elements, vt, fontSlots);
}

class QrCodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveQrDecoder())
            GTEST_SKIP() << "zbarimg (Debian's zbar-tools) is needed to read the codes back";
    }
};

TEST_F(QrCodeTest, TheCodeReadsBackAsTheClipboardString) {
    // One element, the 30 of a low-class device, and 100: a large code.
    for (const int n : {1, 30, 100}) {
        SCOPED_TRACE(n);
        const QString string = configStringOf(n);
        ASSERT_TRUE(string.startsWith(QLatin1Char('C')));
        const QrCodeImage code = qrCodeImage(string, 4);
        ASSERT_FALSE(code.image.isNull()) << code.error.toStdString();
        // Square, with the four-module quiet zone on each side.
        EXPECT_EQ(code.image.width(), (code.modules + 8) * 4);
        EXPECT_EQ(code.image.height(), code.image.width());
        const auto decoded = decodeQrImage(code.image);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, string.toUtf8());
    }
    EXPECT_GT(configStringOf(30).size(), 500);
    EXPECT_GT(configStringOf(100).size(), 1500);
}

TEST(QrCodeLimits, AStringTooLongForOneCodeSaysSoAndHowLong) {
    const QString fits(QrCodeMaxBytes, QLatin1Char('!'));
    EXPECT_FALSE(qrCodeImage(fits, 1).image.isNull());
    EXPECT_EQ(qrCodeLengthText(fits), QStringLiteral("Config string: 2953 characters"));

    const QString tooLong(QrCodeMaxBytes + 1, QLatin1Char('!'));
    const QrCodeImage code = qrCodeImage(tooLong, 1);
    EXPECT_TRUE(code.image.isNull());
    EXPECT_TRUE(code.error.contains(QStringLiteral("too long for one QR code")));
    EXPECT_TRUE(code.error.contains(QStringLiteral("2954 characters")));
    // Characters beyond ASCII count as their UTF-8 bytes.
    const QString wide(1500, QChar(0x00B0));
    EXPECT_TRUE(qrCodeImage(wide, 1).image.isNull());
    EXPECT_TRUE(qrCodeLengthText(wide).contains(QStringLiteral("1500 characters (3000 bytes)")));
}

TEST_F(QrCodeTest, ExportConfigWritesTheCodeBesideThePrintedString) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("code.png"));
    QProcess designer;
    designer.start(QStringLiteral(ZEF_DESIGNER),
                   {QStringLiteral("--export-config"),
                    QStringLiteral(TEST_DATA_DIR "/files/every-kind.xml"), QStringLiteral("--qr"),
                    png});
    ASSERT_TRUE(designer.waitForFinished(60000));
    EXPECT_EQ(designer.exitCode(), 0) << designer.readAllStandardError().toStdString();
    QByteArray printed = designer.readAllStandardOutput();
    ASSERT_TRUE(printed.endsWith('\n'));
    printed.chop(1);
    ASSERT_TRUE(printed.startsWith('C'));
    const auto decoded = decodeQrFile(png);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, printed);

    // A file that cannot be written: the string is printed, the exit says so.
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    EXPECT_EQ(
        writeQrCode(QStringLiteral("C"), dir.filePath(QStringLiteral("no/such/x.png")), errStream),
        1);
    errStream.flush();
    EXPECT_TRUE(err.contains(QStringLiteral("cannot be written"))) << err.toStdString();
}

} // namespace
} // namespace zef::test
