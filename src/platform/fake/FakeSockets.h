#pragma once

#include "platform/TcpSocket.h"

#include <vector>

// Sockets that never connect on their own; the exchange's tests drive them.
class FakeSocketFactory : public SocketFactory
{
public:
    std::unique_ptr<TcpSocket> create() override;
};
