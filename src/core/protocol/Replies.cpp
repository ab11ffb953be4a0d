#include "core/protocol/Replies.h"

#include "core/protocol/FailureReasons.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace {

const QString kMyIPTag = QStringLiteral("GETMYIP:");
const QString kInvalidUser = QStringLiteral("ERROR:INVALIDUSER:");
const QString kSuccessEnding = QStringLiteral("SUCCESS:");
// The command words and their colons, skipped without being compared.
constexpr qsizetype kHostsTagLength = 9;
constexpr qsizetype kVersionTagLength = 13;
constexpr qsizetype kNewsTagLength = 10;
// The address's own colon (after its scheme) lies within its first six characters.
constexpr qsizetype kNewsSplitFrom = 6;

// Calls `take` with each entry of `text` from `from` on, in order. Entries end with ":"; the walk
// stops at the first empty entry or where no ":" follows. Only indexes move: the text is never copied.
template <typename Take> void forEachEntry(const QString& text, qsizetype from, Take take)
{
    qsizetype start = from;
    for (;;) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'), start);
        if (colon <= start)
            return;
        take(QStringView(text).sliced(start, colon - start));
        start = colon + 1;
    }
}

} // namespace

bool isDottedDecimal(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3 || (part.size() > 1 && part.startsWith(QLatin1Char('0'))))
            return false;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        if (part.toInt() > 255)
            return false;
    }
    return true;
}

std::optional<QString> parseMyIPReply(const QString& reply)
{
    if (!reply.startsWith(kMyIPTag) || !reply.endsWith(QLatin1Char(':')) || reply.size() <= kMyIPTag.size())
        return std::nullopt;
    const QString address = reply.mid(kMyIPTag.size(), reply.size() - kMyIPTag.size() - 1);
    if (!isDottedDecimal(address))
        return std::nullopt;
    return address;
}

HostList parseHostsReply(const QString& reply)
{
    HostList list;
    if (reply == kInvalidUser) {
        list.refused = true;
        return list;
    }
    forEachEntry(reply, qMin(kHostsTagLength, reply.size()), [&list](QStringView entry) {
        const QChar marker = entry.front();
        const QStringView name = entry.sliced(1);
        if (marker == QLatin1Char('G')) {
            list.groups.push_back(HostList::Group{name.toString(), QString(), false});
        } else if (marker == QLatin1Char('H') && !list.groups.empty()) {
            QString& hosts = list.groups.back().hosts;
            hosts += name;
            hosts += QLatin1Char(':');
        }
    });
    return list;
}

std::optional<Version> parseVersionReply(const QString& reply)
{
    static const QRegularExpression form(QStringLiteral(R"(^(\d{1,9})\.(\d{1,9})\.(\d{1,9})$)"));
    QString text = reply.mid(kVersionTagLength);
    text.chop(1);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return Version{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
}

std::optional<News> parseNewsReply(const QString& reply)
{
    if (reply.size() <= kNewsTagLength)
        return std::nullopt;
    QString body = reply.mid(kNewsTagLength);
    body.chop(1);
    if (body.startsWith(QLatin1String("NONE")))
        return News{true, {}, {}};
    const qsizetype split = body.indexOf(u':', kNewsSplitFrom);
    if (split < 0)
        return std::nullopt;
    return News{false, body.left(split), body.mid(split + 1)};
}

QStringList entriesOf(const QString& text)
{
    QStringList entries;
    forEachEntry(text, 0, [&entries](QStringView entry) { entries.append(entry.toString()); });
    return entries;
}

bool isUpdateSuccess(const QString& reply)
{
    return reply.endsWith(kSuccessEnding);
}

QString updateFailureReason(const QString& reply)
{
    if (reply == QLatin1String("UPDATE:ERROR:NOSUCHGROUP:"))
        return FailureReasons::stored(FailureReasons::kNoSuchGroup);
    if (reply == QLatin1String("UPDATE:") + kInvalidUser)
        return FailureReasons::stored(FailureReasons::kAccountRefused);
    return FailureReasons::stored(FailureReasons::kServerAnswered, reply.trimmed().left(80));
}

bool isWebAddress(const QString& address)
{
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}
