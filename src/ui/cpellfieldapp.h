#pragma once

#include <QIcon>
#include <QString>

namespace zef {

// The application object: names the settings store, handles the command-line
// commands that need no window, and otherwise runs the designer window modally.
class CPellFieldApp {
public:
    CPellFieldApp(int& argc, char** argv);
    int run();

    // The name of the launcher, metainfo and icon files (res/linux/, res/icons/).
    static QString applicationId() { return QStringLiteral("de.pellsoft.ZefDesigner"); }
    // The window icon in every size of res/icons/hicolor.
    static QIcon applicationIcon();

private:
    int& m_argc;
    char** m_argv;
};

} // namespace zef
