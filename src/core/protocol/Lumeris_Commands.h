#pragma once

#include <QString>

#include <memory>

class ServerExchange;
struct ClientState;
struct CorePlatform;

// The command procedures of the server protocol: each request procedure stages its request and
// starts an exchange; each reply processor takes the unscrambled reply.
namespace Lumeris_Commands {

inline const QString getMyIPCMD = QStringLiteral("getMyIPCMD");
inline const QString getHostsCMD = QStringLiteral("getHostsCMD");
inline const QString checkVersionCMD = QStringLiteral("checkVersionCMD");
inline const QString checkNewsCMD = QStringLiteral("checkNewsCMD");
inline const QString updateGroupsCMD = QStringLiteral("updateGroupsCMD");

void requestMyIP(ClientState& state, CorePlatform& platform);
void processMyIPReply(ClientState& state, CorePlatform& platform, const QString& reply);

void requestHosts(ClientState& state, CorePlatform& platform);
void processHostsReply(ClientState& state, CorePlatform& platform, const QString& reply);

// The update request of one group, for the current address.
QString groupUpdateRequest(const ClientState& state, const QString& group);
void requestGroupUpdate(ClientState& state, CorePlatform& platform);
void processUpdateReply(ClientState& state, CorePlatform& platform, const QString& reply);

void requestVersion(ClientState& state, CorePlatform& platform);
void processVersionReply(ClientState& state, CorePlatform& platform, const QString& reply);

void requestNews(ClientState& state, CorePlatform& platform);
void processNewsReply(ClientState& state, CorePlatform& platform, const QString& reply);

// The exchange, with every reply processor in place.
std::shared_ptr<ServerExchange> makeExchange(ClientState& state, CorePlatform& platform);

} // namespace Lumeris_Commands
