#pragma once

#include "cli/ConsoleOutput.h"

class UpdateClient;
struct ClientEvent;

// Shows what the client signals as lines; what the desktop puts in a box is a line too. Each group's
// update is a line that names the group, in place of the desktop's status texts for the verdict.
class ConsoleView
{
public:
    // Follows `client`'s signals, which call into the view: the client must end first.
    ConsoleView(UpdateClient& client, ConsoleOutput output);

    // The fixed address is sent and not looked up.
    void noticeFixedAddress();

    ConsoleOutput& output() { return m_output; }
    // Writes one result line.
    void print(const QString& line) { m_output.info(line); }

private:
    // A group's update was answered, or failed.
    void showGroupResult(const ClientEvent& event);

    UpdateClient& m_client;
    ConsoleOutput m_output;
};
