// A TCP peer on 127.0.0.1 that takes what it is sent slowly, as a busy camera takes an
// upload: a small receive buffer, and a few bytes per interval. A sender then finds room
// for a little at a time, often enough that no single wait for room ever runs out.
//
//   SlowReader reader(8192, 50);              // 8 KiB every 50 ms
//   connect to reader.port(), send ...
//   reader.received();                        // bytes taken so far
//
// It serves one connection and reads until the sender closes or the reader is destroyed.
#pragma once

#include <netinet/tcp.h>
#include <sys/socket.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "loopback_listener.h"

class SlowReader {
public:
    SlowReader(size_t bytesPerRound, int intervalMs)
        : bytesPerRound_(bytesPerRound), interval_(intervalMs) {
        // Accepted connections inherit the listener's settings from their first packet on:
        // a small window, and small segments, which keep the sender's own buffer small too
        // (the kernel sizes it by the segments in flight).
        const int smallBuffer = static_cast<int>(bytesPerRound);
        ::setsockopt(listener_.fd(), SOL_SOCKET, SO_RCVBUF, &smallBuffer, sizeof smallBuffer);
        ::setsockopt(listener_.fd(), IPPROTO_TCP, TCP_MAXSEG, &kSegmentSize, sizeof kSegmentSize);
        thread_ = std::thread([this] { serve(); });
    }
    ~SlowReader() {
        {
            std::lock_guard<std::mutex> guard(lock_);
            stopping_ = true;
        }
        stopped_.notify_all();
        thread_.join();
    }
    SlowReader(const SlowReader&) = delete;
    SlowReader& operator=(const SlowReader&) = delete;

    int port() const { return listener_.port(); }
    size_t received() const { return received_; }

private:
    void serve() {
        OwnedSocket connection = listener_.accept();
        std::vector<char> buffer(bytesPerRound_);
        std::unique_lock<std::mutex> guard(lock_);
        while (connection.get() >= 0 &&
               !stopped_.wait_for(guard, interval_, [this] { return stopping_; })) {
            const ssize_t got =
                ::recv(connection.get(), buffer.data(), buffer.size(), MSG_DONTWAIT);
            if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
                return;
            }
            received_ += got > 0 ? static_cast<size_t>(got) : 0;
        }
    }

    static constexpr int kSegmentSize = 1024;

    LoopbackListener listener_;
    const size_t bytesPerRound_;
    const std::chrono::milliseconds interval_;
    std::atomic<size_t> received_{0};
    std::mutex lock_;  // guards stopping_; the reader's thread and the owner
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::thread thread_;
};
