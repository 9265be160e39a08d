#include "absolutefilename.h"

#include <QDir>
#include <QFileInfo>

namespace zef {

QString absoluteFileName(const QString& name) {
    if (name.isEmpty()) return {};
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty()) return QDir::cleanPath(info.absoluteFilePath());
    return QDir(folder).filePath(info.fileName());
}

} // namespace zef
