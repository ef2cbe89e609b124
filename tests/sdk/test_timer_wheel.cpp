#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "timer/timed_operation.h"
#include "timer/timer_wheel.h"

namespace {

constexpr uint64_t kAboveRange = uint64_t{1} << 35;  // 2^32 ticks of 8 ms

// The bucket index of slot on a level (0 root, 1 to 4 upper levels).
int bucketOf(int level, int slot) {
    return level == 0 ? slot : 256 + (level - 1) * 64 + slot;
}

TEST(TimerWheel, InsertRules) {
    struct Case {
        const char* name;
        uint64_t base;
        uint64_t expiry;
        int result;
        int level;
        int slot;
    };
    const Case cases[] = {
        {"due now", 0, 0, 0, 0, 0},
        {"2 s is 250 ticks, root", 0, 2000, 0, 0, 250},
        {"last root tick", 0, 2047, 0, 0, 255},
        {"first level-1 tick", 0, 2048, 0, 1, 1},
        {"5 s is 625 ticks, level 1", 0, 5000, 0, 1, 2},
        {"last level-1 tick", 0, (1 << 17) - 8, 0, 1, 63},
        {"first level-2 tick", 0, 1 << 17, 0, 2, 1},
        {"first level-3 tick", 0, 1 << 23, 0, 3, 1},
        {"first level-4 tick", 0, 1 << 29, 0, 4, 1},
        {"last tick in range", 0, kAboveRange - 8, 0, 4, 63},
        {"2^35 ms is beyond range", 0, kAboveRange, -1, 0, 0},
        {"far beyond range", 0, ~uint64_t{0}, -1, 0, 0},
        {"root slot counts from the clock's zero", 80000, 82000, 0, 0, 10},
        {"before the base goes to the base's slot", 80000, 79992, 0, 0, 16},
        {"beyond range from a later base", 80000, 80000 + kAboveRange, -1, 0, 0},
    };
    for (const Case& c : cases) {
        TimerWheel wheel(c.base);
        TimerNode node{};
        node.expiry = c.expiry;
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wheel.insert(&node), c.result);
        if (c.result == 0) {
            EXPECT_EQ(wheel.bucketFor(c.expiry), bucketOf(c.level, c.slot));
            EXPECT_EQ(wheel.bucketHead(bucketOf(c.level, c.slot)), &node);
            EXPECT_EQ(wheel.count(), 1u);
        } else {
            EXPECT_EQ(wheel.bucketFor(c.expiry), -1);
            EXPECT_EQ(node.link, nullptr);
            EXPECT_EQ(wheel.count(), 0u);
        }
    }
}

TEST(TimerWheel, RefusesANodeAlreadyQueued) {
    TimerWheel wheel(0);
    TimerNode node{};
    node.expiry = 100;
    EXPECT_EQ(wheel.insert(&node), 0);
    EXPECT_EQ(wheel.insert(&node), -17);
    EXPECT_EQ(wheel.count(), 1u);
}

TEST(TimerWheel, RemovesNodesFromAnywhereInTheirBucket) {
    TimerWheel wheel(0);
    TimerNode nodes[3] = {};
    for (TimerNode& node : nodes) {
        node.expiry = 16;
        ASSERT_EQ(wheel.insert(&node), 0);
    }
    const int bucket = wheel.bucketFor(16);
    // Newest first: 2, 1, 0. Take the middle, then the head, then the last.
    EXPECT_EQ(wheel.remove(&nodes[1]), 0);
    EXPECT_EQ(wheel.bucketHead(bucket), &nodes[2]);
    EXPECT_EQ(nodes[2].next, &nodes[0]);
    EXPECT_EQ(nodes[0].link, &nodes[2].next);
    EXPECT_EQ(wheel.remove(&nodes[2]), 0);
    EXPECT_EQ(wheel.bucketHead(bucket), &nodes[0]);
    EXPECT_NE(nodes[0].link, nullptr);
    EXPECT_EQ(wheel.remove(&nodes[0]), 0);
    EXPECT_EQ(wheel.bucketHead(bucket), nullptr);
    EXPECT_EQ(wheel.count(), 0u);
    for (TimerNode& node : nodes) {
        EXPECT_EQ(node.link, nullptr);
        EXPECT_EQ(node.next, nullptr);
        EXPECT_EQ(wheel.remove(&node), -1);
    }
}

TEST(ProcessTimer, StartsAndStops) {
    TimerNode never{};
    EXPECT_EQ(Timer_Stop(&never), -1);

    TimerNode node{};
    int argument = 0;
    const uint64_t before = netsdk::platform::monotonicMilliseconds();
    EXPECT_EQ(Timer_Start(
                  &node, 5000, [](void*) {}, &argument),
              0);
    EXPECT_GE(node.expiry, before + 5000);
    EXPECT_LE(node.expiry, netsdk::platform::monotonicMilliseconds() + 5000);
    EXPECT_EQ(node.argument, &argument);
    EXPECT_EQ(Timer_Start(
                  &node, 10, [](void*) {}, nullptr),
              -17);
    EXPECT_EQ(node.argument, &argument);  // a queued node is left alone
    EXPECT_EQ(Timer_Stop(&node), 0);
    EXPECT_EQ(Timer_Stop(&node), -1);
}

// What reached an operation's completion function.
struct Deliveries {
    std::atomic<int> count{0};
    std::atomic<int> lastResult{-1};
};

void onComplete(void* context, int result, uint32_t /*bytes*/) {
    auto* deliveries = static_cast<Deliveries*>(context);
    deliveries->lastResult = result;
    ++deliveries->count;
}

int postSucceeds(void*) {
    return 0;
}

int postFails(void*) {
    return 10054;
}

class TimedOperationTest : public ::testing::Test {
protected:
    void TearDown() override { Timer_Stop(&operation.timer); }

    // Starts a pending operation with a timer of timeoutMs.
    void start(int timeoutMs) {
        ASSERT_EQ(TimedOperation_Start(&operation, timeoutMs, onComplete, &deliveries, postSucceeds,
                                       nullptr),
                  0);
    }

    // What the wheel's driver does when the timer comes due: unlink it, then call it.
    void fireTimer() {
        ASSERT_EQ(Timer_Stop(&operation.timer), 0);
        operation.timer.callback(operation.timer.argument);
    }

    TimedOperation operation{};
    Deliveries deliveries;
};

TEST_F(TimedOperationTest, OneOutcomeReachesTheCompletion) {
    enum Step { Fire, Send, Receive };
    struct Case {
        const char* name;
        int timeoutMs;
        std::vector<Step> steps;
        int result;
    };
    const Case cases[] = {
        {"send completes first", 1000, {Send, Fire}, 7},
        {"receive completes first", 1000, {Receive}, 7},
        {"time-out first, then send", 1000, {Fire, Send}, kTimedOperationTimedOut},
        {"time-out first, then receive", 1000, {Fire, Receive}, kTimedOperationTimedOut},
        {"receive without a timer", 0, {Receive}, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        deliveries.count = 0;
        start(c.timeoutMs);
        EXPECT_EQ(operation.state, TIMED_OPERATION_PENDING);
        EXPECT_EQ(operation.timer.link != nullptr, c.timeoutMs > 0);
        for (Step step : c.steps) {
            if (step == Fire) {
                // A late timer that lost the race still calls its handler.
                Timer_Stop(&operation.timer);
                TimedOperation_OnTimeout(&operation);
            } else if (step == Send) {
                TimedOperation_OnSendComplete(&operation, 7, 1);
            } else {
                TimedOperation_OnReceiveComplete(&operation, 7, 1);
            }
        }
        EXPECT_EQ(deliveries.count, 1);
        EXPECT_EQ(deliveries.lastResult, c.result);
        EXPECT_EQ(operation.timer.link, nullptr);
    }
}

TEST_F(TimedOperationTest, FailedPostLeavesNothingBehind) {
    EXPECT_EQ(TimedOperation_Start(&operation, 1000, onComplete, &deliveries, postFails, nullptr),
              10054);
    EXPECT_EQ(operation.state, TIMED_OPERATION_IDLE);
    EXPECT_EQ(operation.timer.link, nullptr);
    EXPECT_EQ(deliveries.count, 0);
}

TEST_F(TimedOperationTest, RearmsOnlyAfterATimeOut) {
    start(1000);
    EXPECT_EQ(TimedOperation_Rearm(&operation, 1000), -1);
    fireTimer();
    EXPECT_EQ(operation.state, TIMED_OPERATION_TIMED_OUT);
    EXPECT_EQ(TimedOperation_Rearm(&operation, 0), 0);
    EXPECT_EQ(operation.state, TIMED_OPERATION_PENDING);
    EXPECT_NE(operation.timer.link, nullptr);
    TimedOperation_OnSendComplete(&operation, 3, 1);
    EXPECT_EQ(deliveries.count, 2);
    EXPECT_EQ(deliveries.lastResult, 3);
}

TEST_F(TimedOperationTest, ReceiveWaitsForATimeOutAlreadyFiring) {
    start(1000);
    // The driver has taken the timer off the wheel but not yet called it.
    ASSERT_EQ(Timer_Stop(&operation.timer), 0);
    std::thread receiver([&] { TimedOperation_OnReceiveComplete(&operation, 7, 1); });
    TimedOperation_OnTimeout(&operation);
    receiver.join();
    EXPECT_EQ(deliveries.count, 1);
    EXPECT_EQ(deliveries.lastResult, kTimedOperationTimedOut);
    EXPECT_EQ(operation.state, TIMED_OPERATION_IDLE);
}

TEST_F(TimedOperationTest, RacingOutcomesDeliverExactlyOnce) {
    for (int round = 0; round < 500; ++round) {
        deliveries.count = 0;
        start(1000);
        std::thread timeout([&] { TimedOperation_OnTimeout(&operation); });
        TimedOperation_OnSendComplete(&operation, 7, 1);
        timeout.join();
        ASSERT_EQ(deliveries.count, 1) << round;
    }
}

}  // namespace
