#include "layoutfilecommands.h"

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
        const QString chosen =
            platform.getSaveFileName(document.fileName(), layoutFileFilter(), layoutFileSuffix());
        if (chosen.isEmpty()) return false;
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

bool openLayoutDialog(LayoutDocument& document, bool append) {
    Platform& platform = document.platform();
    const QString startDir =
        document.fileName().isEmpty() ? QString() : QFileInfo(document.fileName()).absolutePath();
    const QString path = platform.getOpenFileName(startDir, layoutFileFilter());
    if (path.isEmpty()) return false;
    // A Load replaces the layout: unsaved work is offered for saving first.
    if (!append && document.isModified() && !document.elements().empty()) {
        switch (platform.showMessage(QStringLiteral("Do you want to save your changes?"),
                                     MessageButtons::YesNoCancel, MessageIcon::Question)) {
        case MessageAnswer::Yes:
            if (!saveLayout(document, false)) return false;
            break;
        case MessageAnswer::No:
            break;
        default:
            return false;
        }
    }
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
