// StreamStop: a stop that comes while the stream's thread waits on the camera ends that wait,
// the login's or the stream's, without the camera's answer and before any time-out of the
// SDK's: the waits here would never end by themselves.
#include <QScopeGuard>
#include <QtTest>

#include <atomic>
#include <future>

#include "camsim_fixture.h"
#include "detached_call.h"
#include "net_sdk_instance.h"
#include "stream_sink.h"
#include "stream_stop.h"

namespace {

// How long the test waits for a thread to get somewhere: only a failing run waits it out.
constexpr std::chrono::seconds kWait{60};

// A sink that never asks the stream to end until the test is over: only the stop can end it
// while the test looks.
class EndlessSink : public StreamSink {
public:
    int onStreamData(NETSDK_STREAM*, int, int, int, const void*, int) override { return 0; }
    int onStreamStatus(int, const QString&) override { return testOver ? -1 : 0; }

    std::atomic<bool> testOver{false};
};

}  // namespace

class StreamStopTest : public QObject {
    Q_OBJECT
private slots:
    void aStopGivesUpTheLoginInProgress();
    void aStopCutsTheStreamsWaitForItsCamera();
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

// The camera accepts the stream and never answers it; the SDK connects again each time its
// wait runs out, and the sink never asks it to end.
void StreamStopTest::aStopCutsTheStreamsWaitForItsCamera() {
    camsim::Simulator sim(camsim::Where::Loopback);
    sim.start(R"({"cameras": [)" +
                  camsim::camera("CAM1", sim.address(10),
                                 R"("password": "pw", "faults": {"stream_silent": true})") +
                  "]}",
              int(std::chrono::milliseconds(kWait).count()));
    DeviceParams params;
    params.ip = QHostAddress(QString::fromStdString(sim.address(10)));
    params.user = "admin";
    params.password = "pw";
    std::atomic<bool> stopAsked{false};
    StreamStop stop([&stopAsked] { return stopAsked.load(); });
    EndlessSink sink;
    auto played = std::async(std::launch::async, [&] {
        return NetSDKInstance::instance()->playRealStream(params, 0, &sink, &stop);
    });
    // Before the thread is joined: a stream that the stop did not end ends at its next report.
    const auto endAtLast = qScopeGuard([&sink] { sink.testOver = true; });
    QVERIFY(sim.waitForJournal(
        [](const camsim::JournalEntry& e) {
            return e.text("protocol") == "stream" && e.text("event") == "connect";
        },
        int(std::chrono::milliseconds(kWait).count())));
    stopAsked = true;
    stop.request();
    QVERIFY2(played.wait_for(kWait) == std::future_status::ready,
             "the stream still waits for its camera after the stop");
}

QTEST_GUILESS_MAIN(StreamStopTest)
#include "test_stream_stop.moc"
