#include "catalog/devicecatalog.h"
#include "preview/devicepicture.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <set>

namespace zef {
namespace {

const DeviceCatalog& catalog() {
    static const DeviceCatalog devices = [] {
        DeviceCatalog c;
        c.build();
        return c;
    }();
    return devices;
}

// The preview column the picture is drawn into, and the black frame the paint
// puts around the screen (elements may draw into it).
constexpr int PreviewWidth = 553;
constexpr int PreviewHeight = 819;
constexpr int Frame = 5;
// A picture may exceed the preview column only by this much past a screen that
// reaches its edge.
constexpr int Overhang = 8;

bool isHandheldOrBike(const QString& name) {
    for (const char* prefix : {"Edge", "GPSMAP", "Oregon", "Rino", "Montana", "eTrex"})
        if (name.startsWith(QLatin1String(prefix))) return true;
    return false;
}

// Watches with a square screen show it round, the Venu Sq models excepted.
bool hasRoundScreen(const DeviceInfo& d) {
    return d.screenWidth == d.screenHeight && !isHandheldOrBike(d.name) &&
           !d.name.startsWith(QLatin1String("Venu Sq"));
}

class BuiltInPicture : public ::testing::TestWithParam<int> {
protected:
    const DeviceInfo& device() const { return catalog().at(GetParam()); }
};

TEST_P(BuiltInPicture, IsAResourceThatFramesTheScreen) {
    const DeviceInfo& d = device();
    const QString path = builtInDevicePicturePath(d.pictureId);
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    const QImage raw(path);
    ASSERT_FALSE(raw.isNull());
    EXPECT_TRUE(raw.hasAlphaChannel());

    const QImage picture = DevicePictures().picture(d);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(picture.size(), raw.size());

    // Contains the screen and the frame, and stays in the preview column where
    // the screen leaves room for that.
    EXPECT_GE(picture.width(), d.screenX + d.screenWidth + Frame);
    EXPECT_GE(picture.height(), d.screenY + d.screenHeight + Frame);
    EXPECT_LE(picture.width(), std::max(PreviewWidth, d.screenX + d.screenWidth + Overhang));
    EXPECT_LE(picture.height(), std::max(PreviewHeight, d.screenY + d.screenHeight + Overhang));
}

TEST_P(BuiltInPicture, IsTransparentExactlyOnTheScreen) {
    const DeviceInfo& d = device();
    const QImage picture = DevicePictures().picture(d);
    ASSERT_FALSE(picture.isNull());
    const QRect screen(d.screenX, d.screenY, d.screenWidth, d.screenHeight);
    const QRect frame = screen.adjusted(-Frame, -Frame, Frame, Frame);
    ASSERT_TRUE(picture.rect().contains(frame));
    const bool round = hasRoundScreen(d);
    const double r = d.screenWidth / 2.0;
    const double cx = d.screenX + r, cy = d.screenY + r;

    int transparent = 0, wrong = 0;
    QString firstWrong;
    auto fault = [&](int x, int y, int alpha) {
        if (wrong++ == 0) firstWrong = QStringLiteral("(%1, %2) alpha %3").arg(x).arg(y).arg(alpha);
    };
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = frame.left(); x <= frame.right(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (!screen.contains(x, y)) {
                if (alpha != 255) fault(x, y, alpha); // the surround is opaque
                continue;
            }
            if (!round) {
                if (alpha != 0)
                    fault(x, y, alpha);
                else
                    ++transparent;
                continue;
            }
            // Round: clear inside the circle, opaque in the rectangle's corners,
            // and never half transparent at the edge.
            const double dist = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (dist <= r - 1 && alpha != 0)
                fault(x, y, alpha);
            else if (dist >= r + 1 && alpha != 255)
                fault(x, y, alpha);
            else if (alpha != 0 && alpha != 255)
                fault(x, y, alpha);
            if (alpha == 0) ++transparent;
        }
    }
    EXPECT_EQ(wrong, 0) << "first: " << firstWrong.toStdString();
    const double area = round ? M_PI * r * r : double(d.screenWidth) * d.screenHeight;
    EXPECT_NEAR(transparent, area, round ? 2 * M_PI * r : 0.0);
}

std::string pictureName(const ::testing::TestParamInfo<int>& info) {
    return "picture" + std::to_string(catalog().at(info.param).pictureId);
}

INSTANTIATE_TEST_SUITE_P(AllDevices, BuiltInPicture, ::testing::Range(0, 162), pictureName);

TEST(BuiltInPictures, OnePerDeviceAndNoOthers) {
    ASSERT_EQ(catalog().count(), 162);
    std::set<QString> expected;
    for (const DeviceInfo& d : catalog().devices())
        expected.insert(QStringLiteral("%1.png").arg(d.pictureId));
    EXPECT_EQ(expected.size(), 162u);
    const QStringList shipped = QDir(QStringLiteral(":/devices")).entryList(QDir::Files);
    const std::set<QString> found(shipped.begin(), shipped.end());
    EXPECT_EQ(found, expected);
}

// A temporary program folder and the per-user data folder of Qt's test mode.
class UserPicture : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(m_programDir.isValid());
        m_userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                    QStringLiteral("/devices");
        ASSERT_TRUE(QDir().mkpath(m_userDir));
        ASSERT_TRUE(QDir().mkpath(m_programDir.filePath(QStringLiteral("devices"))));
        m_device = catalog().at(catalog().findDeviceByName(QStringLiteral("Edge 1030")));
        m_builtIn = QImage(builtInDevicePicturePath(m_device.pictureId));
        ASSERT_FALSE(m_builtIn.isNull());
    }
    void TearDown() override {
        QFile::remove(userFile());
        QStandardPaths::setTestModeEnabled(false);
    }

    QString programFile() const {
        return m_programDir.filePath(QStringLiteral("devices/%1.png").arg(m_device.pictureId));
    }
    QString userFile() const {
        return m_userDir + QStringLiteral("/%1.png").arg(m_device.pictureId);
    }

    static void writeImage(const QString& path, QSize size, QColor color) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(path, "PNG"));
    }
    static void writeBytes(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    bool isBuiltIn(const QImage& image) const {
        return image.size() == m_builtIn.size() &&
               image.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                   m_builtIn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

    QTemporaryDir m_programDir;
    QString m_userDir;
    DeviceInfo m_device;
    QImage m_builtIn;
};

TEST_F(UserPicture, WithoutUserFilesTheBuiltInIsUsed) {
    EXPECT_TRUE(isBuiltIn(devicePicture(m_device, m_programDir.path())));
    EXPECT_TRUE(isBuiltIn(devicePicture(m_device, QString())));
}

TEST_F(UserPicture, ChosenInOrderProgramFolderUserFolderBuiltIn) {
    const QByteArray broken("\x89PNG\r\n\x1a\n not really a picture");
    struct Case {
        const char* what;
        int programFile; // 0 none, 1 valid (green 30x40), 2 broken
        int userFile;    // 0 none, 1 valid (blue 20x10), 2 broken
        QSize expected;  // empty: the built-in picture
    };
    const Case cases[] = {
        {"program folder only", 1, 0, {30, 40}},
        {"user folder only", 0, 1, {20, 10}},
        {"program folder wins over user folder", 1, 1, {30, 40}},
        {"broken program file, user file used", 2, 1, {20, 10}},
        {"broken program file falls back to built-in", 2, 0, {}},
        {"broken user file falls back to built-in", 0, 2, {}},
        {"empty program file falls back to built-in", 3, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(programFile());
        QFile::remove(userFile());
        if (c.programFile == 1) writeImage(programFile(), {30, 40}, Qt::green);
        if (c.programFile == 2) writeBytes(programFile(), broken);
        if (c.programFile == 3) writeBytes(programFile(), QByteArray());
        if (c.userFile == 1) writeImage(userFile(), {20, 10}, Qt::blue);
        if (c.userFile == 2) writeBytes(userFile(), broken);

        const QImage picture = DevicePictures(m_programDir.path()).picture(m_device);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.format(), QImage::Format_ARGB32_Premultiplied);
        if (c.expected.isEmpty()) {
            EXPECT_TRUE(isBuiltIn(picture));
        } else {
            EXPECT_EQ(picture.size(), c.expected);
            const QColor color = c.expected == QSize(30, 40) ? QColor(Qt::green) : QColor(Qt::blue);
            EXPECT_EQ(picture.pixel(5, 5), color.rgba());
        }
    }
}

TEST_F(UserPicture, DecodedOnceAndKept) {
    writeImage(programFile(), {30, 40}, Qt::green);
    DevicePictures pictures(m_programDir.path());
    EXPECT_EQ(pictures.picture(m_device).size(), QSize(30, 40));
    EXPECT_EQ(pictures.loadedCount(), 1);

    // The file changes or goes away: the kept picture is still shown.
    ASSERT_TRUE(QFile::remove(programFile()));
    EXPECT_EQ(pictures.picture(m_device).size(), QSize(30, 40));
    EXPECT_EQ(pictures.loadedCount(), 1);

    pictures.clear();
    EXPECT_TRUE(isBuiltIn(pictures.picture(m_device)));

    // Another program folder forgets the kept pictures.
    QTemporaryDir other;
    ASSERT_TRUE(QDir().mkpath(other.filePath(QStringLiteral("devices"))));
    writeImage(other.filePath(QStringLiteral("devices/%1.png").arg(m_device.pictureId)), {7, 9},
               Qt::red);
    pictures.setProgramDir(other.path());
    EXPECT_EQ(pictures.loadedCount(), 0);
    EXPECT_EQ(pictures.picture(m_device).size(), QSize(7, 9));
}

TEST_F(UserPicture, UnknownPictureIsNullAndRemembered) {
    DeviceInfo unknown = m_device;
    unknown.pictureId = 9999;
    DevicePictures pictures(m_programDir.path());
    EXPECT_TRUE(pictures.picture(unknown).isNull());
    EXPECT_EQ(pictures.loadedCount(), 1);
    // A user may supply a picture for it too.
    pictures.clear();
    writeImage(m_programDir.filePath(QStringLiteral("devices/9999.png")), {12, 12}, Qt::green);
    EXPECT_EQ(pictures.picture(unknown).size(), QSize(12, 12));
}

TEST_F(UserPicture, FilesLookedAtInOrder) {
    const QStringList files = userDevicePictureFiles(m_device.pictureId, m_programDir.path());
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0], programFile());
    EXPECT_EQ(files[1], userFile());
    EXPECT_EQ(userDevicePictureFiles(m_device.pictureId, QString()), QStringList{userFile()});
}

} // namespace
} // namespace zef
