#include "designersettings.h"

#include "model/absolutefilename.h"
#include "settingskeys.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zef::designersettings {

namespace {

using settingskeys::Group;
using settingskeys::RecentFiles;

QString folderKey(FileDialog dialog) {
    switch (dialog) {
    case FileDialog::Open:
        return QStringLiteral("folder_open");
    case FileDialog::Append:
        return QStringLiteral("folder_append");
    case FileDialog::SaveAs:
        return QStringLiteral("folder_save_as");
    case FileDialog::ExportPreview:
        return QStringLiteral("folder_export_preview");
    }
    return {};
}

QString viewKey(ViewOption option) {
    switch (option) {
    case ViewOption::HighlightSelected:
        return QStringLiteral("view_highlight_selected");
    case ViewOption::DynamicColorGradient:
        return QStringLiteral("view_gradient");
    case ViewOption::NightMode:
        return QStringLiteral("view_night_mode");
    case ViewOption::PixelGrid:
        return QStringLiteral("view_pixel_grid");
    case ViewOption::Snapping:
        return QStringLiteral("view_snapping");
    }
    return {};
}

// The settings store, opened in the designer's group.
struct Store {
    QSettings settings;
    Store() { settings.beginGroup(Group); }
};

} // namespace

QStringList withRecentFile(QStringList list, const QString& path) {
    if (path.isEmpty()) return list;
    const QString absolute = absoluteFileName(path);
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > MaxRecentFiles) list.removeLast();
    return list;
}

QStringList recentFiles() {
    Store store;
    // A damaged value of another type reads as no list.
    QStringList list = store.settings.value(RecentFiles).toStringList();
    list.removeAll(QString());
    // A relative name (kept by an older designer) meant a file in the working
    // folder of that run, which is not known.
    list.removeIf([](const QString& name) { return !QDir::isAbsolutePath(name); });
    list.removeDuplicates();
    while (list.size() > MaxRecentFiles) list.removeLast();
    return list;
}

void addRecentFile(const QString& path) {
    if (path.isEmpty()) return;
    const QStringList list = withRecentFile(recentFiles(), path);
    Store store;
    store.settings.setValue(RecentFiles, list);
}

QString lastFolder(FileDialog dialog, const QString& fallback) {
    Store store;
    const QString folder = store.settings.value(folderKey(dialog)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

void rememberFolderOf(FileDialog dialog, const QString& chosenFile) {
    if (chosenFile.isEmpty()) return;
    Store store;
    store.settings.setValue(folderKey(dialog), QFileInfo(chosenFile).absolutePath());
}

bool viewOption(ViewOption option) {
    Store store;
    const bool onByDefault = option == ViewOption::PixelGrid || option == ViewOption::Snapping;
    return store.settings.value(viewKey(option), onByDefault).toBool();
}

void setViewOption(ViewOption option, bool on) {
    Store store;
    store.settings.setValue(viewKey(option), on);
}

} // namespace zef::designersettings
