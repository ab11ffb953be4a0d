#pragma once

#include <QWidget>

struct ClientState;
struct Platform;

// The small web window.
class frmBrowser : public QWidget
{
    Q_OBJECT

public:
    frmBrowser(ClientState& state, Platform& platform);
    ~frmBrowser() override;

    // Loads the window when it is not loaded (navigating to browserURL), then shows it.
    void showWindow();

private:
    ClientState& m_state;
    Platform& m_platform;
};

// Opens a page of the service's web site in the desktop's browser through a launcher window.
void openServicePage(ClientState& state, Platform& platform, const QString& path);
