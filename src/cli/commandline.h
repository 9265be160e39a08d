#pragma once

#include <QProcessEnvironment>
#include <QStringList>

#include <optional>

class QTextStream;

namespace zef {

// Runs a command-line command that needs no window (listing the catalogs,
// exporting or importing a config string, rendering a preview), and answers
// --help and --version. Wrong arguments print the error and the usage line on
// stderr and exit with 2; with no display for the window it prints why and exits
// with 1. Returns false when the arguments ask for the designer window (at most
// one layout file, and Qt's own options such as -style) and it can be shown.
bool runCommandLine(int& argc, char** argv, int* exitCode);

// What the arguments (the executable first) ask for. Exit: --help or --version
// were printed to out (exit code 0), or the error and the usage line to err (2).
struct ArgumentCheck {
    enum Outcome { Window, Command, Exit };
    Outcome outcome = Window;
    int exitCode = 0;
};
ArgumentCheck checkArguments(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The one line printed instead of starting the window when Qt would find no
// display: neither DISPLAY nor WAYLAND_DISPLAY is set and no platform is chosen
// (QT_QPA_PLATFORM, or platformOption for the -platform argument). Nothing when
// the window can be tried.
std::optional<QString> noDisplayMessage(const QProcessEnvironment& environment,
                                        bool platformOption);

} // namespace zef
