#pragma once

#include "platform/AppInfo.h"
#include "platform/BrowserControl.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/MessageBoxes.h"
#include "platform/Registry.h"
#include "platform/TcpSocket.h"
#include "platform/Timers.h"
#include "platform/TrayIcon.h"

// Every platform service the logic and the windows reach. The program passes Qt implementations,
// tests pass fakes.
struct Platform
{
    TimerService& timers;
    Clock& clock;
    MessageBoxes& messageBoxes;
    AppInfo& app;
    Files& files;
    SocketFactory& sockets;
    TrayIcon& tray;
    Registry& registry;
    ProcessStarter& processes;
    BrowserFactory& browsers;
    Desktop& desktop;
};
