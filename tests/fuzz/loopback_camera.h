// A camera on a loopback port for one fuzz input. A connection that it answers gets the
// input's bytes and then the end of the stream. It answers the first connection only (every
// later one is closed at once, so a client that reconnects has read all it was sent), or
// every connection, as a camera answers each HTTP request.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class LoopbackCamera {
public:
    enum class Answers { kFirstConnection, kEveryConnection };

    explicit LoopbackCamera(std::string bytes, Answers answers = Answers::kFirstConnection)
        : bytes_(std::move(bytes)), answers_(answers) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 8);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        server_ = std::thread([this] { serve(); });
    }
    ~LoopbackCamera() {
        stop_ = true;
        server_.join();
        ::close(listener_);
    }
    LoopbackCamera(const LoopbackCamera&) = delete;
    LoopbackCamera& operator=(const LoopbackCamera&) = delete;

    int port() const { return port_; }

    // True once count connections came within timeoutMs.
    bool waitForConnections(int count, int timeoutMs) {
        std::unique_lock<std::mutex> guard(lock_);
        return changed_.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                 [&] { return connections_ >= count; });
    }

private:
    void serve() {
        while (!stop_) {
            pollfd entry{listener_, POLLIN, 0};
            if (::poll(&entry, 1, 10) <= 0) {
                continue;
            }
            const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection == -1) {
                continue;
            }
            if (countConnection() == 1 || answers_ == Answers::kEveryConnection) {
                sendAndDrain(connection);
            }
            ::close(connection);
        }
    }

    int countConnection() {
        std::lock_guard<std::mutex> guard(lock_);
        ++connections_;
        changed_.notify_all();
        return connections_;
    }

    // Sends the bytes, ends the stream and reads whatever the client sends until it closes.
    void sendAndDrain(int connection) {
        size_t sent = 0;
        while (sent < bytes_.size()) {
            const ssize_t n =
                ::send(connection, bytes_.data() + sent, bytes_.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) {
                return;
            }
            sent += static_cast<size_t>(n);
        }
        ::shutdown(connection, SHUT_WR);
        char sink[4096];
        while (!stop_) {
            pollfd entry{connection, POLLIN, 0};
            if (::poll(&entry, 1, 10) > 0 && ::recv(connection, sink, sizeof sink, 0) <= 0) {
                return;
            }
        }
    }

    std::string bytes_;
    Answers answers_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::mutex lock_;
    std::condition_variable changed_;
    int connections_ = 0;
    std::thread server_;
};
