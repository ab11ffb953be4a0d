#include "cli/ConsoleView.h"

#include "core/client/ClientEvent.h"
#include "core/client/ClientState.h"

ConsoleView::ConsoleView(const ClientState& state, ConsoleOutput output) : m_state(state), m_output(std::move(output))
{}

void ConsoleView::showStatus(const QString& text)
{
    print(text.trimmed());
}

void ConsoleView::showFailure(const QString& text)
{
    m_output.error(text.trimmed());
}

void ConsoleView::showUpdateVerdict(bool)
{
    // Each group has its own line, from its event.
}

void ConsoleView::showGroupResult(const ClientEvent& event)
{
    if (event.kind == ClientEvent::Kind::GroupUpdated)
        print(QStringLiteral("%1: updated to %2").arg(event.group, event.address));
    else if (event.kind == ClientEvent::Kind::GroupFailed)
        m_output.error(QStringLiteral("%1: update failed: %2").arg(event.group, event.reason));
}

void ConsoleView::showLastUpdate(const QDateTime&)
{
    // The group's line tells it, and run's log has the time.
}

void ConsoleView::showAddress()
{
    print(QStringLiteral("IP address: ") + m_state.currentIP);
}

void ConsoleView::showAddressInPreferences(const QString& address)
{
    print(QStringLiteral("IP address: ") + address);
}

void ConsoleView::showHostList(const HostList&)
{
    print(QStringLiteral("List refreshed"));
}

void ConsoleView::showAccountRefused()
{
    m_output.error(QStringLiteral("The user name or password was not accepted"));
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
