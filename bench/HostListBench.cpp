// Parsing and showing a large host list: 10,000 groups of 10 hosts each.
#include "core/client/UpdateClient.h"
#include "desktop/DesktopWindows.h"
#include "desktop/main/MainWindow.h"
#include "support/fakes/FakePlatform.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kGroups = 10'000;
constexpr int kHostsPerGroup = 10;

QString groupName(int group)
{
    return QStringLiteral("GROUP%1").arg(group, 5, 10, QLatin1Char('0'));
}

QString bigReply()
{
    QString reply = QStringLiteral("GETHOSTS:");
    for (int group = 0; group < kGroups; ++group) {
        reply += QLatin1Char('G') + groupName(group) + QLatin1Char(':');
        for (int host = 0; host < kHostsPerGroup; ++host)
            reply += QStringLiteral("HHOST%1-%2:").arg(group).arg(host);
    }
    return reply;
}

// Every `stride`-th group checked.
QString checkedEvery(int stride)
{
    QString checked;
    for (int group = 0; group < kGroups; group += stride)
        checked += groupName(group) + QLatin1Char(':');
    return checked;
}

void parseAndShow(benchmark::State& run, const QString& checkedGroups)
{
    FakePlatform fake;
    DesktopWindows windows(fake.platform);
    UpdateClient& client = windows.client();
    windows.mainWindow().show();
    client.settings().checkedGroups = checkedGroups;
    const QString reply = bigReply();
    for (auto _ : run) {
        // Only a reply that was asked for is taken.
        client.refreshHostList();
        client.handleHostsReply(reply);
        // The lists lay themselves out and paint on the next pass of the event loop.
        QCoreApplication::processEvents();
    }
    if (int(client.hostList().groups.size()) != kGroups)
        run.SkipWithError("the list did not come out whole");
    run.counters["groups"] = int(client.hostList().groups.size());
    run.counters["replyKiB"] = double(reply.size()) / 1024;
}

void BM_HostListTenThousandGroupsFewChecked(benchmark::State& run)
{
    parseAndShow(run, checkedEvery(1000));
}

void BM_HostListTenThousandGroupsAllChecked(benchmark::State& run)
{
    parseAndShow(run, checkedEvery(1));
}

} // namespace

BENCHMARK(BM_HostListTenThousandGroupsFewChecked)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostListTenThousandGroupsAllChecked)->Unit(benchmark::kMillisecond);
