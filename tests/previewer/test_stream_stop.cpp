// StreamStop: a stop that comes while the stream's thread waits for its login gives the login
// up, so the thread goes on without the camera's answer.
#include <QScopeGuard>
#include <QtTest>

#include <atomic>
#include <future>

#include "detached_call.h"
#include "stream_stop.h"

namespace {

// How long the test waits for a thread to get somewhere: only a failing run waits it out.
constexpr std::chrono::seconds kWait{60};

}  // namespace

class StreamStopTest : public QObject {
    Q_OBJECT
private slots:
    void aStopGivesUpTheLoginInProgress();
};

// The login's work is held until the test lets it go, as a camera that never answers holds
// it: only the give-up can end the stream thread's wait.
void StreamStopTest::aStopGivesUpTheLoginInProgress() {
    std::promise<void> letGo;
    DetachedCall login([released = letGo.get_future().share()] { released.wait(); }, nullptr);
    std::atomic<bool> stopAsked{false};
    std::promise<void> registering;
    std::atomic<bool> registeringSaid{false};
    // Asked under the stop's lock, just before the login is registered under it.
    StreamStop stop([&] {
        if (!registeringSaid.exchange(true)) {
            registering.set_value();
        }
        return stopAsked.load();
    });
    auto waited = std::async(std::launch::async, [&] { return stop.waitForLogin(login); });
    // Before the thread is joined, which a login still waited for would hold.
    const auto letGoAtEnd = qScopeGuard([&letGo] { letGo.set_value(); });
    QCOMPARE(registering.get_future().wait_for(kWait), std::future_status::ready);
    stopAsked = true;
    stop.request();  // takes the lock after the registration
    QVERIFY2(waited.wait_for(kWait) == std::future_status::ready,
             "the stream's thread still waits for the login after the stop");
    QVERIFY2(!waited.get(), "a login given up was handed to the stream's thread");
}

QTEST_GUILESS_MAIN(StreamStopTest)
#include "test_stream_stop.moc"
