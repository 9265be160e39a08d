#pragma once

#include "model/layoutdocument.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QLockFile;

namespace zef {

// Keeps a recovery copy of a modified layout so that a crash loses at most a
// minute of work. Every interval, while the document is modified, the layout
// is written to a recovery file in the per-user data folder (never over the
// user's own file), with a side file naming the user's file and the time.
// On the next start offerRecovery() asks to bring it back.
//
// The recovery file is removed after a successful save, when the window
// closes without unsaved changes or the user chose not to save them, and when
// the user declines the recovery.
//
// Each running designer holds its own recovery slot (a lock file), so two
// designers at once neither overwrite nor offer each other's copies; a slot
// whose designer died is taken over, and its copy offered, by the next start.
class Autosave : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultInterval = 60 * 1000;
    static constexpr int SlotCount = 8;

    explicit Autosave(LayoutDocument& document, QObject* parent = nullptr);
    ~Autosave() override;

    // Starts the periodic autosave (call after offerRecovery()).
    void start(int intervalMs = DefaultInterval);
    QTimer& timer() { return m_timer; }

    // One autosave step: writes the recovery copy when the document is
    // modified and differs from the copy, removes our copy when it is not
    // modified. True when a copy was written. When a modified layout cannot be
    // protected (no slot, or the folder cannot be written), the user is told
    // once per run.
    bool saveNow();

    // At start-up: when a recovery copy exists, asks whether to recover the
    // unsaved changes to the named file from the copy's time. Yes loads it,
    // gives the document back the user's file name (and what that file held)
    // and leaves it modified; No sets the copy aside (setAsidePath()), the
    // last one declined. True when recovered.
    bool offerRecovery();
    static QString recoveryQuestion(const QString& originalName, const QDateTime& time);
    static QString setAsidePath();

    // The window closes. The user dropped the changes (an explicit No), or
    // none are left: the copy goes. Otherwise (a close that asked nothing, such
    // as the end of the desktop session) a fresh copy of the unsaved layout is
    // written and kept for the next start.
    void windowClosed(bool changesDropped = false);

    // Removes the recovery copy of this slot.
    void discard();

    // False when every slot is held by another running designer.
    bool hasSlot() const { return m_slot >= 0; }
    // Paths of this slot's files (empty without a slot).
    QString recoveryFilePath() const;
    QString savedCopyPath() const;
    QString infoFilePath() const;

    // The per-user folder of the recovery files.
    static QString recoveryFolder();

private:
    void onFileNameChanged();
    void setAside();
    QString slotPath(const QString& suffix) const;
    // Tells the user, once, that unsaved changes are not protected.
    void warnUnprotected(const QString& reason);

    LayoutDocument& m_document;
    QTimer m_timer;
    std::unique_ptr<QLockFile> m_lock;
    int m_slot = -1;
    bool m_recovering = false;
    bool m_warned = false;
    // The copy in our slot is this run's (written, or recovered and kept).
    bool m_owned = false;
    // What the copy holds, so that an unchanged layout is not written again.
    struct Written {
        ElementVector elements;
        ElementVector savedElements;
        int device = -1;
        QString fileName;
    };
    std::optional<Written> m_written;
};

} // namespace zef
