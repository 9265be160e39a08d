#include "cli/documentio.h"
#include "cli/rendercommand.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"
#include "preview/devicepicture.h"
#include "preview/previewgeometry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace zef {
namespace {

const Catalogs& catalogs() {
    return test::builtOnce<Catalogs>();
}

// A layout on "fenix 7": a day/night rectangle (0x102030) at (100, 100)-(140, 140)
// and a white one at (20, 120)-(60, 140).
class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ScriptedPlatform platform;
        LayoutDocument document(catalogs(), platform);
        document.selectDevice(catalogs().devices.findDeviceByName(QStringLiteral("fenix 7")));
        device = *document.device();
        LayoutElement night(KindGraphic);
        night.setGraphicKind(GraphicKind::RectangleFilled);
        night.color = 0x302010;
        night.dayNight = true;
        night.x = night.y = 100;
        night.x2 = night.y2 = 140;
        LayoutElement white = night;
        white.color = 0xFFFFFF;
        white.dayNight = false;
        white.x = 20;
        white.x2 = 60;
        white.y = 120;
        document.elementsForDrawing() = {night, white};
        layout = dir.filePath(QStringLiteral("layout.xml"));
        QString error;
        ASSERT_TRUE(writeLayoutFile(document, layout, &error)) << error.toStdString();
    }

    int run(RenderOptions options) {
        messages.clear();
        QTextStream err(&messages);
        if (options.layoutPath.isEmpty()) options.layoutPath = layout;
        if (options.outputPath.isEmpty()) options.outputPath = output();
        return renderLayout(catalogs(), options, err);
    }
    QString output() const { return dir.filePath(QStringLiteral("out.png")); }
    QRgb at(const QImage& image, int x, int y) const {
        return image.pixel(device.screenX + x, device.screenY + y) | 0xFF000000u;
    }

    QTemporaryDir dir;
    QString layout;
    QString messages;
    DeviceInfo device;
};

TEST_F(RenderCommandTest, WritesThePreviewFromThePictureCorner) {
    ASSERT_EQ(run({}), 0);
    const QImage image(output());
    ASSERT_FALSE(image.isNull());
    const QImage picture = devicePicture(device, QString());
    const QRect frame = preview::frameRect(device).translated(-preview::origin());
    EXPECT_EQ(image.width(), std::max(picture.width(), frame.right() + 1));
    EXPECT_EQ(image.height(), std::max(picture.height(), frame.bottom() + 1));
    EXPECT_EQ(at(image, 120, 120), 0xFF102030u);
    EXPECT_EQ(at(image, 40, 130), 0xFFFFFFFFu);
    EXPECT_EQ(at(image, 80, 130), 0xFF000000u);
    EXPECT_TRUE(messages.isEmpty()) << messages.toStdString();
}

TEST_F(RenderCommandTest, ViewOptionsChangeTheImage) {
    RenderOptions night;
    night.nightMode = true;
    ASSERT_EQ(run(night), 0);
    QImage image(output());
    EXPECT_EQ(at(image, 120, 120), 0xFFEFDFCFu);
    EXPECT_EQ(at(image, 40, 130), 0xFFFFFFFFu);

    RenderOptions highlight;
    highlight.highlight = 1;
    ASSERT_EQ(run(highlight), 0);
    image = QImage(output());
    const QRgb red = at(image, 40, 130);
    EXPECT_GT(qRed(red), 170);
    EXPECT_LT(qGreen(red), 10);
    EXPECT_EQ(at(image, 120, 120), 0xFF102030u);
}

TEST_F(RenderCommandTest, RepeatPrintsTheMedianPaintTime) {
    RenderOptions options;
    options.repeat = 5;
    ASSERT_EQ(run(options), 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^median \\d+\\.\\d{3} ms\\n$"))
                    .match(messages)
                    .hasMatch())
        << messages.toStdString();
}

TEST_F(RenderCommandTest, RefusesWhatItCannotRender) {
    struct Row {
        const char* name;
        RenderOptions options;
        int exitCode;
    };
    RenderOptions missing;
    missing.layoutPath = dir.filePath(QStringLiteral("missing.xml"));
    RenderOptions noLayout;
    noLayout.layoutPath = dir.filePath(QStringLiteral("not-a-layout.xml"));
    {
        QFile f(noLayout.layoutPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("no xml here");
    }
    RenderOptions badIndex;
    badIndex.highlight = 2;
    RenderOptions badRepeat;
    badRepeat.repeat = 0;
    RenderOptions unwritable;
    unwritable.outputPath = dir.filePath(QStringLiteral("no/such/folder/out.png"));
    for (const Row& r : {Row{"missing", missing, 1}, Row{"not a layout", noLayout, 1},
                         Row{"highlight out of range", badIndex, 2}, Row{"repeat 0", badRepeat, 2},
                         Row{"unwritable", unwritable, 1}}) {
        QFile::remove(output());
        EXPECT_EQ(run(r.options), r.exitCode) << r.name;
        EXPECT_FALSE(messages.isEmpty()) << r.name;
        EXPECT_FALSE(QFile::exists(output())) << r.name;
    }
}

// The program itself, run with a temporary HOME: --render finds the user's own
// device picture in the folder the README names, where the window finds it.
TEST_F(RenderCommandTest, ProgramUsesTheUserPictureInTheReadmeFolder) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString picture = QStringLiteral("devices/%1.png").arg(device.pictureId);
    const QSize size = devicePicture(device, QString()).size();
    auto save = [&](const QString& folder, QRgb color) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color); // opaque: it covers the screen and everything on it
        const QString file = QDir(home.filePath(folder)).filePath(picture);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(image.save(file));
    };
    save(QStringLiteral(".local/share/PellSoft/zef-designer"), 0xFF00FF00);
    // The folder the command line used to look in, without the organisation.
    save(QStringLiteral(".local/share/zef-designer"), 0xFFFF0000);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZEF_DESIGNER),
                  {QStringLiteral("--render"), layout, QStringLiteral("--output"), output()});
    ASSERT_TRUE(program.waitForFinished(60000));
    ASSERT_EQ(program.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const QImage image(output());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(at(image, 120, 120), 0xFF00FF00u); // over the day/night rectangle
    EXPECT_EQ(at(image, 80, 130), 0xFF00FF00u);
}

} // namespace
} // namespace zef
