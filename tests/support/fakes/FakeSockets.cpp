#include "support/fakes/FakeSockets.h"

#include <utility>

class FakeSocket : public TcpSocket
{
public:
    explicit FakeSocket(std::shared_ptr<FakeSocketRecord> record) : m_record(std::move(record))
    {
        m_record->m_socket = this;
    }

    ~FakeSocket() override
    {
        // A real socket freed under its own handler is written to after the handler returns.
        if (m_record->m_handlerDepth > 0)
            qFatal("A socket was destroyed inside its own event handler");
        m_record->m_socket = nullptr;
    }

    void connectToHost(const QString& host, quint16 port) override
    {
        m_record->m_remoteHost = host;
        m_record->m_remotePort = port;
        m_record->m_connectCalled = true;
    }
    void write(const QByteArray& bytes) override { m_record->m_sends.append(QString::fromLatin1(bytes)); }
    QByteArray readAll() override { return std::exchange(m_record->m_incoming, QByteArray()); }

    void close() override
    {
        m_record->m_closed = true;
        m_record->m_connected = false;
    }

private:
    std::shared_ptr<FakeSocketRecord> m_record;
};

FakeSocket* FakeSocketRecord::live() const
{
    return m_closed ? nullptr : m_socket;
}

namespace {
// Marks a handler of a socket as running.
struct HandlerScope
{
    explicit HandlerScope(int& handlerDepth) : depth(handlerDepth) { ++depth; }
    ~HandlerScope() { --depth; }
    int& depth;
};
} // namespace

// Each event calls a copy of the handler.
bool FakeSocketRecord::accept()
{
    FakeSocket* socket = live();
    if (socket == nullptr || !m_connectCalled)
        return false;
    m_connected = true;
    if (auto handler = socket->onConnected) {
        const HandlerScope scope(m_handlerDepth);
        handler();
    }
    afterEvent();
    return true;
}

bool FakeSocketRecord::deliver(const QString& data)
{
    FakeSocket* socket = live();
    if (socket == nullptr)
        return false;
    m_incoming += data.toLatin1();
    if (auto handler = socket->onReadyRead) {
        const HandlerScope scope(m_handlerDepth);
        handler();
    }
    afterEvent();
    return true;
}

bool FakeSocketRecord::remoteClose()
{
    FakeSocket* socket = live();
    if (socket == nullptr)
        return false;
    m_connected = false;
    if (auto handler = socket->onClosed) {
        const HandlerScope scope(m_handlerDepth);
        handler();
    }
    afterEvent();
    return true;
}

bool FakeSocketRecord::fail(const QString& description)
{
    FakeSocket* socket = live();
    if (socket == nullptr)
        return false;
    m_connected = false;
    if (auto handler = socket->onError) {
        const HandlerScope scope(m_handlerDepth);
        handler(description);
    }
    afterEvent();
    return true;
}

void FakeSocketRecord::afterEvent() const
{
    if (m_afterEvent)
        m_afterEvent();
}

std::unique_ptr<TcpSocket> FakeSocketFactory::create()
{
    auto record = std::make_shared<FakeSocketRecord>();
    record->m_afterEvent = afterEvent;
    m_created.push_back(record);
    return std::make_unique<FakeSocket>(std::move(record));
}

void FakeSocketFactory::forgetDestroyed()
{
    std::erase_if(m_created, [](const std::shared_ptr<FakeSocketRecord>& record) { return record->isDestroyed(); });
}
