#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// One message between the program and its web helper `veltaro-web`.
struct WebMessage
{
    enum class Kind
    {
        // To the helper.
        Navigate, // text: the address
        Back,
        Forward,
        Stop,
        Refresh,
        Show,       // the page may appear now: inside the web window, or as a window of its own
                    // From the helper.
        Window,     // number: the native id of the page's window, for embedding
        Busy,       // flag: a page is loading
        Location,   // text: the page's title, or its address while it has none
        PageLoaded, // a page (or a step of it) has finished loading
        Download,   // flag: saved; text: the file's path
    };

    WebMessage() = default;
    WebMessage(Kind kind, QString text = QString(), bool flag = false, quint64 number = 0)
        : kind(kind), text(std::move(text)), flag(flag), number(number)
    {}

    Kind kind = Kind::Stop;
    QString text;
    bool flag = false;
    quint64 number = 0;

    bool operator==(const WebMessage&) const = default;
};

// The wire form of the messages: one line each, a word and then its fields, percent-encoded and
// separated by spaces. Reads what a local socket delivers, in pieces of any size.
class WebProtocol
{
public:
    // No message comes near this; a longer line is garbage.
    static constexpr qsizetype kMaxLine = 1024 * 1024;

    static QByteArray encode(const WebMessage& message);
    // One line without its end; nothing when it is not a well-formed message.
    static std::optional<WebMessage> decode(const QByteArray& line);

    // Adds bytes and returns the complete messages among them, in order. A line that is not a
    // message breaks the stream: nothing more is read and broken() says so, and the peer is dropped.
    QList<WebMessage> feed(const QByteArray& bytes);
    bool broken() const { return m_broken; }

private:
    QByteArray m_pending;
    bool m_broken = false;
};
