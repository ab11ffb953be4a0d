#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

// Runs the reference server (veltaro-server) for one test, on free ports. Everything it prints
// after its LISTENING line is collected as lines; waiting pumps the Qt event loop, so a client
// living on the test's thread keeps running meanwhile.
class ServerProcess
{
public:
    // Starts the server with --port 0 --http-port 0 and the extra arguments, and waits up to
    // five seconds for it to report its ports.
    explicit ServerProcess(const QStringList& extraArguments = {});
    ~ServerProcess();

    bool isListening() const { return m_commandPort != 0; }
    quint16 commandPort() const { return m_commandPort; }
    quint16 httpPort() const { return m_httpPort; }

    // The requests served so far, unscrambled and without the "REQUEST " prefix, oldest first.
    QStringList requests();

    // True as soon as any line printed since start matches; false after timeoutMs without one.
    bool waitForLine(const std::function<bool(const QString&)>& matches, int timeoutMs = 5000);
    bool waitForLine(const QString& prefix, int timeoutMs = 5000);

private:
    void collectOutput();

    QProcess m_process;
    QByteArray m_partialLine;
    QStringList m_lines;
    quint16 m_commandPort = 0;
    quint16 m_httpPort = 0;
};
