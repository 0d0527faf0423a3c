#include "shell/LocalRequest.h"

#ifndef Q_OS_WIN

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// False when the path does not fit a socket address.
bool SocketAddress(const QString& name, sockaddr_un& address, QByteArray* path = nullptr) {
    const QByteArray encoded = QFile::encodeName(name);
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (encoded.isEmpty() || size_t(encoded.size()) >= sizeof address.sun_path)
        return false;
    std::copy(encoded.begin(), encoded.end(), address.sun_path);
    if (path)
        *path = encoded;
    return true;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Waits for events on fd until the deadline; false when it passed first.
bool Wait(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

LocalRequestClient::LocalRequestClient() = default;

LocalRequestClient::~LocalRequestClient() {
    close();
}

bool LocalRequestClient::connectTo(const QString& name, int timeoutMs) {
    close();
    sockaddr_un address;
    if (!SocketAddress(name, address))
        return false;
    m_fd = NewSocket();
    if (m_fd < 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return true;
        // A full backlog says "again"; any other refusal is final.
        if (errno == EINTR)
            continue;
        if (errno == EINPROGRESS) {
            int error = 0;
            socklen_t length = sizeof error;
            if (Wait(m_fd, POLLOUT, deadline) &&
                ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
                return true;
            break;
        }
        if (errno != EAGAIN || deadline.hasExpired())
            break;
        QThread::msleep(10);
    }
    close();
    return false;
}

bool LocalRequestClient::isConnected() const {
    return m_fd >= 0;
}

QByteArray LocalRequestClient::ask(const QByteArray& request, int timeoutMs) {
    if (m_fd < 0)
        return {};
    const QDeadlineTimer deadline(timeoutMs);
    qsizetype sent = 0;
    while (sent < request.size()) {
        const ssize_t n =
            ::send(m_fd, request.constData() + sent, size_t(request.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN && Wait(m_fd, POLLOUT, deadline))
            continue;
        else
            return {};
    }
    QByteArray answer;
    while (!answer.contains('\n')) {
        char buffer[64];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n > 0)
            answer.append(buffer, n);
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN && Wait(m_fd, POLLIN, deadline))
            continue;
        else
            return {};
    }
    return answer.left(answer.indexOf('\n') + 1);
}

void LocalRequestClient::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

struct LocalRequestServer::Client {
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray pending;
};

LocalRequestServer::LocalRequestServer(QObject* parent) : QObject(parent) {}

LocalRequestServer::~LocalRequestServer() {
    close();
}

bool LocalRequestServer::listen(const QString& name) {
    close();
    sockaddr_un address;
    QByteArray path;
    if (!SocketAddress(name, address, &path))
        return false;
    ::unlink(path.constData());
    m_fd = NewSocket();
    if (m_fd < 0)
        return false;
    if (::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close();
        return false;
    }
    m_path = path;
    if (::chmod(path.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(m_fd, 16) != 0) {
        close();
        return false;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LocalRequestServer::acceptClients);
    return true;
}

void LocalRequestServer::close() {
    while (!m_clients.empty())
        dropClient(m_clients.begin()->first, false);
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_path.isEmpty())
        ::unlink(m_path.constData());
    m_path.clear();
}

void LocalRequestServer::acceptClients() {
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        auto client = std::make_unique<Client>();
        client->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(client->notifier.get(), &QSocketNotifier::activated, this,
                [this, fd] { readClient(fd); });
        m_clients[fd] = std::move(client);
    }
}

void LocalRequestServer::readClient(int fd) {
    const auto found = m_clients.find(fd);
    if (found == m_clients.end())
        return;
    Client& client = *found->second;
    bool ended = false;
    for (;;) {
        char buffer[4096];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            client.pending.append(buffer, n);
            // Lines are answered as they come; more than a request without
            // a line end ends the client.
            qsizetype end;
            while ((end = client.pending.indexOf('\n')) >= 0) {
                const QByteArray line = client.pending.left(end + 1);
                client.pending.remove(0, end + 1);
                const QByteArray answer = onLine ? onLine(line) : QByteArray();
                if (!answer.isEmpty())
                    ::send(fd, answer.constData(), size_t(answer.size()),
                           MSG_NOSIGNAL | MSG_DONTWAIT);
            }
            if (client.pending.size() > kMaxRequest) {
                ended = true;
                break;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        ended = n == 0 || errno != EAGAIN;
        break;
    }
    if (ended)
        dropClient(fd, true);
}

void LocalRequestServer::dropClient(int fd, bool fromNotifier) {
    const auto found = m_clients.find(fd);
    if (found == m_clients.end())
        return;
    if (fromNotifier) {
        // Still inside the notifier's own signal: it goes once that returns.
        QSocketNotifier* notifier = found->second->notifier.release();
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    m_clients.erase(found);
    ::close(fd);
}

#endif
