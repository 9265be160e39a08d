#pragma once

#include <QString>

namespace zef {

// The application object: names the settings store, handles the command-line
// commands that need no window, and otherwise runs the designer window modally.
class CPellFieldApp {
public:
    CPellFieldApp(int& argc, char** argv);
    int run();

private:
    int& m_argc;
    char** m_argv;
};

} // namespace zef
