// Where work crosses to or from a thread that Qt runs: a task started on a QThreadPool, the
// pool's tasks waited for, a call queued to an object's thread. Debian's Qt is not built with
// ThreadSanitizer, so the locks and atomics by which the pool and the event queue hand work
// over are invisible to it: it would take every such hand-over for a race. These marks tell
// it about the hand-over instead, so that the code Qt's threads run is checked like any
// other. Outside the ThreadSanitizer build they compile to nothing.
#pragma once

#include <QObject>
#include <QRunnable>
#include <QThreadPool>
#include <functional>
#include <utility>

#ifdef KIT_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace handover {

// Everything the calling thread did before handOver(token) happens, for the race checker,
// before whatever a thread does after takeOver(token) with the same token.
inline void handOver(const void* token) {
#ifdef KIT_THREAD_SANITIZER
    __tsan_release(const_cast<void*>(token));
#else
    (void)token;
#endif
}

inline void takeOver(const void* token) {
#ifdef KIT_THREAD_SANITIZER
    __tsan_acquire(const_cast<void*>(token));
#else
    (void)token;
#endif
}

// A call that carries its hand-over with it, with its own address as the token. Every copy
// is handed over once it is built, so the copy that Qt keeps (inside a pool task or a queued
// call event), built last on the sending thread, is taken over where it runs. It is handed
// back after it ran, since Qt may destroy it on either thread, and taken over before it goes.
template <typename Call>
class HandedOver {
public:
    explicit HandedOver(Call call) : call_(std::move(call)) { handOver(this); }
    HandedOver(const HandedOver& other) : call_(other.call_) { handOver(this); }
    HandedOver(HandedOver&& other) : call_(std::move(other.call_)) { handOver(this); }
    HandedOver& operator=(const HandedOver&) = delete;
    HandedOver& operator=(HandedOver&&) = delete;
    ~HandedOver() { takeOver(this); }

    void operator()() {
        takeOver(this);
        call_();
        handOver(this);
    }

private:
    Call call_;
};

// Runs work on one of pool's threads, after everything the caller did before; waitForDone()
// takes over what the pool's tasks did. The task is built here, not by Qt, so that all of
// it is handed over.
template <typename Work>
void start(QThreadPool& pool, Work work) {
    class Task : public QRunnable {
    public:
        Task(QThreadPool* pool, Work work)
            : call_([pool, work = std::move(work)]() mutable {
                  work();
                  handOver(pool);
              }) {}
        void run() override { call_(); }

    private:
        HandedOver<std::function<void()>> call_;
    };
    pool.start(new Task(&pool, std::move(work)));
}

// QThreadPool::waitForDone(), after which the caller sees all the pool's tasks did.
inline bool waitForDone(QThreadPool& pool, int msecs = -1) {
    const bool done = pool.waitForDone(msecs);
    takeOver(&pool);
    return done;
}

// Calls call on context's thread through its event loop, after everything the caller did
// before; dropped if context is destroyed first.
template <typename Call>
void queue(QObject* context, Call call) {
    QMetaObject::invokeMethod(context, HandedOver<Call>(std::move(call)), Qt::QueuedConnection);
}

}  // namespace handover
