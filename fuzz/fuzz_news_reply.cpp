// Feeds arbitrary server replies, unscrambled as the exchange does, to one reply processor.
#include "FuzzSupport.h"

#include "core/client/UpdateClient.h"
#include "core/protocol/Scrambler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzClient& client = fuzzClient();
    client.client.handleNewsReply(Scrambler::unscrambleText(latin1Text(data, size)));
    client.settle();
    return 0;
}
