#pragma once

#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/MessageBoxes.h"
#include "platform/TcpSocket.h"
#include "platform/Timers.h"

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
