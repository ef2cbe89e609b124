// A timed operation joins one asynchronous socket operation with a timer on the wheel so
// that exactly one outcome, completion or time-out, reaches its completion function. The
// state word decides without a lock: whichever side moves it away from "pending" first
// delivers, and the other side does nothing.
//
// Nothing in the kit drives the wheel or issues such operations yet; the state logic is
// complete and tested so that an overlapped transport can be built on it.
#pragma once

#include <atomic>
#include <cstdint>

#include "timer/timer_wheel.h"

enum TimedOperationState {
    TIMED_OPERATION_IDLE = 0,
    TIMED_OPERATION_PENDING = 1,
    TIMED_OPERATION_TIMED_OUT = 2,
};

// The result a timed-out operation completes with.
constexpr int kTimedOperationTimedOut = 138;

typedef void (*TimedOperationCompletion)(void* context, int result, uint32_t bytes);

// Issues the socket operation; 0 when it is under way, else its error.
typedef int (*TimedOperationPost)(void* argument);

struct TimedOperation {
    TimerNode timer;  // first, so the timer's argument can be the operation itself
    TimedOperationCompletion completion;
    void* context;
    bool timed;  // a timer was started with the operation
    std::atomic<int32_t> state;
};

// Makes the operation pending, starts its timer when timeoutMs > 0, then posts it. When the
// timer cannot start or posting fails the operation goes back to idle, its timer is
// stopped, and that error is returned; else 0.
int TimedOperation_Start(TimedOperation* operation, int timeoutMs,
                         TimedOperationCompletion completion, void* context,
                         TimedOperationPost post, void* postArgument);

// The timer's callback: a still pending operation completes with kTimedOperationTimedOut.
void TimedOperation_OnTimeout(void* operation);

// A send finished: delivered unless the time-out came first.
void TimedOperation_OnSendComplete(TimedOperation* operation, int result, uint32_t bytes);

// A receive finished: delivered unless the time-out came first. When the timer has already
// been taken off the wheel to fire, waits until its handler has run, then drops the result
// and leaves the operation idle.
void TimedOperation_OnReceiveComplete(TimedOperation* operation, int result, uint32_t bytes);

// Makes a timed-out operation pending again with a new timer of at least 1 ms. Returns the
// timer's start result, or -1 when the operation had not timed out.
int TimedOperation_Rearm(TimedOperation* operation, int timeoutMs);
