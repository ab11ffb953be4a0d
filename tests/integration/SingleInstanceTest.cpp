#include "core/platform/qt/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kProcessMs = 10000;

class SingleInstanceTest : public ::testing::Test
{
protected:
    QString settings(const char* name = "DNS.conf") const { return m_folder.filePath(name); }

    // A start in a process of its own; `prefix` runs it inside another program (a new PID namespace).
    void startProbe(QProcess& probe, const QString& path, int lockWaitMs, const QStringList& prefix = {}) const
    {
        const QStringList arguments =
            prefix + QStringList{VELTARO_LOCK_PROBE, path, m_runtime.path(), QString::number(lockWaitMs)};
        probe.start(arguments.first(), arguments.mid(1));
    }

    QTemporaryDir m_folder;
    QTemporaryDir m_runtime;
};

} // namespace

TEST_F(SingleInstanceTest, ALaterStartByAnyNameOfTheSameSettingsAsksTheRunningOneToShowItself)
{
    SingleInstance running(settings(), m_runtime.path());
    ASSERT_EQ(running.lock(), SingleInstance::Lock::Taken);
    // A socket that someone else bound first, or that a crashed run left, does not keep us from listening.
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(running.socketPath()));
    int showRequests = 0;
    ASSERT_TRUE(running.listen([&showRequests] { ++showRequests; }));

    EXPECT_FALSE(SingleInstance(settings("other/DNS.conf"), m_runtime.path()).requestShow(0))
        << "no program runs with those settings";
    ASSERT_TRUE(QFile::link(settings(), settings("link.conf")));
    SingleInstance later(settings("link.conf"), m_runtime.path());
    EXPECT_EQ(later.lock(), SingleInstance::Lock::HeldElsewhere);
    EXPECT_EQ(later.holder(), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    ASSERT_TRUE(later.requestShow(1000));
    EXPECT_TRUE(QTest::qWaitFor([&showRequests] { return showRequests == 1; }, kProcessMs));
    EXPECT_FALSE(squatter.hasPendingConnections());

    // Where the settings' folder takes no lock file, the lock is kept in the runtime folder.
    QFile notAFolder(settings("file"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    const QString unwritable = notAFolder.fileName() + "/DNS.conf";
    SingleInstance inRuntime(unwritable, m_runtime.path());
    ASSERT_EQ(inRuntime.lock(), SingleInstance::Lock::Taken);
    EXPECT_TRUE(inRuntime.lockPath().startsWith(m_runtime.path())) << inRuntime.lockPath().toStdString();
    EXPECT_EQ(SingleInstance(unwritable, m_runtime.path()).lock(), SingleInstance::Lock::HeldElsewhere);
}

TEST_F(SingleInstanceTest, OfTwoStartsAtTheSameInstantOneRunsAndTheOtherHandsOverToIt)
{
    for (int round = 0; round < 20; ++round) {
        const QString path = m_folder.filePath(QStringLiteral("DNS%1.conf").arg(round));
        QProcess probes[2];
        QStringList outputs;
        for (QProcess& probe : probes)
            startProbe(probe, path, 0);
        for (QProcess& probe : probes) {
            if (!probe.waitForFinished(kProcessMs))
                probe.kill();
            outputs.append(QString::fromUtf8(probe.readAllStandardOutput()));
        }
        outputs.sort();
        ASSERT_EQ(outputs, QStringList({"handed over\n", "taken\nshown\n"})) << "round " << round;
    }
}

TEST_F(SingleInstanceTest, ALockIsFreedWhenItsHolderIsKilledEvenIfTheNextStartHasTheSamePid)
{
    const QStringList newPidNamespace{"unshare", "--pid", "--fork", "--kill-child", "--mount-proc"};
    if (QProcess::execute(newPidNamespace.first(), newPidNamespace.mid(1) + QStringList{"true"}) != 0)
        GTEST_SKIP() << "no PID namespaces here";
    const auto says = [](QProcess& probe, const char* line) {
        return QTest::qWaitFor([&] { return probe.peek(4096).contains(line); }, kProcessMs);
    };

    // Each start is process 1 of its own namespace, as in a container.
    QProcess killed;
    startProbe(killed, settings(), 0, newPidNamespace);
    ASSERT_TRUE(says(killed, "taken"));
    killed.kill();
    killed.waitForFinished();

    QProcess next;
    startProbe(next, settings(), kProcessMs, newPidNamespace);
    EXPECT_TRUE(says(next, "taken")) << next.readAllStandardOutput().toStdString();
    next.kill();
    next.waitForFinished();
}

TEST(SingleInstance, TheRuntimeFolderIsOneNoOtherUserMayEnter)
{
    const QByteArray given = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir shared;
    QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7777));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared.path()));
    const QString instead = SingleInstance::userRuntimeFolder();
    QTemporaryDir own;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own.path()));
    const QString chosen = SingleInstance::userRuntimeFolder();
    qputenv("XDG_RUNTIME_DIR", given);

    EXPECT_EQ(chosen, own.path());
    EXPECT_NE(instead, shared.path());
    EXPECT_EQ(QFileInfo(instead).permissions() & 0x0077, 0) << instead.toStdString();
}
