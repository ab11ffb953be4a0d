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
template <typename... Params, typename... Args>
bool FakeSocketRecord::event(std::function<void(Params...)> TcpSocket::*handler, const Args&... args)
{
    if (m_closed || m_socket == nullptr)
        return false;
    ++m_handlerDepth;
    if (auto call = m_socket->*handler)
        call(args...);
    --m_handlerDepth;
    if (m_afterEvent)
        m_afterEvent();
    return true;
}

bool FakeSocketRecord::accept()
{
    return m_connectCalled && event(&TcpSocket::onConnected);
}

bool FakeSocketRecord::deliver(const QString& data)
{
    if (!m_closed && m_socket != nullptr)
        m_incoming += data.toLatin1();
    return event(&TcpSocket::onReadyRead);
}

bool FakeSocketRecord::remoteClose()
{
    return event(&TcpSocket::onClosed);
}

bool FakeSocketRecord::fail(const QString& description)
{
    return event(&TcpSocket::onError, description);
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
    std::erase_if(m_created, [](const auto& record) { return record->isDestroyed(); });
}
