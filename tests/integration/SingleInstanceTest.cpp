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
    QString settings() const { return m_folder.filePath(QStringLiteral("DNS.conf")); }
    QString runtime() const { return m_runtime.path(); }

    // A start in a process of its own; `prefix` runs it inside another program (a new PID namespace).
    void startProbe(QProcess& probe, const QString& path, int lockWaitMs, const QStringList& prefix = {}) const
    {
        const QStringList arguments =
            prefix + QStringList{QStringLiteral(VELTARO_LOCK_PROBE), path, runtime(), QString::number(lockWaitMs)};
        probe.start(arguments.first(), arguments.mid(1));
    }

    static QString outputOf(QProcess& probe)
    {
        if (!probe.waitForFinished(kProcessMs))
            probe.kill();
        return QString::fromUtf8(probe.readAllStandardOutput());
    }

    static bool says(QProcess& probe, const char* line)
    {
        return QTest::qWaitFor(
            [&probe, line] { return QString::fromUtf8(probe.peek(4096)).contains(QLatin1String(line)); }, kProcessMs);
    }

    QTemporaryDir m_folder;
    QTemporaryDir m_runtime;
};

} // namespace

TEST_F(SingleInstanceTest, ALaterStartByAnyNameOfTheSameSettingsAsksTheRunningOneToShowItself)
{
    SingleInstance running(settings(), runtime());
    ASSERT_EQ(running.lock(), SingleInstance::Lock::Taken);
    // A socket that someone else bound first, or that a crashed run left, does not keep us from listening.
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(running.socketPath()));
    int showRequests = 0;
    ASSERT_TRUE(running.listen([&showRequests] { ++showRequests; }));

    SingleInstance other(m_folder.filePath(QStringLiteral("other/DNS.conf")), runtime());
    EXPECT_FALSE(other.requestShow(0)) << "no program runs with those settings";

    ASSERT_TRUE(QFile::link(settings(), m_folder.filePath(QStringLiteral("link.conf"))));
    SingleInstance later(m_folder.filePath(QStringLiteral("link.conf")), runtime());
    EXPECT_EQ(later.lock(), SingleInstance::Lock::HeldElsewhere);
    EXPECT_EQ(later.holder(), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    ASSERT_TRUE(later.requestShow(1000));
    EXPECT_TRUE(QTest::qWaitFor([&showRequests] { return showRequests == 1; }, kProcessMs));
    EXPECT_FALSE(squatter.hasPendingConnections());
}

TEST_F(SingleInstanceTest, WhereTheSettingsFolderTakesNoLockFileTheLockIsKeptInTheRuntimeFolder)
{
    QFile notAFolder(m_folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    const QString unwritable = notAFolder.fileName() + QStringLiteral("/DNS.conf");
    SingleInstance running(unwritable, runtime());
    ASSERT_EQ(running.lock(), SingleInstance::Lock::Taken);
    EXPECT_TRUE(running.lockPath().startsWith(runtime())) << running.lockPath().toStdString();
    EXPECT_EQ(SingleInstance(unwritable, runtime()).lock(), SingleInstance::Lock::HeldElsewhere);
}

TEST_F(SingleInstanceTest, OfTwoStartsAtTheSameInstantOneRunsAndTheOtherHandsOverToIt)
{
    for (int round = 0; round < 20; ++round) {
        const QString path = m_folder.filePath(QStringLiteral("DNS%1.conf").arg(round));
        QProcess first;
        QProcess second;
        startProbe(first, path, 0);
        startProbe(second, path, 0);
        QStringList outputs{outputOf(first), outputOf(second)};
        outputs.sort();
        ASSERT_EQ(outputs, QStringList({"handed over\n", "taken\nshown\n"})) << "round " << round;
    }
}

TEST_F(SingleInstanceTest, ALockIsFreedWhenItsHolderIsKilledEvenIfTheNextStartHasTheSamePid)
{
    const QStringList newPidNamespace{"unshare", "--pid", "--fork", "--kill-child", "--mount-proc"};
    if (QProcess::execute(newPidNamespace.first(), newPidNamespace.mid(1) + QStringList{"true"}) != 0)
        GTEST_SKIP() << "no PID namespaces here";

    // Each start is process 1 of a namespace of its own, as in a container.
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
