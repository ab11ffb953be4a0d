#include "core/platform/WebMessages.h"

#include <array>

namespace {

struct KindName
{
    WebMessage::Kind kind;
    const char* word;
    // What follows the word: T text, F flag, N number.
    const char* fields;
};

constexpr std::array<KindName, 11> kKinds{{
    {WebMessage::Kind::Navigate, "navigate", "T"},
    {WebMessage::Kind::Back, "back", ""},
    {WebMessage::Kind::Forward, "forward", ""},
    {WebMessage::Kind::Stop, "stop", ""},
    {WebMessage::Kind::Refresh, "refresh", ""},
    {WebMessage::Kind::Show, "show", ""},
    {WebMessage::Kind::Window, "window", "N"},
    {WebMessage::Kind::Busy, "busy", "F"},
    {WebMessage::Kind::Location, "location", "T"},
    {WebMessage::Kind::PageLoaded, "loaded", ""},
    {WebMessage::Kind::Download, "download", "FT"},
}};

const KindName* byKind(WebMessage::Kind kind)
{
    for (const KindName& entry : kKinds)
        if (entry.kind == kind)
            return &entry;
    return nullptr;
}

const KindName* byWord(const QByteArray& word)
{
    for (const KindName& entry : kKinds)
        if (word == entry.word)
            return &entry;
    return nullptr;
}

} // namespace

QByteArray WebProtocol::encode(const WebMessage& message)
{
    const KindName* entry = byKind(message.kind);
    if (!entry)
        return {};
    QByteArray line(entry->word);
    for (const char* field = entry->fields; *field; ++field) {
        line += ' ';
        switch (*field) {
        case 'T':
            line += message.text.toUtf8().toPercentEncoding();
            break;
        case 'F':
            line += message.flag ? '1' : '0';
            break;
        case 'N':
            line += QByteArray::number(message.number);
            break;
        }
    }
    return line + '\n';
}

std::optional<WebMessage> WebProtocol::decode(const QByteArray& line)
{
    const QList<QByteArray> parts = line.split(' ');
    const KindName* entry = byWord(parts.front());
    if (!entry || parts.size() != 1 + qsizetype(qstrlen(entry->fields)))
        return std::nullopt;
    WebMessage message;
    message.kind = entry->kind;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray& part = parts[i];
        switch (entry->fields[i - 1]) {
        case 'T':
            message.text = QString::fromUtf8(QByteArray::fromPercentEncoding(part));
            break;
        case 'F':
            if (part != "0" && part != "1")
                return std::nullopt;
            message.flag = part == "1";
            break;
        case 'N': {
            bool ok = false;
            message.number = part.toULongLong(&ok);
            if (!ok || part.startsWith('+') || part.startsWith('-'))
                return std::nullopt;
            break;
        }
        }
    }
    return message;
}

QList<WebMessage> WebProtocol::feed(const QByteArray& bytes)
{
    QList<WebMessage> messages;
    if (m_broken)
        return messages;
    m_pending += bytes;
    qsizetype start = 0;
    for (qsizetype end; (end = m_pending.indexOf('\n', start)) >= 0; start = end + 1) {
        const std::optional<WebMessage> message =
            end - start > kMaxLine ? std::nullopt : decode(m_pending.mid(start, end - start));
        if (!message) {
            m_broken = true;
            m_pending.clear();
            return messages;
        }
        messages.append(*message);
    }
    m_pending.remove(0, start);
    if (m_pending.size() > kMaxLine) {
        m_broken = true;
        m_pending.clear();
    }
    return messages;
}
