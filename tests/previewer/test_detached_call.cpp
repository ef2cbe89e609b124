// DetachedCall: whoever comes first, the work's end or the give-up, owns the work's results,
// and only one side ever releases them.
#include <QtTest>

#include <future>

#include "detached_call.h"

namespace {

// One call whose work waits until it is let go, and which counts its clean-ups.
struct HeldCall {
    std::promise<void> letGo;
    std::shared_future<void> released = letGo.get_future().share();
    std::promise<void> cleanedUp;
    std::future<void> cleanUpDone = cleanedUp.get_future();
    DetachedCall call{[gate = released] { gate.wait(); }, [this] { cleanedUp.set_value(); }};
};

}  // namespace

class DetachedCallTest : public QObject {
    Q_OBJECT
private slots:
    void aCallGivenUpBeforeItsWaitBelongsToItsThread_data();
    void aCallGivenUpBeforeItsWaitBelongsToItsThread();
    void aFinishedCallBelongsToItsCaller();
};

void DetachedCallTest::aCallGivenUpBeforeItsWaitBelongsToItsThread_data() {
    QTest::addColumn<bool>("processingEvents");
    QTest::newRow("wait") << false;
    QTest::newRow("wait processing events") << true;
}

// A stream's stop may come between the login's start and the caller's wait, and the login may
// end before the caller looks: the thread has released the results by then, so the caller
// must not take them too.
void DetachedCallTest::aCallGivenUpBeforeItsWaitBelongsToItsThread() {
    QFETCH(bool, processingEvents);
    HeldCall held;
    held.call.giveUp();
    held.letGo.set_value();
    QCOMPARE(held.cleanUpDone.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const bool callerOwns = processingEvents ? held.call.waitProcessingEvents() : held.call.wait();
    QVERIFY2(!callerOwns, "the clean-up ran, yet the caller was handed the results too");
}

void DetachedCallTest::aFinishedCallBelongsToItsCaller() {
    bool ran = false;
    bool cleanedUp = false;
    DetachedCall call([&ran] { ran = true; }, [&cleanedUp] { cleanedUp = true; });
    QVERIFY(call.wait());
    QVERIFY(ran);
    call.giveUp();  // too late: the results are the caller's already
    QVERIFY(call.wait());
    QVERIFY(!cleanedUp);
}

QTEST_GUILESS_MAIN(DetachedCallTest)
#include "test_detached_call.moc"
