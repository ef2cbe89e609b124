#include "timer/timer_wheel.h"

#include <algorithm>

#include "platform/clock.h"

namespace {

// Bits of an expiry (in ms) that select the bucket on each upper level: a level-n bucket
// spans 2^(11 + 6(n-1)) ms, that is 256 ticks times 64^(n-1).
constexpr int kLevelShift[TimerWheel::kLevels] = {11, 17, 23, 29};

}  // namespace

TimerWheel::TimerWheel(uint64_t baseMs) : baseMs_(baseMs) {}

int TimerWheel::bucketFor(uint64_t expiryMs) const {
    if (expiryMs < baseMs_) {
        return static_cast<int>((baseMs_ / kTickMs) % kRootBuckets);
    }
    const uint64_t ticks = (expiryMs - baseMs_) / kTickMs;
    if (ticks < kRootBuckets) {
        return static_cast<int>((expiryMs / kTickMs) % kRootBuckets);
    }
    for (int level = 0; level < kLevels; ++level) {
        // Level n holds timers fewer than 2^(8 + 6n) ticks away; past level 4 (2^32
        // ticks) nothing is taken.
        if (ticks < (uint64_t{1} << (8 + 6 * (level + 1)))) {
            return kRootBuckets + level * kLevelBuckets +
                   static_cast<int>((expiryMs >> kLevelShift[level]) % kLevelBuckets);
        }
    }
    return -1;
}

int TimerWheel::insert(TimerNode* node) {
    std::lock_guard<std::mutex> guard(lock_);
    return insertLocked(node);
}

int TimerWheel::schedule(TimerNode* node, uint64_t expiryMs, void (*callback)(void* argument),
                         void* argument) {
    std::lock_guard<std::mutex> guard(lock_);
    // A queued node keeps its expiry and callback: whoever fires it may be reading them.
    if (node->link != nullptr) {
        return TIMER_ALREADY_QUEUED;
    }
    node->expiry = expiryMs;
    node->callback = callback;
    node->argument = argument;
    return insertLocked(node);
}

int TimerWheel::insertLocked(TimerNode* node) {
    if (node->link != nullptr) {
        return TIMER_ALREADY_QUEUED;
    }
    const int bucket = bucketFor(node->expiry);
    if (bucket < 0) {
        return TIMER_OUT_OF_RANGE;
    }
    TimerNode*& head = buckets_[bucket];
    node->next = head;
    if (head != nullptr) {
        head->link = &node->next;
    }
    head = node;
    node->link = &head;
    ++count_;
    return TIMER_OK;
}

int TimerWheel::remove(TimerNode* node) {
    std::lock_guard<std::mutex> guard(lock_);
    if (node->link == nullptr) {
        return -1;
    }
    *node->link = node->next;
    if (node->next != nullptr) {
        node->next->link = node->link;
    }
    node->next = nullptr;
    node->link = nullptr;
    --count_;
    return TIMER_OK;
}

uint64_t TimerWheel::count() const {
    std::lock_guard<std::mutex> guard(lock_);
    return count_;
}

const TimerNode* TimerWheel::bucketHead(int bucket) const {
    std::lock_guard<std::mutex> guard(lock_);
    return bucket >= 0 && bucket < kBucketCount ? buckets_[bucket] : nullptr;
}

namespace {

// The process-wide wheel, made (thread-safely) on first use.
TimerWheel& globalWheel() {
    static TimerWheel wheel(netsdk::platform::monotonicMilliseconds());
    return wheel;
}

}  // namespace

int Timer_Start(TimerNode* node, int timeoutMs, void (*callback)(void* argument), void* argument) {
    TimerWheel& wheel = globalWheel();
    // A negative time-out means "already due"; it never reaches back before the clock's start.
    const int64_t expiry = std::max<int64_t>(
        0, static_cast<int64_t>(netsdk::platform::monotonicMilliseconds()) + timeoutMs);
    return wheel.schedule(node, static_cast<uint64_t>(expiry), callback, argument);
}

int Timer_Stop(TimerNode* node) {
    return globalWheel().remove(node);
}
