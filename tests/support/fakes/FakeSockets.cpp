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
    void write(const QByteArray& bytes) override { m_record->m_sent += QString::fromLatin1(bytes); }
    QByteArray readAll() override { return std::exchange(m_record->m_incoming, QByteArray()); }
    void close() override { m_record->m_closed = true; }

private:
    std::shared_ptr<FakeSocketRecord> m_record;
};

// Each event calls a copy of the handler, which may replace it.
template <typename Handler> bool FakeSocketRecord::event(Handler handler)
{
    if (m_closed || m_socket == nullptr)
        return false;
    ++m_handlerDepth;
    handler(*m_socket);
    --m_handlerDepth;
    if (m_afterEvent)
        m_afterEvent();
    return true;
}

bool FakeSocketRecord::accept()
{
    return m_connectCalled && event([](FakeSocket& socket) {
               if (auto handler = socket.onConnected)
                   handler();
           });
}

bool FakeSocketRecord::deliver(const QString& data)
{
    if (!m_closed && m_socket != nullptr)
        m_incoming += data.toLatin1();
    return event([](FakeSocket& socket) {
        if (auto handler = socket.onReadyRead)
            handler();
    });
}

bool FakeSocketRecord::remoteClose()
{
    return event([](FakeSocket& socket) {
        if (auto handler = socket.onClosed)
            handler();
    });
}

bool FakeSocketRecord::fail(const QString& description)
{
    return event([&description](FakeSocket& socket) {
        if (auto handler = socket.onError)
            handler(description);
    });
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
