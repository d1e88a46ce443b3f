#include "platform/ShowRequests.h"

#include "platform/PlatformLog.h"
#include "platform/SingleInstance.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr char kShow[] = "show\n";

} // namespace

bool requestShow()
{
    // The first instance may still be starting up and not listen yet.
    QElapsedTimer clock;
    clock.start();
    do {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::showChannelName());
        if (socket.waitForConnected(500)) {
            socket.write(kShow);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(1000);
            return sent;
        }
        QThread::msleep(100);
    } while (clock.elapsed() < 3000);
    qCWarning(lcPlatform) << "the running instance does not answer";
    return false;
}

ShowRequestListener::ShowRequestListener(QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    if (socket->readLine() == QByteArray(kShow))
                        emit showRequested();
                }
            });
        }
    });
}

bool ShowRequestListener::listen()
{
    const QString name = SingleInstance::showChannelName();
    QLocalServer::removeServer(name);
    if (m_server->listen(name))
        return true;
    qCWarning(lcPlatform) << "cannot listen for a second start on" << name << ":"
                          << m_server->errorString();
    return false;
}
