#include "core/protocol/FailureReasons.h"

#include <QCoreApplication>

namespace FailureReasons {

namespace {

// Every reason with a fixed text comes before the forms it would also match ("Connection failed: %1").
constexpr const char* kReasons[] = {kNoAnswer,       kClosedWithoutReply, kNoUpdateReply,    kUnexpectedAddressReply,
                                    kAccountRefused, kNoSuchGroup,        kConnectionFailed, kServerAnswered};

QString translated(const char* reason)
{
    return QCoreApplication::translate("FailureReasons", reason);
}

} // namespace

QString stored(const char* reason, const QString& detail)
{
    const QString text = QString::fromUtf8(reason);
    return text.contains(QLatin1String("%1")) ? text.arg(detail) : text;
}

QString shown(const QString& reason)
{
    for (const char* known : kReasons) {
        const QString english = QString::fromUtf8(known);
        const qsizetype hole = english.indexOf(QLatin1String("%1"));
        if (hole < 0) {
            if (reason == english)
                return translated(known);
            continue;
        }
        const QStringView before = QStringView(english).left(hole);
        const QStringView after = QStringView(english).sliced(hole + 2);
        if (reason.size() >= before.size() + after.size() && reason.startsWith(before) && reason.endsWith(after)) {
            QString detail = reason.mid(before.size(), reason.size() - before.size() - after.size());
            // The network's own words, kept in English by the socket.
            if (known == kConnectionFailed)
                detail = QCoreApplication::translate("SocketErrors", detail.toUtf8().constData());
            return translated(known).arg(detail);
        }
    }
    return reason;
}

} // namespace FailureReasons
