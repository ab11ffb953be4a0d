#pragma once

#include "core/platform/WebMessages.h"

#include <QLocalSocket>
#include <QObject>
#include <QPointer>

class QWebEngineDownloadRequest;
class QWebEngineView;

// The web helper's one job: a web view driven by the program over a local socket. It tells the
// program what the page does, saves downloads into the folder it was given, and ends when the
// program drops the connection or sends garbage.
class WebHelper : public QObject
{
    Q_OBJECT

public:
    explicit WebHelper(const QString& downloadFolder);
    ~WebHelper() override;

    // Connects to the program's socket; false when nobody listens there.
    bool connectTo(const QString& serverName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readMessages();
    void handle(const WebMessage& message);
    void send(const WebMessage& message);
    void sendLocation();
    void downloadRequested(QWebEngineDownloadRequest* download);

    QString m_downloadFolder;
    QLocalSocket m_socket;
    WebProtocol m_protocol;
    QPointer<QWebEngineView> m_view;
};
