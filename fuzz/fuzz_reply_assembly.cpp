// Feeds a reply to the exchange in arbitrary pieces, with silent gaps and an optional close.
// Byte 0 picks the command; in the rest 0xFE ends a piece and 0xFD is a gap of more than a second.
#include "FuzzSupport.h"

#include "core/client/UpdateClient.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    FuzzClient& client = fuzzClient();
    FakeCorePlatform& fake = client.fake;
    UpdateClient& engine = client.client;

    const int before = fake.sockets.count();
    switch (data[0] & 3) {
    case 0:
        engine.checkAddress();
        break;
    case 1:
        engine.refreshHostList();
        break;
    case 2:
        engine.checkVersionQuietly();
        break;
    default:
        engine.checkNews();
        break;
    }
    if (fake.sockets.count() > before) {
        FakeSocketRecord& socket = fake.sockets.last();
        socket.accept();
        QByteArray piece;
        for (size_t i = 1; i < size; ++i) {
            if (data[i] == 0xFE || data[i] == 0xFD) {
                socket.deliver(QString::fromLatin1(piece));
                piece.clear();
                if (data[i] == 0xFD)
                    fake.clock.advance(1100);
            } else {
                piece.append(char(data[i]));
            }
        }
        socket.deliver(QString::fromLatin1(piece));
        if (data[0] & 0x80)
            socket.remoteClose();
    }
    // Past the time-out: the exchange has unloaded before the next input.
    fake.clock.advance(61000);
    client.settle();
    return 0;
}
