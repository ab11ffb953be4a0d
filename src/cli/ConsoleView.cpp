#include "cli/ConsoleView.h"

#include "platform/Clock.h"
#include "protocol/LastUpdateTime.h"
#include "state/ClientState.h"

#include <QLocale>

#include <cstdio>

ConsoleView::ConsoleView(const ClientState& state, const Clock* clock, std::function<void(const QString&)> writeLine)
    : m_state(state), m_clock(clock), m_writeLine(std::move(writeLine))
{}

void ConsoleView::print(const QString& line)
{
    QString text = line;
    if (m_clock != nullptr)
        text.prepend(m_clock->now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")));
    if (m_writeLine) {
        m_writeLine(text);
        return;
    }
    // A line per event, seen at once by whoever follows the log.
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

void ConsoleView::showStatus(const QString& text)
{
    print(text);
}

void ConsoleView::showLastUpdate(const QDateTime& when)
{
    print(QStringLiteral("Last update: ") + LastUpdateTime::format(when, QLocale::system()));
}

void ConsoleView::showAddress()
{
    print(QStringLiteral("IP address: ") + m_state.currentIP);
}

void ConsoleView::showAddressInPreferences(const QString& address)
{
    print(QStringLiteral("IP address: ") + address);
}

void ConsoleView::showHostList(const HostList& list)
{
    m_hostList = list;
    print(QStringLiteral(" List refreshed"));
    if (onHostsReply)
        onHostsReply(true);
}

void ConsoleView::showAccountRefused()
{
    m_hostList = HostList{};
    print(QStringLiteral(" The user name or password was not accepted"));
    if (onHostsReply)
        onHostsReply(false);
}

void ConsoleView::noticeFixedAddress()
{
    print(QStringLiteral("Using the fixed IP address %1; no IP check").arg(m_state.currentIP));
}

void ConsoleView::noticeNoUpgrade()
{
    print(QStringLiteral("No update(s) available at this time."));
}

void ConsoleView::offerUpgrade(const QString& downloadUrl)
{
    print(QStringLiteral("There is a newer version available: ") + downloadUrl);
}

void ConsoleView::showNews(const QString& text, const QString& webPage)
{
    print(webPage.isEmpty() ? QStringLiteral("News: ") + text : QStringLiteral("News (%1): %2").arg(webPage, text));
}
