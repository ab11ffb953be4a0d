// Appending one event to history.log on the real file system, the file near its bound, as every
// update does. The rewrite at the bound is measured on its own.
#include "core/client/UpdateHistory.h"
#include "core/platform/qt/QtFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const ClientEvent kUpdated{ClientEvent::Kind::GroupUpdated, QStringLiteral("HOME"), QStringLiteral("203.0.113.7"), {}};

// A history file of `lines` lines beside a settings file in a fresh folder.
void fill(const QTemporaryDir& folder, int lines)
{
    QFile file(folder.filePath(QStringLiteral("history.log")));
    file.open(QIODevice::WriteOnly);
    const QByteArray line = UpdateHistory::lineOf(kUpdated, QDateTime::currentDateTimeUtc()).toUtf8() + '\n';
    for (int i = 0; i < lines; ++i)
        file.write(line);
}

void BM_HistoryAppend(benchmark::State& state)
{
    QTemporaryDir folder;
    fill(folder, UpdateHistory::kKeptLines);
    QtFiles files;
    UpdateHistory history(files, folder.filePath(QStringLiteral("DNS.conf")));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // The first event counts the file's lines; every later one only appends.
    history.record(kUpdated, now);
    for (auto _ : state)
        history.record(kUpdated, now);
}
// Stays below the bound: 2,000 lines and 400 more.
BENCHMARK(BM_HistoryAppend)->Unit(benchmark::kMicrosecond)->Iterations(400);

void BM_HistoryRewriteAtTheBound(benchmark::State& state)
{
    QtFiles files;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        fill(folder, UpdateHistory::kMostLines);
        UpdateHistory history(files, folder.filePath(QStringLiteral("DNS.conf")));
        state.ResumeTiming();
        history.record(kUpdated, now);
    }
}
BENCHMARK(BM_HistoryRewriteAtTheBound)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
