#include "support/FakeCommandServer.h"

#include "core/protocol/Scrambler.h"

#include <QMap>

using Scrambler::scrambleText;
using Scrambler::unscrambleText;

void FakeCommandServer::answerAll()
{
    // Answering may open further connections; they are answered in the same call.
    for (;;) {
        while (m_openedAt.size() < std::size_t(m_fake.sockets.count()))
            m_openedAt.push_back(m_fake.clock.elapsedMs());
        if (holding || m_answered == m_openedAt.size())
            return;
        const std::size_t index = m_answered++;
        FakeSocketRecord& socket = m_fake.sockets.socket(int(index));
        if (refusing)
            socket.fail();
        else if (socket.accept()) {
            const QString request = unscrambleText(socket.sent());
            requests.push_back({m_openedAt[index], request});
            socket.deliver(scrambleText(answer(request)));
        }
    }
}

void FakeCommandServer::run(qint64 milliseconds)
{
    answerAll();
    const qint64 end = m_fake.clock.elapsedMs() + milliseconds;
    // Steps end on whole multiples of 50 ms, so a connection is noted when its second began.
    while (m_fake.clock.elapsedMs() < end) {
        const qint64 now = m_fake.clock.elapsedMs();
        m_fake.clock.advance(qMin((now / 50 + 1) * 50, end) - now);
        answerAll();
    }
}

QStringList FakeCommandServer::commandWords() const
{
    QStringList words;
    for (const Request& request : requests)
        words.append(request.text.section(':', 0, 0));
    return words;
}

QString FakeCommandServer::answer(const QString& request) const
{
    const QStringList fields = request.split(QLatin1Char(':'));
    const QString group = fields.value(3).mid(1);
    const QMap<QString, QString> replies = {
        {"GETMYIP", "GETMYIP:" + address + ':'},
        {"GETHOSTS", hostsReply},
        {"CHECKVERSION", versionReply},
        {"CHECKNEWS", newsReply},
        {"UPDATE", failingGroups.contains(group) ? "UPDATE:ERROR:NOSUCHGROUP:"
                                                 : "UPDATE:" + group + ':' + fields.value(4) + ":SUCCESS:"},
    };
    return replies.value(fields.first(), QStringLiteral("ERROR:UNKNOWNCOMMAND:"));
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
