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

FileStamp fileStampNow(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.read(MaxLayoutFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return {};
    return fileStampOf(info.lastModified(), bytes);
}

DiskChange diskChange(const QString& path, const FileStamp& stamp) {
    if (stamp.isNull()) return DiskChange::None;
    const QFileInfo info(path);
    if (!info.exists()) return DiskChange::Removed;
    if (info.size() != stamp.size) return DiskChange::Changed;
    // The same size: the contents decide. File times are too coarse for two
    // saves in quick succession, and a file touched but not changed is the
    // same file. One that cannot be read any more is not what was written.
    const FileStamp now = fileStampNow(path);
    return !now.isNull() && now.digest == stamp.digest ? DiskChange::None : DiskChange::Changed;
}

} // namespace zef
