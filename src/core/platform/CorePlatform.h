#pragma once

#include "core/platform/AppInfo.h"
#include "core/platform/Clock.h"
#include "core/platform/Files.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/TcpSocket.h"
#include "core/platform/Timers.h"

// The platform services the client's logic reaches: time, sockets, files, the running program, and
// boxes for what the user must read. A desktop and a command line provide them alike.
struct CorePlatform
{
    TimerService& timers;
    Clock& clock;
    MessageBoxes& messageBoxes;
    AppInfo& app;
    Files& files;
    SocketFactory& sockets;
};
