#include "transport/socket_transport.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

#include "log.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultConnectTimeoutMs = 5000;
constexpr int kDefaultDataTimeoutMs = 20000;
// One receive buffer per connection, large enough for a parameter block reply in few reads.
constexpr int kConnectionBufferSize = 32768;

// The end of a wait of timeoutMs from now; a negative time-out never ends.
struct Deadline {
    explicit Deadline(int timeoutMs)
        : unlimited(timeoutMs < 0), end(Clock::now() + std::chrono::milliseconds(timeoutMs)) {}

    // Milliseconds left, in the form poll takes (-1 waits without limit).
    int remainingMs() const {
        if (unlimited) {
            return -1;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
        return left > 0 ? static_cast<int>(left) : 0;
    }

    bool unlimited;
    Clock::time_point end;
};

// Waits until the socket shows one of events (or an error or hang-up) or the deadline
// passes. poll, unlike select, takes descriptors of any number. Returns 1 when ready,
// 0 when the time ran out, -1 when the wait itself failed. Signals only resume the wait.
int waitUntil(int socket, short events, const Deadline& deadline) {
    for (;;) {
        pollfd entry{socket, events, 0};
        const int result = ::poll(&entry, 1, deadline.remainingMs());
        if (result >= 0) {
            return result > 0 ? 1 : 0;
        }
        if (errno != EINTR) {
            return -1;
        }
    }
}

bool isTransient(int error) {
    return error == EINTR || error == EAGAIN || error == EWOULDBLOCK;
}

// One round of a receive: waits up to timeoutMs for data, then takes what is there (at
// most capacity bytes). Returns the bytes, 0 when the peer closed, SOCKET_TIMED_OUT, or -1.
int receiveOnce(int socket, char* buffer, int capacity, int flags, int timeoutMs) {
    const Deadline deadline(timeoutMs);
    for (;;) {
        const int ready = waitUntil(socket, POLLIN, deadline);
        if (ready <= 0) {
            return ready == 0 ? SOCKET_TIMED_OUT : -1;
        }
        // Non-blocking here even on a blocking socket, so the time-out holds.
        const ssize_t got =
            ::recv(socket, buffer, static_cast<size_t>(capacity), flags | MSG_DONTWAIT);
        if (got >= 0 || !isTransient(errno)) {
            return static_cast<int>(got);
        }
    }
}

// One round of a send of the gathered pieces: waits until the deadline for room, then sends
// what fits. MSG_NOSIGNAL turns a reset peer into EPIPE instead of a process-ending SIGPIPE.
// Returns the bytes sent, SOCKET_TIMED_OUT, or -1.
int sendOnce(int socket, iovec* pieces, int pieceCount, int flags, const Deadline& deadline) {
    for (;;) {
        const int ready = waitUntil(socket, POLLOUT, deadline);
        if (ready <= 0) {
            return ready == 0 ? SOCKET_TIMED_OUT : -1;
        }
        msghdr message{};
        message.msg_iov = pieces;
        message.msg_iovlen = static_cast<size_t>(pieceCount);
        const ssize_t sent = ::sendmsg(socket, &message, flags | MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0 || !isTransient(errno)) {
            return static_cast<int>(sent);
        }
    }
}

// Drops the first sent bytes from the pieces; returns the index of the first piece with
// bytes left.
int skipSent(iovec* pieces, int first, int pieceCount, size_t sent) {
    while (first < pieceCount && sent >= pieces[first].iov_len) {
        sent -= pieces[first].iov_len;
        ++first;
    }
    if (first < pieceCount) {
        pieces[first].iov_base = static_cast<char*>(pieces[first].iov_base) + sent;
        pieces[first].iov_len -= sent;
    }
    return first;
}

// Sends every byte of the gathered pieces within timeoutMs of the call, the one send loop of
// the SDK. The time-out bounds the whole send, not each wait for room: a peer that takes a
// few bytes at a time finds room often enough to meet every single wait, and would otherwise
// hold the caller for as long as it pleases. Returns 0 when all went out, SOCKET_TIMED_OUT,
// or -1 when a send failed (0 bytes sent counts as failed).
int sendAll(int socket, iovec* pieces, int pieceCount, int flags, int timeoutMs) {
    const Deadline deadline(timeoutMs);
    int first = skipSent(pieces, 0, pieceCount, 0);
    // Each round sends at least one byte or ends the loop.
    while (first < pieceCount) {
        const int sent = sendOnce(socket, pieces + first, pieceCount - first, flags, deadline);
        if (sent <= 0) {
            return sent == SOCKET_TIMED_OUT ? sent : -1;
        }
        first = skipSent(pieces, first, pieceCount, static_cast<size_t>(sent));
    }
    return 0;
}

bool setNonBlocking(int socket, bool nonBlocking) {
    const int mode = ::fcntl(socket, F_GETFL, 0);
    if (mode < 0) {
        return false;
    }
    const int wanted = nonBlocking ? (mode | O_NONBLOCK) : (mode & ~O_NONBLOCK);
    return ::fcntl(socket, F_SETFL, wanted) == 0;
}

// Connects a new socket to one address within timeoutMs. A refused non-blocking connect
// also shows as writable, so the outcome is read from SO_ERROR after the wait.
// Returns the socket (non-blocking) or -1.
int connectOne(const addrinfo& address, int timeoutMs) {
    const int socket =
        ::socket(address.ai_family, address.ai_socktype | SOCK_CLOEXEC, address.ai_protocol);
    if (socket < 0) {
        return -1;
    }
    // A socket left blocking would make the connect ignore the time-out.
    int pending = setNonBlocking(socket, true) ? 0 : errno;
    if (pending == 0 && ::connect(socket, address.ai_addr, address.ai_addrlen) != 0) {
        pending = errno;
        if (pending == EINPROGRESS || pending == EINTR) {
            const int ready = waitUntil(socket, POLLOUT, Deadline(timeoutMs));
            socklen_t length = sizeof pending;
            if (ready <= 0) {
                pending = ready == 0 ? ETIMEDOUT : errno;
            } else if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &pending, &length) != 0) {
                pending = errno;
            }
        }
    }
    if (pending != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

}  // namespace

struct SOCKET_CONNECTION {
    int socket = -1;
    int receiveTimeoutMs = kDefaultDataTimeoutMs;
    int sendTimeoutMs = kDefaultDataTimeoutMs;
    int connectTimeoutMs = kDefaultConnectTimeoutMs;
    std::vector<char> buffer;
};

namespace {

void closeConnection(SOCKET_CONNECTION* connection) {
    if (connection == nullptr) {
        return;
    }
    if (connection->socket != -1) {
        ::close(connection->socket);
    }
    delete connection;
}

SOCKET_CONNECTION* createConnection(const SOCKET_TRANSPORT* transport, void* /*reserved*/,
                                    const char* host, int port) {
    if (transport == nullptr || host == nullptr) {
        SDK_LOG_NULL();
        return nullptr;
    }
    std::unique_ptr<SOCKET_CONNECTION> connection(new (std::nothrow) SOCKET_CONNECTION);
    if (!connection) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    try {
        connection->buffer.resize(static_cast<size_t>(transport->bufferSize));
    } catch (const std::bad_alloc&) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    connection->connectTimeoutMs = transport->connectTimeoutMs;
    connection->socket = SOCKET_ConnectTimeout(host, port, connection->connectTimeoutMs);
    if (connection->socket < 0) {
        return nullptr;
    }
    // Every later call waits with poll and passes MSG_DONTWAIT, so blocking mode only
    // matters to whoever else might use the descriptor.
    setNonBlocking(connection->socket, false);
    return connection.release();
}

int storeTimeouts(SOCKET_CONNECTION* connection, int connectMs, int receiveMs, int sendMs) {
    if (connection == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    connection->connectTimeoutMs = connectMs;
    connection->receiveTimeoutMs = receiveMs;
    connection->sendTimeoutMs = sendMs;
    return 0;
}

int receiveIntoBuffer(SOCKET_CONNECTION* connection, SOCKET_ReceiveCallback callback, void* user) {
    if (connection == nullptr || callback == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const int count =
        receiveOnce(connection->socket, connection->buffer.data(),
                    static_cast<int>(connection->buffer.size()), 0, connection->receiveTimeoutMs);
    callback(user, count < 0 ? count : 0, connection->buffer.data(), count);
    return 0;
}

int sendHeadAndBody(SOCKET_CONNECTION* connection, const char* head, int headLength,
                    const char* body, int bodyLength, SOCKET_SendCallback callback, void* user) {
    if (connection == nullptr || callback == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    if (headLength < 0 || (headLength > 0 && head == nullptr) || bodyLength < 0 ||
        (bodyLength > 0 && body == nullptr)) {
        SDK_LOG_RESULT(-1);
        callback(user, -1);
        return 0;
    }
    iovec pieces[2] = {{const_cast<char*>(head), static_cast<size_t>(headLength)},
                       {const_cast<char*>(body), static_cast<size_t>(bodyLength)}};
    const int pieceCount = bodyLength >= 1 ? 2 : 1;
    callback(user, sendAll(connection->socket, pieces, pieceCount, 0, connection->sendTimeoutMs));
    return 0;
}

const SOCKET_TRANSPORT kSelectTransport = {
    0,
    kDefaultConnectTimeoutMs,
    kConnectionBufferSize,
    createConnection,
    closeConnection,
    storeTimeouts,
    receiveIntoBuffer,
    sendHeadAndBody,
};

}  // namespace

int SOCKET_ConnectAddresses(const addrinfo* addresses, int timeoutMs) {
    for (const addrinfo* address = addresses; address != nullptr; address = address->ai_next) {
        const int socket = connectOne(*address, timeoutMs);
        if (socket >= 0) {
            return socket;
        }
    }
    return -1;
}

int SOCKET_ConnectTimeout(const char* host, int port, int timeoutMs) {
    if (host == nullptr || host[0] == '\0') {
        SDK_LOG_NULL();
        return -1;
    }
    if (port <= 0 || port > 65535) {
        SDK_LOG_RESULT(port);
        return -1;
    }
    char service[8];
    std::snprintf(service, sizeof service, "%d", port);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    const int resolved = ::getaddrinfo(host, service, &hints, &addresses);
    if (resolved != 0) {
        SDK_LOG_RESULT(resolved);
        return -1;
    }
    const int socket = SOCKET_ConnectAddresses(addresses, timeoutMs);
    ::freeaddrinfo(addresses);
    if (socket < 0) {
        SDK_LOG_RESULT(socket);
    }
    return socket;
}

int SOCKET_RecvTimeout(int socket, char* buffer, int n, int flags, int timeoutMs) {
    if (n <= 0) {
        return n == 0 ? 0 : -1;
    }
    if (buffer == nullptr) {
        return -1;
    }
    int done = 0;
    // Each round takes at least one byte or returns.
    while (done < n) {
        const int got = receiveOnce(socket, buffer + done, n - done, flags, timeoutMs);
        if (got <= 0) {
            return got;
        }
        done += got;
    }
    return n;
}

int SOCKET_SendTimeout(int socket, const char* buffer, int n, int flags, int timeoutMs) {
    if (n <= 0) {
        return n == 0 ? 0 : -1;
    }
    if (buffer == nullptr) {
        return -1;
    }
    iovec piece{const_cast<char*>(buffer), static_cast<size_t>(n)};
    const int result = sendAll(socket, &piece, 1, flags, timeoutMs);
    return result == 0 ? n : result;
}

const SOCKET_TRANSPORT* SOCKET_GetTransport(void) {
    return &kSelectTransport;
}
