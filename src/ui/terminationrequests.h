#pragma once

#include <QObject>

class QSocketNotifier;

namespace zef {

// Turns the signals by which a process is asked to end (SIGTERM, SIGHUP when
// the terminal or session goes, SIGINT) into a Qt signal on the user-interface
// thread, so that the designer keeps unsaved work before it ends instead of
// being killed with it. The handler only writes the signal's number into a
// socket pair; everything else happens in the event loop.
class TerminationRequests : public QObject {
    Q_OBJECT
public:
    // Installs the handlers for the life of the object (one per process).
    explicit TerminationRequests(QObject* parent = nullptr);
    ~TerminationRequests() override;

    // False where the platform has no such signals or the pair could not be made.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void requested(int signalNumber);

private:
    void readRequest();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace zef
