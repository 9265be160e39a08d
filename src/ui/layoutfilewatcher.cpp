#include "layoutfilewatcher.h"

#include "files/layoutfile.h"
#include "layoutfilecommands.h"
#include "model/layoutdocument.h"
#include "model/platform.h"

#include <QDir>
#include <QFileInfo>

namespace zef {

LayoutFileWatcher::LayoutFileWatcher(LayoutDocument& document, QObject* parent)
    : QObject(parent), m_document(document) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { check(); });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        // A file replaced by renaming another over it (as every careful
        // writer saves) is a new file: it is watched again after the pause.
        m_settle.start();
    });
    connect(&m_document, &LayoutDocument::fileNameChanged, this, &LayoutFileWatcher::watchFileName);
    watchFileName();
}

void LayoutFileWatcher::watchFileName() {
    const QString path = m_document.fileName();
    const QStringList watched = m_watcher.files();
    if (watched.size() == 1 && watched.first() == path) return;
    if (!watched.isEmpty()) m_watcher.removePaths(watched);
    if (!path.isEmpty() && QFileInfo::exists(path)) m_watcher.addPath(path);
    m_declined.clear();
}

bool LayoutFileWatcher::check() {
    if (m_asking) return false;
    const QString path = m_document.fileName();
    if (path.isEmpty()) return false;
    if (!m_watcher.files().contains(path) && QFileInfo::exists(path)) m_watcher.addPath(path);
    // With unsaved changes, Save asks before it replaces the file.
    if (m_document.isModified()) return false;
    if (diskChange(path, m_document.fileStamp()) != DiskChange::Changed) return false;
    const QByteArray now = fileStampNow(path).digest;
    if (!now.isEmpty() && now == m_declined) return false;

    m_asking = true;
    const MessageAnswer answer = m_document.platform().showMessage(
        QStringLiteral("The file \"%1\" was changed by another window or program.\n\nReload it? "
                       "This layout has no unsaved changes.")
            .arg(QDir::toNativeSeparators(path)),
        MessageButtons::YesNo, MessageIcon::Question);
    m_asking = false;
    if (answer != MessageAnswer::Yes) {
        m_declined = now;
        return false;
    }
    return openLayoutFile(m_document, path, false);
}

} // namespace zef
