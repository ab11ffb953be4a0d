#include "platform/qt/QtSockets.h"

// Placeholder until the exchange lands.
std::unique_ptr<TcpSocket> QtSocketFactory::create()
{
    return nullptr;
}
