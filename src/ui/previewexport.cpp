#include "previewexport.h"

#include "designersettings.h"
#include "model/layoutdocument.h"
#include "model/platform.h"
#include "preview/previewrenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace zef {

bool exportPreviewImage(LayoutDocument& document, PreviewRenderer& renderer) {
    using namespace designersettings;
    Platform& platform = document.platform();
    const QImage image = renderer.RenderPreviewImage();
    if (image.isNull()) return false; // no device selected

    // The layout's name with ".png", in the folder last exported to.
    const QFileInfo layout(document.fileName());
    const QString name =
        layout.completeBaseName().isEmpty() ? QStringLiteral("preview") : layout.completeBaseName();
    const QString folder =
        lastFolder(FileDialog::ExportPreview,
                   document.fileName().isEmpty() ? QDir::homePath() : layout.absolutePath());
    const QString path =
        platform.getSaveFileName(QDir(folder).filePath(name + QStringLiteral(".png")),
                                 QStringLiteral("PNG images (*.png)"), QStringLiteral("png"));
    if (path.isEmpty()) return false;
    rememberFolderOf(FileDialog::ExportPreview, path);
    if (!image.save(path, "PNG")) {
        platform.showMessage(QStringLiteral("The preview could not be saved to \"%1\".")
                                 .arg(QDir::toNativeSeparators(path)),
                             MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }
    return true;
}

} // namespace zef
