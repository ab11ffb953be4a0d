#pragma once

#include "core/client/ClientState.h"
#include "core/client/UpdateClient.h"
#include "core/protocol/Scrambler.h"
#include "support/FakeCommandServer.h"
#include "support/fakes/FakeCorePlatform.h"
#include "support/fakes/RecordingView.h"

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
    {
        state.userName = QStringLiteral("alice");
        state.password = QStringLiteral("pw");
        state.checkedGroups = QStringLiteral("OFFICE:");
        state.autoUpdate = 1;
        state.updateInterval = interval;
        auto recording = std::make_unique<RecordingView>();
        view = recording.get();
        const UpdateScheduler::Pacing pacing{.startStepMs = pace == Desktop ? 1000 : 0};
        client = std::make_unique<UpdateClient>(state, fake.platform, std::move(recording), pacing);
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
    ClientState state;
    RecordingView* view = nullptr;
    std::unique_ptr<UpdateClient> client;
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
