#pragma once

#include <QString>

namespace zef {

// The layout the window opens at start-up.
struct StartupLayout {
    QString path;
    // The example that comes with the designer: shown untitled, so that a Save
    // asks where to write instead of trying the installed, read-only file.
    bool example = false;
};

// The file named on the command line (fileArgument) when there is one; else
// the last file (lastFile, empty when none was kept); else layout.xml beside
// the program when it is there; else, on a first start of an installed
// designer, the example in its data folder (found as previewFacesPath finds
// fonts.txt). With none of them, layout.xml beside the program, which a later
// Save may write.
StartupLayout startupLayout(const QString& fileArgument, const QString& lastFile,
                            const QString& programDir);

} // namespace zef
