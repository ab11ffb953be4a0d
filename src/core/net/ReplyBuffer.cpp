#include "core/net/ReplyBuffer.h"

#include "core/platform/TcpSocket.h"

void ReplyBuffer::takeFrom(TcpSocket& socket)
{
    // Reads in bounded pieces so an oversized reply never lands in memory whole.
    constexpr int kReadPiece = 16384;
    while (socket.bytesAvailable() > 0) {
        const QString piece = socket.getData(kReadPiece);
        if (piece.isEmpty())
            break;
        const qsizetype room = m_capacity - m_text.size();
        if (room > 0)
            m_text += piece.left(room);
    }
}

bool ReplyBuffer::isComplete() const
{
    return m_text.size() >= m_capacity || m_text.endsWith(QLatin1Char('\n'));
}
