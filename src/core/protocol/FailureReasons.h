#pragma once

#include <QString>
#include <QtGlobal>

// Why a check or an update failed, in the words the history keeps: English in every language, so
// that the file reads the same wherever it was written. shown() gives a reason in the reader's language.
namespace FailureReasons {

inline constexpr char kNoAnswer[] = QT_TRANSLATE_NOOP("FailureReasons", "the server did not answer");
inline constexpr char kClosedWithoutReply[] =
    QT_TRANSLATE_NOOP("FailureReasons", "Connection failed: the server closed the connection without replying.");
// %1 is the network's own description of the failure.
inline constexpr char kConnectionFailed[] = QT_TRANSLATE_NOOP("FailureReasons", "Connection failed: %1");
inline constexpr char kNoUpdateReply[] = QT_TRANSLATE_NOOP("FailureReasons", "the connection failed before a reply");
inline constexpr char kUnexpectedAddressReply[] =
    QT_TRANSLATE_NOOP("FailureReasons", "IP check: the server sent an unexpected reply");
inline constexpr char kAccountRefused[] =
    QT_TRANSLATE_NOOP("FailureReasons", "the user name or password was not accepted");
inline constexpr char kNoSuchGroup[] = QT_TRANSLATE_NOOP("FailureReasons", "the group is not in this account");
// %1 is the server's reply.
inline constexpr char kServerAnswered[] = QT_TRANSLATE_NOOP("FailureReasons", "the server answered \"%1\"");

// One of the reasons above, its %1 filled in with `detail`, as the history keeps it.
QString stored(const char* reason, const QString& detail = QString());
// A kept reason in the reader's language; one of no known form (a server's own text) as it is.
QString shown(const QString& reason);

} // namespace FailureReasons
