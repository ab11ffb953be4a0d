// A changed network is answered at once: an IP check after a short calm, and the update right
// away when the address moved. The update cycle's own count is left as it was.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientState.h"
#include "core/platform/Timers.h"
#include "desktop/platform/Platform.h"

void MainWindow::watchNetwork()
{
    m_networkCalm = m_platform.timers.createFamily(QStringLiteral("networkCalm"), [this](int) { networkCalm_Tick(); });
    m_networkCalm->create(1);
    m_platform.network.onChange = [this] { networkChanged(); };
}

void MainWindow::networkChanged()
{
    // Several changes in a row give one check, kNetworkCalmMs after the last of them.
    m_networkCalm->setEnabled(1, false);
    m_networkCalm->setInterval(1, kNetworkCalmMs);
    m_networkCalm->setEnabled(1, true);
}

void MainWindow::networkCalm_Tick()
{
    m_networkCalm->setEnabled(1, false);
    // A fixed address does not move with the network.
    if (m_state.useStaticIP)
        return;
    m_updateOnNewAddress = true;
    getMyIP_Click();
}

void MainWindow::addressChanged()
{
    if (!std::exchange(m_updateOnNewAddress, false) || m_state.autoUpdate != 1)
        return;
    // After the IP reply's processor has stored the new address.
    QPointer<MainWindow> self(this);
    m_platform.timers.post([self] {
        if (self)
            self->Update_Click();
    });
}
