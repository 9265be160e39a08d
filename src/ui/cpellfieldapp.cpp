#include "cpellfieldapp.h"

#include "cli/applicationidentity.h"
#include "cli/commandline.h"
#include "cpellfielddlg.h"
#include "qtplatform.h"

#include <QApplication>
#include <QStyleFactory>

namespace zef {

CPellFieldApp::CPellFieldApp(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

int CPellFieldApp::run() {
    // Commands for scripts run without a window, and without a display.
    if (int code = 0; runCommandLine(m_argc, m_argv, &code)) return code;

    QApplication app(m_argc, m_argv);
    nameApplication();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QtPlatform platform;
    CPellFieldDlg dlg(platform, QApplication::arguments());
    platform.setParentWidget(&dlg);
    dlg.exec();
    return 0;
}

} // namespace zef
