#pragma once

#include <QtGlobal>

// The network monitor the program uses on this system.
#ifdef Q_OS_LINUX
#include "core/platform/linux/NetlinkNetworkMonitor.h"
using SystemNetworkMonitor = NetlinkNetworkMonitor;
#else
#include "core/platform/qt/QtNetworkMonitor.h"
using SystemNetworkMonitor = QtNetworkMonitor;
#endif
