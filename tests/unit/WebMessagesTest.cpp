#include "core/platform/WebMessages.h"

#include <gtest/gtest.h>

namespace {

using Kind = WebMessage::Kind;

const QList<WebMessage> kEveryKind = {
    {Kind::Navigate, QStringLiteral("http://example.test/a b?c=d&e=%20\nf")},
    {Kind::Back},
    {Kind::Forward},
    {Kind::Stop},
    {Kind::Refresh},
    {Kind::Show},
    {Kind::Window, {}, false, 18446744073709551615ull},
    {Kind::Busy, {}, true},
    {Kind::Location, QString::fromUtf8("Caf\xc3\xa9 \xe2\x80\x94 news")},
    {Kind::PageLoaded},
    {Kind::Download, QStringLiteral("/home/u/Downloads/Veltaro (1).exe"), true},
    {Kind::Download, QStringLiteral("/tmp/x"), false},
};

QByteArray encodeAll(const QList<WebMessage>& messages)
{
    QByteArray bytes;
    for (const WebMessage& message : messages)
        bytes += WebProtocol::encode(message);
    return bytes;
}

TEST(WebProtocol, EveryMessageComesBackWholeWhateverThePieces)
{
    const QByteArray bytes = encodeAll(kEveryKind);
    EXPECT_EQ(bytes.count('\n'), kEveryKind.size()) << "a text's line end must not end the message";
    for (qsizetype piece : {qsizetype(1), qsizetype(7), bytes.size()}) {
        WebProtocol protocol;
        QList<WebMessage> read;
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            read += protocol.feed(bytes.mid(at, piece));
        EXPECT_FALSE(protocol.broken());
        EXPECT_EQ(read, kEveryKind) << "in pieces of " << piece;
    }
}

TEST(WebProtocol, MalformedLinesAreRefused)
{
    for (const char* line :
         {"", "jump", "Navigate x", "back 1", "navigate", "navigate a b", "busy 2", "busy true", "window -1",
          "window +1", "window 12x", "window 99999999999999999999", "download yes /x", " back", "back "})
        EXPECT_FALSE(WebProtocol::decode(QByteArray(line))) << '"' << line << '"';
}

TEST(WebProtocol, GarbageBreaksTheStreamButKeepsWhatCameBefore)
{
    WebProtocol protocol;
    const QList<WebMessage> read =
        protocol.feed(encodeAll({{Kind::Back}}) + "\x01\xff garbage\n" + encodeAll({{Kind::Forward}}));
    EXPECT_EQ(read, QList<WebMessage>{{Kind::Back}});
    EXPECT_TRUE(protocol.broken());
    EXPECT_TRUE(protocol.feed(encodeAll({{Kind::Stop}})).isEmpty()) << "nothing is read after garbage";
}

TEST(WebProtocol, AnEndlessLineBreaksTheStreamInsteadOfFillingMemory)
{
    WebProtocol protocol;
    const QByteArray chunk(64 * 1024, 'a');
    qsizetype fed = 0;
    while (!protocol.broken() && fed <= 2 * WebProtocol::kMaxLine) {
        EXPECT_TRUE(protocol.feed(chunk).isEmpty());
        fed += chunk.size();
    }
    EXPECT_TRUE(protocol.broken());
}

} // namespace
