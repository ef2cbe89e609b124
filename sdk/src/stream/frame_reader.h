// Reading one frame of the stream port: head, media header, (playback) description and
// extra block, payload; then the frame header in front of the payload and the delivery.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "stream/parameter_sets.h"

namespace netsdk::stream {

// Receives exactly n bytes within timeoutMs; the results of SOCKET_RecvTimeout (n, 0 when
// the peer closed, negative on failure or time-out).
using ExactReceive = std::function<int(uint8_t* buffer, int n, int timeoutMs)>;

// Hands one block (frame header + payload) to the data callback and returns its answer.
using Deliver = std::function<int(int kind, const uint8_t* block, int length)>;

enum class FrameOutcome {
    kDelivered,    // handed over (or nobody listens); answer holds the callback's answer
    kLost,         // the connection failed or closed: reconnect
    kFormatError,  // the bytes cannot be a frame: the stream is out of step, reconnect
    kSkipped,      // a head of another command, or a frame that cannot be described
};

struct FrameResult {
    FrameOutcome outcome;
    int answer;  // the data callback's answer when delivered
};

// What one frame read works on; the buffer belongs to the session.
struct FrameTarget {
    uint8_t* buffer;             // receives the frame header and the payload behind it
    size_t bufferSize;           // payload + frame header must fit
    const uint8_t* description;  // the acknowledgement's description (live frames)
    ParameterSets* sets;
};

// How long one read of a frame part may wait.
constexpr int kFrameReadTimeoutMs = 5000;
// Playback frames may carry an extra block that is read and dropped; a longer one means the
// stream is out of step.
constexpr uint32_t kMaxPlaybackExtra = 65536;

FrameResult readLiveFrame(const ExactReceive& receive, const FrameTarget& target,
                          const Deliver& deliver);
FrameResult readPlaybackFrame(const ExactReceive& receive, const FrameTarget& target,
                              const Deliver& deliver);

}  // namespace netsdk::stream
