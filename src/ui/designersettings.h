#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace zef {

// What the designer remembers besides the window position and the last file,
// in the same settings group: the three view check boxes, the folder each file
// dialog was last used in, and the recently used layout files.
namespace designersettings {

constexpr int MaxRecentFiles = 10;

// The file dialogs that remember their folder.
enum class FileDialog { Open, Append, SaveAs, ExportPreview };

// The three view check boxes and the preview's View menu toggles.
enum class ViewOption { HighlightSelected, DynamicColorGradient, NightMode, PixelGrid, Snapping };

// The recent files, newest first: at most MaxRecentFiles, no empty names.
QStringList recentFiles();
// Puts a file at the front (once, as an absolute path) and stores the list.
void addRecentFile(const QString& path);
// The list with path in front: absolute, once, at most MaxRecentFiles.
QStringList withRecentFile(QStringList list, const QString& path);

// The folder the dialog was last used in, or fallback when none is stored.
QString lastFolder(FileDialog dialog, const QString& fallback = QString());
// Remembers the folder of a file chosen in the dialog.
void rememberFolderOf(FileDialog dialog, const QString& chosenFile);

// Unset: the check boxes off, the pixel grid and snapping on.
bool viewOption(ViewOption option);
void setViewOption(ViewOption option, bool on);

} // namespace designersettings
} // namespace zef
