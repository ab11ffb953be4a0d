#pragma once

#include "protocol/Replies.h"
#include "state/ClientView.h"

#include <functional>

struct ClientState;
class Clock;

// Shows the replies as lines on standard output; what the desktop puts in a box is a line too.
class ConsoleView : public ClientView
{
public:
    // With a clock, every line starts with the date and time, as a log's lines do. The lines go to
    // `writeLine`, or to standard output when it is empty.
    ConsoleView(const ClientState& state, const Clock* clock = nullptr,
                std::function<void(const QString&)> writeLine = {});

    void showStatus(const QString& text) override;
    void showLastUpdate(const QDateTime& when) override;
    void showAddress() override;
    void showAddressInPreferences(const QString& address) override;
    void showHostList(const HostList& list) override;
    void showAccountRefused() override;
    void noticeFixedAddress() override;
    void noticeNoUpgrade() override;
    void offerUpgrade(const QString& downloadUrl) override;
    void showNews(const QString& text, const QString& webPage) override;

    // Writes one line.
    void print(const QString& line);

    // The last host list that arrived, for building the group update.
    const HostList& hostList() const { return m_hostList; }
    // Told once the host list or the refusal has been shown.
    std::function<void(bool accepted)> onHostsReply;

private:
    const ClientState& m_state;
    const Clock* m_clock;
    std::function<void(const QString&)> m_writeLine;
    HostList m_hostList;
};
