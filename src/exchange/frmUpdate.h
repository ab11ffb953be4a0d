#pragma once

#include "exchange/ExchangeCommand.h"

#include <QObject>
#include <QString>

struct ClientState;
struct Platform;

// The server exchange: connects, sends one request (or one per checked group), takes the reply,
// hands it to its processor and enforces the time-out. It is never shown.
class frmUpdate : public QObject
{
    Q_OBJECT

public:
    frmUpdate(ClientState& state, Platform& platform);
    ~frmUpdate() override;

    // Starts the command at once when no exchange runs; otherwise it waits until the running
    // exchange has unloaded. A newer waiting command of the same tag replaces the older one.
    void submit(ExchangeCommand command);
    bool isLoaded() const;

    // Progress text of the exchange.
    QString lblStatus;

private:
    ClientState& m_state;
    Platform& m_platform;
};
