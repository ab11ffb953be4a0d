// The real veltaro-cli against the reference server on free ports, with a
// settings file of its own.
#include "ServerProcess.h"
#include "state/Scrambling.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kRunMs = 20000;

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// A settings file in a folder of its own: the demo account, HOME checked, no
// address yet.
class CliTest : public ::testing::Test
{
protected:
    CliTest() { writeConfig("DEMO", "DEMO", "HOME:"); }

    QString configPath() const { return m_folder.filePath("DNS.conf"); }

    void writeConfig(const QString& user, const QString& password, const QString& checkedGroups)
    {
        using Common_Functions::scrambleText;
        const QStringList lines{"#",  scrambleText(user).trimmed(),          "0", "", scrambleText(password).trimmed(),
                                "15", scrambleText(checkedGroups).trimmed(), "0", "1"};
        QFile file(configPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((lines.join("\r\n") + "\r\n").toLatin1());
    }

    // The nine lines of the settings file, the scrambled ones in plain text.
    QStringList config() const
    {
        QFile file(configPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
        lines.removeLast();
        for (const int scrambled : {1, 4, 6}) {
            if (scrambled < lines.size())
                lines[scrambled] = Common_Functions::unscrambleText(lines[scrambled]);
        }
        return lines;
    }

    QStringList arguments(quint16 port, const QStringList& command) const
    {
        return QStringList{"--server", QStringLiteral("127.0.0.1:%1").arg(port), "--config", configPath()} + command;
    }

    static CliResult run(const QStringList& arguments, const QByteArray& input = {})
    {
        QProcess process;
        process.start(QStringLiteral(VELTARO_CLI_BINARY), arguments);
        process.write(input);
        process.closeWriteChannel();
        CliResult result;
        if (!process.waitForFinished(kRunMs)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
    CliResult run(quint16 port, const QStringList& command, const QByteArray& input = {}) const
    {
        return run(arguments(port, command), input);
    }

    // Starts "veltaro-cli run" and reads its output until its first update went
    // through.
    QString startRun(QProcess& cli, quint16 port) const
    {
        cli.start(QStringLiteral(VELTARO_CLI_BINARY), arguments(port, {"run"}));
        QString output;
        while (!output.contains(" Update successful") && cli.waitForReadyRead(kRunMs))
            output += QString::fromLocal8Bit(cli.readAllStandardOutput());
        return output;
    }

    QTemporaryDir m_folder;
};

// A port on which nothing listens.
quint16 deadPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

struct UpdateCase
{
    const char* name;
    QStringList serverArguments;
    // The account's password; the demo account's is DEMO.
    QString password;
    int exitCode;
    QStringList requests;
};

void PrintTo(const UpdateCase& c, std::ostream* os)
{
    *os << c.name;
}

// Both groups of the demo account are checked; OFFICE's update is sent only
// once HOME's is answered.
const QStringList kAllSteps{"GETMYIP:DEMO:DEMO:", "GETHOSTS:DEMO:DEMO:", "UPDATE:DEMO:DEMO:GHOME:127.0.0.1:",
                            "UPDATE:DEMO:DEMO:GOFFICE:127.0.0.1:"};

class UpdateExitStatus : public CliTest, public ::testing::WithParamInterface<UpdateCase>
{
};

} // namespace

TEST_P(UpdateExitStatus, TellsHowTheUpdateWentAndKeepsTheLearnedAddress)
{
    const UpdateCase& c = GetParam();
    writeConfig("DEMO", c.password, "HOME:OFFICE:");
    ServerProcess server(c.serverArguments);
    ASSERT_TRUE(server.isListening());

    const CliResult result = run(server.commandPort(), {"--timeout-seconds", "2", "update"});

    EXPECT_EQ(result.exitCode, c.exitCode) << result.out.toStdString() << result.err.toStdString();
    // Both groups are in the demo account: a refused account must not be taken for a list without them.
    EXPECT_FALSE(result.err.contains(QStringLiteral("not in the account"))) << result.err.toStdString();
    QStringList requests = server.requests();
    for (QString& request : requests)
        request.replace(":" + c.password.toUpper() + ":", ":DEMO:");
    EXPECT_EQ(requests, c.requests);
    EXPECT_EQ(config().value(3), "127.0.0.1");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, UpdateExitStatus,
    ::testing::Values(
        UpdateCase{"Success", {}, "DEMO", 0, kAllSteps},
        UpdateCase{"RefusedAccount", {}, "WRONG", 1, kAllSteps.mid(0, 2)},
        UpdateCase{"FailedGroup", {"--only", "UPDATE", "--close-without-reply"}, "DEMO", 1, kAllSteps},
        UpdateCase{"UpdateNeverAnswered", {"--only", "UPDATE", "--never-reply"}, "DEMO", 3, kAllSteps.mid(0, 3)}),
    [](const ::testing::TestParamInfo<UpdateCase>& info) { return info.param.name; });

TEST_F(CliTest, UpdateWithoutAServerOrAnAnswerSaysTheServerCannotBeReached)
{
    EXPECT_EQ(run(deadPort(), {"update"}).exitCode, 3);

    ServerProcess silent({"--never-reply"});
    ASSERT_TRUE(silent.isListening());
    const CliResult result = run(silent.commandPort(), {"--timeout-seconds=1", "update"});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.out.contains("Timeout expired...connection failed.")) << result.out.toStdString();
    EXPECT_EQ(silent.requests(), QStringList{"GETMYIP:DEMO:DEMO:"});
}

TEST_F(CliTest, UsageAndSettingsErrorsExitWithTwoBeforeAnyRequest)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    const QList<QStringList> wrong{{},
                                   {"frob"},
                                   {"check"},
                                   {"update", "HOME"},
                                   {"--server", "nohost", "update"},
                                   {"--timeout-seconds", "0", "update"}};
    for (const QStringList& command : wrong) {
        const CliResult result = run(server.commandPort(), command);
        EXPECT_EQ(result.exitCode, 2) << command.join(u' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }

    writeConfig("", "", "");
    EXPECT_EQ(run(server.commandPort(), {"update"}).exitCode, 2);
    EXPECT_EQ(run(server.commandPort(), {"status"}).exitCode, 2);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(run({"--help"}).exitCode, 0);
}

TEST_F(CliTest, CheckAndUncheckEditWholeEntriesOfTheCheckedGroups)
{
    writeConfig("DEMO", "DEMO", "AB:HOME:");
    const quint16 port = deadPort();
    for (const QStringList& command : {QStringList{"check", "office"}, {"uncheck", "B"}, {"check", "HOME"}})
        EXPECT_EQ(run(port, command).exitCode, 0);
    EXPECT_EQ(config().value(6), "AB:HOME:OFFICE:");

    EXPECT_EQ(run(port, {"uncheck", "home"}).exitCode, 0);
    EXPECT_EQ(config().value(6), "AB:OFFICE:");
    EXPECT_EQ(config().value(1), "DEMO");
}

TEST_F(CliTest, StatusShowsTheSettingsAndTheGroupsWithTheirCheckMarks)
{
    writeConfig("DEMO", "DEMO", "OFFICE:GONE:");
    ServerProcess server;
    ASSERT_TRUE(server.isListening());

    const CliResult result = run(server.commandPort(), {"status"});

    EXPECT_EQ(result.exitCode, 0);
    const QStringList lines = result.out.split(u'\n');
    for (const char* expected : {"Account: DEMO", "Update interval: 15 minutes", "  [ ] HOME", "  [x] OFFICE",
                                 "  [x] GONE (not in the account)"})
        EXPECT_TRUE(lines.contains(QLatin1String(expected))) << expected << "\n" << result.out.toStdString();
    EXPECT_EQ(server.requests(), QStringList{"GETHOSTS:DEMO:DEMO:"});
}

TEST_F(CliTest, AccountIsReadFromStandardInputAndSavedScrambled)
{
    const quint16 port = deadPort();
    const CliResult result = run(port, {"account"}, "alice\r\nsecret words\n");
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(config().mid(1, 6), QStringList({"ALICE", "0", "", "SECRET WORDS", "15", "HOME:"}));

    EXPECT_EQ(run(port, {"account"}, "bob\n").exitCode, 2);
    EXPECT_EQ(config().value(1), "ALICE");
}

TEST_F(CliTest, RunUpdatesAtStartAndSavesTheSettingsOnSigterm)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    QProcess cli;
    const QString output = startRun(cli, server.commandPort());
    ASSERT_TRUE(output.contains(" Update successful")) << output.toStdString();
    EXPECT_EQ(server.requests(), kAllSteps.mid(0, 3));
    EXPECT_EQ(config().value(3), "") << "saved before it was asked to stop";
    cli.terminate();

    ASSERT_TRUE(cli.waitForFinished(kRunMs));
    EXPECT_EQ(std::pair(cli.exitStatus(), cli.exitCode()), std::pair(QProcess::NormalExit, 0));
    EXPECT_EQ(config().value(3), "127.0.0.1");
}

TEST_F(CliTest, WhileRunHoldsTheSettingsOtherCommandsLeaveThemAndALockLeftByAKilledRunIsTakenOver)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    QProcess cli;
    ASSERT_TRUE(startRun(cli, server.commandPort()).contains(" Update successful"));

    for (const QStringList& command : {QStringList{"update"}, {"run"}, {"uncheck", "HOME"}}) {
        const CliResult second = run(server.commandPort(), command);
        EXPECT_EQ(second.exitCode, 2) << command.first().toStdString();
        EXPECT_TRUE(second.err.contains("another Veltaro is using")) << second.err.toStdString();
    }
    // Another name of the same file meets the same lock.
    const QString link = QFileInfo(configPath()).dir().filePath("link.conf");
    ASSERT_TRUE(QFile::link(configPath(), link));
    const CliResult byLink = run({"--server", "127.0.0.1:1", "--config", link, "check", "OFFICE"});
    EXPECT_EQ(byLink.exitCode, 2) << byLink.err.toStdString();
    EXPECT_EQ(config().value(6), "HOME:");

    cli.kill();
    ASSERT_TRUE(cli.waitForFinished(kRunMs));
    EXPECT_EQ(run(server.commandPort(), {"update"}).exitCode, 0);
}

TEST_F(CliTest, HistoryPrintsWhatTheUpdatesDidOldestFirstOrOnlyTheNewestLines)
{
    writeConfig("DEMO", "DEMO", "HOME:OFFICE:");
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    ASSERT_EQ(run(server.commandPort(), {"update"}).exitCode, 0);

    QStringList lines = run(server.commandPort(), {"history"}).out.split('\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.section('\t', 1);
    EXPECT_EQ(lines, QStringList({"ADDRESS\t\t127.0.0.1\tnew address", "UPDATE\tHOME\t127.0.0.1\tok",
                                  "UPDATE\tOFFICE\t127.0.0.1\tok"}));
    const CliResult newest = run(server.commandPort(), {"history", "--last", "1"});
    EXPECT_TRUE(newest.out.endsWith("\tUPDATE\tOFFICE\t127.0.0.1\tok\n")) << newest.out.toStdString();
    EXPECT_EQ(newest.out.count('\n'), 1);
    EXPECT_EQ(run(server.commandPort(), {"history", "--last", "0"}).exitCode, 2);
}
