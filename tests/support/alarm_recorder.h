// Records the alarm events a notify channel delivers and lets a test wait for them.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "netsdk.h"

class AlarmRecorder {
public:
    static int onEvent(const NETSDK_ALARM_EVENT* event, void* user) {
        auto* self = static_cast<AlarmRecorder*>(user);
        std::lock_guard<std::mutex> guard(self->lock_);
        self->events_.push_back(*event);
        self->changed_.notify_all();
        return 0;
    }

    bool waitForCount(size_t count, int timeoutMs) {
        std::unique_lock<std::mutex> guard(lock_);
        return changed_.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                 [&] { return events_.size() >= count; });
    }

    std::vector<NETSDK_ALARM_EVENT> events() const {
        std::lock_guard<std::mutex> guard(lock_);
        return events_;
    }

    size_t count() const {
        std::lock_guard<std::mutex> guard(lock_);
        return events_.size();
    }

private:
    // Guards events_; the notify thread writes, the test reads.
    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::vector<NETSDK_ALARM_EVENT> events_;
};
