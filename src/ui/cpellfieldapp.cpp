#include "cpellfieldapp.h"

#include "cli/applicationidentity.h"
#include "cli/commandline.h"
#include "cpellfielddlg.h"
#include "qtplatform.h"
#include "terminationrequests.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <QStyleFactory>

namespace zef {

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
    TerminationRequests termination;
    QObject::connect(&termination, &TerminationRequests::requested, &dlg, [&dlg] {
        dlg.endWithoutQuestions();
        QCoreApplication::exit(0);
    });

    dlg.exec();
    return 0;
}

} // namespace zef
