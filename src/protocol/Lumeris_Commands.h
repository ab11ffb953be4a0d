#pragma once

#include <QString>

struct ClientState;
struct Platform;

// The command procedures of the server protocol: each request procedure stages its request and
// starts an exchange; each reply processor takes the unscrambled reply.
namespace Lumeris_Commands {

inline const QString getMyIPCMD = QStringLiteral("getMyIPCMD");
inline const QString getHostsCMD = QStringLiteral("getHostsCMD");
inline const QString checkVersionCMD = QStringLiteral("checkVersionCMD");
inline const QString checkNewsCMD = QStringLiteral("checkNewsCMD");
inline const QString updateGroupsCMD = QStringLiteral("updateGroupsCMD");

void requestMyIP(ClientState& state, Platform& platform);
void processMyIPReply(ClientState& state, Platform& platform, const QString& reply);

void requestHosts(ClientState& state, Platform& platform);
void processHostsReply(ClientState& state, Platform& platform, const QString& reply);

void requestGroupUpdate(ClientState& state, Platform& platform);
void processUpdateReply(ClientState& state, Platform& platform, const QString& reply);
// A group's update connection failed: no reply, so the last-update time stays as it was.
void reportFailedUpdate(ClientState& state);

void requestVersion(ClientState& state, Platform& platform);
void processVersionReply(ClientState& state, Platform& platform, const QString& reply);

void requestNews(ClientState& state, Platform& platform);
void processNewsReply(ClientState& state, Platform& platform, const QString& reply);

} // namespace Lumeris_Commands

namespace Common_Functions {
// Fills the main window's hosts list from the hosts of one group.
void showGroupHosts(ClientState& state, int groupIndex);
} // namespace Common_Functions
