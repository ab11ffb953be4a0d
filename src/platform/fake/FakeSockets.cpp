#include "platform/fake/FakeSockets.h"

namespace {
class IdleSocket : public TcpSocket
{
public:
    void setRemoteHost(const QString&) override {}
    void setRemotePort(int) override {}
    void connectToServer() override {}
    void sendData(const QString&) override {}
    QString getData(int) override { return {}; }
    qint64 bytesAvailable() const override { return 0; }
    void close() override {}
};
} // namespace

std::unique_ptr<TcpSocket> FakeSocketFactory::create()
{
    return std::make_unique<IdleSocket>();
}
