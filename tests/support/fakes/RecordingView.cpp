#include "support/fakes/RecordingView.h"

#include "core/protocol/Replies.h"

void RecordingView::showStatus(const QString& text)
{
    lines << QStringLiteral("status ") + text;
}

void RecordingView::showLastUpdate(const QDateTime& when)
{
    lines << QStringLiteral("last update ") + when.toString(Qt::ISODate);
}

void RecordingView::showAddress()
{
    lines << QStringLiteral("address");
}

void RecordingView::showAddressInPreferences(const QString& address)
{
    lines << QStringLiteral("preferences address ") + address;
}

void RecordingView::showHostList(const HostList& list)
{
    lines << QStringLiteral("host list of %1 groups").arg(list.groups.size());
}

void RecordingView::showAccountRefused()
{
    lines << QStringLiteral("account refused");
}

void RecordingView::noticeFixedAddress()
{
    lines << QStringLiteral("fixed address");
}

void RecordingView::noticeNoUpgrade()
{
    lines << QStringLiteral("no upgrade");
}

void RecordingView::offerUpgrade(const QString& downloadUrl)
{
    lines << QStringLiteral("upgrade ") + downloadUrl;
}

void RecordingView::showNews(const QString& text, const QString& webPage)
{
    lines << QStringLiteral("news ") + webPage + QLatin1Char(' ') + text;
}

QString RecordingView::lastStatus() const
{
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines[i].startsWith(QLatin1String("status ")))
            return lines[i].mid(7);
    }
    return QString();
}
