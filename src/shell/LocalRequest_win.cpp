#include "shell/LocalRequest.h"

#include <QLocalServer>
#include <QLocalSocket>

LocalRequestClient::LocalRequestClient() = default;

LocalRequestClient::~LocalRequestClient() {
    close();
}

bool LocalRequestClient::connectTo(const QString& name, int timeoutMs) {
    close();
    m_socket = std::make_unique<QLocalSocket>();
    m_socket->connectToServer(name);
    if (m_socket->waitForConnected(timeoutMs))
        return true;
    m_socket.reset();
    return false;
}

bool LocalRequestClient::isConnected() const {
    return m_socket && m_socket->state() == QLocalSocket::ConnectedState;
}

QByteArray LocalRequestClient::ask(const QByteArray& request, int timeoutMs) {
    if (!isConnected())
        return {};
    m_socket->write(request);
    m_socket->waitForBytesWritten(timeoutMs);
    while (!m_socket->canReadLine())
        if (!m_socket->waitForReadyRead(timeoutMs))
            return {};
    return m_socket->readLine();
}

void LocalRequestClient::close() {
    if (m_socket)
        m_socket->disconnectFromServer();
    m_socket.reset();
}

LocalRequestServer::LocalRequestServer(QObject* parent) : QObject(parent) {}

LocalRequestServer::~LocalRequestServer() {
    close();
}

bool LocalRequestServer::listen(const QString& name) {
    close();
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        close();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &LocalRequestServer::serveClients);
    return true;
}

void LocalRequestServer::close() {
    if (m_server)
        m_server->close();
    delete m_server;
    m_server = nullptr;
}

void LocalRequestServer::serveClients() {
    while (QLocalSocket* client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            while (client->canReadLine()) {
                const QByteArray answer = onLine ? onLine(client->readLine()) : QByteArray();
                if (!answer.isEmpty()) {
                    client->write(answer);
                    client->flush();
                }
            }
            if (client->bytesAvailable() > kMaxRequest)
                client->abort();
        });
    }
}
