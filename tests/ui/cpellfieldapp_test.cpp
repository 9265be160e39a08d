#include "ui/cpellfieldapp.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>

namespace zef {
namespace {

TEST(ApplicationIcon, HasEverySizeFromTheResources) {
    const QIcon icon = CPellFieldApp::applicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(n, n))) << n;
        const QImage image = icon.pixmap(QSize(n, n)).toImage();
        EXPECT_EQ(image.size(), QSize(n, n)) << n;
        // Transparent corners around the drawn device.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << n;
        EXPECT_EQ(qAlpha(image.pixel(n / 2, n / 2)), 255) << n;
    }
}

QString sourceFile(const QString& path) {
    QFile file(QStringLiteral(SOURCE_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(ApplicationId, NamesTheLauncherMetainfoAndIcon) {
    const QString id = CPellFieldApp::applicationId();
    EXPECT_EQ(id, QStringLiteral("de.pellsoft.ZefDesigner"));
    const QString desktop = sourceFile(QStringLiteral("res/linux/%1.desktop").arg(id));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nIcon=%1\n").arg(id)));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=zef-designer %f\n")));
    const QString metainfo = sourceFile(QStringLiteral("res/linux/%1.metainfo.xml.in").arg(id));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<id>%1</id>").arg(id)));
    EXPECT_TRUE(metainfo.contains(
        QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(id)));
    EXPECT_FALSE(
        sourceFile(QStringLiteral("res/icons/hicolor/scalable/apps/%1.svg").arg(id)).isEmpty());
}

} // namespace
} // namespace zef
