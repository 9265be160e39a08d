#include "autosave.h"

#include "catalog/catalogs.h"
#include "cli/documentio.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"
#include "model/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace zef {

namespace {

const QString KeyFile = QStringLiteral("file");
const QString KeyTime = QStringLiteral("time");
// What the user's file held when the layout was last read from it or saved,
// so that a recovered layout still notices a change made to it since.
const QString KeyFileSize = QStringLiteral("file_size");
const QString KeyFileTime = QStringLiteral("file_modified");
const QString KeyFileDigest = QStringLiteral("file_sha256");

QJsonObject stampToJson(const FileStamp& stamp, QJsonObject info) {
    if (stamp.isNull()) return info;
    info.insert(KeyFileSize, QString::number(stamp.size));
    info.insert(KeyFileTime, stamp.modified.toString(Qt::ISODateWithMs));
    info.insert(KeyFileDigest, QString::fromLatin1(stamp.digest.toHex()));
    return info;
}

FileStamp stampFromJson(const QJsonObject& info) {
    FileStamp stamp;
    bool ok = false;
    const qint64 size = info.value(KeyFileSize).toString().toLongLong(&ok);
    const QDateTime modified =
        QDateTime::fromString(info.value(KeyFileTime).toString(), Qt::ISODateWithMs);
    const QByteArray digest = QByteArray::fromHex(info.value(KeyFileDigest).toString().toLatin1());
    if (!ok || size < 0 || !modified.isValid() || digest.size() != 32) return stamp;
    stamp.size = size;
    stamp.modified = modified;
    stamp.digest = digest;
    return stamp;
}

QString slotBase(int slot) {
    return slot == 0 ? QStringLiteral("recovery") : QStringLiteral("recovery-%1").arg(slot);
}

QString pathInFolder(int slot, const QString& suffix) {
    return QDir(Autosave::recoveryFolder()).filePath(slotBase(slot) + suffix);
}

bool writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

Autosave::Autosave(LayoutDocument& document, QObject* parent)
    : QObject(parent), m_document(document) {
    QDir().mkpath(recoveryFolder());
    // Take a slot no running designer holds, preferring one with a copy left
    // by a designer that ended without cleaning up.
    const auto take = [this](int slot) {
        auto lock = std::make_unique<QLockFile>(pathInFolder(slot, QStringLiteral(".lock")));
        // Only a dead owner makes a lock stale, however old it is.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) return false;
        m_lock = std::move(lock);
        m_slot = slot;
        return true;
    };
    for (int slot = 0; slot < SlotCount && m_slot < 0; ++slot)
        if (QFileInfo::exists(pathInFolder(slot, QStringLiteral(".xml")))) take(slot);
    for (int slot = 0; slot < SlotCount && m_slot < 0; ++slot) take(slot);
    connect(&m_timer, &QTimer::timeout, this, [this] { saveNow(); });
    connect(&m_document, &LayoutDocument::fileNameChanged, this, &Autosave::onFileNameChanged);
}

Autosave::~Autosave() = default;

QString Autosave::recoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Autosave::slotPath(const QString& suffix) const {
    return m_slot < 0 ? QString() : pathInFolder(m_slot, suffix);
}

QString Autosave::recoveryFilePath() const {
    return slotPath(QStringLiteral(".xml"));
}
QString Autosave::savedCopyPath() const {
    return slotPath(QStringLiteral("-saved.xml"));
}
QString Autosave::infoFilePath() const {
    return slotPath(QStringLiteral(".json"));
}

void Autosave::start(int intervalMs) {
    m_timer.start(intervalMs);
}

bool Autosave::saveNow() {
    if (m_recovering) return false;
    if (m_slot < 0) {
        if (m_document.isModified()) {
            const QFileInfo folder(recoveryFolder());
            warnUnprotected(folder.isDir() && folder.isWritable()
                                ? QStringLiteral("every recovery slot in \"%1\" is held by "
                                                 "another running designer")
                                      .arg(QDir::toNativeSeparators(recoveryFolder()))
                                : QStringLiteral("the folder \"%1\" cannot be written")
                                      .arg(QDir::toNativeSeparators(recoveryFolder())));
        }
        return false;
    }
    if (!m_document.isModified()) {
        // Back at the saved state (an undo, say): our copy is no longer news.
        if (m_owned) discard();
        return false;
    }
    const Written state{m_document.elements(), m_document.savedElements(),
                        m_document.selectedDevice(), m_document.fileName()};
    if (m_owned && m_written && isSameLayout(m_written->elements, state.elements) &&
        isSameLayout(m_written->savedElements, state.savedElements) &&
        m_written->device == state.device && m_written->fileName == state.fileName &&
        QFileInfo::exists(recoveryFilePath()))
        return false;

    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray current = layoutFileBytes(m_document, now);
    if (current.isEmpty()) return false;

    // The saved state, so that a recovered layout still tells its unsaved
    // changes from the user's file.
    const DeviceInfo* device = m_document.device();
    const QByteArray saved =
        layoutFileBytes(m_document.savedElements(), device ? device->name : QString(),
                        m_document.catalogs().valueTypes, now);

    QJsonObject info;
    info.insert(KeyFile, m_document.fileName());
    info.insert(KeyTime, now.toString(Qt::ISODateWithMs));
    info = stampToJson(m_document.fileStamp(), info);

    QDir().mkpath(recoveryFolder());
    // The layout last: a copy without its side files is still recoverable.
    const bool written = writeWhole(infoFilePath(), QJsonDocument(info).toJson()) &&
                         writeWhole(savedCopyPath(), saved) &&
                         writeWhole(recoveryFilePath(), current);
    if (written) {
        m_owned = true;
        m_written = state;
    } else {
        warnUnprotected(QStringLiteral("the recovery copy \"%1\" cannot be written")
                            .arg(QDir::toNativeSeparators(recoveryFilePath())));
    }
    return written;
}

void Autosave::warnUnprotected(const QString& reason) {
    if (m_warned) return;
    m_warned = true;
    m_document.platform().showMessage(
        QStringLiteral("Unsaved changes are not protected against a crash: %1.\n\nSave your "
                       "work yourself until this is put right. This is said once per run.")
            .arg(reason),
        MessageButtons::Ok, MessageIcon::Warning);
}

bool Autosave::offerRecovery() {
    const QString path = recoveryFilePath();
    if (path.isEmpty() || !QFileInfo::exists(path)) return false;

    QString originalName;
    QDateTime time;
    FileStamp originalStamp;
    QFile infoFile(infoFilePath());
    if (infoFile.open(QIODevice::ReadOnly)) {
        const QJsonObject info = QJsonDocument::fromJson(infoFile.read(64 * 1024)).object();
        originalName = info.value(KeyFile).toString();
        time = QDateTime::fromString(info.value(KeyTime).toString(), Qt::ISODateWithMs);
        originalStamp = stampFromJson(info);
    }
    if (!time.isValid()) time = QFileInfo(path).lastModified();
    // A name kept relative (by an older designer) meant a file in the working
    // folder of that run, which is not known: the layout is restored untitled
    // rather than saved over a file of the same name somewhere else.
    const bool knownFile = !originalName.isEmpty() && QDir::isAbsolutePath(originalName);

    // A copy that does not read back as a layout is not worth a question.
    const ValueTypeCatalog& catalog = m_document.catalogs().valueTypes;
    const LayoutReadResult recovered = readLayoutFile(path, catalog);
    if (recovered.status != LoadStatus::Loaded) {
        discard();
        return false;
    }

    if (m_document.platform().showMessage(
            recoveryQuestion(knownFile ? originalName : QString(), time), MessageButtons::YesNo,
            MessageIcon::Question) != MessageAnswer::Yes) {
        setAside();
        return false;
    }

    const LayoutReadResult savedCopy = readLayoutFile(savedCopyPath(), catalog);
    const ElementVector savedElements =
        savedCopy.status == LoadStatus::Loaded ? savedCopy.content.elements : ElementVector();

    m_recovering = true;
    // Save goes to the user's file, and the layout stays modified against
    // what that file held.
    m_document.restoreRecovered(
        recovered.content.elements,
        m_document.catalogs().devices.findDeviceByName(recovered.content.deviceName),
        knownFile ? originalName : QString(), savedElements,
        knownFile ? originalStamp : FileStamp());
    if (!knownFile) m_document.setUntitled(QFileInfo(originalName).fileName());
    m_recovering = false;
    // The copy stays until the recovered layout is saved: a second crash
    // before the next autosave still finds it.
    m_owned = true;
    return true;
}

QString Autosave::recoveryQuestion(const QString& originalName, const QDateTime& time) {
    const QString when = time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString what = originalName.isEmpty()
                             ? QStringLiteral("an untitled layout")
                             : QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(originalName));
    return QStringLiteral("Recover the unsaved changes to %1 from %2?\n\nNo sets the copy aside "
                          "as \"%3\" (replacing one set aside before).")
        .arg(what, when, QDir::toNativeSeparators(setAsidePath()));
}

QString Autosave::setAsidePath() {
    return QDir(recoveryFolder()).filePath(QStringLiteral("declined-recovery.xml"));
}

void Autosave::setAside() {
    // Declined is not destroyed: a wrong answer can still be undone by hand.
    QFile::remove(setAsidePath());
    if (!QFile::rename(recoveryFilePath(), setAsidePath()))
        QFile::copy(recoveryFilePath(), setAsidePath());
    discard();
}

void Autosave::windowClosed(bool changesDropped) {
    m_timer.stop();
    if (changesDropped || !m_document.isModified())
        discard();
    else
        saveNow();
}

void Autosave::discard() {
    if (m_slot < 0) return;
    QFile::remove(recoveryFilePath());
    QFile::remove(savedCopyPath());
    QFile::remove(infoFilePath());
    m_owned = false;
    m_written.reset();
}

void Autosave::onFileNameChanged() {
    // A save (or a load that replaced the layout) left nothing unsaved. A copy
    // not yet offered (the start-up file is loaded before the question) stays.
    if (m_owned && !m_recovering && !m_document.isModified()) discard();
}

} // namespace zef
