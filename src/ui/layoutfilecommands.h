#pragma once

#include "cli/documentio.h"

namespace zef {

class LayoutDocument;

// Save, Save as, Load and Append with their dialogs and messages.

// Save (saveAs false) and Save as (true), with the file dialog through the
// platform where needed. Returns true when the file was written; a failure is
// told to the user and leaves the document modified.
bool saveLayout(LayoutDocument& document, bool saveAs);

// Load (append false) and Append (true) through the file dialog. A chosen file
// that cannot be read as a layout is told in a message. True when loaded.
bool openLayoutDialog(LayoutDocument& document, bool append);
// The same for a file already chosen (the recent-files menu).
bool openLayoutFile(LayoutDocument& document, const QString& path, bool append);

// Before the layout is replaced: a modified layout is offered for saving.
// False when the user cancelled (or the save failed): keep the layout.
bool askToSaveChanges(LayoutDocument& document);

// The start-up load of the document's file: silent; a missing or unreadable
// file leaves the document empty and keeps its file name, so that Save writes
// there.
LoadResult loadStartupLayout(LayoutDocument& document);

} // namespace zef
