#include "FuzzSupport.h"

#include "core/net/ServerExchange.h"
#include "core/protocol/Lumeris_Commands.h"
#include "support/fakes/RecordingView.h"

FuzzClient::FuzzClient()
{
    state.exchange.setFactory([this] { return Lumeris_Commands::makeExchange(state, fake.platform); });
    state.view = std::make_unique<RecordingView>();
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
