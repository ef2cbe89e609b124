#include "stream/stream_receiver.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/uio.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "transport/socket_transport.h"

namespace netsdk::stream {

StreamReceiver::StreamReceiver(size_t capacity) : bytes_(capacity) {}

void StreamReceiver::attach(int socket) {
    socket_ = socket;
    timeoutMs_ = kTimeoutUnset;
    start_ = end_ = 0;
    // A blocking receive with the socket's own time-out waits without a poll beside it.
    const int mode = ::fcntl(socket, F_GETFL, 0);
    if (mode >= 0) {
        ::fcntl(socket, F_SETFL, mode & ~O_NONBLOCK);
    }
}

int StreamReceiver::receive(uint8_t* out, int n, int timeoutMs) {
    if (n <= 0) {
        return n == 0 ? 0 : -1;
    }
    size_t done = takeBuffered(out, static_cast<size_t>(n));
    if (done < static_cast<size_t>(n) && !applyTimeout(timeoutMs)) {
        return -1;
    }
    // Each round takes at least one byte or returns; the buffer is empty whenever it runs.
    while (done < static_cast<size_t>(n)) {
        const int got = receiveOnce(out + done, static_cast<size_t>(n) - done);
        if (got <= 0) {
            return got;
        }
        done += static_cast<size_t>(got);
    }
    return n;
}

size_t StreamReceiver::takeBuffered(uint8_t* out, size_t n) {
    const size_t taken = std::min(n, buffered());
    std::memcpy(out, bytes_.data() + start_, taken);
    start_ += taken;
    return taken;
}

// The frame reads all wait the same time, so the option is set once per connection.
bool StreamReceiver::applyTimeout(int timeoutMs) {
    const int wanted = timeoutMs < 0 ? -1 : timeoutMs;
    if (wanted == timeoutMs_) {
        return true;
    }
    timeval wait{};  // zero: no limit
    if (wanted > 0) {
        wait.tv_sec = wanted / 1000;
        wait.tv_usec = (wanted % 1000) * 1000;
    } else if (wanted == 0) {
        wait.tv_usec = 1;  // the shortest wait there is; zero would mean none
    }
    if (::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait) != 0) {
        return false;
    }
    timeoutMs_ = wanted;
    return true;
}

// One receive into the n bytes at out and, behind them, the whole (empty) buffer. Returns the
// bytes that went to out, 0 when the peer closed, SOCKET_TIMED_OUT, or -1.
int StreamReceiver::receiveOnce(uint8_t* out, size_t n) {
    iovec pieces[2] = {{out, n}, {bytes_.data(), bytes_.size()}};
    msghdr message{};
    message.msg_iov = pieces;
    message.msg_iovlen = bytes_.empty() ? 1 : 2;
    for (;;) {
        const ssize_t got = ::recvmsg(socket_, &message, 0);
        if (got > 0) {
            const size_t toOut = std::min(static_cast<size_t>(got), n);
            start_ = 0;
            end_ = static_cast<size_t>(got) - toOut;
            return static_cast<int>(toOut);
        }
        if (got == 0) {
            return 0;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return SOCKET_TIMED_OUT;
        }
        if (errno != EINTR) {
            return -1;
        }
    }
}

}  // namespace netsdk::stream
