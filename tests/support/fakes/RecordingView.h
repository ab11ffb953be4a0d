#pragma once

#include "core/client/ClientView.h"

#include <QStringList>

// A view that writes down what it was asked to show, one line each.
class RecordingView : public ClientView
{
public:
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

    // The last status text shown; empty when none was.
    QString lastStatus() const;

    QStringList lines;
};
