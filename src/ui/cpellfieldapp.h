#pragma once

#include <QString>

namespace zef {

// The application object: names the settings store, handles the command-line
// commands that need no window, and otherwise runs the designer window modally.
class CPellFieldApp {
public:
    CPellFieldApp(int& argc, char** argv);
    int run();

    // "PellSoft" / executable base name / group "ZEFDesigner".
    static QString organizationName() { return QStringLiteral("PellSoft"); }

    // Names the settings store and the per-user data folder
    // (~/.local/share/PellSoft/<executable base name>/): the command line and the
    // window each call it at once after making their application object, before
    // anything is looked up there.
    static void nameApplication();

private:
    int& m_argc;
    char** m_argv;
};

} // namespace zef
