#pragma once

#include <QString>

// The requests the client sends, in plain form (the exchange scrambles them), and the tag each
// command carries through the exchange to the handler of its reply.
namespace Requests {

inline const QString myIPTag = QStringLiteral("getMyIPCMD");
inline const QString hostsTag = QStringLiteral("getHostsCMD");
inline const QString versionTag = QStringLiteral("checkVersionCMD");
inline const QString newsTag = QStringLiteral("checkNewsCMD");
inline const QString updateTag = QStringLiteral("updateGroupsCMD");

// A request of the command word, the user name and the password, each followed by ":".
QString accountRequest(const QString& word, const QString& userName, const QString& password);
// The update request of one group, for `address`.
QString groupUpdateRequest(const QString& userName, const QString& password, const QString& group,
                           const QString& address);

} // namespace Requests
