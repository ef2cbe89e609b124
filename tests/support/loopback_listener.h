// A TCP listener on 127.0.0.1 with a port of the system's choosing, for tests that play
// the far end of a connection themselves.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

// Owns one socket descriptor and closes it.
class OwnedSocket {
public:
    explicit OwnedSocket(int fd = -1) : fd_(fd) {}
    OwnedSocket(OwnedSocket&& other) noexcept : fd_(other.release()) {}
    OwnedSocket& operator=(OwnedSocket&& other) noexcept {
        reset(other.release());
        return *this;
    }
    OwnedSocket(const OwnedSocket&) = delete;
    OwnedSocket& operator=(const OwnedSocket&) = delete;
    ~OwnedSocket() { reset(); }

    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }

private:
    int fd_;
};

class LoopbackListener {
public:
    // backlog 0 with the queue filled (fillQueue) makes a listener that never completes a
    // connect.
    explicit LoopbackListener(int backlog = 16) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (socket_.get() < 0 ||
            ::bind(socket_.get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(socket_.get(), backlog) != 0 ||
            ::getsockname(socket_.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("cannot listen on 127.0.0.1");
        }
        port_ = ntohs(address.sin_port);
    }

    int port() const { return port_; }
    int fd() const { return socket_.get(); }

    // Takes the next connection, waiting at most timeoutMs; an empty socket when none came.
    OwnedSocket accept(int timeoutMs = 5000) {
        pollfd entry{socket_.get(), POLLIN, 0};
        if (::poll(&entry, 1, timeoutMs) != 1) {
            return OwnedSocket();
        }
        return OwnedSocket(::accept(socket_.get(), nullptr, nullptr));
    }

    // Starts handshakes that fill the accept queue, so that the handshakes after them are
    // never completed; they stay queued as long as the listener lives.
    void fillQueue() {
        for (int i = 0; i < 4; ++i) {
            OwnedSocket filler(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(static_cast<uint16_t>(port_));
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            ::connect(filler.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
            fillers_.push_back(std::move(filler));
        }
    }

private:
    OwnedSocket socket_;
    int port_ = 0;
    std::vector<OwnedSocket> fillers_;
};

// A port on 127.0.0.1 where nothing listens (taken from the system, then let go).
inline int unusedLoopbackPort() {
    return LoopbackListener().port();
}
