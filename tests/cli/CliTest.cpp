// The real veltaro-cli against the reference server on free ports, with a
// settings file of its own.
#include "core/protocol/Scrambler.h"
#include "support/ServerProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

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

    void writeConfig(const QString& user, const QString& password, const QString& checkedGroups,
                     const QString& interval = "15")
    {
        using Scrambler::scrambleText;
        const QStringList lines{
            "#",      scrambleText(user).trimmed(),          "0", "", scrambleText(password).trimmed(),
            interval, scrambleText(checkedGroups).trimmed(), "0", "1"};
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
                lines[scrambled] = Scrambler::unscrambleText(lines[scrambled]);
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

    // Starts "veltaro-cli run" and reads its output until `expected` appears: by
    // default, until HOME's first update went through.
    QString startRun(QProcess& cli, quint16 port, const QStringList& options = {},
                     const QString& expected = QStringLiteral("HOME: updated to")) const
    {
        cli.start(QStringLiteral(VELTARO_CLI_BINARY), arguments(port, options + QStringList{"run"}));
        return readUntil(cli, expected);
    }

    static QString readUntil(QProcess& cli, const QString& expected)
    {
        QString output;
        while (!output.contains(expected) && cli.waitForReadyRead(kRunMs))
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
    // The groups that standard output says were updated.
    QStringList updated;
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
    EXPECT_FALSE(result.err.contains(QStringLiteral("not in this account"))) << result.err.toStdString();
    // Results on standard output, failures on standard error, so that cron mails them.
    QStringList updated;
    for (const QString group : {"HOME", "OFFICE"}) {
        if (result.out.contains(group + ": updated to 127.0.0.1\n"))
            updated.append(group);
    }
    EXPECT_EQ(updated, c.updated) << result.out.toStdString();
    EXPECT_EQ(result.err.isEmpty(), c.exitCode == 0) << result.err.toStdString();
    QStringList requests = server.requests();
    for (QString& request : requests)
        request.replace(":" + c.password.toUpper() + ":", ":DEMO:");
    EXPECT_EQ(requests, c.requests);
    EXPECT_EQ(config().value(3), "127.0.0.1");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, UpdateExitStatus,
    ::testing::Values(
        UpdateCase{"Success", {}, "DEMO", 0, kAllSteps, {"HOME", "OFFICE"}},
        UpdateCase{"RefusedAccount", {}, "WRONG", 1, kAllSteps.mid(0, 2), {}},
        UpdateCase{"FailedGroups", {"--only", "UPDATE", "--close-without-reply"}, "DEMO", 1, kAllSteps, {}},
        UpdateCase{"FirstGroupFailedThenNextSucceeded",
                   {"--only", "UPDATE:HOME", "--close-without-reply"},
                   "DEMO",
                   1,
                   kAllSteps,
                   {"OFFICE"}},
        UpdateCase{"UpdateNeverAnswered", {"--only", "UPDATE", "--never-reply"}, "DEMO", 3, kAllSteps.mid(0, 3), {}}),
    [](const ::testing::TestParamInfo<UpdateCase>& info) { return info.param.name; });

TEST_F(CliTest, UpdateWithoutAServerOrAnAnswerSaysTheServerCannotBeReached)
{
    EXPECT_EQ(run(deadPort(), {"update"}).exitCode, 3);

    ServerProcess silent({"--never-reply"});
    ASSERT_TRUE(silent.isListening());
    const CliResult result = run(silent.commandPort(), {"--timeout-seconds=1", "update"});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.err.contains("Timeout expired...connection failed.")) << result.err.toStdString();
    EXPECT_EQ(silent.requests(), QStringList{"GETMYIP:DEMO:DEMO:"});
}

TEST_F(CliTest, UsageAndSettingsErrorsExitWithTwoBeforeAnyRequestAndLeaveTheSettingsAsTheyWere)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    const QList<QStringList> wrong{{},
                                   {"frob"},
                                   {"check"},
                                   {"update", "HOME"},
                                   {"interval", "often"},
                                   {"auto-update", "yes"},
                                   {"address", "203.0.113"},
                                   {"address", "::1"},
                                   {"check", "домой"},
                                   {"--server", "nohost", "update"},
                                   {"--timeout-seconds", "0", "update"}};
    for (const QStringList& command : wrong) {
        const CliResult result = run(server.commandPort(), command);
        EXPECT_EQ(result.exitCode, 2) << command.join(u' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_TRUE(run(server.commandPort(), {"check", "домой"}).err.contains("\"Д\", \"О\", \"М\", \"Й\""));
    // Text that the file cannot carry would be stored and sent as question marks.
    const CliResult account = run(server.commandPort(), {"account"}, "demo\nпароль\n");
    EXPECT_EQ(account.exitCode, 2);
    EXPECT_TRUE(account.err.contains("the password holds characters")) << account.err.toStdString();
    EXPECT_EQ(run(server.commandPort(), {"account"}, "bob\n").exitCode, 2);
    EXPECT_EQ(run(server.commandPort(), {"account"}, "bo:b\nsecret\n").exitCode, 2);
    EXPECT_EQ(config(), QStringList({"#", "DEMO", "0", "", "DEMO", "15", "HOME:", "0", "1"}));

    // A fixed address left empty has nothing for the update to send.
    QFile file(configPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("#\r\nS1MY\r\n1\r\n\r\nS1MY\r\n15\r\nWYM1:\r\n0\r\n1\r\n");
    file.close();
    EXPECT_EQ(run(server.commandPort(), {"update"}).exitCode, 2);

    writeConfig("", "", "");
    EXPECT_EQ(run(server.commandPort(), {"update"}).exitCode, 2);
    EXPECT_EQ(run(server.commandPort(), {"status"}).exitCode, 2);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(run({"--help"}).exitCode, 0);
}

TEST_F(CliTest, ASettingsPathThatIsNoFileIsRefusedAtOnceAndLeftAsItWas)
{
    const QString fifo = m_folder.filePath("fifo");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QStringList paths{fifo, m_folder.path()};
    // Only root may make a device node.
    const QString device = m_folder.filePath("null");
    if (::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        paths.append(device);
    for (const QString& path : paths) {
        for (const QStringList& command : {QStringList{"status"}, {"check", "HOME"}}) {
            const CliResult result = run(QStringList{"--config", path} + command);
            EXPECT_EQ(result.exitCode, 2) << path.toStdString();
            EXPECT_TRUE(result.err.contains("is not a regular file")) << result.err.toStdString();
        }
        EXPECT_FALSE(QFileInfo(path).isFile()) << path.toStdString();
    }
}

TEST_F(CliTest, SettingCommandsEditTheirOwnLinesWithThePreferencesRules)
{
    writeConfig("DEMO", "DEMO", "AB:HOME:");
    const quint16 port = deadPort();
    for (const QStringList& command : {QStringList{"check", "office"}, {"uncheck", "B"}, {"check", "HOME"}})
        EXPECT_EQ(run(port, command).exitCode, 0);
    EXPECT_EQ(config().value(6), "AB:HOME:OFFICE:");
    EXPECT_EQ(run(port, {"uncheck", "home"}).exitCode, 0);
    EXPECT_EQ(config().value(6), "AB:OFFICE:");

    const CliResult shortest = run(port, {"interval", "10"});
    EXPECT_EQ(shortest.exitCode, 0);
    EXPECT_TRUE(shortest.err.contains("15 minutes is the shortest interval")) << shortest.err.toStdString();
    EXPECT_EQ(config().value(5), "15");
    for (const QStringList& command :
         {QStringList{"interval", "45"}, {"auto-update", "off"}, {"address", "203.0.113.7"}})
        EXPECT_EQ(run(port, command).exitCode, 0) << command.join(u' ').toStdString();
    EXPECT_EQ(config().mid(1), QStringList({"DEMO", "1", "203.0.113.7", "DEMO", "45", "AB:OFFICE:", "0", "0"}));

    EXPECT_EQ(run(port, {"address", "auto"}).exitCode, 0);
    EXPECT_EQ(run(port, {"auto-update", "on"}).exitCode, 0);
    EXPECT_EQ(config().mid(2, 1) + config().mid(8), QStringList({"0", "1"}));
}

TEST_F(CliTest, StatusShowsTheSettingsAndTheGroupsWithTheirCheckMarksButNotForARefusedAccount)
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

    writeConfig("DEMO", "WRONG", "OFFICE:");
    const CliResult refused = run(server.commandPort(), {"status"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.out.contains("OFFICE")) << refused.out.toStdString();
    EXPECT_TRUE(refused.err.contains("not accepted")) << refused.err.toStdString();
}

TEST_F(CliTest, ServerTextReachesTheTerminalWithoutItsControlCharacters)
{
    QFile accounts(m_folder.filePath("accounts.txt"));
    ASSERT_TRUE(accounts.open(QIODevice::WriteOnly));
    accounts.write("account DEMO DEMO\ngroup \x1b[2J\x1b]0;OWNED\x07HOME\nhost PC1\n");
    accounts.close();
    ServerProcess server({"--accounts", accounts.fileName()});
    ASSERT_TRUE(server.isListening());

    const CliResult result = run(server.commandPort(), {"status"});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.contains("[2J ]0;OWNED HOME")) << result.out.toStdString();
    EXPECT_FALSE(result.out.contains(QChar(0x1b)));
    EXPECT_FALSE(result.out.contains(QChar(0x07)));
}

TEST_F(CliTest, AccountOnANewSettingsFileIsEnoughForRunToUpdateEveryInterval)
{
    QFile::remove(configPath());
    const quint16 port = deadPort();
    ASSERT_EQ(run(port, {"account"}, "demo\ndemo\n").exitCode, 0);
    ASSERT_EQ(run(port, {"check", "home"}).exitCode, 0);
    EXPECT_EQ(config().mid(1), QStringList({"DEMO", "0", "", "DEMO", "15", "HOME:", "0", "1"}));
    // An older file without an interval is run at the shortest one rather than never updating.
    writeConfig("DEMO", "DEMO", "HOME:", "0");

    // The server is down when the service starts, and up before the cycle's first update.
    QProcess cli;
    cli.setProcessChannelMode(QProcess::MergedChannels);
    QString log = startRun(cli, port, {"--minute-ms", "200"}, "asking for it before updating");
    ASSERT_TRUE(log.contains("Connection failed")) << log.toStdString();
    EXPECT_TRUE(log.contains("no update interval (0); updating every 15 minutes")) << log.toStdString();
    EXPECT_TRUE(log.contains("Started for DEMO; updates every 15 minutes")) << log.toStdString();
    ServerProcess server({"--port", QString::number(port)});
    ASSERT_TRUE(server.isListening());
    while (log.count("HOME: updated to 127.0.0.1") < 2 && cli.waitForReadyRead(kRunMs))
        log += QString::fromLocal8Bit(cli.readAll());
    EXPECT_EQ(log.count("HOME: updated to 127.0.0.1"), 2) << log.toStdString();
    cli.terminate();
    ASSERT_TRUE(cli.waitForFinished(kRunMs));
    EXPECT_EQ(std::pair(cli.exitStatus(), cli.exitCode()), std::pair(QProcess::NormalExit, 0));
}

TEST_F(CliTest, RunUpdatesAtStartAndSavesTheSettingsOnSigterm)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    QProcess cli;
    const QString output = startRun(cli, server.commandPort());
    ASSERT_TRUE(output.contains("HOME: updated to 127.0.0.1")) << output.toStdString();
    EXPECT_EQ(server.requests(), kAllSteps.mid(0, 3));
    EXPECT_EQ(config().value(3), "") << "saved before it was asked to stop";
    // Its log's times are ISO 8601 with the zone.
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d) Started for DEMO")
                    .match(output)
                    .hasMatch())
        << output.toStdString();
    cli.terminate();

    ASSERT_TRUE(cli.waitForFinished(kRunMs));
    EXPECT_EQ(std::pair(cli.exitStatus(), cli.exitCode()), std::pair(QProcess::NormalExit, 0));
    EXPECT_EQ(config().value(3), "127.0.0.1");

    // The service manager shows a refused account as a failed unit.
    writeConfig("DEMO", "WRONG", "HOME:");
    const CliResult refused = run(server.commandPort(), {"run"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("refused the account")) << refused.err.toStdString();
}

TEST_F(CliTest, InTheJournalEachLineCarriesItsPriorityAndNoTimeOfItsOwn)
{
    writeConfig("DEMO", "DEMO", "HOME:OFFICE:");
    ServerProcess server({"--only", "UPDATE:OFFICE", "--close-without-reply"});
    ASSERT_TRUE(server.isListening());
    const QString out = m_folder.filePath("out.log");
    const QString err = m_folder.filePath("err.log");
    QFile(out).open(QIODevice::WriteOnly);
    QFile(err).open(QIODevice::WriteOnly);
    struct stat journal = {};
    ASSERT_EQ(::stat(err.toLocal8Bit().constData(), &journal), 0);
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("JOURNAL_STREAM", QStringLiteral("%1:%2").arg(journal.st_dev).arg(journal.st_ino));
    cli.setProcessEnvironment(environment);
    cli.setStandardOutputFile(out);
    cli.setStandardErrorFile(err);
    cli.start(QStringLiteral(VELTARO_CLI_BINARY), arguments(server.commandPort(), {"run"}));
    ASSERT_TRUE(server.waitForLine("REQUEST UPDATE:DEMO:DEMO:GOFFICE", kRunMs));
    QFile errors(err);
    for (int i = 0; i < 100 && errors.size() == 0; ++i)
        QThread::msleep(50);
    cli.terminate();
    ASSERT_TRUE(cli.waitForFinished(kRunMs));

    const auto linesOf = [](const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    };
    EXPECT_EQ(linesOf(err), QStringList{"<3>OFFICE: update failed: the connection failed before a reply"});
    // Standard output is not the journal here: its lines keep their times.
    const QStringList results = linesOf(out);
    EXPECT_TRUE(results.filter(QRegularExpression(" HOME: updated to 127.0.0.1$")).size() == 1)
        << results.join('\n').toStdString();
}

TEST_F(CliTest, WhileRunHoldsTheSettingsOtherCommandsWaitForThemAndALockLeftByAKilledRunIsTakenOver)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    QProcess cli;
    ASSERT_TRUE(startRun(cli, server.commandPort()).contains("HOME: updated to"));

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

    // A command waits a little for the settings: run saves them as it ends, and the check follows.
    QProcess check;
    check.start(QStringLiteral(VELTARO_CLI_BINARY), arguments(server.commandPort(), {"check", "OFFICE"}));
    ASSERT_TRUE(check.waitForStarted());
    QThread::msleep(300);
    cli.terminate();
    ASSERT_TRUE(check.waitForFinished(kRunMs));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
    ASSERT_TRUE(cli.waitForFinished(kRunMs));
    EXPECT_EQ(config().value(6), "HOME:OFFICE:");
    EXPECT_EQ(config().value(3), "127.0.0.1");

    QProcess killed;
    ASSERT_TRUE(startRun(killed, server.commandPort()).contains("HOME: updated to"));
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(kRunMs));
    EXPECT_EQ(run(server.commandPort(), {"update"}).exitCode, 0);
}

TEST_F(CliTest, EveryProgramTellsItsVersion)
{
    for (const auto& [binary, name] :
         {std::pair(VELTARO_CLI_BINARY, "veltaro-cli"), std::pair(VELTARO_SERVER_BINARY, "veltaro-server"),
          std::pair(VELTARO_CLIENT_BINARY, "veltaro"), std::pair(VELTARO_WEB_BINARY, "veltaro-web")}) {
        QProcess program;
        // Without a display: the desktop programs answer before they reach one.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(environment);
        program.start(QString::fromLocal8Bit(binary), {"--version"});
        ASSERT_TRUE(program.waitForFinished(kRunMs)) << name;
        EXPECT_EQ(program.exitCode(), 0) << name;
        EXPECT_EQ(program.readAllStandardOutput(), QByteArray(name) + " " VELTARO_VERSION "\n");
    }
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
