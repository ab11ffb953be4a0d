#pragma once

#include "platform/fake/FakePlatform.h"
#include "state/ClientState.h"
#include "state/Scrambling.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QLabel>

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

// Fake platform services and a client state whose windows are created on first use.
struct FakeClient
{
    FakeClient() { installWindowFactories(state, fake.platform); }
    QString statusBar() { return state.frmMain->lblStatusBar->text(); }

    FakePlatform fake;
    ClientState state;
};

class ClientTest : public ::testing::Test, public FakeClient
{
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
    return Common_Functions::scrambleText(field).chopped(2);
}

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
