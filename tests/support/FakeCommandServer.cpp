#include "support/FakeCommandServer.h"

#include "core/protocol/Scrambler.h"

using Scrambler::scrambleText;
using Scrambler::unscrambleText;

namespace {
constexpr qint64 kStepMs = 50;
}

void FakeCommandServer::answerAll()
{
    while (m_openedAt.size() < std::size_t(m_fake.sockets.count()))
        m_openedAt.push_back(m_fake.clock.elapsedMs());
    // Answering may open further connections; they are answered in the same call.
    while (!holding && m_answered < std::size_t(m_fake.sockets.count())) {
        const std::size_t index = m_answered++;
        if (index >= m_openedAt.size())
            m_openedAt.push_back(m_fake.clock.elapsedMs());
        FakeSocketRecord& socket = m_fake.sockets.socket(int(index));
        if (refusing) {
            socket.fail();
            continue;
        }
        if (!socket.accept())
            continue;
        const QString request = unscrambleText(socket.sent());
        requests.push_back({m_openedAt[index], request});
        socket.deliver(scrambleText(answer(request)));
    }
}

void FakeCommandServer::run(qint64 milliseconds)
{
    answerAll();
    const qint64 end = m_fake.clock.elapsedMs() + milliseconds;
    // Steps end on whole multiples of the step, so a connection is noted when its second began.
    while (m_fake.clock.elapsedMs() < end) {
        const qint64 now = m_fake.clock.elapsedMs();
        m_fake.clock.advance(qMin((now / kStepMs + 1) * kStepMs, end) - now);
        answerAll();
    }
}

QStringList FakeCommandServer::commandWords() const
{
    QStringList words;
    for (const Request& request : requests)
        words.append(request.text.section(QLatin1Char(':'), 0, 0));
    return words;
}

QString FakeCommandServer::answer(const QString& request) const
{
    const QStringList fields = request.split(QLatin1Char(':'));
    const QString& word = fields.first();
    if (word == QLatin1String("GETMYIP"))
        return QStringLiteral("GETMYIP:") + address + QLatin1Char(':');
    if (word == QLatin1String("GETHOSTS"))
        return hostsReply;
    if (word == QLatin1String("CHECKVERSION"))
        return versionReply;
    if (word == QLatin1String("CHECKNEWS"))
        return newsReply;
    if (word == QLatin1String("UPDATE")) {
        const QString group = fields.value(3).mid(1);
        if (failingGroups.contains(group))
            return QStringLiteral("UPDATE:ERROR:NOSUCHGROUP:");
        return QStringLiteral("UPDATE:") + group + QLatin1Char(':') + fields.value(4) + QStringLiteral(":SUCCESS:");
    }
    return QStringLiteral("ERROR:UNKNOWNCOMMAND:");
}

QStringList FakeCommandServer::minutes(qsizetype count)
{
    QStringList perMinute;
    for (qsizetype minute = 0; minute < count; ++minute) {
        requests.clear();
        run(60000);
        perMinute.append(commandWords().join(QLatin1Char(' ')));
    }
    return perMinute;
}
