// Telling whether a layout file still holds what the designer read or wrote.
#include "layoutfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace zef {

FileStamp fileStampOf(const QDateTime& modified, const QByteArray& contents) {
    FileStamp stamp;
    stamp.size = contents.size();
    stamp.modified = modified;
    stamp.digest = QCryptographicHash::hash(contents, QCryptographicHash::Sha256);
    return stamp;
}

DiskChange diskChange(const QString& path, const FileStamp& stamp) {
    if (stamp.isNull()) return DiskChange::None;
    const QFileInfo info(path);
    if (!info.exists()) return DiskChange::Removed;
    if (info.size() == stamp.size && info.lastModified() == stamp.modified) return DiskChange::None;
    // Another time or size: the contents decide. A file that cannot be read
    // any more is not what was written.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return DiskChange::Changed;
    const QByteArray bytes = file.read(MaxLayoutFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return DiskChange::Changed;
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256) == stamp.digest
               ? DiskChange::None
               : DiskChange::Changed;
}

} // namespace zef
