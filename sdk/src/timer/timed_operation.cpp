#include "timer/timed_operation.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

bool moveState(TimedOperation* operation, int32_t from, int32_t to) {
    return operation->state.compare_exchange_strong(from, to);
}

void deliver(TimedOperation* operation, int result, uint32_t bytes) {
    operation->completion(operation->context, result, bytes);
}

}  // namespace

int TimedOperation_Start(TimedOperation* operation, int timeoutMs,
                         TimedOperationCompletion completion, void* context,
                         TimedOperationPost post, void* postArgument) {
    operation->completion = completion;
    operation->context = context;
    operation->timed = timeoutMs > 0;
    std::memset(&operation->timer, 0, sizeof operation->timer);
    operation->state.store(TIMED_OPERATION_PENDING);
    if (operation->timed) {
        const int started =
            Timer_Start(&operation->timer, timeoutMs, TimedOperation_OnTimeout, operation);
        // Without its timer the operation could wait forever: it is not posted.
        if (started != TIMER_OK) {
            operation->state.store(TIMED_OPERATION_IDLE);
            return started;
        }
    }
    const int posted = post(postArgument);
    if (posted != 0) {
        operation->state.store(TIMED_OPERATION_IDLE);
        if (operation->timed) {
            Timer_Stop(&operation->timer);
        }
        return posted;
    }
    return 0;
}

void TimedOperation_OnTimeout(void* argument) {
    auto* operation = static_cast<TimedOperation*>(argument);
    if (moveState(operation, TIMED_OPERATION_PENDING, TIMED_OPERATION_TIMED_OUT)) {
        deliver(operation, kTimedOperationTimedOut, 0);
    }
}

void TimedOperation_OnSendComplete(TimedOperation* operation, int result, uint32_t bytes) {
    Timer_Stop(&operation->timer);
    if (moveState(operation, TIMED_OPERATION_PENDING, TIMED_OPERATION_IDLE)) {
        deliver(operation, result, bytes);
    }
}

void TimedOperation_OnReceiveComplete(TimedOperation* operation, int result, uint32_t bytes) {
    if (!operation->timed) {
        operation->state.store(TIMED_OPERATION_IDLE);
        deliver(operation, result, bytes);
        return;
    }
    if (operation->state.load() == TIMED_OPERATION_PENDING) {
        if (Timer_Stop(&operation->timer) == TIMER_OK &&
            moveState(operation, TIMED_OPERATION_PENDING, TIMED_OPERATION_IDLE)) {
            deliver(operation, result, bytes);
            return;
        }
        // The timer was already taken off the wheel to fire: its handler owns the outcome.
        while (operation->state.load() == TIMED_OPERATION_PENDING) {
            std::this_thread::yield();
        }
    }
    if (operation->state.load() == TIMED_OPERATION_TIMED_OUT) {
        operation->state.store(TIMED_OPERATION_IDLE);
    }
}

int TimedOperation_Rearm(TimedOperation* operation, int timeoutMs) {
    if (!moveState(operation, TIMED_OPERATION_TIMED_OUT, TIMED_OPERATION_PENDING)) {
        return -1;
    }
    operation->timed = true;
    Timer_Stop(&operation->timer);  // the wheel's driver may not have unlinked it
    const int started =
        Timer_Start(&operation->timer, std::max(timeoutMs, 1), TimedOperation_OnTimeout, operation);
    if (started != TIMER_OK) {
        operation->state.store(TIMED_OPERATION_TIMED_OUT);
    }
    return started;
}
