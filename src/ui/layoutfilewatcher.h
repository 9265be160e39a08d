#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace zef {

class LayoutDocument;

// Notices when the document's file is changed by someone else (another window
// on the same file, another program). While the layout has no unsaved
// changes, it offers to reload the file; with unsaved changes it stays quiet,
// and Save asks before replacing the file (saveLayout()).
class LayoutFileWatcher : public QObject {
    Q_OBJECT
public:
    // Changes that arrive within this time are taken as one.
    static constexpr int SettleMs = 300;

    explicit LayoutFileWatcher(LayoutDocument& document, QObject* parent = nullptr);

    // Looks at the file now: the watcher calls it when the file changes, the
    // window when it becomes active again. Returns true when it was reloaded.
    bool check();

private:
    void watchFileName();

    LayoutDocument& m_document;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    bool m_asking = false;
    // The digest of the file the user chose not to reload: not asked again.
    QByteArray m_declined;
};

} // namespace zef
