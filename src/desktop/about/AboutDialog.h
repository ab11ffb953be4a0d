#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
struct ClientState;
struct Platform;

// The About box: the program's title, version and notices, and the launcher of the system information tool.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(ClientState& state, Platform& platform);
    ~AboutDialog() override;

    // Loads the box when it is not loaded, then shows it without blocking.
    void showDialog();

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;

public slots:
    // Escape and the close box press OK.
    void reject() override;

private:
    Platform& m_platform;
    bool m_loaded = false;
};
