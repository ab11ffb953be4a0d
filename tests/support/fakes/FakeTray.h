#pragma once

#include "desktop/platform/TrayIcon.h"

#include <QStringList>

#include <vector>

// Records what the program shows in the notification area.
class FakeTray : public TrayIcon
{
public:
    void show() override { visible = true; }
    void hide() override { visible = false; }
    void setToolTip(const QString& tip) override { m_tip = tip; }
    bool isAvailable() const override { return available; }
    void showPicture(Picture shown) override { picture = shown; }
    void showMessage(const QString& title, const QString& text) override { messages.push_back(title + ": " + text); }

    QString lastTip() const { return m_tip; }

    bool visible = false;
    bool available = true;
    Picture picture = Picture::Normal;
    // Each notice as "title: text".
    std::vector<QString> messages;

private:
    QString m_tip;
};
