// The alarm notification channel against simulated cameras: delivery in order, keep-alive
// answers kept back, messages in pieces, failed starts, and the end of the channel.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "alarm_recorder.h"
#include "camsim_fixture.h"
#include "login_info.h"
#include "netsdk.h"
#include "notify/notify_channel.h"

namespace {

constexpr int kWaitMs = 10000;

std::string events(const std::vector<std::pair<int, long long>>& typesAndTimes) {
    std::string json = R"("alarm_events": [)";
    for (size_t i = 0; i < typesAndTimes.size(); ++i) {
        json += (i ? ", " : "") + std::string(R"({"type": )") +
                std::to_string(typesAndTimes[i].first) + R"(, "time": )" +
                std::to_string(typesAndTimes[i].second) + R"(, "reserved": 7})";
    }
    return json + "]";
}

std::vector<std::pair<uint32_t, int64_t>> typesAndTimes(const AlarmRecorder& recorder) {
    std::vector<std::pair<uint32_t, int64_t>> seen;
    for (const NETSDK_ALARM_EVENT& event : recorder.events()) {
        // By value: the packed record's time is unaligned and takes no reference.
        const uint32_t type = event.type;
        const int64_t time = event.time;
        seen.emplace_back(type, time);
    }
    return seen;
}

class NotifyChannel : public ::testing::Test {
protected:
    void startCamera(const std::string& members) {
        sim.start(R"({"cameras": [)" + camsim::camera("CAM1", sim.address(10), members) + "]}");
        std::snprintf(login.ip, sizeof login.ip, "%s", sim.address(10).c_str());
    }

    void TearDown() override {
        if (login.notify != nullptr) {
            CLIENT_NOTIFY_Destory(login.notify);
        }
    }

    size_t connections() const {
        return sim
            .journal([](const camsim::JournalEntry& e) {
                return e.text("protocol") == "alarm" && e.text("event") == "connect";
            })
            .size();
    }

    camsim::Simulator sim{camsim::Where::Loopback};
    NETSDK_LOGIN_INFO login{};
    AlarmRecorder recorder;
};

}  // namespace

TEST_F(NotifyChannel, EventsArriveInOrderAndKeepAliveAnswersAreKeptBack) {
    startCamera(events({{512, 1700000001}, {0, 0}, {514, 1700000002}, {1026, 1700000003}}));
    ASSERT_EQ(NETSDK_Notify(&login, AlarmRecorder::onEvent, &recorder), 0);
    ASSERT_TRUE(recorder.waitForCount(3, kWaitMs));
    const std::vector<std::pair<uint32_t, int64_t>> expected = {
        {512, 1700000001}, {514, 1700000002}, {1026, 1700000003}};
    EXPECT_EQ(typesAndTimes(recorder), expected);
    EXPECT_EQ(recorder.events()[0].reserved, 7u);
}

TEST_F(NotifyChannel, AMessageInPiecesIsDeliveredWholeOrNotAtAll) {
    struct Case {
        const char* what;
        double pause;
        std::vector<std::pair<uint32_t, int64_t>> delivered;
        size_t connections;
    };
    const std::pair<uint32_t, int64_t> a{512, 1700000001}, b{514, 1700000002}, c{1026, 1700000003};
    const Case cases[] = {
        {"pieces 0.2 s apart", 0.2, {a, b, c}, 1},
        // The broken message is dropped with its connection; the next one brings all three.
        {"pieces 1.5 s apart", 1.5, {a, a, b, c}, 2},
    };
    // One camera per case, in one simulator: a simulator start is the slow part on a busy
    // machine.
    std::string cameras;
    for (size_t i = 0; i < std::size(cases); ++i) {
        cameras +=
            (i ? ", " : "") +
            camsim::camera("CAM" + std::to_string(i), sim.address(10 + int(i)),
                           events({{512, 1700000001}, {514, 1700000002}, {1026, 1700000003}}) +
                               R"(, "faults": {"alarm_split": {"index": 1, "pause": )" +
                               std::to_string(cases[i].pause) + "}}");
    }
    sim.start(R"({"cameras": [)" + cameras + "]}");
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& test = cases[i];
        const std::string camera = "CAM" + std::to_string(i);
        AlarmRecorder split;
        CLIENT_NOTIFY_SESSION* session = CLIENT_NOTIFY_Creat(sim.address(10 + int(i)).c_str(), 9267,
                                                             AlarmRecorder::onEvent, &split);
        ASSERT_NE(session, nullptr);
        EXPECT_TRUE(split.waitForCount(test.delivered.size(), kWaitMs)) << test.what;
        EXPECT_EQ(typesAndTimes(split), test.delivered) << test.what;
        EXPECT_EQ(CLIENT_NOTIFY_Destory(session), 0);
        EXPECT_EQ(sim.journal([&camera](const camsim::JournalEntry& e) {
                         return e.text("camera") == camera && e.text("protocol") == "alarm" &&
                                e.text("event") == "connect";
                     })
                      .size(),
                  test.connections)
            << test.what;
    }
}

TEST_F(NotifyChannel, ClosedAlarmPortFailsAtOnce) {
    std::snprintf(login.ip, sizeof login.ip, "%s", sim.address(99).c_str());  // nobody there
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(NETSDK_Notify(&login, AlarmRecorder::onEvent, &recorder), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
    EXPECT_EQ(login.notify, nullptr);
}

TEST_F(NotifyChannel, RefusedArguments) {
    EXPECT_EQ(NETSDK_Notify(nullptr, AlarmRecorder::onEvent, &recorder), -1);
    EXPECT_EQ(NETSDK_Notify(&login, nullptr, &recorder), -1);
    for (const int port : {0, -1, 65536}) {
        EXPECT_EQ(CLIENT_NOTIFY_Creat("127.0.0.1", port, AlarmRecorder::onEvent, nullptr), nullptr)
            << port;
    }
    EXPECT_EQ(CLIENT_NOTIFY_Creat(nullptr, 9267, AlarmRecorder::onEvent, nullptr), nullptr);
    EXPECT_EQ(CLIENT_NOTIFY_Destory(nullptr), -1);
}

TEST_F(NotifyChannel, ASecondNotifyEndsTheFirstChannel) {
    startCamera(events({{512, 1}}) + R"(, "alarm_repeat_every": 0.02)");
    AlarmRecorder first;
    ASSERT_EQ(NETSDK_Notify(&login, AlarmRecorder::onEvent, &first), 0);
    ASSERT_TRUE(first.waitForCount(3, kWaitMs));
    ASSERT_EQ(NETSDK_Notify(&login, AlarmRecorder::onEvent, &recorder), 0);
    const size_t firstCount = first.count();
    ASSERT_TRUE(recorder.waitForCount(5, kWaitMs));
    EXPECT_EQ(first.count(), firstCount) << "the first channel called back after its end";
    EXPECT_TRUE(sim.waitForJournal(
        [](const camsim::JournalEntry& e) {
            return e.text("event") == "closed" && e.number("connection") == 1;
        },
        kWaitMs));
}

TEST_F(NotifyChannel, LogoutEndsTheChannelAndNoCallbackFollows) {
    startCamera(events({{512, 1}}) + R"(, "alarm_repeat_every": 0.01)");
    NETSDK_LOGIN_INFO* session = NETSDK_Login(sim.address(10).c_str(), 80, 1680, "admin", "", 0);
    ASSERT_NE(session, nullptr);
    ASSERT_EQ(NETSDK_Notify(session, AlarmRecorder::onEvent, &recorder), 0);
    ASSERT_TRUE(recorder.waitForCount(5, kWaitMs));
    EXPECT_EQ(NETSDK_Logout(session), 0);
    const size_t atLogout = recorder.count();
    ASSERT_TRUE(sim.waitForJournal(
        [](const camsim::JournalEntry& e) {
            return e.text("protocol") == "alarm" && e.text("event") == "closed";
        },
        kWaitMs));
    EXPECT_EQ(recorder.count(), atLogout);
}

TEST_F(NotifyChannel, ACameraThatClosesIsReconnected) {
    // Every connection brings one event and then the camera hangs up.
    startCamera(events({{512, 1700000001}}) + R"(, "faults": {"alarm_close_after_events": true})");
    ASSERT_EQ(NETSDK_Notify(&login, AlarmRecorder::onEvent, &recorder), 0);
    ASSERT_TRUE(recorder.waitForCount(2, kWaitMs));
    EXPECT_GE(connections(), 2u);
}

bool isAlarmClosed(const camsim::JournalEntry& e) {
    return e.text("protocol") == "alarm" && e.text("event") == "closed";
}

// What the first alarm's callback does with the login that holds its channel.
enum class FromTheCallback { kLogout, kNotifyAgain };

struct FirstAlarmHandler {
    FromTheCallback action = FromTheCallback::kLogout;
    NETSDK_LOGIN_INFO* session = nullptr;
    AlarmRecorder events;
    AlarmRecorder laterEvents;  // the second channel's, after a notify again
    std::atomic<int> result{1};

    static int onEvent(const NETSDK_ALARM_EVENT* event, void* user) {
        auto* self = static_cast<FirstAlarmHandler*>(user);
        if (self->session != nullptr && self->action == FromTheCallback::kLogout) {
            self->result = NETSDK_Logout(std::exchange(self->session, nullptr));
        } else if (self->session != nullptr) {
            self->result = NETSDK_Notify(self->session, AlarmRecorder::onEvent, &self->laterEvents);
            self->session = nullptr;
        }
        // Recorded last: the test ends the handler's life once it has seen the event.
        AlarmRecorder::onEvent(event, &self->events);
        return 0;
    }
};

// The camera sends its alarm the moment the channel connects, so the callback may run
// before NETSDK_Notify has returned; the channel it ends must be the login's own. Each case
// runs a few times since that window is narrow.
TEST_F(NotifyChannel, TheFirstAlarmsCallbackMayEndItsOwnChannel) {
    startCamera(events({{512, 1}}) + R"(, "alarm_repeat_every": 0.01)");
    constexpr int kRounds = 8;
    size_t alarmsClosed = 0;
    for (FromTheCallback action : {FromTheCallback::kLogout, FromTheCallback::kNotifyAgain}) {
        for (int round = 0; round < kRounds; ++round) {
            SCOPED_TRACE(testing::Message()
                         << (action == FromTheCallback::kLogout ? "logout" : "notify again")
                         << ", round " << round);
            NETSDK_LOGIN_INFO* session =
                NETSDK_Login(sim.address(10).c_str(), 80, 1680, "admin", "", 0);
            ASSERT_NE(session, nullptr);
            FirstAlarmHandler handler;
            handler.action = action;
            handler.session = session;
            ASSERT_EQ(NETSDK_Notify(session, FirstAlarmHandler::onEvent, &handler), 0);
            ASSERT_TRUE(handler.events.waitForCount(1, kWaitMs));
            if (action == FromTheCallback::kNotifyAgain) {
                // The second channel takes over; the first one never calls back again.
                ASSERT_TRUE(handler.laterEvents.waitForCount(3, kWaitMs));
                EXPECT_EQ(NETSDK_Logout(session), 0);
                alarmsClosed += 2;
                ASSERT_TRUE(sim.waitForJournal(isAlarmClosed, kWaitMs, alarmsClosed));
            } else {
                // The channel's connection ends once the callback has returned.
                ASSERT_TRUE(sim.waitForJournal(isAlarmClosed, kWaitMs, ++alarmsClosed));
            }
            EXPECT_EQ(handler.result, 0);
            EXPECT_EQ(handler.events.count(), 1u);
        }
    }
}
