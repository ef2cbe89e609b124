// The stream client against simulated cameras: requests, byte-exact delivery of real clips,
// the status codes of broken cameras, pause and play, stop and playback.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "camsim_fixture.h"
#include "login_info.h"
#include "media_clips.h"
#include "netsdk.h"
#include "stream/stream_session.h"
#include "stream_recorder.h"

namespace {

constexpr int kWaitMs = 10000;
constexpr int kStreamPort = 1680;

// Clips are made once per test program, in a folder that goes with it.
class ClipFolder {
public:
    ClipFolder() {
        char name[] = "/tmp/stream-clips.XXXXXX";
        if (mkdtemp(name) == nullptr) {
            throw std::runtime_error("cannot make the clip folder");
        }
        path_ = name;
    }
    ~ClipFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const std::string& clipFolder() {
    static const ClipFolder folder;
    return folder.path();
}

std::string clip(mediaclips::Kind kind) {
    return mediaclips::make(clipFolder(), kind);
}

// Camera members: a stream of the given clips pushed as fast as the client reads, once.
std::string streamMembers(const std::string& streamSettings, const std::string& faults = "{}") {
    return R"("stream": {"realtime": false, "loop": false, "width": 352, "height": 288, )"
           R"("fps": 25, )" +
           streamSettings + R"(}, "faults": )" + faults;
}

std::string videoSettings(mediaclips::Kind kind, const char* codec) {
    return R"("video": ")" + clip(kind) + R"(", "video_codec": ")" + codec + "\"";
}

std::string audioSettings(mediaclips::Kind kind, const char* codec) {
    return R"("audio": ")" + clip(kind) + R"(", "audio_codec": ")" + codec + "\"";
}

// The request a client must send, built from the wire description.
std::string liveRequestHex(uint8_t channel, uint8_t stream) {
    std::string bytes = std::string("KTVQ") + std::string("\0\0\0\x78\x01\0\0\0", 8);
    bytes.resize(120, '\0');
    bytes[20] = static_cast<char>(channel);
    bytes[21] = static_cast<char>(stream);
    return camsim::hex(bytes);
}

// The first NAL units of an Annex B clip, each from its start code (three or four bytes)
// up to the next one.
std::vector<std::string> leadingUnits(const std::string& clipBytes, size_t count) {
    const std::string startCode("\0\0\1", 3);
    std::vector<std::string> units;
    size_t start = 0;
    while (units.size() < count) {
        size_t next = clipBytes.find(startCode, clipBytes.find(startCode, start) + 3);
        if (next > 0 && clipBytes[next - 1] == '\0') {
            --next;
        }
        units.push_back(clipBytes.substr(start, next - start));
        start = next;
    }
    return units;
}

std::string slot(const uint8_t* bytes, uint32_t length) {
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

class StreamClient : public ::testing::Test {
protected:
    void startCamera(const std::string& members) {
        sim.start(R"({"cameras": [)" + camsim::camera("CAM1", sim.address(10), members) + "]}");
    }

    NETSDK_LOGIN_INFO login(const std::string& address) {
        NETSDK_LOGIN_INFO info{};
        std::snprintf(info.ip, sizeof info.ip, "%s", address.c_str());
        info.streamPort = kStreamPort;
        return info;
    }

    // Runs a live session on this thread until the recorder's end condition holds.
    void runLive(const NETSDK_CHANNEL& channel, const std::string& address) {
        NETSDK_LOGIN_INFO info = login(address);
        NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
        ASSERT_NE(stream, nullptr);
        ASSERT_EQ(NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &recorder), 0);
        EXPECT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &recorder, 1), 0);
        EXPECT_EQ(NETSDK_StopRealPlay(stream), 0);
        EXPECT_EQ(NETSDK_DestoryRealPlay(stream), 0);
    }

    void runLive() { runLive({0, 1}, sim.address(10)); }

    camsim::Simulator sim{camsim::Where::Loopback};
    StreamRecorder recorder;
};

std::vector<int> firstStatuses(const StreamRecorder& recorder, size_t count) {
    std::lock_guard<std::mutex> guard(recorder.lock);
    return {recorder.statuses.begin(),
            recorder.statuses.begin() + std::min(count, recorder.statuses.size())};
}

}  // namespace

TEST_F(StreamClient, RequestCarriesTheChannelPair) {
    startCamera(streamMembers(videoSettings(mediaclips::Kind::H264Cif, "h264")));
    const NETSDK_CHANNEL pairs[] = {{0, 0}, {0, 1}, {2, 1}, {255, 7}};
    for (const NETSDK_CHANNEL& pair : pairs) {
        recorder.endWhen = [](const StreamRecorder& r) {
            return r.count(NETSDK_STREAM_ACK_ACCEPTED) > 0;
        };
        runLive(pair, sim.address(10));
        recorder.statuses.clear();
    }
    const auto requests =
        sim.journal([](const camsim::JournalEntry& e) { return e.text("event") == "request"; });
    ASSERT_EQ(requests.size(), std::size(pairs));
    for (size_t i = 0; i < requests.size(); ++i) {
        EXPECT_EQ(requests[i].text("request"),
                  liveRequestHex(static_cast<uint8_t>(pairs[i].channel),
                                 static_cast<uint8_t>(pairs[i].stream)))
            << "pair " << i;
    }
}

TEST_F(StreamClient, H264ClipArrivesByteExactWithItsFrameHeaders) {
    const std::string clipBytes = mediaclips::read(clip(mediaclips::Kind::H264Cif));
    startCamera(streamMembers(videoSettings(mediaclips::Kind::H264Cif, "h264")));
    recorder.endWhen = [&](const StreamRecorder& r) {
        return r.payloads.size() >= clipBytes.size();
    };
    runLive();

    ASSERT_EQ(recorder.payloads, clipBytes);
    const std::vector<std::string> units = leadingUnits(clipBytes, 2);  // SPS, PPS
    size_t keyFrames = 0;
    for (size_t i = 0; i < recorder.headers.size(); ++i) {
        const NETSDK_FRAME_INFO& header = recorder.headers[i];
        EXPECT_EQ(recorder.kinds[i], NETSDK_FRAME_LIVE);
        EXPECT_EQ(header.codec, NETSDK_CODEC_H264);
        EXPECT_EQ(header.timestamp, i * 40) << "frame " << i;
        EXPECT_EQ(header.timestamp2, header.timestamp);
        EXPECT_EQ(header.media[1], i) << "frame word of frame " << i;
        EXPECT_EQ(header.media[2], 352u);
        EXPECT_EQ(header.media[3], 288u);
        EXPECT_EQ(header.media[4], 25u);
        EXPECT_EQ(header.vpsLength, 0u);
        if (header.media[0] == 1) {
            ++keyFrames;
            EXPECT_EQ(slot(header.sps, header.spsLength), units[0]) << "frame " << i;
            EXPECT_EQ(slot(header.pps, header.ppsLength), units[1]) << "frame " << i;
        } else {
            EXPECT_EQ(header.spsLength, 0u) << "frame " << i;
            EXPECT_EQ(header.ppsLength, 0u) << "frame " << i;
        }
    }
    EXPECT_EQ(recorder.headers.size(), 50u);
    EXPECT_EQ(keyFrames, 2u);
    EXPECT_EQ(firstStatuses(recorder, 3),
              (std::vector<int>{NETSDK_STREAM_CONNECTED, NETSDK_STREAM_REQUEST_SENT,
                                NETSDK_STREAM_ACK_ACCEPTED}));
}

TEST_F(StreamClient, H265KeyFramesCarryVpsSpsAndPps) {
    const std::string clipBytes = mediaclips::read(clip(mediaclips::Kind::H265Cif));
    startCamera(streamMembers(videoSettings(mediaclips::Kind::H265Cif, "h265")));
    recorder.endWhen = [&](const StreamRecorder& r) {
        return r.payloads.size() >= clipBytes.size();
    };
    runLive();

    ASSERT_EQ(recorder.payloads, clipBytes);
    const std::vector<std::string> units = leadingUnits(clipBytes, 3);  // VPS, SPS, PPS
    size_t keyFrames = 0;
    for (const NETSDK_FRAME_INFO& header : recorder.headers) {
        EXPECT_EQ(header.codec, NETSDK_CODEC_H265);
        if (header.media[0] == 1) {
            ++keyFrames;
            EXPECT_EQ(slot(header.vps, header.vpsLength), units[0]);
            EXPECT_EQ(slot(header.sps, header.spsLength), units[1]);
            EXPECT_EQ(slot(header.pps, header.ppsLength), units[2]);
        }
    }
    EXPECT_EQ(keyFrames, 2u);
}

TEST_F(StreamClient, G711AudioArrivesIn320ByteFrames) {
    struct Case {
        mediaclips::Kind kind;
        const char* codecName;
        uint32_t codec;
    };
    const Case cases[] = {{mediaclips::Kind::Alaw, "alaw", NETSDK_CODEC_G711A},
                          {mediaclips::Kind::Ulaw, "ulaw", NETSDK_CODEC_G711U}};
    sim.start(R"({"cameras": [)" +
              camsim::camera("CAM0", sim.address(10),
                             streamMembers(audioSettings(cases[0].kind, cases[0].codecName))) +
              ", " +
              camsim::camera("CAM1", sim.address(11),
                             streamMembers(audioSettings(cases[1].kind, cases[1].codecName))) +
              "]}");
    for (size_t camera = 0; camera < std::size(cases); ++camera) {
        const Case& c = cases[camera];
        const std::string clipBytes = mediaclips::read(clip(c.kind));
        StreamRecorder audio;
        audio.endWhen = [&](const StreamRecorder& r) {
            return r.payloads.size() >= clipBytes.size();
        };
        NETSDK_LOGIN_INFO info = login(sim.address(10 + int(camera)));
        const NETSDK_CHANNEL channel{0, 0};
        NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
        NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &audio);
        NETSDK_StartRealPlay(stream, StreamRecorder::onData, &audio, 1);
        NETSDK_DestoryRealPlay(stream);

        EXPECT_EQ(audio.payloads, clipBytes) << c.codecName;
        ASSERT_EQ(audio.headers.size(), clipBytes.size() / 320) << c.codecName;
        for (size_t i = 0; i < audio.headers.size(); ++i) {
            const NETSDK_FRAME_INFO& header = audio.headers[i];
            EXPECT_EQ(header.codec, c.codec) << c.codecName;
            EXPECT_EQ(header.length, 320u);
            EXPECT_EQ(header.timestamp, i * 40);
            EXPECT_EQ(header.media[0], 8000u) << "sample rate";
            EXPECT_EQ(header.media[1], 1u) << "channels";
            EXPECT_EQ(header.media[2], 16u) << "bits";
            EXPECT_EQ(header.spsLength + header.ppsLength + header.vpsLength, 0u);
        }
    }
}

TEST_F(StreamClient, BrokenCamerasEndInReconnects) {
    struct Case {
        const char* what;
        std::string faults;
        std::vector<int> trace;  // up to the second connect
    };
    const std::vector<int> refused = {NETSDK_STREAM_CONNECTED, NETSDK_STREAM_REQUEST_SENT,
                                      NETSDK_STREAM_ACK_REFUSED, NETSDK_STREAM_CONNECTED};
    const std::vector<int> lost = {NETSDK_STREAM_CONNECTED, NETSDK_STREAM_REQUEST_SENT,
                                   NETSDK_STREAM_ACK_ACCEPTED, NETSDK_STREAM_LOST,
                                   NETSDK_STREAM_CONNECTED};
    const Case cases[] = {
        {"ack with bad magic", R"({"stream_bad_ack": "magic"})", refused},
        {"ack with bad length", R"({"stream_bad_ack": "length"})", refused},
        {"ack with bad command", R"({"stream_bad_ack": "command"})", refused},
        {"short ack, then close", R"({"stream_bad_ack": "short"})", refused},
        {"silent after accept", R"({"stream_silent": true})", refused},
        {"close in the middle of a payload", R"({"stream_close_mid_payload_after": 3})", lost},
        {"oversized length", R"({"stream_oversized_after": 3})", lost},
        {"length that overflows 32 bits", R"({"stream_oversized_after": 3,
                                             "stream_oversized_length": 4294967000})",
         lost},
        {"media header without '$'", R"({"stream_bad_dollar_after": 3})", lost},
    };
    // One camera per case, all played side by side: the silent one alone waits out the
    // 5 s acknowledgement read, and the others need not wait after it.
    std::string cameras;
    for (size_t i = 0; i < std::size(cases); ++i) {
        cameras += (i ? ", " : "") +
                   camsim::camera("CAM" + std::to_string(i), sim.address(10 + int(i)),
                                  streamMembers(videoSettings(mediaclips::Kind::H264Cif, "h264"),
                                                cases[i].faults));
    }
    sim.start(R"({"cameras": [)" + cameras + "]}");
    std::vector<StreamRecorder> traces(std::size(cases));
    std::vector<std::thread> players;
    for (size_t i = 0; i < std::size(cases); ++i) {
        players.emplace_back([this, &trace = traces[i], address = sim.address(10 + int(i))] {
            trace.endWhen = [](const StreamRecorder& r) {
                return r.count(NETSDK_STREAM_CONNECTED) >= 2;
            };
            NETSDK_LOGIN_INFO info = login(address);
            const NETSDK_CHANNEL channel{0, 1};
            NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
            NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &trace);
            NETSDK_StartRealPlay(stream, StreamRecorder::onData, &trace, 1);
            NETSDK_DestoryRealPlay(stream);
        });
    }
    for (std::thread& player : players) {
        player.join();
    }
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(traces[i].statuses, c.trace) << c.what;
        if (c.trace == lost) {
            EXPECT_EQ(traces[i].frames, 3u) << c.what;
        }
    }
}

TEST_F(StreamClient, RefusedPortIsRetriedUntilTheCallerEnds) {
    recorder.endWhen = [](const StreamRecorder& r) { return r.statuses.size() >= 3; };
    runLive({0, 1}, sim.address(99));  // nothing listens there
    EXPECT_EQ(recorder.statuses,
              (std::vector<int>{NETSDK_STREAM_CONNECT_FAILED, NETSDK_STREAM_CONNECT_FAILED,
                                NETSDK_STREAM_CONNECT_FAILED}));
}

TEST_F(StreamClient, Command3HeadBetweenFramesIsSkipped) {
    const std::string clipBytes = mediaclips::read(clip(mediaclips::Kind::H264Cif));
    startCamera(streamMembers(videoSettings(mediaclips::Kind::H264Cif, "h264"),
                              R"({"stream_command3_after": 5})"));
    recorder.endWhen = [&](const StreamRecorder& r) {
        return r.payloads.size() >= clipBytes.size();
    };
    runLive();
    EXPECT_EQ(recorder.payloads, clipBytes);
    EXPECT_EQ(recorder.count(NETSDK_STREAM_LOST), 0u);
    EXPECT_EQ(recorder.count(NETSDK_STREAM_CONNECTED), 1u);
}

TEST_F(StreamClient, CallbackAnswersDecideBetweenReadingOnAndReconnecting) {
    struct Case {
        int answer;
        size_t connects;
    };
    for (const Case& c : {Case{7, 1}, Case{NETSDK_STREAM_RECONNECT, 2}}) {
        StreamRecorder answers;
        answers.dataAnswer = c.answer;
        answers.endWhen = [](const StreamRecorder& r) {
            return r.frames >= 3 || r.count(NETSDK_STREAM_CONNECTED) >= 2;
        };
        NETSDK_LOGIN_INFO info = login(sim.address(10));
        if (!sim.journal().size()) {
            startCamera(streamMembers(videoSettings(mediaclips::Kind::H264Cif, "h264")));
        }
        const NETSDK_CHANNEL channel{0, 1};
        NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
        NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &answers);
        NETSDK_StartRealPlay(stream, StreamRecorder::onData, &answers, 1);
        NETSDK_DestoryRealPlay(stream);
        EXPECT_EQ(answers.count(NETSDK_STREAM_CONNECTED), c.connects) << c.answer;
        EXPECT_EQ(answers.count(NETSDK_STREAM_LOST), c.connects - 1) << c.answer;
    }
}

TEST_F(StreamClient, PauseAndPlayKeepTheConnection) {
    startCamera(R"("stream": {"realtime": true, "loop": true, "fps": 25, )" +
                videoSettings(mediaclips::Kind::H264Cif, "h264") + "}");
    recorder.keepPayloads = false;
    NETSDK_LOGIN_INFO info = login(sim.address(10));
    const NETSDK_CHANNEL channel{0, 1};
    NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
    NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &recorder);
    ASSERT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &recorder, 0), 0);
    ASSERT_TRUE(recorder.waitFor([](const StreamRecorder& r) { return r.frames >= 5; }, kWaitMs));

    ASSERT_EQ(NETSDK_SetPauseRealPlay(stream), 0);
    size_t atPause = 0;
    {
        std::lock_guard<std::mutex> guard(recorder.lock);
        atPause = recorder.frames;
    }
    // At most the frame being read when the pause came; the camera sends 25 a second.
    EXPECT_FALSE(
        recorder.waitFor([&](const StreamRecorder& r) { return r.frames > atPause + 1; }, 400));

    ASSERT_EQ(NETSDK_SetPlayRealPlay(stream), 0);
    EXPECT_TRUE(recorder.waitFor([&](const StreamRecorder& r) { return r.frames >= atPause + 5; },
                                 kWaitMs));
    EXPECT_EQ(NETSDK_StopRealPlay(stream), 0);
    EXPECT_EQ(NETSDK_DestoryRealPlay(stream), 0);
    EXPECT_EQ(sim.journal([](const camsim::JournalEntry& e) {
                     return e.text("protocol") == "stream" && e.text("event") == "connect";
                 })
                  .size(),
              1u);
}

TEST_F(StreamClient, StopReturnsPromptlyAndNothingFollowsIt) {
    struct Case {
        const char* what;
        std::string members;
    };
    const Case cases[] = {
        {"frames flowing", R"("stream": {"realtime": false, "loop": true, )" +
                               videoSettings(mediaclips::Kind::H264Cif, "h264") + "}"},
        {"camera silent after the acknowledgement",
         R"("stream": {"realtime": false, "loop": false}, "faults": {})"},
    };
    sim.start(R"({"cameras": [)" + camsim::camera("CAM0", sim.address(10), cases[0].members) +
              ", " + camsim::camera("CAM1", sim.address(11), cases[1].members) + "]}");
    for (size_t camera = 0; camera < std::size(cases); ++camera) {
        const Case& c = cases[camera];
        StreamRecorder flow;
        flow.keepPayloads = false;
        NETSDK_LOGIN_INFO info = login(sim.address(10 + int(camera)));
        const NETSDK_CHANNEL channel{0, 1};
        NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
        NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &flow);
        ASSERT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &flow, 0), 0);
        ASSERT_TRUE(flow.waitFor(
            [](const StreamRecorder& r) { return r.count(NETSDK_STREAM_ACK_ACCEPTED) > 0; },
            kWaitMs));
        flow.waitFor([](const StreamRecorder& r) { return r.frames >= 20; }, 200);

        const auto before = std::chrono::steady_clock::now();
        EXPECT_EQ(NETSDK_StopRealPlay(stream), 0);
        // Well below the 5 s that one frame read may wait.
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2)) << c.what;
        size_t frames = 0;
        {
            std::lock_guard<std::mutex> guard(flow.lock);
            frames = flow.frames;
        }
        EXPECT_EQ(NETSDK_DestoryRealPlay(stream), 0);
        std::lock_guard<std::mutex> guard(flow.lock);
        EXPECT_EQ(flow.frames, frames) << c.what;
    }
}

TEST_F(StreamClient, DestroyStopsARunningSession) {
    startCamera(R"("stream": {"realtime": false, "loop": true, )" +
                videoSettings(mediaclips::Kind::H264Cif, "h264") + "}");
    recorder.keepPayloads = false;
    NETSDK_LOGIN_INFO info = login(sim.address(10));
    const NETSDK_CHANNEL channel{0, 1};
    NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
    ASSERT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &recorder, 0), 0);
    ASSERT_TRUE(recorder.waitFor([](const StreamRecorder& r) { return r.frames >= 10; }, kWaitMs));
    EXPECT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &recorder, 0), -1)
        << "a running session cannot be started twice";
    EXPECT_EQ(NETSDK_DestoryRealPlay(stream), 0);
}

TEST_F(StreamClient, StopWaitsForAThreadStartedWhereTheLoopRanBefore) {
    NETSDK_LOGIN_INFO info = login(sim.address(99));  // nothing listens: no frames needed
    const NETSDK_CHANNEL channel{0, 1};
    NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
    ASSERT_EQ(NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &recorder), 0);
    bool endAtOnce = true;
    recorder.endWhen = [&endAtOnce](const StreamRecorder&) { return endAtOnce; };
    // The thread started right after a loop ran here must not pass for this thread.
    for (int round = 0; round < 20; ++round) {
        endAtOnce = true;
        ASSERT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &recorder, 1), 0) << round;
        endAtOnce = false;
        ASSERT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &recorder, 0), 0) << round;
        ASSERT_EQ(NETSDK_StopRealPlay(stream), 0);
        ASSERT_TRUE(stream->finished) << "stop returned while the loop ran, round " << round;
        ASSERT_FALSE(stream->thread.joinable()) << round;
    }
    EXPECT_EQ(NETSDK_DestoryRealPlay(stream), 0);
}

TEST_F(StreamClient, APlaybackStartOnARunningLiveSessionLeavesItAlone) {
    startCamera(R"("stream": {"realtime": false, "loop": true, )" +
                videoSettings(mediaclips::Kind::H264Cif, "h264") + "}");
    NETSDK_LOGIN_INFO info = login(sim.address(10));
    const NETSDK_CHANNEL channel{0, 1};
    NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
    ASSERT_EQ(NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &recorder), 0);
    ASSERT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &recorder, 0), 0);
    ASSERT_TRUE(recorder.waitFor([](const StreamRecorder& r) { return r.frames >= 5; }, kWaitMs));

    StreamRecorder intruder;
    EXPECT_EQ(
        NETSDK_StartPlayback(stream, StreamRecorder::onData, StreamRecorder::onStatus, &intruder),
        -1);
    size_t atRefusal = 0;
    {
        std::lock_guard<std::mutex> guard(recorder.lock);
        atRefusal = recorder.frames;
    }
    // The live loop goes on as it was: live frames, to its own callbacks, on one connection.
    EXPECT_TRUE(recorder.waitFor(
        [&](const StreamRecorder& r) { return r.frames >= atRefusal + 60; }, kWaitMs));
    EXPECT_EQ(NETSDK_StopRealPlay(stream), 0);
    EXPECT_EQ(NETSDK_DestoryRealPlay(stream), 0);
    EXPECT_EQ(recorder.count(NETSDK_STREAM_LOST), 0u);
    for (const int kind : recorder.kinds) {
        ASSERT_EQ(kind, NETSDK_FRAME_LIVE);
    }
    EXPECT_EQ(intruder.frames + intruder.statuses.size(), 0u);
}

TEST_F(StreamClient, PlaybackSendsItsRequestAndDropsTheExtraBlock) {
    const std::string clipBytes = mediaclips::read(clip(mediaclips::Kind::H264Cif));
    startCamera(streamMembers(videoSettings(mediaclips::Kind::H264Cif, "h264"),
                              R"({"stream_playback_extra": 20})"));
    NETSDK_LOGIN_INFO info = login(sim.address(10));
    NETSDK_PLAYBACK_INFO request{};
    request.channel = 1;
    request.stream = 0;
    request.beginTime = 1700000000;
    request.endTime = 1700000600;
    std::snprintf(request.fileName, sizeof request.fileName, "%s", "rec/20231114.h264");
    NETSDK_STREAM* stream = NETSDK_CreatePlayback(&info, &request);
    ASSERT_NE(stream, nullptr);
    recorder.endWhen = [&](const StreamRecorder& r) {
        return r.payloads.size() >= clipBytes.size();
    };
    EXPECT_EQ(
        NETSDK_StartPlayback(stream, StreamRecorder::onData, StreamRecorder::onStatus, &recorder),
        0);
    EXPECT_EQ(NETSDK_DestoryPlayback(stream), 0);

    EXPECT_EQ(recorder.payloads, clipBytes);
    ASSERT_FALSE(recorder.kinds.empty());
    EXPECT_EQ(recorder.kinds[0], NETSDK_FRAME_PLAYBACK);
    EXPECT_EQ(recorder.headers[0].media[2], 352u) << "the frame's own description";
    const auto requests =
        sim.journal([](const camsim::JournalEntry& e) { return e.text("event") == "request"; });
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].number("command"), 4);
    EXPECT_EQ(requests[0].number("channel"), 1);
    EXPECT_EQ(requests[0].number("begin"), 1700000000);
    EXPECT_EQ(requests[0].number("end"), 1700000600);
    EXPECT_EQ(requests[0].text("file"), "rec/20231114.h264");
    const std::string hex = requests[0].text("request");
    EXPECT_EQ(hex.substr(0, 40), "4b545651000000c0010000040101000000000000");
}

TEST_F(StreamClient, ExportsRunOnALogin) {
    startCamera(streamMembers(videoSettings(mediaclips::Kind::H264Cif, "h264")));
    NETSDK_LOGIN_INFO* session =
        NETSDK_Login(sim.address(10).c_str(), 80, kStreamPort, "admin", "", 0);
    ASSERT_NE(session, nullptr);
    const NETSDK_CHANNEL channel{0, 1};
    NETSDK_STREAM* stream = NETSDK_CreateRealPlay(session, &channel);
    ASSERT_NE(stream, nullptr);
    recorder.endWhen = [](const StreamRecorder& r) { return r.frames >= 10; };
    NETSDK_SetRealStreamStatus(stream, StreamRecorder::onStatus, &recorder);
    EXPECT_EQ(NETSDK_StartRealPlay(stream, StreamRecorder::onData, &recorder, 1), 0);
    EXPECT_EQ(NETSDK_StopRealPlay(stream), 0);
    EXPECT_EQ(NETSDK_DestoryRealPlay(stream), 0);
    EXPECT_EQ(NETSDK_Logout(session), 0);
    EXPECT_EQ(recorder.frames, 10u);
}

TEST(StreamExports, NullArgumentsAreRefused) {
    NETSDK_LOGIN_INFO info{};
    const NETSDK_CHANNEL channel{0, 0};
    EXPECT_EQ(NETSDK_CreateRealPlay(nullptr, &channel), nullptr);
    EXPECT_EQ(NETSDK_CreateRealPlay(&info, nullptr), nullptr);
    EXPECT_EQ(NETSDK_CreatePlayback(&info, nullptr), nullptr);
    EXPECT_EQ(NETSDK_SetRealStreamStatus(nullptr, StreamRecorder::onStatus, nullptr), -1);
    EXPECT_EQ(NETSDK_StartRealPlay(nullptr, StreamRecorder::onData, nullptr, 0), -1);
    EXPECT_EQ(NETSDK_SetPauseRealPlay(nullptr), -1);
    EXPECT_EQ(NETSDK_SetPlayRealPlay(nullptr), -1);
    EXPECT_EQ(NETSDK_StopRealPlay(nullptr), -1);
    EXPECT_EQ(NETSDK_DestoryRealPlay(nullptr), -1);
    NETSDK_STREAM* stream = NETSDK_CreateRealPlay(&info, &channel);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(NETSDK_SetRealStreamStatus(stream, nullptr, nullptr), -1);
    EXPECT_EQ(NETSDK_StopRealPlay(stream), 0) << "a session never started stops at once";
    EXPECT_EQ(NETSDK_DestoryRealPlay(stream), 0);
}
