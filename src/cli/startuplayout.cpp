#include "startuplayout.h"

#include <QDir>
#include <QFileInfo>

namespace zef {

StartupLayout startupLayout(const QString& fileArgument, const QString& lastFile,
                            const QString& programDir) {
    if (!fileArgument.isEmpty()) return {fileArgument};
    if (!lastFile.isEmpty()) return {lastFile};
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("layout.xml"));
    if (QFileInfo::exists(beside)) return {beside};
    for (const QString& installed :
         {QDir::cleanPath(dir.filePath(QStringLiteral(ZEF_DATA_DIR_FROM_BIN "/layout.xml"))),
          QStringLiteral(ZEF_DATA_DIR "/layout.xml")})
        if (QFileInfo(installed).isFile()) return {installed, true};
    return {beside};
}

} // namespace zef
