#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

#ifdef Q_OS_WIN
class QLocalServer;
class QLocalSocket;
#else
class QSocketNotifier;
#endif

// The local connection between copies of the program: text lines over a
// socket named by a path in the user's private runtime folder (a named pipe
// on Windows). On Unix it is a plain socket, so that the program does not
// load Qt's network module and the libraries that one pulls in.

// A later copy's end. The waits block: it runs before any event loop.
class LocalRequestClient {
public:
    LocalRequestClient();
    ~LocalRequestClient();
    LocalRequestClient(const LocalRequestClient&) = delete;
    LocalRequestClient& operator=(const LocalRequestClient&) = delete;

    // True when a listener took the connection within timeoutMs.
    bool connectTo(const QString& name, int timeoutMs);
    bool isConnected() const;
    // Sends request and waits up to timeoutMs for the first line of the
    // answer, line end included; empty when none came.
    QByteArray ask(const QByteArray& request, int timeoutMs);
    void close();

private:
#ifdef Q_OS_WIN
    std::unique_ptr<QLocalSocket> m_socket;
#else
    int m_fd = -1;
#endif
};

// The first copy's end: answers each line a client sends, on the event loop.
class LocalRequestServer : public QObject {
    Q_OBJECT
public:
    // Longer than any request; a client sending more without a line end is dropped.
    static constexpr qint64 kMaxRequest = 64;

    explicit LocalRequestServer(QObject* parent = nullptr);
    ~LocalRequestServer() override;

    // Removes a socket that a crashed copy left under name and listens
    // there, reachable by this user only. False when it cannot (a path too
    // long for a socket address, say).
    bool listen(const QString& name);
    // Stops listening, drops every client and removes the socket.
    void close();

    // Called with each complete line, line end included; a non-empty result
    // is written back to that client.
    std::function<QByteArray(const QByteArray& line)> onLine;

private:
#ifdef Q_OS_WIN
    void serveClients();

    QLocalServer* m_server = nullptr;
#else
    struct Client;
    void acceptClients();
    void readClient(int fd);
    void dropClient(int fd, bool fromNotifier);

    int m_fd = -1;
    QByteArray m_path;
    QSocketNotifier* m_notifier = nullptr;
    std::unordered_map<int, std::unique_ptr<Client>> m_clients;
#endif
};
