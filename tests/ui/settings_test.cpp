#include "cli/documentio.h"
#include "ui/cpellfielddlg.h"
#include "ui/windowsettings.h"

#include "common/scriptedplatform.h"
#include "files/layoutfile.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <climits>
#include <memory>

namespace zef {
namespace {

QByteArray placementBytes(int left, int top, int size = 44) {
    WindowPlacement p;
    p.left = left;
    p.top = top;
    // The stored rectangle may come from anywhere; compute its far corner
    // without overflowing for the largest coordinates.
    p.right = static_cast<int>(std::min<long long>(static_cast<long long>(left) + 100, INT_MAX));
    p.bottom = static_cast<int>(std::min<long long>(static_cast<long long>(top) + 100, INT_MAX));
    QByteArray bytes = p.toBytes();
    bytes.resize(size, '\0');
    return bytes;
}

struct PositionCase {
    const char* name;
    QVariant value;
    QList<QRect> screens;
    std::optional<QPoint> expected;
};

const QSize Frame(1210, 871);
const QRect Screen(0, 0, 1920, 1080);
const QRect RightScreen(1920, 0, 1280, 1024);

TEST(WindowPositionSetting, OnlyAUsablePlacementOnSomeScreenIsApplied) {
    const PositionCase cases[] = {
        {"absent", QVariant(), {Screen}, std::nullopt},
        {"44 bytes", placementBytes(100, 80), {Screen}, QPoint(100, 80)},
        {"longer than 44 bytes", placementBytes(100, 80, 60), {Screen}, QPoint(100, 80)},
        {"43 bytes count as absent", placementBytes(100, 80, 43), {Screen}, std::nullopt},
        {"empty bytes", QByteArray(), {Screen}, std::nullopt},
        {"a text of 44 characters or more",
         QVariant(QString(QLatin1String(placementBytes(100, 80).toHex()))),
         {Screen},
         std::nullopt},
        {"a number", QVariant(12345), {Screen}, std::nullopt},
        {"a list",
         QVariant(QStringList{QStringLiteral("1"), QStringLiteral("2")}),
         {Screen},
         std::nullopt},
        {"on the second screen",
         placementBytes(2000, 100),
         {Screen, RightScreen},
         QPoint(2000, 100)},
        {"on a screen that is gone", placementBytes(2000, 100), {Screen}, std::nullopt},
        {"far below every screen", placementBytes(100, 5000), {Screen}, std::nullopt},
        {"only 20 pixels of the title bar left of the screen",
         placementBytes(-1190, 100),
         {Screen},
         std::nullopt},
        {"110 pixels of the title bar on the screen",
         placementBytes(-1100, 100),
         {Screen},
         QPoint(-1100, 100)},
        {"only 5 rows of the title bar above the bottom",
         placementBytes(100, 1075),
         {Screen},
         std::nullopt},
        {"title bar half above the top", placementBytes(100, -15), {Screen}, QPoint(100, -15)},
        {"largest coordinates", placementBytes(INT_MAX, INT_MAX), {Screen}, std::nullopt},
        {"smallest coordinates", placementBytes(INT_MIN, INT_MIN), {Screen}, std::nullopt},
        {"no screens", placementBytes(100, 80), {}, std::nullopt},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(windowPositionFromSetting(c.value, Frame, c.screens), c.expected);
    }
}

TEST(LastFileSetting, OnlyATextNamingAFileIsUsed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("gone.xml"));
    const struct {
        const char* name;
        QVariant value;
        QString expected;
    } cases[] = {
        {"absent", QVariant(), QString()},
        {"4 characters", QStringLiteral("a.xm"), QString()},
        {"5 characters", QStringLiteral("/a.xml"), QStringLiteral("/a.xml")},
        // A relative name meant the working folder of some earlier run.
        {"relative", QStringLiteral("work1/a.xml"), QString()},
        {"a missing file is still named", missing, missing},
        {"a folder", dir.path(), QString()},
        {"bytes", QByteArray("/tmp/some/file.xml"), QString()},
        {"a list", QStringList{missing, missing}, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lastFileFromSetting(c.value), c.expected);
    }
}

// The window started without arguments against a settings store prepared
// first.
class StartupSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        settingsPath = QSettings().fileName();
        clearSettings();
        ASSERT_TRUE(dir.isValid());
        defaultFile =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("layout.xml"));
        ASSERT_FALSE(QFileInfo::exists(defaultFile));
    }
    void TearDown() override { clearSettings(); }

    void clearSettings() {
        QFileInfo info(settingsPath);
        if (info.isDir())
            QDir(settingsPath).removeRecursively();
        else
            QFile::remove(settingsPath);
    }

    void setValue(const QString& key, const QVariant& value) {
        QSettings settings;
        settings.beginGroup(CPellFieldDlg::settingsGroup());
        settings.setValue(key, value);
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
    }

    void writeRaw(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(settingsPath).absolutePath());
        QFile file(settingsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::unique_ptr<CPellFieldDlg> start() {
        return std::make_unique<CPellFieldDlg>(platform,
                                               QStringList{QStringLiteral("zef-designer")});
    }

    // Empty untitled layout, no device, nothing asked; Save as starts at the
    // file the window tried to open.
    void expectDefaults(CPellFieldDlg& dlg, const QString& triedFile) {
        EXPECT_TRUE(dlg.document().fileName().isEmpty());
        EXPECT_EQ(dlg.document().suggestedFileName(), triedFile);
        EXPECT_EQ(dlg.document().count(), 0);
        EXPECT_EQ(dlg.document().selectedDevice(), -1);
        EXPECT_EQ(dlg.QWidget::windowTitle(),
                  CPellFieldDlg::windowTitle(CPellFieldDlg::untitledName()) +
                      QStringLiteral("[*]"));
        EXPECT_TRUE(platform.messages.empty()) << platform.messageTexts().join('|').toStdString();
    }

    ScriptedPlatform platform;
    QTemporaryDir dir;
    QString settingsPath;
    QString defaultFile;
};

TEST_F(StartupSettingsTest, UnusableLastFileStartsWithTheDefaultFile) {
    const struct {
        const char* name;
        QVariant value;
    } cases[] = {
        {"absent", QVariant()},
        {"4 characters", QStringLiteral("a.xm")},
        {"a folder", dir.path()},
        {"bytes", QByteArray("/tmp/some/layout.xml")},
        {"a list", QStringList{QStringLiteral("/tmp/a.xml"), QStringLiteral("/tmp/b.xml")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clearSettings();
        if (c.value.isValid()) setValue(QStringLiteral("last_file"), c.value);
        auto dlg = start();
        expectDefaults(*dlg, defaultFile);
    }
}

TEST_F(StartupSettingsTest, MissingLastFileStartsUntitledWithThePathSuggestedForSave) {
    const QString missing = dir.filePath(QStringLiteral("gone.xml"));
    setValue(QStringLiteral("last_file"), missing);
    auto dlg = start();
    expectDefaults(*dlg, missing);
}

TEST_F(StartupSettingsTest, ReadableLastFileIsLoaded) {
    // The positive control for the cases above.
    const QString file = dir.filePath(QStringLiteral("mine.xml"));
    {
        auto dlg = start();
        LayoutDocument& doc = dlg->document();
        doc.selectDevice(0);
        LayoutElement element(KindValue);
        ASSERT_TRUE(doc.addElement(&element, true, true));
        ASSERT_TRUE(writeLayoutFile(doc, file, nullptr));
    }
    setValue(QStringLiteral("last_file"), file);
    auto dlg = start();
    EXPECT_EQ(dlg->document().fileName(), file);
    EXPECT_EQ(dlg->document().count(), 1);
    EXPECT_EQ(dlg->QWidget::windowTitle(),
              CPellFieldDlg::windowTitle(file) + QStringLiteral("[*]"));
}

TEST_F(StartupSettingsTest, DamagedOrUnreadableStoreStartsWithDefaults) {
    const struct {
        const char* name;
        QByteArray content;
        bool asFolder;
    } cases[] = {
        {"binary garbage", QByteArray("\x01\xff\x00[ZEF\xfe\n=\n[[[", 14), false},
        {"broken values",
         "[ZEFDesigner]\nlast_file=@Variant(\\0\\0\\0\\x7f\\0)\nwindow_position=@ByteArray("
         "\\0\\0\n",
         false},
        {"a value of an unknown type", "[ZEFDesigner]\nlast_file=@Rect(1 2 3 4)\n", false},
        // Neither readable nor writable as a file.
        {"the store is a folder", QByteArray(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clearSettings();
        if (c.asFolder)
            ASSERT_TRUE(QDir().mkpath(settingsPath));
        else
            writeRaw(c.content);
        auto dlg = start();
        expectDefaults(*dlg, defaultFile);
        // Closing still goes ahead; settings that cannot be kept are told once.
        EXPECT_TRUE(dlg->OnClose());
        if (c.asFolder) {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(settingsPath)))
                << platform.messages[0].text.toStdString();
        } else {
            EXPECT_TRUE(platform.messages.empty())
                << platform.messageTexts().join('|').toStdString();
        }
        platform.messages.clear();
    }
}

TEST_F(StartupSettingsTest, CloseWritesBothSettings) {
    const QString missing = dir.filePath(QStringLiteral("next.xml"));
    setValue(QStringLiteral("last_file"), missing);
    auto dlg = start();
    ASSERT_TRUE(dlg->OnClose());
    QSettings settings;
    settings.beginGroup(CPellFieldDlg::settingsGroup());
    EXPECT_EQ(settings.value(QStringLiteral("last_file")).toString(), missing);
    const QVariant position = settings.value(QStringLiteral("window_position"));
    EXPECT_EQ(position.typeId(), QMetaType::QByteArray);
    EXPECT_EQ(position.toByteArray().size(), 44);
    EXPECT_TRUE(WindowPlacement::fromBytes(position.toByteArray()).has_value());
}

} // namespace
} // namespace zef
