// The ThreadSanitizer pass's canaries: each test races on purpose where the kit's own code
// runs on a thread that Qt drives (a pool task, a slot called by the event loop), handed
// over as the kit hands work over (thread_handover.h). The pass expects every one of them to
// be reported; one that passes means that a suppression or a hand-over mark hides the kit's
// own code from the race checker again.
#include <QCoreApplication>
#include <QThreadPool>
#include <QtTest>
#include <atomic>
#include <thread>

#include "thread_handover.h"

namespace {

constexpr int kWaitMs = 10000;

// A plain counter, written by two threads with nothing ordering the writes.
int racedCounter = 0;

// Waits until count reaches target, without ordering anything between the threads: a
// relaxed load synchronises with nobody, so the race checker sees no hand-over here.
bool awaitRelaxed(const std::atomic<int>& count, int target) {
    QDeadlineTimer deadline(kWaitMs);
    while (count.load(std::memory_order_relaxed) < target) {
        if (deadline.hasExpired())
            return false;
        std::this_thread::yield();
    }
    return true;
}

}  // namespace

class RaceCanary : public QObject {
    Q_OBJECT
private slots:
    void init() { racedCounter = 0; }

    // Two tasks of one pool, both held until both run, so they run on two threads at once.
    void raceInPoolTasks() {
        QThreadPool pool;
        std::atomic<int> started{0};
        for (int task = 0; task < 2; ++task) {
            handover::start(pool, [&started] {
                started.fetch_add(1, std::memory_order_relaxed);
                if (awaitRelaxed(started, 2))
                    ++racedCounter;
            });
        }
        handover::waitForDone(pool);
        QCOMPARE(started.load(), 2);
    }

    // A thread of the SDK's kind queues a call to a slot on this thread, then goes on
    // writing what the slot writes too. The slot writes only after the thread's write, and
    // still without any hand-over between them: the checker then finds the race while the
    // thread's access is settled, and reports it every time. In the other order it must
    // restore the stack of the busy main thread, and now and then drops the report.
    void raceBetweenThreadAndSlot() {
        std::atomic<int> steps{0};
        std::thread sdkThread([this, &steps] {
            handover::queue(this, [&steps] {
                if (awaitRelaxed(steps, 1))
                    ++racedCounter;
                steps.fetch_add(1, std::memory_order_relaxed);
            });
            ++racedCounter;
            steps.fetch_add(1, std::memory_order_relaxed);
        });
        QTRY_VERIFY_WITH_TIMEOUT(steps.load(std::memory_order_relaxed) == 2, kWaitMs);
        sdkThread.join();
    }
};

QTEST_GUILESS_MAIN(RaceCanary)
#include "race_canary.moc"
