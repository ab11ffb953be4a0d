#pragma once

#include "platform/TcpSocket.h"

class QtSocketFactory : public SocketFactory
{
public:
    std::unique_ptr<TcpSocket> create() override;
};
