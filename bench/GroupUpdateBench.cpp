// An update of 1,000 checked groups against the reference server on loopback: one connection per
// group, all opened at once. Reports the time until every reply has arrived, the time until the
// exchange has unloaded, and whether any file descriptor outlived it.
#include "core/client/UpdateClient.h"
#include "core/net/ServerExchange.h"
#include "core/platform/qt/QtSockets.h"
#include "core/platform/qt/QtTimers.h"
#include "core/protocol/Requests.h"
#include "desktop/DesktopWindows.h"
#include "desktop/main/MainWindow.h"
#include "support/fakes/FakePlatform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

constexpr int kGroups = 1000;
constexpr int kWaitMs = 30'000;

int openFileDescriptors()
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs = kWaitMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wakeUp;
    wakeUp.start(5);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The reference server with one account of kGroups groups.
class Server
{
public:
    Server()
    {
        QString accounts = QStringLiteral("account BENCH BENCH\n");
        for (int group = 0; group < kGroups; ++group)
            accounts += QStringLiteral("group G%1\nhost H%1\n").arg(group);
        const QString accountsPath = m_dir.filePath(QStringLiteral("accounts.txt"));
        QFile file(accountsPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(accounts.toUtf8()) < 0)
            return;
        file.close();

        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { collect(); });
        m_process.start(serverBinary(), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--http-port"),
                                         QStringLiteral("0"), QStringLiteral("--accounts"), accountsPath});
        waitUntil([this] { return port != 0 || m_process.state() == QProcess::NotRunning; }, 5000);
    }

    ~Server()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }

    quint16 port = 0;
    int updated = 0;

private:
    static QString serverBinary()
    {
        const QString fromEnvironment = qEnvironmentVariable("VELTARO_SERVER");
        return fromEnvironment.isEmpty()
                   ? QCoreApplication::applicationDirPath() + QStringLiteral("/../server/veltaro-server")
                   : fromEnvironment;
    }

    void collect()
    {
        static const QRegularExpression listening(QStringLiteral("^LISTENING command=(\\d+)"));
        m_partial += m_process.readAllStandardOutput();
        qsizetype end = 0;
        while ((end = m_partial.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(m_partial.left(end)).trimmed();
            m_partial.remove(0, end + 1);
            if (line.startsWith(QLatin1String("UPDATED ")))
                ++updated;
            else if (const QRegularExpressionMatch match = listening.match(line); match.hasMatch())
                port = quint16(match.captured(1).toUInt());
        }
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_partial;
};

void BM_UpdateThousandGroupsOnLoopback(benchmark::State& run)
{
    Server server;
    if (server.port == 0) {
        run.SkipWithError("the reference server did not start (set VELTARO_SERVER to its path)");
        return;
    }

    FakePlatform fakes;
    QtTimers timers;
    QtSocketFactory sockets;
    Platform platform{{timers, timers, fakes.messageBoxes, fakes.app, fakes.files, sockets},
                      fakes.tray,
                      fakes.systemInfo,
                      fakes.processes,
                      fakes.browsers,
                      fakes.desktop,
                      fakes.loginStart,
                      fakes.network};
    {
        DesktopWindows windows(platform);
        UpdateClient& client = windows.client();
        client.setServer(QStringLiteral("127.0.0.1"), quint16(server.port));
        client.settings().userName = QStringLiteral("bench");
        client.settings().password = QStringLiteral("bench");
        client.settings().currentIP = QStringLiteral("198.51.100.23");
        for (int group = 0; group < kGroups; ++group)
            client.settings().checkedGroups += QStringLiteral("G%1:").arg(group);

        // Counts the replies on their way to the update's processor.
        int replies = 0;
        QElapsedTimer clock;
        std::vector<qint64> replyTimesMs;
        const ServerExchange::ReplyProcessor process = client.exchange().processors.at(Requests::updateTag);
        client.exchange().processors[Requests::updateTag] = [&, process](const QString& reply, const QString& group) {
            ++replies;
            replyTimesMs.push_back(clock.elapsed());
            process(reply, group);
        };

        windows.mainWindow().refreshHostList();
        if (!waitUntil([&] { return !client.exchangeBusy() && int(client.hostList().groups.size()) == kGroups; })) {
            run.SkipWithError("the host list did not arrive");
            return;
        }

        int fileDescriptorsLeft = 0;
        double unloadMs = 0;
        for (auto _ : run) {
            const int descriptorsBefore = openFileDescriptors();
            const int updatedBefore = server.updated;
            replies = 0;
            replyTimesMs.clear();
            clock.start();
            windows.mainWindow().updateCheckedGroups();
            const bool allReplied = waitUntil([&] { return replies >= kGroups; });
            run.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
            const bool unloaded = waitUntil([&] { return !client.exchangeBusy(); });
            unloadMs = double(clock.elapsed());
            // Sockets are deleted late: let the event loop finish with them before counting.
            waitUntil([] { return false; }, 100);
            fileDescriptorsLeft = openFileDescriptors() - descriptorsBefore;
            waitUntil([&] { return server.updated - updatedBefore >= kGroups; }, 5000);
            const bool allSucceeded =
                windows.mainWindow().findChild<QLabel*>("statusLabel")->text() == QLatin1String(" Update successful");
            if (!allReplied || !unloaded || !allSucceeded || server.updated - updatedBefore != kGroups) {
                run.SkipWithError("not every group was updated");
                break;
            }
        }
        // How the replies of the last update spread over time.
        std::sort(replyTimesMs.begin(), replyTimesMs.end());
        if (!replyTimesMs.empty()) {
            run.counters["firstReplyMs"] = double(replyTimesMs.front());
            run.counters["medianReplyMs"] = double(replyTimesMs[replyTimesMs.size() / 2]);
            run.counters["lastReplyMs"] = double(replyTimesMs.back());
        }
        run.counters["groups"] = kGroups;
        run.counters["untilUnloadMs"] = unloadMs;
        run.counters["fdsLeft"] = fileDescriptorsLeft;
    }
}

} // namespace

BENCHMARK(BM_UpdateThousandGroupsOnLoopback)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
