#include "cli/ConsoleView.h"

#include "core/client/ClientEvent.h"
#include "core/client/UpdateClient.h"
#include "core/protocol/FailureReasons.h"

#include <QCoreApplication>

ConsoleView::ConsoleView(UpdateClient& client, ConsoleOutput output) : m_client(client), m_output(std::move(output))
{
    // The verdict of the updates so far and the time of the last one are not followed: each group's line
    // tells them, and run's log has the time.
    QObject::connect(&client, &UpdateClient::statusChanged, [this](const QString& text) { print(text.trimmed()); });
    QObject::connect(&client, &UpdateClient::failed, [this](const QString& text) { m_output.error(text.trimmed()); });
    QObject::connect(&client, &UpdateClient::happened, [this](const ClientEvent& event) { showGroupResult(event); });
    QObject::connect(&client, &UpdateClient::addressChanged, [this](const QString& address) {
        print(QCoreApplication::translate("ConsoleView", "IP address: ") + address);
    });
    QObject::connect(&client, &UpdateClient::hostListChanged,
                     [this] { print(QCoreApplication::translate("ConsoleView", "List refreshed")); });
    QObject::connect(&client, &UpdateClient::accountRefused, [this] {
        m_output.error(QCoreApplication::translate("ConsoleView", "The user name or password was not accepted"));
    });
    QObject::connect(&client, &UpdateClient::fixedAddressInUse, [this] { noticeFixedAddress(); });
    QObject::connect(&client, &UpdateClient::noUpgradeAvailable, [this] {
        print(QCoreApplication::translate("ConsoleView", "No update(s) available at this time."));
    });
    QObject::connect(&client, &UpdateClient::upgradeAvailable, [this](const QString& downloadUrl) {
        print(QCoreApplication::translate("ConsoleView", "There is a newer version available: ") + downloadUrl);
    });
    QObject::connect(&client, &UpdateClient::newsArrived, [this](const QString& text, const QString& webPage) {
        print(webPage.isEmpty() ? QCoreApplication::translate("ConsoleView", "News: ") + text
                                : QCoreApplication::translate("ConsoleView", "News (%1): %2").arg(webPage, text));
    });
}

void ConsoleView::showGroupResult(const ClientEvent& event)
{
    if (event.kind == ClientEvent::Kind::GroupUpdated)
        print(QCoreApplication::translate("ConsoleView", "%1: updated to %2").arg(event.group, event.address));
    else if (event.kind == ClientEvent::Kind::GroupFailed)
        m_output.error(QCoreApplication::translate("ConsoleView", "%1: update failed: %2")
                           .arg(event.group, FailureReasons::shown(event.reason)));
}

void ConsoleView::noticeFixedAddress()
{
    print(QCoreApplication::translate("ConsoleView", "Using the fixed IP address %1; no IP check")
              .arg(m_client.settings().currentIP));
}
