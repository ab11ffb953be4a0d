#pragma once

#include "support/fakes/FakeCorePlatform.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// Plays the command server over the fake sockets, for one account: answers each connection the
// client opens with the reply the reference server would give, and notes when it was opened.
class FakeCommandServer
{
public:
    struct Request
    {
        qint64 openedAtMs;
        // Plain and upper-case, as the server decodes it.
        QString text;
    };

    explicit FakeCommandServer(FakeCorePlatform& fake) : m_fake(fake) {}

    // Notes the connections opened since the last call and, unless holding, answers them.
    void answerAll();
    // Moves the clock on in steps of 50 ms, answering after each: a server that replies at once.
    void run(qint64 milliseconds);

    QStringList commandWords() const;
    // For each of `count` whole minutes, the command words sent in it, joined by spaces; clears `requests`.
    QStringList minutes(qsizetype count);

    // Nothing is answered, so an exchange that has started stays busy.
    bool holding = false;
    // Every connection is refused, as by a server that is down.
    bool refusing = false;
    QString address = QStringLiteral("203.0.113.9");
    QString hostsReply = QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:GLAB:");
    QString versionReply = QStringLiteral("CHECKVERSION:2.1.3:");
    QString newsReply = QStringLiteral("CHECKNEWS:NONE:");
    QSet<QString> failingGroups;
    std::vector<Request> requests;

private:
    QString answer(const QString& request) const;

    FakeCorePlatform& m_fake;
    std::vector<qint64> m_openedAt;
    std::size_t m_answered = 0;
};
