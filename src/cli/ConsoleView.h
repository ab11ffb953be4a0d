#pragma once

#include "cli/ConsoleOutput.h"
#include "core/client/ClientView.h"
#include "core/protocol/Replies.h"

struct ClientEvent;
struct ClientState;

// Shows the replies as lines; what the desktop puts in a box is a line too. Each group's update is
// a line that names the group, in place of the desktop's status texts for the verdict.
class ConsoleView : public ClientView
{
public:
    ConsoleView(const ClientState& state, ConsoleOutput output);

    void showStatus(const QString& text) override;
    void showFailure(const QString& text) override;
    void showUpdateVerdict(bool allSucceeded) override;
    void showLastUpdate(const QDateTime& when) override;
    void showAddress() override;
    void showAddressInPreferences(const QString& address) override;
    void showHostList(const HostList& list) override;
    void showAccountRefused() override;
    void noticeFixedAddress() override;
    void noticeNoUpgrade() override;
    void offerUpgrade(const QString& downloadUrl) override;
    void showNews(const QString& text, const QString& webPage) override;
    // A group's update was answered, or failed.
    void showGroupResult(const ClientEvent& event);

    ConsoleOutput& output() { return m_output; }
    // Writes one result line.
    void print(const QString& line) { m_output.info(line); }

private:
    const ClientState& m_state;
    ConsoleOutput m_output;
};
