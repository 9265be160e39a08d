#include "cpellfieldapp.h"

#include "cli/applicationidentity.h"
#include "cli/commandline.h"
#include "cpellfielddlg.h"
#include "endreport.h"
#include "qtplatform.h"
#include "terminationrequests.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <QStyleFactory>

#include <cstdlib>
#include <functional>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zef {

namespace {

// Writing what can be kept when the process ends unattended takes well under
// a second; a file system that hangs does not hold the process longer.
constexpr unsigned UnattendedEndSeconds = 10;

// Run by exit() while the window is open.
std::function<void()> onUnexpectedExit;

} // namespace

CPellFieldApp::CPellFieldApp(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

QIcon CPellFieldApp::applicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(applicationId()),
                     QSize(size, size));
    return icon;
}

int CPellFieldApp::run() {
    // Commands for scripts run without a window, and without a display.
    if (int code = 0; runCommandLine(m_argc, m_argv, &code)) return code;

    QApplication app(m_argc, m_argv);
    nameApplication();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(applicationIcon());
    // Ties the window to the installed launcher (the Wayland app id).
    QGuiApplication::setDesktopFileName(applicationId());

    QtPlatform platform;
    CPellFieldDlg dlg(platform, QApplication::arguments());
    platform.setParentWidget(&dlg);

    // Unsaved work outlives the end of the session and a request to terminate:
    // it is kept as a recovery copy (message boxes that are open are closed by
    // leaving every event loop).
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &dlg,
                     [&dlg](QSessionManager&) { dlg.keepUnsavedWork(); });
#endif
    // Nothing may wait for an answer then: what cannot be done is said on the
    // standard error and at the next start, and a hung file system cannot
    // keep the process alive.
    const auto endUnattended = [&dlg, &platform] {
        platform.setUnattended(true);
#ifdef Q_OS_UNIX
        ::alarm(UnattendedEndSeconds);
#endif
        dlg.endWithoutQuestions();
        keepEndReport(platform.unattendedMessages());
    };
    TerminationRequests termination;
    QObject::connect(&termination, &TerminationRequests::requested, &dlg, [&endUnattended] {
        endUnattended();
        QCoreApplication::exit(0);
    });
    // A lost display connection ends the process from inside Qt (exit()); the
    // unsaved work is kept on the way out.
    onUnexpectedExit = [&dlg, &platform] {
        platform.setUnattended(true);
        dlg.keepUnsavedWork();
        keepEndReport(platform.unattendedMessages());
    };
    static const bool registered = std::atexit([] {
                                       if (onUnexpectedExit)
                                           std::exchange(onUnexpectedExit, nullptr)();
                                   }) == 0;
    Q_UNUSED(registered);

    dlg.exec();
    onUnexpectedExit = nullptr;
    return 0;
}

} // namespace zef
