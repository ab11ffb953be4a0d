#pragma once

#include <QDialog>

class QLabel;
struct Platform;

// The About box: the program's title, version and notices, and the launcher of the system information tool.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(Platform& platform);
    ~AboutDialog() override;

    // Loads the box when it is not loaded, then shows it without blocking.
    void showDialog();

public slots:
    // OK: unloads and hides the box.
    void accept() override;
    // Escape and the close box press OK.
    void reject() override;

private:
    void load();
    void showSystemInfo();

    Platform& m_platform;
    bool m_loaded = false;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_descriptionLabel = nullptr;
    QLabel* m_disclaimerLabel = nullptr;
};
