#pragma once

#include <QString>

namespace zef {

// "PellSoft": the settings store and the per-user data folder are named after
// it and the executable.
QString organizationName();

// Names the settings store and the per-user data folder
// (~/.local/share/PellSoft/<executable base name>/): the command line and the
// window each call it at once after making their application object, before
// anything is looked up there.
void nameApplication();

} // namespace zef
