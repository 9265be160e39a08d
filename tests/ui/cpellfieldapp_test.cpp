#include "ui/cpellfieldapp.h"
#include "ui/qtplatform.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

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

// Nothing may wait for a user once the process is asked to end: a message
// goes to the standard error, and a question gets its cautious answer.
TEST(UnattendedPlatform, AnswersAtOnceAndKeepsWhatItWasTold) {
    QtPlatform platform;
    platform.setUnattended(true);
    EXPECT_EQ(platform.showMessage(QStringLiteral("a"), MessageButtons::Ok, MessageIcon::Warning),
              MessageAnswer::Ok);
    EXPECT_EQ(platform.showMessage(QStringLiteral("b"), MessageButtons::YesNo,
                                   MessageIcon::Question),
              MessageAnswer::No);
    EXPECT_EQ(platform.showMessage(QStringLiteral("c"), MessageButtons::YesNoCancel,
                                   MessageIcon::Question),
              MessageAnswer::Cancel);
    EXPECT_EQ(platform.unattendedMessages(),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

#ifdef Q_OS_UNIX
// True once the process catches the signal (its handler is installed).
bool catches(qint64 pid, int signalNumber) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1;
    return false;
}

// With neither the settings nor the recovery folder writable, SIGTERM still
// ends the designer at once: what it could not keep is said on the standard
// error instead of in a message box that would wait for a user.
TEST(Termination, EndsAtOnceWhenNothingCanBeWritten) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    // Files where the settings and data folders would be: nothing can be
    // written under them, not even by root.
    for (const char* name : {"config", "data"}) {
        QFile blocker(home.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    QProcess designer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    designer.setProcessEnvironment(env);
    designer.start(QStringLiteral(ZEF_DESIGNER), {});
    ASSERT_TRUE(designer.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!catches(designer.processId(), SIGTERM) && waited.elapsed() < 20000) QThread::msleep(20);
    ASSERT_TRUE(catches(designer.processId(), SIGTERM));

    ::kill(static_cast<pid_t>(designer.processId()), SIGTERM);
    ASSERT_TRUE(designer.waitForFinished(10000)) << "still running after SIGTERM";
    EXPECT_EQ(designer.exitStatus(), QProcess::NormalExit);
    const QString err = QString::fromLocal8Bit(designer.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("zef-designer: The window position and the last file "
                                            "could not be saved")))
        << err.toStdString();
}
#endif

} // namespace
} // namespace zef
