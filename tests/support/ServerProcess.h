#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The reference server for one test, on free ports. Waiting pumps the Qt event loop, so a client
// living on the test's thread keeps running meanwhile.
class ServerProcess
{
public:
    explicit ServerProcess(const QStringList& extraArguments = {});
    ~ServerProcess();

    bool isListening() const { return m_commandPort != 0; }
    quint16 commandPort() const { return m_commandPort; }

    // The requests served so far, unscrambled, oldest first.
    QStringList requests();

    // Whether a line printed since the start begins with `prefix` within timeoutMs.
    bool waitForLine(const QString& prefix, int timeoutMs = 5000);

private:
    void collectOutput();

    QProcess m_process;
    QByteArray m_partialLine;
    QStringList m_lines;
    quint16 m_commandPort = 0;
};
