#include "FuzzSupport.h"

#include "core/client/UpdateClient.h"
#include "core/net/ServerExchange.h"
#include "support/fakes/RecordingView.h"

FuzzClient::FuzzClient()
{
    state.client = std::make_unique<UpdateClient>(state, fake.platform, std::make_unique<RecordingView>(),
                                                  UpdateScheduler::Pacing{});
}

void FuzzClient::settle()
{
    fake.clock.runPosted();
    while (fake.messageBoxes.answer()) {
    }
    fake.messageBoxes.clearShown();
    static_cast<RecordingView&>(*state.view).lines.clear();
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
