// Creates the application object once and fixes the locale, so that number
// formatting never depends on the machine the tests run on.
#include <gtest/gtest.h>

#include <QLocale>
#include <QStandardPaths>
#if defined(ZEF_TEST_APP_WIDGETS)
#include <QApplication>
using TestApp = QApplication;
#elif defined(ZEF_TEST_APP_GUI)
#include <QGuiApplication>
using TestApp = QGuiApplication;
#else
#include <QCoreApplication>
using TestApp = QCoreApplication;
#endif

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    // Settings and per-user data of tests never mix with the user's own.
    QStandardPaths::setTestModeEnabled(true);
    TestApp app(argc, argv);
    TestApp::setOrganizationName(QStringLiteral("PellSoftTest"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
