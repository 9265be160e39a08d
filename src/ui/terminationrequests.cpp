#include "terminationrequests.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace zef {

#ifdef Q_OS_UNIX

namespace {

// [0] is written by the handler, [1] read by the notifier.
int requestPipe[2] = {-1, -1};
constexpr int HandledSignals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void onTerminationSignal(int signalNumber) {
    // Only async-signal-safe calls here.
    const char number = static_cast<char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(requestPipe[0], &number, 1);
}

} // namespace

TerminationRequests::TerminationRequests(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, requestPipe) != 0) return;
    m_notifier = new QSocketNotifier(requestPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationRequests::readRequest);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : HandledSignals) ::sigaction(s, &action, nullptr);
}

TerminationRequests::~TerminationRequests() {
    if (!m_notifier) return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int s : HandledSignals) ::sigaction(s, &action, nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(requestPipe[0]);
    ::close(requestPipe[1]);
    requestPipe[0] = requestPipe[1] = -1;
}

void TerminationRequests::readRequest() {
    char number = 0;
    if (::read(requestPipe[1], &number, 1) == 1) emit requested(number);
}

#else

TerminationRequests::TerminationRequests(QObject* parent) : QObject(parent) {}
TerminationRequests::~TerminationRequests() = default;
void TerminationRequests::readRequest() {}

#endif

} // namespace zef
