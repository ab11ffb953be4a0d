// The web helper's message stream: whatever arrives, in whatever pieces, reads the same, and every
// message read is written back to the line it came from.
#include "core/platform/WebMessages.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says where the stream is cut in two.
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const qsizetype cut = bytes.isEmpty() ? 0 : data[0] % (bytes.size() + 1);

    WebProtocol whole;
    const QList<WebMessage> read = whole.feed(bytes);
    WebProtocol pieces;
    QList<WebMessage> readInPieces = pieces.feed(bytes.left(cut));
    readInPieces += pieces.feed(bytes.mid(cut));
    if (read != readInPieces || whole.broken() != pieces.broken())
        std::abort();

    for (const WebMessage& message : read) {
        const QByteArray line = WebProtocol::encode(message);
        const std::optional<WebMessage> again = WebProtocol::decode(line.chopped(1));
        if (!again || !(*again == message))
            std::abort();
    }
    return 0;
}
