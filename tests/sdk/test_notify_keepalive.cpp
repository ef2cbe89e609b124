// Keep-alives of the alarm channel (slow: the channel waits 5 s per keep-alive, label "slow").
#include <gtest/gtest.h>

#include <string>

#include "alarm_recorder.h"
#include "camsim_fixture.h"
#include "notify/notify_channel.h"

TEST(NotifyKeepAlive, ThreeUnansweredKeepAlivesDropTheConnectionAnsweredOnesKeepIt) {
    camsim::Simulator sim(camsim::Where::Loopback);
    sim.start(R"({"cameras": [)" + camsim::camera("SILENT", sim.address(10)) + ", " +
              camsim::camera("ANSWERS", sim.address(11), R"("alarm_answer_keepalive": true)") +
              "]}");
    AlarmRecorder silentEvents, answeringEvents;
    CLIENT_NOTIFY_SESSION* silent =
        CLIENT_NOTIFY_Creat(sim.address(10).c_str(), 9267, AlarmRecorder::onEvent, &silentEvents);
    CLIENT_NOTIFY_SESSION* answering = CLIENT_NOTIFY_Creat(
        sim.address(11).c_str(), 9267, AlarmRecorder::onEvent, &answeringEvents);
    ASSERT_NE(silent, nullptr);
    ASSERT_NE(answering, nullptr);

    const auto of = [](const char* camera, const char* event) {
        return [camera, event](const camsim::JournalEntry& e) {
            return e.text("camera") == camera && e.text("protocol") == "alarm" &&
                   e.text("event") == event;
        };
    };
    // Keep-alives after 5, 10 and 15 silent seconds, the reconnect right after the third.
    ASSERT_TRUE(sim.waitForJournal(
        [](const camsim::JournalEntry& e) {
            return e.text("camera") == "SILENT" && e.text("event") == "connect" &&
                   e.number("connection") == 2;
        },
        25000));
    // camsim journals the reconnect and the last keep-alive on different threads, so the
    // third keep-alive may be written just after the new connection.
    EXPECT_TRUE(sim.waitForJournal(of("SILENT", "keepalive"), 2000, 3));
    EXPECT_EQ(sim.journal(of("SILENT", "keepalive")).size(), 3u);
    // The answering camera got as many keep-alives but kept its one connection.
    EXPECT_GE(sim.journal(of("ANSWERS", "keepalive")).size(), 1u);
    EXPECT_EQ(sim.journal(of("ANSWERS", "connect")).size(), 1u);
    EXPECT_EQ(silentEvents.count() + answeringEvents.count(), 0u) << "keep-alives are no events";
    EXPECT_EQ(CLIENT_NOTIFY_Destory(silent), 0);
    EXPECT_EQ(CLIENT_NOTIFY_Destory(answering), 0);
}
