#pragma once

#include <QObject>

class QLocalServer;

// A second start of the window asks the first one, which may sit hidden in
// the tray, to show itself, over the local socket
// SingleInstance::showChannelName().

// Sends the request; true when it reached the running instance's socket.
bool requestShow();

// Answers requests in the running instance.
class ShowRequestListener final : public QObject
{
    Q_OBJECT

public:
    explicit ShowRequestListener(QObject *parent = nullptr);

    // Only the instance that holds the single-instance claim listens, so a
    // socket file left behind by one that crashed may be taken over.
    bool listen();

signals:
    void showRequested();

private:
    QLocalServer *m_server;
};
