#pragma once

#include "cli/documentio.h"

namespace zef {

class LayoutDocument;

// Save, Save as, Load and Append with their dialogs and messages.

// Save (saveAs false) and Save as (true), with the file dialog through the
// platform where needed. Returns true when the file was written; a failure is
// told to the user and leaves the document modified.
bool saveLayout(LayoutDocument& document, bool saveAs);

// The question before Save replaces a file that another window or program
// changed since the layout was read from it or saved to it.
QString changedOnDiskText(const QString& path);

// The message for a failed save: names the folder when the folder is the
// cause, and says that an existing file was left unchanged only when there is one.
QString saveFailureText(const QString& path, const QString& error);

// Load (append false) and Append (true) through the file dialog. A chosen file
// that cannot be read as a layout is told in a message. True when loaded.
bool openLayoutDialog(LayoutDocument& document, bool append);
// The same for a file already chosen (the recent-files menu).
bool openLayoutFile(LayoutDocument& document, const QString& path, bool append);

// The start-up load of the document's file. A file that cannot be loaded
// leaves an empty, untitled layout (Save asks where to write); a missing file
// is not reported, any other file that cannot be loaded is (a layout for a
// device the catalog does not know, a file refused as too large), since the
// user named that file or last worked on it.
LoadResult loadStartupLayout(LayoutDocument& document);

// What became of unsaved changes when the user was asked about them.
enum class UnsavedChanges {
    None,    // there were none
    Saved,   // Yes, and the layout was written
    Dropped, // No (or an empty layout, which is never saved)
    Kept,    // Cancel, a cancelled Save as, or a failed save: keep the layout
};

// Asks "Do you want to save your changes?" (Yes, No, Cancel) before something
// replaces or closes a layout with unsaved changes; Yes saves it (through the
// Save as dialog when it is untitled).
UnsavedChanges askToSaveChanges(LayoutDocument& document);
// True when the answer lets the layout be replaced or closed.
inline bool mayDiscardLayout(UnsavedChanges answer) {
    return answer != UnsavedChanges::Kept;
}

// New: after the question about unsaved changes, an empty untitled layout on
// the selected device. False when the user kept the old layout.
bool newLayout(LayoutDocument& document);

} // namespace zef
