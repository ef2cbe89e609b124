#include "detached_call.h"

#include <QEventLoop>
#include <QMetaObject>

#include <condition_variable>
#include <mutex>
#include <thread>

struct DetachedCall::State {
    std::function<void()> work;
    std::function<void()> cleanUpIfGivenUp;

    // Guards done, givenUp and waitingLoop: the call's thread sets done, the caller's side
    // the rest. Whichever of done and givenUp comes first decides who owns the results.
    std::mutex lock;
    std::condition_variable changed;
    bool done = false;
    bool givenUp = false;
    QEventLoop* waitingLoop = nullptr;  // the caller's loop while it waits in one

    // Whether the results are the caller's; under lock. A give-up is only taken before the
    // work is done, so once it is set the call's thread owns them, even when the work has
    // ended by the time the caller looks.
    bool ownedByCaller() const { return done && !givenUp; }

    // Wakes the caller's waits; under lock.
    void wakeWaiters() {
        changed.notify_all();
        if (waitingLoop != nullptr) {
            QMetaObject::invokeMethod(waitingLoop, &QEventLoop::quit, Qt::QueuedConnection);
        }
    }

    void run() {
        work();
        bool orphaned = false;
        {
            std::lock_guard<std::mutex> guard(lock);
            done = true;
            orphaned = givenUp;
            wakeWaiters();
        }
        if (orphaned && cleanUpIfGivenUp) {
            cleanUpIfGivenUp();
        }
    }
};

DetachedCall::DetachedCall(std::function<void()> work, std::function<void()> cleanUpIfGivenUp)
    : state_(std::make_shared<State>()) {
    state_->work = std::move(work);
    state_->cleanUpIfGivenUp = std::move(cleanUpIfGivenUp);
    // The thread keeps the state alive: a call given up outlives its caller.
    std::thread([state = state_] { state->run(); }).detach();
}

DetachedCall::~DetachedCall() {
    giveUp();
}

bool DetachedCall::wait() {
    std::unique_lock<std::mutex> guard(state_->lock);
    state_->changed.wait(guard, [this] { return state_->done || state_->givenUp; });
    return state_->ownedByCaller();
}

bool DetachedCall::waitProcessingEvents() {
    QEventLoop loop;
    {
        std::lock_guard<std::mutex> guard(state_->lock);
        if (state_->done || state_->givenUp) {
            return state_->ownedByCaller();
        }
        state_->waitingLoop = &loop;
    }
    // Returns at once when the application is already quitting.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    std::lock_guard<std::mutex> guard(state_->lock);
    state_->waitingLoop = nullptr;
    // The loop ended without the work: the application quits.
    state_->givenUp = state_->givenUp || !state_->done;
    return state_->ownedByCaller();
}

void DetachedCall::giveUp() {
    std::lock_guard<std::mutex> guard(state_->lock);
    if (!state_->done) {
        state_->givenUp = true;
        state_->wakeWaiters();
    }
}
