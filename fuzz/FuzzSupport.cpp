#include "FuzzSupport.h"

#include "core/client/UpdateClient.h"
#include "core/net/ServerExchange.h"

FuzzClient::FuzzClient() = default;

void FuzzClient::settle()
{
    fake.clock.runPosted();
    while (fake.messageBoxes.answer()) {
    }
    fake.messageBoxes.clearShown();
}

FuzzClient& fuzzClient()
{
    static FuzzClient* client = new FuzzClient;
    return *client;
}

QString latin1Text(const uint8_t* data, size_t size)
{
    return QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
}
