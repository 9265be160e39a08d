#include "layoutfilecommands.h"

#include "designersettings.h"
#include "model/layoutdocument.h"
#include "model/platform.h"

#include <QDir>
#include <QFileInfo>

namespace zef {

bool saveLayout(LayoutDocument& document, bool saveAs) {
    // An empty layout is never saved, not even through Save as.
    if (document.elements().empty()) return false;
    Platform& platform = document.platform();

    if (saveAs || document.fileName().size() < 2) {
        using namespace designersettings;
        // The file's own name, in the folder Save as was last used in.
        const QString current = document.fileName();
        const QString folder = lastFolder(FileDialog::SaveAs);
        const QString suggested = folder.isEmpty() || current.isEmpty()
                                      ? current
                                      : QDir(folder).filePath(QFileInfo(current).fileName());
        const QString chosen =
            platform.getSaveFileName(suggested, layoutFileFilter(), layoutFileSuffix());
        if (chosen.isEmpty()) return false;
        rememberFolderOf(FileDialog::SaveAs, chosen);
        // Taken before writing, so that a failed save still names the file.
        document.setFileName(chosen);
    }
    const QString path = document.fileName();
    if (path.size() < 2) return false;

    QString error;
    if (!writeLayoutFile(document, path, &error)) {
        platform.showMessage(QStringLiteral("The layout could not be saved to \"%1\".\n\n%2\n\n"
                                            "An existing file of that name was left unchanged.")
                                 .arg(QDir::toNativeSeparators(path), error),
                             MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }
    document.markSaved(path);
    return true;
}

bool askToSaveChanges(LayoutDocument& document) {
    if (!document.isModified() || document.elements().empty()) return true;
    switch (document.platform().showMessage(QStringLiteral("Do you want to save your changes?"),
                                            MessageButtons::YesNoCancel, MessageIcon::Question)) {
    case MessageAnswer::Yes:
        return saveLayout(document, false);
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

bool openLayoutDialog(LayoutDocument& document, bool append) {
    using namespace designersettings;
    const FileDialog dialog = append ? FileDialog::Append : FileDialog::Open;
    const QString startDir = lastFolder(
        dialog,
        document.fileName().isEmpty() ? QString() : QFileInfo(document.fileName()).absolutePath());
    const QString path = document.platform().getOpenFileName(startDir, layoutFileFilter());
    if (path.isEmpty()) return false;
    rememberFolderOf(dialog, path);
    return openLayoutFile(document, path, append);
}

bool openLayoutFile(LayoutDocument& document, const QString& path, bool append) {
    Platform& platform = document.platform();
    // A Load replaces the layout: unsaved work is offered for saving first.
    if (!append && !askToSaveChanges(document)) return false;
    const LoadResult result = loadLayout(document, path, append);
    if (result.status == LoadStatus::Loaded) return true;
    platform.showMessage(QStringLiteral("The file \"%1\" cannot be loaded as a layout.\n\n%2")
                             .arg(QDir::toNativeSeparators(path), result.error),
                         MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

LoadResult loadStartupLayout(LayoutDocument& document) {
    return loadLayout(document, document.fileName(), false);
}

} // namespace zef
