// Reads a stream connection through a buffer of its own. One large receive takes whatever has
// arrived (the rest of a payload straight into its place, the heads of the next frames behind
// it), so most frame parts are then taken from memory without a system call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace netsdk::stream {

class StreamReceiver {
public:
    // capacity: how many bytes one receive may take beyond what the caller asked for.
    explicit StreamReceiver(size_t capacity);

    // Reads from socket from now on (switched to blocking mode); bytes left over from the
    // previous connection are dropped.
    void attach(int socket);

    // Receives exactly n bytes into out, each wait for more lasting at most timeoutMs (a
    // negative time-out waits without limit). The results of SOCKET_RecvTimeout: n, 0 when n
    // is 0 or the peer closed, SOCKET_TIMED_OUT, or -1 on a socket error.
    int receive(uint8_t* out, int n, int timeoutMs);

    // Bytes received but not yet handed out.
    size_t buffered() const { return end_ - start_; }

private:
    size_t takeBuffered(uint8_t* out, size_t n);
    bool applyTimeout(int timeoutMs);
    int receiveOnce(uint8_t* out, size_t n);

    int socket_ = -1;
    static constexpr int kTimeoutUnset = -2;
    int timeoutMs_ = kTimeoutUnset;  // the receive time-out the socket carries, -1 none
    std::vector<uint8_t> bytes_;
    size_t start_ = 0;  // first byte not handed out
    size_t end_ = 0;    // end of the received bytes
};

}  // namespace netsdk::stream
