#include "support/ServerProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

ServerProcess::ServerProcess(const QStringList& extraArguments)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(VELTARO_SERVER_BINARY),
                    QStringList{"--port", "0", "--http-port", "0"} + extraArguments);
    static const QRegularExpression listening(QStringLiteral("^LISTENING command=(\\d+) "));
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        collectOutput();
        if (m_lines.isEmpty())
            continue;
        const QRegularExpressionMatch match = listening.match(m_lines.takeFirst());
        if (match.hasMatch())
            m_commandPort = quint16(match.captured(1).toUInt());
        return;
    }
}

ServerProcess::~ServerProcess()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(3000);
}

QStringList ServerProcess::requests()
{
    collectOutput();
    QStringList result;
    for (const QString& line : std::as_const(m_lines))
        if (line.startsWith(QLatin1String("REQUEST ")))
            result.append(line.mid(8));
    return result;
}

bool ServerProcess::waitForLine(const QString& prefix, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // Wakes the event loop regularly, so the deadline is seen even when nothing else happens.
    QTimer wakeUp;
    wakeUp.start(10);
    for (;;) {
        collectOutput();
        if (std::any_of(m_lines.cbegin(), m_lines.cend(), [&](const QString& line) { return line.startsWith(prefix); }))
            return true;
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void ServerProcess::collectOutput()
{
    // Also picks up output that no event loop has read yet, after a test's blocking socket calls.
    if (m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(0);
    m_partialLine += m_process.readAllStandardOutput();
    for (qsizetype end; (end = m_partialLine.indexOf('\n')) >= 0; m_partialLine.remove(0, end + 1))
        m_lines.append(QString::fromUtf8(m_partialLine.left(end)).trimmed());
}
