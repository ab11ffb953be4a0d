#include "platform/qt/QtShutdown.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};
std::atomic<int> g_signalCount{0};
static_assert(std::atomic<int>::is_always_lock_free);

// Only async-signal-safe work here: the UI thread picks the byte up. A second signal ends the
// program from here, since the UI thread may be stuck where it cannot pick up the first.
void onSignal(int signal)
{
    if (g_signalCount.fetch_add(1) > 0) {
        static const char text[] = "Veltaro: second signal, ending at once\n";
        [[maybe_unused]] const ssize_t said = ::write(STDERR_FILENO, text, sizeof text - 1);
        ::_exit(128 + signal);
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

void installShutdownHandlers(std::function<void()> onShutdown)
{
    auto shared = std::make_shared<std::function<void()>>(std::move(onShutdown));
    auto* app = QCoreApplication::instance();

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, app);
        QObject::connect(notifier, &QSocketNotifier::activated, app, [shared] {
            char byte = 0;
            [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
            (*shared)();
        });
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

    if (auto* gui = qobject_cast<QGuiApplication*>(app)) {
        QObject::connect(
            gui, &QGuiApplication::commitDataRequest, app, [shared](QSessionManager&) { (*shared)(); },
            Qt::DirectConnection);
    }
}
