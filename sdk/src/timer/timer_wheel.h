// A hierarchical timing wheel with 8 ms ticks: 256 root buckets for the next ~2 s, then four
// levels of 64 buckets, each level covering 64 times the span of the one below, up to
// 2^32 ticks (about 397 days) past the wheel's base time.
//
// Timers are intrusive nodes kept in doubly linked bucket lists, so starting and stopping a
// timer allocate nothing. Nothing advances the wheel yet: the kit has no caller whose
// operations need it to fire (see timed_operation.h).
#pragma once

#include <cstdint>
#include <mutex>

// Embedded at the start of every timed operation; zero it before its first start.
struct TimerNode {
    uint64_t expiry;   // milliseconds on the wheel's clock
    TimerNode* next;   // next node in the bucket
    TimerNode** link;  // the pointer that points at this node; non-null exactly while queued
    void (*callback)(void* argument);
    void* argument;
};

enum TimerResult {
    TIMER_OK = 0,
    TIMER_OUT_OF_RANGE = -1,
    TIMER_ALREADY_QUEUED = -17,
};

class TimerWheel {
public:
    static constexpr uint64_t kTickMs = 8;
    static constexpr int kRootBuckets = 256;
    static constexpr int kLevelBuckets = 64;
    static constexpr int kLevels = 4;
    static constexpr int kBucketCount = kRootBuckets + kLevels * kLevelBuckets;

    explicit TimerWheel(uint64_t baseMs);

    // The bucket (0..kBucketCount-1) a timer expiring at expiryMs belongs in, or -1 when it
    // lies 2^32 ticks or more past the base time.
    int bucketFor(uint64_t expiryMs) const;

    // Queues the node by its expiry: TIMER_OK, TIMER_ALREADY_QUEUED or TIMER_OUT_OF_RANGE.
    int insert(TimerNode* node);

    // Sets the node's expiry and callback and queues it, unless it is queued already.
    int schedule(TimerNode* node, uint64_t expiryMs, void (*callback)(void* argument),
                 void* argument);

    // Unlinks the node: TIMER_OK when it was queued, else -1.
    int remove(TimerNode* node);

    uint64_t baseMs() const { return baseMs_; }
    uint64_t count() const;
    const TimerNode* bucketHead(int bucket) const;

private:
    int insertLocked(TimerNode* node);

    mutable std::mutex lock_;  // guards count_ and buckets_; taken by any thread
    uint64_t count_ = 0;
    const uint64_t baseMs_;
    TimerNode* buckets_[kBucketCount] = {};
};

// Starts the node on the process-wide wheel (made on first use, based at that moment): it
// expires timeoutMs from now on the SDK's monotonic clock and will call callback(argument).
// Returns the insert result.
int Timer_Start(TimerNode* node, int timeoutMs, void (*callback)(void* argument), void* argument);

// Takes the node off the process-wide wheel: TIMER_OK when it was queued, -1 when not.
int Timer_Stop(TimerNode* node);
