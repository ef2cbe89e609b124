#include "stream/stream_loop.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "log.h"
#include "stream/frame_reader.h"
#include "transport/socket_transport.h"

namespace {

using netsdk::stream::FrameOutcome;
using netsdk::stream::FrameResult;

constexpr int kConnectTimeoutMs = 2000;
constexpr int kRequestTimeoutMs = 5000;
constexpr int kAckTimeoutMs = 5000;
constexpr int kRetryConnectPauseMs = 100;
constexpr int kRoundPauseMs = 10;
constexpr int kPausedPollMs = 20;

enum class LoopState { kConnect, kSendRequest, kReadAck, kReadFrames };

// Waits up to ms, ending early once the session is stopped.
void pauseFor(NETSDK_STREAM& session, int ms) {
    std::unique_lock<std::mutex> guard(session.lock);
    session.wake.wait_for(guard, std::chrono::milliseconds(ms), [&] { return !session.run; });
}

// Waits while paused, for at most one poll interval.
void waitWhilePaused(NETSDK_STREAM& session) {
    std::unique_lock<std::mutex> guard(session.lock);
    session.wake.wait_for(guard, std::chrono::milliseconds(kPausedPollMs),
                          [&] { return !session.run || session.play; });
}

// Reports a status code; true when the caller asked the loop to end.
bool report(NETSDK_STREAM& session, int code) {
    NETSDK_StreamStatusCallBack callback;
    void* user;
    {
        std::lock_guard<std::mutex> guard(session.lock);
        callback = session.statusCallback;
        user = session.statusUser;
    }
    if (callback == nullptr) {
        return false;
    }
    const int answer = callback(code, nullptr, user);
    if (answer != 0) {
        SDK_LOG_RESULT(answer);
        return true;
    }
    return false;
}

void closeSocket(NETSDK_STREAM& session) {
    std::lock_guard<std::mutex> guard(session.lock);
    if (session.socket != -1) {
        ::close(session.socket);
        session.socket = -1;
    }
}

int currentSocket(NETSDK_STREAM& session) {
    std::lock_guard<std::mutex> guard(session.lock);
    return session.socket;
}

bool connect(NETSDK_STREAM& session) {
    const int socket =
        SOCKET_ConnectTimeout(session.address, session.port & 0xFFFF, kConnectTimeoutMs);
    if (socket < 0) {
        return false;
    }
    session.receiver->attach(socket);
    std::lock_guard<std::mutex> guard(session.lock);
    session.socket = socket;
    // A stop that came during the connect finds the socket already shut.
    if (!session.run) {
        ::shutdown(socket, SHUT_RDWR);
    }
    return true;
}

bool sendRequest(NETSDK_STREAM& session) {
    using namespace netsdk::stream;
    uint8_t request[kPlaybackRequestSize];
    size_t size = kLiveRequestSize;
    if (session.playback) {
        makePlaybackRequest(session.channel, session.stream, session.beginTime, session.endTime,
                            session.fileName, request);
        size = kPlaybackRequestSize;
    } else {
        makeLiveRequest(session.channel, session.stream, request);
    }
    const int sent = SOCKET_SendTimeout(currentSocket(session), reinterpret_cast<char*>(request),
                                        static_cast<int>(size), 0, kRequestTimeoutMs);
    if (sent != static_cast<int>(size)) {
        SDK_LOG_RESULT(sent);
        return false;
    }
    return true;
}

bool readAck(NETSDK_STREAM& session) {
    using namespace netsdk::stream;
    uint8_t ack[kAckSize];
    const int got = session.receiver->receive(ack, sizeof ack, kAckTimeoutMs);
    if (got != static_cast<int>(sizeof ack)) {
        SDK_LOG_RESULT(got);
        return false;
    }
    const Head head = parseHead(ack);
    const uint16_t expected = session.playback ? kPlaybackAck : kLiveAck;
    if (!head.magicOk || head.length != kAckSize || head.command != expected) {
        SDK_LOG_RESULT(head.command);
        return false;
    }
    const CORE_STREAM_AckHook hook = session.operations.ackHook;
    if (hook != nullptr && hook(head.command, ack + kHeadSize, kDescriptionSize) != 0) {
        return false;
    }
    std::copy(ack + kHeadSize, ack + kAckSize, session.description);
    return true;
}

FrameResult readFrame(NETSDK_STREAM& session) {
    using namespace netsdk::stream;
    const ExactReceive receive = [&session](uint8_t* buffer, int n, int timeoutMs) {
        return session.receiver->receive(buffer, n, timeoutMs);
    };
    Deliver deliver;
    if (session.dataCallback != nullptr) {
        deliver = [&session](int kind, const uint8_t* block, int length) {
            return session.dataCallback(&session, session.channel, session.stream, kind, block,
                                        length, session.dataUser);
        };
    }
    const FrameTarget target{session.buffer.get(), session.operations.bufferSize,
                             session.description, &session.parameterSets};
    return session.playback ? readPlaybackFrame(receive, target, deliver)
                            : readLiveFrame(receive, target, deliver);
}

// True when a frame's result means the connection is gone or out of step.
bool needsReconnect(const FrameResult& result) {
    return result.outcome == FrameOutcome::kLost || result.outcome == FrameOutcome::kFormatError ||
           (result.outcome == FrameOutcome::kDelivered && result.answer == NETSDK_STREAM_RECONNECT);
}

enum class NextRound { kAtOnce, kAfterPause, kEndLoop };

// What follows a status report: the loop ends when the caller answered nonzero.
NextRound reportThenPause(NETSDK_STREAM& session, int code) {
    return report(session, code) ? NextRound::kEndLoop : NextRound::kAfterPause;
}

NextRound runRound(NETSDK_STREAM& session, LoopState& state) {
    switch (state) {
        case LoopState::kConnect:
            if (!connect(session)) {
                pauseFor(session, kRetryConnectPauseMs);
                return reportThenPause(session, NETSDK_STREAM_CONNECT_FAILED);
            }
            state = LoopState::kSendRequest;
            return reportThenPause(session, NETSDK_STREAM_CONNECTED);
        case LoopState::kSendRequest:
            if (!sendRequest(session)) {
                closeSocket(session);
                state = LoopState::kConnect;
                return reportThenPause(session, NETSDK_STREAM_REQUEST_FAILED);
            }
            state = LoopState::kReadAck;
            return reportThenPause(session, NETSDK_STREAM_REQUEST_SENT);
        case LoopState::kReadAck:
            if (!readAck(session)) {
                closeSocket(session);
                state = LoopState::kConnect;
                return reportThenPause(session, NETSDK_STREAM_ACK_REFUSED);
            }
            state = LoopState::kReadFrames;
            return reportThenPause(session, NETSDK_STREAM_ACK_ACCEPTED);
        case LoopState::kReadFrames:
            break;
    }
    const FrameResult result = readFrame(session);
    if (needsReconnect(result)) {
        closeSocket(session);
        // Stop wakes a blocked read by shutting the socket down: that is no lost connection.
        if (!session.run) {
            return NextRound::kEndLoop;
        }
        state = LoopState::kConnect;
        return reportThenPause(session, NETSDK_STREAM_LOST);
    }
    // A frame taken at once is followed at once; a skipped frame or a callback's nonzero
    // answer gets a short pause.
    const bool atOnce = result.outcome == FrameOutcome::kDelivered && result.answer == 0;
    return atOnce ? NextRound::kAtOnce : NextRound::kAfterPause;
}

}  // namespace

void CORE_STREAM_RunLoop(NETSDK_STREAM* session) {
    LoopState state = LoopState::kConnect;
    while (session->run) {
        if (!session->play) {
            waitWhilePaused(*session);
            continue;
        }
        if (report(*session, NETSDK_STREAM_POLL)) {
            break;
        }
        const NextRound next = runRound(*session, state);
        if (next == NextRound::kEndLoop) {
            break;
        }
        if (next == NextRound::kAfterPause) {
            pauseFor(*session, kRoundPauseMs);
        }
    }
    closeSocket(*session);
    std::lock_guard<std::mutex> guard(session->lock);
    session->finished = true;
    session->wake.notify_all();
}
