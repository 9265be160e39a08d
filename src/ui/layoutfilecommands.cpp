#include "layoutfilecommands.h"

#include "designersettings.h"
#include "model/layoutdocument.h"
#include "model/platform.h"

#include <QDir>
#include <QFileInfo>

namespace zef {

QString saveFailureText(const QString& path, const QString& error) {
    const QFileInfo file(path);
    const QString folderPath = QDir::toNativeSeparators(file.absolutePath());
    const QFileInfo folder(file.absolutePath());
    QString reason;
    // Where the folder is the cause, it is named; the system's words for the
    // file would only say that the file could not be opened.
    if (!folder.exists())
        reason = QStringLiteral("The folder \"%1\" does not exist (it may have been moved or "
                                "deleted).")
                     .arg(folderPath);
    else if (!folder.isDir())
        reason = QStringLiteral("\"%1\" is not a folder.").arg(folderPath);
    else if (!folder.isWritable())
        reason = QStringLiteral("The folder \"%1\" cannot be written (%2).").arg(folderPath, error);
    else
        reason = error;
    if (file.isFile()) reason += QStringLiteral("\n\nThe existing file was left unchanged.");
    return QStringLiteral("The layout could not be saved to \"%1\".\n\n%2\n\nUse Save as to "
                          "save it elsewhere.")
        .arg(QDir::toNativeSeparators(path), reason);
}

bool saveLayout(LayoutDocument& document, bool saveAs) {
    // An empty layout is never saved, not even through Save as.
    if (document.elements().empty()) return false;
    Platform& platform = document.platform();

    if (saveAs || document.fileName().size() < 2) {
        using namespace designersettings;
        // The layout's own name (or the suggested one), in the folder Save as
        // was last used in.
        const QString current = document.suggestedFileName();
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

    // Another window or program wrote the file since this layout was read from
    // it or saved to it: replacing it would lose that work unasked.
    if (diskChange(path, document.fileStamp()) == DiskChange::Changed) {
        switch (platform.showMessage(changedOnDiskText(path), MessageButtons::ReplaceSaveAsCancel,
                                     MessageIcon::Warning)) {
        case MessageAnswer::Replace:
            break;
        case MessageAnswer::SaveAs:
            return saveLayout(document, true);
        default:
            return false;
        }
    }

    QString error;
    FileStamp stamp;
    if (!writeLayoutFile(document, path, &error, &stamp)) {
        platform.showMessage(saveFailureText(path, error), MessageButtons::Ok,
                             MessageIcon::Critical);
        return false;
    }
    document.markSaved(path, stamp);
    return true;
}

QString changedOnDiskText(const QString& path) {
    return QStringLiteral("The file \"%1\" was changed by another window or program since this "
                          "layout was opened or saved.\n\nReplace it with this layout (its "
                          "changes are lost), save this layout as another file, or cancel?")
        .arg(QDir::toNativeSeparators(path));
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
    const auto read = [&] {
        LayoutReadResult result = readLayoutFor(document, path, append);
        if (result.status != LoadStatus::Loaded)
            document.platform().showMessage(
                QStringLiteral("The file \"%1\" cannot be loaded as a layout.\n\n%2")
                    .arg(QDir::toNativeSeparators(path), result.error),
                MessageButtons::Ok, MessageIcon::Warning);
        return result;
    };
    // A Load replaces the layout: unsaved work is offered for saving first.
    // The file is read before the question, so that one that cannot be loaded
    // is told without it and changes nothing, and again after it: what was
    // read is not held while the question is open, and the file may have
    // changed meanwhile.
    if (!append && document.isModified()) {
        if (read().status != LoadStatus::Loaded) return false;
        if (!mayDiscardLayout(askToSaveChanges(document))) return false;
    }
    const LayoutReadResult result = read();
    if (result.status != LoadStatus::Loaded) return false;
    return loadReadLayout(document, result, path, append).status == LoadStatus::Loaded;
}

LoadResult loadStartupLayout(LayoutDocument& document) {
    const QString path = document.fileName();
    const LoadResult result = loadLayout(document, path, false);
    if (result.status == LoadStatus::Loaded) return result;
    // Only a file the layout came from may be replaced by a plain Save; Save
    // as starts at the named file.
    document.setUntitled(path);
    // A missing file is the usual first start; a file that is there but
    // cannot be opened is the user's, and is told.
    if (result.status != LoadStatus::Unreadable || QFileInfo(path).isFile())
        document.platform().showMessage(QStringLiteral("The file \"%1\" was not opened.\n\n%2")
                                            .arg(QDir::toNativeSeparators(path), result.error),
                                        MessageButtons::Ok, MessageIcon::Warning);
    return result;
}

UnsavedChanges askToSaveChanges(LayoutDocument& document) {
    if (!document.isModified()) return UnsavedChanges::None;
    // An empty layout is never saved, so there is nothing to offer.
    if (document.elements().empty()) return UnsavedChanges::Dropped;
    switch (document.platform().showMessage(QStringLiteral("Do you want to save your changes?"),
                                            MessageButtons::YesNoCancel, MessageIcon::Question)) {
    case MessageAnswer::Yes:
        // A failed save has been told; a cancelled Save as is the user's
        // choice not to go on. Either way the layout stays.
        return saveLayout(document, false) ? UnsavedChanges::Saved : UnsavedChanges::Kept;
    case MessageAnswer::No:
        return UnsavedChanges::Dropped;
    default:
        return UnsavedChanges::Kept;
    }
}

bool newLayout(LayoutDocument& document) {
    if (!mayDiscardLayout(askToSaveChanges(document))) return false;
    document.newLayout();
    return true;
}

} // namespace zef
