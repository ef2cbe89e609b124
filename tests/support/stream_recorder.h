// Records what a stream session reports: status codes (without the per-round poll), frame
// headers and payloads; ends the session's loop once a condition holds.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "netsdk.h"

class StreamRecorder {
public:
    // The loop ends at the next status report once this holds (checked under the lock).
    std::function<bool(const StreamRecorder&)> endWhen = [](const StreamRecorder&) {
        return false;
    };
    bool keepPayloads = true;
    int dataAnswer = 0;

    // Guards everything below; the stream's loop thread writes, the test reads.
    mutable std::mutex lock;
    std::condition_variable changed;
    std::vector<int> statuses;
    std::vector<NETSDK_FRAME_INFO> headers;
    std::vector<int> kinds;
    std::string payloads;
    size_t frames = 0;

    static int onStatus(int code, const char* /*message*/, void* user) {
        auto* self = static_cast<StreamRecorder*>(user);
        std::lock_guard<std::mutex> guard(self->lock);
        if (code != NETSDK_STREAM_POLL) {
            self->statuses.push_back(code);
        }
        self->changed.notify_all();
        // A runaway loop ends too, so a broken client fails the test instead of hanging it.
        return self->endWhen(*self) || self->statuses.size() > kMaxStatuses ? -1 : 0;
    }

    static int onData(NETSDK_STREAM* /*stream*/, int /*channel*/, int /*streamIndex*/, int kind,
                      const void* block, int length, void* user) {
        auto* self = static_cast<StreamRecorder*>(user);
        std::lock_guard<std::mutex> guard(self->lock);
        const auto* bytes = static_cast<const char*>(block);
        NETSDK_FRAME_INFO header;
        std::memcpy(&header, bytes, sizeof header);
        if (self->keepPayloads) {
            self->headers.push_back(header);
            self->kinds.push_back(kind);
            self->payloads.append(bytes + sizeof header,
                                  static_cast<size_t>(length) - sizeof header);
        }
        ++self->frames;
        self->changed.notify_all();
        return self->dataAnswer;
    }

    // Waits until condition holds (checked under the lock); false after timeoutMs.
    bool waitFor(const std::function<bool(const StreamRecorder&)>& condition, int timeoutMs) {
        std::unique_lock<std::mutex> guard(lock);
        return changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                [&] { return condition(*this); });
    }

    size_t count(int status) const {
        size_t n = 0;
        for (int seen : statuses) {
            n += seen == status ? 1 : 0;
        }
        return n;
    }

private:
    static constexpr size_t kMaxStatuses = 500;
};
