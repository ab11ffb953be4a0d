#pragma once

#include "core/client/ClientView.h"

struct ClientState;
struct Platform;

// Shows the replies in the main window, the tray, the web window and message boxes.
class MainWindowView : public ClientView
{
public:
    MainWindowView(ClientState& state, Platform& platform);

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

private:
    ClientState& m_state;
    Platform& m_platform;
};
