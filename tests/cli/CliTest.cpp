// The real veltaro-cli against the reference server on free ports, with a settings file of its own.
#include "core/protocol/Scrambler.h"
#include "support/ServerProcess.h"
#include "support/TestLocale.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

constexpr int kRunMs = 20000;

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

quint16 deadPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// A program run to its end in `language`, with nothing set that outranks LANG, and without a display:
// what the tests ask here needs none.
CliResult runProgram(const char* binary, const QStringList& arguments, const QByteArray& input = {},
                     const char* language = "C")
{
    QProcess process;
    QProcessEnvironment environment = environmentInLocale(QString::fromLatin1(language));
    for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(binary), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// A settings file in a folder of its own: the demo account, HOME checked, no address yet.
class CliTest : public ::testing::Test
{
protected:
    CliTest() { writeConfig("DEMO", "HOME:"); }

    QString configPath() const { return m_folder.filePath("DNS.conf"); }

    void writeFile(const QByteArray& text, const QString& path = {}) const
    {
        QFile file(path.isEmpty() ? configPath() : path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    void writeConfig(const QString& password, const QString& checked, const QString& interval = "15") const
    {
        using Scrambler::scrambleText;
        const QStringList lines{"#",      scrambleText("DEMO").trimmed(),  "0", "", scrambleText(password).trimmed(),
                                interval, scrambleText(checked).trimmed(), "0", "1"};
        writeFile((lines.join("\r\n") + "\r\n").toLatin1());
    }

    // The scrambled lines in plain text.
    QStringList config() const
    {
        QFile file(configPath());
        file.open(QIODevice::ReadOnly); // a missing file reads as no lines
        QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
        lines.removeLast();
        for (const int scrambled : {1, 4, 6})
            if (scrambled < lines.size())
                lines[scrambled] = Scrambler::unscrambleText(lines[scrambled]);
        return lines;
    }

    QStringList arguments(quint16 port, const QStringList& command) const
    {
        return QStringList{"--server", QStringLiteral("127.0.0.1:%1").arg(port), "--config", configPath()} + command;
    }

    CliResult run(quint16 port, const QStringList& command, const QByteArray& input = {}) const
    {
        return runProgram(VELTARO_CLI_BINARY, arguments(port, command), input);
    }

    QString startRun(QProcess& cli, quint16 port, const QStringList& options = {},
                     const QString& expected = "HOME: updated to") const
    {
        cli.start(QStringLiteral(VELTARO_CLI_BINARY), arguments(port, options + QStringList{"run"}));
        QString output;
        while (!output.contains(expected) && cli.waitForReadyRead(kRunMs))
            output += QString::fromLocal8Bit(cli.readAll());
        return output;
    }

    QTemporaryDir m_folder;
};

} // namespace

TEST_F(CliTest, UpdateTellsHowItWentByItsExitStatusAndKeepsTheLearnedAddress)
{
    // OFFICE's update is sent only once HOME's is answered.
    const QStringList steps{"GETMYIP:DEMO:DEMO:", "GETHOSTS:DEMO:DEMO:", "UPDATE:DEMO:DEMO:GHOME:127.0.0.1:",
                            "UPDATE:DEMO:DEMO:GOFFICE:127.0.0.1:"};
    const QString updating = "Updating selected groups...\n", listed = "List refreshed\n" + updating,
                  office = "OFFICE: updated to 127.0.0.1\n",
                  cut = "HOME: update failed: the connection failed before a reply\n";
    // Server options, password, exit status, how many of the steps the server saw, output, and errors (on
    // standard error, so that cron mails them).
    const std::tuple<QStringList, QString, int, int, QString, QString> cases[] = {
        {{}, "DEMO", 0, 4, listed + "HOME: updated to 127.0.0.1\n" + updating + office, ""},
        {{}, "WRONG", 1, 2, "", "The user name or password was not accepted\n"},
        {{"--only", "UPDATE:HOME", "--close-without-reply"}, "DEMO", 1, 4, listed + updating + office, cut},
        {{"--only", "UPDATE", "--never-reply"}, "DEMO", 3, 3, listed, "Timeout expired...connection failed.\n"}};
    for (const auto& [serverArguments, password, exitCode, requests, out, err] : cases) {
        SCOPED_TRACE((password + " " + serverArguments.join(u' ')).toStdString());
        writeConfig(password, "HOME:OFFICE:");
        ServerProcess server(serverArguments);
        ASSERT_TRUE(server.isListening());

        const CliResult result = run(server.commandPort(), {"--timeout-seconds", "2", "update"});

        EXPECT_EQ(result.exitCode, exitCode);
        const QString asked =
            "Checking for new IP...\nNew IP found: 127.0.0.1\nIP address: 127.0.0.1\nRefreshing hosts...\n";
        EXPECT_EQ(result.out.toStdString(), (asked + out).toStdString());
        EXPECT_EQ(result.err.toStdString(), err.toStdString());
        EXPECT_EQ(server.requests().join(u' ').replace(":" + password + ":", ":DEMO:"),
                  steps.mid(0, requests).join(u' '));
        EXPECT_EQ(config().value(3), "127.0.0.1");
    }
}

TEST_F(CliTest, UsageAndSettingsErrorsExitWithTwoBeforeAnyRequestAndLeaveTheSettingsAsTheyWere)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    for (const char* command :
         {"", "frob", "check", "update HOME", "interval often", "auto-update yes", "address 203.0.113", "address ::1",
          "check домой", "--server nohost update", "--timeout-seconds 0 update", "history --last 0"}) {
        const CliResult result = run(server.commandPort(), QString(command).split(u' ', Qt::SkipEmptyParts));
        EXPECT_EQ(result.exitCode, 2) << command;
        EXPECT_FALSE(result.err.isEmpty());
    }
    // A password the file cannot carry would be stored and sent as question marks.
    for (const QByteArray input : {"demo\nпароль\n", "bob\n", "bo:b\nsecret\n"})
        EXPECT_EQ(run(server.commandPort(), {"account"}, input).exitCode, 2) << input.constData();
    EXPECT_EQ(config(), QStringList({"#", "DEMO", "0", "", "DEMO", "15", "HOME:", "0", "1"}));

    // A fixed address left empty, then no account at all.
    writeFile("#\r\nS1MY\r\n1\r\n\r\nS1MY\r\n15\r\nWYM1:\r\n0\r\n1\r\n");
    EXPECT_EQ(run(server.commandPort(), {"update"}).exitCode, 2);
    writeFile({});
    EXPECT_EQ(run(server.commandPort(), {"status"}).exitCode, 2);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(runProgram(VELTARO_CLI_BINARY, {"--help"}).exitCode, 0);

    // A settings path that is no file is refused at once.
    const QString fifo = m_folder.filePath("fifo");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& path : {fifo, m_folder.path()}) {
        for (const QStringList& command : {QStringList{"status"}, {"check", "HOME"}}) {
            const CliResult result = runProgram(VELTARO_CLI_BINARY, QStringList{"--config", path} + command);
            EXPECT_EQ(result.exitCode, 2) << path.toStdString();
            EXPECT_TRUE(result.err.contains("is not a regular file")) << result.err.toStdString();
        }
        EXPECT_FALSE(QFileInfo(path).isFile()) << path.toStdString();
    }
}

TEST_F(CliTest, SettingCommandsEditTheirOwnLinesWithThePreferencesRulesAndNeedNoServer)
{
    writeConfig("DEMO", "AB:HOME:");
    const quint16 port = deadPort();
    for (const char* command : {"check office", "uncheck B", "check HOME", "uncheck home", "interval 45",
                                "auto-update off", "address 203.0.113.7"})
        EXPECT_EQ(run(port, QString(command).split(u' ')).exitCode, 0) << command;
    EXPECT_EQ(config().mid(1), QStringList({"DEMO", "1", "203.0.113.7", "DEMO", "45", "AB:OFFICE:", "0", "0"}));
    const CliResult shortest = run(port, {"interval", "10"});
    EXPECT_TRUE(shortest.err.contains("15 minutes is the shortest interval")) << shortest.err.toStdString();
    for (const char* command : {"address auto", "auto-update on"})
        EXPECT_EQ(run(port, QString(command).split(u' ')).exitCode, 0) << command;
    EXPECT_EQ(config().mid(1), QStringList({"DEMO", "0", "203.0.113.7", "DEMO", "15", "AB:OFFICE:", "0", "1"}));
    EXPECT_EQ(run(port, {"update"}).exitCode, 3) << "the server cannot be reached";
}

TEST_F(CliTest, StatusShowsTheGroupsWithTheirCheckMarksAndNoControlCharactersButNothingForARefusedAccount)
{
    const QString accounts = m_folder.filePath("accounts.txt");
    writeFile("account DEMO DEMO\ngroup HOME\ngroup OFFICE\ngroup \x1b[2J\x1b]0;OWNED\x07X\n", accounts);
    writeConfig("DEMO", "OFFICE:GONE:");
    ServerProcess server({"--accounts", accounts});
    ASSERT_TRUE(server.isListening());

    const CliResult result = run(server.commandPort(), {"status"});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "Account: DEMO\nIP address: (not known yet)\nUpdate interval: 15 minutes\n"
              "Automatic updates: on\nRefreshing hosts...\nList refreshed\nGroups:\n"
              "  [ ] HOME\n  [x] OFFICE\n  [ ]  [2J ]0;OWNED X\n  [x] GONE (not in the account)\n");
    EXPECT_EQ(server.requests(), QStringList{"GETHOSTS:DEMO:DEMO:"});

    writeConfig("WRONG", "OFFICE:");
    const CliResult refused = run(server.commandPort(), {"status"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.out.contains("OFFICE")) << refused.out.toStdString();
    EXPECT_TRUE(refused.err.contains("not accepted")) << refused.err.toStdString();
    // The service manager shows a refused account as a failed unit.
    EXPECT_EQ(run(server.commandPort(), {"run"}).exitCode, 1);
}

TEST_F(CliTest, AccountOnANewSettingsFileIsEnoughForRunToUpdateEveryInterval)
{
    QFile::remove(configPath());
    const quint16 port = deadPort();
    ASSERT_EQ(run(port, {"account"}, "demo\ndemo\n").exitCode, 0);
    ASSERT_EQ(run(port, {"check", "home"}).exitCode, 0);
    EXPECT_EQ(config().mid(1), QStringList({"DEMO", "0", "", "DEMO", "15", "HOME:", "0", "1"}));
    writeConfig("DEMO", "HOME:", "0");

    // The server is down when the service starts, and up before the cycle's first update.
    QProcess cli;
    cli.setProcessChannelMode(QProcess::MergedChannels);
    QString log = startRun(cli, port, {"--minute-ms", "200"}, "asking for it before updating");
    ASSERT_TRUE(log.contains("Connection failed")) << log.toStdString();
    EXPECT_TRUE(log.contains("no update interval (0); updating every 15 minutes")) << log.toStdString();
    ServerProcess server({"--port", QString::number(port)});
    ASSERT_TRUE(server.isListening());
    while (log.count("HOME: updated to 127.0.0.1") < 2 && cli.waitForReadyRead(kRunMs))
        log += QString::fromLocal8Bit(cli.readAll());
    EXPECT_EQ(log.count("HOME: updated to 127.0.0.1"), 2) << log.toStdString();
    cli.terminate();
    cli.waitForFinished(kRunMs);
}

TEST_F(CliTest, RunHoldsTheSettingsWhileItRunsAndSavesThemOnSigtermForTheCommandWaitingOnThem)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    QProcess cli;
    const QString output = startRun(cli, server.commandPort());
    EXPECT_EQ(server.requests(),
              QStringList({"GETMYIP:DEMO:DEMO:", "GETHOSTS:DEMO:DEMO:", "UPDATE:DEMO:DEMO:GHOME:127.0.0.1:"}));
    const QRegularExpression started(
        "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d) Started for DEMO");
    EXPECT_TRUE(started.match(output).hasMatch()) << output.toStdString();

    for (const char* command : {"update", "run", "uncheck HOME"}) {
        const CliResult second = run(server.commandPort(), QString(command).split(u' '));
        EXPECT_EQ(second.exitCode, 2) << command;
        EXPECT_TRUE(second.err.contains("another Veltaro is using")) << second.err.toStdString();
    }
    EXPECT_EQ(config().value(3), "") << "saved before it was asked to stop";

    // The check waits for run to save and free the settings.
    QProcess check;
    check.start(QStringLiteral(VELTARO_CLI_BINARY), arguments(server.commandPort(), {"check", "OFFICE"}));
    ASSERT_TRUE(check.waitForStarted());
    QThread::msleep(300);
    cli.terminate();
    ASSERT_TRUE(check.waitForFinished(kRunMs));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
    ASSERT_TRUE(cli.waitForFinished(kRunMs));
    EXPECT_EQ(std::pair(cli.exitStatus(), cli.exitCode()), std::pair(QProcess::NormalExit, 0));
    EXPECT_EQ(config().value(6), "HOME:OFFICE:");
    EXPECT_EQ(config().value(3), "127.0.0.1");
}

TEST_F(CliTest, InTheJournalEachLineCarriesItsPriorityAndTheHistoryKeepsWhatTheUpdatesDid)
{
    writeConfig("DEMO", "HOME:OFFICE:");
    ServerProcess server({"--only", "UPDATE:OFFICE", "--close-without-reply"});
    ASSERT_TRUE(server.isListening());
    QFile errors(m_folder.filePath("err.log"));
    ASSERT_TRUE(errors.open(QIODevice::ReadWrite));
    struct stat journal = {};
    ASSERT_EQ(::fstat(errors.handle(), &journal), 0);
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("JOURNAL_STREAM", QStringLiteral("%1:%2").arg(journal.st_dev).arg(journal.st_ino));
    cli.setProcessEnvironment(environment);
    cli.setStandardErrorFile(errors.fileName());
    cli.start(QStringLiteral(VELTARO_CLI_BINARY), arguments(server.commandPort(), {"update"}));
    ASSERT_TRUE(cli.waitForFinished(kRunMs));
    EXPECT_EQ(errors.readAll(), "<3>OFFICE: update failed: the connection failed before a reply\n");
    const QString out = QString::fromLocal8Bit(cli.readAllStandardOutput());
    EXPECT_TRUE(out.contains("\nHOME: updated to 127.0.0.1\n") && !out.contains('<')) << out.toStdString();

    const QString failed = "UPDATE\tOFFICE\t127.0.0.1\tfailed: the connection failed before a reply\n";
    const QRegularExpression time("^[^\t\n]*\t", QRegularExpression::MultilineOption);
    EXPECT_EQ(run(server.commandPort(), {"history"}).out.remove(time),
              "ADDRESS\t\t127.0.0.1\tnew address\nUPDATE\tHOME\t127.0.0.1\tok\n" + failed);
    EXPECT_EQ(run(server.commandPort(), {"history", "--last", "1"}).out.remove(time), failed);
}

TEST(Programs, EveryProgramTellsItsVersion)
{
    // The desktop programs answer before they need a display.
    for (const auto& [binary, name] :
         {std::pair(VELTARO_CLI_BINARY, "veltaro-cli"), std::pair(VELTARO_SERVER_BINARY, "veltaro-server"),
          std::pair(VELTARO_CLIENT_BINARY, "veltaro"), std::pair(VELTARO_WEB_BINARY, "veltaro-web")})
        EXPECT_EQ(runProgram(binary, {"--version"}).out.toStdString(), name + std::string(" " VELTARO_VERSION "\n"));
}

TEST(Programs, SpeakTheSystemsLanguageAndTodaysEnglishUnderC)
{
    EXPECT_EQ(runProgram(VELTARO_CLI_BINARY, {"frob"}).err.toStdString(),
              "veltaro-cli: unknown command \"frob\"\nTry \"veltaro-cli --help\".\n");
    EXPECT_EQ(runProgram(VELTARO_CLI_BINARY, {"frob"}, {}, "de_DE.UTF-8").err.toStdString(),
              "veltaro-cli: unbekannter Befehl \"frob\"\nHilfe gibt \"veltaro-cli --help\".\n");
    EXPECT_TRUE(runProgram(VELTARO_CLIENT_BINARY, {"--help"})
                    .out.startsWith("Usage: veltaro [--server HOST:PORT] | --version | --help\n"));
    EXPECT_TRUE(runProgram(VELTARO_CLIENT_BINARY, {"--help"}, {}, "de_DE.UTF-8")
                    .out.startsWith("Aufruf: veltaro [--server HOST:PORT] | --version | --help\n\nHält"));
}
