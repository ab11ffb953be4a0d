#pragma once

#include "core/client/UpdateClient.h"
#include "core/protocol/Scrambler.h"
#include "support/FakeCommandServer.h"
#include "support/fakes/ClientRecorder.h"
#include "support/fakes/FakeCorePlatform.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// The client of alice (password "pw"), who has OFFICE checked, without any window, over a server
// that answers at once. The desktop paces the start-up chain a second a step; the command line does not.
struct Engine
{
    enum Pace
    {
        Desktop,
        CommandLine
    };

    explicit Engine(Pace pace = Desktop, qint32 interval = 3)
        : client(std::make_unique<UpdateClient>(fake.platform,
                                                UpdateScheduler::Pacing{.startStepMs = pace == Desktop ? 1000 : 0})),
          view(std::make_unique<ClientRecorder>(*client)), settings(client->settings())
    {
        settings.userName = QStringLiteral("alice");
        settings.password = QStringLiteral("pw");
        settings.checkedGroups = QStringLiteral("OFFICE:");
        settings.autoUpdate = 1;
        settings.updateInterval = interval;
        if (pace == CommandLine)
            client->exchange().setCloseDelays(0, 0);
    }

    UpdateScheduler& scheduler() { return client->scheduler(); }

    // Starts and lets the start-up chain run to its end, then forgets its requests.
    void startUp()
    {
        scheduler().start();
        server.run(3000);
        ASSERT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS", "UPDATE"}));
        server.requests.clear();
    }

    // Moves to 50 ms before the next whole minute.
    void toNextMinute() { server.run(60000 - fake.clock.elapsedMs() % 60000 - 50); }

    QString status() const { return view->lastStatus(); }

    FakeCorePlatform fake;
    std::unique_ptr<UpdateClient> client;
    // What the client signalled for its front ends to show.
    std::unique_ptr<ClientRecorder> view;
    Settings& settings;
    FakeCommandServer server{fake};
};

// A settings file of the given lines, each ended by CR LF.
inline QByteArray configFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// A field as a scrambled line of the settings file.
inline QString scrambledLine(const QString& field)
{
    return Scrambler::scrambleText(field).chopped(2);
}

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
