#include "cli/checkcommand.h"
#include "cli/documentio.h"

#include "catalog/catalogs.h"
#include "cli/rendercommand.h"
#include "common/builtonce.h"
#include "common/layoutelements.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"
#include "preview/elementpainter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace zef {
namespace {

LayoutElement rectangle(int x, int y, int x2, int y2) {
    return graphicElement(GraphicKind::RectangleFilled, x, y, x2, y2);
}

class CheckCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Writes a layout file for the named device and returns its path.
    QString layoutFile(const char* name, const char* device,
                       const std::vector<LayoutElement>& elements) {
        ScriptedPlatform platform;
        LayoutDocument document(test::shippedCatalogs(), platform);
        document.replaceLayout(
            elements, test::shippedCatalogs().devices.findDeviceByName(QLatin1String(device)),
            QString());
        const QString path = dir.filePath(QLatin1String(name));
        QString error;
        EXPECT_TRUE(writeLayoutFile(document, path, &error)) << error.toStdString();
        return path;
    }

    int check(const QString& path, std::optional<QString> device = std::nullopt) {
        output.clear();
        messages.clear();
        QTextStream out(&output), err(&messages);
        return checkLayoutFile(test::shippedCatalogs(), path, device, out, err);
    }

    QTemporaryDir dir;
    QString output, messages;
};

// Round "fenix 7" (260x260): a bar inside, one across the bezel, one beyond it.
std::vector<LayoutElement> roundLayout() {
    return {rectangle(60, 200, 200, 220), rectangle(200, 120, 280, 140),
            rectangle(250, 250, 258, 258)};
}

TEST_F(CheckCommandTest, PrintsOneLinePerFindingInListOrder) {
    EXPECT_EQ(check(layoutFile("round.xml", "fenix 7", roundLayout())), CheckFoundSomething);
    EXPECT_EQ(
        output.toStdString(),
        "2: clipped: the \"Rectangle filled\" is cut off: 20 px past the edge of the round screen\n"
        "3: off-screen: the \"Rectangle filled\" lies outside the round 260x260 screen "
        "(x 250 to 257, y 250 to 257)\n");
    EXPECT_TRUE(messages.isEmpty()) << messages.toStdString();

    EXPECT_EQ(check(layoutFile("clean.xml", "fenix 7", {roundLayout().front()})), 0);
    EXPECT_TRUE(output.isEmpty() && messages.isEmpty());
}

TEST_F(CheckCommandTest, OnAnotherDeviceTheLayoutIsScaledAndItsTypesKept) {
    // Made for "Edge 1050" (480x800, class H): a bar in the bottom right corner,
    // and a value type smaller devices lack.
    LayoutElement heading(KindValue);
    heading.valueType = 190; // "(H) Current heading"
    heading.font = QStringLiteral("SMALL");
    heading.x = 240;
    heading.y = 100;
    heading.hAlignment = 1;
    const QString path =
        layoutFile("edge.xml", "Edge 1050", {rectangle(400, 700, 479, 799), heading});
    EXPECT_EQ(check(path), 0) << output.toStdString();

    // On "Edge 130" (230x303, class M) the bar is scaled into the corner.
    EXPECT_EQ(check(path, QStringLiteral("Edge 130")), CheckFoundSomething);
    EXPECT_EQ(output.toStdString(), "2: value type: the value type \"(H) Current heading\" is not "
                                    "offered on \"Edge 130\" (class M)\n");
    // Its own device by name changes nothing.
    EXPECT_EQ(check(path, QStringLiteral("Edge 1050")), 0);
}

TEST_F(CheckCommandTest, RefusesWhatItCannotCheck) {
    QFile notLayout(dir.filePath(QStringLiteral("not-a-layout.xml")));
    ASSERT_TRUE(notLayout.open(QIODevice::WriteOnly));
    notLayout.write("no xml here");
    notLayout.close();
    QFile noDevice(dir.filePath(QStringLiteral("no-device.xml")));
    ASSERT_TRUE(noDevice.open(QIODevice::WriteOnly));
    noDevice.write(
        "<?xml version=\"1.0\"?>\n<ZEFLayout><Device name=\"Nokia 3310\"/></ZEFLayout>\n");
    noDevice.close();
    const QString round = layoutFile("round.xml", "fenix 7", roundLayout());

    const struct {
        const char* name;
        QString path;
        std::optional<QString> device;
        int exitCode;
    } rows[] = {
        {"missing file", dir.filePath(QStringLiteral("missing.xml")), std::nullopt, 1},
        {"not a layout", notLayout.fileName(), std::nullopt, 1},
        {"unknown device in the file", noDevice.fileName(), std::nullopt, 1},
        {"unknown --device", round, QStringLiteral("Nokia 3310"), 2},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(check(row.path, row.device), row.exitCode) << row.name;
        EXPECT_TRUE(output.isEmpty()) << row.name;
        EXPECT_FALSE(messages.isEmpty()) << row.name;
    }
}

// The render command outlines the elements with findings only when asked.
TEST_F(CheckCommandTest, RenderOutlinesFindingsOnlyWhenAsked) {
    const auto outlinePixels = [&](bool findings) {
        RenderOptions options;
        options.layoutPath = layoutFile("round.xml", "fenix 7", roundLayout());
        options.outputPath = dir.filePath(QStringLiteral("out.png"));
        options.outlineFindings = findings;
        QString err;
        QTextStream errStream(&err);
        EXPECT_EQ(renderLayout(test::shippedCatalogs(), options, errStream), 0)
            << err.toStdString();
        const QImage image(options.outputPath);
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += (image.pixel(x, y) | 0xFF000000u) == previewcolors::Outline;
        return n;
    };
    EXPECT_EQ(outlinePixels(false), 0);
    EXPECT_GT(outlinePixels(true), 100);
}

// --widest draws the example's readings with their widest digits.
TEST_F(CheckCommandTest, RenderDrawsWidestValuesOnlyWhenAsked) {
    const auto render = [&](bool widest) {
        RenderOptions options;
        options.layoutPath = QStringLiteral(SOURCE_DIR "/res/layout.xml");
        options.outputPath =
            dir.filePath(widest ? QStringLiteral("widest.png") : QStringLiteral("plain.png"));
        options.widestValues = widest;
        QString err;
        QTextStream errStream(&err);
        EXPECT_EQ(renderLayout(test::shippedCatalogs(), options, errStream), 0)
            << err.toStdString();
        return QImage(options.outputPath);
    };
    const QImage plain = render(false), widest = render(true);
    ASSERT_EQ(plain.size(), widest.size());
    EXPECT_NE(plain, widest);
    EXPECT_EQ(plain, render(false));
}

// The designer binary itself: exit status and standard output of --check.
TEST_F(CheckCommandTest, DesignerBinaryExitsWithTheCheckResult) {
    const auto run = [](const QStringList& arguments, QString* out = nullptr) {
        QProcess process;
        process.start(QStringLiteral(ZEF_DESIGNER), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        if (out) *out = QString::fromUtf8(process.readAllStandardOutput());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    };
    QString out;
    EXPECT_EQ(
        run({QStringLiteral("--check"), layoutFile("round.xml", "fenix 7", roundLayout())}, &out),
        CheckFoundSomething);
    EXPECT_TRUE(out.startsWith(QLatin1String("2: clipped: ")));
    EXPECT_EQ(out.count(QLatin1Char('\n')), 2);
    EXPECT_EQ(run({QStringLiteral("--check"), QStringLiteral(SOURCE_DIR "/res/layout.xml")}, &out),
              0);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(run({QStringLiteral("--check"), dir.filePath(QStringLiteral("missing.xml"))}), 1);
}

} // namespace
} // namespace zef
