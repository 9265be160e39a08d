#pragma once

#include <QStringList>

namespace zef {

// Runs a command-line command that needs no window (listing the catalogs,
// exporting or importing a config string, rendering a preview). Returns false
// when the arguments name no such command: the designer window should start.
bool runCommandLine(int& argc, char** argv, int* exitCode);

} // namespace zef
