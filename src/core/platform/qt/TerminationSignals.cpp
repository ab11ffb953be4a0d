#include "core/platform/qt/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};
std::atomic<int> g_signalCount{0};
static_assert(std::atomic<int>::is_always_lock_free);
// Put into the reader's language before the handler is installed: the handler may not do that work.
QByteArray g_secondSignalText;

// Only async-signal-safe work here: the event loop picks the byte up. A second signal ends the
// program from here, since the event loop may be stuck where it cannot pick up the first.
void onSignal(int signal)
{
    if (g_signalCount.fetch_add(1) > 0) {
        [[maybe_unused]] const ssize_t said =
            ::write(STDERR_FILENO, g_secondSignalText.constData(), size_t(g_secondSignalText.size()));
        ::_exit(128 + signal);
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

void onTerminationSignals(std::function<void()> handler)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* app = QCoreApplication::instance();
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [handler = std::move(handler)] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
        handler();
    });
    g_secondSignalText =
        QCoreApplication::translate("TerminationSignals", "second signal, ending at once").toLocal8Bit() + '\n';
    struct sigaction action = {};
    action.sa_handler = onSignal;
    // One handler at a time, so that the count is never raced.
    sigemptyset(&action.sa_mask);
    for (const int blocked : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&action.sa_mask, blocked);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}
