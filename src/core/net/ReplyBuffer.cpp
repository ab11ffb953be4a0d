#include "core/net/ReplyBuffer.h"

void ReplyBuffer::add(const QByteArray& bytes)
{
    const qsizetype room = m_capacity - m_text.size();
    if (room > 0)
        m_text += QString::fromLatin1(bytes.left(room));
}

bool ReplyBuffer::isComplete() const
{
    return m_text.size() >= m_capacity || m_text.endsWith(QLatin1Char('\n'));
}
