#include "channels/send_channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "log.h"
#include "transport/socket_transport.h"

namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kWritableWaitMs = 2000;

NETSDK_SEND_CHANNEL* open(const char* address, int port) {
    if (address == nullptr) {
        SDK_LOG_NULL();
        return nullptr;
    }
    const int socket = SOCKET_ConnectTimeout(address, port, kConnectTimeoutMs);
    if (socket == -1) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    NETSDK_SEND_CHANNEL* channel = new (std::nothrow) NETSDK_SEND_CHANNEL;
    if (channel == nullptr) {
        ::close(socket);
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    channel->socket = socket;
    return channel;
}

// One send after at most one wait for room; never more than the caller gave.
int sendOnce(NETSDK_SEND_CHANNEL* channel, const char* data, int length) {
    if (channel == nullptr || data == nullptr || channel->socket == -1 || length < 0) {
        SDK_LOG_NULL();
        return -1;
    }
    pollfd entry{channel->socket, POLLOUT, 0};
    const int ready = ::poll(&entry, 1, kWritableWaitMs);
    if (ready == 0) {
        return 0;
    }
    if (ready < 0) {
        return -errno;
    }
    // MSG_NOSIGNAL: a camera that went away must fail the send, not end the process.
    const ssize_t sent =
        ::send(channel->socket, data, static_cast<size_t>(length), MSG_NOSIGNAL | MSG_DONTWAIT);
    return sent >= 0 ? static_cast<int>(sent) : -errno;
}

int closeChannel(NETSDK_SEND_CHANNEL* channel) {
    if (channel == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    if (channel->socket != -1) {
        ::close(channel->socket);
    }
    delete channel;
    return 0;
}

}  // namespace

NETSDK_SEND_CHANNEL* CLIENT_INTERCOM_Called(const char* address, int port) {
    return open(address, port);
}

int CLIENT_INTERCOM_Send(NETSDK_SEND_CHANNEL* channel, const char* data, int length) {
    return sendOnce(channel, data, length);
}

int CLIENT_INTERCOM_HungUp(NETSDK_SEND_CHANNEL* channel) {
    return closeChannel(channel);
}

NETSDK_SEND_CHANNEL* CLIENT_OSDREFRESH_Start(const char* address, int port) {
    return open(address, port);
}

int CLIENT_OSDREFRESH_Send(NETSDK_SEND_CHANNEL* channel, const char* data) {
    return sendOnce(channel, data, NETSDK_OSD_REFRESH_SIZE);
}

int CLIENT_OSDREFRESH_Stop(NETSDK_SEND_CHANNEL* channel) {
    return closeChannel(channel);
}
